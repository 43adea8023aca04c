#!/usr/bin/env python3
"""Generate search/sample_name_data.cpp, the built-in sample surnames and
given names.

Sources: ENAMDICT (names, EUC-JP) and KANJIDIC (grades of the kanji allowed
in given names: G1-G8 common-use, G9/G10 name-use), both from the Debian
packages enamdict and kanjidic. Stroke counts come from the stroke table
built by gen_stroke_table.py.

ENAMDICT has no frequency field. Commonness is measured on its full-name
entries (tag h, mostly well-known people): each full name that splits into a
known surname and a known given name counts once for both parts. A surname
or given name borne by many listed people is taken to be common. Its m and f
tags give each given name its sex: a boy's name, a girl's name, or either
when it carries both tags or neither.

Usage: python3 tools/gen_sample_names.py [--enamdict PATH] [--kanjidic PATH] [--out PATH]
The build does not need the dictionaries: the output file is committed.
"""

import argparse
import collections
import os
import re
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_stroke_table  # noqa: E402

DEFAULT_ENAMDICT = "/usr/share/edict/enamdict"
DEFAULT_OUT = os.path.join(gen_stroke_table.ROOT, "search", "sample_name_data.cpp")

# ---------------------------------------------------------------- shape ---

READING_COUNT = 919          # distinct given-name readings kept
NAMES_PER_READING = {2: 46, 3: 120}   # most kanji names kept per reading and length
ONE_CHAR_COUNT = 290
KANA_COUNT = 560
ENTRIES_PER_TEXT = 10
SURNAMES_PER_TEXT = 10
MAX_TEXTS_PER_GROUP = 200
MAX_FIRST_STROKES = 21
MAX_REST_STROKES = 42
MAX_WRITTEN_BYTES = 6        # three characters
MAX_READING_BYTES = 20       # ten characters
MAX_SURNAME_CHARS = 4

# Surnames kept per length in characters (distinct written forms).
SURNAME_QUOTA = {1: 59, 2: 1661, 3: 30, 4: 1}

# The list opens with these, in this order.
SURNAME_HEAD = [("阿井", "あい"), ("愛甲", "あいこう"), ("相川", "あいかわ"),
                ("相沢", "あいざわ"), ("藍原", "あいはら"), ("青木", "あおき")]

# Surnames listed under two of their readings, so they occur twice.
SURNAME_TWICE = ["赤池", "新木", "有松", "生田", "牛込", "菊地", "菅", "布川", "米原"]

# Always present. 巧 read たくみ is kept twice on purpose: a slot may hold
# the same written form more than once.
EXTRA_GIVEN = [("一一", "かずひと"), ("千里", "せんり"), ("しの", "しの"),
               ("あかね", "あかね"), ("巧", "たくみ"), ("巧", "たくみ")]

# Surname groups by the first kana of the reading (voiced kana go with the
# plain one).
SURNAME_GROUPS = [
    "あ", "い", "うえお", "か", "きくけ", "こさ", "しす", "せそたち", "つてと",
    "なにぬねの", "はひ", "ふへほ", "まみ", "むめもや", "ゆよらりるれろわ",
]

# Storytellers' stage-house names are listed as surnames; they are not.
STAGE_NAME_ENDS = ("亭",)

HIRAGANA = set(chr(c) for c in range(0x3041, 0x3094))   # ぁ..ん
KATAKANA = set(chr(c) for c in range(0x30A1, 0x30F5))   # ァ..ヴ
GIVEN_TAGS = {"g", "m", "f"}

LINE_RE = re.compile(r"^(\S+) (?:\[([^\]]+)\] )?/\(([^)]*)\)")


def to_hiragana(text):
    """Katakana -> hiragana; None when a character has no CP932 hiragana."""
    out = []
    for ch in text:
        if ch in HIRAGANA:
            out.append(ch)
        elif ch in KATAKANA and ch != "ヴ":
            out.append(chr(ord(ch) - 0x60))
        else:
            return None
    return "".join(out)


def is_kanji(ch):
    return 0x4E00 <= ord(ch) <= 0x9FFF


