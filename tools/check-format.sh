#!/bin/sh
# Checks that every tracked C++ source is formatted as .clang-format asks, printing each
# misformatted line as file:line:column. Changes nothing: run clang-format -i to fix.
# The rules are tuned to Debian 12's clang-format 14; another version may format a few
# constructs differently and then complains where 14 would not.
set -eu
cd "$(dirname "$0")/.."

command -v clang-format >/dev/null || { echo "check-format.sh needs clang-format (tools/install-deps.sh)"; exit 1; }

# Only tracked files, so build trees and scratch files never count. xargs -r skips the run
# on an empty list (clang-format would wait on standard input), and exits non-zero when any
# clang-format run did.
git ls-files -z '*.cpp' '*.h' | xargs -0 -r clang-format --dry-run --Werror
