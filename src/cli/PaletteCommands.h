// --export-palette and --import-palette: the saved colours of the user's System.tri as a
// palette file, and a GIMP palette stored into them as the menu import stores it.
#pragma once

#include <QString>

namespace tintor {

int ExportPaletteCommand(const QString& file);
int ImportPaletteCommand(const QString& file);

} // namespace tintor
