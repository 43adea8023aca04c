#!/usr/bin/env python3
"""Draw the program's two icons and write them as .ico files.

resources/hoshikura.ico  application icon "MYMDIAPP": a gold star (hoshi)
                         over a brush stroke on an indigo seal.
resources/view.ico       view window icon "MDICHILD": a sheet of paper with
                         a gold star and lines of writing.

Each file holds the sizes Windows asks for at the usual display scales
(16, 20, 24, 32, 48, 64 and 256 pixels), so captions, the taskbar and the
version window stay sharp at any dpi. The design is drawn in a 32-unit
square and rasterised at each size. Up to 64 pixels an image is a 32-bit
DIB with alpha followed by its 1-bit AND mask (transparent where alpha is
0); the 256-pixel image is a PNG, as Windows stores large icons.

Shapes are rasterised with supersampling (about 256 samples per 32-unit
pixel, at least 2x2 per pixel). Inside the emblem the samples are averaged
(anti-aliased edges between shapes); at the outer edge the share of covered
samples is the pixel's alpha and its colour the average of its covered
samples only, so no background colour bleeds into the rim.

Usage: python3 tools/gen_icons.py [--out-dir DIR] [--preview DIR]
--preview writes DIR/<name>.png: the 32-pixel image magnified 8 times on a
checker board, and at 1x and 2x on light and dark grounds. Only the standard
library is used. Output is deterministic.
"""

import argparse
import math
import os
import struct
import sys
import zlib

SIZE = 32                      # the design's square, in units
SIZES = (16, 20, 24, 32, 48, 64, 256)
PNG_FROM = 256                 # images this large are stored as PNG
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

