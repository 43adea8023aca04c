#!/usr/bin/env bash
# compare_cli.sh WINDOWS_CLI NATIVE_CLI EMULATOR: the Windows tool under wine
# must print exactly what the native tool prints, for names that exercise
# every method, and refuse the same names with the same message and code.
# Redirected, both write UTF-8 whatever the code page (a console gets UTF-16).
set -uo pipefail
win="$1" native="$2" emulator="$3"
failures=0
errors=$(mktemp -d)
trap 'rm -rf "$errors"' EXIT

# Output, exit code and error output.
compare() {
  local expected actual
  expected=$("$native" "$@" 2>"$errors/native"; echo "rc $?"; cat "$errors/native")
  actual=$("$emulator" "$win" "$@" 2>"$errors/win"; echo "rc $?"; cat "$errors/win")
  actual=$(tr -d '\r' <<<"$actual")
  [ "$expected" = "$actual" ] && return
  echo "DIFFERS: $*"
  diff <(echo "$expected") <(echo "$actual") | head -20
  failures=$((failures + 1))
}

while IFS= read -r line; do
  # shellcheck disable=SC2086
  eval "set -- $line"
  compare judge --texts "$@"
  compare judge --json "$@"
done <<'NAMES'
山田 太郎
林 一
佐々木 健太郎
"長谷川田中　寿限無寿限"
ゐ 太郎
髙橋 翔
山﨑 凜
鈴木 一一
表 示
長谷川田中村 太郎
山田 a
山田太郎
𠮷田 太郎
山田 ☺
NAMES
compare samples
compare samples --key 3 7 --json
compare samples --key 3 7
compare samples --random 3 --seed 1
compare --help
compare judge -t 山田 太郎
compare texts --kind person ９
compare patterns --limit 山田
compare judge yamada ﾀﾛｳ
compare compose 佐藤 はるとはるとはると
compare patterns 山田 --limit 3 --sex girl --json
compare patterns 佐々木 --worst --json
compare reading "山田　たろう" --json
compare reading 山田 ヒロシ
compare reading 山田 ひろみ --sex boy
compare reading 山田 ひろみ --sex woman
compare kanji 山田 翔 --sex girl --json
compare kanji 佐々木 美 --json --limit 5
compare kanji 山田 義男
compare surnames 太郎 --worst --json --limit 5
compare surnames 寿限無寿限無
compare texts --kind total --json 81
compare texts --kind outer 75
compare judge 山田 太郎 次郎
compare judge "" ""
compare kanji 山田 翔太
compare patterns "　"
compare compose "山田　ゆいな" --sex girl --json --limit 5
compare compose 山田 ひろし --sex boy
compare compose 山田 ｈｉｒｏ
compare reading 山田 太郎
compare kanji 山田 マ
compare foo
compare compare 山田 太郎 花子 ゐ
compare compare --json 麗麗麗 議議議 議
compare compare 山田太郎
# A file of names: a BOM, CRLF line ends and a line refused among them.
printf '\xef\xbb\xbf\xe5\xb1\xb1\xe7\x94\xb0 \xe5\xa4\xaa\xe9\x83\x8e\r\n\xe5\xb1\xb1\xe7\x94\xb0\r\n\xe6\x9e\x97 \xe4\xb8\x80\r\n' >"$errors/names.txt"
cd "$errors" || exit 1
compare compare --file names.txt
compare compare --json --file names.txt
cd - >/dev/null || exit 1

echo "$failures differ"
[ "$failures" -eq 0 ]
