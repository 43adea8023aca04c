#!/usr/bin/env bash
# Runs every test: native unit tests, the same built with AddressSanitizer
# and UndefinedBehaviorSanitizer, the unit tests built by clang and the fuzz
# targets replayed over their corpora, the Windows builds (i686 for 32-bit
# Windows, x86_64 run under wine64 with the Japanese locale, its window tests
# also with the English one, code page 1252, and at 120, 144 and 192 dpi).
#
#   bash scripts/test.sh           everything (what .ci/run runs)
#   bash scripts/test.sh --quick   native unit and command-line tests only,
#                                  for the edit-build-test loop
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
quick=false
[ "${1:-}" = "--quick" ] && quick=true
bash scripts/install-deps.sh

# Every configure asks for the tests (run.sh configures the same folders
# without them), and a build whose tests are not all there fails the run
# instead of passing with nothing tested.
run_tests() {
  local dir="$1"
  shift
  local listed
  listed="$(ctest --test-dir "$dir" -N)"
  for name in "$@"; do
    if ! grep -qE "Test +#[0-9]+: $name\$" <<<"$listed"; then
      echo "test.sh: $dir has no test $name" >&2
      exit 1
    fi
  done
  ctest --test-dir "$dir" --output-on-failure --no-tests=error
}

# Warnings are errors in every build the test command makes.
strict=-DHOSHIKURA_WERROR=ON

echo "== native"
bash scripts/build.sh native -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=ON "$strict"
run_tests build/native core_tests cli_tool
$quick && exit 0

echo "== built-in data made again by the tools"
bash scripts/check-data.sh

echo "== native, sanitizers"
bash scripts/build.sh asan -DCMAKE_BUILD_TYPE=Debug -DHOSHIKURA_SANITIZE=ON -DBUILD_TESTING=ON "$strict"
run_tests build/asan core_tests

echo "== fuzz targets over their corpora (clang and libFuzzer)"
bash scripts/build.sh fuzz -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
  -DHOSHIKURA_SANITIZE=ON -DHOSHIKURA_FUZZ=ON -DBUILD_TESTING=ON "$strict"
run_tests build/fuzz core_tests fuzz_registry_load fuzz_cli_judge

echo "== Windows i686 (32-bit build)"
bash scripts/build.sh win32 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-i686.cmake -DBUILD_TESTING=OFF "$strict"

echo "== Windows x86_64 under wine64"
source scripts/xvfb-env.sh
source scripts/wine-env.sh
trap 'wine_env_stop; xvfb_stop' EXIT
bash scripts/build.sh win64 -DCMAKE_TOOLCHAIN_FILE=cmake/mingw-x86_64.cmake \
  -DCMAKE_CROSSCOMPILING_EMULATOR=wine -DBUILD_TESTING=ON \
  -DHOSHIKURA_NATIVE_CLI="$root/build/native/cli/hoshikura-cli" \
  -DHOSHIKURA_SHIPPED_BUILD="$root/build/win32" "$strict"
run_tests build/win64 core_tests cli_matches_native gui_tests gui_tests_1252 same_under_both_code_pages \
  gui_at_120dpi gui_at_144dpi gui_at_192dpi lists_found_by_second_run installer shipped_installer_contents
echo "Screenshots: build/win64/tests/artefacts"
