#!/usr/bin/env bash
# Runs window tests on a screen of another dpi: a wine prefix of its own
# whose LogPixels is that dpi, on a private Xvfb screen large enough for the
# program at that scale. Screenshots land in artefacts/ beside the tests.
#
# usage: at_dpi.sh DPI GUI_TESTS_EXE GTEST_FILTER
set -euo pipefail
[ $# -eq 3 ] || { echo "usage: at_dpi.sh DPI GUI_TESTS_EXE GTEST_FILTER" >&2; exit 2; }
dpi="$1"
exe="$(cd "$(dirname "$2")" && pwd)/$(basename "$2")"
filter="$3"
root="$(cd "$(dirname "$0")/../.." && pwd)"

export WINEPREFIX="$(mktemp -d /tmp/hoshikura-dpi$dpi.XXXXXX)"
export XVFB_SCREEN=2560x1600x24
source "$root/scripts/xvfb-env.sh"
cleanup() { wineserver -k 2>/dev/null || true; xvfb_stop; rm -rf "$WINEPREFIX"; }
trap cleanup EXIT
source "$root/scripts/wine-env.sh"
# Wine takes the screen's dpi from here when a process starts.
wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$dpi" /f >/dev/null
cd "$(dirname "$exe")"
wine "$exe" --gtest_filter="$filter"
