#!/usr/bin/env bash
# Installs what is missing, builds, writes the demo backup with the generator and runs the command-line
# tool on it: scan, extract everything into a folder, then the database header of the extracted
# priv1.edb. Everything it writes goes to build/demo/.
set -euo pipefail
cd "$(dirname "$0")/.."
[ "${TARVELO_SKIP_INSTALL:-0}" = 1 ] || bash tools/install-deps.sh
build=${TARVELO_BUILD_ROOT:-$PWD/build}/release
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "$(nproc)" --target tarvelo bkfgen

demo=$(dirname "$build")/demo
rm -rf "$demo"
mkdir -p "$demo"
tarvelo=$build/cli/tarvelo

echo "== bkfgen demo $demo/demo.bkf"
"$build/tools/bkfgen/bkfgen" demo "$demo/demo.bkf"

echo "== tarvelo scan demo.bkf"
"$tarvelo" scan "$demo/demo.bkf" --snapshot "$demo/demo.TARVSNAPQUORIN"

echo "== tarvelo extract demo.bkf -d extracted"
"$tarvelo" extract "$demo/demo.bkf" -d "$demo/extracted"

priv1=$(find "$demo/extracted" -name priv1.edb | head -n 1)
echo "== tarvelo header ${priv1#"$demo"/}"
"$tarvelo" header "$priv1"