def gojuon_key(reading):
    """Dictionary order: plain kana first, voicing and size only break ties."""
    base = []
    for ch in reading:
        for plain, marked in (("かきくけこさしすせそたちつてとはひふへほ", "がぎぐげござじずぜぞだぢづでどばびぶべぼ"),
                              ("はひふへほ", "ぱぴぷぺぽ"),
                              ("あいうえおつやゆよわ", "ぁぃぅぇぉっゃゅょゎ")):
            i = marked.find(ch)
            if i >= 0:
                ch = plain[i]
                break
        base.append(ch)
    return ("".join(base), reading)


def group_of(reading):
    first = gojuon_key(reading)[0][0]
    for i, initials in enumerate(SURNAME_GROUPS):
        if first in initials:
            return i
    raise SystemExit("no surname group for reading " + reading)


# -------------------------------------------------------------- sources ---

def read_enamdict(path):
    """List of (written, reading in hiragana, set of tags)."""
    entries = []
    with open(path, "rb") as f:
        for raw in f:
            try:
                line = raw.decode("euc_jp")
            except UnicodeDecodeError:
                continue
            m = LINE_RE.match(line)
            if not m:
                continue
            written = m.group(1)
            reading = to_hiragana(m.group(2) or written)
            if reading is None:
                continue
            entries.append((written, reading, set(m.group(3).split(","))))
    return entries


def read_grades(kanjidic_path):
    grades = {}
    for fields in gen_stroke_table.read_kanjidic(kanjidic_path).values():
        for field in fields[2:]:
            m = re.fullmatch(r"G(\d+)", field)
            if m:
                grades[fields[0]] = int(m.group(1))
    return grades


def famous_counts(entries, surnames, given):
    """Count, over the full-name entries, how often each (written, reading)
    surname and given name occurs as a part of one."""
    sur_count = collections.Counter()
    given_count = collections.Counter()
    for written, reading, tags in entries:
        if "h" not in tags:
            continue
        for i in range(1, len(written)):
            for j in range(1, len(reading)):
                s = (written[:i], reading[:j])
                g = (written[i:], reading[j:])
                if s in surnames and g in given:
                    sur_count[s] += 1
                    given_count[g] += 1
    return sur_count, given_count


# ---------------------------------------------------------- selection ---

def stroke_key(table, written):
    return table[written[0]], sum(table[c] for c in written[1:])


def sex_of(tags):
    """'b' for a name tagged male only, 'g' for female only, else 'e'."""
    if tags == {"m"}:
        return "b"
    if tags == {"f"}:
        return "g"
    return "e"


def select_given(entries, table, grades, given_count, sex_tags):
    allowed = {c for c, g in grades.items() if 1 <= g <= 10 and c in table}
    kana_ok = {c for c in HIRAGANA | KATAKANA if c in table}

    def usable(written, reading):
        if not 1 <= len(written) <= 3 or not 1 <= len(reading) <= 10:
            return False
        if not all(c in allowed or c in kana_ok for c in written):
            return False
        if not all(c in table for c in reading):
            return False
        first, rest = stroke_key(table, written)
        return first <= MAX_FIRST_STROKES and rest <= MAX_REST_STROKES

    # (written, reading) -> marked as a given name (not only "unclassified")
    cand = {}
    for written, reading, tags in entries:
        if tags & (GIVEN_TAGS | {"u"}) and usable(written, reading):
            cand[(written, reading)] = cand.get((written, reading), False) or bool(tags & GIVEN_TAGS)
            sex_tags[(written, reading)] |= tags & {"m", "f"}
    by_reading = collections.defaultdict(list)
    for (written, reading), marked in cand.items():
        fame = given_count.get((written, reading), 0)
        if marked or fame:
            by_reading[reading].append((written, marked, fame))

    # A reading is common when many listed people bear it and many names
    # share it.
    def reading_weight(r):
        names = by_reading[r]
        return 3 * sum(n[2] for n in names) + sum(1 for n in names if n[1])
    readings = sorted(by_reading, key=lambda r: (-reading_weight(r), r))[:READING_COUNT]

    def grade_cost(written):
        return sum(grades.get(c, 0) for c in written)

    rank = {r: i for i, r in enumerate(readings)}

    def order(n, r):
        return (-n[2], not n[1], grade_cost(n[0]), rank[r], n[0].encode("cp932"))

    # Two- and three-character kanji names are kept per reading; the few
    # one-character and kana names are kept by overall commonness.
    chosen, singles, kana = [], [], []
    for r in readings:
        names = sorted(by_reading[r], key=lambda n: order(n, r))
        per_length = collections.Counter()
        for n in names:
            if all(c in kana_ok for c in n[0]):
                kana.append((order(n, r), (n[0], r)))
            elif len(n[0]) == 1:
                singles.append((order(n, r), (n[0], r)))
            elif per_length[len(n[0])] < NAMES_PER_READING[len(n[0])]:
                per_length[len(n[0])] += 1
                chosen.append((n[0], r))
    chosen += [pair for _, pair in sorted(singles)[:ONE_CHAR_COUNT]]
    chosen += [pair for _, pair in sorted(kana)[:KANA_COUNT]]
    have = set(chosen)
    for pair in EXTRA_GIVEN:
        if pair not in have or EXTRA_GIVEN.count(pair) > chosen.count(pair):
            if not usable(*pair):
                raise SystemExit("extra given name not usable: %s %s" % pair)
            chosen.append(pair)
    return chosen


