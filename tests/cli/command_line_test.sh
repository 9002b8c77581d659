#!/usr/bin/env bash
# The command line without a display: what each case prints, where, and the
# exit status; no case may open a window or dump core. (A recording's export
# itself is checked in tests/session.)
#   command_line_test.sh VHFCOM VERSION
set -uo pipefail
vhfcom=$1
version=$2
failures=0
out=$(mktemp) err=$(mktemp) lists=$(mktemp -d)
trap 'rm -rf "$out" "$err" "$lists"' EXIT
printf '%s\n' '"id","airport_ref","airport_ident","type","description","frequency_mhz"' \
  '52769,2212,"EDDF","TWR","FRANKFURT TOWER / TURM (SOUTH)",119.905' '52770,2212,"EDDF","TWR","",119.9' \
  >"$lists/airports.csv"

# arguments | expected status | stream that holds the text | text of its first line
cases=(
  '--help|0|out|Usage: vhfcom [OPTIONS] [DATABASE.dat | RECORDING.vhfrec]'
  '-h|0|out|Usage: vhfcom [OPTIONS] [DATABASE.dat | RECORDING.vhfrec]'
  "--version|0|out|vhfcom $version"
  "-v|0|out|vhfcom $version"
  '--bogus|2|err|vhfcom: Unknown option '"'"'bogus'"'"'.'
  '--port|2|err|vhfcom: Missing value after '"'"'--port'"'"'.'
  'one.dat two.dat|2|err|vhfcom: Unexpected argument '"'"'two.dat'"'"'.'
  '|1|err|vhfcom: no display'
  '--export only-a-recording.vhfrec|2|err|vhfcom: Option '"'"'export'"'"' needs a recording and an output file.'
  '--export r.vhfrec out.gif --scale 0|2|err|vhfcom: Option '"'"'scale'"'"' needs a whole number from 1 to 64.'
  '--export r.vhfrec out.gif --scale 65|2|err|vhfcom: Option '"'"'scale'"'"' needs a whole number from 1 to 64.'
  '--export /nonexistent/r.vhfrec out.gif --scale 64|1|err|/nonexistent/r.vhfrec cannot be read: File not found.'
  '--convert only-one.dat|2|err|vhfcom: Option '"'"'convert'"'"' needs a file to read and a file to write.'
  '--convert /nonexistent/a.dat b.csv|1|err|/nonexistent/a.dat'
  "--airports $lists/airports.csv eddf,XXXX $lists/out.dat|0|err|$lists/airports.csv: line 2: EDDF TWR 119.905: 8.33 kHz channel"
  "--airports $lists/airports.csv XXXX $lists/none.dat|1|err|$lists/airports.csv: XXXX was not found"
  '--airports /nonexistent/a.csv EDDF out.dat|1|err|/nonexistent/a.csv: File not found'
  '--airports a.csv EDDF,,EDFE out.dat|2|err|vhfcom: Option '"'"'airports'"'"' needs idents separated by commas'
  '--airports a.csv EDDF|2|err|vhfcom: Option '"'"'airports'"'"' needs a list file, the airports'"'"' idents and a file to write.'
  '--speed 2|2|err|vhfcom: Option '"'"'speed'"'"' goes with '"'"'replay'"'"'.'
  '--export /nonexistent/r.vhfrec out.png|1|err|/nonexistent/r.vhfrec cannot be read: File not found.'
  '--serve-keys|2|err|vhfcom: Option '"'"'serve-keys'"'"' goes with '"'"'serve'"'"'.'
  '--serve host:port|2|err|vhfcom: Option '"'"'serve'"'"' needs [ADDRESS:]PORT, such as 8104 or 0.0.0.0:8104.'
  '--serve 70000|2|err|vhfcom: Option '"'"'serve'"'"' needs [ADDRESS:]PORT, such as 8104 or 0.0.0.0:8104.'
)
for row in "${cases[@]}"; do
  IFS='|' read -r arguments status stream first <<<"$row"
  # shellcheck disable=SC2086
  env -u DISPLAY -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM timeout 10 "$vhfcom" $arguments >"$out" 2>"$err"
  got=$?
  text=$(head -1 "$([ "$stream" = out ] && echo "$out" || echo "$err")")
  if [ "$got" != "$status" ] || [[ "$text" != "$first"* ]]; then
    echo "vhfcom $arguments: status $got, first line '$text'; expected $status and '$first...' on std$stream"
    failures=$((failures + 1))
  fi
  if [ "$status" = 2 ] && ! grep -q '^Usage: vhfcom' "$err"; then
    echo "vhfcom $arguments: no usage after the error"; failures=$((failures + 1))
  fi
done
if [ ! -s "$lists/out.dat" ] || [ -e "$lists/none.dat" ]; then
  echo "vhfcom --airports: out.dat should be written and none.dat not"; failures=$((failures + 1))
fi
# A display that is named but cannot be opened: one line naming it, status 1.
env -u WAYLAND_DISPLAY -u QT_QPA_PLATFORM DISPLAY=:4711 timeout 10 "$vhfcom" >"$out" 2>"$err"
got=$?
if [ "$got" != 1 ] || [ "$(cat "$err")" != "vhfcom: cannot open the display :4711" ]; then
  echo "DISPLAY=:4711 vhfcom: status $got, stderr '$(cat "$err")'"; failures=$((failures + 1))
fi

[ $failures -eq 0 ] && echo "command line: ${#cases[@]} cases as expected"
exit $((failures > 0))
