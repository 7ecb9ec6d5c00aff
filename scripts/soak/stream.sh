#!/usr/bin/env bash
# A measurement streaming at the top rate offered through the soak host (the program with a probe of its
# own), CHANNELS 2 (default: rate code 1, 2500 records/s, the top rate for both channels) or 1 (rate code
# 0, 5000 records/s), for SECONDS (default 600), with automatic storage of measured values on (each
# measurement into a file of its own index in C:\tq5storage\soak\stream of the prefix). Prints each
# figure with its goal and PASS or FAIL: records sent, lost or doubled (sequence values in the diagram's
# curve), a stop before Stop, CPU of the program and the wineserver, the window's answer to WM_NULL every
# 100 ms, resident memory; then the measured-value file: the time from Stop until it is written, its rows
# against the records sent (one more: the end point), every value in sequence. The file is deleted after
# the check.
#   scripts/soak/stream.sh [SECONDS] [CHANNELS]
set -euo pipefail
build_targets=(TQ5 soakhost soakdriver)
source "$(dirname "$0")/../session.sh"
seconds=${1:-600}
channels=${2:-2}
echo "stream soak: $seconds s, $channels channel(s); machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
if "$root/cmake/wine-run.sh" "$build" "$build/tools/soakdriver.exe" stream "$seconds" "$channels"; then
    echo "stream soak: PASS"
else
    echo "stream soak: FAIL"
    exit 1
fi
