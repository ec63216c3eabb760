#!/usr/bin/env bash
# The x86_64 build's cross-compiling emulator: runs one Windows program with Wine inside a session
# made by scripts/wine-session.sh. Outside one it refuses: a Wine process started without the
# session's display would start a wineserver that can never create windows.
if [[ -z ${DISPLAY:-} || -z ${WINEPREFIX:-} || ${DV_WINE_SESSION:-} != "$WINEPREFIX" ]]; then
  cat >&2 <<'MSG'
wine-exec.sh: refusing to run Wine outside a test session (DISPLAY, WINEPREFIX and
DV_WINE_SESSION are set by scripts/wine-session.sh). Run the Windows tests as
  scripts/wine-session.sh ctest --test-dir build/win64
or everything with scripts/test.sh.
MSG
  exit 125
fi
exec wine "$@"
