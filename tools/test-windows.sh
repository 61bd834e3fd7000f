#!/usr/bin/env bash
# Builds the Windows targets (core libraries, command-line tool, tests; no GUI) with MinGW-w64 and runs
# the tests under Wine.
#
# The product is a 32-bit Windows program, so the 32-bit build is always made (warnings are errors).
# Its tests run under Wine's 32-bit loader when this machine can start 32-bit programs. A kernel without
# 32-bit emulation cannot; then the same sources are also built for 64-bit Windows and the tests run
# under 64-bit Wine (LLP64: `long` is still 32 bits there, so narrow file positions still show).
# TARVELO_WINDOWS_ARCH=i686 or x86_64 forces the choice.
set -euo pipefail
cd "$(dirname "$0")/.."
root=$PWD
jobs=${TARVELO_JOBS:-$(nproc)}
build=${TARVELO_BUILD_ROOT:-$root/build}

export WINEDEBUG=-all
export WINEDLLOVERRIDES="mscoree,mshtml=" # no Mono or Gecko prompts in a fresh prefix
export CTEST_OUTPUT_ON_FAILURE=1

since() { echo "($((SECONDS - started)) s)"; }
started=$SECONDS

configure_and_build() { # arch
  local dir=$build/windows-$1
  # -O2 as in the native release build: g++ 12's -O3 reports false -Wrestrict overlaps inside std::string.
  cmake -S . -B "$dir" -G Ninja -DCMAKE_BUILD_TYPE=Release -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" \
    -DTARVELO_WERROR=ON -DTARVELO_GUI=OFF \
    -DCMAKE_TOOLCHAIN_FILE="$root/cmake/toolchain-mingw-$1.cmake" >/dev/null
  cmake --build "$dir" -j "$jobs"
  echo "--- built $1 $(since)"
}

can_run_32bit() {
  [ -x /usr/lib/wine/wine ] && /usr/lib/wine/wine --version >/dev/null 2>&1
}

echo "--- 32-bit Windows build (i686-w64-mingw32)"
configure_and_build i686

arch=${TARVELO_WINDOWS_ARCH:-}
if [ -z "$arch" ]; then
  if can_run_32bit; then
    arch=i686
  else
    arch=x86_64
    echo "--- this machine cannot start 32-bit programs (no 32-bit emulation in the kernel):"
    echo "--- the 32-bit build is compiled only; the tests run on the 64-bit Windows build"
  fi
fi
if [ "$arch" = x86_64 ]; then
  echo "--- 64-bit Windows build (x86_64-w64-mingw32)"
  configure_and_build x86_64
  wine=/usr/lib/wine/wine64
else
  wine=wine
fi

dir=$build/windows-$arch
# Wine turns Windows file names into Unix ones with the locale's character set: without a UTF-8
# locale (a bare environment has none) every name outside ASCII fails with "File not found".
export LC_ALL=C.UTF-8
export WINEPREFIX=$dir/wineprefix
mkdir -p "$WINEPREFIX"

stop_wine() { wineserver -k >/dev/null 2>&1 || true; }
trap stop_wine EXIT

# Start the server and let the prefix come up once with every stream redirected: Wine's background
# services inherit the first program's streams and would otherwise hold ctest's output pipe open.
wineserver -p </dev/null >/dev/null 2>&1
timeout 300 "$wine" cmd /c exit </dev/null >/dev/null 2>&1
echo "--- Wine is up $(since)"

echo "--- tests under Wine ($arch)"
timeout 2400 ctest --test-dir "$dir" -j "$jobs" --timeout 900 </dev/null
echo "--- Windows tests done $(since)"
