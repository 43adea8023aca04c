#!/usr/bin/env bash
# Runs every test: native unit tests, the same built with AddressSanitizer
# and UndefinedBehaviorSanitizer, the unit tests built by clang and the fuzz
# targets replayed over their corpora, the Windows builds (i686 shipped, x86_64
# run under wine64 with the Japanese locale).
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh

echo "== native"
bash scripts/build.sh native -DCMAKE_BUILD_TYPE=Release
ctest --test-dir build/native --output-on-failure

echo "== native, sanitizers"
bash scripts/build.sh asan -DCMAKE_BUILD_TYPE=Debug -DHOSHIKURA_SANITIZE=ON
ctest --test-dir build/asan --output-on-failure

echo "== fuzz targets over their corpora (clang and libFuzzer)"
bash scripts/build.sh fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
  -DHOSHIKURA_SANITIZE=ON -DHOSHIKURA_FUZZ=ON -DBUILD_TESTING=ON
ctest --test-dir build/fuzz --output-on-failure

echo "== Windows i686 (shipped build)"
bash scripts/build.sh win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DBUILD_TESTING=OFF

echo "== Windows x86_64 under wine64"
source scripts/xvfb-env.sh
source scripts/wine-env.sh
trap 'wine_env_stop; xvfb_stop' EXIT
bash scripts/build.sh win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
  -DCMAKE_CROSSCOMPILING_EMULATOR=wine \
  -DHOSHIKURA_NATIVE_CLI="$root/build/native/cli/hoshikura-cli" \
  -DHOSHIKURA_SHIPPED_BUILD="$root/build/win32"
ctest --test-dir build/win64 --output-on-failure
echo "Screenshots: build/win64/tests/artefacts"