def select_surnames(entries, table, sur_count):
    readings = collections.defaultdict(collections.Counter)   # written -> reading -> fame
    listed = collections.Counter()                             # written -> s/p entries
    places = collections.Counter()                             # (written, reading) -> s/p tags
    for written, reading, tags in entries:
        if "s" in tags and 1 <= len(written) <= MAX_SURNAME_CHARS \
                and all(c in table and (is_kanji(c) or c == "々") for c in written) \
                and not written.endswith(STAGE_NAME_ENDS):
            readings[written][reading] += sur_count.get((written, reading), 0)
            places[(written, reading)] += len(tags & {"s", "p"})
        if tags & {"s", "p"}:
            listed[written] += 1

    def best_readings(written):
        return sorted(readings[written], key=lambda r: (-readings[written][r],
                                                        -places[(written, r)], gojuon_key(r)))

    fame = {w: sum(c.values()) for w, c in readings.items()}
    forced = [w for w, _ in SURNAME_HEAD] + SURNAME_TWICE
    for w in forced:
        if w not in readings:
            raise SystemExit("surname missing from ENAMDICT: " + w)
    picked = set(forced)
    for length, quota in SURNAME_QUOTA.items():
        pool = sorted((w for w in readings if len(w) == length),
                      key=lambda w: (-fame[w], -listed[w], w.encode("cp932")))
        have = sum(1 for w in picked if len(w) == length)
        for w in pool:
            if have >= quota:
                break
            if w not in picked:
                picked.add(w)
                have += 1

    head = set(w for w, _ in SURNAME_HEAD)
    rows = []   # (gojuon key, written)
    for w in picked - head:
        rs = best_readings(w)
        rows.append((gojuon_key(rs[0]), w, rs[0]))
        if w in SURNAME_TWICE:
            second = rs[1] if len(rs) > 1 else rs[0]
            rows.append((gojuon_key(second), w, second))
    rows.sort(key=lambda x: (x[0], x[1].encode("cp932")))
    ordered = [(w, r) for w, r in SURNAME_HEAD] + [(w, r) for _, w, r in rows]
    groups = [[] for _ in SURNAME_GROUPS]
    for w, r in ordered:
        groups[group_of(r)].append(w)
    return groups, ordered


# --------------------------------------------------------------- output ---

def chunks(items, n):
    return [items[i:i + n] for i in range(0, len(items), n)]


