#!/usr/bin/env bash
# Set up, build and run Quorbit, or build and run every test.
#   ./quorbit.sh run    install what is missing, build, start the program
#   ./quorbit.sh test   install what is missing, build (warnings are errors), run every test
#   ./quorbit.sh package  install what is missing, build, make the Debian package
set -euo pipefail
cd "$(dirname "$0")"

packages=(
  cmake ninja-build g++ pkg-config
  qt6-base-dev libgl-dev libxkbcommon-dev libx11-dev libxdamage-dev
  libgtest-dev libgmock-dev libbenchmark-dev
  fonts-noto-cjk fonts-arphic-uming qt6-translations-l10n
  xvfb xauth xdotool x11-utils imagemagick dpkg-dev desktop-file-utils
  clang libclang-rt-14-dev
)

install_missing() {
  local missing=()
  for p in "${packages[@]}"; do
    if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed"; then
      missing+=("$p")
    fi
  done
  [ ${#missing[@]} -eq 0 ] && return 0
  echo "Installing: ${missing[*]}"
  local sudo=()
  [ "$(id -u)" -eq 0 ] || sudo=(sudo)
  "${sudo[@]}" apt-get update
  "${sudo[@]}" env DEBIAN_FRONTEND=noninteractive apt-get install -y "${missing[@]}"
}

# configure DIR [cmake options...]: a full configure the first time, a quick cache check after.
configure() {
  local dir=$1
  shift
  cmake -S . -B "$dir" -G Ninja --log-level=WARNING "$@" >/dev/null
}

case "${1:-}" in
  run)
    install_missing
    configure build/run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORBIT_WERROR=OFF -DQUORBIT_TESTS=OFF -DQUORBIT_BENCH=OFF
    cmake --build build/run --target quorbit -j2
    if [ -z "${DISPLAY:-}" ] && [ -z "${WAYLAND_DISPLAY:-}" ]; then
      echo "No display found: run it under a virtual X server with: xvfb-run -a build/run/quorbit"
      exit 1
    fi
    exec build/run/quorbit
    ;;
  test)
    install_missing
    # The optimised build, then the same suite under the address and UB sanitizers.
    for preset in default asan; do
      cmake --preset "$preset" --log-level=WARNING >/dev/null
      cmake --build --preset "$preset"
      ctest --preset "$preset"
    done
    # The fuzz targets (clang, libFuzzer), each for a bounded time.
    tests/fuzz/run.sh build/fuzz
    ;;
  package)
    install_missing
    configure build/run -DCMAKE_BUILD_TYPE=RelWithDebInfo -DQUORBIT_WERROR=OFF -DQUORBIT_TESTS=OFF -DQUORBIT_BENCH=OFF
    cmake --build build/run --target quorbit -j2
    (cd build/run && cpack -G DEB)
    ls build/run/quorbit_*.deb
    ;;
  *)
    echo "usage: $0 run | test | package" >&2
    exit 2
    ;;
esac
