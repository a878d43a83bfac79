// TINTOR's command line: colour conversion, the contrast check and palette files, run on a
// QCoreApplication so that no window system is loaded.
#pragma once

namespace tintor {

// Exit statuses.
inline constexpr int ExitOk = 0;
inline constexpr int ExitFailed = 1;   // a file, the settings or a running window stood in the way
inline constexpr int ExitBadInput = 2; // a colour text that cannot be read, or a wrong call

// Whether the arguments ask for the command line rather than the windows: one of its options,
// or any other "--" option that is not one of Qt's own window options.
bool IsCommandLineCall(int argc, char** argv);

// Runs the command line; returns the exit status. Call before any QApplication exists.
int RunCommandLine(int& argc, char** argv);

// --pick, the screen picker's command (PickHook.cpp).
int RunPickHook(int& argc, char** argv);

} // namespace tintor
