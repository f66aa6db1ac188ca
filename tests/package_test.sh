#!/usr/bin/env bash
# Builds the Debian package from a build tree, unpacks it into a fresh folder, checks what
# it holds and declares, and starts the unpacked binary on Xvfb until Escape ends it.
#   tests/package_test.sh BUILD_DIR
set -euo pipefail

build=$(cd "$1" && pwd)
source "$(dirname "$0")/xvfb.sh"

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

start_xvfb 1024x768

# The desktop entry's command, found on the PATH of the unpacked package.
PATH="$root/usr/bin:$PATH" quorbit >"$work/app.log" 2>&1 &
app_pid=$!
wait_for_window
sleep 0.3
xdotool mousemove 500 400 click 1
xdotool key Escape
wait_for_exit || fail "exit status $?"
echo "package: all checks passed"
