// Whether the window system the program is about to use is there. Without it Qt aborts with its
// own generic text; the program instead says in one line what is missing and ends with status 1.
#pragma once

#include <string>

namespace tintor {

// The line to print when no display that Qt would use (the -platform argument, else
// QT_QPA_PLATFORM, else X11; each entry of a ";" list is tried) can be reached; empty when one
// can. Only X11 and Wayland are checked; other platforms are taken as available.
std::string MissingDisplayMessage(int argc, char** argv);

} // namespace tintor
