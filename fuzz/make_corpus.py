#!/usr/bin/env python3
"""Writes the seed corpus of every fuzz target into fuzz/corpus/<target>/.

Seeds are real names and real sample data, and the edge cases the unit tests
name, in each target's input format (see the head of each *_fuzz.cpp). Run
it again after changing a format; the fuzzer's own finds are not kept here.
"""
import os
import re
import shutil
import struct

HERE = os.path.dirname(os.path.abspath(__file__))
ROOT = os.path.dirname(HERE)


def sjis(text):
    return text.encode("cp932")


def u8(value):
    return bytes([value & 0xFF])


def le32(value):
    return struct.pack("<I", value & 0xFFFFFFFF)


def nul_joined(texts):
    return b"\0".join(t if isinstance(t, bytes) else sjis(t) for t in texts)


def sample_texts(first, rest):
    """The built-in texts of one stroke key, from the generated data."""
    source = open(os.path.join(ROOT, "search", "sample_name_data.cpp"), encoding="utf-8").read()
    block = re.search(r"kNames_%d_%d\[\] = \{(.*?)\};" % (first, rest), source, re.S).group(1)
    return re.findall(r'"([^"]*)"', block)


def surname_texts(count):
    source = open(os.path.join(ROOT, "search", "sample_name_data.cpp"), encoding="utf-8").read()
    block = re.search(r"kSurnames00\[\] = \{(.*?)\};", source, re.S).group(1)
    return re.findall(r'"([^"]*)"', block)[:count]


# SplitFullName: allowLongGiven, surname and given buffer choice, line.
# Buffer choices: 0 1 2 3 11 12 12 32 517 and 9 for the whole line.
def split_full_name():
    seeds = {}
    lines = {
        "half_blank": "山田 太郎",
        "full_blank": "山田　太郎",
        "leading_trailing_mixed": "　 山田 　　太郎 　",
        "no_blank": "山田太郎",
        "third_word": "山田 太郎 様",
        "five_chars": "長谷川田中 一二三四五",
        "six_char_surname": "長谷川田中村 太郎",
        "six_char_given": "山田 一二三四五六",
        "one_half_width": "山田 a",
        "two_half_width": "山田 ab",
        "trail_5c": "表示 予定",
        "blanks_only": "　 　",
    }
    for name, line in lines.items():
        for allow in (0, 1):
            for caps in ((9, 9), (7, 7), (5, 6)):
                seeds["%s_%d_%d_%d" % (name, allow, caps[0], caps[1])] = u8(allow) + u8(caps[0]) + u8(caps[1]) + sjis(line)
    seeds["long_reading_dialog"] = u8(1) + u8(8) + u8(8) + sjis("山田 ") + sjis("ひ") * 254
    seeds["small_buffers"] = u8(0) + u8(1) + u8(3) + sjis("山田 太郎")
    seeds["trail_81_then_at"] = u8(0) + u8(9) + u8(9) + b"\x89\x81@\x91\xbe\x98\x59"
    seeds["empty"] = u8(0) + u8(9) + u8(9)
    return seeds


# Sample store: mode (bit 0 surnames, bit 1 no array); a key: first, rest,
# count, null mask, texts; surnames: held (0..239, or 0xF0 + k for 2000 - k),
# texts.
def sample_name():
    seeds = {}
    for first, rest in ((1, 0), (10, 0), (4, 9)):
        texts = sample_texts(first, rest)
        seeds["key_%d_%d" % (first, rest)] = (u8(0) + u8(first) + u8(rest) + u8(len(texts)) + u8(0) +
                                              nul_joined(texts))
    seeds["key_separators"] = (u8(0) + u8(10) + u8(0) + u8(3) + u8(0b010) +
                               nul_joined(["浩__ひろし 一一__かずひと しの__しの", "x", "a___b __から",
                                           "寿限無寿限無__じゅげむじゅげむごこうのすりきれかいじゃりすいぎょ"]))
    seeds["key_no_separator"] = u8(0) + u8(2) + u8(0) + u8(1) + u8(0) + sjis("力ちから")
    seeds["key_outside"] = u8(0) + u8(22) + u8(0) + u8(1) + u8(0) + sjis("力__ちから")
    seeds["key_negative_count"] = u8(0) + u8(2) + u8(0) + u8(0xF5) + u8(0) + sjis("力__ちから")
    seeds["key_any_number"] = u8(0) + u8(0xFF) + le32(0x80000000) + u8(0) + u8(1) + u8(0) + sjis("力__ちから")
    seeds["key_no_array"] = u8(2) + u8(3) + u8(3) + u8(1) + u8(0) + sjis("力__ちから")
    seeds["surnames_real"] = u8(1) + u8(200) + nul_joined(surname_texts(4))
    seeds["surnames_edges"] = (u8(1) + u8(0) +
                               nul_joined(["横井　湯浅　若松　柳", "山田  田中", "長谷川田中村　林", b"\x97\xd1\x98",
                                           "", "後"]))
    for short in (5, 0):
        seeds["surnames_near_full_%d" % (2000 - short)] = (u8(1) + u8(0xF0 + short) +
                                                          nul_joined(["一　二　三　四　五　六　七"]))
    seeds["surnames_no_array"] = u8(3) + u8(0) + sjis("山田")
    return seeds


