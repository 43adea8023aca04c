#!/usr/bin/env python3
"""Check the built-in fortune texts (engine/fortune_*_texts.cpp).

Reads the four sources and reports every text that breaks a rule:
- length in Shift-JIS (CP932) bytes within the range of its kind, and at
  least 40 characters when not empty; person, earth and outer texts of the
  numbers 72..81 empty, every other text present;
- one paragraph of one to six sentences, the last ended by 。, none longer
  than MAX_SENTENCE characters or with more than MAX_COMMAS commas (a reader
  loses a sentence of many clauses), no half-width character;
- the fixed opening and the length of the total text of 81;
- the heading: the program prints 「人格が[9画]（大凶数）の人は」 before the
  text, so no text opens by repeating it (この数を人格に持つ人は …) and no
  sentence makes the person a number (…数です。, …運です。);
- words a parent should not meet about a newborn: one sex addressed or
  roles in a marriage, a life course taken for granted (marriage,
  children, lineage, religion, a household or a job), death or a short
  life, illness of a named organ or ill health and poverty as a trait,
  fates instead of tendencies, harm stated as certain, a flaw of character stated as a fact, an old
  age foretold as lonely, sick or poor, jargon and rare kanji; in earth
  texts, misfortune in the child's home, gambling and investing;
- advice varied: one piece of advice in a few texts at most (REPEATED),
  since a reader meets one number on up to three grids;
- advice: every text of an unlucky number (凶数, 大凶数) has a sentence
  that tells the reader what to do (ADVICE), not only to be careful;
- the house spelling: one written form per word (SPELLING).

Usage: python3 tools/check_fortune_texts.py [--dump] [--root DIR]
--dump prints every text with its number, luck class and length instead.
Exit status 1 when anything is reported.
"""

import argparse
import os
import re
import sys

ROOT = os.path.normpath(os.path.join(os.path.dirname(os.path.abspath(__file__)), ".."))
NUMBERS = 81
MIN_CHARS = 40
MAX_SENTENCES = 6
MAX_SENTENCE = 72
MAX_COMMAS = 3

# By kind: (source, grid word, least bytes, most bytes, last number with a text).
KINDS = [
    ("fortune_person_texts.cpp", "人格", 74, 394, 71),
    ("fortune_earth_texts.cpp", "地格", 34, 306, 71),
    ("fortune_outer_texts.cpp", "外格", 32, 322, 71),
    ("fortune_total_texts.cpp", "総格", 102, 446, 81),
]

# (kind, number, beginning)
OPENINGS = [
    (3, 81, "健康で長生きする運を持ち、"),
]
FIXED_BYTES = [(3, 81, 122)]
LUCK_WORDS = {2: "大吉数", 1: "吉数", 0: "小吉数", -1: "凶数", -2: "大凶数"}

