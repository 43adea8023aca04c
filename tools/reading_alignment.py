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
  shortening);
- a name of one character may read as an adjective or verb of the
  character in the old name form: stem + し for a kun reading in -い
  (清 きよ.い -> きよし), stem + む for one in -める (治 おさ.める -> おさむ),
  and a name reading + し (博 ひろ -> ひろし);
- the few readings of names of today that KANJIDIC does not list
  (`TODAY_READINGS`, e.g. 葵 まり in 陽葵 ひまり) and the words read as a whole
  (`WHOLE_WORDS`, e.g. 大和 やまと; the word's reading goes to its first
  character and each further character of the word gets '');
- the reviewed list name_readings_of_today.tsv: readings of one character
  (宙 そら) and words read as a whole (陽向 ひなた). `reviewed` tells
  which pieces of a split come from it.

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
DEFAULT_OF_TODAY = os.path.join(os.path.dirname(os.path.abspath(__file__)), "name_readings_of_today.tsv")

VOICED = dict(zip("かきくけこさしすせそたちつてとはひふへほ",
                  "がぎぐげござじずぜぞだぢづでどばびぶべぼ"))
HALF_VOICED = dict(zip("はひふへほ", "ぱぴぷぺぽ"))
GEMINATING = set("つちくき")
MAX_SPLITS = 64

# Readings that names of today give characters beyond KANJIDIC's lists:
# mostly the first syllables of a reading (夏 な from なつ, 凛 り from りん).
TODAY_READINGS = {
    "葵": "まり", "凛": "り", "心": "こ ここ", "夏": "な", "杏": "あ", "寧": "ね",
    "鈴": "り", "叶": "か", "奏": "か", "来": "ら", "渚": "な", "颯": "さ はや",
    "暖": "はる", "虹": "こ にじ", "星": "せ", "楓": "か", "風": "か", "彩": "あ",
    "桜": "お", "麗": "れ", "月": "る つき", "音": "おん", "結": "ゆ", "咲": "さ",
}

# Words that names use and that read as a whole, not character by character.
WHOLE_WORDS = {
    "大和": "やまと", "日向": "ひゅうが", "和泉": "いずみ", "飛鳥": "あすか",
    "息吹": "いぶき", "永遠": "とわ", "今日": "きょう", "明日": "あす", "五月": "さつき",
    "弥生": "やよい", "紅葉": "もみじ", "百合": "ゆり", "時雨": "しぐれ", "胡桃": "くるみ",
    "小豆": "あずき", "東風": "こち", "七夕": "たなばた", "神楽": "かぐら",
}


def load_of_today(path=DEFAULT_OF_TODAY):
    """The reviewed readings of names of today (name_readings_of_today.tsv):
    (readings of one character, readings of words read as a whole), each a
    dict written form -> set of readings."""
    chars, words = {}, {}
    with open(path, encoding="utf-8") as f:
        for line in f:
            if line.strip() and not line.startswith("#"):
                written, reading = line.split("\t")[:2]
                (chars if len(written) == 1 else words).setdefault(written, set()).add(reading)
    return chars, words


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


def _old_name_forms(reading):
    """The old name forms a kun reading gives a one-character name."""
    r = kana_to_hiragana(reading.replace("-", ""))
    stem, dot, tail = r.partition(".")
    if dot and tail.endswith("い"):
        return {stem + "し"}
    if dot and tail.startswith("め"):
        return {stem + "む"}
    return set()


def load_readings(kanjidic2=DEFAULT_KANJIDIC2, kanjidic=DEFAULT_KANJIDIC):
    """Map character -> set of hiragana readings (on, kun, nanori, those of
    TODAY_READINGS). The old name forms of one-character names are under
    the key ('single', character), the kun readings that are a whole word
    without okurigana (紬 つむぎ, 椿 つばき) under ('word', character)."""
    readings = {ch: set(rs.split()) for ch, rs in TODAY_READINGS.items()}

    def add(ch, raw_readings, nanori, kun=()):
        bucket = readings.setdefault(ch, set())
        single = readings.setdefault(("single", ch), set())
        for r in raw_readings:
            bucket |= _clean(r)
            single |= _old_name_forms(r)
        single |= {kana_to_hiragana(n) + "し" for n in nanori}
        readings.setdefault(("word", ch), set()).update(
            kana_to_hiragana(r) for r in kun if not set(r) & set(".-"))

    if kanjidic2 and os.path.exists(kanjidic2):
        with gzip.open(kanjidic2, "rt", encoding="utf-8") as f:
            text = f.read()
        for block in text.split("<character>")[1:]:
            lit = re.search(r"<literal>(.+?)</literal>", block)
            if lit:
                nanori = re.findall(r"<nanori>([^<]+)</nanori>", block)
                add(lit.group(1), re.findall(r'<reading r_type="ja_(?:on|kun)">([^<]+)</reading>', block)
                    + nanori, nanori, re.findall(r'<reading r_type="ja_kun">([^<]+)</reading>', block))
    if kanjidic and os.path.exists(kanjidic):
        with open(kanjidic, "rb") as f:
            for raw in f:
                line = raw.decode("euc_jp").rstrip("\n")
                if not line or line.startswith("#"):
                    continue
                fields = line.split(" ")
                kana = [x for x in fields[2:] if re.fullmatch(r"[\u3041-\u30f6.\-]+|T1|T2", x)]
                nanori = kana[kana.index("T1") + 1:] if "T1" in kana else []
                plain = kana[:kana.index("T1")] if "T1" in kana else kana
                add(fields[0], [x for x in kana if x not in ("T1", "T2")], nanori,
                    [x for x in plain if re.fullmatch(r"[\u3041-\u3093]+", x)])
    for bucket in readings.values():
        bucket.discard("")
    return readings


