#!/usr/bin/env bash
# Runs a program in a Wine session on a private display, in a virtual desktop with a taskbar that
# fills the display, and saves two pictures of it:
#   first.png          after the given seconds, or once the program shows a window when that takes
#                      longer: what a new user sees first (the program's settings are removed
#                      beforehand, so that it starts as on a fresh machine and shows its first-run
#                      notice);
#   first-window.png   once Enter has answered that notice: the window with its tray icon;
#   first-menu.png     with DV_RUN_MENU=1: after a right click on the tray icon, its menu open.
# Then the session's teardown ends the program.
# Usage: [DV_RUN_MENU=1] run-headless.sh prefix program.exe seconds first.png
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/common.sh"

(($# == 4)) || dv_die "usage: ${0##*/} prefix program.exe seconds first.png"
prefix=$(realpath -m "$1")
program=$(realpath -m "$2")
seconds=$3
firstPicture=$(realpath -m "$4")
# Called from outside, the script starts its session and runs again inside it.
if [[ ${DV_WINE_SESSION:-} != "$prefix" ]]; then
  DV_XVFB_SCREEN=${DV_RUN_DESKTOP}x24 exec "$DV_ROOT/scripts/wine-session.sh" --prefix "$prefix" -- \
    "$0" "$prefix" "$program" "$seconds" "$firstPicture"
fi

# Time for the window to show and paint once the notice is gone.
readonly kSecondsAfterNotice=2
# The first start in a new prefix, or on a busy machine, can take much longer than usual.
readonly kSecondsForAWindow=60

windowPicture=$(dv_window_picture_path "$firstPicture")
windowsPath=$(winepath -w "$program" 2>/dev/null) || dv_die "cannot map $program into the prefix"

# The program's settings key: without it the program starts as it does the first time. /reg:64:
# with 32-bit Wine installed, a plain "wine reg" runs the 32-bit reg.exe, which sees the 32-bit
# view of HKLM\Software, not the key of the 64-bit program.
wine reg delete 'HKLM\Software\Dorv Internet Auto-Dialer' /f /reg:64 >/dev/null 2>&1

cd "$(dirname "$program")" || exit 1
wine explorer /desktop=shell,"$DV_RUN_DESKTOP" "$windowsPath" </dev/null >"$firstPicture.log" 2>&1 &

# Fails, with a note, when the program has ended before a picture of it is taken.
expect_running() {
  # A Windows process shows its Windows path as its command name.
  local running
  running=$(ps -ww -eo args= | DV_PROGRAM=$windowsPath awk '
    index($0, ENVIRON["DV_PROGRAM"]) == 1 { found = 1 } END { print found + 0 }')
  [[ $running == 1 ]] ||
    dv_die "${program##*/} was no longer running when the picture was due; see $firstPicture.log"
}

# Wine names the class of a program's X windows after its file, in lower case.
windowClassPattern="^$(basename "$program" | tr '[:upper:]' '[:lower:]' | sed 's/[.]/[.]/g')\$"

# True once the program shows a window larger than a point.
shows_window() {
  local id size
  for id in $(xdotool search --onlyvisible --classname "$windowClassPattern" 2>/dev/null); do
    size=$(xdotool getwindowgeometry "$id" 2>/dev/null | awk '/Geometry:/ { print $2 }')
    [[ -n $size && $size != 1x1 ]] && return 0
  done
  return 1
}

# The number of the program's visible windows on the display.
count_windows() {
  xdotool search --onlyvisible --classname "$windowClassPattern" 2>/dev/null | wc -l
}

# Prints "x y", the centre of the rightmost icon in the taskbar's notification area, found in a
# picture of the display: the taskbar is the strip at the bottom in the colour of the bottom row,
# and the icons are what differs from that colour at its right end.
tray_icon_centre() {
  local picture=$1 width height colour top geometry
  read -r width height < <(/usr/bin/identify -format '%w %h\n' "$picture")
  # One column of the bottom rows, bottom first: the strip ends where the colour changes.
  read -r colour top < <(/usr/bin/convert "$picture" -crop "1x80+$((width - 150))+$((height - 80))" \
    +repage -flip -depth 8 txt:- | awk -v height="$height" '
      NR == 1 { next }
      NR == 2 { colour = $3 }
      $3 != colour { exit }
      { top = height - 1 - (NR - 2) }
      END { print colour, top }')
  ((top > 0)) || return 1
  # What remains of the strip's right end once its own colour is trimmed away: the icons.
  geometry=$(/usr/bin/convert "$picture" -crop "140x$((height - top))+$((width - 140))+$top" +repage \
    -bordercolor "$colour" -border 1 -trim -format '%w %h %X %Y' info:) || return 1
  local iconsWidth iconsHeight x y
  read -r iconsWidth iconsHeight x y <<<"$geometry"
  x=${x#+} y=${y#+}
  # The border shifts the offsets by one; an icon is 16 pixels wide.
  echo "$((width - 140 + x - 1 + iconsWidth - 8)) $((top + y - 1 + iconsHeight / 2))"
}

# save_picture path when: a picture of the whole display.
save_picture() {
  /usr/bin/import -display "$DISPLAY" -window root "$1" || dv_die "could not save the picture $1"
  dv_say "picture $2: $1 ($(/usr/bin/identify -format '%k' "$1" 2>/dev/null) colours)"
}

sleep "$seconds"
waited=0
until shows_window; do
  ((waited < kSecondsForAWindow * 4)) ||
    dv_die "${program##*/} showed no window within $((seconds + kSecondsForAWindow))s"
  sleep 0.25
  ((waited += 1))
done
# A window that has just appeared may not have painted yet.
((waited == 0)) || sleep 1
expect_running
save_picture "$firstPicture" "after $((seconds + waited / 4))s"

# Enter answers the notice as a user would: the keyboard goes to the window Wine made active.
xdotool key Return || dv_die "could not press Enter on display $DISPLAY"
sleep "$kSecondsAfterNotice"
expect_running
save_picture "$windowPicture" "after Enter"

if [[ ${DV_RUN_MENU:-0} == 1 ]]; then
  menuPicture=$(dv_sibling_picture_path "$firstPicture" menu)
  centre=$(tray_icon_centre "$windowPicture") || dv_die "no tray icon in $windowPicture"
  before=$(count_windows)
  # A right click as a user makes it: the menu opens when the button is released. Then the
  # pointer goes to the desktop's top left corner, off the icon, whose tool tip would otherwise
  # cover the menu's last item, and off the menu, whose items it would highlight.
  xdotool mousemove ${centre} click 3 mousemove 4 4 || dv_die "could not click on display $DISPLAY"
  waited=0
  until (($(count_windows) > before)); do
    ((waited < 40)) || dv_die "no menu opened after a right click on the tray icon at $centre"
    sleep 0.25
    ((waited += 1))
  done
  # The menu draws its items once it is shown.
  sleep 1
  expect_running
  save_picture "$menuPicture" "with the tray menu open"
fi
