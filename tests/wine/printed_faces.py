#!/usr/bin/env python3
"""Checks the faces on a printed judgement page, read from the page as
printed (a grey-scale PGM of the PDF) at the places the test program wrote
from the page's own layout: every face has its whole outline (not a lone dot
at its top), and a face of the highest level has a filled open mouth in the
middle of its lower half.

The page's units are found on the picture itself, from the etched line
above the method scores.

usage: printed_faces.py PAGE.pgm FACES.txt
  FACES.txt: "x y length" of the etched line, then "x y size level" a face.
"""
import sys

DARK = 128
TOP_LEVEL = 6


def main():
    data = open(sys.argv[1], "rb").read()
    fields = data.split(maxsplit=4)
    if fields[0] != b"P5":
        sys.exit("printed_faces: not a binary PGM")
    width, height = int(fields[1]), int(fields[2])
    pixels = fields[4][-width * height:]
    rows = [list(map(int, line.split())) for line in open(sys.argv[2]) if line.strip()]
    (line_x, line_y, line_length), faces = rows[0], rows[1:]

    def px(x, y):
        return pixels[y * width + x]

    # The etched line: the longest run of light grey (not white, not dark)
    # in the lower half of the page.
    best = (0, 0, 0)
    for y in range(height // 2, height):
        run = start = 0
        for x in range(width):
            if 150 < px(x, y) < 235:
                start = x if run == 0 else start
                run += 1
                if run > best[0]:
                    best = (run, start, y)
            else:
                run = 0
    run, left, top = best
    if run < width // 2:
        sys.exit("printed_faces: the etched line above the scores was not found")
    unit = run / float(line_length)

    def dark_near(ux, uy, reach):
        x, y = int(left + (ux - line_x) * unit), int(top + (uy - line_y) * unit)
        return any(px(x + dx, y + dy) < DARK
                   for dx in range(-reach, reach + 1) for dy in range(-reach, reach + 1))

    failures = []
    for x, y, size, level in faces:
        # Its sides and its bottom, where a printer drawing only the arc's
        # start leaves nothing.
        for ux, uy in ((x - size, y), (x + size, y), (x, y + size)):
            if not dark_near(ux, uy, 2):
                failures.append("the face at (%d, %d) has no outline at (%d, %d)" % (x, y, ux, uy))
        if level == TOP_LEVEL and not dark_near(x, y + size * 8 // 15, 0):
            failures.append("the open mouth of the face at (%d, %d) is not filled" % (x, y))
    if failures:
        sys.exit("printed_faces: " + "; ".join(failures))
    print("printed_faces: ok, %d faces (%.2f pixels a unit)" % (len(faces), unit))


main()
