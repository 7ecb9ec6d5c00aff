#!/usr/bin/env bash
# Damaged input: each stored settings record of the program cut short, filled with random bytes, made of
# an absurd size or of one byte, or with one byte changed; with each the program (the soak host) must
# start, connect and measure, and store the record whole again at its exit. Then the program's own logo
# file TEMP_TERVANE.bmp cut short (it must be rewritten) and a user print logo of random bytes (the
# report is printed on the default test printer, and a message names the logo). Then the files the
# program appends to, the one-file CSV of measured values and the diagnostic log (both switched on), each
# cut short, of random bytes and of another version: with each the program must start, measure and
# append, and the old content must stay a prefix of the file. Prints one line per case with PASS or FAIL.
#   scripts/soak/badinput.sh [SEED]
set -euo pipefail
build_targets=(TQ5 soakhost soakdriver)
source "$(dirname "$0")/../session.sh"
seed=${1:-$RANDOM}
echo "damaged input, seed $seed; machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
"$root/cmake/wine-run.sh" "$build" "$build/tools/soakdriver.exe" records "$seed" || status=1
"$root/cmake/wine-run.sh" "$build" "$build/tools/soakdriver.exe" bitmaps "$seed" || status=1
"$root/cmake/wine-run.sh" "$build" "$build/tools/soakdriver.exe" appended "$seed" || status=1
if [ $status = 0 ]; then
    echo "damaged input: PASS"
else
    echo "damaged input: FAIL"
    exit 1
fi
