#!/usr/bin/env bash
# Saves what the display of the build's Wine session shows (the program started by scripts/run.sh) as a PNG.
#   screenshot.sh [FILE.png]        (default: screenshot.png)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=${1:-screenshot.png}
display=$(cat "$build/wine/display" 2>/dev/null) || { echo "no Wine session in $build (start scripts/run.sh)" >&2; exit 1; }
xwd -root -silent -display "$display" | python3 "$root/scripts/xwd2png.py" >"$out"
echo "$display -> $out"
