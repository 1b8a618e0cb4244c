#!/usr/bin/env bash
# Start-up of Teebrook to its first painted main window, against a minimal Qt Widgets program
# built the same way (bench/minimal_qt.cpp). Each says "first paint WIDTHxHEIGHT" once its window
# has painted and then ends; a run is timed from its start to that line. The programs are started
# in turn, RUNS times each after one unmeasured start of each, and the script prints the medians
# and the medians of the ratios of neighbouring runs.
#
# The minimal program runs twice a round: with its own small window (the yardstick), and with a
# window of the size Teebrook's main window has, which shows how much of the difference is the
# size of the window alone (its backing store and first fill) rather than what is in it.
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

# One run: prints the microseconds from its start to its "first paint" line, and the window size
# that line names. The run's own ending is not timed but waited for. A run that fails or says
# nothing stops the script.
run() {
  local start end line
  start=${EPOCHREALTIME/[.,]/}
  coproc RUN { timeout 30 "$@" 2>/dev/null; }
  if ! read -r line <&"${RUN[0]}" || [[ "$line" != "first paint "* ]]; then
    echo "startup.sh: $* did not report its first paint" >&2
    exit 1
  fi
  end=${EPOCHREALTIME/[.,]/}
  if ! wait "$RUN_PID"; then
    echo "startup.sh: $* failed" >&2
    exit 1
  fi
  echo "$((end - start)) ${line#first paint }"
}
run_us() { local figures; figures=$(run "$@"); echo "${figures%% *}"; }

median() { sort -g | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
ms() { awk -v v="$1" 'BEGIN { printf "%.1f", v / 1000 }'; }
ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.4f", a / b }'; }

export TEEBROOK_QUIT_AFTER_FIRST_PAINT=1
run_us "$build/bench/minimal_qt" >/dev/null
teebrook_first=$(run "$build/teebrook")
size=${teebrook_first#* }
minimal=()
sized=()
teebrook=()
ratios=()
sized_ratios=()
for ((i = 0; i < runs; i++)); do
  m=$(run_us "$build/bench/minimal_qt")
  s=$(run_us "$build/bench/minimal_qt" --size "$size")
  t=$(run_us "$build/teebrook")
  minimal+=("$m")
  sized+=("$s")
  teebrook+=("$t")
  ratios+=("$(ratio "$t" "$m")")
  sized_ratios+=("$(ratio "$t" "$s")")
done

echo "platform $platform, $runs runs each; $(uptime)"
echo "minimal Qt Widgets program: median $(ms "$(printf '%s\n' "${minimal[@]}" | median)") ms"
echo "the same with a window of ${size}: median $(ms "$(printf '%s\n' "${sized[@]}" | median)") ms"
echo "Teebrook to its first paint (main window ${size}): median $(ms "$(printf '%s\n' "${teebrook[@]}" | median)") ms"
printf 'Teebrook / minimal: median ratio %.2f\n' "$(printf '%s\n' "${ratios[@]}" | median)"
printf 'Teebrook / minimal with a window of its size: median ratio %.2f\n' "$(printf '%s\n' "${sized_ratios[@]}" | median)"
