#!/usr/bin/env python3
"""Draw the program's two icons and write them as .ico files.

resources/hoshikura.ico  application icon "MYMDIAPP": a gold star (hoshi)
                         over a brush stroke on an indigo seal.
resources/view.ico       view window icon "MDICHILD": a sheet of paper with
                         a gold star and lines of writing.

Each file holds one 32x32 image with 256 colours: an 8-bit palettised DIB
followed by its 1-bit AND mask (transparent where the mask bit is set).

Shapes are rasterised with 8x8 supersampling. Inside the emblem the samples
are averaged (anti-aliased edges between shapes); at the outer edge a pixel
is either opaque or transparent, because the AND mask has no partial alpha:
a pixel is opaque when at least half of its samples are covered, and then
takes the average colour of its covered samples only, so no background
colour bleeds into the rim.

Usage: python3 tools/gen_icons.py [--out-dir DIR] [--preview DIR]
--preview writes DIR/<name>.png: the icon magnified 8 times on a checker
board, and at 1x and 2x on light and dark grounds. Only the standard
library is used. Output is deterministic.
"""

import argparse
import math
import os
import struct
import sys
import zlib

SIZE = 32
SUPER = 8                      # samples per pixel along each axis
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
DEFAULT_OUT = os.path.join(ROOT, "resources")

# Colours (R, G, B).
INDIGO_DEEP = (24, 22, 78)
INDIGO = (40, 38, 120)
INDIGO_LIGHT = (66, 64, 160)
GOLD_DARK = (176, 122, 18)
GOLD = (224, 168, 36)
GOLD_LIGHT = (255, 218, 92)
CREAM = (250, 244, 226)
PAPER = (246, 238, 214)
PAPER_SHADE = (214, 202, 170)
INK = (32, 30, 84)


# ---------------------------------------------------------------- shapes
# A shape is a function (x, y) -> bool in pixel coordinates (0..32, y down).

def disc(cx, cy, r):
    r2 = r * r
    return lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= r2


def polygon(points):
    """Even-odd fill of a closed polygon."""
    pts = list(points)

    def inside(x, y):
        hit = False
        j = len(pts) - 1
        for i in range(len(pts)):
            xi, yi = pts[i]
            xj, yj = pts[j]
            if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
                hit = not hit
            j = i
        return hit
    return inside


def star_points(cx, cy, r_out, r_in, turn=0.0):
    """The ten corners of a five-pointed star, first point straight up."""
    pts = []
    for k in range(10):
        r = r_out if k % 2 == 0 else r_in
        a = math.radians(-90 + 36 * k + turn)
        pts.append((cx + r * math.cos(a), cy + r * math.sin(a)))
    return pts


def star_facets(cx, cy, r_out, r_in):
    """Ten triangles (centre, tip, inner corner): the lit and shaded halves of each arm."""
    pts = star_points(cx, cy, r_out, r_in)
    lit, shade = [], []
    for k in range(0, 10, 2):
        tip = pts[k]
        left, right = pts[k - 1], pts[(k + 1) % 10]
        lit.append(polygon([(cx, cy), tip, left]))
        shade.append(polygon([(cx, cy), tip, right]))
    return lit, shade


def rounded_rect(left, top, right, bottom, r):
    def inside(x, y):
        if not (left <= x <= right and top <= y <= bottom):
            return False
        qx = min(max(x, left + r), right - r)
        qy = min(max(y, top + r), bottom - r)
        return (x - qx) ** 2 + (y - qy) ** 2 <= r * r
    return inside


def brush_stroke(p0, p1, p2, r0, r1, steps=48):
    """A stroke along the quadratic curve p0-p1-p2 whose half-width runs from r0 to r1."""
    centres = []
    for i in range(steps + 1):
        t = i / steps
        x = (1 - t) ** 2 * p0[0] + 2 * (1 - t) * t * p1[0] + t * t * p2[0]
        y = (1 - t) ** 2 * p0[1] + 2 * (1 - t) * t * p1[1] + t * t * p2[1]
        r = r0 + (r1 - r0) * t
        centres.append((x, y, r * r))
    xs = [c[0] for c in centres]
    ys = [c[1] for c in centres]
    pad = max(r0, r1)
    box = (min(xs) - pad, min(ys) - pad, max(xs) + pad, max(ys) + pad)

    def inside(x, y):
        if not (box[0] <= x <= box[2] and box[1] <= y <= box[3]):
            return False
        return any((x - cx) ** 2 + (y - cy) ** 2 <= r2 for cx, cy, r2 in centres)
    return inside


