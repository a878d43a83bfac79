#!/usr/bin/env bash
# Started without a display (an empty environment, or Wayland with no compositor), the program
# prints one line that says what is missing and ends with status 1.
set -u
program=$1
runtime=$(mktemp -d)
trap 'rm -rf "$runtime"' EXIT
failed=0

check() { # name, expected words, command...
    local name=$1 words=$2
    shift 2
    local out err status
    out=$("$@" 2>"$runtime/err")
    status=$?
    err=$(cat "$runtime/err")
    if [ "$status" -ne 1 ] || [ -n "$out" ] || [ "$(printf '%s\n' "$err" | wc -l)" -ne 1 ] ||
        [[ "$err" != *"$words"* ]]; then
        echo "FAIL $name: status $status, stdout '$out', stderr '$err'"
        failed=1
    else
        echo "ok   $name: $err"
    fi
}

check "empty environment" "DISPLAY" env -i "$program"
check "unreachable X display" "X ディスプレイ :9876" env -i DISPLAY=:9876 "$program"
check "Wayland without compositor" "Wayland" \
    env -i QT_QPA_PLATFORM=wayland XDG_RUNTIME_DIR="$runtime" "$program"
check "Wayland without runtime directory" "XDG_RUNTIME_DIR" env -i QT_QPA_PLATFORM=wayland "$program"
check "either of two platforms" "Wayland" \
    env -i "QT_QPA_PLATFORM=wayland;xcb" XDG_RUNTIME_DIR="$runtime" "$program"
# Nothing was written beside the program or in the runtime directory.
[ -z "$(ls -A "$runtime" | grep -v '^err$')" ] || { echo "FAIL files written: $(ls -A "$runtime")"; failed=1; }
exit $failed
