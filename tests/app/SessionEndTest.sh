#!/usr/bin/env bash
# Runs the wineboot session-end test program in a Wine session of its own (own prefix and
# display): wineboot --end-session ends every program of its session, the desktop's too, so it
# cannot run beside the other tests. Nested when the tests themselves run in a session.
# Usage: SessionEndTest.sh dv_app_wineboot_test.exe work-folder
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/../../scripts/lib/common.sh"

(($# == 2)) || dv_die "usage: ${0##*/} test.exe work-folder"
mkdir -p "$2" || dv_die "cannot create $2"
exec "$DV_ROOT/scripts/wine-session.sh" --prefix "$2/wineprefix" -- wine "$1"
