#!/usr/bin/env bash
# The desktop program's scan against the command-line tool's scan of the same generated backup
# (100 000 entries in 8 folders by default), best of three each, under the offscreen platform.
# Usage: bench/gui.sh [--entries N] [--folders N] [--reps N] [--shot picture.png]
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TARVELO_BUILD_ROOT:-$PWD/build}/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo -DTARVELO_BENCH=ON >/dev/null
cmake --build "$build" -j "${TARVELO_JOBS:-2}" --target gui_scan_bench tarvelo
QT_QPA_PLATFORM=offscreen "$build/bench/gui_scan_bench" --cli "$build/cli/tarvelo" "$@"
