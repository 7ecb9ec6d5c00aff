#!/usr/bin/env bash
# Unplug and replug of the sensor's interface during a stream, CYCLES times (default 100), through the soak
# host: each cycle the simulator unplugs, a device removal for COM5 is sent to the main window (Wine sends
# none for a pty), the report of the loss is read (a message box answered, or the status), the simulator
# is plugged in again with an arrival, and the program must reconnect and stream again. Prints the report
# count, the reconnections, and the process's kernel handles, GDI objects, windows (its own probe) and
# threads (/proc) at cycle 10 and every tenth, each with its goal and PASS or FAIL.
#   scripts/soak/unplug.sh [CYCLES]
set -euo pipefail
build_targets=(TQ5 soakhost soakdriver)
source "$(dirname "$0")/../session.sh"
cycles=${1:-100}
echo "unplug soak: $cycles cycles; machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
if "$root/cmake/wine-run.sh" "$build" "$build/tools/soakdriver.exe" unplug "$cycles"; then
    echo "unplug soak: PASS"
else
    echo "unplug soak: FAIL"
    exit 1
fi