def write_cpp(path, surname_groups, keys, sexes_of):
    out = [
        "// generated by tools/gen_sample_names.py from ENAMDICT and KANJIDIC; do not edit",
        "// ENAMDICT, KANJIDIC: Electronic Dictionary Research and Development Group, CC BY-SA.",
        '#include "sample_name_data.h"',
        "",
        "namespace hoshikura {",
        "",
        "namespace {",
        "",
    ]
    for gi, names in enumerate(surname_groups):
        out.append("const char* const kSurnames%02d[] = {" % gi)
        for text in chunks(names, SURNAMES_PER_TEXT):
            out.append('    "%s",' % "　".join(text))
        out += ['    "",', "};", ""]
    for (first, rest), names in keys:
        out.append("const char* const kNames_%d_%d[] = {" % (first, rest))
        for text in chunks(names, ENTRIES_PER_TEXT):
            out.append('    "%s",' % " ".join("%s__%s" % n for n in text))
        out += ["};", ""]
    out += ["}  // namespace", "",
            "const char* const* const kSurnameGroups[kSurnameGroupCount] = {"]
    out += ["    kSurnames%02d," % gi for gi in range(len(surname_groups))]
    out += ["};", "", "const SampleNameKey kSampleNameKeys[] = {"]
    for (first, rest), names in keys:
        n_texts = (len(names) + ENTRIES_PER_TEXT - 1) // ENTRIES_PER_TEXT
        sexes = "".join(sexes_of[n] for n in names)
        out.append('    {%d, %d, %d, kNames_%d_%d, "%s"},' % (first, rest, n_texts, first, rest, sexes))
    out += ["};", "",
            "const int kSampleNameKeyCount =",
            "    static_cast<int>(sizeof(kSampleNameKeys) / sizeof(kSampleNameKeys[0]));",
            "", "}  // namespace hoshikura", ""]
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out))


# ---------------------------------------------------------------- checks ---

def check(surname_groups, keys, table):
    errors = []
    if len(surname_groups) != 15:
        errors.append("surname groups: %d" % len(surname_groups))
    flat = [w for g in surname_groups for w in g]
    if [w for w, _ in SURNAME_HEAD] != flat[:len(SURNAME_HEAD)]:
        errors.append("surname list does not open with the fixed head")
    counts = collections.Counter(flat)
    twice = sorted(w for w, n in counts.items() if n > 1)
    if twice != sorted(SURNAME_TWICE) or any(n > 2 for n in counts.values()):
        errors.append("surnames occurring twice: %s" % " ".join(twice))
    for g in surname_groups:
        if (len(g) + SURNAMES_PER_TEXT - 1) // SURNAMES_PER_TEXT > MAX_TEXTS_PER_GROUP:
            errors.append("too many texts in a surname group")
    for w in flat:
        if not 1 <= len(w) <= MAX_SURNAME_CHARS or any(c not in table for c in w) \
                or "　" in w or len(w.encode("cp932")) != 2 * len(w):
            errors.append("bad surname " + w)
    for w in ("山田", "鈴木", "佐藤", "田中", "林", "佐々木"):
        if w not in counts:
            errors.append("surname missing: " + w)
    prev = None
    for (first, rest), names in keys:
        if prev is not None and (first, rest) <= prev:
            errors.append("keys out of order at %d,%d" % (first, rest))
        prev = (first, rest)
        if not (1 <= first <= MAX_FIRST_STROKES and 0 <= rest <= MAX_REST_STROKES):
            errors.append("key out of range %d,%d" % (first, rest))
        for written, reading in names:
            wb, rb = written.encode("cp932"), reading.encode("cp932")
            if not 1 <= len(written) <= 3 or len(wb) != 2 * len(written) or len(wb) > MAX_WRITTEN_BYTES:
                errors.append("bad written form " + written)
            if len(rb) > MAX_READING_BYTES or any(c not in HIRAGANA for c in reading):
                errors.append("bad reading " + reading)
            if " " in written or "_" in written or "_" in reading:
                errors.append("separator inside an entry: " + written)
            if stroke_key(table, written) != (first, rest):
                errors.append("%s filed under %d,%d" % (written, first, rest))
    index = {k: names for k, names in keys}

    def has(key, written, reading, times=1):
        return index.get(key, []).count((written, reading)) >= times
    for key, written, reading, times in [((10, 0), "浩", "ひろし", 1), ((5, 0), "巧", "たくみ", 2),
                                         ((1, 1), "しの", "しの", 1), ((4, 9), "太郎", "たろう", 1),
                                         ((3, 7), "千里", "せんり", 1), ((3, 7), "あかね", "あかね", 1),
                                         ((1, 1), "一一", "かずひと", 1)]:
        if not has(key, written, reading, times):
            errors.append("missing %s %s under %s" % (written, reading, key))
    if errors:
        raise SystemExit("check failed:\n  " + "\n  ".join(errors[:50]))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--enamdict", default=DEFAULT_ENAMDICT)
    ap.add_argument("--kanjidic", default=gen_stroke_table.DEFAULT_KANJIDIC)
    ap.add_argument("--out", default=DEFAULT_OUT)
    args = ap.parse_args()

    table = gen_stroke_table.build_table(args.kanjidic)
    grades = read_grades(args.kanjidic)
    entries = read_enamdict(args.enamdict)
    surnames = {(w, r) for w, r, t in entries if "s" in t}
    given = {(w, r) for w, r, t in entries if t & (GIVEN_TAGS | {"u"})}
    sur_count, given_count = famous_counts(entries, surnames, given)

    sex_tags = collections.defaultdict(set)
    chosen = select_given(entries, table, grades, given_count, sex_tags)
    sexes_of = {pair: sex_of(sex_tags[pair]) for pair in chosen}
    slots = collections.defaultdict(list)
    for written, reading in chosen:
        slots[stroke_key(table, written)].append((written, reading))
    keys = [(k, sorted(v, key=lambda n: (gojuon_key(n[1]), n[0].encode("cp932"))))
            for k, v in sorted(slots.items())]
    surname_groups, _ = select_surnames(entries, table, sur_count)

    check(surname_groups, keys, table)
    write_cpp(args.out, surname_groups, keys, sexes_of)
    summarize(surname_groups, keys, table, args.out)
    print("  by sex: %s" % dict(sorted(collections.Counter(sexes_of[n] for _, v in keys for n in v).items())))


