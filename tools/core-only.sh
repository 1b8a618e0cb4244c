#!/usr/bin/env bash
# Builds and tests the core alone, without Qt (-DTEEBROOK_BUILD_UI=OFF), in build-core/: shows
# that text/, ini/, model/, lists/ and scoring/ need nothing but the standard library.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build-core -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTEEBROOK_BUILD_UI=OFF
cmake --build build-core
ctest --test-dir build-core --output-on-failure -j2
