#!/usr/bin/env bash
# Builds and runs every fuzz target for the given number of seconds each (default 60), starting
# from the seeds in fuzz/corpus/<target>/. New inputs and crash artifacts go to fuzz-out/, never
# into the repository. Prints executions per second and total executions of each target and
# fails when a target crashed.
#   bash fuzz/run.sh [seconds] [target...]
set -uo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_OUT:-$root/fuzz-out}
seconds=${1:-60}
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
    targets=(fuzz_integer_text fuzz_show_text fuzz_text_lines fuzz_settings_load
             fuzz_user_color_file fuzz_design_file)
fi

bash "$root/fuzz/build.sh" || exit 1
mkdir -p "$out/logs"

export ASAN_OPTIONS=${ASAN_OPTIONS:-abort_on_error=1:detect_leaks=1}
export UBSAN_OPTIONS=${UBSAN_OPTIONS:-print_stacktrace=1:halt_on_error=1}

stat_of() { # value of a libFuzzer final statistic in a log
    sed -n "s/^stat::$1: *//p" "$2" | tail -n 1
}

failed=0
summary=()
for t in "${targets[@]}"; do
    max_len=8192
    [ "$t" = fuzz_show_text ] && max_len=14
    mkdir -p "$out/corpus/$t" "$out/artifacts/$t"
    log="$out/logs/$t.log"
    echo "fuzz: $t for ${seconds}s"
    "$out/bin/$t" -max_total_time="$seconds" -max_len="$max_len" -timeout=10 \
        -rss_limit_mb=2048 -print_final_stats=1 -artifact_prefix="$out/artifacts/$t/" \
        "$out/corpus/$t" "$root/fuzz/corpus/$t" >"$log" 2>&1
    status=$?
    runs=$(stat_of number_of_executed_units "$log")
    rate=$(stat_of average_exec_per_sec "$log")
    if [ $status -ne 0 ]; then
        failed=1
        summary+=("$(printf '%-22s CRASH (exit %d), see %s and %s' "$t" "$status" "$log" \
            "$out/artifacts/$t/")")
    else
        summary+=("$(printf '%-22s %10s exec/s %14s executions' "$t" "${rate:-?}" "${runs:-?}")")
    fi
done

echo
printf '%s\n' "${summary[@]}"
exit $failed
