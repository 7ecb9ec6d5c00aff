#!/usr/bin/env bash
# The measured-value file under a user locale, read by Python's csv module: runs the program test that
# writes it under TQ5_LANG, then checks the file with the separators of that language and locale.
#   test-csv.sh BUILD_DIR TEST_PROGRAM CODE LOCALE SEPARATOR DECIMAL   (separators: semicolon, comma, point)
set -uo pipefail
build=$(cd "$1" && pwd)
here=$(cd "$(dirname "$0")" && pwd)
mark() { case $1 in semicolon) echo ";" ;; comma) echo "," ;; point) echo "." ;; esac; }
"$here/wine-run.sh" "$build" "$2" --gtest_filter=ProgramStorageTest.CsvFile* --gtest_color=no || exit 1
python3 "$here/../tests/app/check_csv.py" "$build/wine/prefix/drive_c/tq5storage/csv_$3" "$(mark "$5")" "$(mark "$6")"
