#!/usr/bin/env bash
# Runs one command as a client of a private Wayland compositor: weston with its desktop shell,
# drawing into one window of a private Xvfb (run-in-xvfb.sh) and taking real pointer and keyboard
# input from it, so that xdotool input to the X screen reaches the command through the compositor's
# seat. The compositor gets a runtime folder of its own (mode 0700, its XDG_RUNTIME_DIR only) with
# its socket; the command gets WAYLAND_DISPLAY (the socket's full path), QT_QPA_PLATFORM=wayland
# and WESTON_WINDOW, the id of weston's X window, where input to the compositor goes. Weston and
# the command are stopped on every way out, as run-in-xvfb.sh stops its server: the command ending
# or failing, INT, TERM or HUP, and the time limit.
# The desktop shell, not the kiosk shell: weston 10's kiosk shell gives the keyboard to no surface
# at all once any toplevel closes, so no client can go on by keys after a dialog there.
# The compositor's output is the X screen less 80x64 pixels: 1200x960 on the usual 1280x1024 one.
#   run-in-weston.sh [--time-limit SECONDS] [--screen WIDTHxHEIGHT] COMMAND [ARGUMENTS...]
set -u
here=$(cd "$(dirname "$0")" && pwd)

# The private Xvfb and the time limit come from run-in-xvfb.sh, which runs this script again with
# --inside-xvfb in front of the command; that second run starts the compositor under the server.
if [ "${1:-}" != --inside-xvfb ]; then
  options=()
  while [ "${1:-}" = --time-limit ] || [ "${1:-}" = --screen ]; do
    options+=("$1" "${2:-}")
    shift 2
  done
  exec "$here/run-in-xvfb.sh" "${options[@]}" bash "$here/run-in-weston.sh" --inside-xvfb "$@"
fi
shift
if [ $# -eq 0 ]; then
  echo "run-in-weston.sh: no command given" >&2
  exit 2
fi

runtime=$(mktemp -d)
chmod 0700 "$runtime"
weston=
command=

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
  [ -n "$weston" ] && end_child "$weston"
  rm -rf "$runtime"
}
trap stop EXIT
for signal in INT TERM HUP; do
  # Clean up, then end by the same signal. Under the time limit the signal comes twice (timeout
  # sends it to its child and to the child's process group): the second must not cut the clean-up short.
  trap "trap '' INT TERM HUP; trap - EXIT; stop; trap - $signal; kill -$signal \$\$" "$signal"
done

socket=velmor08-test
# An output a little smaller than the screen, so that weston's X window fits on it; no idle
# blanking or locking.
screen=$(xdpyinfo | sed -n 's/^ *dimensions: *\([0-9]*x[0-9]*\) pixels.*/\1/p')
width=$((${screen%x*} - 80)) height=$((${screen#*x} - 64))
XDG_RUNTIME_DIR=$runtime setpriv --pdeathsig TERM weston --backend=x11-backend.so --use-pixman \
  --shell=desktop-shell.so --socket="$socket" --no-config --idle-time=0 --width=$width --height=$height \
  >"$runtime/weston.log" 2>&1 </dev/null &
weston=$!
for _ in $(seq 1 200); do
  [ -S "$runtime/$socket" ] && break
  case $(ps -o stat= -p "$weston" 2>/dev/null) in '' | Z*) break ;; esac
  sleep 0.05
done
# weston's X window, mapped once its output is up.
window=
for _ in $(seq 1 200); do
  [ -S "$runtime/$socket" ] && window=$(xdotool search --onlyvisible --class weston 2>/dev/null | head -n1)
  [ -n "$window" ] && break
  case $(ps -o stat= -p "$weston" 2>/dev/null) in '' | Z*) break ;; esac
  sleep 0.05
done
if [ -z "$window" ]; then
  echo "weston did not start:" >&2
  cat "$runtime/weston.log" >&2
  exit 1
fi
# No window manager: the keyboard follows an explicit focus, given once to the compositor's window.
xdotool windowfocus --sync "$window" 2>/dev/null || xdotool windowfocus "$window"

# The socket by its full path, so that the command needs no runtime folder of the compositor's.
export WAYLAND_DISPLAY=$runtime/$socket QT_QPA_PLATFORM=wayland WESTON_WINDOW=$window
setpriv --pdeathsig TERM "$@" <&0 &
command=$!
wait "$command"
rc=$?
command=
exit "$rc"
