#!/usr/bin/env python3
"""Converts a true-colour XWD image (as xwd writes it) on stdin to a PNG on stdout."""
import struct
import sys
import zlib


def shift_of(mask):
    shift = 0
    while mask and not mask & 1:
        mask >>= 1
        shift += 1
    return shift, mask


def main():
    data = sys.stdin.buffer.read()
    fields = struct.unpack(">25I", data[:100])
    header_size, _, _, _, width, height = fields[:6]
    byte_order, bits_per_pixel, bytes_per_line = fields[7], fields[11], fields[12]
    masks = fields[14:17]
    ncolors = fields[19]
    pixels = data[header_size + 12 * ncolors:]
    step = bits_per_pixel // 8
    order = "little" if byte_order == 0 else "big"
    shifts = [shift_of(m) for m in masks]
    rows = bytearray()
    for y in range(height):
        rows.append(0)
        line = pixels[y * bytes_per_line:(y + 1) * bytes_per_line]
        for x in range(width):
            value = int.from_bytes(line[x * step:(x + 1) * step], order)
            for shift, mask in shifts:
                rows.append(((value >> shift) & mask) * 255 // mask)

    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
    png += chunk(b"IDAT", zlib.compress(bytes(rows), 6)) + chunk(b"IEND", b"")
    sys.stdout.buffer.write(png)


if __name__ == "__main__":
    main()
