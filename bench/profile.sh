#!/usr/bin/env bash
# The start-up's instruction counts per step, from callgrind: the game, the bare main window and
# the bare splash before it, each run once under valgrind in a private Xvfb with a private home, as
# bench/run.sh runs them. Each program marks its steps (bench::MarkStep); callgrind counts the
# instructions of each step on its own. The counts repeat from run to run where times do not.
#   bash bench/profile.sh BUILD-DIR [KEEP-DIR]
# With KEEP-DIR the callgrind files stay there, for callgrind_annotate.
set -euo pipefail
build=$(cd "${1:-build}" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
command -v valgrind >/dev/null || { echo "valgrind is not installed (scripts/setup.sh installs it)" >&2; exit 1; }
for program in bench_bare bench_splash bench_game; do
  [ -x "$build/bench/$program" ] || { echo "missing $build/bench/$program: build first (make bench)" >&2; exit 1; }
done

home=$(mktemp -d)
trap 'rm -rf "$home"' EXIT
keep=${2:-$home/callgrind}
mkdir -p "$keep" "$home/runtime" && chmod 700 "$home/runtime"
keep=$(cd "$keep" && pwd)
export HOME=$home XDG_CONFIG_HOME=$home/.config XDG_DATA_HOME=$home/.local/share XDG_RUNTIME_DIR=$home/runtime
export QT_QPA_PLATFORM=xcb
unset QT_SCALE_FACTOR QT_SCREEN_SCALE_FACTORS QT_ENABLE_HIGHDPI_SCALING

"$here/../tests/run-in-xvfb.sh" bash -c '
set -euo pipefail
build=$1 keep=$2
read -r width height < <("$build/bench/bench_bare" size)
mkdir -p "$XDG_CONFIG_HOME/velmor08"
printf "[Settings]\nMainHeight=%d\nMainLeft=0\nMainTop=0\nMainWidth=%d\n" $((height * 15)) $((width * 15)) \
  > "$XDG_CONFIG_HOME/velmor08/velmor08.conf"
for program in bare splash game; do
  valgrind --tool=callgrind --callgrind-out-file="$keep/$program.%p" --dump-instr=no \
    "$build/bench/bench_$program" >/dev/null 2>"$keep/$program.log"
done
' profile "$build" "$keep"

# Each dump made at a step holds the instructions since the dump before it; the program's own
# process is the first one started (a child it forks, if any, is left out).
echo "Instructions per start-up step, in millions (callgrind, Ir), each from the step before"
for program in bare splash game; do
  echo
  echo "== $program"
  pid=$(ls "$keep" | sed -n "s/^$program\.\([0-9]*\)$/\1/p" | sort -n | head -n1)
  total=0
  for part in $(ls "$keep" | sed -n "s/^$program\.$pid\.\([0-9]*\)$/\1/p" | sort -n); do
    file=$keep/$program.$pid.$part
    step=$(sed -n "s/^desc: Trigger: Client Request: //p" "$file")
    count=$(sed -n "s/^summary: //p;s/^totals: //p" "$file" | head -n1 | cut -d" " -f1)
    total=$((total + count))
    awk -v step="$step" -v count="$count" -v total="$total" \
      'BEGIN { printf "  %-16s %9.2f   up to here %9.2f\n", step, count / 1e6, total / 1e6 }'
  done
done
