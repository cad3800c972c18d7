#!/bin/sh
# Runs every fuzzer for the given number of seconds each (default 60) with libFuzzer.
# New inputs it finds go to build-fuzz/corpus/<fuzzer>; the checked-in seeds in
# tests/fuzz/corpus are read, not changed. With --merge, the inputs that add coverage are
# merged into the checked-in corpus afterwards.
#   tools/fuzz.sh [seconds] [--merge]
set -eu
cd "$(dirname "$0")/.."
seconds=${1:-60}
merge=${2:-}

command -v clang++ >/dev/null || { echo "fuzz.sh needs clang (apt install clang)"; exit 1; }
flags="-O1 -g -fno-omit-frame-pointer -fsanitize=fuzzer-no-link,address,undefined -fno-sanitize-recover=all"
cmake -S . -B build-fuzz -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
    -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_CXX_FLAGS="$flags" \
    -DCMAKE_EXE_LINKER_FLAGS="-fsanitize=address,undefined" -DTAVILON_FUZZERS=ON >/dev/null

fuzzers=$(cd tests/fuzz && ls ./*_fuzz.cpp | sed 's|^\./||; s|\.cpp$||')
# shellcheck disable=SC2086 # one target name per word
cmake --build build-fuzz --target $fuzzers

for fuzzer in $fuzzers; do
    found=build-fuzz/corpus/$fuzzer
    mkdir -p "$found" build-fuzz/artifacts
    echo "== $fuzzer: $seconds s"
    build-fuzz/tests/fuzz/"$fuzzer" "$found" "tests/fuzz/corpus/$fuzzer" \
        -max_total_time="$seconds" -print_final_stats=1 -timeout=10 \
        -artifact_prefix="build-fuzz/artifacts/$fuzzer-" 2>&1 |
        grep -E "^(stat::number_of_executed_units|stat::peak_rss_mb|==|SUMMARY|.*property failed)" || true
    if [ "$merge" = "--merge" ]; then
        build-fuzz/tests/fuzz/"$fuzzer" -merge=1 "tests/fuzz/corpus/$fuzzer" "$found" >/dev/null 2>&1
    fi
done
