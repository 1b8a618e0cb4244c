#!/usr/bin/env bash
# The desktop launcher lays out the user's Teebrook folder on first use, keeps a course
# table the user has put there, and starts the program inside the folder.
# Usage: launcher_test.sh <source dir>
set -euo pipefail
source_dir="$1"
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

# An installed tree, with a stand-in program that tells where it was started.
mkdir -p "$work/prefix/bin" "$work/prefix/share/teebrook"
cp "$source_dir/packaging/teebrook-launch" "$work/prefix/bin/"
cp "$source_dir/config/TeebrookConfig.ini" "$work/prefix/share/teebrook/"
printf '#!/bin/sh\npwd > "%s/started-in"\n' "$work" > "$work/prefix/bin/teebrook"
chmod +x "$work/prefix/bin/teebrook" "$work/prefix/bin/teebrook-launch"
ln -s "$work/prefix/bin/teebrook-launch" "$work/link-to-launcher"

fail() { echo "FAILED: $*"; exit 1; }

# First start, through a link, with the default folder in a fresh home.
HOME="$work/home" "$work/link-to-launcher"
folder="$work/home/Teebrook"
[ "$(cat "$work/started-in")" = "$folder" ] || fail "the program did not start in ~/Teebrook"
for sub in config data import; do [ -d "$folder/$sub" ] || fail "no $sub/ in the new folder"; done
cmp -s "$folder/config/TeebrookConfig.ini" "$source_dir/config/TeebrookConfig.ini" ||
  fail "the sample course table was not copied"

# A later start keeps the user's own course table and files.
echo "[NumberOfPitches]" > "$folder/config/TeebrookConfig.ini"
echo "kept" > "$folder/data/Cup.ini"
HOME="$work/home" "$work/prefix/bin/teebrook-launch"
[ "$(cat "$folder/config/TeebrookConfig.ini")" = "[NumberOfPitches]" ] || fail "the user's course table was replaced"
[ "$(cat "$folder/data/Cup.ini")" = "kept" ] || fail "a tournament file changed"

# A folder given by name, with a blank in it.
"$work/prefix/bin/teebrook-launch" "$work/Golf klubb"
[ "$(cat "$work/started-in")" = "$work/Golf klubb" ] || fail "the program did not start in the folder given"
[ -f "$work/Golf klubb/config/TeebrookConfig.ini" ] || fail "no course table in the folder given"
