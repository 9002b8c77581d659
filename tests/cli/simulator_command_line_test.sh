#!/usr/bin/env bash
# The simulator's command line: help, version and bad options, each with its
# stream, first line and exit status.
#   simulator_command_line_test.sh SIMULATOR VERSION
set -uo pipefail
sim=$1
version=$2
failures=0
out=$(mktemp) err=$(mktemp)
trap 'rm -f "$out" "$err"' EXIT

# arguments | expected status | stream that holds the text | text of its first line
cases=(
  '--help|0|out|Usage: vhfcom-transceiver-sim [OPTIONS]'
  '-h|0|out|Usage: vhfcom-transceiver-sim [OPTIONS]'
  "--version|0|out|vhfcom-transceiver-sim $version"
  "-v|0|out|vhfcom-transceiver-sim $version"
  '--bogus|2|err|vhfcom-transceiver-sim: Unknown option '"'"'--bogus'"'"'.'
  '--interval|2|err|vhfcom-transceiver-sim: Missing value after '"'"'--interval'"'"'.'
  '--interval 0|2|err|vhfcom-transceiver-sim: '"'"'0'"'"' is not a number from 1 to 60000.'
)
for row in "${cases[@]}"; do
  IFS='|' read -r arguments status stream first <<<"$row"
  # shellcheck disable=SC2086
  timeout 10 "$sim" $arguments >"$out" 2>"$err"
  got=$?
  text=$(head -1 "$([ "$stream" = out ] && echo "$out" || echo "$err")")
  if [ "$got" != "$status" ] || [[ "$text" != "$first"* ]]; then
    echo "simulator $arguments: status $got, first line '$text'; expected $status and '$first...' on std$stream"
    failures=$((failures + 1))
  fi
  if [ "$status" = 2 ] && ! grep -q '^Usage: vhfcom-transceiver-sim' "$err"; then
    echo "simulator $arguments: no usage after the error"; failures=$((failures + 1))
  fi
done
[ $failures -eq 0 ] && echo "simulator command line: ${#cases[@]} cases as expected"
exit $((failures > 0))
