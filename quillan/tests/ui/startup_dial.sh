#!/usr/bin/env bash
# The real program under a real X server, with the Linux dialer and the virtual modem: the auto-dial of
# the start-up dials the default profile's own number, and a redial with alternates off dials it again.
# Arguments: the program.
set -euo pipefail
program=$1
work=$(mktemp -d)
xvfb=
cleanup() {
  [ -n "$xvfb" ] && kill "$xvfb" 2>/dev/null && wait "$xvfb" 2>/dev/null
  rm -rf "$work"
}
trap cleanup EXIT

# The X server names its display once it is ready to take clients.
mkfifo "$work/displayfd"
Xvfb -displayfd 3 -nolisten tcp -screen 0 1024x768x24 3>"$work/displayfd" 2>"$work/xvfb.log" &
xvfb=$!
read -r -t 30 display <"$work/displayfd" || { cat "$work/xvfb.log"; echo "Xvfb did not start"; exit 1; }
export DISPLAY=":$display" QT_QPA_PLATFORM=xcb

# A settings file as the program saves it: one profile, the default, dialed at start-up and redialed
# until connected, without alternate numbers.
settings() {
  local name=$1
  {
    printf '%s\n' "##Connection Profile##" "$name" "user" "secret" "" "false" 0 0 0 0 0 0 0 0 0 0
    printf '%s\n' "##Default Profile##" "$name" "##Connect Default##" true false
    printf '%s\n' "##Window State##" false false true "##AutoDial##" true
    printf '%s\n' "##Launch Web Browser##" false www.debian.org "##Redial Number##" true false 3
    printf '%s\n' "##Activate Reminder##" false " 1 " false true "##Display Timer##" false
    printf '%s\n' "##Unlimited Connection##" false "##Free Time Values##" " 0 " " 0 " "##Warn Free Time##" false
    printf '%s\n' "##Variable Cost##" false false " 0 " 0 "##Connection Cost##" false
    for limit in "time PC" "time PM" "cost PC" "cost PM"; do
      printf '%s\n' "##Warn $limit##" false " 0 " " 0 "
    done
    printf '%s\n' "##Simulate##" false "##Play Sound##" false "##Default/Custom Sound##" true none "##Program DATA##"
    for _ in 1 2 3 4 5; do printf '%s\n' false "" Begin Nor; done
    printf '%s\n' "##Launch Program##" false "##Mail Watch##" false "" "" "" 10 true false false false Default false ""
    printf '%s\n' "##Connection Status##" ""
  } | sed 's/$/\r/'
}

# Starts the program on a data folder whose phonebook holds the one entry; prints what it reported.
start() {
  local name=$1 number=$2 answers=$3 data="$work/$1"
  mkdir -p "$data"
  printf '[%s]\nPhoneNumber=%s\nDevice=virtual\n' "$name" "$number" >"$data/phonebook.ini"
  printf 'delay dial 0\ndelay reply 0\n%s = %s\n' "$number" "$answers" >"$data/vmodem.script"
  settings "$name" >"$data/MSVCT32.dll"
  chmod 600 "$data/MSVCT32.dll"
  timeout 120 "$program" --data-dir "$data" --screenshots "$data/shots" --demo-pace 50 2>&1 || {
    echo "the program failed on $name"
    return 1
  }
}

expect() {
  grep -qF -- "$2" <<<"$1" || { echo "$1"; echo "missing: $2"; exit 1; }
}
refuse() {
  if grep -qF -- "$2" <<<"$1"; then echo "$1"; echo "unexpected: $2"; exit 1; fi
}

output=$(start "Clean" 5550100 "CONNECT 33600")
expect "$output" "status: Dialing 5550100"
expect "$output" "status: Connected to : Clean"
refuse "$output" "no phone number"

output=$(start "Flaky" 5550400 "BUSY, CONNECT 28800")
expect "$output" "status: Redialing till connected"
[ "$(grep -cF "status: Dialing 5550400" <<<"$output")" -eq 2 ] || { echo "$output"; echo "not dialed twice"; exit 1; }
expect "$output" "status: Connected to : Flaky"
refuse "$output" "no phone number"
echo "the auto-dial and its redial dialed the entry's own number"
