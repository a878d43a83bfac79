// Freezing the screens for the colour picker, on X11.
#pragma once

#include "platform/ScreenSources.h"

#include <vector>

namespace tintor {

// Whether the program runs on a Wayland session (through XWayland), where the screen cannot be
// read and the desktop portal picks colours instead.
bool RunsOnWaylandSession();

// A picture of every screen at its device pixels; nothing when the screen cannot be read.
std::vector<ScreenShot> GrabAllScreens();

} // namespace tintor
