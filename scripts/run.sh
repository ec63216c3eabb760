#!/usr/bin/env bash
# Builds the program for Windows x86_64 and runs it under Wine in a virtual desktop with a taskbar,
# so that its notification-area icon is on screen.
# Usage: scripts/run.sh [--headless] [--menu] [--seconds N] [--screenshot PATH]
#   With an X display (DISPLAY set) the program runs there until it is closed. Without one (or with
#   --headless) it runs on a private Xvfb and two pictures are saved: PATH (default
#   build/screenshot.png) after N seconds (default 5), the program started as on a fresh machine
#   with its first-run notice; then, once Enter has answered the notice, PATH with "-window" before
#   its extension (build/screenshot-window.png), the window with its tray icon. With --menu (which
#   implies --headless) a third: a right click on the tray icon opens its menu, PATH with "-menu"
#   before its extension (build/screenshot-menu.png). Then everything started is stopped.
# Runs DorvAutoDialer.exe; until that target exists, the framework sample dv_sample, else a small
# window program of the test harness. Installs missing Debian packages first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$DV_ROOT/scripts/lib/builds.sh"

headless=0
[[ -n ${DISPLAY:-} ]] || headless=1
menu=0
seconds=5
screenshot=$DV_BUILD_ROOT/screenshot.png
while (($#)); do
  case $1 in
    --headless) headless=1 ;;
    --menu)
      menu=1
      headless=1
      ;;
    --seconds)
      seconds=${2:?--seconds needs a number}
      shift
      ;;
    --screenshot)
      screenshot=${2:?--screenshot needs a path}
      shift
      ;;
    *)
      dv_die "unknown option '$1' (usage: ${0##*/} [--headless] [--menu] [--seconds N] [--screenshot PATH])"
      ;;
  esac
  shift
done
[[ $seconds =~ ^[0-9]+$ ]] || dv_die "--seconds takes a whole number"

"$DV_ROOT/scripts/ensure-packages.sh"
dv_configure win64

program=
for target in DorvAutoDialer dv_sample dv_harness_window; do
  if program=$(dv_target_output win64 "$target"); then
    dv_build win64 "$target"
    break
  fi
done
[[ -n $program ]] || dv_die "the win64 build has no program to run"
dv_say "running ${program#"$DV_ROOT"/}"

prefix=$(dv_build_dir win64)/wineprefix
if ((headless)); then
  mkdir -p "$(dirname "$screenshot")"
  DV_RUN_MENU=$menu exec "$DV_ROOT/scripts/lib/run-headless.sh" "$prefix" "$program" "$seconds" \
    "$screenshot"
else
  exec "$DV_ROOT/scripts/wine-session.sh" --prefix "$prefix" --use-display -- bash -c \
    'cd "$(dirname "$1")" && exec wine explorer /desktop=shell,"$2" "$(winepath -w "$1")"' \
    run "$program" "$DV_RUN_DESKTOP"
fi