def union(*shapes):
    return lambda x, y: any(s(x, y) for s in shapes)


def minus(shape, cut):
    return lambda x, y: shape(x, y) and not cut(x, y)


# ---------------------------------------------------------------- designs
# A design is a list of (shape, colour) layers, painted in order.

def app_icon_layers():
    """Gold star over a cream brush stroke on an indigo seal with a gold rim."""
    cx, cy = 16.0, 16.0
    layers = [
        (disc(cx, cy, 15.9), INDIGO_DEEP),              # dark rim: reads on light grounds
        (disc(cx, cy, 15.0), GOLD),                     # gold ring
        (disc(cx, cy, 13.6), INDIGO),                   # seal face
        (disc(cx - 2.5, cy - 3.5, 9.5), INDIGO_LIGHT),  # soft light from the upper left
        (minus(disc(cx, cy, 13.6), disc(cx - 1.0, cy - 1.5, 13.2)), INDIGO_DEEP),  # inner shadow
    ]
    # The star: a darker copy a little larger and lower outlines it; each arm has
    # a lit and a shaded half.
    sx, sy, r_out, r_in = 16.0, 11.6, 8.6, 3.5
    layers.append((polygon(star_points(sx, sy + 0.6, r_out + 0.6, r_in + 0.5)), GOLD_DARK))
    lit, shade = star_facets(sx, sy, r_out, r_in)
    layers += [(f, GOLD_LIGHT) for f in lit]
    layers += [(f, GOLD) for f in shade]
    # A brush stroke: pressed in at the left, thinning into a rising flick.
    stroke = union(
        polygon([(6.4, 21.4), (9.6, 20.4), (10.8, 25.2), (7.4, 25.4)]),
        brush_stroke((8.4, 23.0), (15.6, 23.4), (25.0, 20.0), 2.3, 0.6),
    )
    layers.append((stroke, CREAM))
    return layers


def view_icon_layers():
    """A sheet of paper with a folded corner, a gold star and three lines of writing."""
    left, top, right, bottom, fold = 6.0, 2.0, 26.0, 30.0, 6.0
    outline = polygon([(left, top), (right - fold, top), (right, top + fold),
                       (right, bottom), (left, bottom)])
    sheet = polygon([(left + 1, top + 1), (right - fold - 0.4, top + 1),
                     (right - 1, top + fold + 0.4), (right - 1, bottom - 1),
                     (left + 1, bottom - 1)])
    dog_ear = polygon([(right - fold, top + 0.6), (right - fold, top + fold),
                       (right - 0.6, top + fold)])
    layers = [
        (outline, INK),
        (sheet, PAPER),
        (dog_ear, PAPER_SHADE),
        # Ink along the fold: the diagonal, then the two edges of the turned-down corner.
        (brush_stroke((right - fold, top + 0.5), (right - fold / 2, top + fold / 2),
                      (right - 0.5, top + fold), 0.75, 0.75), INK),
        (polygon([(right - fold, top), (right - fold + 1.0, top),
                  (right - fold + 1.0, top + fold - 1.0), (right, top + fold - 1.0),
                  (right, top + fold), (right - fold, top + fold)]), INK),
    ]
    sx, sy, r_out, r_in = 13.6, 10.0, 5.6, 2.3
    layers.append((polygon(star_points(sx, sy + 0.5, r_out + 0.7, r_in + 0.6)), GOLD_DARK))
    lit, shade = star_facets(sx, sy, r_out, r_in)
    layers += [(f, GOLD_LIGHT) for f in lit]
    layers += [(f, GOLD) for f in shade]
    for y in (18.0, 22.0, 26.0):                      # two pixels high, on the pixel grid
        layers.append((rounded_rect(left + 3.0, y - 1.0, right - 3.0, y + 1.0, 0.9), INDIGO))
    return layers


