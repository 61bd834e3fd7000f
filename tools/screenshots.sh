#!/usr/bin/env bash
# Starts the desktop program under a virtual X display and saves PNG pictures into a folder (default
# build/screenshots): the screen with the splash window and with the main window just started, the
# main window while it scans the demo backup and after the scan, and two message boxes.
# Usage: tools/screenshots.sh [folder]   (builds what it needs in build/release)
set -euo pipefail
cd "$(dirname "$0")/.."
build=${TARVELO_BUILD_ROOT:-$PWD/build}/release
out=${1:-${TARVELO_BUILD_ROOT:-$PWD/build}/screenshots}
mkdir -p "$out"
out=$(cd "$out" && pwd)
cmake -S . -B "$build" -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j "${TARVELO_JOBS:-2}" --target quorin-tarvelo tarvelo_gui_shots
unset QT_QPA_PLATFORM
export XDG_RUNTIME_DIR=${XDG_RUNTIME_DIR:-$(mktemp -d)}

cat >"$out/.session.sh" <<SESSION
#!/usr/bin/env bash
"$build/app/quorin-tarvelo" & pid=\$!
sleep 1.2; import -window root "$out/splash.png"
sleep 3.5; import -window root "$out/main.png"
kill \$pid; wait \$pid 2>/dev/null
"$build/tests/gui/tarvelo_gui_shots" "$out"
SESSION
chmod +x "$out/.session.sh"
xvfb-run -a -s "-screen 0 1440x900x24" "$out/.session.sh"
rm -f "$out/.session.sh"
ls -1 "$out"/*.png
