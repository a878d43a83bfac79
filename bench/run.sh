#!/usr/bin/env bash
# Runs TINTOR's benchmarks from a Release build tree and prints one table: the cold costs of
# starting programs (windows and commands) against floors measured in the same run, then the
# core operations and the window handlers against their targets.
#
#   bash bench/run.sh [build-dir]     STARTUP_RUNS=n for other than 11 start-up runs,
#                                     CALLGRIND=0 to skip the instruction counts
#
# The start-up cases are the files bench/cases/*.sh, read in name order. Each calls one of
#   window_case NAME --title TEXT [--floor CASE] [--limit RATIO] -- PROGRAM [ARGS...]
#       a program whose window (title holding TEXT) is measured: exec to map, exec to first
#       paint, peak memory 300 ms after the map, and under callgrind the instructions until
#       the map and until the first paint;
#   command_case NAME [--floor CASE] [--limit RATIO] -- PROGRAM [ARGS...]
#       a program that ends by itself: exec to exit, peak memory, instructions.
# Ratios are taken against the floor case (default: floortext for windows, corefloor for
# commands); --limit makes each ratio a target. Every executable of the build root is copied
# with System.tri and TintHelp.hlp into one private directory, $app, so a case names its
# program as "$app/NAME".
set -euo pipefail

build=${1:-build-bench}
runs=${STARTUP_RUNS:-11}
here=$(cd "$(dirname "$0")" && pwd)
source_dir=$(dirname "$here")
for program in tintor floor_window floor_core startup_probe tintor_bench; do
    if [ ! -x "$build/$program" ]; then
        echo "bench: $build/$program is missing; build with -DTINTOR_BENCH=ON first" >&2
        exit 1
    fi
done
build=$(cd "$build" && pwd)
probe_bin="$build/startup_probe"

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
# Every program on the same platform plugin; TINTOR would pick xcb under Wayland anyway.
export QT_QPA_PLATFORM=xcb
# A private runtime directory: the single-copy socket of the measured TINTOR lives there.
export XDG_RUNTIME_DIR="$work/runtime"
mkdir -m 700 "$work/runtime"

# --- The programs, in one private directory (TINTOR's System.tri lives beside it) ---
app="$work/app"
mkdir -p "$app"
find "$build" -maxdepth 1 -type f -executable -exec cp {} "$app/" \;
cp "$source_dir/resources/System.tri" "$source_dir/resources/TintHelp.hlp" "$app/"

