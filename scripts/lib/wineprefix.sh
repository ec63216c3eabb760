# The private Wine prefix of a session: checked, created once, rebuilt only when broken or when
# what it was made from has changed.
# Sourced by wine-session.sh; expects WINEPREFIX, DV_WINE_ARCH (win64 or win32), DISPLAY and a
# running wineserver where stated.

readonly kPrefixStamp=.dv-prefix-ready
# Changes whenever dv_prefix_create sets something new, so that older prefixes are made again.
readonly kPrefixSettings=4
# The face that Wine's own dialog font stands for (message boxes, captions, menus): a narrow
# humanist sans like Tahoma, with Hebrew letters (Debian package fonts-dejavu-extra).
readonly kDialogFontFace='DejaVu Sans Condensed'
# The face that programs' window font "MS Shell Dlg 2" stands for (Tahoma on Windows): Wine's own
# MS Sans Serif (fonts-wine), whose widths Tahoma was drawn to match. "Enabled Auto-Dial" at
# height -11 is 85 pixels in it as in Tahoma, where DejaVu Sans Condensed takes 89 and Wine's
# Tahoma 94, and would wrap in the check box made for it.
readonly kWindowFontFace='MS Sans Serif'

# Prints the folder of Wine's own fonts (Marlett for the title-bar buttons, Tahoma, MS Sans Serif
# and the bitmap system fonts), or nothing when this Wine has none.
dv_wine_fonts_dir() {
  local wineBin dir
  wineBin=$(command -v wine) || return 0
  for dir in "$(dirname "$wineBin")/../share/wine/fonts" /usr/share/wine/fonts; do
    if [[ -f $dir/marlett.ttf ]]; then
      realpath "$dir"
      return 0
    fi
  done
}

# Prints the loader of 32-bit Wine, or nothing when this Wine runs 64-bit programs only.
dv_wine32_loader() {
  local wineBin candidate
  wineBin=$(command -v wine) || return 0
  # Debian's wine is a script that picks a loader from lib/wine; an upstream wine is the 32-bit
  # loader itself when it is a 32-bit program.
  for candidate in "$(dirname "$wineBin")/../lib/wine/wine" /usr/lib/wine/wine "$wineBin"; do
    if [[ -x $candidate && $(od -An -tx1 -j4 -N1 "$candidate" 2>/dev/null) == " 01" ]]; then
      realpath "$candidate"
      return 0
    fi
  done
}

# The facts a prefix is made from, one a line; a prefix made from others is made again. A 64-bit
# prefix made before 32-bit Wine was installed has no 32-bit system: that makes it anew too.
dv_prefix_stamp() {
  echo "wine: $(WINEDEBUG=-all wine --version)"
  echo "arch: $DV_WINE_ARCH"
  echo "wine32: $(dv_wine32_loader)"
  echo "settings: $kPrefixSettings"
  echo "wine fonts: $(dv_wine_fonts_dir)"
}

# True when the prefix was fully set up from what dv_prefix_stamp names now.
dv_prefix_ready() {
  [[ -f $WINEPREFIX/$kPrefixStamp && -f $WINEPREFIX/system.reg && -f $WINEPREFIX/user.reg &&
    -d $WINEPREFIX/drive_c/windows/system32 ]] || return 1
  [[ $(<"$WINEPREFIX/$kPrefixStamp") == "$(dv_prefix_stamp)" ]]
}

# Removes a half-made or outdated prefix so that it is made again from scratch.
dv_prefix_wipe() {
  case $WINEPREFIX in
    */wineprefix) ;;
    *) dv_die "refusing to delete '$WINEPREFIX': a harness prefix is a folder named wineprefix" ;;
  esac
  rm -rf -- "$WINEPREFIX"
}

# Wine looks for its own fonts in the prefix's Fonts folder and in a data folder that Debian's
# Wine 8 misnames; without them the title-bar buttons show Marlett's letters ("r" for the close
# button). Copied as on Windows, where they live in the Fonts folder.
dv_prefix_install_wine_fonts() {
  local log=$1 fontsDir
  fontsDir=$(dv_wine_fonts_dir)
  if [[ -z $fontsDir ]]; then
    dv_say "warning: Wine's own fonts (Debian package fonts-wine) are missing: title-bar buttons will show letters"
    return 0
  fi
  mkdir -p "$WINEPREFIX/drive_c/windows/Fonts" &&
    cp -- "$fontsDir"/* "$WINEPREFIX/drive_c/windows/Fonts/" >>"$log" 2>&1
}

# Wine's message boxes, captions and menus use "MS Shell Dlg" (the window metrics name it), which
# Wine makes Tahoma; Wine's Tahoma has no Hebrew letters, and a linked font does not help
# right-to-left text, whose glyphs Wine looks up in the selected font alone. So that name stands
# for a face that has them. Programs' windows ask for "MS Shell Dlg 2", which stands for a face
# with Tahoma's widths, so that their fixed layouts fit as on Windows.
dv_prefix_substitute_dialog_font() {
  local log=$1
  if ! fc-list -q "$kDialogFontFace"; then
    dv_say "warning: no font '$kDialogFontFace' (Debian package fonts-dejavu-extra): Hebrew will show boxes"
  fi
  local key='HKLM\Software\Microsoft\Windows NT\CurrentVersion\FontSubstitutes'
  wine reg add "$key" /v 'MS Shell Dlg' /t REG_SZ /d "$kDialogFontFace" /f >>"$log" 2>&1 &&
    wine reg add "$key" /v 'MS Shell Dlg 2' /t REG_SZ /d "$kWindowFontFace" /f >>"$log" 2>&1
}

# dv_prefix_create logfile: fills an empty prefix. Needs DISPLAY and the session's wineserver.
dv_prefix_create() {
  local log=$1
  if [[ $DV_WINE_ARCH == win32 && -z $(dv_wine32_loader) ]]; then
    dv_say "a 32-bit prefix needs 32-bit Wine (Debian: dpkg --add-architecture i386, then wine32:i386)"
    return 1
  fi
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
  dv_prefix_install_wine_fonts "$log" || return 1
  dv_prefix_substitute_dialog_font "$log" || return 1
  dv_prefix_stamp >"$WINEPREFIX/$kPrefixStamp"
}
