#!/usr/bin/env python3
"""Converts an uncompressed 24- or 32-bit BMP file (as the screenshots of scripts/screenshot.sh and of the
test programs are) to a PNG file.
    bmp2png.py IN.bmp OUT.png"""
import struct
import sys
import zlib


def read_bmp(data):
    if data[:2] != b"BM":
        raise ValueError("not a BMP file")
    offset = struct.unpack_from("<I", data, 10)[0]
    _, width, height, _, bits, compression = struct.unpack_from("<IiiHHI", data, 14)
    if compression != 0 or bits not in (24, 32):
        raise ValueError(f"unsupported BMP: {bits} bits per pixel, compression {compression}")
    step = bits // 8
    stride = (width * step + 3) & ~3
    rows = []
    for y in range(abs(height)):
        # A positive height stores the rows from the bottom up.
        source = abs(height) - 1 - y if height > 0 else y
        line = data[offset + source * stride:offset + source * stride + width * step]
        rgb = bytearray(width * 3)
        rgb[0::3] = line[2::step]
        rgb[1::3] = line[1::step]
        rgb[2::3] = line[0::step]
        rows.append(b"\0" + bytes(rgb))
    return width, abs(height), b"".join(rows)


def png(width, height, rows):
    def chunk(kind, body):
        return struct.pack(">I", len(body)) + kind + body + struct.pack(">I", zlib.crc32(kind + body))

    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(rows, 6)) + chunk(b"IEND", b""))


def main():
    if len(sys.argv) != 3:
        sys.exit(__doc__)
    with open(sys.argv[1], "rb") as f:
        width, height, rows = read_bmp(f.read())
    with open(sys.argv[2], "wb") as f:
        f.write(png(width, height, rows))


if __name__ == "__main__":
    main()
