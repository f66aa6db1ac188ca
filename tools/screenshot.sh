#!/usr/bin/env bash
# Takes the README's picture of the window from the real binary under Xvfb.
#   tools/screenshot.sh [PATH/TO/quorbit] [OUTPUT.png]   (defaults: build/run/quorbit, docs/window.png)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=$(realpath "${1:-build/run/quorbit}")
output=${2:-docs/window.png}
source tests/xvfb.sh
start_xvfb 1024x768
"$binary" >"$work/app.log" 2>&1 &
app_pid=$!
wait_for_window
sleep 1
mkdir -p "$(dirname "$output")"
# The window is centred on the 1024x768 screen.
import -window root -crop 698x522+163+123 +repage -strip "$output"
echo "wrote $output"
