#!/usr/bin/env bash
# Builds the libFuzzer targets with clang and runs each for the given number of seconds (default 20),
# starting from seed corpora written by the test-data generator.
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-20}
build=${TARVELO_BUILD_ROOT:-$PWD/build}/fuzz
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DCMAKE_CXX_COMPILER=clang++ \
  -DTARVELO_FUZZ=ON -DTARVELO_GUI=OFF -DTARVELO_SANITIZE=ON >/dev/null
cmake --build "$build" -j "${TARVELO_JOBS:-$(nproc)}"
shopt -s nullglob
ran=0
for fuzzer in "$build"/tests/fuzz/fuzz_*; do
  [ -x "$fuzzer" ] || continue
  name=$(basename "$fuzzer")
  corpus="$build/corpus/$name"
  mkdir -p "$corpus"
  if [ -x "$build/tests/fuzz/seed_corpus" ]; then
    "$build/tests/fuzz/seed_corpus" "$name" "$corpus"
  fi
  echo "--- $name for ${seconds}s"
  "$fuzzer" -max_total_time="$seconds" -rss_limit_mb=2048 -print_final_stats=1 "$corpus" 2>"$build/$name.log" \
    || { tail -50 "$build/$name.log"; echo "fuzz target $name failed"; exit 1; }
  grep -E 'stat::number_of_executed_units|stat::peak_rss_mb' "$build/$name.log" || true
  ran=$((ran + 1))
done
echo "fuzz: $ran targets ran without a fault"
