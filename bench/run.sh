#!/usr/bin/env bash
# Runs TINTOR's benchmarks from a Release build tree and prints one table: start-up time and
# peak memory against a bare Qt window measured in the same run, the core operations and the
# window handlers against their targets.
#
#   bash bench/run.sh [build-dir]        (STARTUP_RUNS=n to change the 11 start-up runs)
set -euo pipefail

build=${1:-build-bench}
runs=${STARTUP_RUNS:-11}
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
for program in tintor floor_window startup_probe tintor_bench; do
    if [ ! -x "$build/$program" ]; then
        echo "bench: $build/$program is missing; build with -DTINTOR_BENCH=ON first" >&2
        exit 1
    fi
done
build=$(cd "$build" && pwd)

work=$(mktemp -d "${TMPDIR:-/tmp}/tintor-bench.XXXXXX")
xvfb_pid=""
cleanup() {
    if [ -n "$xvfb_pid" ]; then
        kill "$xvfb_pid" 2>/dev/null || true
        wait "$xvfb_pid" 2>/dev/null || true
    fi
    rm -rf "$work"
}
trap cleanup EXIT

# --- An X display: the user's when it answers, else a private virtual one ---
if [ -z "${DISPLAY:-}" ] || ! xdpyinfo >/dev/null 2>&1; then
    # -displayfd picks a free display number and writes it once the server accepts clients.
    Xvfb -displayfd 3 -screen 0 1280x800x24 -nolisten tcp >"$work/xvfb.log" 2>&1 3>"$work/display" &
    xvfb_pid=$!
    for _ in $(seq 200); do
        [ -s "$work/display" ] && break
        if ! kill -0 "$xvfb_pid" 2>/dev/null; then
            echo "bench: Xvfb did not start:" >&2
            cat "$work/xvfb.log" >&2
            exit 1
        fi
        sleep 0.05
    done
    [ -s "$work/display" ] || { echo "bench: Xvfb gave no display number" >&2; exit 1; }
    export DISPLAY=":$(head -n 1 "$work/display")"
    display_note="virtual display $DISPLAY (Xvfb)"
else
    display_note="display $DISPLAY"
fi
# Both programs on the same platform plugin; TINTOR would pick xcb under Wayland anyway.
export QT_QPA_PLATFORM=xcb

# --- Start-up: TINTOR from a private copy (its System.tri lives beside it), and the floor ---
mkdir -p "$work/app"
cp "$build/tintor" "$build/floor_window" "$work/app/"
cp "$source_dir/resources/System.tri" "$source_dir/resources/TintHelp.hlp" "$work/app/"

