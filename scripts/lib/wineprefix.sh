# The private Wine prefix of a session: checked, created once, rebuilt only when broken.
# Sourced by wine-session.sh; expects WINEPREFIX, DISPLAY and a running wineserver where stated.

readonly kPrefixStamp=.dv-prefix-ready
# Changes whenever dv_prefix_create sets something new, so that older prefixes are made again.
readonly kPrefixSettings=2

# True when the prefix was fully set up by this Wine version.
dv_prefix_ready() {
  [[ -f $WINEPREFIX/$kPrefixStamp && -f $WINEPREFIX/system.reg && -f $WINEPREFIX/user.reg &&
    -d $WINEPREFIX/drive_c/windows/system32 ]] || return 1
  [[ $(cat "$WINEPREFIX/$kPrefixStamp") == "$(WINEDEBUG=-all wine --version) $kPrefixSettings" ]]
}

# Removes a half-made or outdated prefix so that it is made again from scratch.
dv_prefix_wipe() {
  case $WINEPREFIX in
    */wineprefix) ;;
    *) dv_die "refusing to delete '$WINEPREFIX': a harness prefix is a folder named wineprefix" ;;
  esac
  rm -rf -- "$WINEPREFIX"
}

# dv_prefix_create logfile: fills an empty prefix. Needs DISPLAY and the session's wineserver.
dv_prefix_create() {
  local log=$1
  if ! wine wineboot -i >"$log" 2>&1; then
    dv_say "wineboot -i failed; its log ($log):"
    cat "$log" >&2
    return 1
  fi
  # A crashing test must fail at once instead of waiting for someone to close a dialog.
  wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >>"$log" 2>&1 ||
    return 1
  # Without a window manager on the display, Wine waits two seconds for the X server every time
  # a managed window is hidden or destroyed; unmanaged windows are hidden at once.
  wine reg add 'HKCU\Software\Wine\X11 Driver' /v Managed /t REG_SZ /d N /f >>"$log" 2>&1 ||
    return 1
  echo "$(WINEDEBUG=-all wine --version) $kPrefixSettings" >"$WINEPREFIX/$kPrefixStamp"
}
