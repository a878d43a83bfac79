// The saved colours window follows the main window into the task bar and back: minimising the
// main window minimises it too, and restoring the main window (from the window list, Alt+Tab or
// a second start) shows it again when it was shown before.
#pragma once

#include <functional>

class QWidget;

namespace tintor {

// Watches main's window state; companion gives the window that follows (or nullptr).
void MinimizeTogether(QWidget& main, std::function<QWidget*()> companion);

} // namespace tintor