probe() { # name, title, program [args] -> appends "ms kb" to $work/<name>
    local line name=$1 title=$2
    shift 2
    if ! line=$("$build/startup_probe" --title "$title" "$@" 2>>"$work/probe.log"); then
        echo "bench: start-up probe failed for $name:" >&2
        cat "$work/probe.log" >&2
        exit 1
    fi
    line=${line#startup_ms=}
    echo "${line/ vmhwm_kb=/ }" >>"$work/$name"
}

echo "Start-up: $runs runs of each, interleaved, on the $display_note" >&2
# One discarded run of each fills the page cache and the font cache.
probe warmup TINTOR "$work/app/tintor"
probe warmup floor "$work/app/floor_window"
probe warmup floortext "$work/app/floor_window" --text
: >"$work/tintor"
: >"$work/floor"
: >"$work/floortext"
for _ in $(seq "$runs"); do
    probe tintor TINTOR "$work/app/tintor"
    probe floor floor "$work/app/floor_window"
    probe floortext floortext "$work/app/floor_window" --text
done

median() { # column of file
    sort -n -k"$2" "$1" | awk -v c="$2" '{ v[NR] = $c } END {
        if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
tintor_ms=$(median "$work/tintor" 1)
floor_ms=$(median "$work/floor" 1)
tintor_kb=$(median "$work/tintor" 2)
floor_kb=$(median "$work/floor" 2)
text_ms=$(median "$work/floortext" 1)
text_kb=$(median "$work/floortext" 2)

# --- Core operations and handlers (Google Benchmark, medians of repetitions) ---
echo "Core operations and handlers: Google Benchmark" >&2
"$build/tintor_bench" --benchmark_repetitions=5 --benchmark_min_time=0.05 \
    --benchmark_report_aggregates_only=true \
    --benchmark_out="$work/bench.csv" --benchmark_out_format=csv >"$work/bench.txt" 2>&1 || {
    cat "$work/bench.txt" >&2
    exit 1
}

# --- The table ---
awk -F, -v tms="$tintor_ms" -v fms="$floor_ms" -v tkb="$tintor_kb" -v fkb="$floor_kb" \
    -v xms="$text_ms" -v xkb="$text_kb" \
    -v runs="$runs" '
function ns(value, unit) {
    if (unit == "us") return value * 1e3
    if (unit == "ms") return value * 1e6
    if (unit == "s") return value * 1e9
    return value
}
function human(n) {
    if (n >= 1e6) return sprintf("%.2f ms", n / 1e6)
    if (n >= 1e3) return sprintf("%.1f us", n / 1e3)
    return sprintf("%.1f ns", n)
}
function row(figure, value, against, ratio, limit) {
    printf "%-34s %14s %14s %8.3f %8s  %s\n", figure, value, against, ratio, "<= " limit,
        ratio <= limit ? "pass" : "MISS"
}
function info(figure, value) {
    printf "%-34s %14s %14s %8s %8s  %s\n", figure, value, "-", "-", "-", "(no target)"
}
NR == 1 { next }
{
    name = $1; gsub(/"/, "", name)
    if (name !~ /_median$/) next
    sub(/_median$/, "", name); sub(/\/repeats:[0-9]+/, "", name); sub(/\/real_time/, "", name)
    real[name] = ns($3, $5); cpu[name] = ns($4, $5)
    order[++count] = name
}
END {
    printf "%-34s %14s %14s %8s %8s  %s\n", "figure", "TINTOR", "floor/target", "ratio", "limit", "result"
    row("start-up to window mapped (med " runs ")", sprintf("%.1f ms", tms), sprintf("%.1f ms", fms), tms / fms, "1.25")
    row("peak memory VmHWM at map", sprintf("%.1f MiB", tkb / 1024), sprintf("%.1f MiB", fkb / 1024), tkb / fkb, "1.50")
    printf "%-34s %14s %14s %8.3f %8s  %s\n", "  start-up vs floor with text", sprintf("%.1f ms", tms), sprintf("%.1f ms", xms), tms / xms, "-", "(reference)"
    printf "%-34s %14s %14s %8.3f %8s  %s\n", "  memory vs floor with text", sprintf("%.1f MiB", tkb / 1024), sprintf("%.1f MiB", xkb / 1024), tkb / xkb, "-", "(reference)"
    for (k = 1; k <= count; ++k) {
        name = order[k]
        if (name ~ /^core\/ColorTo(Html|Rgb|Delphi|Vb|Cpp)Text$/) {
            rate = 1e9 / cpu[name]
            # Ratio of cost: the target rate over the measured rate.
            row(substr(name, 6) " per second", sprintf("%.1f M/s", rate / 1e6), "20.0 M/s", 20e6 / rate, "1.00")
        } else if (name ~ /^handler\/(SHOW|FormatSwitch|SlotSave)$/) {
            row(name " CPU/action", human(cpu[name]), "1 ms", cpu[name] / 1e6, "1.00")
            info("  " name " wall/action", human(real[name]))
        } else if (name == "handler/SaveSettings") {
            row("SaveSettings median (wall)", human(real[name]), "200 us", real[name] / 2e5, "1.00")
            info("  SaveSettings median (CPU)", human(cpu[name]))
        } else if (name ~ /^picker\//) {
            info(name " (wall, cold)", human(real[name]))
        } else if (name == "core/SaveSettingsFile") {
            info("SaveSettingsFile median (wall)", human(real[name]))
        } else {
            info(substr(name, 6) " (CPU/op)", human(cpu[name]))
        }
    }
}' "$work/bench.csv"
echo "ratio: start-up and memory TINTOR/floor; formatters target rate/measured rate; times measured/target."
