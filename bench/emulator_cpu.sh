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

source "$(dirname "$0")/cpu_share.sh"

# A copy of the program in a scratch folder, so that the settings of the
# build folder play no part. Its serial port is a fresh pseudo-terminal
# (opening /dev/ptmx makes one): it opens without a word and stays silent,
# so no message box holds up the start and the program stays offline.
folder=$(mktemp -d)
cp "$binary" "$folder/vhfcom"
printf '[Setup]\r\nCommsPort=0\r\n[Ports]\r\nCOM1=/dev/ptmx\r\n' >"$folder/RADIO.INI"

QT_QPA_PLATFORM=offscreen "$folder/vhfcom" >/dev/null 2>&1 &
pid=$!
trap 'kill "$pid" 2>/dev/null || true; rm -rf "$folder"' EXIT
sleep "$settle"
cpu_share "$pid" "$seconds" "emulator on its main screen"
