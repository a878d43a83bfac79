// Ends the program as a close would when it is asked to by a signal (SIGTERM from a shutdown
// or `kill`, SIGINT from a terminal, SIGHUP when the terminal goes), so the close-time step
// still stores the settings.
#pragma once

#include <functional>

namespace tintor {

// Installs the handlers; onQuit runs on the user-interface thread, once per signal.
void OnQuitSignals(std::function<void()> onQuit);

} // namespace tintor