# Patterns a text must not contain, by concern.
BANNED = {
    "one sex or a role in marriage": [
        r"女", r"男", r"彼", r"親分", r"姉御",
        r"(?<![工丈])夫(?!婦)", r"妻", r"亭主", r"主婦", r"主人", r"嫁", r"婿", r"後家", r"未亡人",
        r"内助", r"良妻", r"賢母", r"家庭に入", r"家庭に収ま", r"一歩引", r"配偶者を立て",
        r"控えめ", r"娘", r"息子", r"婚期", r"晩婚", r"早婚", r"養子",
    ],
    "death or a short life": [
        r"死", r"短命", r"早世", r"夭折", r"若死", r"命を落", r"亡く", r"亡き", r"先立",
        r"世を去", r"非業", r"横死", r"生き別れ", r"急な不幸", r"(身内|家族|肉親)(の|に)不幸", r"肉親との別れ",
        r"天寿", r"(長寿|天命|生涯)を全う",
    ],
    "illness of a named organ": [
        r"心臓", r"血圧", r"血液", r"呼吸器", r"腎臓", r"肝臓", r"胃", r"腸", r"肺",
        r"(?<!頭)脳", r"神経", r"循環器", r"消化器", r"婦人", r"眼病", r"目の病",
        r"骨(?!を折|が折)", r"関節", r"皮膚", r"喉", r"気管", r"癌", r"がん", r"結核", r"糖尿",
        r"精神病", r"心の病", r"難病", r"不治", r"大病", r"持病",
    ],
    "a life course taken for granted": [
        r"配偶者", r"伴侶", r"夫婦", r"結婚", r"パートナー", r"恋愛", r"子孫", r"子宝", r"孫",
        r"(?<![様調拍弟菓帽])子(に|や|を)", r"良き親", r"両親", r"受け継いだ", r"遺産", r"相続", r"の実家", r"家柄", r"先祖",
        r"祖先", r"家業", r"一門", r"一族", r"一家", r"家を(興|起こ|盛り|立て直)", r"跡継ぎ", r"後継者",
        r"信仰", r"宗教", r"神仏",
        r"家庭", r"部下", r"取引", r"転職", r"職場",
    ],
    "ill health or poverty as a trait": [
        r"病弱", r"虚弱", r"病気がち", r"病気知らず", r"体(が|も)弱", r"体力がな", r"丈夫とは(いえ|言え)な",
        r"体質", r"貧困", r"困窮", r"窮迫", r"貧し", r"貧乏",
    ],
    "jargon or a rare kanji": [
        r"破兆", r"凶意", r"空亡", r"一成一敗", r"中折", r"英敏", r"破家", r"首領", r"僥倖", r"驕", r"惹",
        r"錨", r"脆", r"淀", r"仇", r"苛",
        r"暗示", r"一の気", r"始まりの気", r"旭日", r"先苦後楽", r"頭領", r"富貴", r"(福寿|長寿)の相",
        r"三徳", r"知・仁・勇", r"智", r"山っ気", r"気丈", r"心得です",
    ],
    "a flaw of character stated as a fact": [
        r"意志が弱", r"(忍耐力|勇気|気力)[^。、]{0,3}(足りず|欠け)", r"空虚でもろ",
    ],
    "a fate instead of a tendency": [
        r"運命", r"宿命", r"避けられな", r"避けられず", r"逃れられ", r"免れ", r"定めら", r"約束されて",
        r"必ず(?!守)", r"自殺", r"狂",
        r"廃人", r"刑", r"殺", r"離婚", r"別居", r"再婚", r"滅", r"唯一", r"強いられ",
        r"病に倒れ", r"病に伏",
    ],
}

# Patterns that tell an unlucky number's reader a fate rather than a tendency.
BANNED_WHEN_UNLUCKY = [r"一生", r"生涯"]

# Misfortune stated as certain. These words say "always" or "never" in any
# use, so they are refused in lucky texts too (笑いの絶えない is written
# otherwise); a tendency reads 〜しがちです, 〜しやすいでしょう.
CERTAIN = [
    r"絶え(ず|ない|ません|間な)", r"暇が(ない|ありません)", r"(休まる|落ち着く)(時|暇)",
    r"違いありません", r"ことを知りません", r"(衰え|疲れ)(を|ることを)知ら", r"知らず(?=[、。で])",
    r"つきまといます", r"まずありません",
    r"時期(も|が)あります", r"時期があるでしょう", r"なかなか[^。、]{0,6}ません", r"苦労が多く、", r"苦労を経験します", r"訪れます。",
]

# The heading ends 「…の人は」: a text does not say it again.
REPEATED_HEADING = [r"^この(数|画数)", r"^(人格|地格|外格|総格|総画|天格)(の|が|に|を|で)",
                    r"^[^。]*(人格|地格|外格|総格|総画)に持つ"]
# A sentence whose predicate is the number (or its luck), so that the
# heading reads "the person … is a number" (the person has a fortune; a
# fortune is not 暗示された by a person either, see the jargon).
PERSON_AS_NUMBER = r"(数|運|相)(です|でしょう|ですが|ですから|であり)"

