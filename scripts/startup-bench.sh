#!/usr/bin/env bash
# Times the start-up of two builds of the x86_64 program under Wine, side by side in one run
# (bench/startup_bench.cpp): from the start of the process until its window is shown, and until it
# waits for input. AFTER defaults to the program of the win64 build, built first.
# Usage: scripts/startup-bench.sh BEFORE.exe [AFTER.exe] [runs]
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$DV_ROOT/scripts/lib/builds.sh"

(($# >= 1 && $# <= 3)) || dv_die "usage: ${0##*/} BEFORE.exe [AFTER.exe] [runs]"
before=$(realpath "$1")
after=${2:-}
runs=${3:-15}
[[ -f $before ]] || dv_die "no program $1"

"$DV_ROOT/scripts/ensure-packages.sh"
dv_configure win64
if [[ -z $after ]]; then
  dv_build win64 DorvAutoDialer dv_startup_bench dv_desktop_keeper
  after=$(dv_target_output win64 DorvAutoDialer)
else
  dv_build win64 dv_startup_bench dv_desktop_keeper
  after=$(realpath "$after")
fi
[[ -f $after ]] || dv_die "no program $after"
bench=$(dv_target_output win64 dv_startup_bench)
# A prefix of its own: the benchmark writes the program's settings.
exec "$DV_ROOT/scripts/wine-session.sh" --prefix "$(dv_build_dir win64)/bench-wineprefix" -- \
  wine "$bench" "Z:$before" "Z:$after" "$runs"
