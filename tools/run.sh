#!/usr/bin/env bash
# Builds Teebrook and starts it in build/workdir, a working directory holding the
# sample course table (config/), where tournaments go to data/ and lists beside them.
set -euo pipefail
cd "$(dirname "$0")/.."
bash tools/setup.sh
cmake -S . -B build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo
cmake --build build --target teebrook
mkdir -p build/workdir/config build/workdir/data build/workdir/import
[ -f build/workdir/config/TeebrookConfig.ini ] || cp config/TeebrookConfig.ini build/workdir/config/
cd build/workdir
exec ../teebrook