# Registry: records. Value: kind 0, path, name, type, length, bytes.
# Key flags: kind 2, path, flags. Answer: kind 3, path, name, result, type,
# size (4 bytes), length, bytes. Paths: 0 Number 1 SeiMei 2 Top10 3 Worst10
# 4 Recent 5 Hoshikura 6 Software 7 root 8 Settings. Names: 0 "Value", 1 + 3k
# + w for "k sei", "k mei", "k Score", 0xEF "Sex". Types: 0 SZ 1 DWORD 2 NONE 3 EXPAND_SZ
# 4 BINARY 5 DWORD_BIG_ENDIAN 6 MULTI_SZ 7 QWORD.
def value(path, name, vtype, data):
    return u8(0) + u8(path) + u8(name) + u8(vtype) + u8(len(data)) + data


def row_name(k, word):
    return 1 + 3 * k + word


def saved_state():
    people = [("山田", "太郎"), ("田中", "花子"), ("鈴木", "一郎")]
    records = value(0, 0, 1, le32(len(people)))
    for k, (sei, mei) in enumerate(people, 1):
        records += value(1, row_name(k, 0), 0, sjis(sei) + b"\0") + value(1, row_name(k, 1), 0, sjis(mei) + b"\0")
    for path, scores in ((2, (585, 420, 300)), (3, (300, 420, 585))):
        for k in range(1, 11):
            sei, mei = people[k - 1] if k <= 3 else ("---", "---")
            score = scores[k - 1] if k <= 3 else 0
            records += (value(path, row_name(k, 0), 0, sjis(sei) + b"\0") +
                        value(path, row_name(k, 1), 0, sjis(mei) + b"\0") + value(path, row_name(k, 2), 1, le32(score)))
    return records


def registry_load():
    state = saved_state()
    return {
        "saved_state": state,
        "count_17": state + value(0, 0, 1, le32(17)),
        "count_negative": state + value(0, 0, 1, le32(0x80000000)),
        "count_as_sz": state + value(0, 0, 0, b"3\0"),
        "twelve_bytes_unterminated": state + value(2, row_name(1, 0), 0, b"abcdefghijkl"),
        "lead_byte_dangling": state + value(1, row_name(2, 0), 0, sjis("一二三四五") + b"\x88"),
        "repeated_person": state + value(1, row_name(3, 0), 0, sjis("山田\0")) + value(1, row_name(3, 1), 0, sjis("太郎\0")),
        "recent_key_fails": state + u8(2) + u8(4) + u8(1),
        "score_binary": state + value(2, row_name(1, 2), 4, le32(585)),
        "answer_oversize": state + u8(3) + u8(2) + u8(row_name(1, 0)) + u8(0) + u8(0) + le32(4096) + u8(3) + b"abc",
        "answer_more_data": state + u8(3) + u8(0) + u8(0) + u8(3) + u8(1) + le32(4) + u8(4) + le32(5),
        "count_missing": state[len(value(0, 0, 1, le32(3))):],
        "rank_placeholder_name": state + value(2, row_name(2, 0), 0, sjis("---\0")),
        "rank_score_zero": state + value(3, row_name(1, 2), 1, le32(0)),
        "empty_hive": b"",
        "sex_girls": state + value(8, 0xEF, 1, le32(2)),
        "sex_out_of_range": state + value(8, 0xEF, 1, le32(7)),
    }


