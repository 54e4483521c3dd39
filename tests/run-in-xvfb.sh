#!/usr/bin/env bash
# Runs one command under a private Xvfb on a free display, and stops the command and the server on
# every way out: the command ending or failing, INT, TERM or HUP to this script, and the command
# running past the time limit (given a little below ctest's TIMEOUT, so that a hanging test is
# stopped here, cleanly, before ctest kills the whole tree). Should this script be killed outright,
# the kernel sends the server and the command TERM (their parent-death signal).
# The screen is 1280x1024 unless --screen gives another size.
#   run-in-xvfb.sh [--time-limit SECONDS] [--screen WIDTHxHEIGHT] COMMAND [ARGUMENTS...]
set -u
limit=
screen=1280x1024
while :; do
  case "${1:-}" in
    --time-limit) limit=$2 ;;
    --screen) screen=$2 ;;
    *) break ;;
  esac
  shift 2
done
case $screen in
  [1-9]*x[1-9]*) ;;
  *) echo "run-in-xvfb.sh: --screen wants WIDTHxHEIGHT, not $screen" >&2; exit 2 ;;
esac

tmp=$(mktemp -d)
xvfb=
command=

# Ends a child of this script: TERM, then KILL if it is still running five seconds later.
end_child() {
  kill -TERM "$1" 2>/dev/null || return 0
  for _ in $(seq 1 50); do
    case $(ps -o stat= -p "$1" 2>/dev/null) in '' | Z*) break ;; esac
    sleep 0.1
  done
  kill -KILL "$1" 2>/dev/null
  wait "$1" 2>/dev/null
}
stop() {
  [ -n "$command" ] && end_child "$command"
  [ -n "$xvfb" ] && end_child "$xvfb"
  rm -rf "$tmp"
}
trap stop EXIT
for signal in INT TERM HUP; do
  # Clean up, then end by the same signal so that the caller sees how the run ended.
  trap "trap - $signal EXIT; stop; kill -$signal \$\$" "$signal"
done

setpriv --pdeathsig TERM Xvfb -displayfd 3 -screen 0 "${screen}x24" -nolisten tcp -noreset \
  3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do
  [ -s "$tmp/display" ] && break
  sleep 0.05
done
if [ ! -s "$tmp/display" ]; then
  echo "Xvfb did not start:" >&2
  cat "$tmp/xvfb.log" >&2
  exit 1
fi
export DISPLAY=":$(head -n1 "$tmp/display")"

# The command runs in the background so that the traps above run as soon as a signal comes, not
# when the command has ended; it keeps this script's standard input.
if [ -n "$limit" ]; then
  setpriv --pdeathsig TERM timeout --kill-after=10 "$limit" "$@" <&0 &
else
  setpriv --pdeathsig TERM "$@" <&0 &
fi
command=$!
wait "$command"
rc=$?
command=
if [ -n "$limit" ] && [ "$rc" -eq 124 ]; then
  echo "run-in-xvfb.sh: $1 did not end within $limit s and was stopped" >&2
fi
exit "$rc"
