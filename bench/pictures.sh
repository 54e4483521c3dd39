#!/usr/bin/env bash
# Writes what the start-up paints (bench_game pictures, see bench/game.cpp) into a folder, under a
# private Xvfb with a private home as bench/run.sh runs the game, once at 100 % and once on a
# screen scaled to 200 %. Two builds paint the same pixels when `diff -r` finds their folders equal
# (PNG files of the same pixels come out byte for byte the same).
#   bash bench/pictures.sh BUILD-DIR OUT-DIR
set -euo pipefail
build=$(cd "${1:?build folder}" && pwd)
out=${2:?output folder}
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$out"
out=$(cd "$out" && pwd)

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/runtime
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING

"$here/../tests/run-in-xvfb.sh" bash -c '
set -euo pipefail
build=$1 out=$2
read -r width height < <("$build/bench/bench_bare" size)
mkdir -p "$XDG_CONFIG_HOME/velmor08"
printf "[Settings]\nMainHeight=%d\nMainLeft=0\nMainTop=0\nMainWidth=%d\n" $((height * 15)) $((width * 15)) \
  > "$XDG_CONFIG_HOME/velmor08/velmor08.conf"
"$build/bench/bench_game" pictures "$out/100" >/dev/null
QT_SCALE_FACTOR=2 "$build/bench/bench_game" pictures "$out/200" >/dev/null
' pictures "$build" "$out"
echo "$(find "$out" -name "*.png" | wc -l) pictures in $out"
