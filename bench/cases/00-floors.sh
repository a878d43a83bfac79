# The floors every start-up is compared with (see bench/run.sh for the case functions).
# A bare frameless 197 x 111 Qt window, the same window drawing Japanese text (the reference of
# every window ratio), and a program with a bare QCoreApplication (the floor of commands).
window_case floor --title floor -- "$app/floor_window"
window_case floortext --title floortext -- "$app/floor_window" --text
command_case corefloor -- "$app/floor_core"
