#!/usr/bin/env bash
# Runs one command under a private Xvfb on a free display, and stops the server afterwards.
set -u
tmp=$(mktemp -d)
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp -noreset 3>"$tmp/display" >"$tmp/xvfb.log" 2>&1 &
xvfb=$!
for _ in $(seq 1 100); do
  [ -s "$tmp/display" ] && break
  sleep 0.05
done
if [ ! -s "$tmp/display" ]; then
  echo "Xvfb did not start:" >&2; cat "$tmp/xvfb.log" >&2
  kill "$xvfb" 2>/dev/null; rm -rf "$tmp"; exit 1
fi
export DISPLAY=":$(head -n1 "$tmp/display")"
"$@"
rc=$?
kill "$xvfb" 2>/dev/null
wait "$xvfb" 2>/dev/null
rm -rf "$tmp"
exit $rc
