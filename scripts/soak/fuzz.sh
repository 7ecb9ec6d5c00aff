#!/usr/bin/env bash
# The receive path fuzzed: FRAMES (default 1,000,000) random and mutated answers and stream records fed to
# the protocol engine in every state of its machine, built with checked standard containers
# (_GLIBCXX_ASSERTIONS); then ROUNDS (default 10) of the simulator's garbage fault through the real program
# and port while measurements start and stop. A failing case prints its seed ("--case S" repeats it).
#   scripts/soak/fuzz.sh [FRAMES] [ROUNDS] [SEED]
set -euo pipefail
build_targets=(TQ5 soakhost soakdriver protocol_fuzz_checked)
source "$(dirname "$0")/../session.sh"
frames=${1:-1000000}
rounds=${2:-10}
seed=${3:-}
echo "fuzz: $frames frames, $rounds garbage rounds; machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
"$root/cmake/wine-run.sh" "$build" "$build/tools/protocol_fuzz_checked.exe" --frames "$frames" \
    ${seed:+--seed "$seed"} || status=1
"$root/cmake/wine-run.sh" "$build" "$build/tools/soakdriver.exe" garbage "$rounds" "${seed:-$RANDOM}" || status=1
if [ $status = 0 ]; then
    echo "fuzz: PASS"
else
    echo "fuzz: FAIL"
fi
exit $status
