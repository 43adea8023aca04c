#!/usr/bin/env python3
"""Generate engine/stroke_table_data.cpp, the built-in stroke table.

Kanji: every kanji of JIS X 0208 levels 1 and 2 (rows 16-84) with the stroke
count of KANJIDIC (first S field), corrected by a few fixed counts; and every
vendor-extension kanji of code page 932 (NEC-selected IBM extensions, lead
bytes 0xED/0xEE, and IBM extensions 0xFA40-0xFC4B), each under all of its
codes, with the first stroke count of KANJIDIC2, else the Unicode database's
kTotalStrokes, except the hand-checked counts below. Kana, digits and marks
come from the fixed list below.

Usage: python3 tools/gen_stroke_table.py [--kanjidic PATH] [--kanjidic2 PATH]
                                         [--unihan PATH] [--out PATH]
Needs the Debian packages kanjidic (/usr/share/edict/kanjidic, EUC-JP),
kanjidic-xml (/usr/share/edict/kanjidic2.xml.gz) and unicode-data
(/usr/share/unicode/Unihan_IRGSources.txt.bz2).
The build does not need them: the output file is committed.
"""

import argparse
import bz2
import gzip
import os
import re
import sys
import unicodedata
import xml.etree.ElementTree as ET

MAX_STROKES = 30
DEFAULT_KANJIDIC = "/usr/share/edict/kanjidic"
DEFAULT_KANJIDIC2 = "/usr/share/edict/kanjidic2.xml.gz"
DEFAULT_UNIHAN = "/usr/share/unicode/Unihan_IRGSources.txt.bz2"
ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
DEFAULT_OUT = os.path.join(ROOT, "engine", "stroke_table_data.cpp")

# Lead bytes of the vendor extensions: NEC-selected IBM extensions (rows
# 89-92) and IBM extensions.
VENDOR_LEADS = (0xED, 0xEE, 0xFA, 0xFB, 0xFC)

# Vendor-extension kanji whose dictionary count does not follow the table's
# convention (modern form as drawn, radical forms counted as drawn, 艹 as 3,
# 阝 as 3, 犭 as 3, 飠 as 8, 辶 as 3 unless drawn with two dots), checked
# against the character as drawn: character -> (count, why).
HAND_CHECKED = {
    "曻": (10, "日 4 + 夕 3 + the three strokes under it"),
    "偀": (10, "亻 2 + 英 8"),
    "厲": (14, "厂 2 + 萬 12"),
    "寬": (14, "宀 3 + 艹 3 + 見 7 + dot 1"),
    "嵭": (13, "山 3 + 旁 10"),
    "弴": (11, "弓 3 + 享 8"),
    "德": (15, "彳 3 + 十 2 + 罒 5 + 一 1 + 心 4"),
    "恝": (10, "丰 4 + 刀 2 + 心 4"),
    "擎": (16, "敬 12 + 手 4"),
    "暿": (16, "日 4 + 喜 12"),
    "桒": (9, "十 2 + 卄 3 + 木 4"),
    "﨓": (12, "木 4 + 苻 8"),
    "泚": (9, "氵 3 + 此 6"),
    "瀨": (19, "氵 3 + 賴 16"),
    "燁": (14, "火 4 + 華 10"),
    "猪": (12, "犭 3 + 者 with its dot 9"),
    "璉": (14, "王 4 + 連 10"),
    "荢": (9, "艹 3 + 宀 3 + 子 3"),
    "荿": (9, "艹 3 + 成 6"),
    "﨟": (16, "月 4 + 葛 12"),
    "薰": (17, "艹 3 + 熏 14"),
    "蘒": (24, "艹 3 + 穐 21"),
    "逸": (12, "兔 8 + 辶 drawn with two dots 4, as 遙 counts"),
    "郞": (10, "良 7 + 阝 3"),
    "都": (12, "者 with its dot 9 + 阝 3"),
    "鄕": (13, "乡 3 + 皀 7 + 阝 3"),
    "隆": (12, "阝 3 + 夂 3 + 一 1 + 生 5: 隆 with its extra stroke"),
    "霳": (19, "雨 8 + 隆 11"),
    "靏": (29, "雨 8 + 鶴 21"),
    "餧": (16, "飠 8 + 委 8"),
    "馞": (16, "香 9 + 孛 7"),
}

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

