#!/usr/bin/env bash
# Start-up of Teebrook to its first painted main window, against a minimal Qt Widgets program
# built the same way (bench/minimal_qt.cpp). Each says "first paint" once its window has painted
# and then ends; a run is timed from its start to that line. They are started in turn, RUNS times
# each after one unmeasured start of each, and the script prints both medians and the median of
# the ratios of neighbouring runs (Teebrook / minimal).
#
#   bash bench/startup.sh [--offscreen] [RUNS] [BUILD_FOLDER]
#
# Under a private Xvfb server by default (the xcb platform, as on a desktop); --offscreen uses
# Qt's offscreen platform instead. RUNS defaults to 31, BUILD_FOLDER to build/ (configured, as
# tools/test.sh leaves it); the two programs are built there first.
set -euo pipefail
cd "$(dirname "$0")/.."

platform=xcb
if [ "${1:-}" = "--offscreen" ]; then
  platform=offscreen
  shift
fi
runs=${1:-31}
build=$(realpath "${2:-build}")

if [ "$platform" = xcb ] && [ -z "${TEEBROOK_STARTUP_IN_XVFB:-}" ]; then
  cmake --build "$build" --target teebrook minimal_qt >/dev/null
  export TEEBROOK_STARTUP_IN_XVFB=1
  exec xvfb-run -a -s "-screen 0 1366x768x24" bash "$0" "$runs" "$build"
fi
[ "$platform" = offscreen ] && cmake --build "$build" --target teebrook minimal_qt >/dev/null
export QT_QPA_PLATFORM=$platform

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/data" "$work/import"
cp config/TeebrookConfig.ini "$work/config/"
cd "$work"

# Microseconds from the start of one run to its "first paint" line; the run's own ending is
# not timed but waited for. A run that fails or says nothing stops the script.
run_us() {
  local start end line
  start=${EPOCHREALTIME/[.,]/}
  coproc RUN { timeout 30 "$@" 2>/dev/null; }
  if ! read -r line <&"${RUN[0]}" || [ "$line" != "first paint" ]; then
    echo "startup.sh: $* did not report its first paint" >&2
    exit 1
  fi
  end=${EPOCHREALTIME/[.,]/}
  if ! wait "$RUN_PID"; then
    echo "startup.sh: $* failed" >&2
    exit 1
  fi
  echo $((end - start))
}

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }

export TEEBROOK_QUIT_AFTER_FIRST_PAINT=1
run_us "$build/bench/minimal_qt" >/dev/null
run_us "$build/teebrook" >/dev/null
minimal=()
teebrook=()
ratios=()
for ((i = 0; i < runs; i++)); do
  m=$(run_us "$build/bench/minimal_qt")
  t=$(run_us "$build/teebrook")
  minimal+=("$m")
  teebrook+=("$t")
  ratios+=("$(awk -v t="$t" -v m="$m" 'BEGIN { printf "%.4f", t / m }')")
done

minimal_median=$(printf '%s\n' "${minimal[@]}" | median)
teebrook_median=$(printf '%s\n' "${teebrook[@]}" | median)
ratio_median=$(printf '%s\n' "${ratios[@]}" | median)
echo "platform $platform, $runs runs each; $(uptime)"
printf 'minimal Qt Widgets program: median %.1f ms\n' "$(awk -v v="$minimal_median" 'BEGIN { print v / 1000 }')"
printf 'Teebrook to its first paint: median %.1f ms\n' "$(awk -v v="$teebrook_median" 'BEGIN { print v / 1000 }')"
printf 'Teebrook / minimal: median ratio %.2f\n' "$ratio_median"
