#!/usr/bin/env bash
# Installs what is missing, builds Hoshikura.exe (the 32-bit program
# and the 64-bit one this machine can run) and starts it under wine on the
# current X display. Without a display it judges an example name in the
# terminal instead (pass "姓 名" to choose it).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh
bash scripts/build.sh win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DBUILD_TESTING=OFF
bash scripts/build.sh win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake -DBUILD_TESTING=OFF
echo "Programs: build/win64/Hoshikura.exe (64-bit) and build/win32/Hoshikura.exe (32-bit)"
if [ -z "${DISPLAY:-}" ]; then
  echo "No X display: judging in the terminal instead."
  bash scripts/build.sh native -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
  build/native/cli/hoshikura-cli judge --texts "${@:-山田 太郎}"
  exit 0
fi
export WINEPREFIX="${WINEPREFIX:-$HOME/.hoshikura-wine}"
source scripts/wine-env.sh
cd build/win64   # the help file lies beside the program
exec wine ./Hoshikura.exe
