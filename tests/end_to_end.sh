#!/usr/bin/env bash
# The real binary on a real X server (Xvfb, no window manager), driven with xdotool as a
# person would: the window opens centred, the title drags it, the rest of the band does not,
# Escape ends the program with status 0.
#   tests/end_to_end.sh PATH/TO/quorbit
set -euo pipefail

binary=$1
source "$(dirname "$0")/xvfb.sh"
start_xvfb 1024x768

"$binary" >"$work/app.log" 2>&1 &
app_pid=$!

wait_for_window

geometry() {
  eval "$(xdotool getwindowgeometry --shell "$window")"
}

# Waits until the window stands at the given place, or fails with what it shows.
expect_at() {
  for _ in $(seq 50); do
    geometry
    [ "$X" -eq "$1" ] && [ "$Y" -eq "$2" ] && return 0
    sleep 0.1
  done
  fail "$3: window at $X,$Y, expected $1,$2"
}

expect_at 163 123 "centred on a 1024x768 screen"
geometry
[ "$WIDTH" -eq 698 ] && [ "$HEIGHT" -eq 522 ] || fail "size ${WIDTH}x$HEIGHT, expected 698x522"
[ "$(xdotool getwindowname "$window")" = "Quorbit v1.4" ] || fail "title"
sleep 0.5

# Drag by the title label: 60 right, 40 down.
xdotool mousemove 363 135 mousedown 1
sleep 0.2
for step in 1 2 3 4 5 6; do
  xdotool mousemove $((363 + step * 10)) $((135 + step * 40 / 6))
  sleep 0.05
done
xdotool mouseup 1
expect_at 223 163 "dragged by the title"

# A press on the band right of the title label moves nothing.
xdotool mousemove $((223 + 666)) $((163 + 4)) mousedown 1
sleep 0.1
xdotool mousemove $((223 + 600)) $((163 + 60))
sleep 0.1
xdotool mouseup 1
sleep 0.3
geometry
[ "$X" -eq 223 ] && [ "$Y" -eq 163 ] || fail "a press beside the title moved the window to $X,$Y"

# Escape, typed into the focused address box, ends the program with status 0.
xdotool mousemove $((223 + 17 + 347 + 10)) $((163 + 43 + 103 + 10)) click 1
xdotool type --delay 50 "12"
xdotool key Escape
status=0
wait_for_exit || status=$?
[ "$status" -eq 0 ] || fail "exit status $status"
echo "end-to-end: all checks passed"
