// Qt's own settings file: the colour chooser keeps its custom colours and the file dialogs their
// history in $XDG_CONFIG_HOME/QtProject.conf. The program keeps all its state in System.tri, so
// that file is neither read nor written.
#pragma once

namespace tintor {

// Points every Qt settings file of the process at a place that can never be a directory, so
// reading finds nothing and writing fails quietly. Run before any dialog is made.
void KeepQtSettingsOff();

} // namespace tintor
