#!/usr/bin/env python3
"""Writes src/resources/navi_icons.rc: the 35 pictures of the navigation tree and the menu (16 x 16,
16 colours), icon groups 141 to 175 with the images 1141 to 1175.

Run once by hand after changing a picture; the .rc is committed and the build does not run this. The
images carry explicit ids because windres numbers the images of ICON statements from 1 in every .rc
file (see make_led_icons.py).
"""
from make_led_icons import icon_image, icon_resources, write_resource_file

K, MAROON, GREEN, OLIVE, NAVY, PURPLE, TEAL, SILVER = 0, 1, 2, 3, 4, 5, 6, 7
GRAY, RED, LIME, YELLOW, BLUE, FUCHSIA, AQUA, WHITE = 8, 9, 10, 11, 12, 13, 14, 15
SIZE = 16

# A 3 x 5 font for the few letters the pictures carry.
GLYPHS = {
    "i": ["010", "000", "010", "010", "010"],
    "?": ["110", "001", "010", "000", "010"],
    "1": ["010", "110", "010", "010", "111"],
    "2": ["110", "001", "010", "100", "111"],
    "A": ["010", "101", "111", "101", "101"],
    "B": ["110", "101", "110", "101", "110"],
    "C": ["011", "100", "100", "100", "011"],
    "D": ["110", "101", "101", "101", "110"],
    "E": ["111", "100", "110", "100", "111"],
    "F": ["111", "100", "110", "100", "100"],
}


class Picture:
    def __init__(self):
        self.p = [[None] * SIZE for _ in range(SIZE)]

    def set(self, x, y, c):
        if 0 <= x < SIZE and 0 <= y < SIZE:
            self.p[y][x] = c

    def fill(self, x0, y0, x1, y1, c):
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.set(x, y, c)

    def frame(self, x0, y0, x1, y1, c):
        for x in range(x0, x1 + 1):
            self.set(x, y0, c)
            self.set(x, y1, c)
        for y in range(y0, y1 + 1):
            self.set(x0, y, c)
            self.set(x1, y, c)

    def box(self, x0, y0, x1, y1, inside, rim=K):
        self.fill(x0, y0, x1, y1, inside)
        self.frame(x0, y0, x1, y1, rim)

    def line(self, x0, y0, x1, y1, c):
        n = max(abs(x1 - x0), abs(y1 - y0), 1)
        for i in range(n + 1):
            self.set(round(x0 + (x1 - x0) * i / n), round(y0 + (y1 - y0) * i / n), c)

    def disc(self, cx, cy, r, c, rim=None):
        for y in range(SIZE):
            for x in range(SIZE):
                d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
                if d <= r:
                    self.set(x, y, rim if rim is not None and d > r - 1.0 else c)

    def text(self, x, y, s, c):
        for ch in s:
            for dy, row in enumerate(GLYPHS[ch]):
                for dx, bit in enumerate(row):
                    if bit == "1":
                        self.set(x + dx, y + dy, c)
            x += 4


def folder(open_):
    p = Picture()
    p.box(1, 3, 6, 5, YELLOW)
    p.box(1, 4, 14, 13, YELLOW)
    if open_:
        p.fill(3, 7, 15, 13, OLIVE)
        p.frame(3, 7, 15, 13, K)
    return p


def flag(stripes, vertical):
    p = Picture()
    for i, c in enumerate(stripes):
        if vertical:
            p.fill(1 + 5 * i - (i > 0), 3, 5 + 5 * i - (i > 0), 12, c)
        else:
            p.fill(1, 3 + 3 * i + (i > 0), 14, 5 + 3 * i + (i > 0), c)
    p.frame(1, 3, 14, 12, K)
    return p


def cross_flag():
    p = Picture()
    p.fill(1, 3, 14, 12, NAVY)
    p.line(1, 3, 14, 12, WHITE)
    p.line(1, 12, 14, 3, WHITE)
    p.fill(1, 7, 14, 8, RED)
    p.fill(7, 3, 8, 12, RED)
    p.frame(1, 3, 14, 12, K)
    return p


def bar(state):
    p = Picture()
    p.box(1, 2, 14, 13, WHITE)
    p.fill(2, 3, 13, 4, NAVY)
    if state == "shown":
        p.line(4, 8, 6, 11, GREEN)
        p.line(5, 8, 7, 11, GREEN)
        p.line(7, 11, 12, 5, GREEN)
    elif state == "hidden":
        p.fill(3, 7, 12, 11, SILVER)
    elif state == "na":
        p.line(4, 6, 11, 12, GRAY)
        p.line(11, 6, 4, 12, GRAY)
    else:
        p.text(6, 7, "?", RED)
    return p


def disk(mark):
    p = Picture()
    p.box(1, 1, 14, 14, NAVY)
    p.box(4, 1, 11, 6, WHITE)
    p.fill(9, 2, 10, 5, NAVY)
    p.box(3, 9, 12, 14, WHITE)
    if mark == "values":
        p.text(4, 10, "1", K)
        p.text(8, 10, "2", K)
    else:
        p.line(4, 13, 7, 10, RED)
        p.line(7, 10, 11, 12, RED)
    return p


def printer():
    p = Picture()
    p.box(4, 1, 11, 6, WHITE)
    p.box(1, 6, 14, 12, SILVER)
    p.fill(12, 8, 13, 8, LIME)
    p.box(4, 10, 11, 15, WHITE)
    p.line(5, 12, 10, 12, GRAY)
    return p


