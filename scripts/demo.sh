#!/usr/bin/env bash
# The demo: the README's run command as a new user types it (the program starts on a display of its own,
# with the simulated sensor on COM5), then an operator script starts a measurement, waits 10 s and saves
# what the screen shows as demo.png (or FILE); then it stops the measurement and closes the program.
# Look at the picture: the channel values and the curve in the diagram.
#   scripts/demo.sh [FILE.png]
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
out=$(realpath -m "${1:-demo.png}")
cd "$root"
log=$(mktemp)
TQ5_USE_DISPLAY=0 ./scripts/run.sh >"$log" 2>&1 &
run=$!
trap 'kill $run 2>/dev/null || true; rm -f "$log"' EXIT
echo "scripts/run.sh started (output in $log); waiting for the build and the program"
"$root/scripts/build.sh" soakdriver >/dev/null
source "$root/scripts/program-runs.sh"
until [ -s "$build/wine/display" ] && program_runs; do
    kill -0 $run 2>/dev/null || { cat "$log"; echo "demo: FAIL (scripts/run.sh ended)"; exit 1; }
    sleep 1
done
"$root/cmake/wine-run.sh" "$build" "$build/tools/soakdriver.exe" operate 10
./scripts/screenshot.sh "$out"
"$root/cmake/wine-run.sh" "$build" "$build/tools/soakdriver.exe" finish
wait $run
echo "demo: done; look at $out"
