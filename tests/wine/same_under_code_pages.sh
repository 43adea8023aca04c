#!/usr/bin/env bash
# same_under_code_pages.sh ARTEFACTS FOLDER: the window tests under code page
# 932 leave their pictures and texts.txt in ARTEFACTS, the same tests under
# another code page in ARTEFACTS/FOLDER (cp1252). Every picture of the window
# tests and the texts must be equal, pixel for pixel and byte for byte (the
# printed pages and the runs at other dpi, made under 932 only, are not
# compared).
set -uo pipefail
artefacts="$1" other="$1/$2"
failures=0
count=0
for picture in "$artefacts"/*.png; do
  name=$(basename "$picture")
  case "$name" in
    print_judgement.png | print_comparison_pdf.png | *dpi.png) continue ;;
  esac
  count=$((count + 1))
  if [ ! -f "$other/$name" ]; then
    echo "MISSING under $2: $name"
    failures=$((failures + 1))
    continue
  fi
  differing=$(compare -metric AE "$picture" "$other/$name" null: 2>&1)
  if [ "$differing" != 0 ]; then
    echo "DIFFERS: $name ($differing pixels)"
    failures=$((failures + 1))
  fi
done
if ! cmp -s "$artefacts/texts.txt" "$other/texts.txt"; then
  echo "DIFFERS: texts.txt"
  diff "$artefacts/texts.txt" "$other/texts.txt" | head -20
  failures=$((failures + 1))
fi
echo "$count pictures and the texts compared, $failures differ"
[ "$count" -gt 0 ] && [ "$failures" -eq 0 ]
