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

# True while a TQ5.exe of this session's Wine prefix runs (a restarted instance is a process of its own).
program_runs() {
    local pid
    for pid in $(pgrep -x TQ5.exe); do
        # A process may end between the listing and the reading.
        tr '\0' '\n' 2>/dev/null <"/proc/$pid/environ" | grep -qxF "WINEPREFIX=$build/wine/prefix" && return 0
    done
    return 1
}

status=0
"$root/cmake/wine-run.sh" "$build" "$build/src/TQ5.exe" "$@" || status=$?
while program_runs; do
    sleep 1
done
exit $status
