// The main window's keys: Enter in the text box runs SHOW, and the menu key or Shift+F10
// anywhere in the window opens the main menu at the window.
#pragma once

namespace tintor {

class TMainForm;

// Binds the keys on the window; the bindings live as long as it does.
void InstallMainKeyboard(TMainForm& form);

} // namespace tintor