# Dialogs: good/bad, field capacity and read limit (two bytes each), typed.
def dialog_text():
    def seed(good, capacity, limit, typed):
        return u8(good) + struct.pack("<HH", capacity, limit) + typed
    return {
        "full_name": seed(1, 1023, 511, sjis("山田 太郎")),
        "surname_only": seed(0, 1023, 511, sjis("山田")),
        "reading": seed(1, 1023, 511, sjis("山田 ひろし")),
        "kanji": seed(1, 1023, 511, sjis("山田 翔")),
        "kanji_two_chars": seed(1, 1023, 511, sjis("山田 翔太")),
        "long_reading": seed(1, 1023, 511, sjis("山田 ") + sjis("ひ") * 300),
        "given_long": seed(0, 300, 255, sjis("一") * 150),
        "unterminated_field": seed(1, 12, 511, sjis("一二三四五六七八")),
        "cut_character": seed(1, 1023, 4, sjis("山田太郎")),
        "zero_capacity": seed(1, 0, 511, b""),
    }


# Command-line words: where parsing starts, flag and value option masks
# (bits: --json --texts --worst --key --surnames --limit --x --), words.
def cli_args():
    def seed(first, known, values, words):
        return u8(first) + u8(known) + u8(values) + nul_joined(
            w.encode("utf-8") if isinstance(w, str) else w for w in words)
    return {
        "judge": seed(2, 0b11, 0, ["hoshikura-cli", "judge", "--json", "山田", "太郎"]),
        "patterns_limit": seed(2, 0b101, 0b100000, ["hoshikura-cli", "patterns", "--limit", "5", "山田"]),
        "value_missing": seed(2, 0, 0b100000, ["hoshikura-cli", "kanji", "山田", "--limit"]),
        "unknown_option": seed(2, 1, 0, ["hoshikura-cli", "judge", "--jsn", "山田", "太郎"]),
        "numbers": seed(2, 0, 0b100000, ["x", "y", "--limit", " +12", "--limit", "-2147483648", "2147483647",
                                         "99999999999", "", "--"]),
        "not_in_cp932": seed(2, 1, 0, ["hoshikura-cli", "judge", "塡", b"\xed\xa0\x80", "😀"]),
    }


# hoshikura-cli judge: the words.
def cli_judge():
    def seed(words):
        return nul_joined(w.encode("utf-8") if isinstance(w, str) else w for w in words)
    return {
        "json": seed(["--json", "山田", "太郎"]),
        "texts_one_line": seed(["--texts", "山田　太郎"]),
        "quotes": seed(["--json", 'a"', "b\\"]),
        "half_width": seed(["山田", "a"]),
        "too_many": seed(["山", "田", "太", "郎"]),
        "unknown_option": seed(["--limit", "3", "山田", "太郎"]),
        "five_and_five": seed(["--json", "長谷川田中", "寿限無寿限"]),
        "broken_utf8": seed([b"\xe5\xb1", b"\xff\xfe"]),
        "not_in_cp932": seed(["山田", "太𠮟"]),
        "no_stroke_count": seed(["--json", "ゐ", "ab"]),
        "blanks_only": seed(["　", " "]),
    }


# Composed spellings: sex choice, row capacity, surname, NUL, reading.
def compose_reading():
    def seed(sex, capacity, surname, reading):
        return u8(sex) + u8(capacity) + sjis(surname) + b"\0" + reading
    return {
        "hiragana": seed(0, 160, "佐藤", sjis("はると")),
        "katakana_girls": seed(2, 160, "山田", sjis("ユイナ")),
        "long_reading_boys": seed(1, 40, "長谷川", sjis("しょうたろう")),
        "not_kana": seed(0, 8, "林", sjis("浩ー")),
        "odd_bytes": seed(3, 1, "", b"\x82\xcd\x82"),
        "past_the_field": seed(0, 255, "佐藤", sjis("ひ") * 60),
    }


def main():
    targets = {"split_full_name": split_full_name, "sample_name": sample_name, "registry_load": registry_load,
               "dialog_text": dialog_text, "cli_args": cli_args, "cli_judge": cli_judge,
               "compose_reading": compose_reading}
    for target, make in targets.items():
        directory = os.path.join(HERE, "corpus", target)
        shutil.rmtree(directory, ignore_errors=True)
        os.makedirs(directory)
        for name, data in make().items():
            with open(os.path.join(directory, name), "wb") as f:
                f.write(data)


if __name__ == "__main__":
    main()
