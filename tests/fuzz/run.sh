#!/usr/bin/env bash
# Builds the fuzz targets with clang, libFuzzer, ASan and UBSan in BUILD_DIR, then fuzzes each
# for a few seconds from its seed corpus; fails on any finding.
#   tests/fuzz/run.sh build/fuzz
set -euo pipefail
if [ $# -ne 1 ]; then
  echo "usage: $0 BUILD_DIR" >&2
  exit 2
fi
build=$(realpath -m "$1")
cd "$(dirname "$0")/../.."

CC=clang CXX=clang++ cmake -S . -B "$build" -G Ninja -DQUORBIT_FUZZ=ON -DQUORBIT_GUI=OFF \
  -DQUORBIT_TESTS=OFF -DQUORBIT_BENCH=OFF -DQUORBIT_WERROR=ON
cmake --build "$build" -j2
ctest --test-dir "$build" --output-on-failure
