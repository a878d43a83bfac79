#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, AddressSanitizer and UndefinedBehaviorSanitizer.
# The pure-layer sources are compiled directly, apart from the normal gcc build, into
# fuzz-out/ (or $FUZZ_OUT). An object is rebuilt when its source or any header is newer.
set -euo pipefail

root=$(cd "$(dirname "$0")/.." && pwd)
out=${FUZZ_OUT:-$root/fuzz-out}
cxx=${FUZZ_CXX:-clang++}

common=(-std=c++20 -g -O1 -fno-omit-frame-pointer -Wall -Wextra -Wpedantic
        -fsanitize=address,undefined -fno-sanitize-recover=all -I "$root/src")

cd "$root/src"
sources=(core/Errors.cpp colour/*.cpp settings/*.cpp exchange/UserColorFile.cpp
         exchange/DesignFile.cpp)
targets=(fuzz_integer_text fuzz_show_text fuzz_text_lines fuzz_settings_load
         fuzz_user_color_file fuzz_design_file)

mkdir -p "$out/obj" "$out/bin"

newer_header() { # any header of src/ or fuzz/ newer than $1
    [ -n "$(find "$root/src" "$root/fuzz" -name '*.h' -newer "$1" -print -quit)" ]
}

objects=()
pids=()
for s in "${sources[@]}"; do
    o="$out/obj/${s//\//_}.o"
    objects+=("$o")
    if [ ! -e "$o" ] || [ "$s" -nt "$o" ] || newer_header "$o"; then
        "$cxx" "${common[@]}" -fsanitize=fuzzer-no-link -c "$s" -o "$o" &
        pids+=($!)
    fi
done
for p in "${pids[@]}"; do wait "$p"; done

for t in "${targets[@]}"; do
    bin="$out/bin/$t"
    rebuild=0
    if [ ! -e "$bin" ] || [ "$root/fuzz/$t.cpp" -nt "$bin" ] || newer_header "$bin"; then rebuild=1; fi
    for o in "${objects[@]}"; do [ "$o" -nt "$bin" ] && rebuild=1; done
    if [ $rebuild -eq 1 ]; then
        "$cxx" "${common[@]}" -fsanitize=fuzzer "$root/fuzz/$t.cpp" "${objects[@]}" -o "$bin"
    fi
done
echo "fuzz: targets in $out/bin"
