#!/usr/bin/env bash
# The command-line conventions of both programs, with no display: help and version succeed, a usage error is
# one line and the hint to --help (exit 2), a data folder that cannot be used names itself and why (exit 1).
# Arguments: the quillan program, the quillan-vmodem program.
set -uo pipefail
quillan=$1
vmodem=$2
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
unset DISPLAY WAYLAND_DISPLAY QT_QPA_PLATFORM
export HOME=$work/home XDG_CONFIG_HOME= QUILLAN_DATA_DIR=
touch "$work/a-file"

failures=0
# check STATUS OUTPUT-PATTERN (a grep -E over stdout and stderr together) LINES (of stderr, or -) PROGRAM ARGS...
check() {
  local status=$1 pattern=$2 lines=$3
  shift 3
  local out err got
  out=$("$@" 2>"$work/err")
  got=$?
  err=$(cat "$work/err")
  local problem=""
  [ "$got" -eq "$status" ] || problem="exit $got, expected $status"
  grep -qE -- "$pattern" <<<"$out$err" || problem="$problem; no line matches /$pattern/"
  local count=0
  [ -z "$err" ] || count=$(printf '%s\n' "$err" | wc -l)
  if [ "$lines" != - ] && [ "$count" -ne "$lines" ]; then
    problem="$problem; $lines lines expected on standard error"
  fi
  if [ -n "$problem" ]; then
    echo "FAIL: $* -> $problem"
    echo "  stdout: $out"
    echo "  stderr: $err"
    failures=$((failures + 1))
  fi
}

for program in "$quillan" "$vmodem"; do
  name=$(basename "$program")
  check 0 "^Usage: $name \[OPTION\]" 0 "$program" --help
  check 0 "^$name [0-9]+\.[0-9]+" 0 "$program" --version
  check 2 "^$name: unknown option '--frobnicate'\$" 2 "$program" --frobnicate
  check 2 "^Try '$name --help' for more information\.\$" 2 "$program" --frobnicate
  check 2 "^$name: unexpected argument 'stray'\$" 2 "$program" stray
  check 2 "needs a value" 2 "$program" "$([ "$program" = "$quillan" ] && echo --data-dir || echo --script)"
  check 2 "takes no value" 2 "$program" --help=yes
done

# A value out of its range is a usage error too, refused before the data folder is made.
check 2 "^quillan: --demo-pace takes a whole number from 1 to 100\$" 2 "$quillan" --demo-pace 0 --data-dir "$work/paced"
[ ! -e "$work/paced" ] || { echo "FAIL: a refused command line made its data folder"; failures=$((failures + 1)); }

# The program makes its data folder, readable by its owner only, before it looks for a display.
check 1 "no display" 1 "$quillan" --data-dir "$work/new/data"
[ "$(stat -c %a "$work/new/data")" = 700 ] || { echo "FAIL: the new data folder is not 700"; failures=$((failures + 1)); }
check 1 "^quillan: the data folder $work/a-file is not a folder" 1 "$quillan" --data-dir "$work/a-file"
check 1 "^quillan: cannot create the data folder $work/a-file/data: Not a directory" 1 "$quillan" --data-dir "$work/a-file/data"
check 1 "^quillan: no data folder: none of QUILLAN_DATA_DIR, XDG_CONFIG_HOME and HOME" 1 env -u HOME "$quillan"
check 1 "^quillan-vmodem: cannot read the script" - "$vmodem" --script "$work/missing.script"

[ "$failures" -eq 0 ] && echo "all command-line checks passed"
exit $((failures > 0))
