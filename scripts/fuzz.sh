#!/usr/bin/env bash
# Builds the fuzz targets of fuzz/ with clang, libFuzzer and the address and undefined-behaviour
# sanitizers (build/fuzz), then runs each for SECONDS (default 15) on a scratch copy of its seed
# corpus fuzz/corpus/<target>. Fails when any target crashes or a check of it fails; what made it
# fail is kept as build/fuzz/findings/<target>-crash-*, to replay with: build/fuzz/<target>_fuzz FILE.
# FUZZ_FLAGS adds libFuzzer options (for a long run: FUZZ_FLAGS=-runs=10000000 scripts/fuzz.sh 0).
set -euo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-15}
build=${FUZZ_BUILD_DIR:-build/fuzz}
scripts/install-deps.sh
cmake -S fuzz -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=clang++ -DCMAKE_BUILD_TYPE=RelWithDebInfo >/dev/null
cmake --build "$build" -j2
mkdir -p "$build/findings"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
failed=()
for target in "$build"/*_fuzz; do
  name=$(basename "$target" _fuzz)
  mkdir -p "$work/$name"
  cp fuzz/corpus/"$name"/* "$work/$name"/
  limit=(-max_total_time="$seconds")
  [ "$seconds" -gt 0 ] || limit=()
  echo "== $name: ${seconds}s ${FUZZ_FLAGS:-}"
  # shellcheck disable=SC2086 # FUZZ_FLAGS holds several options
  if ! "$target" "${limit[@]}" -max_len=4096 -timeout=10 -print_final_stats=1 \
         -artifact_prefix="$build/findings/$name-" ${FUZZ_FLAGS:-} "$work/$name" >"$work/$name.log" 2>&1; then
    failed+=("$name")
    tail -n 40 "$work/$name.log"
  fi
  grep -E '^(stat::number_of_executed_units|stat::peak_rss_mb|Done [0-9]+ runs)' "$work/$name.log" | tr '\n' ' '
  echo
done
if [ ${#failed[@]} -gt 0 ]; then
  echo "fuzzing failed: ${failed[*]} (inputs in $build/findings)"
  exit 1
fi
echo "fuzzing passed: $(ls "$build"/*_fuzz | wc -l) targets"