# --- The cases ---
cases=()
declare -A case_kind case_title case_floor case_limit case_command
add_case() { # kind name options... -- program [args...]
    local kind=$1 name=$2 title="" floor="" limit="-"
    shift 2
    while [ $# -gt 0 ] && [ "$1" != "--" ]; do
        case $1 in
        --title) title=$2 ;;
        --floor) floor=$2 ;;
        --limit) limit=$2 ;;
        *) echo "bench: case $name: unknown option $1" >&2; exit 1 ;;
        esac
        shift 2
    done
    [ "${1:-}" = "--" ] && [ $# -ge 2 ] || { echo "bench: case $name names no program" >&2; exit 1; }
    shift
    if [ "$kind" = window ] && [ -z "$title" ]; then
        echo "bench: window case $name needs --title" >&2
        exit 1
    fi
    if [ -z "$floor" ]; then
        if [ "$kind" = window ]; then floor=floortext; else floor=corefloor; fi
    fi
    cases+=("$name")
    case_kind[$name]=$kind
    case_title[$name]=$title
    case_floor[$name]=$floor
    case_limit[$name]=$limit
    case_command[$name]=$(printf '%q ' "$@")
}
window_case() { add_case window "$@"; }
command_case() { add_case command "$@"; }
for file in "$here"/cases/*.sh; do
    # shellcheck source=/dev/null
    source "$file"
done
for name in "${cases[@]}"; do
    [ -n "${case_kind[${case_floor[$name]}]:-}" ] || {
        echo "bench: case $name: no floor case ${case_floor[$name]}" >&2
        exit 1
    }
done

# One start of a case; prints the probe's line. Extra words before the program (a profiler)
# come from $wrap, probe options from $probe_options.
run_case() { # name
    local name=$1 line
    local -a command options
    eval "command=(${case_command[$name]})"
    if [ "${case_kind[$name]}" = window ]; then
        options=(--title "${case_title[$name]}")
    else
        options=(--exit)
    fi
    # shellcheck disable=SC2086
    if ! line=$("$probe_bin" "${options[@]}" $probe_options -- $wrap "${command[@]}" \
        2>>"$work/probe.log"); then
        echo "bench: start-up probe failed for $name:" >&2
        cat "$work/probe.log" >&2
        exit 1
    fi
    echo "$line"
}
value_of() { # key line
    local word
    for word in $2; do
        if [ "${word%%=*}" = "$1" ]; then
            echo "${word#*=}"
            return
        fi
    done
}

echo "Start-up: $runs runs of each of ${cases[*]}, interleaved, on the $display_note" >&2
wrap=""
probe_options=""
# One discarded run of each fills the page cache and the font cache.
for name in "${cases[@]}"; do run_case "$name" >/dev/null; done
for _ in $(seq "$runs"); do
    for name in "${cases[@]}"; do run_case "$name" >>"$work/$name.runs"; done
done

median() { # key file
    local key=$1 file=$2 line
    while read -r line; do value_of "$key" "$line"; done <"$file" | sort -n | awk '
        { v[NR] = $1 } END { if (NR % 2) print v[(NR + 1) / 2]; else print (v[NR / 2] + v[NR / 2 + 1]) / 2 }'
}
declare -A figure # "<case> <key>" -> median, and the instruction counts
for name in "${cases[@]}"; do
    if [ "${case_kind[$name]}" = window ]; then keys="map_ms paint_ms vmhwm_kb"; else keys="exit_ms vmhwm_kb"; fi
    for key in $keys; do figure["$name $key"]=$(median "$key" "$work/$name.runs"); done
done

# --- Instruction counts: one callgrind run of each case ---
# For windows callgrind writes a part when the program asks for its window's map and when it
# first puts an image on the screen; the probe ends the program (SIGUSR1) once the window is
# painted. The sums of the parts up to those two moments are the counts.
callgrind_note=""
if [ "${CALLGRIND:-1}" != 0 ] && command -v valgrind >/dev/null; then
    echo "Instruction counts: one callgrind run of each case" >&2
    mkdir -p "$work/cg"
    for name in "${cases[@]}"; do
        wrap="valgrind --tool=callgrind --dump-instr=no --callgrind-out-file=$work/cg/$name.%p"
        if [ "${case_kind[$name]}" = window ]; then
            wrap+=" --dump-before=xcb_map_window --dump-before=xcb_shm_put_image --dump-before=xcb_put_image"
            probe_options="--timeout 600 --stop-signal 10"
        else
            probe_options=""
        fi
        line=$(run_case "$name")
        pid=$(value_of pid "$line")
        # Parts .1, .2, ... in order, then the part written at the end.
        parts=()
        for ((n = 1; n < 1000; ++n)); do
            [ -f "$work/cg/$name.$pid.$n" ] || break
            parts+=("$work/cg/$name.$pid.$n")
        done
        read -r map_ir paint_ir total_ir < <(awk '
            FNR == 1 { trigger = "" }
            /^desc: Trigger:/ { trigger = $0 }
            /^summary:/ {
                sum += $2
                if (!map && trigger ~ /xcb_map_window/) map = sum
                else if (map && !paint && trigger ~ /put_image/) paint = sum
            }
            END { print (map ? map : "-"), (paint ? paint : "-"), sum }' "${parts[@]}" "$work/cg/$name.$pid")
        if [ "${case_kind[$name]}" = window ]; then
            figure["$name map_ir"]=$map_ir
            figure["$name paint_ir"]=$paint_ir
        else
            figure["$name exit_ir"]=$total_ir
        fi
    done
    wrap=""
    probe_options=""
else
    callgrind_note="(valgrind not installed or CALLGRIND=0: no instruction counts)"
fi

# --- Core operations and handlers (Google Benchmark, medians of repetitions) ---
echo "Core operations and handlers: Google Benchmark" >&2
# The memory benchmarks carry a counter the others lack, so they write a file of their own.
for part in time memory; do
    if [ $part = time ]; then filter='^(core|handler)/'; else filter='^import/'; fi
    "$build/tintor_bench" --benchmark_filter="$filter" --benchmark_repetitions=5 \
        --benchmark_min_time=0.05 --benchmark_report_aggregates_only=true \
        --benchmark_out="$work/bench-$part.csv" --benchmark_out_format=csv >"$work/bench.txt" 2>&1 || {
        cat "$work/bench.txt" >&2
        exit 1
    }
done

# --- The table ---
{
    for name in "${cases[@]}"; do
        floor=${case_floor[$name]}
        for key in map_ms paint_ms exit_ms vmhwm_kb map_ir paint_ir exit_ir; do
            value=${figure["$name $key"]:-}
            [ -n "$value" ] || continue
            echo "case $name ${case_kind[$name]} $floor ${case_limit[$name]} $key $value ${figure["$floor $key"]:--}"
        done
    done
} >"$work/cases.txt"

printf '%-44s %14s %14s %8s %8s  %s\n' figure value against ratio limit result
awk -v runs="$runs" '
$1 == "case" {
    name = $2; kind = $3; floor = $4; limit = $5; key = $6; value = $7; against = $8
    label["map_ms"] = "exec to map (median of " runs ")"
    label["paint_ms"] = "exec to first paint (median of " runs ")"
    label["exit_ms"] = "exec to exit (median of " runs ")"
    label["vmhwm_kb"] = (kind == "window" ? "peak memory 300 ms after map" : "peak memory")
    label["map_ir"] = "instructions exec to map"
    label["paint_ir"] = "instructions exec to first paint"
    label["exit_ir"] = "instructions exec to exit"
    figure = name ": " label[key]
    if (value == "-" ) { printf "%-44s %14s\n", figure, "(not found)"; next }
    if (key ~ /_ms$/) { v = sprintf("%.1f ms", value); a = sprintf("%.1f ms", against) }
    else if (key ~ /_kb$/) { v = sprintf("%.1f MiB", value / 1024); a = sprintf("%.1f MiB", against / 1024) }
    else { v = sprintf("%.1f M", value / 1e6); a = sprintf("%.1f M", against / 1e6) }
    if (name == floor || against == "-" || against == 0) {
        printf "%-44s %14s %14s %8s %8s  %s\n", figure, v, "-", "-", "-", "(floor)"
        next
    }
    ratio = value / against
    result = limit == "-" ? "(vs " floor ")" : (ratio <= limit ? "pass" : "MISS")
    printf "%-44s %14s %14s %8.3f %8s  %s\n", figure, v, a, ratio, (limit == "-" ? "-" : "<= " limit), result
}' "$work/cases.txt"
[ -z "$callgrind_note" ] || echo "$callgrind_note"

awk -F, '
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
    printf "%-44s %14s %14s %8.3f %8s  %s\n", figure, value, against, ratio, "<= " limit,
        ratio <= limit ? "pass" : "MISS"
}
function info(figure, value) {
    printf "%-44s %14s %14s %8s %8s  %s\n", figure, value, "-", "-", "-", "(no target)"
}
$1 == "name" {
    # Counters are columns of their own, named in the header, which follows lines about the run.
    delete column
    for (i = 1; i <= NF; ++i) { h = $i; gsub(/"/, "", h); column[h] = i }
    next
}
{
    name = $1; gsub(/"/, "", name)
    if (name !~ /_median$/) next
    sub(/_median$/, "", name); sub(/\/iterations:[0-9]+/, "", name); sub(/\/repeats:[0-9]+/, "", name); sub(/\/real_time/, "", name)
    real[name] = ns($3, $5); cpu[name] = ns($4, $5)
    if ("peak_rise_MiB" in column) peak[name] = $(column["peak_rise_MiB"])
    order[++count] = name
}
END {
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
            # The data flush before the rename waits for the disk off the CPU.
            row("SaveSettings median (CPU)", human(cpu[name]), "200 us", cpu[name] / 2e5, "1.00")
            info("  SaveSettings median (wall)", human(real[name]))
        } else if (name ~ /^picker\//) {
            info(name " (wall, cold)", human(real[name]))
        } else if (name == "core/SaveSettingsFile") {
            info("SaveSettingsFile median (wall)", human(real[name]))
        } else if (name ~ /^import\//) {
            info(name " peak memory rise", sprintf("%.1f MiB", peak[name]))
        } else {
            info(substr(name, 6) " (CPU/op)", human(cpu[name]))
        }
    }
}' "$work/bench-time.csv" "$work/bench-memory.csv"
echo "ratio: start-up figures case/floor; formatters target rate/measured rate; times measured/target."
