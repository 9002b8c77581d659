#!/usr/bin/env bash
# The program's CPU use against a bare Qt window, all measured over the same
# window of time so that the machine's load weighs on every figure alike:
#   - a bare window, and a bare window with a 20 ms timer (the baseline),
#   - that window also repainting a small rectangle every 46 ms: what Qt
#     alone spends on showing a change at the line's message rate,
#   - the program idle on its offline main screen,
#   - the program online at line rate (a simulated transceiver sending a
#     display message every 46 ms through a pseudo-terminal, 21.8 per second).
# Prints each one's share of a core and wake-ups per second, and the ratios
# to the bare window with its timer.
#   bench/side_by_side_cpu.sh [build folder] [seconds]
set -euo pipefail
build=${1:-build}
seconds=${2:-20}
settle=4

source "$(dirname "$0")/cpu_share.sh"

wakeups() { cat /proc/"$1"/task/*/status 2>/dev/null | awk '/ctxt_switches/ { n += $2 } END { print n }'; }

folder=$(mktemp -d)
pids=()
trap 'kill "${pids[@]}" 2>/dev/null || true; rm -rf "$folder"' EXIT

# One copy of the program per mode, each in a folder of its own.
start_program() {
  local name=$1 port=$2
  mkdir -p "$folder/$name"
  cp "$build/vhfcom" "$folder/$name/vhfcom"
  printf '[Setup]\r\nCommsPort=0\r\n[Ports]\r\nCOM1=%s\r\n' "$port" >"$folder/$name/RADIO.INI"
  QT_QPA_PLATFORM=offscreen "$folder/$name/vhfcom" </dev/null >/dev/null 2>&1 &
  pids+=($!)
}

"$build/vhfcom-transceiver-sim" --interval 46 >"$folder/sim" &
pids+=($!)
for _ in $(seq 50); do [ -s "$folder/sim" ] && break; sleep 0.1; done

QT_QPA_PLATFORM=offscreen "$build/bench/bench_bare_window" >/dev/null 2>&1 &
pids+=($!)
QT_QPA_PLATFORM=offscreen "$build/bench/bench_bare_window" --timer >/dev/null 2>&1 &
pids+=($!)
QT_QPA_PLATFORM=offscreen "$build/bench/bench_bare_window" --repaint 46 >/dev/null 2>&1 &
pids+=($!)
start_program idle /dev/ptmx
start_program online "$(head -n 1 "$folder/sim")"
sleep "$settle"

names=("bare window" "bare window, 20 ms timer" "bare window, repaint/46 ms" "program idle, main screen"
       "program online, line rate")
measured=("${pids[@]:1}")
declare -a ns_before wakes_before
for i in "${!measured[@]}"; do
  ns_before[i]=$(cpu_ns "${measured[i]}")
  wakes_before[i]=$(wakeups "${measured[i]}")
done
sleep "$seconds"
for i in "${!measured[@]}"; do
  echo "$i $(($(cpu_ns "${measured[i]}") - ns_before[i])) $(($(wakeups "${measured[i]}") - wakes_before[i]))"
done | awk -v s="$seconds" -v names="$(IFS='|'; echo "${names[*]}")" '
  BEGIN { split(names, name, "|") }
  { cpu[$1] = $2 / 1e7 / s; wake[$1] = $3 / s }
  END {
    for (i = 0; i < 5; i++) {
      printf "%-28s %6.2f %% of a core, %6.1f wake-ups/s", name[i + 1], cpu[i], wake[i]
      if (i >= 2 && cpu[1] > 0) printf ", %.2fx the bare window with its timer", cpu[i] / cpu[1]
      if (i == 4 && cpu[2] > 0) printf ", %.2fx the one repainting", cpu[i] / cpu[2]
      printf "\n"
    }
  }'
