#!/usr/bin/env python3
"""Split a name's reading into readings of its characters.

`Aligner(readings).align(written, reading)` gives every split of the
reading (a hiragana str) into one piece per character of `written` such
that each piece is a reading the dictionary allows for its character:

- KANJIDIC/KANJIDIC2 on readings (katakana turned into hiragana), kun
  readings (whole, and the stem before the okurigana dot: 翔 と.ぶ -> と,
  とぶ) and name readings (nanori);
- a kana character reads as itself (katakana as its hiragana);
- 々 repeats a reading of the character before it;
- after the first character a reading may be voiced (rendaku: か->が,
  は->ば or ぱ, ...);
- before another character a reading ending in つ ち く き may end in a
  small っ instead (一平 いっぺい);
- long vowels only as the dictionary writes them (no lengthening or
  shortening).

`plausible(written, reading)` is True when at least one split exists.
`readings_of(ch)` gives the set of base readings of one character.

Sources: /usr/share/edict/kanjidic2.xml.gz (Debian kanjidic-xml) and
/usr/share/edict/kanjidic (Debian kanjidic), both CC BY-SA 3.0; either
may be missing, the readings of both are merged.
"""

import functools
import gzip
import os
import re

DEFAULT_KANJIDIC2 = "/usr/share/edict/kanjidic2.xml.gz"
DEFAULT_KANJIDIC = "/usr/share/edict/kanjidic"

VOICED = dict(zip("かきくけこさしすせそたちつてとはひふへほ",
                  "がぎぐげござじずぜぞだぢづでどばびぶべぼ"))
HALF_VOICED = dict(zip("はひふへほ", "ぱぴぷぺぽ"))
GEMINATING = set("つちくき")
MAX_SPLITS = 64


def kana_to_hiragana(text):
    """Katakana to hiragana; other characters unchanged."""
    return "".join(chr(ord(c) - 0x60) if 0x30A1 <= ord(c) <= 0x30F6 else c for c in text)


def _clean(reading):
    """A dictionary reading -> the forms a name may use: '-' marks of
    prefixes and suffixes dropped; a kun reading gives its whole form and
    its stem."""
    r = kana_to_hiragana(reading.replace("-", ""))
    if "." in r:
        stem, _, tail = r.partition(".")
        return {stem, stem + tail}
    return {r}


def load_readings(kanjidic2=DEFAULT_KANJIDIC2, kanjidic=DEFAULT_KANJIDIC):
    """Map character -> set of hiragana readings (on, kun, nanori)."""
    readings = {}
    if kanjidic2 and os.path.exists(kanjidic2):
        with gzip.open(kanjidic2, "rt", encoding="utf-8") as f:
            text = f.read()
        for block in text.split("<character>")[1:]:
            lit = re.search(r"<literal>(.+?)</literal>", block)
            if not lit:
                continue
            found = re.findall(r'<reading r_type="ja_(?:on|kun)">([^<]+)</reading>', block)
            found += re.findall(r"<nanori>([^<]+)</nanori>", block)
            bucket = readings.setdefault(lit.group(1), set())
            for r in found:
                bucket |= _clean(r)
    if kanjidic and os.path.exists(kanjidic):
        with open(kanjidic, "rb") as f:
            for raw in f:
                line = raw.decode("euc_jp").rstrip("\n")
                if not line or line.startswith("#"):
                    continue
                fields = line.split(" ")
                bucket = readings.setdefault(fields[0], set())
                for field in fields[2:]:
                    if field.startswith("{"):
                        break
                    if field in ("T1", "T2"):
                        continue
                    if re.fullmatch(r"[\u3041-\u30f6.\-]+", field):
                        bucket |= _clean(field)
    for bucket in readings.values():
        bucket.discard("")
    return readings


class Aligner:
    """Splits readings of written names into readings of their characters."""

    def __init__(self, readings=None):
        self.readings = readings if readings is not None else load_readings()

    def readings_of(self, ch):
        """Base readings of one character (kana: itself)."""
        h = kana_to_hiragana(ch)
        if "\u3041" <= h <= "\u3093":
            return {h}
        return self.readings.get(ch, set())

    def _pieces(self, written, i):
        """Every surface form character i of written may take."""
        ch = written[i]
        base = self.readings_of(written[i - 1]) if ch == "々" and i > 0 else self.readings_of(ch)
        kana = ch != "々" and kana_to_hiragana(ch) in base and len(base) == 1
        forms = set(base)
        if i > 0 and not kana:
            for r in base:
                if r[0] in VOICED:
                    forms.add(VOICED[r[0]] + r[1:])
                if r[0] in HALF_VOICED:
                    forms.add(HALF_VOICED[r[0]] + r[1:])
        if i + 1 < len(written) and not kana:
            forms |= {f[:-1] + "っ" for f in list(forms) if len(f) > 1 and f[-1] in GEMINATING}
        return forms

    def align(self, written, reading):
        """Every split of reading into per-character readings of written, as
        a list of tuples of str (at most MAX_SPLITS of them)."""
        pieces = [self._pieces(written, i) for i in range(len(written))]

        @functools.lru_cache(maxsize=None)
        def rest(i, pos):
            if i == len(written):
                return [()] if pos == len(reading) else []
            out = []
            for form in pieces[i]:
                if reading.startswith(form, pos):
                    out += [(form,) + tail for tail in rest(i + 1, pos + len(form))]
                    if len(out) >= MAX_SPLITS:
                        break
            return out[:MAX_SPLITS]
        return sorted(rest(0, 0))

    def plausible(self, written, reading):
        """True when the reading splits into readings of the characters."""
        return bool(self.align(written, reading))


if __name__ == "__main__":
    aligner = Aligner()
    for w, r in [("陽翔", "はると"), ("一平", "いっぺい"), ("太郎", "たろう"), ("一一", "かずひと"),
                 ("佐々木", "ささき"), ("さくら", "さくら"), ("翔子", "さちこ"), ("浴衣", "ゆい")]:
        print(w, r, aligner.align(w, r))