def rasterise(layers, size):
    """Return size*size pixels, each (r, g, b, a) with a in 0..255."""
    pixels = []
    super_ = max(2, 16 * SIZE // size)  # samples per pixel along each axis
    unit = SIZE / size                  # design units per pixel
    step = unit / super_
    samples = super_ * super_
    for py in range(size):
        for px in range(size):
            acc = [0, 0, 0]
            covered = 0
            for sy in range(super_):
                y = py * unit + (sy + 0.5) * step
                for sx in range(super_):
                    x = px * unit + (sx + 0.5) * step
                    colour = None
                    for shape, c in layers:
                        if shape(x, y):
                            colour = c
                    if colour is not None:
                        covered += 1
                        acc[0] += colour[0]
                        acc[1] += colour[1]
                        acc[2] += colour[2]
            if covered:
                rgb = tuple((v + covered // 2) // covered for v in acc)
                pixels.append(rgb + ((255 * covered + samples // 2) // samples,))
            else:
                pixels.append((0, 0, 0, 0))
    return pixels


# ---------------------------------------------------------------- files

def dib_bytes(size, pixels):
    """A 32-bit DIB with alpha and its AND mask, bottom-up rows."""
    colour_rows, mask_rows = [], []
    mask_stride = (size + 31) // 32 * 4
    for y in range(size - 1, -1, -1):
        row = pixels[y * size:(y + 1) * size]
        colour_rows.append(b"".join(struct.pack("<BBBB", b, g, r, a) for r, g, b, a in row))
        bits = bytearray(mask_stride)
        for x, p in enumerate(row):
            if p[3] == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask_rows.append(bytes(bits))
    colour, mask = b"".join(colour_rows), b"".join(mask_rows)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask), 0, 0, 0, 0)
    return header + colour + mask


def image_bytes(size, pixels):
    if size >= PNG_FROM:
        rows = [pixels[y * size:(y + 1) * size] for y in range(size)]
        return png_bytes(size, size, rows, alpha=True)
    return dib_bytes(size, pixels)


def ico_bytes(images):
    """An icon file of (size, pixels) images, smallest first."""
    blobs = [image_bytes(size, pixels) for size, pixels in images]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for (size, _), blob in zip(images, blobs):
        side = size if size < 256 else 0
        out += struct.pack("<BBBBHHII", side, side, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    return out + b"".join(blobs)


def read_png(data):
    """Decode a PNG written by png_bytes (8-bit RGBA, filter 0) to pixels."""
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise ValueError("not a PNG")
    at, idat, width = 8, b"", 0
    while at < len(data):
        length, tag = struct.unpack_from(">I4s", data, at)
        body = data[at + 8:at + 8 + length]
        if tag == b"IHDR":
            width, height, depth, kind = struct.unpack_from(">IIBB", body)
            if (depth, kind) != (8, 6):
                raise ValueError("not 8-bit RGBA")
        elif tag == b"IDAT":
            idat += body
        at += 12 + length
    raw = zlib.decompress(idat)
    stride = 1 + 4 * width
    pixels = []
    for y in range(len(raw) // stride):
        row = raw[y * stride:(y + 1) * stride]
        if row[0] != 0:
            raise ValueError("unexpected PNG filter")
        pixels += [tuple(row[1 + 4 * x:5 + 4 * x]) for x in range(width)]
    return pixels


def read_dib(data, size):
    bi = struct.unpack_from("<IiiHHIIiiII", data, 0)
    if bi[:6] != (40, size, size * 2, 1, 32, 0):
        raise ValueError("unexpected bitmap header")
    mask_stride = (size + 31) // 32 * 4
    colour_at, mask_at = 40, 40 + 4 * size * size
    pixels = [None] * (size * size)
    for row in range(size):
        y = size - 1 - row
        for x in range(size):
            b, g, r, a = struct.unpack_from("<BBBB", data, colour_at + 4 * (row * size + x))
            masked = data[mask_at + row * mask_stride + x // 8] & (0x80 >> (x % 8))
            if bool(masked) != (a == 0):
                raise ValueError("AND mask disagrees with alpha")
            pixels[y * size + x] = (r, g, b, a)
    return pixels


def read_ico(data):
    """Decode a file written by ico_bytes to {size: pixels}; raises on any surprise."""
    reserved, kind, count = struct.unpack_from("<HHH", data, 0)
    if (reserved, kind) != (0, 1):
        raise ValueError("not an icon")
    images = {}
    for i in range(count):
        w, h, ncol, _, planes, bpp, length, offset = struct.unpack_from("<BBBBHHII", data, 6 + 16 * i)
        size = w or 256
        if (w, ncol, planes, bpp) != (h, 0, 1, 32) or offset + length > len(data):
            raise ValueError("unexpected directory entry")
        blob = data[offset:offset + length]
        images[size] = read_png(blob) if size >= PNG_FROM else read_dib(blob, size)
    return images


def png_bytes(width, height, rows, alpha=False):
    def chunk(tag, body):
        return struct.pack(">I", len(body)) + tag + body + struct.pack(">I", zlib.crc32(tag + body))
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rows)
    return (b"\x89PNG\r\n\x1a\n"
            + chunk(b"IHDR", struct.pack(">IIBBBBB", width, height, 8, 6 if alpha else 2, 0, 0, 0))
            + chunk(b"IDAT", zlib.compress(raw, 9))
            + chunk(b"IEND", b""))


def over(p, ground):
    """An RGBA pixel laid over an RGB ground."""
    a = p[3]
    return tuple((p[i] * a + ground[i] * (255 - a) + 127) // 255 for i in range(3))


def preview_rows(pixels):
    """8x on a checker board, then 1x and 2x on a light and on a dark ground."""
    big, gap = SIZE * 8, 12
    width = big + gap + 2 * SIZE + gap + 2 * SIZE + gap
    height = big
    light, dark = (236, 233, 216), (58, 110, 165)   # dialog face and desktop blue
    rows = [[(255, 255, 255)] * width for _ in range(height)]
    for y in range(big):
        for x in range(big):
            checker = (204, 204, 204) if (x // 8 + y // 8) % 2 else (250, 250, 250)
            rows[y][x] = over(pixels[(y // 8) * SIZE + x // 8], checker)
    col = big + gap
    for ground, y0 in ((light, 8), (dark, 8 + 3 * SIZE + gap)):
        for y in range(3 * SIZE):
            for x in range(2 * SIZE + gap + 2 * SIZE):
                rows[y0 + y][col + x] = ground
        for scale, x0 in ((1, col + SIZE // 2), (2, col + 2 * SIZE + gap)):
            for y in range(SIZE * scale):
                for x in range(SIZE * scale):
                    rows[y0 + SIZE // 2 + y][x0 + x] = over(pixels[(y // scale) * SIZE + x // scale], ground)
    return width, height, rows


# ---------------------------------------------------------------- checks

def check(name, images, data):
    """The file reads back as drawn; at every size the emblem covers about
    the same share of the square, the corners are clear and the colours many."""
    errors = []
    if read_ico(data) != dict(images):
        errors.append("read-back differs from the drawn images")
    for size, pixels in images:
        opaque = sum(p[3] for p in pixels) / 255 / (size * size)
        if not 0.29 <= opaque <= 0.98:
            errors.append("%d: %.2f of the square opaque: the emblem is missing or fills it" % (size, opaque))
        corners = (0, size - 1, size * (size - 1), size * size - 1)
        if any(pixels[c][3] for c in corners):
            errors.append("%d: a corner pixel is opaque: the background is not transparent" % size)
        if len({p[:3] for p in pixels if p[3]}) < 8:
            errors.append("%d: fewer than eight colours used" % size)
    if errors:
        raise SystemExit("%s: check failed:\n  %s" % (name, "\n  ".join(errors)))


def main(argv):
    ap = argparse.ArgumentParser(description=__doc__.split("\n")[0])
    ap.add_argument("--out-dir", default=DEFAULT_OUT)
    ap.add_argument("--preview", metavar="DIR", help="also write PNG previews into DIR")
    args = ap.parse_args(argv)
    designs = (("hoshikura", app_icon_layers), ("view", view_icon_layers))
    os.makedirs(args.out_dir, exist_ok=True)
    for name, layers in designs:
        images = [(size, rasterise(layers(), size)) for size in SIZES]
        data = ico_bytes(images)
        check(name, images, data)
        path = os.path.join(args.out_dir, name + ".ico")
        with open(path, "wb") as f:
            f.write(data)
        print("%s: %d bytes, sizes %s" % (path, len(data), ", ".join(str(size) for size in SIZES)))
        if args.preview:
            os.makedirs(args.preview, exist_ok=True)
            w, h, rows = preview_rows(read_ico(data)[SIZE])
            png = os.path.join(args.preview, name + ".png")
            with open(png, "wb") as f:
                f.write(png_bytes(w, h, rows))
            print("  preview " + png)


if __name__ == "__main__":
    main(sys.argv[1:])
