#!/usr/bin/env python3
"""Merge the decisions of a per-entry review of the sample given names into
tools/reviewed_given_names.tsv, the reviewed data gen_sample_names.py applies.

Each reviewer read one batch of the store's given names (written, reading,
sex) as a parent would and decided for every entry: keep or drop, its sex
(boy, girl, or either when parents give it to both) and its generation
(today, or older: typical of people born before about 1980), with a reason
for a drop or a changed sex. Only the rows that change what the generator
would do without them are kept: every drop, every sex other than the one
the batch gave, every generation other than `default_generation`. A row
without the reviewer's reason gets the reason its column gives.

A later review adds to the merged file: `--base` reads its rows first, and
the new batches' decisions replace them where both decide an entry.

Usage: python3 tools/merge_review_decisions.py BATCH DECISIONS [BATCH DECISIONS ...]
       [--base tools/reviewed_given_names.tsv] [--out tools/reviewed_given_names.tsv]
"""

import argparse
import os
import sys

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import gen_sample_names  # noqa: E402

HEADER = """# Reviewed decisions on the sample given names the sources give, read one by one
# as a parent would (four reviewers, one batch of about 4,400 entries each,
# and later batches of entries a parent would call odd, found by their odd
# character readings and in random samples; merged by
# tools/merge_review_decisions.py). Only the rows that override the
# generator: drops, sexes other than the sources', generations other than
# default_generation of gen_sample_names.py (names ending in TODAY_ENDINGS are
# of today, others older). Sorted by reading, then written form.
written\treading\tkeep\tsex\tgeneration\treason
"""

GENERATION_REASON = {"today": "given to children today", "older": "a name of the older generation, rarely given now"}


def read_rows(path):
    with open(path, encoding="utf-8") as f:
        lines = [line.rstrip("\n").split("\t") for line in f if line.strip()]
    return lines[1:]


def main():
    ap = argparse.ArgumentParser()
    ap.add_argument("files", nargs="+", help="pairs of batch and decision files")
    ap.add_argument("--base", help="an earlier merged file the batches add to")
    ap.add_argument("--out", default=gen_sample_names.DEFAULT_REVIEWED)
    args = ap.parse_args()
    if len(args.files) % 2:
        raise SystemExit("give batch and decision files in pairs")
    merged = {}
    if args.base:
        for written, reading, keep, sex, generation, reason in gen_sample_names.read_tsv(
                args.base, ("written", "reading", "keep", "sex", "generation", "reason")):
            merged[(written, reading)] = (keep, sex, generation, reason)
    for batch_path, decided_path in zip(args.files[::2], args.files[1::2]):
        batch, decided = read_rows(batch_path), read_rows(decided_path)
        if len(batch) != len(decided):
            raise SystemExit("%s: %d decisions for %d entries" % (decided_path, len(decided), len(batch)))
        for entry, decision in zip(batch, decided):
            written, reading, sex = entry[:3]
            decision += [""] * (6 - len(decision))
            if decision[:2] != [written, reading]:
                raise SystemExit("%s: %s %s out of order" % (decided_path, written, reading))
            keep, new_sex, generation, reason = decision[2:6]
            if keep not in ("keep", "drop") or new_sex not in gen_sample_names.SEX_OF_WORD \
                    or generation not in gen_sample_names.GEN_LETTER:
                raise SystemExit("%s: bad decision for %s %s" % (decided_path, written, reading))
            default = gen_sample_names.GEN_WORD[gen_sample_names.default_generation(written, reading)]
            if keep == "keep" and new_sex == sex and generation == default:
                merged.pop((written, reading), None)
                continue
            if not reason.strip():
                reason = GENERATION_REASON[generation] if keep == "keep" and new_sex == sex else \
                    "reviewed: %s" % new_sex if keep == "keep" else "reviewed: dropped"
            merged[(written, reading)] = (keep, new_sex, generation, " ".join(reason.split()))
    rows = sorted(merged.items(), key=lambda kv: (gen_sample_names.gojuon_key(kv[0][1]), kv[0][0].encode("cp932")))
    with open(args.out, "w", encoding="utf-8", newline="\n") as f:
        f.write(HEADER)
        for (written, reading), (keep, sex, generation, reason) in rows:
            f.write("\t".join((written, reading, keep, sex, generation, reason)) + "\n")
    print("%d rows: %d drops, %d other sexes, %d generations -> %s" % (
        len(rows), sum(1 for _, v in rows if v[0] == "drop"),
        sum(1 for k, v in rows if v[0] == "keep" and v[3] != GENERATION_REASON[v[2]]),
        sum(1 for _, v in rows if v[0] == "keep" and v[3] == GENERATION_REASON[v[2]]), args.out))


if __name__ == "__main__":
    main()
