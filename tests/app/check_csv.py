#!/usr/bin/env python3
"""Reads the measured-value file of a folder with Python's csv module (cp1252) and the separator the
documentation page shows: every data row has its number, one value of channel A and the empty field
after the last separator, and each value parses once its decimal mark is swapped.
    check_csv.py FOLDER SEPARATOR DECIMAL"""
import csv
import glob
import sys


def main():
    folder, separator, decimal = sys.argv[1:4]
    files = glob.glob(folder + "/TAB*.csv")
    if len(files) != 1:
        print("FAILED: expected one file in %s, found %d" % (folder, len(files)))
        return 1
    with open(files[0], encoding="cp1252", newline="") as f:
        rows = list(csv.reader(f, delimiter=separator))
    header = [i for i, row in enumerate(rows) if row and row[0] == "#"]
    if len(header) != 1:
        print("FAILED: no column header line")
        return 1
    count = 0
    for row in rows[header[0] + 1:]:
        if not row:
            break
        if len(row) != 3 or row[0] != str(count) or row[2] != "":
            print("FAILED: row %d: %r" % (count, row))
            return 1
        number, unit = row[1].split(" ")
        if unit != "N\u00b7m" or (decimal != "." and "." in number):
            print("FAILED: row %d: value %r" % (count, row[1]))
            return 1
        float(number.replace(decimal, "."))
        count += 1
    if count < 100:
        print("FAILED: only %d rows" % count)
        return 1
    print("%s: %d rows read with separator %r" % (files[0], count, separator))
    return 0


if __name__ == "__main__":
    sys.exit(main())
