#!/usr/bin/env bash
# The window at the scale factors 1, 1.5 and 2: its size scales, and each chosen control
# shows at its layout place scaled, with the same colours as at factor 1 (the mean colour of
# the middle of its rectangle, compared on Xvfb screenshots).
#   tests/high_dpi_test.sh PATH/TO/quorbit
set -euo pipefail

binary=$1
source "$(dirname "$0")/xvfb.sh"

# name, then left, top, width, height in window coordinates (the layout's places added up).
controls=(
  "close-button 670 2 22 22"
  "switch-body 33 69 228 101"
  "lever-1 39 95 27 46"
  "lever-8 228 95 27 46"
  "read-out 279 77 120 54"
  "address-box 364 146 32 24"
  "generate-button 255 337 71 24"
  "decimal-box 106 405 174 24"
  "on-legend 29 289 12 20"
  "home-page-link 457 31 80 20"
  "footer 4 495 689 24"
  "table-box 449 55 231 433"
)

start_xvfb 2048x1536

# mean_colour IMAGE X Y W H: "r g b" of the middle half of the rectangle.
mean_colour() {
  convert "$1" -crop "$4x$5+$2+$3" +repage \
    -format '%[fx:int(255*mean.r+0.5)] %[fx:int(255*mean.g+0.5)] %[fx:int(255*mean.b+0.5)]' info:
}

declare -A reference
for factor in 1 1.5 2; do
  QT_SCALE_FACTOR=$factor "$binary" >"$work/app.log" 2>&1 &
  app_pid=$!
  wait_for_window
  sleep 1
  eval "$(xdotool getwindowgeometry --shell "$window")"
  want_w=$(awk -v f="$factor" 'BEGIN { printf "%d", 698 * f + 0.5 }')
  want_h=$(awk -v f="$factor" 'BEGIN { printf "%d", 522 * f + 0.5 }')
  [ "$WIDTH" -eq "$want_w" ] && [ "$HEIGHT" -eq "$want_h" ] ||
    fail "factor $factor: window ${WIDTH}x$HEIGHT, expected ${want_w}x$want_h"
  import -window root "$work/shot.png"
  for control in "${controls[@]}"; do
    read -r name x y w h <<<"$control"
    read -r cx cy cw ch < <(awk -v f="$factor" -v X="$X" -v Y="$Y" -v x="$x" -v y="$y" \
      -v w="$w" -v h="$h" 'BEGIN {
        printf "%d %d %d %d\n", X + (x + w / 4) * f, Y + (y + h / 4) * f, w / 2 * f, h / 2 * f }')
    colour=$(mean_colour "$work/shot.png" "$cx" "$cy" "$cw" "$ch")
    if [ "$factor" = 1 ]; then
      reference[$name]=$colour
      continue
    fi
    read -r r g b <<<"$colour"
    read -r r1 g1 b1 <<<"${reference[$name]}"
    for d in $((r - r1)) $((g - g1)) $((b - b1)); do
      [ "${d#-}" -le 24 ] || fail "factor $factor: $name shows ($colour), at factor 1 (${reference[$name]})"
    done
  done
  kill "$app_pid"
  wait "$app_pid" 2>/dev/null || true
  app_pid=""
  echo "factor $factor: ${WIDTH}x$HEIGHT, ${#controls[@]} controls in place"
done
echo "high DPI: all checks passed"
