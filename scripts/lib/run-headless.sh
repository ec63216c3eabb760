#!/usr/bin/env bash
# Inside a Wine session: runs a program in a virtual desktop with a taskbar for a few seconds and
# saves a screenshot of the display. The session's teardown ends the program.
# Usage: run-headless.sh program.exe seconds screenshot.png
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

program=$1
seconds=$2
screenshot=$3
windowsPath=$(winepath -w "$program" 2>/dev/null) || dv_die "cannot map $program into the prefix"

cd "$(dirname "$program")" || exit 1
wine explorer /desktop=shell,800x600 "$windowsPath" </dev/null >"$screenshot.log" 2>&1 &
sleep "$seconds"

# A Windows process shows its Windows path as its command name.
running=$(ps -ww -eo args= | DV_PROGRAM=$windowsPath awk '
  index($0, ENVIRON["DV_PROGRAM"]) == 1 { found = 1 } END { print found + 0 }')
/usr/bin/import -display "$DISPLAY" -window root "$screenshot" ||
  dv_die "could not take the screenshot"
colours=$(/usr/bin/identify -format '%k' "$screenshot" 2>/dev/null)
dv_say "screenshot after ${seconds}s: $screenshot ($colours colours)"
if [[ $running != 1 ]]; then
  dv_say "error: ${program##*/} was no longer running when the screenshot was taken; see $screenshot.log"
  exit 1
fi
