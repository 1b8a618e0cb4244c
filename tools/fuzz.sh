#!/usr/bin/env bash
# Builds the libFuzzer targets (fuzz/) and runs each for the given number of seconds,
# starting from the sample inputs in fuzz/corpus/<name>/. They are copied to a temporary
# folder first, so the inputs a run finds never change the repository.
#   bash tools/fuzz.sh 5              every target 5 s (the CI smoke run)
#   bash tools/fuzz.sh 600 ini        one target (fuzz_ini) for 10 minutes
# A target that crashes or breaks a property fails the script; the input is kept in
# build-fuzz/artifacts/ and the output of every run in build-fuzz/logs/.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds="${1:?usage: tools/fuzz.sh <seconds> [target names without fuzz_]}"
shift

cmake -S fuzz -B build-fuzz -G Ninja -DCMAKE_CXX_COMPILER=clang++ >/dev/null
cmake --build build-fuzz

if [ $# -gt 0 ]; then
  names=("$@")
else
  names=()
  for source in fuzz/fuzz_*.cpp; do
    name="$(basename "$source" .cpp)"
    names+=("${name#fuzz_}")
  done
fi

export ASAN_OPTIONS="halt_on_error=1:detect_leaks=1"
export UBSAN_OPTIONS="halt_on_error=1:print_stacktrace=1"
mkdir -p build-fuzz/artifacts build-fuzz/logs
work="$(mktemp -d)"
trap 'rm -rf "$work"' EXIT

failed=0
for name in "${names[@]}"; do
  corpus="$work/$name"
  mkdir -p "$corpus"
  if [ -d "fuzz/corpus/$name" ]; then cp -r "fuzz/corpus/$name/." "$corpus/"; fi
  log="build-fuzz/logs/$name.log"
  if build-fuzz/fuzz_"$name" -max_total_time="$seconds" -timeout=10 -rss_limit_mb=2048 -print_final_stats=1 \
       -artifact_prefix="build-fuzz/artifacts/$name-" "$corpus" >"$log" 2>&1; then
    runs="$(grep -o 'stat::number_of_executed_units: *[0-9]*' "$log" | grep -o '[0-9]*$' || true)"
    cov="$(grep -E '^#[0-9]+.*(DONE|pulse|NEW|REDUCE)' "$log" | tail -1 | grep -oE 'cov: [0-9]+ ft: [0-9]+' || true)"
    echo "fuzz_$name: ok, ${runs:-?} runs in ${seconds} s, ${cov:-no coverage line}"
  else
    echo "fuzz_$name: FAILED (log: $log)"
    grep -E 'ERROR|property broken|runtime error|Test unit written' "$log" | head -5 || true
    failed=1
  fi
done
exit "$failed"
