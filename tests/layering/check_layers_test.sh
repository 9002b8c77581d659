#!/usr/bin/env bash
# The layering check passes on the source tree as it is and fails on a copy
# with each kind of breach planted in it, one at a time.
#   check_layers_test.sh SOURCE_ROOT
set -euo pipefail
root=$1
scratch=$(mktemp -d)
trap 'rm -rf "$scratch"' EXIT
"$root/scripts/check-layers" "$root/src" >/dev/null
cp -r "$root/src" "$scratch/src"

# breach: what is planted, in which file; expected: words the report must hold
breaches=(
  'display/lcd.cpp|#include "emulator/runtime/emulator_state.h"|display includes emulator'
  'emulator/runtime/emulator_run.cpp|#include "link/device_link.h"|emulator includes link'
  'serial/comm.cpp|#include <QString>|Qt-free but includes a Qt header'
  'common/CMakeLists.txt|vhfcom_layer(common USES modes)|common uses modes, which does not come before it'
  'session/display_html.cpp|#include <QString>|Qt-free but includes a Qt header'
  'web/live_server.cpp|#include "gui/shell/main_window.h"|web includes gui'
  'modes/operating_mode.cpp|#include "core/program_core.h"|modes includes core'
  'core/program_core.cpp|#include <QString>|Qt-free but includes a Qt header'
)
for breach in "${breaches[@]}"; do
  IFS='|' read -r file planted expected <<<"$breach"
  if [[ "$file" == */CMakeLists.txt ]]; then
    sed -i "s/^vhfcom_layer(common)$/$planted/" "$scratch/src/$file"
  else
    echo "$planted" >>"$scratch/src/$file"
  fi
  if report=$("$root/scripts/check-layers" "$scratch/src" 2>&1); then
    echo "not caught: $planted in $file"; exit 1
  fi
  grep -qF "$expected" <<<"$report" || { echo "report for $file lacks '$expected':"; echo "$report"; exit 1; }
  cp "$root/src/$file" "$scratch/src/$file"
done
echo "check-layers: passes the tree, catches ${#breaches[@]} breaches"
