#!/usr/bin/env bash
# Builds Teebrook and its tests with AddressSanitizer and UndefinedBehaviorSanitizer in
# build-asan/ and runs every test, the GUI tests included. The first report of either
# sanitizer stops the program and fails its test. Leaks inside Qt's and fontconfig's own
# caches are suppressed by name in tools/lsan.supp; a leak in our code still fails.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build-asan -G Ninja -DCMAKE_BUILD_TYPE=Debug -DCMAKE_CXX_COMPILER=g++ \
      -DCMAKE_CXX_FLAGS_DEBUG="-O1 -g" -DTEEBROOK_SANITIZE=ON -DTEEBROOK_BUILD_BENCH=OFF
export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1:detect_stack_use_after_return=1:check_initialization_order=1:strict_init_order=1"
export LSAN_OPTIONS="suppressions=$PWD/tools/lsan.supp:print_suppressions=0"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
cmake --build build-asan
ctest --test-dir build-asan --output-on-failure -j2