# ---------------------------------------------------------------- raster

def rasterise(layers):
    """Return SIZE*SIZE pixels, each (r, g, b) or None (transparent)."""
    pixels = []
    step = 1.0 / SUPER
    half = SUPER * SUPER / 2
    for py in range(SIZE):
        for px in range(SIZE):
            acc = [0, 0, 0]
            covered = 0
            for sy in range(SUPER):
                y = py + (sy + 0.5) * step
                for sx in range(SUPER):
                    x = px + (sx + 0.5) * step
                    colour = None
                    for shape, c in layers:
                        if shape(x, y):
                            colour = c
                    if colour is not None:
                        covered += 1
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
            if covered >= half:
                pixels.append(tuple((v + covered // 2) // covered for v in acc))
            else:
                pixels.append(None)
    return pixels


def median_cut(colours, counts, limit):
    """Reduce a list of distinct colours to at most limit representatives."""
    boxes = [list(colours)]
    while len(boxes) < limit:
        best, best_range, axis = None, 0, 0
        for i, box in enumerate(boxes):
            if len(box) < 2:
                continue
            for a in range(3):
                vals = [c[a] for c in box]
                rng = max(vals) - min(vals)
                if rng > best_range:
                    best, best_range, axis = i, rng, a
        if best is None:
            break
        box = sorted(boxes.pop(best), key=lambda c: (c[axis], c))
        mid = len(box) // 2
        boxes += [box[:mid], box[mid:]]
    mapping = {}
    for box in boxes:
        total = sum(counts[c] for c in box)
        mean = tuple((sum(c[a] * counts[c] for c in box) + total // 2) // total for a in range(3))
        for c in box:
            mapping[c] = mean
    return mapping


def palettise(pixels):
    """Return (palette of 256 (r, g, b), indices); index 0 is transparent black."""
    counts = {}
    for p in pixels:
        if p is not None:
            counts[p] = counts.get(p, 0) + 1
    distinct = sorted(counts)
    mapping = {c: c for c in distinct}
    if len(distinct) > 255:
        mapping = median_cut(distinct, counts, 255)
    used = sorted(set(mapping.values()))
    palette = [(0, 0, 0)] + used
    index_of = {c: i for i, c in enumerate(palette) if i > 0}
    indices = [0 if p is None else index_of[mapping[p]] for p in pixels]
    palette += [(0, 0, 0)] * (256 - len(palette))
    return palette, indices


# ---------------------------------------------------------------- files

def ico_bytes(palette, indices):
    """One 32x32 8-bit image with its AND mask, bottom-up rows as in a DIB."""
    xor_rows, and_rows = [], []
    for y in range(SIZE - 1, -1, -1):
        row = indices[y * SIZE:(y + 1) * SIZE]
        xor_rows.append(bytes(row))                      # 32 bytes: already DWORD-aligned
        bits = 0
        for x, i in enumerate(row):
            if i == 0:
                bits |= 1 << (31 - x)
        and_rows.append(struct.pack(">I", bits))         # 32 bits, MSB is the leftmost pixel
    xor_data, and_data = b"".join(xor_rows), b"".join(and_rows)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 8, 0,
                         len(xor_data) + len(and_data), 0, 0, 256, 0)
    colours = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    image = header + colours + xor_data + and_data
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 8, len(image), 6 + 16)
    return directory + entry + image


def read_ico(data):
    """Decode a file written by ico_bytes back to pixels; raises on any surprise."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if (reserved, kind, count) != (0, 1, 1):
        raise ValueError("not a single-image icon")
    w, h, ncol, _, planes, bpp, size, offset = struct.unpack_from("<BBBBHHII", data, 6)
    if (w, h, ncol, planes, bpp) != (SIZE, SIZE, 0, 1, 8) or offset + size != len(data):
        raise ValueError("unexpected directory entry")
    bi = struct.unpack_from("<IiiHHIIiiII", data, offset)
    if bi[:6] != (40, SIZE, SIZE * 2, 1, 8, 0):
        raise ValueError("unexpected bitmap header")
    pal_at = offset + 40
    palette = [struct.unpack_from("<BBBB", data, pal_at + 4 * i) for i in range(256)]
    xor_at = pal_at + 1024
    and_at = xor_at + SIZE * SIZE
    pixels = [None] * (SIZE * SIZE)
    for row in range(SIZE):
        y = SIZE - 1 - row
        bits = struct.unpack_from(">I", data, and_at + 4 * row)[0]
        for x in range(SIZE):
            i = data[xor_at + row * SIZE + x]
            if bits >> (31 - x) & 1:
                if i != 0 or palette[0][:3] != (0, 0, 0):
                    raise ValueError("transparent pixel with a colour")
            else:
                b, g, r, _ = palette[i]
                pixels[y * SIZE + x] = (r, g, b)
    return pixels


def png_bytes(width, height, rgb_rows):
    def chunk(tag, body):
        return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body))
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rgb_rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def preview_rows(pixels):
    """8x on a checker board, then 1x and 2x on a light and on a dark ground."""
    big, gap = SIZE * 8, 12
    width = big + gap + 2 * SIZE + gap + 2 * SIZE + gap
    height = big
    light, dark = (236, 233, 216), (58, 110, 165)   # dialog face and desktop blue
    rows = [[(255, 255, 255)] * width for _ in range(height)]
    for y in range(big):
        for x in range(big):
            p = pixels[(y // 8) * SIZE + x // 8]
            checker = (204, 204, 204) if (x // 8 + y // 8) % 2 else (250, 250, 250)
            rows[y][x] = p if p is not None else checker
    col = big + gap
    for ground, y0 in ((light, 8), (dark, 8 + 3 * SIZE + gap)):
        for y in range(3 * SIZE):
            for x in range(2 * SIZE + gap + 2 * SIZE):
                rows[y0 + y][col + x] = ground
        for scale, x0 in ((1, col + SIZE // 2), (2, col + 2 * SIZE + gap)):
            for y in range(SIZE * scale):
                for x in range(SIZE * scale):
                    p = pixels[(y // scale) * SIZE + x // scale]
                    if p is not None:
                        rows[y0 + SIZE // 2 + y][x0 + x] = p
    return width, height, rows


# ---------------------------------------------------------------- checks

def check(name, pixels, palette, indices, data):
    errors = []
    if read_ico(data) != [None if i == 0 else palette[i] for i in indices]:
        errors.append("read-back differs from the palettised image")
    opaque = sum(1 for p in pixels if p is not None)
    if not 300 <= opaque <= 1000:
        errors.append("%d opaque pixels: the emblem is missing or fills the square" % opaque)
    corners = (0, SIZE - 1, SIZE * (SIZE - 1), SIZE * SIZE - 1)
    if any(pixels[c] is not None for c in corners):
        errors.append("a corner pixel is opaque: the background is not transparent")
    if len(set(indices)) < 8:
        errors.append("fewer than eight colours used")
    if errors:
        raise SystemExit("%s: check failed:\n  %s" % (name, "\n  ".join(errors)))
    return opaque, len(set(indices)) - (1 if 0 in indices else 0)


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--out-dir", default=DEFAULT_OUT)
    ap.add_argument("--preview", metavar="DIR", help="also write PNG previews into DIR")
    args = ap.parse_args(argv)
    designs = (("hoshikura", app_icon_layers), ("view", view_icon_layers))
    os.makedirs(args.out_dir, exist_ok=True)
    for name, layers in designs:
        pixels = rasterise(layers())
        palette, indices = palettise(pixels)
        data = ico_bytes(palette, indices)
        opaque, colours = check(name, pixels, palette, indices, data)
        path = os.path.join(args.out_dir, name + ".ico")
        with open(path, "wb") as f:
            f.write(data)
        print("%s: %d bytes, %d opaque pixels, %d colours" % (path, len(data), opaque, colours))
        if args.preview:
            os.makedirs(args.preview, exist_ok=True)
            shown = read_ico(data)
            w, h, rows = preview_rows(shown)
            png = os.path.join(args.preview, name + ".png")
            with open(png, "wb") as f:
                f.write(png_bytes(w, h, rows))
            print("  preview " + png)


if __name__ == "__main__":
    main(sys.argv[1:])
