#!/usr/bin/env bash
# Installs what is missing, builds, writes the demo backup and scans it.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${TARVELO_SKIP_INSTALL:-0}" = 1 ] || bash tools/install-deps.sh
build=${TARVELO_BUILD_ROOT:-$PWD/build}/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)"
demo=${TARVELO_BUILD_ROOT:-$PWD/build}/demo/demo.bkf
mkdir -p "$(dirname "$demo")"
"$build/tools/bkfgen/bkfgen" demo "$demo"
echo "demo: wrote the demo backup $demo; the scan comes with the scan engine"
