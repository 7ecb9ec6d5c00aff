#!/usr/bin/env python3
"""Writes src/resources/ListHeader.bmp: the header images of the sensor-connection page's port list,
three 13 x 13 images side by side in 24-bit colour, magenta (255, 0, 255) where the header shows through.
Image 0 is a plug on its cable; 1 and 2 are spare slots of the image list (a plain frame).

Run once by hand after changing a picture; the bitmap is committed and the build does not run this.
"""
import os
import struct

SIZE = 13
COUNT = 3
COLOURS = {
    " ": (255, 0, 255),
    "#": (0, 0, 0),
    "o": (96, 96, 96),
    ".": (200, 200, 200),
    "g": (0, 128, 0),
}
PLUG = [
    "             ",
    "   #     #   ",
    "   #     #   ",
    " ########### ",
    " #.........# ",
    " #..g...g..# ",
    " #.........# ",
    "  #.......#  ",
    "   #.....#   ",
    "    #####    ",
    "      o      ",
    "      o      ",
    "      o      ",
]
FRAME = [" " * SIZE] + [" " + "#" * (SIZE - 2) + " "] + \
    [" #" + " " * (SIZE - 4) + "# " for _ in range(SIZE - 4)] + [" " + "#" * (SIZE - 2) + " ", " " * SIZE]


def rows():
    """The pixel rows from the top, each a list of (r, g, b)."""
    images = [PLUG, FRAME, FRAME]
    for y in range(SIZE):
        yield [COLOURS[ch] for image in images for ch in image[y]]


def write_bmp(path):
    width = SIZE * COUNT
    stride = (width * 3 + 3) & ~3
    pixels = b""
    for row in reversed(list(rows())):
        line = b"".join(struct.pack("<BBB", b, g, r) for r, g, b in row)
        pixels += line + b"\0" * (stride - len(line))
    header = struct.pack("<IiiHHIIiiII", 40, width, SIZE, 1, 24, 0, len(pixels), 2835, 2835, 0, 0)
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    with open(path, "wb") as f:
        f.write(file_header + header + pixels)


if __name__ == "__main__":
    here = os.path.dirname(os.path.abspath(__file__))
    write_bmp(os.path.join(here, "..", "..", "src", "resources", "ListHeader.bmp"))
