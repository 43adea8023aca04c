#!/usr/bin/env python3
"""hoshikura-cli run as a user runs it: cli_test.py PATH_TO_HOSHIKURA_CLI.

Output that cannot be written, input that cannot be read, names that are
refused, characters without a stroke count, the judgement's lines and the
fortune texts printed by number, candidates compared side by side."""
import json
import os
import re
import subprocess
import sys
import tempfile
import unittest

CLI = None
COMMANDS = ["judge", "texts", "samples", "patterns", "reading", "kanji", "surnames", "compose", "compare"]


def run(*words, stdout=subprocess.PIPE, **options):
    done = subprocess.run([CLI, *words], stdout=stdout, stderr=subprocess.PIPE, **options)
    out = done.stdout.decode() if done.stdout is not None else ""
    return done.returncode, out, done.stderr.decode("utf-8", "replace")


class LostOutput(unittest.TestCase):
    def test_a_failed_write_is_reported(self):
        read_end, write_end = os.pipe()
        os.close(read_end)
        with open("/dev/full", "wb") as full:
            # Python ignores SIGPIPE; without restore_signals the tool inherits that.
            for words, options in [(("patterns", "山田"), dict(stdout=full)),
                                   (("judge", "山田", "太郎"), dict(stdout=None, preexec_fn=lambda: os.close(1))),
                                   (("texts",), dict(stdout=write_end, restore_signals=False))]:
                with self.subTest(words=words):
                    code, _, err = run(*words, **options)
                    self.assertEqual(code, 1)
                    self.assertTrue(err.strip(), "a failed write must be reported")
        os.close(write_end)


class Refusals(unittest.TestCase):
    def test_every_refusal_says_why_and_prints_nothing(self):
        cases = {  # 1: a name or number refused; 2: words the command does not take
            1: [("judge", "", ""), ("judge", "　 "), ("judge", "山田太郎"), ("judge", "山田", "a"),
                ("judge", "山田山田山田", "太郎"), ("judge", "山田", "a太"), ("kanji", "山田", "翔太"), ("kanji", "山田", "翔" * 40), ("kanji", "山田", "ab"),
                ("patterns", " "), ("reading", "山田"), ("surnames", "　"),
                ("compare", "山田"), ("compare", "--file", "/nonexistent/names.txt")],
            2: [("judge", "山田", "太郎", "次郎"), ("judge", "山田 太郎 次郎"), ("patterns", "山田", "太郎"),
                ("texts", "82"), ("texts", "--kind", "heaven"), ("judge",), ("surnames", "太郎", "次郎"),
                ("compare",), ("compare", "--file", "x.txt", "山田", "太郎")],
        }
        # Invalid UTF-8 is told by its byte offset, a character Shift-JIS lacks by itself.
        told = [(("judge", "山田".encode() + b"\xff", "太郎"), str(len("山田".encode()) + 1))]
        told += [(("judge", "山田", "太" + name), name) for name in ("𠮟", "塡", "😀")]
        told += [(("judge", "山田", "太郎\u200b"), "目に見えない空白")]  # pasted from a web page
        # A name of half-width letters or katakana has no strokes to count.
        told += [(words, "漢字・ひらがな・全角カタカナで入力してください") for words in
                 (("judge", "yamada", "taro"), ("judge", "山田", "ﾀﾛｳ"), ("patterns", "ﾔﾏﾀﾞ"), ("surnames", "taro"))]
        cases[2] += [(), ("foo",), ("samples", "山田"), ("patterns", "--limit", "x", "山田"), ("reading", "--sex", "w", "林", "あ"),
                     ("samples", "--key", "0", "0"), ("samples", "--random", "0", "--seed", "1")]
        # A mistyped option, or one whose value is missing, is named.
        named = [(("judge", "-t", "山田", "太郎"), "-t"), (("patterns", "--limit", "山田"), "--limit"),
                 (("patterns", "--limit", "0", "山田"), "--limit"), (("kanji", "--sex", "山田", "翔"), "--sex"),
                 (("judge", "--", "山田", "太郎"), "「--」"), (("judge", "山田", "-太郎"), "「-太郎」")]
        for expected, words, why in ([(c, w, "") for c, ws in cases.items() for w in ws] + [(1, w, y) for w, y in told]
                                     + [(2, w, y) for w, y in named]):
            with self.subTest(words=words):
                code, out, err = run(*words)
                self.assertEqual((code, out), (expected, ""))
                self.assertIn(why, err)
                self.assertNotRegex(err, r"U\+|シフトJIS")
                # One Japanese line after the tool's name; a usage error adds the
                # usage of its command, or of every command when there is none.
                message, _, usage = err.partition("使い方：\n")
                self.assertRegex(message, r"^hoshikura-cli: [^\n]*[ぁ-んァ-ン一-龥][^\n]*\n$")
                listed = re.findall(r"^  hoshikura-cli (\w+) ", usage, re.M)
                self.assertEqual(listed, [] if expected == 1 else [words[0]] if words[:1] != ("foo",) and words else COMMANDS)


