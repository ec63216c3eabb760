#!/usr/bin/env bash
# Makes the README's two pictures from the real program, through the run command's headless mode
# (scripts/run.sh --menu), and writes them into docs/:
#   window.png      the window as a new user sees it once the first-run notice is answered
#   tray-menu.png   the tray icon's menu open, with the notification area below it
# Run it again whenever the window or the menu changes, and commit the two files.
# Usage: scripts/readme-pictures.sh
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

(($# == 0)) || dv_die "usage: ${0##*/} (no options)"
readonly convert=/usr/bin/convert
# Room around what a picture shows.
readonly kMargin=12

work=$DV_BUILD_ROOT/readme-pictures
rm -rf "$work"
mkdir -p "$work" "$DV_ROOT/docs"
"$DV_ROOT/scripts/run.sh" --menu --screenshot "$work/shot.png"
desktop=$(dv_window_picture_path "$work/shot.png")
menu=$(dv_sibling_picture_path "$work/shot.png" menu)

# The window: what differs from the desktop's colour above the taskbar (at most 40 rows high).
"$convert" "$desktop" -gravity south -chop 0x40 +gravity -trim +repage "$DV_ROOT/docs/window.png"

# The menu: what the right click changed, and everything from there to the screen's bottom right
# corner, where the tray icon is.
read -r width height < <(/usr/bin/identify -format '%w %h\n' "$menu")
read -r x y < <("$convert" "$desktop" "$menu" -compose difference -composite -trim \
  -format '%X %Y\n' info: | tr -d +)
x=$((x > kMargin ? x - kMargin : 0))
y=$((y > kMargin ? y - kMargin : 0))
"$convert" "$menu" -crop "$((width - x))x$((height - y))+$x+$y" +repage \
  "$DV_ROOT/docs/tray-menu.png"

dv_say "pictures: docs/window.png ($(/usr/bin/identify -format '%wx%h' "$DV_ROOT/docs/window.png")), \
docs/tray-menu.png ($(/usr/bin/identify -format '%wx%h' "$DV_ROOT/docs/tray-menu.png"))"
