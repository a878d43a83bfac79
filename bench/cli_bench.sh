#!/usr/bin/env bash
# Times a command-line call, "tintor --convert", against a bare QCoreApplication program that
# prints one line, side by side in the same run, with no display in the environment. Also
# times the command line linked without the window libraries, to show what linking them into
# the one program costs. Target: tintor --convert at most 1.5 times the bare program.
#
#   bash bench/cli_bench.sh [build-dir]     (CLI_RUNS=n to change the 41 runs of each)
set -euo pipefail

build=${1:-build-bench}
runs=${CLI_RUNS:-41}
for program in tintor bare_core cli_only; do
    if [ ! -x "$build/$program" ]; then
        echo "cli bench: $build/$program is missing; build with -DTINTOR_BENCH=ON first" >&2
        exit 1
    fi
done
build=$(cd "$build" && pwd)
work=$(mktemp -d "${TMPDIR:-/tmp}/tintor-cli-bench.XXXXXX")
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM

# Median wall time in microseconds of one program call, runs interleaved with the others so
# that a busy moment of the machine hits all of them alike.
declare -A samples
names=(tintor cli_only bare_core)
command_of() {
    case $1 in
    tintor) echo "$build/tintor --convert #FF8000 --to html" ;;
    cli_only) echo "$build/cli_only --convert #FF8000 --to html" ;;
    bare_core) echo "$build/bare_core" ;;
    esac
}
for name in "${names[@]}"; do
    $(command_of "$name") >/dev/null # warm the page cache
    : >"$work/$name"
done
for _ in $(seq "$runs"); do
    for name in "${names[@]}"; do
        start=$(date +%s%N)
        $(command_of "$name") >/dev/null
        end=$(date +%s%N)
        echo $(((end - start) / 1000)) >>"$work/$name"
    done
done
median() { sort -n "$1" | awk '{a[NR]=$1} END {print a[int((NR+1)/2)]}'; }

bare=$(median "$work/bare_core")
printf '%-34s %10s %8s\n' "command line ($runs runs, median)" "time" "x bare"
for name in "${names[@]}"; do
    us=$(median "$work/$name")
    ratio=$(awk -v a="$us" -v b="$bare" 'BEGIN {printf "%.2f", a / b}')
    printf '%-34s %7.1f ms %8s\n' "$(command_of "$name" | sed "s|$build/||")" \
        "$(awk -v u="$us" 'BEGIN {print u / 1000}')" "$ratio"
done
tintor_us=$(median "$work/tintor")
verdict=$(awk -v a="$tintor_us" -v b="$bare" 'BEGIN {print (a <= 1.5 * b) ? "met" : "MISSED"}')
echo "target tintor --convert <= 1.5 x bare QCoreApplication: $verdict"
