#!/usr/bin/env python3
"""Checks a page rendered to PNG against what the printing test expected of it.

   check-printed-page.py PAGE.png PAGE.ppm PAGE.expect

PAGE.png and PAGE.ppm are ghostscript's renderings of the page at one resolution; the pixels are read from
the PPM file, whose size must be the PNG's.
The expectations are lines: "dpi N"; "size W H" (the sheet at the printer's resolution, to a pixel);
"dark X Y R G B" (a dark pixel near X, Y: lines are thin); "light X Y R G B" (no dark pixel near it);
"rgb X Y R G B" (that colour at X, Y, within 48 per channel)."""
import struct
import sys

NEAR = 2


def png_size(path):
    """Width and height of a PNG file."""
    with open(path, 'rb') as f:
        head = f.read(24)
    if head[:8] != b'\x89PNG\r\n\x1a\n' or head[12:16] != b'IHDR':
        raise ValueError(f'{path} is not a PNG file')
    return struct.unpack('>II', head[16:24])


def read_ppm(path):
    """Width, height and the RGB bytes of a binary PPM file."""
    with open(path, 'rb') as f:
        data = f.read()
    fields, pos = [], 0
    while len(fields) < 4:
        while data[pos:pos + 1].isspace():
            pos += 1
        if data[pos:pos + 1] == b'#':
            pos = data.index(b'\n', pos)
            continue
        end = pos
        while not data[end:end + 1].isspace():
            end += 1
        fields.append(data[pos:end])
        pos = end
    if fields[0] != b'P6' or fields[3] != b'255':
        raise ValueError(f'{path} is not an 8-bit binary PPM file')
    return int(fields[1]), int(fields[2]), data[pos + 1:]


def main(png, ppm, expect):
    width, height = png_size(png)
    ppm_width, ppm_height, rgb = read_ppm(ppm)
    if (ppm_width, ppm_height) != (width, height):
        print(f'FAILED: {png} is {width} x {height}, its raster {ppm_width} x {ppm_height}')
        return 1
    pixel = lambda x, y: tuple(rgb[3 * (y * width + x):3 * (y * width + x) + 3])
    dark = lambda x, y: sum(pixel(x, y)) < 200
    around = lambda x, y: [(i, j) for i in range(x - NEAR, x + NEAR + 1) for j in range(y - NEAR, y + NEAR + 1)
                           if 0 <= i < width and 0 <= j < height]
    failures = []
    with open(expect) as f:
        for line in f:
            what, *values = line.split()
            numbers = [int(v) for v in values]
            if what == 'size':
                if abs(width - numbers[0]) > 1 or abs(height - numbers[1]) > 1:
                    failures.append(f'size {width} x {height}, expected {numbers[0]} x {numbers[1]}')
            elif what == 'dark' and not any(dark(i, j) for i, j in around(*numbers[:2])):
                failures.append(f'no dark pixel near {numbers[:2]}: {pixel(*numbers[:2])}')
            elif what == 'light' and any(dark(i, j) for i, j in around(*numbers[:2])):
                failures.append(f'a dark pixel near {numbers[:2]}')
            elif what == 'rgb' and any(abs(p - e) > 48 for p, e in zip(pixel(*numbers[:2]), numbers[2:5])):
                failures.append(f'{pixel(*numbers[:2])} at {numbers[:2]}, expected {tuple(numbers[2:5])}')
    for failure in failures:
        print(f'FAILED: {png}: {failure}')
    if not failures:
        print(f'ok: {png}: {width} x {height}')
    return 1 if failures else 0


if __name__ == '__main__':
    sys.exit(main(sys.argv[1], sys.argv[2], sys.argv[3]))
