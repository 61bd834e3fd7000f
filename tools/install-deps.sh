#!/usr/bin/env bash
# Installs every Debian package the build, the tests and CI need. Idempotent; run as root.
set -euo pipefail

if [ "$(id -u)" -ne 0 ]; then
  echo "install-deps.sh: run as root (it calls apt-get)" >&2
  exit 1
fi
export DEBIAN_FRONTEND=noninteractive

packages=(
  # build
  build-essential cmake ninja-build git file pkg-config ca-certificates
  # tests, fuzzing, benchmarks, format and lint
  googletest libgtest-dev libgmock-dev libbenchmark-dev
  clang libclang-rt-14-dev clang-format clang-tidy python3
  # command-line tool
  libcli11-dev nlohmann-json3-dev
  # desktop program: Qt 6 Widgets, headless and virtual displays, fonts, MIME descriptions
  qt6-base-dev qt6-base-dev-tools libgl-dev xvfb xauth x11-apps imagemagick
  fonts-dejavu-core fonts-liberation shared-mime-info
)

# Windows build of the core, tested under Wine (needs the i386 architecture). The 64-bit compiler and
# Wine run the tests on machines whose kernel cannot start 32-bit programs (tools/test-windows.sh).
windows_packages=(g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix wine wine32 wine64)

want_windows=${TARVELO_WITH_WINDOWS:-1}
if [ "$want_windows" = 1 ] && ! dpkg --print-foreign-architectures | grep -qx i386; then
  dpkg --add-architecture i386
fi

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
done
if [ "$want_windows" = 1 ]; then
  for p in "${windows_packages[@]}"; do
    dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed' || missing+=("$p")
  done
fi

if [ ${#missing[@]} -gt 0 ]; then
  echo "install-deps.sh: installing ${missing[*]}"
  apt-get update -qq
  apt-get install -y -qq --no-install-recommends "${missing[@]}" >/dev/null
fi
echo "install-deps.sh: all packages present"
