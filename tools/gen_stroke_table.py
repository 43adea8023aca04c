#!/usr/bin/env python3
"""Generate engine/stroke_table_data.cpp, the built-in stroke table.

Kanji: every kanji of JIS X 0208 levels 1 and 2 (rows 16-84), except eight
that the table leaves out, with the stroke count of KANJIDIC (first S field),
corrected by a few fixed counts. Kana, digits and marks come from the fixed
list below.

Usage: python3 tools/gen_stroke_table.py [--kanjidic PATH] [--out PATH]
Needs the Debian package kanjidic (/usr/share/edict/kanjidic, EUC-JP).
The build does not need it: the output file is committed.
"""

import argparse
import os
import re
import sys

MAX_STROKES = 30
DEFAULT_KANJIDIC = "/usr/share/edict/kanjidic"
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
DEFAULT_OUT = os.path.join(ROOT, "engine", "stroke_table_data.cpp")

# Kanji of JIS X 0208 that the table does not hold.
EXCLUDED_KANJI = "侃桔堯槇遙瑤凜熙"

# Counts that bind where dictionaries disagree or count differently.
FIXED_COUNTS = {
    "海": 9, "河": 8, "花": 7, "草": 9, "郎": 9, "藤": 18, "心": 4,
    "道": 12, "鬱": 29, "収": 5, "瓜": 5, "都": 11, "陽": 12, "隆": 11,
    "恵": 10, "惠": 12, "澤": 16, "國": 11, "學": 16, "驫": 30, "牙": 4,
    "辻": 5,
}

# Non-kanji characters: (strokes, hiragana, katakana, other). A voiced mark
# adds 2, a semi-voiced mark 1; a small kana counts like its own drawing.
NON_KANJI_ROWS = [
    (1, "くしつのへっ", "ノフヘレ", "ー１０"),
    (2, "いうこてとひめりろんぺぃぅ",
        "アイカクコスセソトナニヌハヒマムメヤユラリルワンプペァィャュ", "〃２"),
    (3, "あえかけさすせちにぬみむもやゆよらるれわぐじづべぴぁぇゃゅょ",
        "ウエオキケサシタチツテミモヨロヲブベパピゥェォッョ", "々３"),
    (4, "おきそたねはふまをごでどびぉ", "ネホガグゴズゼゾドバビ", "４"),
    (5, "なほがげざずぜぢぱぷ", "ギゲザジダヂヅデポヴ", "５"),
    (6, "ぎぞだばぶぽ", "ボ", "６"),
    (7, "ぼ", "", "７"),
    (8, "", "", "８"),
    (9, "", "", "９"),
]

EXPECTED_KANJI = 6347
EXPECTED_HIRAGANA = 80
EXPECTED_KATAKANA = 81
EXPECTED_OTHER = 13
EXPECTED_TOTAL = EXPECTED_KANJI + EXPECTED_HIRAGANA + EXPECTED_KATAKANA + EXPECTED_OTHER

# Characters per stroke count aimed at (1..30); the dictionary decides, this
# is only compared against in the summary.
TARGET_PER_COUNT = [
    18, 74, 115, 135, 169, 208, 317, 436, 466, 549, 575, 575, 537, 429, 429,
    368, 301, 204, 173, 128, 113, 65, 52, 36, 19, 9, 9, 5, 5, 2,
]


def jis_to_sjis(row, cell):
    """Two-byte Shift-JIS code of JIS X 0208 row/cell (both 1-based)."""
    j1, j2 = row + 0x20, cell + 0x20
    s1 = ((j1 + 1) >> 1) + (0x70 if j1 <= 0x5E else 0xB0)
    if j1 & 1:
        s2 = j2 + (0x1F if j2 <= 0x5F else 0x20)
    else:
        s2 = j2 + 0x7E
    return bytes((s1, s2))


def jis0208_kanji():
    """(character, 'RRCC' hex JIS code) for every kanji of rows 16-84, in code order."""
    result = []
    for row in range(16, 85):
        for cell in range(1, 95):
            sj = jis_to_sjis(row, cell)
            try:
                ch = sj.decode("cp932")
            except UnicodeDecodeError:
                continue  # unassigned cell (end of rows 47 and 84)
            eu = bytes((row + 0xA0, cell + 0xA0)).decode("euc_jp")
            if eu != ch:
                raise SystemExit("codec mismatch at row %d cell %d: %r %r" % (row, cell, ch, eu))
            result.append((ch, "%02X%02X" % (row + 0x20, cell + 0x20)))
    return result


def read_kanjidic(path):
    """Map 'RRCC' JIS code -> list of fields of its KANJIDIC line."""
    entries = {}
    with open(path, "rb") as f:
        for raw in f:
            line = raw.decode("euc_jp").rstrip("\n")
            if not line or line.startswith("#"):
                continue
            fields = line.split(" ")
            entries[fields[1].upper()] = fields
    return entries


def kanjidic_strokes(fields):
    for field in fields[2:]:
        m = re.fullmatch(r"S(\d+)", field)
        if m:
            return int(m.group(1))
    return None


