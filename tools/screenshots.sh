#!/bin/sh
# Renders docs/screenshots/*.png from the real windows under Xvfb, and the same pictures
# at twice the scale into build-screenshots/2x for checking high-density screens.
set -eu
cd "$(dirname "$0")/.."
cmake -S . -B build-screenshots -G Ninja -DTAVILON_SCREENSHOTS=ON >/dev/null
cmake --build build-screenshots --target tavilon_screenshots
run() {
    xvfb-run -a -s "-screen 0 1600x1200x24 -dpi 96" \
        env QT_QPA_PLATFORM=xcb "$@" build-screenshots/tools/screenshots/tavilon_screenshots "$out"
}
out=docs/screenshots run env
out=build-screenshots/2x run env QT_SCALE_FACTOR=2
echo "docs/screenshots and build-screenshots/2x are up to date"
