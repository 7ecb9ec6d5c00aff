#!/usr/bin/env bash
# "wine-session.sh start" fails when the display or the simulator does not come up.
#   test-wine-session.sh SOURCE_DIR
set -uo pipefail
src=$(cd "$1" && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/bin" "$work/build"
status=0

expect_failure() {
    local what=$1
    if PATH="$work/bin:$PATH" "$src/cmake/wine-session.sh" start "$work/build" 2>"$work/err"; then
        echo "FAILED: start succeeded although $what"
        status=1
    elif ! grep -q "did not come up" "$work/err"; then
        echo "FAILED: start failed without saying why ($what):"
        cat "$work/err"
        status=1
    else
        echo "ok: $what: $(cat "$work/err")"
    fi
    "$src/cmake/wine-session.sh" stop "$work/build"
}

printf '#!/bin/sh\nexit 1\n' >"$work/bin/Xvfb"
chmod +x "$work/bin/Xvfb"
expect_failure "the display does not start"

rm "$work/bin/Xvfb"
printf '#!/bin/sh\nexit 1\n' >"$work/bin/python3"
chmod +x "$work/bin/python3"
expect_failure "the simulator does not start"
exit $status