# Advice in an unlucky text: a sentence ending in an advice form, which is
# not only a warning (注意・用心・気をつける alone tell nothing to do).
ADVICE = re.compile(
    r"(ましょう|[てで]ください|と良いでしょう"
    r"|(こと|の)が(大切|肝心|大事|何より)です"
    r"|(こと|の)が[^。]{0,10}(支え|助け|守り|備え|道|鍵)(です|になります|となります))。$")
VAGUE_ADVICE = re.compile(r"(注意|用心|気をつけ|気を配)[^、。]{0,10}。$")

# Earth texts (地格, made only of the given name the parents choose) speak of
# the child's young years as temperament and support, never of misfortune
# in the child's home.
BANNED_IN_EARTH = [
    r"家運", r"家柄", r"生家", r"肉親", r"親兄弟", r"親元", r"貧しい家", r"家庭の事情",
    r"(家庭|家族)[^。、]{0,6}(不和|波乱|波風|荒波|変動|落ち着か|病|困窮|別離|離散|問題|心配)",
    r"離れて暮ら", r"(家族|親|身内|兄弟)[^。、]{0,4}縁(が|も)薄",
    r"賭け", r"投資", r"投機",
]

# Advice that may close a few texts but not many: (words, most texts).
REPEATED = [("頼れる人", 2), ("睡眠と休養", 2), ("保証", 3), ("一晩", 3), ("連絡を取り合", 2)]

# An old age foretold as lonely, sick or poor: a word of loneliness, illness,
# decline or want after 晩年・老後・老い in the same sentence (不安が少ない
# is not one).
OLD_AGE = (r"(晩年|老後|老い)[^。]*?(孤独|寂し|心細|病|衰え|貧|苦し|不遇|不安(?!が少な|のな)"
           r"|先細|下り坂|陰り|細り)")

# House spelling: the form used, and the forms it replaces.
SPELLING = [
    ("子ども", [r"子供"]),
    ("けが", [r"怪我"]),
    ("頃", [r"(?<![こと])ころ"]),
    ("波乱", [r"波瀾"]),
    ("おぼれる", [r"溺"]),
    ("良い・良く", [r"(?<!ほど)よい", r"(?<=[がもの])よく", r"善い", r"好い"]),
    ("時", [r"とき(?!どき)"]),
    ("こと", [r"(?<!争い)(?<=[るたいなの])事(?![業故務情柄])"]),
    ("ところ", [r"(?<=[いたるなぬ])所"]),
    ("できる", [r"出来(?!事)"]),
    ("よう", [r"様に", r"様な", r"様で"]),
    ("ため", [r"為"]),
    ("ともに", [r"共に"]),
    ("また", [r"又"]),
    ("さらに", [r"更に"]),
    ("すでに", [r"既に"]),
    ("すべて", [r"全て"]),
    ("ほとんど", [r"殆ど"]),
    ("わずか", [r"僅か"]),
    ("まで", [r"迄"]),
    ("ない", [r"無い", r"無く"]),
    ("いる", [r"居る", r"居ま"]),
    ("ある", [r"有る", r"有り"]),
    ("ください", [r"下さい"]),
    ("いったん", [r"一旦"]),
    ("いっそう", [r"一層"]),
    ("さまざま", [r"様々"]),
    ("おかげ", [r"お陰"]),
    ("一つ", [r"ひとつ"]),
    ("何事", [r"何ごと"]),
    ("争い事・もめ事", [r"争いごと", r"揉め", r"もめごと"]),
    ("上げる", [r"挙げ"]),
    ("作る", [r"(?<![づ])つく[らりるれろっ]"]),
    ("すぎる", [r"(?<=[いきしちにひみりえけせてねべめれぎじび])過ぎ"]),
    ("心がける", [r"心掛け", r"心懸け"]),
    ("気をつける", [r"気を付け"]),
    ("わたる", [r"亘", r"渡って"]),
    ("まとめる", [r"纏め"]),
    ("そろう", [r"揃"]),
    ("うまく", [r"上手く"]),
    ("つながる", [r"繋が"]),
    ("つらい", [r"辛い", r"辛さ"]),
    ("生かす", [r"活か"]),
    ("切り開く", [r"切り拓", r"切拓"]),
    ("寂しい", [r"淋し"]),
    ("出会う", [r"出逢"]),
    ("振る舞う", [r"振舞"]),
    ("貯まる", [r"溜ま", r"溜め"]),
    ("跡継ぎ", [r"後継ぎ"]),
    ("成す", [r"(?<=[財名])をなす", r"(?<=[財名])をなし"]),
    ("取れる", [r"(?<=[がの])とれ"]),
    ("玉にきず", [r"玉に瑕", r"玉に疵"]),
    ("見舞われる", [r"みまわれ"]),
    ("付き合い", [r"付合", r"つきあい", r"つき合い"]),
    ("思いやり", [r"思い遣り"]),
    ("就く (地位に)", [r"(地位|役|職)につ"]),
    ("頭が良く", [r"(?<=[はが])よく"]),
    ("総格", [r"総画"]),
    ("好機", [r"チャンス"]),
]

