#!/usr/bin/env bash
# CPU use of the running program while the emulator sits on its main screen:
# starts it offscreen, lets the splash pass, then reads the process's user and
# system time from /proc over a measuring window and prints the share of one
# core. The target is below 2 %.
#   bench/emulator_cpu.sh [path to vhfcom] [seconds]
set -euo pipefail
binary=${1:-build/vhfcom}
seconds=${2:-10}
settle=3

cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }

QT_QPA_PLATFORM=offscreen "$binary" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true' EXIT
sleep "$settle"
start=$(cpu_ticks "$pid")
sleep "$seconds"
end=$(cpu_ticks "$pid")
hz=$(getconf CLK_TCK)
awk -v used=$((end - start)) -v hz="$hz" -v s="$seconds" \
    'BEGIN { printf "emulator on its main screen: %.2f %% of one core over %d s\n", 100 * used / hz / s, s }'
