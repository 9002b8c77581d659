#!/usr/bin/env bash
# Instructions per tick of the emulated firmware idle on its offline main
# screen: bench_idle_tick under callgrind, counting only inside its ticks
# (the start-up, the splash and the benchmark's own loop left out). Prints the
# figure and the functions that spend the most of it.
#   bench/idle_tick_instructions.sh [build folder] [functions listed]
set -euo pipefail
build=${1:-build}
listed=${2:-12}

if ! command -v valgrind >/dev/null; then
  echo "instructions per idle tick: valgrind is not installed, not measured"
  exit 0
fi

out=$(mktemp)
trap 'rm -f "$out"' EXIT
ticks=$(valgrind --tool=callgrind --callgrind-out-file="$out" --toggle-collect='*OneIdleTick*' \
          "$build/bench/bench_idle_tick" --benchmark_format=csv 2>/dev/null |
        awk -F, '$1 ~ /BM_IdleTick/ { print $2 }')
instructions=$(awk '/^(summary|totals):/ { print $2; exit }' "$out")
awk -v i="$instructions" -v t="$ticks" \
  'BEGIN { printf "instructions per idle tick: %.0f (%d ticks)\n", i / t, t }'
callgrind_annotate --inclusive=no "$out" 2>/dev/null |
  awk -v t="$ticks" -v n="$listed" '
    /^-+$/ { rule++; next }
    rule >= 3 && $1 ~ /^[0-9,]+$/ && shown < n {
      ir = $1; gsub(",", "", ir)
      name = $0; sub(/^ *[0-9,]+ +(\([^)]*\) +)?/, "", name)
      printf "  %8.1f  %s\n", ir / t, name; shown++
    }'
