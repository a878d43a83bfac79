// Work that should not delay what the user sees first: run once a window's first paint has
// reached the screen.
#pragma once

#include <functional>

class QWidget;

namespace tintor {

// Runs task once, in the event loop, after window's first paint has been handed to the display
// server and the server has taken it. A window that is not painted within fallbackMs (say it
// starts minimised) gets the task then.
void AfterFirstPaint(QWidget* window, std::function<void()> task, int fallbackMs = 1000);

} // namespace tintor