class Help(unittest.TestCase):
    def test_asking_for_help_prints_the_usage(self):
        for words in (("--help",), ("-h",), ("help",), ("judge", "--help")):
            with self.subTest(words=words):
                code, out, err = run(*words)
                self.assertEqual((code, err), (0, ""))
                listed = re.findall(r"^  hoshikura-cli (\w+) ", out, re.M)
                self.assertEqual(listed, COMMANDS if len(words) == 1 else ["judge"])


class UnknownCharacters(unittest.TestCase):
    def test_named_on_stderr_and_in_json(self):
        code, out, err = run("judge", "--json", "ゐ", "ゐ太")
        self.assertEqual(code, 0)
        self.assertEqual(json.loads(out)["unknownCharacters"], ["ゐ"])
        self.assertEqual(err.count("ゐ"), 1)
        self.assertIn("置き換えて入力してください", err)


class Hints(unittest.TestCase):
    def test_a_search_that_cannot_match_says_what_to_type(self):
        for words, hint in ((("reading", "鈴木", "太郎"), "入力してください"), (("reading", "鈴木", "ﾀﾛｳ"), "半角カタカナ"),
                            (("compose", "佐藤", "はる人"), "入力してください"), (("kanji", "鈴木", "マ"), "入力してください"),
                            (("reading", "鈴木", "ヴ"), "バ行"), (("kanji", "鈴木", "ゐ"), "入力してください"),
                            (("compose", "佐藤", "はるとはるとはると"), "judge で確かめてください")):
            with self.subTest(words=words):
                code, out, err = run(*words)
                self.assertEqual((code, out), (0, "該当なし\n"))
                self.assertTrue(err.startswith("hoshikura-cli: ") and hint in err)
        self.assertEqual(run("reading", "鈴木", "タロウ")[2], "")

    def test_a_pattern_without_sample_names_says_so(self):
        patterns = json.loads(run("patterns", "--json", "鈴木")[1])
        lines = run("patterns", "鈴木")[1].splitlines()
        self.assertEqual([line.endswith("画: 該当なし") for line in lines], [not p["samples"] for p in patterns])
        self.assertTrue(any(not p["samples"] for p in patterns))


class JudgementLines(unittest.TestCase):
    def test_each_score_with_its_maximum_and_one_word_a_level(self):
        words = {}
        for surname, given in (("山田", "太郎"), ("佐々木", "健太郎"), ("林", "一"), ("金子", "みすゞ"), ("鈴木", "一一")):
            with self.subTest(name=surname + given):
                judged = json.loads(run("judge", "--json", surname, given)[1])
                out = run("judge", surname, given)[1]
                shown = re.findall(r"^(?:画数|五行|陰陽|同画|総合得点) *(-?\d+)点／(\d+)点（(.+?)）(.*)$", out, re.M)
                self.assertEqual([int(s[0]) for s in shown], judged["scores"] + [judged["total"]])
                maxima = [int(s[1]) for s in shown]
                self.assertEqual(sum(maxima[:4]), maxima[4])
                self.assertTrue(all(int(s[0]) <= m for s, m in zip(shown, maxima)))
                for (_, _, word, _), level in zip(shown, judged["ratings"]):
                    self.assertEqual(words.setdefault(level, word), word)
                self.assertTrue(shown[4][3], "the total line ends in its sentence")


class ControlCharacters(unittest.TestCase):
    def test_removed_from_a_name_before_it_is_checked(self):
        judged = run("judge", "--json", "山田", "太郎")
        self.assertEqual(judged[0], 0)
        for words in (("山\x01田", "太\n郎"), ("\x7f山田\t", "太郎\t")):
            with self.subTest(words=words):
                self.assertEqual(run("judge", "--json", *words), judged)


GRID_NAMES = os.path.join(os.path.dirname(__file__), "..", "data", "grid_numbers.tsv")
GRIDS = ("天格", "人格", "地格", "外格", "総格")


