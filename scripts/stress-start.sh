#!/usr/bin/env bash
# Starts the program many times through a program test, with crash backtraces on, and counts the crashes.
#   stress-start.sh [REPEATS] [GTEST_FILTER]
# A crash prints Wine's register dump, stack dump and backtrace of the faulting thread into the log
# (build/stress-start.log); the summary lists every "Unhandled" line. Exits non-zero when one was seen.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
build=${BUILD_DIR:-$root/build}
repeats=${1:-50}
filter=${2:-ProgramTest.SecondStartRestoresTheWindowWhereItWas}
log=$build/stress-start.log
"$root/scripts/build.sh" TQ5 test_app >/dev/null
"$root/cmake/wine-session.sh" ensure "$build"
export WINEPREFIX=$build/wine/prefix
# winedbg prints the crash to the console and ends the process instead of opening its dialog.
WINEDEBUG=-all wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
WINEDLLOVERRIDES="mscoree,mshtml=" "$root/cmake/wine-run.sh" "$build" "$build/tests/test_app.exe" \
    --gtest_color=no --gtest_filter="$filter" --gtest_repeat="$repeats" >"$log" 2>&1 || true
passed=$(grep -c '^\[       OK' "$log" || true)
failed=$(grep -c '^\[  FAILED  \] .*ms)' "$log" || true)
crashes=$(grep -c 'Unhandled' "$log" || true)
echo "stress-start: $repeats runs of $filter: $passed passed, $failed failed, $crashes crash lines (log: $log)"
grep 'Unhandled' "$log" || true
[ "$crashes" -eq 0 ]
