#!/usr/bin/env bash
# Installs what is missing, builds the program, and starts it with the sensor simulator on COM5. The session
# (display, simulator, wineserver) lasts while the program runs, and while the instance it restarts after
# "Reset Views" runs.
set -euo pipefail
[ -n "${DISPLAY:-}" ] && export TQ5_USE_DISPLAY=${TQ5_USE_DISPLAY:-1}
# The program and the screenshot tool; the test programs are built by scripts/test.sh.
build_targets=(TQ5 screenshot)
source "$(dirname "$0")/session.sh"
display=$(cat "$build/wine/display")
if [ "${TQ5_USE_DISPLAY:-0}" = 1 ]; then
    echo "TQ5 shows on your display $display."
else
    echo "TQ5 shows on the virtual display $display (Xvfb): there is no window on your screen."
    echo "To look at it, run in another terminal: scripts/screenshot.sh shot.png (then open shot.png)."
fi

source "$root/scripts/program-runs.sh"

status=0
"$root/cmake/wine-run.sh" "$build" "$build/src/TQ5.exe" "$@" || status=$?
while program_runs; do
    sleep 1
done
exit $status
