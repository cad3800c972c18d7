#!/bin/sh
# Builds and runs the benchmarks: the calculation engines, then the start-up comparison of
# the main window against a bare Qt window, on a virtual X display (xcb) and offscreen.
#
# Usage: tools/benchmark.sh [build directory] (default: build-bench)
# RUNS sets the number of starts of each window (default 20).
set -eu

root=$(cd "$(dirname "$0")/.." && pwd)
build=${1:-"$root/build-bench"}
runs=${RUNS:-20}

cmake -S "$root" -B "$build" -G Ninja >/dev/null
cmake --build "$build" --target tavilon_benchmarks tavilon_startup_benchmark \
    tavilon_startup_probe tavilon_bare_probe

echo "== Calculation engines"
"$build/benchmarks/tavilon_benchmarks"

# The probes' own chatter (XDG_RUNTIME_DIR, unsupported raise) goes to their stderr,
# which the start-up harness only shows when a probe fails.
echo "== Start-up, X11 (xcb on Xvfb)"
xvfb-run -a -s "-screen 0 800x600x24 -dpi 96" \
    env QT_QPA_PLATFORM=xcb "$build/benchmarks/tavilon_startup_benchmark" --runs "$runs"

echo "== Start-up, offscreen"
QT_QPA_PLATFORM=offscreen "$build/benchmarks/tavilon_startup_benchmark" --runs "$runs"
