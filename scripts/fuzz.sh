#!/usr/bin/env bash
# fuzz.sh [SECONDS] [TARGET...]: builds the fuzz targets and runs each (or
# the named ones) for SECONDS (default 180) on one core, starting from its
# committed corpus and what earlier runs found. FUZZ_RUNS=N stops a target
# after N inputs instead, whatever the time. Inputs are at most 1 KB: enough
# for every limit the readers have, and four times the rate. New inputs
# go to build/fuzz/work/TARGET, crashes (and leaks, timeouts) to
# build/fuzz/artifacts, each target's output to build/fuzz/logs/TARGET.log.
# Prints inputs tried, coverage and crashes per target; exits 1 when any
# target crashed. FUZZ_BUILD names another build directory under build/.
set -euo pipefail
root="$(cd "$(dirname "$0")/.." && pwd)"
cd "$root"
seconds="${1:-180}"
shift || true
targets=("$@")
if [ ${#targets[@]} -eq 0 ]; then
  for corpus in fuzz/corpus/*/; do targets+=("$(basename "$corpus")"); done
fi
build="${FUZZ_BUILD:-fuzz}"
bash scripts/install-deps.sh
bash scripts/build.sh "$build" -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=Release \
  -DHOSHIKURA_SANITIZE=ON -DHOSHIKURA_FUZZ=ON -DBUILD_TESTING=ON

# No allocation stacks in reports: unwinding on every malloc halves the
# rate of the allocating targets. Running a crash file again shows them.
export ASAN_OPTIONS="${ASAN_OPTIONS:-malloc_context_size=0}"
out="$root/build/$build"
mkdir -p "$out/work" "$out/artifacts" "$out/logs"
failed=0
printf '%-16s %12s %8s %8s %s\n' target inputs cov ft crashes
for target in "${targets[@]}"; do
  corpus="fuzz/corpus/$target"
  mkdir -p "$out/work/$target"
  rm -f "$out/artifacts/$target-"*
  options=(-max_total_time="$seconds" -timeout=25 -print_final_stats=1 -max_len=1024
           -artifact_prefix="$out/artifacts/$target-")
  [ -n "${FUZZ_RUNS:-}" ] && options+=(-runs="$FUZZ_RUNS" -max_total_time=0)
  [ -f "fuzz/$target.dict" ] && options+=(-dict="fuzz/$target.dict")
  status=0
  "$out/fuzz/${target}_fuzz" "${options[@]}" "$out/work/$target" "$corpus" \
    >"$out/logs/$target.log" 2>&1 || status=$?
  runs="$(sed -n 's/^stat::number_of_executed_units: *//p' "$out/logs/$target.log" | tail -1)"
  last="$(grep -aE '^#[0-9]+' "$out/logs/$target.log" | tail -1)"
  cov="$(sed -n 's/.* cov: \([0-9]*\).*/\1/p' <<<"$last")"
  ft="$(sed -n 's/.* ft: \([0-9]*\).*/\1/p' <<<"$last")"
  crashes="$(find "$out/artifacts" -name "$target-*" | wc -l)"
  printf '%-16s %12s %8s %8s %s\n' "$target" "${runs:-?}" "${cov:-?}" "${ft:-?}" "$crashes"
  if [ "$status" -ne 0 ] || [ "$crashes" -ne 0 ]; then failed=1; fi
done
exit "$failed"