ENTRY = re.compile(r"/\*\s*(\d+)\s*\*/((?:\s*\"[^\"\\]*\")+)")
LITERAL = re.compile(r"\"([^\"\\]*)\"")


def read_texts(path):
    """The 81 texts of one source, in number order."""
    with open(path, encoding="utf-8") as f:
        source = f.read()
    texts = {}
    for match in ENTRY.finditer(source):
        texts[int(match.group(1))] = "".join(LITERAL.findall(match.group(2)))
    if sorted(texts) != list(range(1, NUMBERS + 1)):
        sys.exit(f"{path}: expected entries 1..{NUMBERS}, found {sorted(texts)}")
    return [texts[n] for n in range(1, NUMBERS + 1)]


def read_luck_classes(path):
    """Luck class of 1..81 from the number table of the scoring engine."""
    with open(path, encoding="utf-8") as f:
        source = f.read()
    table = source[source.index("kNumberTable"):]
    table = table[:table.index("};")]
    classes = [int(luck) for _, luck in re.findall(r"\{(-?\d+),\s*(-?\d+)\}", table)]
    if len(classes) != NUMBERS:
        sys.exit(f"{path}: expected {NUMBERS} number entries, found {len(classes)}")
    return classes


def sentences(text):
    return [s for s in re.findall(r"[^。！？]*[。！？]?", text) if s]


def structure_faults(kind, n, text):
    _, _, low, high, last = KINDS[kind]
    faults = []
    if n > last:
        if text:
            faults.append("must be empty")
        return faults
    try:
        size = len(text.encode("cp932"))
    except UnicodeEncodeError as e:
        return [f"not CP932: {e}"]
    if not low <= size <= high:
        faults.append(f"{size} bytes, outside {low}..{high}")
    if len(text) < MIN_CHARS:
        faults.append(f"{len(text)} characters, fewer than {MIN_CHARS}")
    if any(ord(c) < 0x3000 for c in text):
        faults.append("half-width or control character")
    parts = sentences(text)
    if not 1 <= len(parts) <= MAX_SENTENCES:
        faults.append(f"{len(parts)} sentences")
    if not text.endswith("。"):
        faults.append("does not end with 。")
    for part in parts:
        if len(part) > MAX_SENTENCE or part.count("、") > MAX_COMMAS:
            faults.append(f"run-on sentence ({len(part)} characters): {part[:20]}…")
    return faults


def excerpts(patterns, text):
    """Every match of the patterns in text, with a few characters around it."""
    for pattern in patterns:
        for m in re.finditer(pattern, text):
            yield m.group(0), text[max(0, m.start() - 8):m.end() + 8]


