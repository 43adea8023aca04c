#!/usr/bin/env bash
# Installs what is missing, builds, and judges an example name.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
bash scripts/install-deps.sh
bash scripts/build.sh native -DCMAKE_BUILD_TYPE=Release -DBUILD_TESTING=OFF
build/native/cli/hoshikura-cli judge --texts "${@:-山田 太郎}"
