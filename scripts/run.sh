#!/usr/bin/env bash
# Installs what is missing, builds, and starts the program with the sensor simulator on COM5.
set -euo pipefail
[ -n "${DISPLAY:-}" ] && export TQ5_USE_DISPLAY=${TQ5_USE_DISPLAY:-1}
source "$(dirname "$0")/session.sh"
display=$(cat "$build/wine/display")
if [ "${TQ5_USE_DISPLAY:-0}" = 1 ]; then
    echo "TQ5 shows on your display $display."
else
    echo "TQ5 shows on the virtual display $display (Xvfb): there is no window on your screen."
    echo "To look at it, run in another terminal: scripts/screenshot.sh shot.png (then open shot.png)."
fi
"$root/cmake/wine-run.sh" "$build" "$build/src/TQ5.exe" "$@"
