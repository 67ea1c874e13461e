#!/usr/bin/env bash
# Builds the core's benchmarks natively with -O2 (build/bench) and prints the median of each
# figure against its goal, with agenda's peak memory listing a 10 MB agenda.dat (AGENDA_BENCH_PROGRAM
# names another agenda to measure). Extra arguments go to the benchmark program (--benchmark_filter=...).
set -euo pipefail
cd "$(dirname "$0")/.."
scripts/install-deps.sh
build=${BENCH_BUILD_DIR:-build/bench}
cmake -S bench -B "$build" -G Ninja -DCMAKE_CXX_COMPILER=g++ -DCMAKE_BUILD_TYPE=Release \
      -DCMAKE_CXX_FLAGS_RELEASE="-O2 -DNDEBUG" >/dev/null
cmake --build "$build" -j2 --target core_bench
repetitions=${BENCH_REPETITIONS:-15}
csv=$(mktemp)
trap 'rm -f "$csv"' EXIT
"$build/core_bench" --benchmark_repetitions="$repetitions" --benchmark_report_aggregates_only=true \
                    --benchmark_format=csv "$@" 2>/dev/null >"$csv"
# Medians in microseconds (CPU time; wall time beside it), then each goal and whether it is met.
awk -F, -v repetitions="$repetitions" '
  $1 ~ /ListAgenda10MBPeakMemory/ { peak = $8; gsub(/"/, "", peak); peakMB = $9; gsub(/"/, "", peakMB) }
  $1 ~ /_median"?$/ {
    name = $1; gsub(/"|_median/, "", name)
    scale = ($5 ~ /ns/) ? 1000 : ($5 ~ /us/) ? 1 : 0.001
    real[name] = $3 / scale; cpu[name] = $4 / scale; order[++n] = name
  }
  function goal(label, name, limit) {
    if (!(name in cpu)) return # filtered out
    printf "  %-44s %9.2f us  goal %8.2f us  %s\n", label, cpu[name], limit, cpu[name] <= limit ? "met" : "NOT MET"
  }
  END {
    printf "%-32s %12s %12s\n", "median of " repetitions " runs", "cpu (us)", "wall (us)"
    for (i = 1; i <= n; ++i) printf "%-32s %12.2f %12.2f\n", order[i], cpu[order[i]], real[order[i]]
    print "goals (cpu time):"
    if ("PlainReadAgenda" in cpu) goal("LoadNotes, at most 3 x PlainReadAgenda", "LoadNotes", 3 * cpu["PlainReadAgenda"])
    goal("SevenPeriods", "SevenPeriods", 5)
    goal("ListLines (255)", "ListLines", 10)
    goal("LoadPeriodsAndLines", "LoadPeriodsAndLines", 25)
    if ("PlainReadDecodeAgenda10MB" in cpu)
      goal("ListAgenda10MB, at most 3 x PlainReadDecode", "ListAgenda10MB", 3 * cpu["PlainReadDecodeAgenda10MB"])
    if (peak != "")
      printf "  %-44s %9.2f x   goal %8.2f x   %s (%s)\n", "agenda list 10 MB: peak memory / file size",
             peak + 0, 3, peak + 0 <= 3 ? "met" : "NOT MET", peakMB
  }' "$csv"
