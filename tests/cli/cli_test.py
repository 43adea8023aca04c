#!/usr/bin/env python3
"""hoshikura-cli run as a user runs it: cli_test.py PATH_TO_HOSHIKURA_CLI.

Output that cannot be written, input that cannot be read, names that are
refused, characters without a stroke count, and the fortune texts printed
by number."""
import json
import os
import subprocess
import sys
import unittest

CLI = None


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
                ("judge", "山田山田山田", "太郎"), ("kanji", "山田", "翔太"), ("kanji", "山田", "翔" * 40),
                ("patterns", " "), ("reading", "山田"), ("surnames", "　")],
            2: [("judge", "山田", "太郎", "次郎"), ("judge", "山田 太郎 次郎"), ("patterns", "山田", "太郎"),
                ("texts", "82"), ("texts", "--kind", "heaven"), ("judge",), ("surnames", "太郎", "次郎")],
        }
        # Invalid UTF-8 is told by its byte offset, a character Shift-JIS lacks by itself.
        told = [(("judge", "山田".encode() + b"\xff", "太郎"), str(len("山田".encode()) + 1))]
        told += [(("judge", "山田", "太" + name), name) for name in ("𠮟", "塡", "😀")]
        for expected, words, why in [(c, w, "") for c, ws in cases.items() for w in ws] + [(1, w, y) for w, y in told]:
            with self.subTest(words=words):
                code, out, err = run(*words)
                self.assertEqual((code, out), (expected, ""))
                self.assertTrue(err.strip())
                self.assertIn(why, err)


class UnknownCharacters(unittest.TestCase):
    def test_named_on_stderr_and_in_json(self):
        code, out, err = run("judge", "--json", "ゐ", "ゐ太")
        self.assertEqual(code, 0)
        self.assertEqual(json.loads(out)["unknownCharacters"], ["ゐ"])
        self.assertEqual(err.count("ゐ"), 1)


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
        for n in (9, 75):  # every kind with a text for the number, one a line
            out = run("texts", str(n))[1]
            self.assertTrue(all(not texts[n - 1] or texts[n - 1] + "\n" in out for texts in every.values()))


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
        self.assertEqual(len(self.entries), int(out.split("entries ")[1].split()[0]))
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
        self.assertEqual([line.split(" (")[0] for line in first[1].splitlines()], [e["written"] for e in drawn])
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
