#!/usr/bin/env bash
# Makes docs/screenshot.png: the window's end-to-end test on the demo databases, photographed
# once a product, its detail, an ingredient and the comparison mark are shown.
# Usage: screenshot.sh [BUILD_DIR]
set -euo pipefail
root=$(cd "$(dirname "${BASH_SOURCE[0]}")/.." && pwd)
build=${1:-$root/build}
cmake --build "$build" --target gui_tests >/dev/null
OVL_SCREENSHOT="$root/docs/screenshot.png" \
    "$root/scripts/with-display.sh" "$build/tests/gui_tests" --gtest_brief=1
echo "wrote $root/docs/screenshot.png"
