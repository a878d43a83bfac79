// Qt's own texts (the buttons of message boxes, the colour chooser, the file dialogs, the menus
// of text fields) in Japanese, as the rest of the program is, whatever the user's locale.
#pragma once

namespace tintor {

// Installs Qt's Japanese translations (Debian qt6-translations-l10n); returns whether they were
// found. Without them Qt keeps its English texts.
bool InstallQtJapanese();

} // namespace tintor
