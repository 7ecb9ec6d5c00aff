#!/usr/bin/env bash
# Unplug and replug of the sensor's interface during a stream, CYCLES times (default 100), through the soak
# host with the diagnostic log on: each cycle the simulator unplugs, a device removal for COM5 is sent to
# the main window (Wine sends none for a pty), the report of the loss is read (a message box answered, or
# the status) and its entry in the diagnostic log, the simulator is plugged in again with an arrival, and
# the program must reconnect and stream again. Prints the report count, the log entries, the
# reconnections, and the process's kernel handles (the file handles named), GDI objects, windows (its own
# probe, the median of five probes while the program holds its port) and threads (/proc) at cycle 10 (a
# run of fewer than 20 cycles: cycle 1) and every tenth, each with its goal and PASS or FAIL.
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
