#!/usr/bin/env bash
# Runs tests of one test program again and again, each round in a fresh Wine session, and stops at the
# first failure: a check that a test is not flaky.
#   repeat-test.sh PROGRAM FILTER [ROUNDS]
# e.g. repeat-test.sh app 'ProgramCalibrationSequenceTest.TheSequence*' 20
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
program=${1:?test program, e.g. app}
filter=${2:?gtest filter}
rounds=${3:-20}
"$root/scripts/build.sh" "test_$program" >/dev/null
cd "${BUILD_DIR:-$root/build}"
for ((i = 1; i <= rounds; i++)); do
    start=$(date +%s)
    if ! GTEST_FILTER="$filter" ctest --output-on-failure -R "^$program\$" >"repeat-$program.log" 2>&1; then
        echo "round $i of $rounds failed; see $(pwd)/repeat-$program.log"
        exit 1
    fi
    echo "round $i of $rounds passed ($(($(date +%s) - start)) s)"
done
echo "all $rounds rounds passed"
