# Shared by the scripts that drive the real binary on Xvfb; source it, then call
# start_xvfb SIZE and wait_for_window. It makes $work, a folder removed at exit together
# with the X server and the program started as $app_pid.

work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  if [ -n "$app_pid" ]; then kill "$app_pid" 2>/dev/null || true; fi
  if [ -n "$xvfb_pid" ]; then kill "$xvfb_pid" 2>/dev/null || true; fi
  rm -rf "$work"
}
trap cleanup EXIT

fail() {
  echo "FAIL: $*" >&2
  exit 1
}

# start_xvfb WIDTHxHEIGHT: an X server on a free display (Xvfb writes its number to the
# pipe), with a home of its own so that nothing lands in the real one. Without -noreset the
# server resets whenever its last client leaves, and a client connecting then is refused.
start_xvfb() {
  mkfifo "$work/display"
  Xvfb -displayfd 3 -screen 0 "$1x24" -nolisten tcp -noreset 3>"$work/display" >"$work/xvfb.log" 2>&1 &
  xvfb_pid=$!
  local number
  read -r -t 10 number <"$work/display" || fail "Xvfb did not start"
  export DISPLAY=":$number" QT_QPA_PLATFORM=xcb HOME="$work/home" XDG_CONFIG_HOME="$work/home/.config"
  mkdir -p "$HOME"
}

# wait_for_window: sets $window to the main window once it is mapped (a loaded machine may
# take a while to start it).
wait_for_window() {
  window=""
  for _ in $(seq 300); do
    if [ -n "$app_pid" ] && ! kill -0 "$app_pid" 2>/dev/null; then break; fi
    window=$(xdotool search --name '^Quorbit v1\.4$' 2>/dev/null | head -n 1) || true
    [ -n "$window" ] && xdotool getwindowgeometry "$window" >/dev/null 2>&1 && return 0
    sleep 0.1
  done
  if [ -f "$work/app.log" ]; then cat "$work/app.log" >&2; fi
  if [ -n "$app_pid" ] && ! kill -0 "$app_pid" 2>/dev/null; then fail "the program ended at start"; fi
  fail "no window titled 'Quorbit v1.4'"
}

# wait_for_exit: the status of $app_pid once it has ended by itself.
wait_for_exit() {
  for _ in $(seq 50); do
    if ! kill -0 "$app_pid" 2>/dev/null; then
      local status=0
      wait "$app_pid" || status=$?
      app_pid=""
      return "$status"
    fi
    sleep 0.1
  done
  fail "the program did not end"
}