def summarize(surname_groups, keys, table, path):
    flat = [w for g in surname_groups for w in g]
    print("surnames: %d (distinct %d) in %d groups of %s" % (
        len(flat), len(set(flat)), len(surname_groups), "/".join(str(len(g)) for g in surname_groups)))
    print("  by length: %s" % dict(sorted(collections.Counter(len(w) for w in flat).items())))
    entries = [n for _, names in keys for n in names]
    print("given names: %d entries, %d texts, %d keys, %d distinct written, %d distinct readings" % (
        len(entries), sum((len(v) + 9) // 10 for _, v in keys), len(keys),
        len({w for w, _ in entries}), len({r for _, r in entries})))
    print("  by length: %s" % dict(sorted(collections.Counter(len(w) for w, _ in entries).items())))
    kana = sum(1 for w, _ in entries if all(c in HIRAGANA or c in KATAKANA for c in w))
    print("  written wholly in kana: %d" % kana)
    per_first = collections.Counter()
    for (f, _), names in keys:
        per_first[f] += len(names)
    print("  per firstStrokes: " + ", ".join("%d: %d" % kv for kv in sorted(per_first.items())))
    rests = [r for (_, r), _ in keys]
    biggest = max(keys, key=lambda kv: len(kv[1]))
    print("  restStrokes %d..%d; fullest key %s with %d" % (min(rests), max(rests), biggest[0], len(biggest[1])))
    idx = dict(keys)
    print("  key (4,9): %d names; ひろし: %d written forms; trail byte 0x5F at the end: %d" % (
        len(idx.get((4, 9), [])), len({w for w, r in entries if r == "ひろし"}),
        sum(1 for w, _ in entries if w.encode("cp932")[-1] == 0x5F)))
    print("wrote %s (%d bytes)" % (os.path.relpath(path, gen_stroke_table.ROOT), os.path.getsize(path)))


if __name__ == "__main__":
    sys.exit(main())