class Aligner:
    """Splits readings of written names into readings of their characters."""

    def __init__(self, readings=None, of_today=None):
        self.readings = readings if readings is not None else load_readings()
        self.chars_of_today, words = of_today if of_today is not None else load_of_today()
        self.whole_words = {w: set(rs.split()) for w, rs in WHOLE_WORDS.items()}
        for w, rs in words.items():
            self.whole_words.setdefault(w, set()).update(rs)
        self.words_of_today = words

    def readings_of(self, ch):
        """Base readings of one character (kana: itself)."""
        h = kana_to_hiragana(ch)
        if "\u3041" <= h <= "\u3093":
            return {h}
        return self.readings.get(ch, set()) | self.chars_of_today.get(ch, set())

    def reviewed(self, written, split):
        """The indices of a split's pieces that come from the reviewed list:
        a reading of one character listed there (voiced after the first
        character too), or a word listed there read as a whole."""
        out = set()
        for i, (ch, piece) in enumerate(zip(written, split)):
            rs = self.chars_of_today.get(ch, set())
            if piece in rs or i > 0 and piece in {VOICED[r[0]] + r[1:] for r in rs if r[0] in VOICED}:
                out.add(i)
        for w, rs in self.words_of_today.items():
            for i in range(len(written) - len(w) + 1):
                if written.startswith(w, i) and split[i] in rs and not any(split[i + 1:i + len(w)]):
                    out.update(range(i, i + len(w)))
        return out

    def is_word(self, ch, reading):
        """True when reading is a kun reading of ch that is a whole word."""
        return reading in self.readings.get(("word", ch), ())

    def _pieces(self, written, i):
        """Every surface form character i of written may take."""
        ch = written[i]
        base = self.readings_of(written[i - 1]) if ch == "々" and i > 0 else self.readings_of(ch)
        kana = ch != "々" and kana_to_hiragana(ch) in base and len(base) == 1
        forms = set(base)
        if len(written) == 1:
            forms |= self.readings.get(("single", ch), set())
        if i > 0 and not kana:
            for r in base:
                if r[0] in VOICED:
                    forms.add(VOICED[r[0]] + r[1:])
                if r[0] in HALF_VOICED:
                    forms.add(HALF_VOICED[r[0]] + r[1:])
        if i + 1 < len(written) and not kana:
            forms |= {f[:-1] + "っ" for f in list(forms) if len(f) > 1 and f[-1] in GEMINATING}
        return forms

    def _words(self, written, i):
        """(length, reading) of the whole-read words starting at character i."""
        return [(len(w), r) for w, rs in self.whole_words.items() if written.startswith(w, i)
                for r in sorted(rs)]

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
            for length, word_reading in self._words(written, i):
                if reading.startswith(word_reading, pos):
                    out += [(word_reading,) + ("",) * (length - 1) + tail
                            for tail in rest(i + length, pos + len(word_reading))]
            return out[:MAX_SPLITS]
        return sorted(rest(0, 0))

    def plausible(self, written, reading):
        """True when the reading splits into readings of the characters."""
        return bool(self.align(written, reading))


if __name__ == "__main__":
    aligner = Aligner()
    for w, r in [("陽翔", "はると"), ("一平", "いっぺい"), ("太郎", "たろう"), ("一一", "かずひと"),
                 ("佐々木", "ささき"), ("さくら", "さくら"), ("翔子", "さちこ"), ("浴衣", "ゆい"),
                 ("清", "きよし"), ("治", "おさむ"), ("博", "ひろし"), ("大和", "やまと"), ("陽葵", "ひまり")]:
        print(w, r, aligner.align(w, r))
