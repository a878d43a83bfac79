#!/usr/bin/env bash
# Starts TINTOR. Without a usable display it runs on a virtual X display instead, saves a
# screenshot of the window to build/screenshot.png and stops the program again. The last line
# printed says what happened.
set -uo pipefail
program=${1:-build/tintor}
outdir=$(dirname "$program")

# Qt wants a private runtime directory and warns when there is none (a root shell, a container).
if [ -z "${XDG_RUNTIME_DIR:-}" ] || [ ! -d "$XDG_RUNTIME_DIR" ]; then
    XDG_RUNTIME_DIR="/tmp/runtime-$(id -u)"
    mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
    export XDG_RUNTIME_DIR
fi

display_usable() {
    if [ -n "${WAYLAND_DISPLAY:-}" ] && [ -S "${XDG_RUNTIME_DIR:-/nonexistent}/${WAYLAND_DISPLAY}" ]; then
        return 0
    fi
    [ -n "${DISPLAY:-}" ] && xdpyinfo >/dev/null 2>&1
}

if display_usable; then
    "$program"
    status=$?
    if [ "$status" -eq 0 ]; then
        echo "TINTOR ended normally"
    else
        echo "TINTOR ended with exit status $status" >&2
    fi
    exit "$status"
fi

# Pick a free display number for the virtual X server.
num=99
while [ -e "/tmp/.X11-unix/X$num" ] || [ -e "/tmp/.X$num-lock" ]; do num=$((num + 1)); done
Xvfb ":$num" -screen 0 1280x800x24 -nolisten tcp >/dev/null 2>&1 &
xvfb=$!
program_pid=""
log="$outdir/tintor-run.log"
# The program ends before its X server, so it never reports a broken connection.
stop_all() {
    if [ -n "$program_pid" ]; then kill "$program_pid" 2>/dev/null; wait "$program_pid" 2>/dev/null; fi
    kill "$xvfb" 2>/dev/null
    wait "$xvfb" 2>/dev/null
}
trap stop_all EXIT
export DISPLAY=":$num"
for _ in $(seq 100); do xdpyinfo >/dev/null 2>&1 && break; sleep 0.05; done

"$program" >"$log" 2>&1 &
program_pid=$!
# Wait until the main window is mapped, then give it a moment to paint.
for _ in $(seq 200); do
    wid=$(xdotool search --onlyvisible --name '^TINTOR' 2>/dev/null | head -n 1)
    [ -n "$wid" ] && break
    sleep 0.05
done
sleep 0.5
shot="$outdir/screenshot.png"
if [ -n "${wid:-}" ]; then
    import -window "$wid" "$shot" 2>/dev/null
    stop_all
    trap - EXIT
    echo "No display found: TINTOR ran on a virtual X display; screenshot saved to $shot"
else
    stop_all
    trap - EXIT
    echo "No display found and the TINTOR window did not appear on the virtual X display (output in $log)" >&2
    exit 1
fi
