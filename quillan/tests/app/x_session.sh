# Sourced by the tests of the program itself: a display of the test's own (Xvfb picks a free one and
# names it on a descriptor), with the window manager and the notification area started on request.
# Every process started here is stopped by end_x_session, by its own id. Needs $work.

x_pids=()

# Polls until the command succeeds, for at most $1 seconds; says what was awaited when it never does.
wait_for() {
  local seconds=$1 what=$2
  shift 2
  local end=$((SECONDS + seconds))
  until "$@" >/dev/null 2>&1; do
    if [ "$SECONDS" -ge "$end" ]; then
      echo "timed out after ${seconds}s waiting for $what"
      return 1
    fi
    sleep 0.02
  done
}

start_x_session() {
  for tool in Xvfb openbox trayer xwininfo xprop xdotool; do
    command -v "$tool" >/dev/null || { echo "$tool is missing: run scripts/install-deps"; exit 1; }
  done
  : >"$work/display"
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" 2>"$work/xvfb.log" &
  x_pids+=($!)
  wait_for 20 "Xvfb to name its display" grep -q . "$work/display"
  export DISPLAY=":$(head -n1 "$work/display")"
  unset WAYLAND_DISPLAY
  export QT_QPA_PLATFORM=xcb
}

# A window manager, so that minimised windows become iconic.
start_window_manager() {
  openbox --sm-disable >"$work/openbox.log" 2>&1 &
  x_pids+=($!)
  wait_for 20 "openbox to manage the screen" wm_activates_windows || {
    echo "  on $DISPLAY, openbox $(kill -0 "${x_pids[-1]}" 2>/dev/null && echo runs || echo has ended):"
    sed 's/^/  openbox: /' "$work/openbox.log"
    exit 1
  }
}

wm_activates_windows() {
  xprop -root _NET_SUPPORTED 2>/dev/null | grep -q _NET_ACTIVE_WINDOW
}

# Activates the window of that exact title and types the key into it, until the command given after
# the key succeeds (at most a few tries: a key typed while the window is still coming up can be lost).
type_into() {
  local title=$1 key=$2 try
  shift 2
  for try in 1 2 3 4 5; do
    local id
    id=$(xdotool search --onlyvisible --name "^$title\$" 2>/dev/null | head -n1) || true
    if [ -n "$id" ] && xdotool windowactivate --sync "$id" >/dev/null 2>&1; then
      xdotool key "$key"
      wait_for 2 "the key $key to take effect in $title" "$@" >/dev/null && return 0
    else
      sleep 0.1
    fi
  done
  echo "typing $key into $title had no effect"
  return 1
}

# A notification area; its id in $tray_pid.
start_tray() {
  trayer --edge top --align right --widthtype request >"$work/trayer.log" 2>&1 &
  tray_pid=$!
  x_pids+=("$tray_pid")
  wait_for 20 "trayer's panel" window_is_mapped panel
}

stop_tray() {
  kill "$tray_pid" 2>/dev/null || true
  wait "$tray_pid" 2>/dev/null || true
}

# Windows by their exact title.
window_is_mapped() {
  xdotool search --onlyvisible --name "^$1\$" >/dev/null 2>&1
}

window_is_unmapped() {
  xdotool search --name "^$1\$" >/dev/null 2>&1 && ! window_is_mapped "$1"
}

# A window of that title docked in trayer's panel.
icon_in_tray() {
  xwininfo -tree -name panel 2>/dev/null | grep -qF "\"$1\""
}

window_is_iconic() {
  local id
  for id in $(xdotool search --name "^$1\$" 2>/dev/null); do
    xprop -id "$id" WM_STATE 2>/dev/null | grep -q 'window state: Iconic' && return 0
  done
  return 1
}

end_x_session() {
  local pid
  for pid in "${x_pids[@]}"; do
    kill "$pid" 2>/dev/null || true
  done
  for pid in "${x_pids[@]}"; do
    wait "$pid" 2>/dev/null || true
  done
}
