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

# The same for the whole program idle in its window (offscreen): the time
# base's handler with everything it runs (the port, the mode, the firmware,
# the display, the status line), counted from the eighth second on for ten
# seconds and divided by the ticks in them.
folder=$(mktemp -d)
trap 'rm -f "$out"; rm -rf "$folder"' EXIT
cp "$build/vhfcom" "$folder/vhfcom"
printf '[Setup]\r\nCommsPort=0\r\n[Ports]\r\nCOM1=/dev/ptmx\r\n' >"$folder/RADIO.INI"
QT_QPA_PLATFORM=offscreen valgrind --tool=callgrind --callgrind-out-file="$folder/window.out" \
  --collect-atstart=no --toggle-collect='TForm1::Timer2Timer()' "$folder/vhfcom" </dev/null >/dev/null 2>&1 &
pid=$!
sleep 8
callgrind_control -z "$pid" >/dev/null 2>&1
sleep 10
callgrind_control -d "$pid" >/dev/null 2>&1
kill "$pid" 2>/dev/null
wait "$pid" 2>/dev/null || true
dump=$(ls "$folder"/window.out.* | head -n 1)
# Each tick calls the core's Tick once. A function is named at its first
# mention in the dump and by its number alone after that.
awk '/^(summary|totals):/ { total = $2 }
     /^c?fn=\([0-9]+\) ProgramCore::Tick\(\)$/ { id = substr($1, index($1, "(")) }
     /^cfn=/ { tick = id != "" && $1 == "cfn=" id }
     /^calls=/ && tick { split($1, c, "="); ticks += c[2]; tick = 0 }
     END { if (ticks > 0) printf "instructions per idle tick, the whole window: %.0f (%d ticks)\n", total / ticks, ticks }' "$dump"