def exit_door():
    p = Picture()
    p.box(2, 1, 10, 14, MAROON)
    p.set(8, 8, YELLOW)
    p.line(9, 7, 14, 7, GREEN)
    p.line(12, 5, 14, 7, GREEN)
    p.line(12, 9, 14, 7, GREEN)
    return p


def plug():
    p = Picture()
    p.box(5, 5, 10, 11, SILVER)
    p.fill(6, 1, 6, 4, K)
    p.fill(9, 1, 9, 4, K)
    p.fill(7, 12, 8, 15, K)
    return p


def info(fill):
    p = Picture()
    p.disc(7.5, 7.5, 7.2, fill, K)
    p.fill(7, 3, 8, 4, WHITE)
    p.fill(7, 6, 8, 12, WHITE)
    return p


def sliders():
    p = Picture()
    p.box(0, 0, 15, 15, WHITE)
    for i, x in enumerate((4, 8, 12)):
        p.line(x, 2, x, 13, GRAY)
        y = (4, 10, 7)[i]
        p.box(x - 1, y - 1, x + 1, y + 1, BLUE)
    return p


def document(mark=None):
    p = Picture()
    p.box(2, 0, 13, 15, WHITE)
    for y in (3, 5, 7, 9, 11):
        p.line(4, y, 11, y, GRAY)
    if mark:
        p.fill(9, 10, 12, 13, mark)
    return p


def scale():
    p = Picture()
    p.fill(7, 2, 8, 13, K)
    p.line(2, 4, 13, 4, K)
    p.line(2, 4, 0, 9, GRAY)
    p.line(2, 4, 4, 9, GRAY)
    p.line(13, 4, 11, 9, GRAY)
    p.line(13, 4, 15, 9, GRAY)
    p.fill(0, 9, 4, 10, OLIVE)
    p.fill(11, 9, 15, 10, OLIVE)
    p.fill(4, 13, 11, 14, K)
    return p


def chart():
    p = Picture()
    p.box(0, 0, 15, 15, WHITE)
    p.line(2, 2, 2, 13, K)
    p.line(2, 13, 13, 13, K)
    p.line(3, 11, 6, 6, RED)
    p.line(6, 6, 9, 9, RED)
    p.line(9, 9, 13, 3, RED)
    return p


def magnifier():
    p = Picture()
    p.disc(6, 6, 5, AQUA, K)
    p.line(9, 9, 14, 14, K)
    p.line(10, 9, 15, 14, K)
    return p


def reset():
    p = Picture()
    for y in range(SIZE):
        for x in range(SIZE):
            d = ((x - 7.5) ** 2 + (y - 7.5) ** 2) ** 0.5
            p.set(x, y, GREEN if 4.5 <= d <= 6.5 and not (x > 8 and y < 7) else None)
    p.fill(9, 1, 14, 2, GREEN)
    p.fill(13, 1, 14, 6, GREEN)
    return p


def letter_tile(s, fill, ink=WHITE):
    p = Picture()
    p.box(1, 3, 14, 12, fill)
    p.text(8 - 2 * len(s), 5, s, ink)
    return p


PICTURES = [
    (149, folder(False)),  # 0 closed folder
    (150, folder(True)),  # 1 open folder
    (141, letter_tile("A", TEAL)),  # 2
    (143, flag([K, RED, YELLOW], False)),  # 3 German
    (146, cross_flag()),  # 4 English
    (147, letter_tile("B", TEAL)),  # 5
    (148, letter_tile("C", TEAL)),  # 6
    (142, flag([BLUE, WHITE, RED], True)),  # 7 French
    (144, letter_tile("D", TEAL)),  # 8
    (145, letter_tile("E", TEAL)),  # 9
    (152, bar("shown")),  # 10 bar shown
    (151, bar("hidden")),  # 11 bar hidden
    (153, bar("na")),  # 12 bar not available
    (154, bar("unknown")),  # 13 state unknown
    (157, letter_tile("F", TEAL)),  # 14
    (155, disk("values")),  # 15 save measured values
    (156, disk("diagram")),  # 16 save diagram
    (158, printer()),  # 17 print
    (159, exit_door()),  # 18 exit
    (169, letter_tile("1", PURPLE)),  # 19
    (164, letter_tile("2", PURPLE)),  # 20
    (171, plug()),  # 21 sensor connection
    (172, info(TEAL)),  # 22 sensor information
    (168, sliders()),  # 23 measure configuration
    (166, document()),  # 24 documentation
    (170, scale()),  # 25 sensor calibration
    (167, chart()),  # 26 measure and diagram mode
    (165, magnifier()),  # 27 diagnostic mode
    (175, letter_tile("A", OLIVE)),  # 28
    (173, letter_tile("B", OLIVE)),  # 29
    (174, reset()),  # 30 reset views
    (163, letter_tile("C", OLIVE)),  # 31
    (160, letter_tile("D", OLIVE)),  # 32
    (161, info(BLUE)),  # 33 information
    (162, document(YELLOW)),  # 34 note
]


def main():
    out = ["// The pictures of the navigation tree and the menu, 16 x 16 with 16 colours. Written by",
           "// tools/icons/make_navi_icons.py; do not edit.",
           "#pragma code_page(65001)", ""]
    for group_id, picture in sorted(PICTURES, key=lambda item: item[0]):
        out += icon_resources(str(group_id), 1000 + group_id, icon_image(picture.p))
    write_resource_file("navi_icons.rc", out)


if __name__ == "__main__":
    main()