def build_table(kanjidic_path=DEFAULT_KANJIDIC, notes=None):
    """Return dict character -> stroke count (1..30) of the whole table.

    notes, when a list, receives lines describing every correction made.
    """
    if notes is None:
        notes = []
    dic = read_kanjidic(kanjidic_path)
    table = {}
    kanji = jis0208_kanji()
    for ch, code in kanji:
        if ch in EXCLUDED_KANJI:
            continue
        fields = dic.get(code)
        if fields is None or fields[0] != ch:
            notes.append("missing from KANJIDIC: %s (%s)" % (ch, code))
            n = None
        else:
            n = kanjidic_strokes(fields)
            if n is None:
                notes.append("no stroke count in KANJIDIC: %s (%s)" % (ch, code))
        if ch in FIXED_COUNTS:
            if n != FIXED_COUNTS[ch]:
                notes.append("fixed count %s: %s -> %d" % (ch, n, FIXED_COUNTS[ch]))
            n = FIXED_COUNTS[ch]
        if n is None:
            raise SystemExit("no stroke count for %s (%s)" % (ch, code))
        table[ch] = n
    for ch in FIXED_COUNTS:
        if ch not in table:
            raise SystemExit("fixed character not in the kanji set: " + ch)
    for strokes, hira, kata, other in NON_KANJI_ROWS:
        for ch in hira + kata + other:
            if ch in table:
                raise SystemExit("non-kanji character listed twice: " + ch)
            table[ch] = strokes
    return table


def texts_by_count(table):
    """List of 30 strings; entry k-1 holds the characters of k strokes in code order."""
    buckets = [[] for _ in range(MAX_STROKES)]
    for ch, n in table.items():
        if not 1 <= n <= MAX_STROKES:
            raise SystemExit("stroke count out of range: %s %d" % (ch, n))
        buckets[n - 1].append(ch)
    return ["".join(sorted(b, key=lambda c: c.encode("cp932"))) for b in buckets]


def check(table, texts):
    hira = sum(len(r[1]) for r in NON_KANJI_ROWS)
    kata = sum(len(r[2]) for r in NON_KANJI_ROWS)
    other = sum(len(r[3]) for r in NON_KANJI_ROWS)
    kanji = len(table) - hira - kata - other
    errors = []
    if (kanji, hira, kata, other) != (EXPECTED_KANJI, EXPECTED_HIRAGANA,
                                      EXPECTED_KATAKANA, EXPECTED_OTHER):
        errors.append("counts kanji/hiragana/katakana/other = %d/%d/%d/%d"
                      % (kanji, hira, kata, other))
    joined = "".join(texts)
    if len(joined) != EXPECTED_TOTAL or len(set(joined)) != EXPECTED_TOTAL:
        errors.append("total %d characters, %d distinct" % (len(joined), len(set(joined))))
    for k, text in enumerate(texts, 1):
        for ch in text:
            if table[ch] != k:
                errors.append("%s in text %d" % (ch, k))
            b = ch.encode("cp932")
            if len(b) != 2 or b[0] < 0x81:
                errors.append("not a two-byte code: " + ch)
    for ch in EXCLUDED_KANJI + "　":
        if ch in joined:
            errors.append("excluded character present: " + ch)
    where = {ch: k for k, text in enumerate(texts, 1) for ch in text}
    for ch, n in FIXED_COUNTS.items():
        if where.get(ch) != n:
            errors.append("fixed count %s is %s" % (ch, where.get(ch)))
    for strokes, h, k_, o in NON_KANJI_ROWS:
        for ch in h + k_ + o:
            if where.get(ch) != strokes:
                errors.append("non-kanji %s is %s" % (ch, where.get(ch)))
    if errors:
        raise SystemExit("check failed:\n  " + "\n  ".join(errors))


def cpp_literal_lines(text, per_line=40):
    return ['"%s"' % text[i:i + per_line] for i in range(0, len(text), per_line)] or ['""']


def write_cpp(texts, path):
    out = [
        "// generated by tools/gen_stroke_table.py from KANJIDIC; do not edit",
        "// KANJIDIC: Electronic Dictionary Research and Development Group, CC BY-SA.",
        '#include "stroke_table_data.h"',
        "",
        "namespace hoshikura {",
        "",
        "const char* const kStrokeTexts[kMaxStrokes] = {",
    ]
    for k, text in enumerate(texts, 1):
        out.append("    // %d strokes: %d characters, %d bytes" % (k, len(text), 2 * len(text)))
        lines = cpp_literal_lines(text)
        for i, lit in enumerate(lines):
            out.append("    " + lit + ("," if i == len(lines) - 1 else ""))
    out += ["};", "", "}  // namespace hoshikura", ""]
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--kanjidic", default=DEFAULT_KANJIDIC)
    ap.add_argument("--out", default=DEFAULT_OUT)
    args = ap.parse_args()

    notes = []
    table = build_table(args.kanjidic, notes)
    texts = texts_by_count(table)
    check(table, texts)
    write_cpp(texts, args.out)

    for line in notes:
        print(line)
    diffs = [len(t) - want for t, want in zip(texts, TARGET_PER_COUNT)]
    print("strokes  chars  target  diff")
    for k, (t, want, d) in enumerate(zip(texts, TARGET_PER_COUNT, diffs), 1):
        print("%7d  %5d  %6d  %+4d" % (k, len(t), want, d))
    print("total %d characters; sum of |diff| = %d; longest text %d bytes"
          % (sum(len(t) for t in texts), sum(abs(d) for d in diffs),
             max(2 * len(t) for t in texts)))
    print("wrote " + os.path.relpath(args.out, ROOT))


if __name__ == "__main__":
    sys.exit(main())
