#!/usr/bin/env bash
# Emulator for ctest and the run script: runs a Windows executable in the build tree's Wine session.
#   wine-run.sh BUILD_DIR program.exe [args...]
set -uo pipefail
build=$(cd "$1" && pwd)
shift
here=$(cd "$(dirname "$0")" && pwd)
"$here/wine-session.sh" ensure "$build" || exit 1
state=$build/wine
export WINEPREFIX=$state/prefix
export WINEDEBUG=${WINEDEBUG:--all}
# No interactive debugger on a crash: the process ends and the test fails instead of hanging.
export WINEDLLOVERRIDES=${WINEDLLOVERRIDES:-"mscoree,mshtml=;winedbg.exe=d"}
export DISPLAY=$(cat "$state/display")
export LANG=${TQ5_LANG:-de_DE.UTF-8}
export LC_ALL=$LANG
[ -s "$state/sim.port" ] && export SENSORSIM_PORT=$(cat "$state/sim.port")
export TQ5_BUILD_DIR=$build
exec wine "$@"
