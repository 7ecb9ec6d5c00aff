#!/usr/bin/env python3
"""Writes the four pictures of the pass/fail light pane: src/resources/light_grey.bmp (212, not
evaluated), light_green.bmp (213, pass), light_red.bmp (214, fail) and light_yellow.bmp (215).

A lamp of a traffic light, square, 24-bit uncompressed BMP. Run once by hand after changing a lamp; the
pictures are committed and the build does not run this.
"""
import math
import os
import struct

SIZE = 96
BACKGROUND = (212, 208, 200)  # the dialog face
HOUSING = (40, 40, 40)

# file name, dark body, bright centre
LAMPS = [
    ("light_grey.bmp", (110, 110, 110), (190, 190, 190)),
    ("light_green.bmp", (0, 120, 0), (90, 255, 90)),
    ("light_red.bmp", (150, 0, 0), (255, 90, 90)),
    ("light_yellow.bmp", (170, 140, 0), (255, 240, 90)),
]


def mix(a, b, t):
    return tuple(int(round(a[i] + (b[i] - a[i]) * t)) for i in range(3))


def pixel(x, y, body, centre):
    c = (SIZE - 1) / 2.0
    d = math.hypot(x - c, y - c)
    housing = SIZE * 0.48
    lamp = SIZE * 0.40
    if d > housing:
        return BACKGROUND
    if d > lamp:
        return HOUSING
    # A highlight up and to the left of the lamp's centre.
    h = math.hypot(x - c * 0.8, y - c * 0.8) / lamp
    return mix(centre, body, min(1.0, h))


def write(path, body, centre):
    row = bytearray()
    rows = []
    for y in range(SIZE - 1, -1, -1):
        row = bytearray()
        for x in range(SIZE):
            r, g, b = pixel(x, y, body, centre)
            row += bytes((b, g, r))
        while len(row) % 4:
            row.append(0)
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 14 + 40)
    info = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def main():
    out = os.path.join(os.path.dirname(__file__), "..", "..", "src", "resources")
    for name, body, centre in LAMPS:
        write(os.path.join(out, name), body, centre)


if __name__ == "__main__":
    main()