class GridNumbers(unittest.TestCase):
    """Each grid reads its luck and text from the number it counts as, and
    the text output shows the number as added up beside it."""

    def test_numbers_beyond_81_and_zero_read_as_counted(self):
        texts = json.loads(run("texts", "--json")[1])
        with open(GRID_NAMES, encoding="utf-8") as rows:
            names = [line.rstrip("\n").split("\t") for line in rows if not line.startswith("#")]
        for surname, given, grids, counted in names:
            with self.subTest(name=surname + given):
                grids, counted = [int(n) for n in grids.split()], [int(n) for n in counted.split()]
                judged = json.loads(run("judge", "--json", surname, given)[1])
                self.assertEqual((judged["grids"], judged["counted"]), (grids, counted))
                for g, kind in enumerate(("person", "earth", "outer", "total"), start=1):
                    text = texts[kind][counted[g] - 1] if counted[g] else ""
                    self.assertEqual(judged["texts"][kind], text or None)
                self.assertEqual([luck is None for luck in judged["luck"]], [n == 0 for n in counted])
                shown = run("judge", "--texts", surname, given)[1]
                for g, name in enumerate(GRIDS):
                    number = f"{grids[g]}画" + (f"（{counted[g]}画として）" if grids[g] != counted[g] else "")
                    self.assertIn(f"{name} {number} ", shown)
                    if g and counted[g]:
                        self.assertIn(f"{name}が[{number}]", shown)


class Compare(unittest.TestCase):
    """Every row of `compare` is `judge` for the same name, sorted by total;
    a name that cannot be judged is told with its line, the rest compared."""

    NAMES = ["山田 花子", "麗麗麗 議議議", "佐藤 ゐ", "山田 太郎", "林 一", "山田　花子"]

    def judged(self, line):
        return json.loads(run("judge", "--json", *line.split())[1])

    def test_rows_equal_judge_and_stand_by_total_from_a_file_of_any_line_end(self):
        # Lines 3, 5, 8, 11, 12 and 13 are refused: no blank, too long, no UTF-8 text, a third word, a
        # character Shift-JIS lacks, half-width letters. Control characters, NUL too, go as from a
        # pasted line (line 9).
        lines = [self.NAMES[0], self.NAMES[1], "山田太郎", self.NAMES[2], "山田 " + "ゐ" * 12, self.NAMES[3], "",
                 "山田\udcff 一", self.NAMES[4] + "\a\0", self.NAMES[5], "山田 太郎 様", "𠮷田 太郎", "山田 taro"]
        expected = sorted((self.judged(name) for name in self.NAMES), key=lambda row: -row["total"])
        for bom, end in ((b"\xef\xbb\xbf", b"\r\n"), (b"", b"\n"), (b"", b"\r")):
            with self.subTest(bom=bom, end=end), tempfile.NamedTemporaryFile(suffix=".txt") as names:
                names.write(bom + end.join(line.encode("utf-8", "surrogateescape") for line in lines) + end)
                names.flush()
                code, out, err = run("compare", "--json", "--file", names.name)
                self.assertEqual(code, 1)
                self.assertEqual(json.loads(out), expected)
                refused = [line for line in err.splitlines() if "ゐ」の画数" not in line]
                self.assertEqual([re.match(r"hoshikura-cli: (\d+)行目", line).group(1) for line in refused], ["3", "5", "8", "11", "12", "13"])
                self.assertIn("山田太郎", refused[0])
                self.assertIn("「様」", refused[3])
                self.assertIn("「𠮷」", refused[4])
                code, table, _ = run("compare", "--file", names.name)
                self.assertEqual(code, 1)
                self.assertEqual([line.split("\t")[0] for line in table.splitlines()[1:]],
                                 [row["surname"] + " " + row["given"] for row in expected])
        # 117 counts as 37; ゐ has no strokes and its earth grid no luck.
        rows = {row["given"]: row for row in expected}
        self.assertEqual((rows["議議議"]["grids"][4], rows["議議議"]["counted"][4]), (117, 37))
        self.assertEqual((rows["ゐ"]["unknownCharacters"], rows["ゐ"]["luck"][2]), (["ゐ"], None))

    def test_table_has_a_heading_and_the_cells_of_judge(self):
        code, out, err = run("compare", "山田", "花子", "太郎", "ゐ", "一一")
        self.assertEqual((code, err.count("hoshikura-cli: ")), (0, 1))
        lines = [line.split("\t") for line in out.splitlines()]
        self.assertEqual(lines[0], ["姓名", *GRIDS, "画数", "五行", "陰陽", "同画", "総合", "評価"])
        totals = []
        for cells in lines[1:]:
            judged = self.judged(cells[0])
            shown = run("judge", *cells[0].split())[1]
            for g, name in enumerate(GRIDS):
                self.assertIn(f"{name} {cells[1 + g]}", shown)
            self.assertEqual([int(n) for n in cells[6:11]], judged["scores"] + [judged["total"]])
            self.assertIn(f"（{cells[11]}）", shown.splitlines()[-1])
            totals.append(judged["total"])
        self.assertEqual(len(totals), 4)
        self.assertEqual(totals, sorted(totals, reverse=True))


