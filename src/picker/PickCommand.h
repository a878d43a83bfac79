// `tintor --pick`: the screen colour picker alone, for scripts and other programs.
#pragma once

#include <string>

namespace tintor {

// Runs the picker with its own application object, prints the picked colour in the stored
// display format on standard output and returns 0; returns 1 on a cancel and 2 where the
// screen cannot be read. Reads System.tri but never writes it, and shows no other window.
int RunPickCommand(int& argc, char** argv);

// The display format stored in the user's System.tri (read only); 0 when none can be read.
int StoredDisplayFormat(const std::string& exeDir, const std::string& configHome);

} // namespace tintor
