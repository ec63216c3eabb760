#!/usr/bin/env bash
# Runs one command inside a Wine session and returns its exit status.
# Usage: scripts/wine-session.sh [--prefix DIR] [--arch win64|win32] [--use-display] [--] command...
#   --prefix DIR     the private Wine prefix (default build/win64/wineprefix); made once, remade
#                    only when missing or broken
#   --arch ARCH      the prefix's Windows: win64 (default; 64-bit programs, and 32-bit ones when
#                    32-bit Wine is installed) or win32 (32-bit Windows: needs 32-bit Wine)
#   --use-display    run on the caller's X display instead of a private Xvfb (when DISPLAY is set)
# DV_DESKTOP_KEEPER names the program that holds the desktop open (default: the build's of the
# arch, build/win64 or build/win32).
# The session starts a private Xvfb (1024x768x24, DV_XVFB_SCREEN to change) before any Wine
# process, then one persistent wineserver, and exports DISPLAY, WINEPREFIX, WINEARCH, WINEDEBUG
# (-all, or DV_WINEDEBUG), WINEDLLOVERRIDES, DV_WINE_SESSION and FONTCONFIG_FILE (text without
# smoothed edges, scripts/lib/crisp-fonts.conf) to the command. Everything it started is stopped
# by process id afterwards, also when the command fails or the session is interrupted.
# Sessions on one prefix take turns (a lock beside the prefix).
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$DV_ROOT/scripts/lib/xvfb.sh"
source "$DV_ROOT/scripts/lib/wineprefix.sh"

# No Mono or Gecko installer prompts; no menu entries written into the user's home.
readonly kBaseOverrides='mscoree,mshtml=;winemenubuilder.exe=d'

prefix=$DV_BUILD_ROOT/win64/wineprefix
arch=win64
useDisplay=0
while (($#)); do
  case $1 in
    --prefix)
      (($# >= 2)) || dv_die "--prefix needs a folder"
      prefix=$2
      shift 2
      ;;
    --arch)
      [[ ${2:-} == win64 || ${2:-} == win32 ]] || dv_die "--arch takes win64 or win32"
      arch=$2
      shift 2
      ;;
    --use-display)
      useDisplay=1
      shift
      ;;
    --)
      shift
      break
      ;;
    -*) dv_die "unknown option '$1'" ;;
    *) break ;;
  esac
done
(($#)) || dv_die "usage: ${0##*/} [--prefix DIR] [--arch win64|win32] [--use-display] [--] command..."

# The server reads the architecture when it makes a prefix's registry, the loader checks it.
export WINEPREFIX WINEARCH=$arch
DV_WINE_ARCH=$arch
WINEPREFIX=$(realpath -m "$prefix")
stateDir=$WINEPREFIX.session
pidFile=$stateDir/pids
mkdir -p "$stateDir" || dv_die "cannot create $stateDir"

dvLockFd=
exec {dvLockFd}>"$stateDir/lock"
if ! flock -n "$dvLockFd"; then
  dv_say "another session is using $WINEPREFIX; waiting for it"
  flock "$dvLockFd"
fi

# Notes a started process so that a later session can stop it if this one is killed outright.
record_pid() {
  echo "$1 $(dv_pid_start_time "$1")" >>"$pidFile"
}

# A session that was killed outright leaves its processes behind: stop them first.
clear_stale_session() {
  local pid startTime
  # The stale server, while it lives, ends its own Wine processes.
  wineserver -k >/dev/null 2>&1
  if [[ -f $pidFile ]]; then
    while read -r pid startTime; do
      # The start time tells a leftover from an unrelated process that reuses the id.
      if [[ $(dv_pid_start_time "$pid") == "$startTime" ]]; then
        dv_stop_pid "$pid" 5
      fi
    done <"$pidFile"
    rm -f "$pidFile"
  fi
}

serverPid=
commandPid=
teardown() {
  trap - INT TERM HUP
  if [[ -n $commandPid ]] && dv_pid_alive "$commandPid"; then
    dv_stop_pid "$commandPid" 5
  fi
  if [[ -n $serverPid ]]; then
    # -k ends every Wine process of this prefix, then the server itself.
    wineserver -k >/dev/null 2>&1
    dv_wait_pid_gone "$serverPid" 10 || dv_stop_pid "$serverPid" 2
    wait "$serverPid" 2>/dev/null
  fi
  dv_xvfb_stop
  rm -f "$pidFile"
}
trap teardown EXIT
trap 'exit 129' HUP
trap 'exit 130' INT
trap 'exit 143' TERM

clear_stale_session

if ((useDisplay)) && [[ -n ${DISPLAY:-} ]]; then
  xdpyinfo -display "$DISPLAY" >/dev/null 2>&1 || dv_die "cannot open display $DISPLAY"
else
  dvXvfbPid=
  dv_xvfb_start "$stateDir/xvfb.log" < /dev/null || dv_die "no X display for Wine"
  record_pid "$dvXvfbPid"
fi

export WINEDEBUG=${DV_WINEDEBUG:--all}
export FONTCONFIG_FILE=$DV_ROOT/scripts/lib/crisp-fonts.conf
export WINEDLLOVERRIDES=$kBaseOverrides${WINEDLLOVERRIDES:+;$WINEDLLOVERRIDES}
export DV_WINE_SESSION=$WINEPREFIX

prefixIsNew=0
if ! dv_prefix_ready; then
  [[ -e $WINEPREFIX ]] && dv_say "remaking the Wine prefix $WINEPREFIX"
  dv_prefix_wipe
  prefixIsNew=1
fi
mkdir -p "$WINEPREFIX" || dv_die "cannot create $WINEPREFIX"

# Started only now that DISPLAY is exported: the server keeps the display of its first client.
dv_spawn wineserver -f -p </dev/null >>"$stateDir/wineserver.log" 2>&1
serverPid=$!
record_pid "$serverPid"

if ((prefixIsNew)); then
  dv_say "creating the Wine prefix $WINEPREFIX"
  (
    exec {dvLockFd}>&-
    dv_prefix_create "$stateDir/wineboot.log" </dev/null
  ) || dv_die "could not create the Wine prefix"
fi
# The first Wine process of a session starts the prefix's background services (winedevice.exe
# and others), and the first window starts the desktop process (explorer.exe, rpcss.exe). They
# keep that process's output open, so a test runner reading it waits until they end (seconds per
# test). Start them all here, away from the command's pipes: rundll32 makes a hidden window.
(
  exec {dvLockFd}>&-
  wine rundll32.exe user32.dll,GetDesktopWindow >>"$stateDir/wineboot.log" 2>&1 </dev/null
) || true

# Wine closes the desktop a second after its last program ends and starts it again for the next
# one; a keeper program holds it open for the whole session (built with the tests of each build).
keeper=${DV_DESKTOP_KEEPER:-$DV_BUILD_ROOT/$arch/tests/harness/dv_desktop_keeper.exe}
if [[ -f $keeper ]]; then
  (
    exec {dvLockFd}>&-
    exec wine "$keeper" >>"$stateDir/keeper.log" 2>&1 </dev/null
  ) &
  record_pid "$!"
else
  dv_say "no desktop keeper at $keeper: each program restarts the desktop"
fi

dv_spawn "$@"
commandPid=$!
record_pid "$commandPid"
wait "$commandPid"
status=$?
commandPid=
exit "$status"
