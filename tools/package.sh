#!/usr/bin/env bash
# Builds the program for release and makes the Debian package with CPack:
# build-release/teebrook_<version>_<arch>.deb. Install it with
#   sudo apt install ./build-release/teebrook_*.deb
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build-release -G Ninja -DCMAKE_BUILD_TYPE=Release \
      -DTEEBROOK_BUILD_TESTS=OFF -DTEEBROOK_BUILD_BENCH=OFF
cmake --build build-release --target teebrook
(cd build-release && cpack -G DEB)
ls -l build-release/teebrook_*.deb
