#!/usr/bin/env bash
# Installs what is missing, builds and runs every test: the release build (warnings are errors, GUI
# included, headless), the AddressSanitizer + UndefinedBehaviorSanitizer build, short fuzzing runs and
# the Windows build under Wine. Each stage prints ctest's own summary. Run from anywhere, as root.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${TARVELO_JOBS:-$(nproc)}
build=${TARVELO_BUILD_ROOT:-$root/build}

[ "${TARVELO_SKIP_INSTALL:-0}" = 1 ] || bash tools/install-deps.sh

export QT_QPA_PLATFORM=offscreen
export CTEST_OUTPUT_ON_FAILURE=1

stage() { echo; echo "=== $*"; }

stage "release build and tests"
cmake -S . -B "$build/release" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELO_WERROR=ON >/dev/null
cmake --build "$build/release" -j "$jobs"
ctest --test-dir "$build/release" -j "$jobs" --timeout 600

stage "sanitizer build (address, undefined) and tests"
cmake -S . -B "$build/asan" -G Ninja -DCMAKE_BUILD_TYPE=Debug -DTARVELO_SANITIZE=ON -DTARVELO_GUI=OFF >/dev/null
cmake --build "$build/asan" -j "$jobs"
ASAN_OPTIONS=detect_leaks=1:abort_on_error=1 UBSAN_OPTIONS=print_stacktrace=1:halt_on_error=1 \
  ctest --test-dir "$build/asan" -j "$jobs" --timeout 900

stage "fuzz targets (short runs)"
bash tools/fuzz.sh "${TARVELO_FUZZ_SECONDS:-20}"

if [ -f tools/test-windows.sh ]; then
  stage "Windows build under Wine"
  bash tools/test-windows.sh
fi
echo
echo "=== all stages passed"
