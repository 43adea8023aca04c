#!/usr/bin/env bash
# Builds the help file Hoshikura.chm from the help sources.
#
# Usage: tools/build_help.sh SRC_DIR OUT_DIR
#
# The sources (SRC_DIR, normally resources/help) are UTF-8 and say so in
# their charset declaration, so they read correctly while being edited. The
# program runs in code page 932 and the help viewer shows pages, contents and
# index in the help file's code page, so every page, the contents (.hhc), the
# index (.hhk) and the project (.hhp) are converted to CP932 in a staging
# directory, with the declaration rewritten to Shift_JIS; other files (the
# style sheet) are copied as they are. A character that CP932 cannot hold
# stops the build. chmcmd (Debian package fp-utils-3.2.2) then compiles
# Hoshikura.hhp; it reports broken links and anchors as "Error:" lines but
# still exits with 0, so such lines (and warnings) fail the build here.
# Last, chmls must list every file of the project's [FILES] section inside
# the result.
#
# The project has no binary index: chmcmd would store the index keywords as
# UTF-16 decoded from the wrong code page. The viewer then reads the text
# index (.hhk) in the code page of the project's language (0x411, CP932).
#
# Writes OUT_DIR/Hoshikura.chm.
set -euo pipefail

die() { echo "build_help: $*" >&2; exit 1; }

[ $# -eq 2 ] || die "usage: $0 SRC_DIR OUT_DIR"
src=$1
out=$2
project=Hoshikura.hhp
result=Hoshikura.chm

[ -f "$src/$project" ] || die "$src/$project not found"
for tool in iconv chmcmd chmls; do
  command -v "$tool" >/dev/null || die "$tool not found (chmcmd and chmls: apt-get install fp-utils-3.2.2)"
done

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
stage=$work/pages
mkdir "$stage"

for path in "$src"/*; do
  [ -f "$path" ] || continue
  name=${path##*/}
  case $name in
    *.html|*.htm|*.hhc|*.hhk|*.hhp)
      if ! sed 's/charset=UTF-8/charset=Shift_JIS/I' "$path" | iconv -f UTF-8 -t CP932 > "$stage/$name"; then
        die "$path: not convertible to CP932"
      fi ;;
    *) cp "$path" "$stage/$name" ;;
  esac
done

# chmcmd writes its messages with the pages' bytes; show them as UTF-8,
# without its many "Note:" lines.
if ! (cd "$stage" && chmcmd --verbosity 1 "$project") > "$work/chmcmd.log" 2>&1 \
   || grep -qE '^(Error|Warning)' "$work/chmcmd.log" || [ ! -s "$stage/$result" ]; then
  iconv -f CP932 -t UTF-8 -c "$work/chmcmd.log" | grep -v '^Note:' >&2 || true
  die "chmcmd failed"
fi

listing=$(chmls --no-page --name-only list "$stage/$result" 2> "$work/chmls.log") \
  || { cat "$work/chmls.log" >&2; die "chmls cannot read $result"; }
files=$(sed -n '/^\[FILES\]/,/^\[/{/^\[/d;s/\r$//;/^$/d;p}' "$src/$project")
[ -n "$files" ] || die "$project lists no files"
while IFS= read -r f; do
  grep -qxF "/$f" <<<"$listing" || die "$f is missing from $result"
done <<<"$files"

# The viewer reads the pages, contents and index in the code page of the
# file's language: Japanese (0x411, the header's language id at byte 20),
# whatever the language of the Windows it runs on.
language=$(od -An -tx4 -j20 -N4 "$stage/$result" | tr -d ' ')
[ "$language" = 00000411 ] || die "$result has the language id 0x$language, not 0x411 (Japanese)"

mkdir -p "$out"
cp "$stage/$result" "$out/$result.tmp"
mv "$out/$result.tmp" "$out/$result"
echo "build_help: wrote $out/$result ($(wc -c < "$out/$result") bytes, $(wc -l <<<"$files") files)"