class Texts(unittest.TestCase):
    def test_every_number_of_every_kind_alone_and_together(self):
        code, out, _ = run("texts", "--json")
        self.assertEqual(code, 0)
        every = json.loads(out)
        self.assertEqual(sorted(every), ["earth", "outer", "person", "total"])
        for kind, texts in every.items():
            self.assertEqual(len(texts), 81)
            for n in (1, 81):  # index 0 is the number 1
                self.assertEqual(json.loads(run("texts", "--json", "--kind", kind, str(n))[1]), {kind: texts[n - 1]})
        for n in (9, 75):  # every kind, one a line, a sentence for a kind without a text
            out = run("texts", str(n))[1]
            self.assertTrue(all(not texts[n - 1] or texts[n - 1] + "\n" in out for texts in every.values()))
            self.assertEqual(len(out.split("\n\n")), 4)
        self.assertEqual(run("texts", "９"), run("texts", "9"))


class NamesOfToday(unittest.TestCase):
    """Every entry of the store, drawn by samples --random with a count past the
    store's size, against what the searches list with --today."""

    @classmethod
    def setUpClass(cls):
        code, out, _ = run("samples", "--random", "1000000", "--seed", "1", "--json")
        assert code == 0
        cls.entries = json.loads(out)
        cls.today = {(e["written"], e["reading"]) for e in cls.entries if e["generation"] == "today"}

    def test_every_entry_has_a_sex_and_a_generation(self):
        code, out, _ = run("samples")
        self.assertEqual(len(self.entries), int(re.search(r"^名前の見本：(\d+)件$", out, re.M)[1]))
        for e in self.entries:
            self.assertIn(e["sex"], ("boy", "girl", "either"))
            self.assertIn(e["generation"], ("today", "older"))
            self.assertTrue(not e["common"] or e["generation"] == "today")
        self.assertTrue(0 < len(self.today) < len(self.entries))

    def test_random_entries_are_the_same_for_the_same_seed(self):
        first = run("samples", "--random", "40", "--seed", "11")
        self.assertEqual(first, run("samples", "--random", "40", "--seed", "11"))
        self.assertEqual(len(first[1].splitlines()), 40)
        self.assertNotEqual(first[1], run("samples", "--random", "40", "--seed", "12")[1])
        drawn = json.loads(run("samples", "--random", "40", "--seed", "11", "--json")[1])
        self.assertEqual(len({(e["written"], e["reading"]) for e in drawn}), len(drawn))
        # The listing says in words what the JSON says in keys.
        sexes = {"boy": "男の子", "girl": "女の子", "either": "男女とも"}
        generations = {"today": "今の名前", "older": "昔の名前"}
        self.assertEqual(first[1].splitlines(), [f"{e['written']} ({e['reading']}) {sexes[e['sex']]}・{generations[e['generation']]}"
                                                 for e in drawn])
        keyed = run("samples", "--key", "3", "7")[1]
        self.assertTrue(keyed.startswith(f"一字目3画・残り7画の名前：{len(json.loads(run('samples', '--key', '3', '7', '--json')[1]))}件\n"))
        for words in (("--random", "5"), ("--seed", "5"), ("--random", "x", "--seed", "1"), ("--random", "5", "--seed", "1", "--key")):
            self.assertEqual(run("samples", *words)[0], 2)

    def test_today_lists_no_older_entry(self):
        readings = sorted({e["reading"] for e in self.entries})
        for reading in readings[::60]:
            with self.subTest(reading=reading):
                rows = json.loads(run("reading", "--today", "--json", "林", reading)[1])
                self.assertEqual({(r["written"], reading) for r in rows},
                                 {(w, r) for w, r in self.today if r == reading and len(w) * 2 <= 64})
                composed = json.loads(run("compose", "--today", "--json", "林", reading)[1])
                self.assertTrue(all((r["written"], reading) in self.today for r in composed))
        for character in ("子", "翔", "美"):
            rows = json.loads(run("kanji", "--today", "--json", "林", character)[1])
            self.assertTrue(rows and all((r["written"], r["reading"]) in self.today for r in rows))
        for pattern in json.loads(run("patterns", "--today", "--json", "林")[1]):
            self.assertTrue(all((s["written"], s["reading"]) in self.today for s in pattern["samples"]))

    def test_a_result_the_filter_empties_says_so(self):
        older_only = sorted({e["reading"] for e in self.entries} - {r for _, r in self.today})
        self.assertTrue(older_only)
        code, out, _ = run("reading", "--today", "山田", older_only[0])
        self.assertEqual((code, out), (0, "該当なし（今の名前だけ）\n"))
        self.assertNotEqual(run("reading", "山田", older_only[0])[1], out)


if __name__ == "__main__":
    CLI = sys.argv.pop(1)
    unittest.main()