EXPECTED_KANJI = 6355
EXPECTED_VENDOR_KANJI = 360
EXPECTED_HIRAGANA = 80
EXPECTED_KATAKANA = 81
EXPECTED_OTHER = 13
# Every vendor kanji has two codes, one in each extension.
EXPECTED_CODES = (EXPECTED_KANJI + 2 * EXPECTED_VENDOR_KANJI + EXPECTED_HIRAGANA
                  + EXPECTED_KATAKANA + EXPECTED_OTHER)


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


def read_kanjidic2(path):
    """Map character -> first stroke count of its KANJIDIC2 entry."""
    with gzip.open(path) as f:
        root = ET.parse(f).getroot()
    return {c.findtext("literal"): int(c.find("misc").findtext("stroke_count"))
            for c in root.iter("character")}


def read_unihan_strokes(path):
    """Map character -> first kTotalStrokes value of the Unicode database."""
    counts = {}
    with bz2.open(path, "rt", encoding="utf-8") as f:
        for line in f:
            if "\tkTotalStrokes\t" in line:
                code, _, values = line.rstrip("\n").split("\t")
                counts[chr(int(code[2:], 16))] = int(values.split()[0])
    return counts


def vendor_codes(lead):
    """The assigned two-byte codes of one lead byte, in code order."""
    for trail in range(0x40, 0xFD):
        code = bytes((lead, trail))
        if trail != 0x7F and decodes(code):
            yield code


def decodes(code):
    try:
        code.decode("cp932")
        return True
    except UnicodeDecodeError:
        return False


def vendor_kanji():
    """Map character -> its codes (NEC-selected first) for every vendor kanji."""
    result = {}
    for lead in VENDOR_LEADS:
        for code in vendor_codes(lead):
            ch = code.decode("cp932")
            if unicodedata.name(ch, "").startswith("CJK"):
                result.setdefault(ch, []).append(code)
    return result


def vendor_count(ch, dic2, unihan, notes):
    """Stroke count of one vendor kanji and the name of its source."""
    if ch in HAND_CHECKED:
        n, why = HAND_CHECKED[ch]
        notes.append("hand-checked %s U+%04X: %d (KANJIDIC2 %s, Unihan %s): %s"
                     % (ch, ord(ch), n, dic2.get(ch), unihan.get(ch), why))
        return n, "hand"
    if ch in dic2:
        return dic2[ch], "KANJIDIC2"
    if ch in unihan:
        return unihan[ch], "Unihan"
    raise SystemExit("no stroke count for U+%04X" % ord(ch))


def build_table(kanjidic_path=DEFAULT_KANJIDIC, notes=None,
                kanjidic2_path=DEFAULT_KANJIDIC2, unihan_path=DEFAULT_UNIHAN,
                sources=None):
    """Return dict character -> stroke count (1..30) of the whole table.

    notes, when a list, receives lines describing every correction made;
    sources, when a dict, receives source name -> number of vendor kanji
    counted from it.
    """
    if notes is None:
        notes = []
    if sources is None:
        sources = {}
    dic = read_kanjidic(kanjidic_path)
    table = {}
    for ch, code in jis0208_kanji():
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
    vendor = vendor_kanji()
    for ch in HAND_CHECKED:
        if ch not in vendor:
            raise SystemExit("hand-checked character is no vendor kanji: U+%04X" % ord(ch))
    dic2 = read_kanjidic2(kanjidic2_path)
    unihan = read_unihan_strokes(unihan_path)
    for ch in vendor:
        if ch in table:
            raise SystemExit("vendor kanji also in JIS X 0208: " + ch)
        table[ch], source = vendor_count(ch, dic2, unihan, notes)
        sources[source] = sources.get(source, 0) + 1
    for strokes, hira, kata, other in NON_KANJI_ROWS:
        for ch in hira + kata + other:
            if ch in table:
                raise SystemExit("non-kanji character listed twice: " + ch)
            table[ch] = strokes
    return table


def codes_of(ch, vendor):
    """Every two-byte code of a character: all vendor codes, else its one code."""
    return vendor.get(ch) or [ch.encode("cp932")]


def texts_by_count(table):
    """List of 30 code lists; entry k-1 holds the codes of k strokes in code order."""
    vendor = vendor_kanji()
    buckets = [[] for _ in range(MAX_STROKES)]
    for ch, n in table.items():
        if not 1 <= n <= MAX_STROKES:
            raise SystemExit("stroke count out of range: %s %d" % (ch, n))
        buckets[n - 1].extend(codes_of(ch, vendor))
    return [sorted(b) for b in buckets]


