#!/usr/bin/env python3
"""Writes src/resources/cursor_link.rc: the hand cursor (32 x 32, monochrome) shown over the note
window's links, cursor group 193 with the image 1193.

Run once by hand after changing the picture; the .rc is committed and the build does not run this.
The image carries an explicit id, as the icons do (see make_led_icons.py).
"""
import struct

from make_led_icons import words, write_resource_file

SIZE = 32
HOTSPOT = (9, 1)
# '#' black, '.' white, ' ' transparent.
HAND = [
    "        ##                      ",
    "       #..#                     ",
    "       #..#                     ",
    "       #..#                     ",
    "       #..#                     ",
    "       #..###                   ",
    "       #..#..###                ",
    "       #..#..#..##              ",
    "       #..#..#..#.#             ",
    "   ### #..#..#..#..#            ",
    "   #..##........#..#            ",
    "   #...#...........#            ",
    "    #..............#            ",
    "     #.............#            ",
    "     #............#             ",
    "      #...........#             ",
    "      #..........#              ",
    "       #.........#              ",
    "       #.........#              ",
    "       ###########              ",
]


def image():
    rows = [row.ljust(SIZE) for row in HAND] + [" " * SIZE] * (SIZE - len(HAND))
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0, 0, 0, 0, 2, 0)
    palette = struct.pack("BBBB", 0, 0, 0, 0) + struct.pack("BBBB", 255, 255, 255, 0)
    xor = b""
    mask = b""
    for row in reversed(rows):
        colour = 0
        transparent = 0
        for ch in row:
            colour = (colour << 1) | (1 if ch == "." else 0)
            transparent = (transparent << 1) | (1 if ch == " " else 0)
        xor += struct.pack(">I", colour)
        mask += struct.pack(">I", transparent)
    return struct.pack("<HH", *HOTSPOT) + header + palette + xor + mask


def main():
    data = image()
    # NEWHEADER and one CURSORDIRENTRY: width, height (doubled), planes, bits, size, image id.
    group = struct.pack("<HHHHHHHIH", 0, 2, 1, SIZE, SIZE * 2, 1, 1, len(data), 1193)
    out = ["// The hand cursor over the note window's links. Written by tools/icons/make_link_cursor.py;",
           "// do not edit.",
           "#pragma code_page(65001)", "",
           "1193 1 // RT_CURSOR", "BEGIN", words(data), "END",
           "193 12 // RT_GROUP_CURSOR", "BEGIN", words(group), "END", ""]
    write_resource_file("cursor_link.rc", out)


if __name__ == "__main__":
    main()
