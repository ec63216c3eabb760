#!/usr/bin/env bash
# The run command's headless mode as a new user's first start shows it: two pictures of the
# desktop, the second one changed by answering the notice, and in the first one a notice whose
# Hebrew text is drawn as letters, not as boxes. Runs in Wine sessions of its own (own prefix and
# display), nested when the tests themselves run in one.
# Usage: RunCommandTest.sh program.exe dv_notice_picture_check.exe work-folder
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"

program=$1
check=$2
work=$3
prefix=$work/wineprefix
first=$work/notice.png
window=$(dv_window_picture_path "$first")
readable=$work/notice.bmp

fail() {
  echo "FAILED: $*" >&2
  exit 1
}

mkdir -p "$work" && rm -f "$first" "$window" "$readable" || fail "cannot prepare $work"

"$DV_ROOT/scripts/lib/run-headless.sh" "$prefix" "$program" 0 "$first" ||
  fail "the headless run failed"
for picture in "$first" "$window"; do
  size=$(/usr/bin/identify -format '%wx%h' "$picture" 2>/dev/null)
  [[ $size == "$DV_RUN_DESKTOP" ]] || fail "$picture is '$size', not a picture of the desktop"
done
changed=$(/usr/bin/compare -metric AE "$first" "$window" null: 2>&1)
[[ $changed =~ ^[0-9]+$ ]] && ((changed > 0)) || fail "answering the notice changed nothing ($changed)"

/usr/bin/convert "$first" "BMP3:$readable" || fail "cannot convert $first"
"$DV_ROOT/scripts/wine-session.sh" --prefix "$prefix" -- bash -c \
  'wine "$1" "$(winepath -w "$2")"' check "$check" "$readable" ||
  fail "the notice in $first is not drawn in readable letters"
