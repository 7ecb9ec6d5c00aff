#!/usr/bin/env bash
# Builds and runs the benchmarks under Wine with the simulated sensor on COM5.
#   bench.sh [NAME...]      (default: every benchmark in build/bench, e.g. bench_ports_receive)
set -euo pipefail
source "$(dirname "$0")/session.sh"
names=("$@")
[ ${#names[@]} -eq 0 ] && names=($(cd "$build/bench" && ls *.exe | sed 's/\.exe$//'))
status=0
for name in "${names[@]}"; do
    echo "== $name"
    "$root/cmake/wine-run.sh" "$build" "$build/bench/$name.exe" || status=1
done
exit $status
