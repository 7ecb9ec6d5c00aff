#!/usr/bin/env python3
"""Writes src/resources/leds.rc: the LED icons (16 x 16, 16 colours) as icon and icon-group resources.

Run once by hand after changing a lamp; the .rc is committed and the build does not run this. The icon
images carry explicit ids: windres numbers the images of ICON statements from 1 in every .rc file, so
they would collide with the images of another script's icons when the objects are linked.
"""
import math
import os
import struct

# The 16-colour palette: index -> (r, g, b).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
BLACK, MAROON, GREEN, OLIVE, SILVER, GRAY, RED, LIME, YELLOW, WHITE = 0, 1, 2, 3, 7, 8, 9, 10, 11, 15

# (group name, group id, image id, rim, body, highlight)
LAMPS = [
    ("IDI_LED_OFF", 176, 1176, BLACK, GRAY, SILVER),
    ("IDI_LED_GREEN", 177, 1177, BLACK, GREEN, LIME),
    ("IDI_LED_RED", 178, 1178, BLACK, MAROON, RED),
    ("IDI_LED_YELLOW", 179, 1179, BLACK, OLIVE, YELLOW),
]

SIZE = 16
CENTRE = 7.5
RADIUS = 6.8


def pixel(x, y, rim, body, light):
    """Palette index of one pixel, or None outside the lamp."""
    d = math.hypot(x - CENTRE, y - CENTRE)
    if d > RADIUS:
        return None
    if d > RADIUS - 1.2:
        return rim
    # A bright disc towards the upper left, the body colour elsewhere.
    if math.hypot(x - 6.0, y - 6.0) < 3.6:
        return light
    return body


def icon_image(rows):
    """An icon image of palette indexes (None: transparent): header, palette, colour bits and mask,
    bottom-up."""
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(struct.pack("BBBB", b, g, r, 0) for (r, g, b) in PALETTE)
    xor = b""
    mask = b""
    for row in reversed(rows):
        nibbles = [(p if p is not None else 0) for p in row]
        xor += bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, SIZE, 2))
        bits = 0
        for p in row:
            bits = (bits << 1) | (1 if p is None else 0)
        mask += struct.pack(">H", bits) + b"\0\0"  # rows padded to 32 bits
    return header + palette + xor + mask


def image(rim, body, light):
    """The icon image of one lamp."""
    return icon_image([[pixel(x, y, rim, body, light) for x in range(SIZE)] for y in range(SIZE)])


def words(data):
    """Raw resource data as lines of 16-bit little-endian words."""
    values = ["0x%04X" % struct.unpack_from("<H", data, i)[0] for i in range(0, len(data), 2)]
    return ",\n".join("    " + ", ".join(values[i:i + 12]) for i in range(0, len(values), 12))


def icon_resources(group_name, image_id, data):
    """The lines of one icon image and its group (GRPICONDIR with one entry: width, height, colours,
    reserved, planes, bits, size, image id)."""
    group = struct.pack("<HHHBBBBHHIH", 0, 1, 1, SIZE, SIZE, 16, 0, 1, 4, len(data), image_id)
    return ["%d 3 // RT_ICON" % image_id, "BEGIN", words(data), "END",
            "%s 14 // RT_GROUP_ICON" % group_name, "BEGIN", words(group), "END", ""]


def write_resource_file(name, lines):
    """Writes src/resources/<name>."""
    path = os.path.join(os.path.dirname(__file__), "..", "..", "src", "resources", name)
    with open(path, "w") as f:
        f.write("\n".join(lines))


def main():
    out = ["// The LED lamps of the operator panel, 16 x 16 with 16 colours. Written by",
           "// tools/icons/make_led_icons.py; do not edit.",
           "#pragma code_page(65001)",
           '#include "resource_led.h"', ""]
    for name, group_id, image_id, rim, body, light in LAMPS:
        out += icon_resources(name, image_id, image(rim, body, light))
    write_resource_file("leds.rc", out)


if __name__ == "__main__":
    main()
