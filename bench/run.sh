#!/usr/bin/env bash
# make bench: the game's start-up against two floors (a bare Qt main window, and a bare splash
# painted before that window), the tiles and the drops, measured under a private Xvfb with a
# private home. A benchmark, not a test: it prints figures and the targets and does not fail on a
# missed target.
#   bash bench/run.sh BUILD-DIR [RUNS]
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
runs=${2:-15}
here=$(cd "$(dirname "$0")" && pwd)
for program in bench_bare bench_splash bench_game bench_launch; do
  [ -x "$build/bench/$program" ] || { echo "missing $build/bench/$program: build first" >&2; exit 1; }
done

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
mkdir -p "$home/runtime" && chmod 700 "$home/runtime"
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/runtime
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING

exec "$here/../tests/run-in-xvfb.sh" bash -c '
set -euo pipefail
build=$1 runs=$2
# The game opens at its remembered placement: give it the bare window'"'"'s size, so that both
# windows paint the same area (a private Xvfb has no window manager to maximise them).
read -r width height < <("$build/bench/bench_bare" size)
mkdir -p "$XDG_CONFIG_HOME/velmor08"
printf "[Settings]\nMainHeight=%d\nMainLeft=0\nMainTop=0\nMainWidth=%d\n" $((height * 15)) $((width * 15)) \
  > "$XDG_CONFIG_HOME/velmor08/velmor08.conf"

echo "Qt $(pkg-config --modversion Qt6Widgets 2>/dev/null || echo 6), $(nproc) CPUs:$(grep -m1 "model name" /proc/cpuinfo | cut -d: -f2)"
echo
echo "== Start-up to the first painted frame of the main window, and resident memory then"
echo "   ($runs interleaved runs each, window ${width}x${height}; bare = the bare main window alone;"
echo "   splash = a bare splash painted, then the bare main window; game = splash, load, main window)"
"$build/bench/bench_launch" "$runs" bare="$build/bench/bench_bare" splash="$build/bench/bench_splash" \
  game="$build/bench/bench_game"
echo
echo "== Painting the 218 tiles, first pass in a fresh process ($runs runs)"
"$build/bench/bench_launch" "$runs" tiles="$build/bench/bench_game tiles"
echo
echo "== One right drop including the next draw, over a whole mode-0 game (5 games)"
"$build/bench/bench_launch" 5 drops="$build/bench/bench_game drops"
echo
echo "Targets: game/splash first_frame_ms at most 1.10 (aim 1.05), game/splash cpu_ms at most 1.5,"
echo "game/bare rss_kb at most 1.10; tiles_ms under 5; drop_median_ms and drop_worst_ms under 1."
' bench "$build" "$runs"
