#!/usr/bin/env bash
# `cmake --install` puts the program, its launcher, the desktop entry with its icon and the
# sample course table where a desktop finds them.
# Usage: install_test.sh <build dir>
set -euo pipefail
build_dir="$1"
prefix="$(mktemp -d)"
trap 'rm -rf "$prefix"' EXIT
cmake --install "$build_dir" --prefix "$prefix" >/dev/null

for file in bin/teebrook bin/teebrook-launch share/applications/teebrook.desktop \
            share/icons/hicolor/scalable/apps/teebrook.svg share/teebrook/TeebrookConfig.ini; do
  [ -f "$prefix/$file" ] || { echo "FAILED: $file not installed"; exit 1; }
done
for program in bin/teebrook bin/teebrook-launch; do
  [ -x "$prefix/$program" ] || { echo "FAILED: $program cannot be run"; exit 1; }
done
grep -qx 'Exec=teebrook-launch' "$prefix/share/applications/teebrook.desktop" ||
  { echo "FAILED: the desktop entry does not start the launcher"; exit 1; }
grep -qx 'Icon=teebrook' "$prefix/share/applications/teebrook.desktop" ||
  { echo "FAILED: the desktop entry does not name the icon"; exit 1; }
