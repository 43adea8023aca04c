#!/usr/bin/env bash
# windows_text.sh IN OUT: a UTF-8 text as Shift-JIS (CP932) with CRLF line
# ends. A character outside CP932 stops the build.
set -euo pipefail
iconv -f UTF-8 -t CP932 "$1" | sed 's/$/\r/' > "$2.tmp"
mv "$2.tmp" "$2"