def check(table, texts):
    vendor = vendor_kanji()
    hira = sum(len(r[1]) for r in NON_KANJI_ROWS)
    kata = sum(len(r[2]) for r in NON_KANJI_ROWS)
    other = sum(len(r[3]) for r in NON_KANJI_ROWS)
    kanji = len(table) - hira - kata - other - len(vendor)
    errors = []
    if (kanji, len(vendor), hira, kata, other) != (
            EXPECTED_KANJI, EXPECTED_VENDOR_KANJI, EXPECTED_HIRAGANA,
            EXPECTED_KATAKANA, EXPECTED_OTHER):
        errors.append("counts kanji/vendor/hiragana/katakana/other = %d/%d/%d/%d/%d"
                      % (kanji, len(vendor), hira, kata, other))
    joined = [code for text in texts for code in text]
    if len(joined) != EXPECTED_CODES or len(set(joined)) != EXPECTED_CODES:
        errors.append("total %d codes, %d distinct" % (len(joined), len(set(joined))))
    where = {}
    for k, text in enumerate(texts, 1):
        for code in text:
            where[code] = k
            if len(code) != 2 or code[0] < 0x81:
                errors.append("not a two-byte code: %r" % code)
    for ch, n in table.items():
        for code in codes_of(ch, vendor):
            if where.get(code) != n:
                errors.append("%s (%s) in text %s, not %d" % (ch, code.hex(), where.get(code), n))
    if "　".encode("cp932") in where:
        errors.append("the full-width space is present")
    for ch, n in FIXED_COUNTS.items():
        if where.get(ch.encode("cp932")) != n:
            errors.append("fixed count %s is %s" % (ch, where.get(ch.encode("cp932"))))
    for strokes, h, k_, o in NON_KANJI_ROWS:
        for ch in h + k_ + o:
            if where.get(ch.encode("cp932")) != strokes:
                errors.append("non-kanji %s is %s" % (ch, where.get(ch.encode("cp932"))))
    if errors:
        raise SystemExit("check failed:\n  " + "\n  ".join(errors))


def literal_pieces(codes):
    """C++ literal text of codes: a standard code as its character (the
    compiler encodes it back), a vendor code as hex escapes, since the
    compiler would give a vendor kanji only one of its codes."""
    for code in codes:
        if code[0] in VENDOR_LEADS:
            yield "\\x%02X\\x%02X" % (code[0], code[1])
        else:
            yield code.decode("cp932")


def cpp_literal_lines(codes, per_line=40):
    pieces = list(literal_pieces(codes))
    return ['"%s"' % "".join(pieces[i:i + per_line])
            for i in range(0, len(pieces), per_line)] or ['""']


def write_cpp(texts, path):
    out = [
        "// generated by tools/gen_stroke_table.py from KANJIDIC, KANJIDIC2 and the",
        "// Unicode database; do not edit",
        "// KANJIDIC, KANJIDIC2: Electronic Dictionary Research and Development Group, CC BY-SA.",
        "// Unihan kTotalStrokes: Unicode, Inc., Unicode licence.",
        '#include "stroke_table_data.h"',
        "",
        "namespace hoshikura {",
        "",
        "const char* const kStrokeTexts[kMaxStrokes] = {",
    ]
    for k, text in enumerate(texts, 1):
        out.append("    // %d strokes: %d codes, %d bytes" % (k, len(text), 2 * len(text)))
        lines = cpp_literal_lines(text)
        for i, lit in enumerate(lines):
            out.append("    " + lit + ("," if i == len(lines) - 1 else ""))
    out += ["};", "", "}  // namespace hoshikura", ""]
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--kanjidic", default=DEFAULT_KANJIDIC)
    ap.add_argument("--kanjidic2", default=DEFAULT_KANJIDIC2)
    ap.add_argument("--unihan", default=DEFAULT_UNIHAN)
    ap.add_argument("--out", default=DEFAULT_OUT)
    args = ap.parse_args()

    notes = []
    sources = {}
    table = build_table(args.kanjidic, notes, args.kanjidic2, args.unihan, sources)
    texts = texts_by_count(table)
    check(table, texts)
    write_cpp(texts, args.out)

    for line in notes:
        print(line)
    print("vendor kanji by source: " + ", ".join(
        "%s %d" % item for item in sorted(sources.items())))
    print("strokes  codes")
    for k, text in enumerate(texts, 1):
        print("%7d  %5d" % (k, len(text)))
    print("total %d characters, %d codes; longest text %d bytes"
          % (len(table), sum(len(t) for t in texts), max(2 * len(t) for t in texts)))
    print("wrote " + os.path.relpath(args.out, ROOT))


if __name__ == "__main__":
    sys.exit(main())
