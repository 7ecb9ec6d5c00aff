#!/usr/bin/env bash
# The test printers end to end: runs a test program's printer tests, which print pages to the printers'
# files and keep each as printer/<page>.ps with printer/<page>.expect beside it; ghostscript renders every
# kept page to printer/<page>.png at its printer's resolution (left there to look at) and to a raster whose
# size and pixels check-printed-page.py checks.
#   test-printer.sh BUILD_DIR TEST_PROGRAM GTEST_FILTER
set -uo pipefail
build=$(cd "$1" && pwd)
program=$2
filter=$3
here=$(cd "$(dirname "$0")" && pwd)
out=$build/wine/printer
mkdir -p "$out"
rm -f "$out"/page-*.ps "$out"/page-*.expect "$out"/page-*.png
"$here/wine-run.sh" "$build" "$program" --gtest_filter="$filter" --gtest_color=no || exit 1
status=0
pages=0
for expect in "$out"/page-*.expect; do
    [ -e "$expect" ] || break
    page=${expect%.expect}
    dpi=$(sed -n 's/^dpi //p' "$expect")
    if ! gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=png16m -r"$dpi" -sOutputFile="$page.png" "$page.ps" ||
        ! gs -q -dSAFER -dBATCH -dNOPAUSE -sDEVICE=ppmraw -r"$dpi" -sOutputFile="$page.ppm" "$page.ps"; then
        echo "FAILED: ghostscript could not render $page.ps"
        status=1
        continue
    fi
    python3 "$here/check-printed-page.py" "$page.png" "$page.ppm" "$expect" || status=1
    rm -f "$page.ppm"
    pages=$((pages + 1))
done
[ $pages -gt 0 ] || { echo "FAILED: no page was kept in $out"; status=1; }
exit $status
