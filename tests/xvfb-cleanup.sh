#!/usr/bin/env bash
# run-in-xvfb.sh stops its Xvfb and the command it runs on every way out, and leaves no files behind:
# the command ending or failing, INT, TERM or HUP to the script, the script killed outright, and the
# command running past the time limit. The same for run-in-weston.sh, with its weston besides the
# Xvfb, given their names and a time limit that leaves room for the compositor's start.
#   xvfb-cleanup.sh PATH/TO/run-in-xvfb.sh
#   xvfb-cleanup.sh PATH/TO/run-in-weston.sh TIME-LIMIT Xvfb weston
set -u
script=$1
seconds=${2:-1}
servers=("${@:3}")
[ ${#servers[@]} -gt 0 ] || servers=(Xvfb)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
set -m # each run in its own process group, so that it takes INT like a run started from a terminal
failures=0

running() { case $(ps -o stat= -p "$1" 2>/dev/null) in '' | Z*) return 1 ;; esac; }
ended() { # pid: true once the process has ended, waiting up to 10 s
  for _ in $(seq 1 100); do
    running "$1" || return 0
    sleep 0.1
  done
  return 1
}
fail() {
  echo "FAIL: $case: $*"
  failures=$((failures + 1))
}

# case name | how the run ends | exit status of the script | what the command does after telling
# (an ending command waits for the word to end, so that the server is seen running first)
while IFS='|' read -r case how expected body; do
  before=$failures
  mkdir -p "$work/tmp" && rm -f "$work/info" "$work/info.go"
  limit=()
  [ "$how" = limit ] && limit=(--time-limit "$seconds")
  # The command tells its display and its process id, then does what the case says.
  TMPDIR=$work/tmp "$script" "${limit[@]}" bash -c \
    'echo "${DISPLAY#:} $$" >"$0.part" && mv "$0.part" "$0" && '"$body" "$work/info" </dev/null 2>"$work/stderr" &
  run=$!
  for _ in $(seq 1 100); do
    [ -s "$work/info" ] && break
    sleep 0.1
  done
  read -r display command 2>/dev/null <"$work/info" || { fail "the command did not start: $(cat "$work/stderr")"; kill -KILL -"$run" 2>/dev/null; wait "$run"; continue; }
  # The servers of this run among its descendants, by their names.
  pids=()
  for server in "${servers[@]}"; do
    pid=$(ps -e -o pid=,ppid=,comm= | awk -v root="$run" -v name="$server" '
      { parent[$1] = $2; comm[$1] = $3 }
      END { for (p in comm) { for (a = p; a in parent && a != root; a = parent[a]) {} if (a == root && comm[p] == name) print p } }')
    [ -n "$pid" ] && pids+=("$pid") || fail "no $server of the script on display :$display"
  done
  case $how in
    end) touch "$work/info.go" ;;
    INT | TERM | HUP | KILL) kill -"$how" "$run" ;;
  esac
  { wait "$run"; } 2>/dev/null # without the shell's note on how the job ended
  rc=$?
  [ "$rc" -eq "$expected" ] || fail "exit status $rc, expected $expected"
  for pid in "${pids[@]}"; do
    ended "$pid" || { fail "server $pid still runs"; kill -KILL "$pid"; }
  done
  ended "$command" || { fail "the command $command still runs"; kill -KILL "$command"; }
  # A script killed outright cannot remove its own folder; everything else leaves nothing.
  [ "$how" = KILL ] || [ -z "$(ls -A "$work/tmp")" ] || fail "left $(ls -A "$work/tmp")"
  rm -rf "$work/tmp"
  [ "$how" != limit ] || grep -q "did not end within $seconds s" "$work/stderr" || fail "no word of the time limit"
  [ "$failures" -ne "$before" ] || echo "ok: $case"
done <<'CASES'
command succeeds|end|0|until [ -e "$0.go" ]; do sleep 0.05; done; exit 0
command fails|end|3|until [ -e "$0.go" ]; do sleep 0.05; done; exit 3
interrupted|INT|130|exec sleep 60
terminated|TERM|143|exec sleep 60
hung up|HUP|129|exec sleep 60
script killed outright|KILL|137|exec sleep 60
past the time limit|limit|124|exec sleep 60
CASES

[ "$failures" -eq 0 ] || { echo "$failures failures"; exit 1; }