def word_faults(text, unlucky, earth=False):
    faults = []
    if unlucky:
        faults += [f"a fate for an unlucky number: …{around}…"
                   for _, around in excerpts(BANNED_WHEN_UNLUCKY, text)]
    if earth:
        faults += [f"misfortune in the child's home: …{around}…"
                   for _, around in excerpts(BANNED_IN_EARTH, text)]
    faults += [f"harm stated as certain: …{around}…" for _, around in excerpts(CERTAIN, text)]
    faults += [f"an old age foretold as lonely, sick or poor: …{around}…"
               for _, around in excerpts([OLD_AGE], text)]
    for concern, patterns in BANNED.items():
        faults += [f"{concern}: …{around}…" for _, around in excerpts(patterns, text)]
    for house, variants in SPELLING:
        faults += [f"spelling {found} → {house}" for found, _ in excerpts(variants, text)]
    return faults


def heading_faults(text):
    """The text read after the heading 「人格が[9画]（大凶数）の人は」."""
    faults = [f"repeats the heading: {text[:14]}…" for _, _ in excerpts(REPEATED_HEADING, text)]
    faults += [f"makes the person a number: …{around}…"
               for _, around in excerpts([PERSON_AS_NUMBER], text)]
    return faults


def advice_faults(text, unlucky):
    """An unlucky text tells the reader something to do."""
    if not unlucky or not text:
        return []
    if any(ADVICE.search(part) and not VAGUE_ADVICE.search(part) for part in sentences(text)):
        return []
    return ["no advice (a sentence ending 〜ましょう, 〜てください, 〜と良いでしょう, "
            "〜ことが大切です or 〜ことが支えになります, not only a warning)"]


def table_faults(table):
    faults = []
    for kind, n, opening in OPENINGS:
        if not table[kind][n - 1].startswith(opening):
            faults.append(f"{KINDS[kind][1]}{n}: must open with {opening}")
    for kind, n, size in FIXED_BYTES:
        if len(table[kind][n - 1].encode("cp932")) != size:
            faults.append(f"{KINDS[kind][1]}{n}: must be {size} bytes")
    texts = [t for kind in table for t in kind]
    for words, most in REPEATED:
        count = sum(words in t for t in texts)
        if count > most:
            faults.append(f"「{words}」 in {count} texts, more than {most}")
    return faults


def dump(table, luck):
    for kind, (_, grid, *_limits) in enumerate(KINDS):
        for n, text in enumerate(table[kind], 1):
            if text:
                size = len(text.encode("cp932"))
                print(f"{grid}{n} {LUCK_WORDS[luck[n - 1]]} {len(text)}字 {size}B\n{text}\n")


def faults(table, luck):
    reports = table_faults(table)
    for kind, (_, grid, *_limits) in enumerate(KINDS):
        for n, text in enumerate(table[kind], 1):
            unlucky = luck[n - 1] < 0
            for fault in (structure_faults(kind, n, text) + heading_faults(text)
                          + word_faults(text, unlucky, earth=kind == 1) + advice_faults(text, unlucky)):
                reports.append(f"{grid}{n} ({LUCK_WORDS[luck[n - 1]]}): {fault}")
    return reports


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--root", default=ROOT)
    parser.add_argument("--dump", action="store_true")
    args = parser.parse_args()
    engine = os.path.join(args.root, "engine")
    table = [read_texts(os.path.join(engine, kind[0])) for kind in KINDS]
    luck = read_luck_classes(os.path.join(engine, "judge.cpp"))
    if args.dump:
        dump(table, luck)
        return 0
    reports = faults(table, luck)
    for line in reports:
        print(line)
    texts = [t for kind in table for t in kind if t]
    print(f"{len(reports)} faults in {len(texts)} texts, "
          f"{min(map(len, texts))}..{max(map(len, texts))} characters", file=sys.stderr)
    return 1 if reports else 0


if __name__ == "__main__":
    sys.exit(main())
