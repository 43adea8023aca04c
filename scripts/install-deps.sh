#!/usr/bin/env bash
# Installs what building and testing need on Debian 12, and the Japanese
# and English locales that give wine the code pages 932 and 1252. Safe to
# run again.
set -euo pipefail

packages=(
  cmake make g++ python3 googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686 g++-mingw-w64-x86-64
  wine wine64 xvfb locales fonts-ipafont imagemagick x11-apps
  fp-utils-3.2.2 fonts-wine
  clang libclang-rt-14-dev
  cups printer-driver-cups-pdf poppler-utils
  nsis p7zip-full
  kanjidic kanjidic-xml unicode-data enamdict mecab-ipadic
)

missing=()
for p in "${packages[@]}"; do
  dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q "install ok installed" || missing+=("$p")
done
if [ ${#missing[@]} -gt 0 ]; then
  echo "installing: ${missing[*]}"
  apt-get update
  DEBIAN_FRONTEND=noninteractive apt-get install -y --no-install-recommends "${missing[@]}"
fi

# ja_JP gives wine the code page 932; en_US gives it 1252, under which the
# window tests run a second time (the program must not depend on either).
for wanted in ja_JP en_US; do
  if ! locale -a 2>/dev/null | grep -qi "^$wanted\.utf8\$"; then
    sed -i "s/^# *\($wanted\.UTF-8 UTF-8\)/\1/" /etc/locale.gen
    grep -q "^$wanted.UTF-8 UTF-8" /etc/locale.gen || echo "$wanted.UTF-8 UTF-8" >> /etc/locale.gen
    regenerate=true
  fi
done
if [ "${regenerate:-false}" = true ]; then
  locale-gen
fi
