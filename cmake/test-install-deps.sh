#!/usr/bin/env bash
# scripts/install-deps.sh as a user who is not root: every change of the system goes through sudo.
# Packages and locales are reported missing (de_DE commented out in the locale list, the others absent) and
# sudo only records what it is asked to run.
#   test-install-deps.sh SOURCE_DIR
set -uo pipefail
src=$(cd "$1" && pwd)
if [ "$(id -u)" -eq 0 ]; then
    work=$(mktemp -d)
    trap 'rm -rf "$work"' EXIT
    # The source tree may lie where the other user cannot enter (a private temporary folder): the two
    # scripts run from a copy of their own.
    mkdir -p "$work/tree/cmake" "$work/tree/scripts"
    cp "$0" "$work/tree/cmake/"
    cp "$src/scripts/install-deps.sh" "$work/tree/scripts/"
    chown -R 65534:65534 "$work"
    setpriv --reuid=65534 --regid=65534 --clear-groups env HOME="$work" WORK="$work" \
        "$work/tree/cmake/$(basename "$0")" "$work/tree"
    exit $?
fi
work=${WORK:-$(mktemp -d)}
mkdir -p "$work/bin"
for tool in dpkg-query apt-get locale-gen; do
    printf '#!/bin/sh\nexit 1\n' >"$work/bin/$tool"
done
printf '#!/bin/sh\necho C.UTF-8\n' >"$work/bin/locale"
printf '#!/bin/sh\necho "$*" >>"%s/sudo.log"\ncat >/dev/null\n' "$work" >"$work/bin/sudo"
chmod +x "$work/bin/"*
printf '# de_DE.UTF-8 UTF-8\n' >"$work/locale.gen"
if ! PATH="$work/bin:$PATH" TQ5_LOCALE_GEN="$work/locale.gen" "$src/scripts/install-deps.sh" </dev/null >"$work/out" 2>&1; then
    echo "FAILED: install-deps.sh failed as user $(id -un):"
    cat "$work/out"
    exit 1
fi
status=0
for wanted in "apt-get install" "sed -i" "tee -a" "locale-gen"; do
    grep -qF "$wanted" "$work/sudo.log" 2>/dev/null || { echo "FAILED: no sudo for $wanted"; status=1; }
done
[ $status -eq 0 ] && echo "ok: as $(id -un), through sudo:" && cat "$work/sudo.log"
exit $status
