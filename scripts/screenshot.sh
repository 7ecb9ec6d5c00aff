#!/usr/bin/env bash
# Saves what the display of the build's Wine session shows (the program started by scripts/run.sh) as a PNG.
# The picture is read through Wine's screen, as the test programs take their screenshots, so menus, message
# boxes and dialogs show as they are; it covers the visible windows.
#   screenshot.sh [FILE.png]        (default: screenshot.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=${1:-screenshot.png}
pid=$(cat "$build/wine/wineserver.pid" 2>/dev/null) && kill -0 "$pid" 2>/dev/null ||
    { echo "no Wine session in $build (start scripts/run.sh)" >&2; exit 1; }
[ -f "$build/tools/screenshot.exe" ] || "$root/scripts/build.sh" screenshot >/dev/null
bmp=$(mktemp --suffix=.bmp)
trap 'rm -f "$bmp"' EXIT
"$root/cmake/wine-run.sh" "$build" "$build/tools/screenshot.exe" "Z:${bmp//\//\\}"
python3 "$root/scripts/bmp2png.py" "$bmp" "$out"
echo "$(cat "$build/wine/display") -> $out"
