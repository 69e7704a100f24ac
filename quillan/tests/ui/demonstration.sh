#!/usr/bin/env bash
# The Qt program's demonstration run offscreen, fifty times faster than life and with the virtual modem
# answering at once: three calls end to end through the windows, and each one in this month's log.
# Arguments: the program, the demo folder, the program's desktop entry.
set -euo pipefail
program=$1
demo=$2
desktop_entry=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

mkdir -p "$work/data"
cp "$demo/phonebook.ini" "$work/data/"
sed -e 's/^delay dial .*/delay dial 0/' -e 's/^delay reply .*/delay reply 0/' -e 's/DROP [0-9]*/DROP 0.5/' \
  "$demo/vmodem.script" >"$work/data/vmodem.script"

output=$(QT_QPA_PLATFORM=offscreen "$program" --data-dir "$work/data" --screenshots "$work/shots" --demo-pace 50 2>&1) || {
  echo "$output"
  echo "the program failed"
  exit 1
}

expect() {
  grep -qF -- "$1" <<<"$output" || { echo "$output"; echo "missing: $1"; exit 1; }
}
expect 'message box "Welcome to Quillan"'
expect "status: Connected to : Demo Clean Line"
expect "status: Hang up on Demo Clean Line"
expect "status: Dialing sequence #1 : 5550201"
expect "status: Dialing sequence #2: 5550202"
expect "status: Connected to : Demo Busy Line"
expect "status: Demo Dropped Line terminated!"
expect "-frmConfig-page4.png"
expect "-frmNetToolkit-get-host.png"
expect "-frmWarnNewConnection.png"
expect "-PhonebookEntryDialog.png"
expect "-frmEditProfile.png"
expect "profile Demo Night Line: user name night"
expect "-frmCreateShortcut.png"
shortcut="$work/data/Desktop/Quillan Professional.desktop"
expect "desktop shortcut: $shortcut"
[ -x "$shortcut" ] || { echo "the shortcut cannot be started"; exit 1; }
grep -qxF -- "Exec=$program --data-dir $work/data" "$shortcut" || { cat "$shortcut"; echo "the shortcut does not start the program on its folder"; exit 1; }
grep -qxF -- "$(grep '^Icon=' "$desktop_entry")" "$shortcut" || { cat "$shortcut"; echo "the shortcut's icon is not the program's"; exit 1; }
desktop-file-validate "$shortcut"
grep -qxF "[Demo Night Line]" "$work/data/phonebook.ini" || { echo "the new connection is not in the phonebook"; exit 1; }
calls=$(cat "$work"/data/[0-9]*.txt | grep -c '[0-9]')
[ "$calls" -eq 3 ] || { echo "$output"; echo "the month's log holds $calls calls, not 3"; exit 1; }
echo "three calls made and logged; $(ls "$work/shots" | wc -l) screenshots"
