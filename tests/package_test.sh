#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a fresh folder, checks what
# it holds and declares, and starts the unpacked binary on Xvfb until Escape ends it.
#   tests/package_test.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
work=$(mktemp -d)
xvfb_pid=""
app_pid=""
cleanup() {
  [ -n "$app_pid" ] && kill "$app_pid" 2>/dev/null || true
  [ -n "$xvfb_pid" ] && kill "$xvfb_pid" 2>/dev/null || true
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "FAIL: $*" >&2
  exit 1
}

(cd "$work" && cpack -G DEB --config "$build/CPackConfig.cmake" -B "$work/out" >"$work/cpack.log" 2>&1) ||
  { cat "$work/cpack.log"; fail "cpack"; }
deb=$(ls "$work"/out/quorbit_*.deb)
echo "built $(basename "$deb")"

depends=$(dpkg-deb -f "$deb" Depends)
for needed in libqt6widgets6 libqt6gui6 libqt6core6 fonts-noto-cjk; do
  grep -q "$needed" <<<"$depends" || fail "Depends lacks $needed: $depends"
done

root="$work/root"
dpkg-deb -x "$deb" "$root"
for file in usr/bin/quorbit usr/share/applications/quorbit.desktop \
  usr/share/icons/hicolor/{16x16,24x24,32x32,48x48,64x64,128x128,256x256}/apps/quorbit.png; do
  [ -f "$root/$file" ] || fail "package lacks /$file"
done
desktop-file-validate "$root/usr/share/applications/quorbit.desktop" || fail "desktop entry"
grep -qx 'Exec=quorbit' "$root/usr/share/applications/quorbit.desktop" || fail "Exec line"

mkfifo "$work/display"
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/display" >/dev/null 2>&1 &
xvfb_pid=$!
read -r -t 10 number <"$work/display" || fail "Xvfb did not start"
export DISPLAY=":$number" QT_QPA_PLATFORM=xcb HOME="$work/home"
mkdir -p "$HOME"

# The desktop entry's command, found on the PATH of the unpacked package.
PATH="$root/usr/bin:$PATH" quorbit >"$work/app.log" 2>&1 &
app_pid=$!
window=""
for _ in $(seq 100); do
  window=$(xdotool search --name '^Quorbit v1\.4$' 2>/dev/null | head -n 1) || true
  [ -n "$window" ] && break
  sleep 0.1
done
[ -n "$window" ] || { cat "$work/app.log"; fail "the installed binary showed no window"; }
sleep 0.3
xdotool mousemove 500 400 click 1
xdotool key Escape
for _ in $(seq 50); do
  kill -0 "$app_pid" 2>/dev/null || break
  sleep 0.1
done
wait "$app_pid" || fail "exit status $?"
app_pid=""
echo "package: all checks passed"
