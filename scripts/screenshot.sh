#!/usr/bin/env bash
# Takes the README's picture of the main window under a private Xvfb: a game of common elements in
# progress, a few tiles placed, the clock and the score column shown.
# Usage: scripts/screenshot.sh [output.png]   (default docs/screenshot.png; BUILD selects the build folder)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD:-$root/build}
out=$(realpath -m "${1:-$root/docs/screenshot.png}")

bash "$root/scripts/setup.sh"
cmake -S "$root" -B "$build" >/dev/null
cmake --build "$build" --target xtest_window -j"$(nproc)"
mkdir -p "$(dirname "$out")"
QT_QPA_PLATFORM=xcb VELMOR08_SCREENSHOT="$out" \
  "$root/tests/run-in-xvfb.sh" "$build/tests/xtest_window" rightDropsInARow
echo "Wrote $out"
