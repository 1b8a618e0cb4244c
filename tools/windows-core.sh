#!/usr/bin/env bash
# Builds the core and its tests for 64-bit Windows with MinGW-w64 (tools/mingw-w64.cmake) and
# runs the tests under Wine, in build-windows/. GoogleTest is built for Windows from Debian's
# source package (/usr/src/googletest). Test files named *PosixTest.cpp hold cases that need
# POSIX behaviour (fork, permissions, FIFOs, links, resource limits); they are left out, and
# named below.
set -euo pipefail
cd "$(dirname "$0")/.."

packages=(cmake ninja-build g++-mingw-w64-x86-64-posix googletest wine wine64)
source tools/install-missing.sh
install_missing "${packages[@]}"

out=$PWD/build-windows
toolchain=$PWD/tools/mingw-w64.cmake
if [ ! -f "$out/googletest/lib/cmake/GTest/GTestConfig.cmake" ]; then
  cmake -S /usr/src/googletest -B "$out/googletest-build" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" \
    -DCMAKE_BUILD_TYPE=Release -DBUILD_GMOCK=OFF -DCMAKE_INSTALL_PREFIX="$out/googletest" >/dev/null
  cmake --build "$out/googletest-build" --target install >/dev/null
fi

cmake -S . -B "$out/core" -G Ninja -DCMAKE_TOOLCHAIN_FILE="$toolchain" -DCMAKE_BUILD_TYPE=RelWithDebInfo \
  -DGTest_DIR="$out/googletest/lib/cmake/GTest" -DTEEBROOK_BUILD_UI=OFF -DTEEBROOK_BUILD_BENCH=OFF >/dev/null
cmake --build "$out/core" --target core_tests

left_out=$(cd tests/core && ls ./*PosixTest.cpp 2>/dev/null | sed 's|^\./||' | tr '\n' ' ')
echo "windows-core.sh: POSIX-only test files left out: ${left_out:-none}"
# A Wine prefix of its own, made on first use; Wine's own messages are kept quiet.
export WINEPREFIX=$out/wine WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="
wine "$out/core/tests/core_tests.exe" --gtest_brief=1
