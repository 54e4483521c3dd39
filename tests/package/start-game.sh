#!/usr/bin/env bash
# Inside an X server (run-in-xvfb.sh): starts the installed game by name, as the unprivileged user
# nobody with a home of its own, waits for its main window, asks it to end with SIGTERM as a desktop
# session would, and exits with the game's exit status. The game's standard error goes to HOME/stderr.
#   start-game.sh HOME
set -u
home=$1
install -d -o nobody -g nogroup -m 700 "$home" "$home/runtime"

# A Debian user's PATH: the game is found in /usr/games, where the desktop entry's Exec finds it.
setpriv --reuid=nobody --regid=nogroup --clear-groups \
  env -i HOME="$home" XDG_RUNTIME_DIR="$home/runtime" DISPLAY="$DISPLAY" QT_QPA_PLATFORM=xcb \
         PATH=/usr/bin:/bin:/usr/games \
  velmor08 2>"$home/stderr" &
game=$!

if ! timeout 60 xdotool search --sync --onlyvisible --name '^Periodic Table$' >/dev/null; then
  echo "start-game.sh: no main window within 60 s" >&2
  kill -KILL "$game" 2>/dev/null
  wait "$game"
  cat "$home/stderr" >&2
  exit 1
fi
kill -TERM "$game"
wait "$game"
