#!/usr/bin/env python3
"""Checks the faces on a printed judgement page of 山田 太郎, read from the
page as printed (a grey-scale PGM of the PDF): the total's face has its
whole outline (not a lone dot at its top), and the method faces rated "とても良い" have a
filled open mouth.

The page's units are found on the picture itself: the etched line above the
method scores runs from x 20 to x 580 at y 610.

usage: printed_faces.py PAGE.pgm
"""
import sys

DARK = 128


def read_pgm(path):
    with open(path, "rb") as f:
        data = f.read()
    fields = data.split(maxsplit=4)
    if fields[0] != b"P5":
        sys.exit("printed_faces: not a binary PGM")
    width, height = int(fields[1]), int(fields[2])
    pixels = fields[4][-width * height:]
    return width, height, pixels


def main():
    width, height, pixels = read_pgm(sys.argv[1])

    def px(x, y):
        return pixels[y * width + x]

    # The etched line: the longest run of light grey (not white, not dark)
    # in the lower half of the page.
    best = (0, 0, 0)
    for y in range(height // 2, height):
        run = start = 0
        for x in range(width):
            if 150 < px(x, y) < 235:
                if run == 0:
                    start = x
                run += 1
                if run > best[0]:
                    best = (run, start, y)
            else:
                run = 0
    run, left, line_y = best
    if run < width // 2:
        sys.exit("printed_faces: the etched line above the scores was not found")
    unit = run / 560.0

    def at(ux, uy):
        return int(left + (ux - 20) * unit), int(line_y + (uy - 610) * unit)

    def dark_near(ux, uy, reach=2):
        x, y = at(ux, uy)
        return any(px(x + dx, y + dy) < DARK
                   for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1))

    failures = []
    # The total's face: centre (460, 760), radius 45 units; its sides and
    # its bottom, where a printer drawing only the arc's start leaves nothing.
    for ux, uy in ((415, 760), (505, 760), (460, 805)):
        if not dark_near(ux, uy):
            failures.append("the total's face has no outline at (%d, %d)" % (ux, uy))
    # 陰陽 and 同画 of 山田 太郎 rate "とても良い": faces of size 15 at
    # (200, y + 10); the open mouth lies below cy + 4.
    for uy in (670 + 40 * 2 + 10, 670 + 40 * 3 + 10):
        if not dark_near(200, uy + 8, 0):
            failures.append("the open mouth at y %d is not filled" % uy)
    if failures:
        sys.exit("printed_faces: " + "; ".join(failures))
    print("printed_faces: ok (%.2f pixels a unit)" % unit)


main()
