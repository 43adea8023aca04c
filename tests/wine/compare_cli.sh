#!/usr/bin/env bash
# compare_cli.sh WINDOWS_CLI NATIVE_CLI EMULATOR: the Windows tool under wine
# must print exactly what the native tool prints, for names that exercise
# every method, and refuse the same names with the same message and code.
set -uo pipefail
win="$1" native="$2" emulator="$3"
failures=0
compared=0

compare() {
  local expected actual expected_err actual_err expected_rc actual_rc
  expected=$("$native" "$@" 2>/tmp/cli-native-err.$$); expected_rc=$?
  actual=$("$emulator" "$win" "$@" 2>/tmp/cli-win-err.$$ | tr -d '\r' | iconv -f CP932 -t UTF-8); actual_rc=${PIPESTATUS[0]}
  expected_err=$(cat /tmp/cli-native-err.$$)
  actual_err=$(tr -d '\r' < /tmp/cli-win-err.$$ | iconv -f CP932 -t UTF-8)
  rm -f /tmp/cli-native-err.$$ /tmp/cli-win-err.$$
  compared=$((compared + 1))
  if [ "$expected" != "$actual" ] || [ "$expected_err" != "$actual_err" ] || [ "$expected_rc" != "$actual_rc" ]; then
    echo "DIFFERS: $*"
    diff <(echo "$expected"; echo "$expected_err"; echo "rc $expected_rc") \
         <(echo "$actual"; echo "$actual_err"; echo "rc $actual_rc") | head -20
    failures=$((failures + 1))
  fi
}

while IFS= read -r line; do
  [ -z "$line" ] && continue
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
山田 ひろし
鈴木 一一
表 示
長谷川田中村 太郎
山田 a
山田太郎
NAMES
compare samples
compare samples --key 10 0
compare patterns 山田 --limit 5
compare patterns 佐々木 --worst --json
compare reading 山田 ひろし --limit 10
compare reading "山田　たろう" --json
compare reading 山田 ヒロシ
compare kanji 山田 翔 --limit 10
compare kanji 佐々木 美 --json --limit 5
compare kanji 山田 義男
compare surnames 太郎 --limit 10
compare surnames 太郎 --worst --json --limit 5
compare surnames 寿限無寿限無

echo "$((compared - failures)) passed, $failures failed"
[ "$failures" -eq 0 ]
