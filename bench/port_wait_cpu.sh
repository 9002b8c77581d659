#!/usr/bin/env bash
# CPU use of the running program while its serial port waits for a pulled
# device to come back: starts it offscreen on a simulated transceiver behind
# a symbolic link, ends the simulator and removes the link (as udev removes a
# pulled adapter's node), then reads the process's user and system time from
# /proc over a measuring window and prints the share of one core. The wait
# adds nothing to the idle offline program (bench/side_by_side_cpu.sh): the
# target is below 1 %.
#   bench/port_wait_cpu.sh [path to vhfcom] [seconds]
set -euo pipefail
binary=${1:-build/vhfcom}
seconds=${2:-10}
settle=3

source "$(dirname "$0")/cpu_share.sh"

folder=$(mktemp -d)
cp "$binary" "$folder/vhfcom"
printf '[Setup]\r\nCommsPort=0\r\n[Ports]\r\nCOM1=%s/radio\r\n' "$folder" >"$folder/RADIO.INI"
"$(dirname "$binary")/vhfcom-transceiver-sim" --interval 250 >"$folder/sim" &
sim=$!
pid=""
trap 'kill "$sim" $pid 2>/dev/null || true; rm -rf "$folder"' EXIT
for _ in $(seq 50); do [ -s "$folder/sim" ] && break; sleep 0.1; done
pts=$(head -n 1 "$folder/sim")
ln -s "$pts" "$folder/radio"

QT_QPA_PLATFORM=offscreen "$folder/vhfcom" </dev/null >/dev/null 2>&1 &
pid=$!
sleep "$settle"
holds_port() { ls -l "/proc/$pid/fd" | grep -q -- "-> $pts\$"; }
holds_port || { echo "port_wait_cpu: the port did not open" >&2; exit 1; }
kill "$sim"
rm "$folder/radio"
sleep "$settle"
holds_port && { echo "port_wait_cpu: the port did not close" >&2; exit 1; }
cpu_share "$pid" "$seconds" "port waiting for its device"
