#!/usr/bin/env bash
# The program itself under X, on the demo phonebook with the virtual modem answering at once: a call that
# is up when the program is told to end (SIGTERM, SIGHUP, SIGINT) is hung up and counted in the month's
# log, and neither the modem nor pppd outlives the program; on a desktop without a notification area the
# console is minimised instead of hidden, and the user told why. Arguments: the program, the demo folder.
set -euo pipefail
program=$1
demo=$2
here=$(dirname "$0")
work=$(mktemp -d)
mkdir -p "$work/peers"  # none of the machine's own pppd peers
source "$here/x_session.sh"
pid=""
stop_leftovers() {
  [ -n "$pid" ] && kill -KILL "$pid" 2>/dev/null
  end_x_session
}
trap 'stop_leftovers; rm -rf "$work"' EXIT

fail() {
  echo "$case_name: $*"
  [ -f "$work/$case_name.out" ] && sed 's/^/  quillan: /' "$work/$case_name.out"
  echo "  windows:"
  xwininfo -root -tree 2>&1 | grep '"' | sed 's/^ */    /'
  exit 1
}

descendants() {
  local child
  for child in $(pgrep -P "$1" || true); do
    echo "$child"
    descendants "$child"
  done
}

gone() { ! kill -0 "$1" 2>/dev/null; }
# Gone, or a zombie waiting for this shell to collect its status.
ended() { [ ! -e "/proc/$1" ] || grep -q '^[0-9]* (.*) Z' "/proc/$1/stat"; }

# A data folder whose connect button dials the demo's clean line and whose calls show the timer console;
# $2 is the window state when the call comes up: tray or normal.
make_data_folder() {
  local data=$1 tray=false normal=true
  [ "$2" = tray ] && tray=true normal=false
  mkdir -p "$data"
  chmod 700 "$data"
  cp "$demo/phonebook.ini" "$data/"
  sed -e 's/^delay dial .*/delay dial 0/' -e 's/^delay reply .*/delay reply 0/' "$demo/vmodem.script" \
    >"$data/vmodem.script"
  sed -e "s/@TRAYMODE@/$tray/" -e "s/@NORMALMODE@/$normal/" -e 's/$/\r/' "$here/connect_default_settings.txt" \
    >"$data/MSVCT32.dll"
  # The program's own files are its user's only; a wider one would be tightened with a message.
  chmod 600 "$data/MSVCT32.dll"
}

# The connect button has the focus when the console comes up.
connect() {
  wait_for 20 "the main console" window_is_mapped "Quillan Professional"
  type_into "Quillan Professional" space modem_runs
}

modem_runs() { [ -n "$(descendants "$pid")" ]; }
box_gone() { ! window_is_mapped Quillan; }

# What each case waits for before the signal, with the call up (or about to be).
call_up() {
  wait_for 20 "the timer console of the call" window_is_mapped Timer
}
in_tray() {
  call_up
  window_is_unmapped "Quillan Professional" || fail "the console is still shown with a tray to go to"
  wait_for 10 "the icon in the tray" icon_in_tray Quillan || fail "no icon in the tray"
}
told_no_tray() {
  wait_for 20 "the box telling there is no tray" window_is_mapped Quillan
}
told_no_tray_then_minimised() {
  told_no_tray
  type_into Quillan Return box_gone || return 1
  wait_for 10 "the console to be minimised" window_is_iconic "Quillan Professional"
  call_up
}

# name signal window-state step-before-the-signal
cases=(
  "terminated TERM normal call_up"
  "hung-up HUP normal call_up"
  "interrupted INT normal call_up"
  "no-tray-minimised TERM tray told_no_tray_then_minimised"
  "no-tray-box-open INT tray told_no_tray"
  "with-tray TERM tray in_tray"
)

start_x_session
start_window_manager
mkdir -m 700 "$work/run"
for row in "${cases[@]}"; do
  read -r case_name signal mode before <<<"$row"
  [ "$case_name" = with-tray ] && start_tray
  data="$work/$case_name"
  make_data_folder "$data" "$mode"
  XDG_RUNTIME_DIR="$work/run" "$program" --data-dir "$data" --peers-dir "$work/peers" >"$work/$case_name.out" 2>&1 &
  pid=$!
  connect || fail "the console did not come up"
  "$before" || fail "the call did not come up as expected"
  children=$(descendants "$pid")
  [ -n "$children" ] || fail "no virtual modem runs for the call"

  kill -s "$signal" "$pid"
  wait_for 20 "quillan to end after SIG$signal" ended "$pid" || fail "did not end"
  status=0
  wait "$pid" || status=$?
  pid=""
  [ "$status" -eq 0 ] || fail "ended with status $status after SIG$signal"

  for child in $children; do
    wait_for 10 "process $child ($(cat /proc/"$child"/cmdline 2>/dev/null | tr '\0' ' ')) to end" gone "$child" ||
      fail "left a process behind"
  done
  ! pgrep -f -- "$data/vmodem.script" >/dev/null || fail "a virtual modem of this call is still running"
  logs=("$data"/[0-9]*.txt)
  [ -f "${logs[0]}" ] || fail "no month's log was written"
  grep -qxE ' [0-9]+ '$'\r' "${logs[0]}" && [ "$(wc -l <"${logs[0]}")" -eq 1 ] ||
    fail "the month's log does not hold the one call: $(cat -A "${logs[0]}")"
  echo "$case_name: SIG$signal hung up the call and counted it ($(tr -d ' \r' <"${logs[0]}") s)"
done
