#!/usr/bin/env bash
# The program in German, English and French: each started on a fresh Wine prefix under its locale (its own
# display and simulator), connected and measuring. Checks the page caption, the status texts while
# measuring and after Stop, and the menu titles against the language's string table, and that Spanish is
# not offered; saves a screenshot of each as build/soak/language-LL.png (look at them).
#   scripts/soak/languages.sh
set -euo pipefail
build_targets=(TQ5 soakhost soakdriver)
source "$(dirname "$0")/../session.sh"
echo "languages; machine: $(nproc) cores, load $(cut -d' ' -f1-3 /proc/loadavg)"
status=0
for locale in de_DE en_US fr_FR; do
    # A tree of its own for the session: the build's programs, a fresh prefix, display and simulator.
    tree=$build/soak/$locale
    rm -rf "$tree"
    mkdir -p "$tree"
    ln -s "$build/src" "$tree/src"
    ln -s "$build/tools" "$tree/tools"
    export TQ5_LANG=$locale.UTF-8
    LANG=$TQ5_LANG LC_ALL=$TQ5_LANG "$root/cmake/wine-session.sh" start "$tree"
    echo "== $locale"
    "$root/cmake/wine-run.sh" "$tree" "$build/tools/soakdriver.exe" language "language_$locale" || status=1
    "$root/cmake/wine-session.sh" stop "$tree"
    python3 "$root/scripts/bmp2png.py" "$build/tools/screenshots/language_$locale.bmp" \
        "$build/soak/language-${locale%_*}.png" && echo "screenshot: build/soak/language-${locale%_*}.png"
done
if [ $status = 0 ]; then
    echo "languages: PASS"
else
    echo "languages: FAIL"
fi
exit $status
