#!/usr/bin/env bash
# One Quillan per data folder, found through a socket in the user's runtime folder: a second start hands
# over to the running one, a socket left by a Quillan that was killed is taken over, and without
# $XDG_RUNTIME_DIR the socket goes into a folder of the user's own in the temporary folder (never into one
# that others may write to). Argument: the program.
set -euo pipefail
program=$1
work=$(mktemp -d)
pids=()
here=$(dirname "$0")
source "$here/x_session.sh"
trap 'for p in "${pids[@]}"; do kill -KILL "$p" 2>/dev/null || true; done; rm -rf "$work"' EXIT
export QT_QPA_PLATFORM=offscreen
mkdir -m 700 "$work/data" "$work/run"

fail() {
  echo "$*"
  for out in "$work"/*.out; do sed "s|^|  $(basename "$out" .out): |" "$out"; done
  exit 1
}

# Starts Quillan in the background as $1 (its output in $work/$1.out), with the environment given after.
start() {
  local name=$1
  shift
  env "$@" "$program" --data-dir "$work/data" >"$work/$name.out" 2>&1 &
  pids+=($!)
  last=$!
}

sockets_in() { compgen -G "$1/quillan-*.socket" >/dev/null; }

# A second start must hand over and end at once.
hands_over() {
  local name=$1
  shift
  # A start that does not end has taken over instead.
  timeout 10 env "$@" "$program" --data-dir "$work/data" >"$work/$name.out" 2>&1 || fail "$name: did not end at once"
  grep -q "already running" "$work/$name.out" || fail "$name: did not hand over to the running Quillan"
}

in_runtime=(XDG_RUNTIME_DIR="$work/run")
start first "${in_runtime[@]}"
first=$last
wait_for 20 "the first Quillan's socket in \$XDG_RUNTIME_DIR" sockets_in "$work/run" || fail "no socket"
hands_over second "${in_runtime[@]}"

kill -KILL "$first"
{ wait "$first"; } 2>/dev/null || true
socket=$(compgen -G "$work/run/quillan-*.socket") || fail "the killed Quillan's socket should still be there"
stale=$(stat -c %i "$socket")
start after-kill "${in_runtime[@]}"
after_kill=$last
renewed() { [ -S "$socket" ] && [ "$(stat -c %i "$socket")" != "$stale" ]; }
wait_for 20 "the stale socket to be replaced" renewed || fail "the stale socket was not taken over"
# The stale socket refused connections; this start reaching the new one proves the takeover.
hands_over after-kill-second "${in_runtime[@]}"
kill -TERM "$after_kill"
wait "$after_kill" || fail "the Quillan that took over did not end cleanly on SIGTERM"

uid=$(id -u)
mkdir -m 700 "$work/tmp"
no_runtime=(-u XDG_RUNTIME_DIR TMPDIR="$work/tmp")
start fallback "${no_runtime[@]}"
fallback=$last
wait_for 20 "the socket in the temporary folder" sockets_in "$work/tmp/quillan-$uid" || fail "no fallback socket"
[ "$(stat -c %a "$work/tmp/quillan-$uid")" = 700 ] || fail "the fallback folder is open to others"
hands_over fallback-second "${no_runtime[@]}"
kill -TERM "$fallback"
wait "$fallback" || fail "the fallback Quillan did not end cleanly on SIGTERM"

mkdir -m 777 "$work/open" "$work/open/quillan-$uid"
chmod 777 "$work/open/quillan-$uid"
start open-folder -u XDG_RUNTIME_DIR TMPDIR="$work/open"
wait_for 20 "the warning about a folder others may write to" grep -q "not a folder of this user's own" \
  "$work/open-folder.out" || fail "a folder open to others was used"
! sockets_in "$work/open/quillan-$uid" || fail "a socket was made in a folder open to others"
kill -TERM "$last"
wait "$last" || fail "without a single-instance socket Quillan should still run and end cleanly"
echo "hand-over, stale takeover and the fallback folder hold"
