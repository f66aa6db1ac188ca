#!/usr/bin/env bash
# Takes the README's picture of the window from the real binary under Xvfb.
#   tools/screenshot.sh [PATH/TO/quorbit] [OUTPUT.png]   (defaults: build/run/quorbit, docs/window.png)
set -euo pipefail
cd "$(dirname "$0")/.."
binary=${1:-build/run/quorbit}
output=${2:-docs/window.png}
work=$(mktemp -d)
trap 'kill $app $xvfb 2>/dev/null || true; rm -rf "$work"' EXIT

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb=$!
read -r -t 10 number <"$work/display"
export DISPLAY=":$number" HOME="$work"
"$binary" >/dev/null 2>&1 &
app=$!
for _ in $(seq 100); do
  xdotool search --name '^Quorbit v1\.4$' >/dev/null 2>&1 && break
  sleep 0.1
done
sleep 1
mkdir -p "$(dirname "$output")"
# The window is centred on the 1024x768 screen.
import -window root -crop 698x522+163+123 +repage -strip "$output"
echo "wrote $output"
