#!/usr/bin/env python3
"""Fails when a library uses one above it in the layering.

    check-layering.py SOURCE_DIR NM LAYER=LIBRARY_OR_NONE ... (lowest layer first)

Two looks: the includes of each layer's sources name no header of a higher layer, and no symbol a
library leaves undefined is defined only in a higher library (nm). Each layer is the folder src/<layer>.
"""
import glob
import os
import re
import subprocess
import sys

INCLUDE = re.compile(r'^\s*#\s*include\s+"([a-z]+)/([^"]+)"', re.M)


def check_includes(src, order):
    rank = {layer: i for i, layer in enumerate(order)}
    errors = []
    for folder in order:
        if folder == "app":
            continue
        for path in sorted(glob.glob(os.path.join(src, "src", folder, "*.*"))):
            with open(path, encoding="utf-8", errors="replace") as f:
                text = f.read()
            for inc_folder, inc_name in INCLUDE.findall(text):
                if inc_folder not in rank:
                    continue
                if rank[inc_folder] > rank[folder]:
                    errors.append("%s (%s) includes %s/%s" % (os.path.relpath(path, src), folder,
                                                             inc_folder, inc_name))
    return errors


def symbols(nm, library):
    out = subprocess.run([nm, "-g", library], capture_output=True, text=True, check=True).stdout
    defined, undefined = set(), set()
    for line in out.splitlines():
        parts = line.split()
        if len(parts) == 2 and parts[0] == "U":
            undefined.add(parts[1])
        elif len(parts) == 3 and parts[1] not in ("U", "w", "v"):
            defined.add(parts[2])
    return defined, undefined


def check_symbols(nm, order, libraries):
    tables = {layer: symbols(nm, libraries[layer]) for layer in order if libraries.get(layer)}
    errors = []
    for i, layer in enumerate(order):
        if layer not in tables:
            continue
        below = set()
        for lower in order[:i + 1]:
            below |= tables.get(lower, (set(), set()))[0]
        missing = tables[layer][1] - below
        for higher in order[i + 1:]:
            used = missing & tables.get(higher, (set(), set()))[0]
            for name in sorted(used)[:10]:
                errors.append("%s uses %s of %s" % (layer, name, higher))
    return errors


def main():
    src, nm = sys.argv[1], sys.argv[2]
    order, libraries = [], {}
    for arg in sys.argv[3:]:
        layer, _, library = arg.partition("=")
        order.append(layer)
        libraries[layer] = library if library not in ("", "NONE") else None
    errors = check_includes(src, order) + check_symbols(nm, order, libraries)
    for error in errors:
        print("layering: " + error)
    print("layering: %s, %d violation(s)" % (" < ".join(order), len(errors)))
    return 1 if errors else 0


if __name__ == "__main__":
    sys.exit(main())
