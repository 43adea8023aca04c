#!/usr/bin/env bash
# build.sh NAME [cmake options...]: configures and builds build/NAME.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
name="$1"
shift
cmake -S "$root" -B "$root/build/$name" "$@" >/dev/null
cmake --build "$root/build/$name" -j "$(nproc)"
