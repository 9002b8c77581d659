#!/usr/bin/env bash
# Time to a visible window and memory (the most resident at any time, VmHWM)
# of the program against a bare Qt window, measured in the same run on a
# virtual X server of its own: each is started `rounds` times, alternately,
# and the time from the start to its window mapped and viewable is taken;
# memory is read once the window has been up for a while. Prints the medians
# and the program's ratios to the bare window.
#   bench/startup_and_memory.sh [build folder] [rounds]
set -euo pipefail
build=${1:-build}
rounds=${2:-7}
settle=2

folder=$(mktemp -d)
server=""
pid=""
trap 'kill $pid $server 2>/dev/null || true; rm -rf "$folder"' EXIT

exec 3>"$folder/display"
Xvfb -displayfd 3 -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 &
server=$!
for _ in $(seq 100); do [ -s "$folder/display" ] && break; sleep 0.05; done
export DISPLAY=":$(head -n 1 "$folder/display")"
unset QT_QPA_PLATFORM

mkdir -p "$folder/program"
cp "$build/vhfcom" "$folder/program/vhfcom"
printf '[Setup]\r\nCommsPort=0\r\n[Ports]\r\nCOM1=/dev/ptmx\r\n' >"$folder/program/RADIO.INI"

now_ns() { date +%s%N; }

# Starts a command, waits for its window to be viewable; prints the
# milliseconds it took and the peak resident kilobytes a little later.
measure() {
  local start shown
  start=$(now_ns)
  "$@" </dev/null >/dev/null 2>&1 &
  pid=$!
  # A short pause between looks: a loop of connections without one can fill
  # the server's queue of connections, so that the program's own is refused.
  until xdotool search --onlyvisible --pid "$pid" >/dev/null 2>&1; do
    kill -0 "$pid" 2>/dev/null || { echo "$1 ended before its window showed" >&2; exit 1; }
    sleep 0.002
  done
  shown=$(now_ns)
  sleep "$settle"
  echo "$(((shown - start) / 1000000)) $(awk '/VmHWM/ { print $2 }' /proc/"$pid"/status)"
  kill "$pid"
  wait "$pid" 2>/dev/null || true
  pid=""
}

for _ in $(seq "$rounds"); do
  bare=$(measure "$build/bench/bench_bare_window")
  echo "$bare" >>"$folder/bare"
  program=$(measure "$folder/program/vhfcom")
  echo "$program" >>"$folder/program.txt"
done

median() { cut -d ' ' -f "$2" "$1" | sort -n | awk '{ v[NR] = $1 } END { print NR % 2 ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
bare_ms=$(median "$folder/bare" 1)
bare_kb=$(median "$folder/bare" 2)
program_ms=$(median "$folder/program.txt" 1)
program_kb=$(median "$folder/program.txt" 2)
awk -v bm="$bare_ms" -v bk="$bare_kb" -v pm="$program_ms" -v pk="$program_kb" 'BEGIN {
  printf "%-8s time to a visible window %5d ms, max RSS %6.1f MB\n", "bare", bm, bk / 1024
  printf "%-8s time to a visible window %5d ms, max RSS %6.1f MB (%.2fx and %.2fx the bare window)\n", "program",
         pm, pk / 1024, pm / bm, pk / bk
}'
