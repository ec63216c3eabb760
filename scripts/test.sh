#!/usr/bin/env bash
# Builds the three builds, the release and every test, and runs the tests:
#   host  (build/host):  clang, AddressSanitizer + UndefinedBehaviorSanitizer, libFuzzer targets run
#                        for a bounded time (label "fuzz"), portable unit tests
#   win64 (build/win64): mingw-w64 x86_64, every test under Wine in a private session, the
#                        installer's among them
#   win32 (build/win32): mingw-w64 i686, the tests of the program (those that start the real
#                        program among them), the tray icon, the dialer and the installer, under
#                        32-bit Wine in a 32-bit prefix
# and the release (scripts/package.sh: dist/), with an older copy of each installer for the
# upgrade tests. Stages, on 2 cores:
#   1. host build, then the win64 build (with its older and current installer), both cores each
#   2. host tests, then the Windows tests, while the win32 lane builds the i686 program, its
#      installers and tests and runs those tests beside them (its output in build/win32/lane.log)
# Installs missing Debian packages first. Re-runs are incremental. Prints ctest's summaries: the
# host tests', the i686 tests', and last the Windows tests'; exits non-zero when anything failed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$DV_ROOT/scripts/lib/builds.sh"

# The version of the older copies that the upgrade tests install first.
readonly kOlderVersion=0.0.1
# The i686 tests that the 32-bit run builds and runs, by folder (each with whatever it gains
# later): the program's, among them those that start the real program; the tray icon's; the
# dialer's, with the wininet double and its stdcall exports; the installer's.
readonly kWin32TestDirs=(tests/app tests/controls/tray tests/dialer tests/installer)

"$DV_ROOT/scripts/ensure-packages.sh"
export DV_SKIP_PACKAGES=1
testStart=$SECONDS

# Prints how long a stage took, for the README's table.
stageStart=$SECONDS
stage_done() {
  dv_say "stage '$1' took $(((SECONDS - stageStart) / 60)) min $(((SECONDS - stageStart) % 60)) s"
  stageStart=$SECONDS
}

dv_configure host
dv_build host
stage_done "host build"

# The older copy first, so that the full build links the program once more, at its own version.
"$DV_ROOT/scripts/package.sh" --arch x86_64 --version "$kOlderVersion" \
  --output "$(dv_build_dir win64)/installer/older"
dv_configure win64
dv_build win64
"$DV_ROOT/scripts/package.sh" --arch x86_64
stage_done "win64 build and package"

# The win32 lane: its build, its release files and its tests, beside the host and Windows tests.
win32Dir=$(dv_build_dir win32)
mkdir -p "$win32Dir"
laneLog=$win32Dir/lane.log
win32_lane() {
  "$DV_ROOT/scripts/package.sh" --arch i686 --version "$kOlderVersion" \
    --output "$win32Dir/installer/older"
  "$DV_ROOT/scripts/package.sh" --arch i686
  # Each folder's own target "all": its test programs and what they start.
  dv_build win32 "${kWin32TestDirs[@]/%//all}" dv_desktop_keeper
  stage_done "win32 build and package"
  dv_say "i686 tests under 32-bit Wine"
  "$DV_ROOT/scripts/wine-session.sh" --arch win32 --prefix "$win32Dir/wineprefix" -- \
    bash -c 'status=0
      for dir; do
        ctest --test-dir "$dir" --parallel 1 --output-on-failure --no-tests=error || status=1
      done
      exit "$status"' _ "${kWin32TestDirs[@]/#/$win32Dir/}"
}
dv_say "win32 lane started (log: $laneLog)"
(win32_lane) >"$laneLog" 2>&1 &
lanePid=$!
trap 'kill "$lanePid" 2>/dev/null' EXIT

ctestArgs=(--output-on-failure --no-tests=error)
hostStatus=0
dv_say "host tests"
dv_run_forwarding ctest --test-dir "$(dv_build_dir host)" --parallel "$DV_JOBS" "${ctestArgs[@]}" ||
  hostStatus=$?
stage_done "host tests"

# One at a time: tests that open windows on the one display would cover each other. Kept in a log
# too, so that the run can end with their summary.
windowsStatus=0
dv_say "Windows tests under Wine"
# The soak first, so that its figures (handle counts, private memory and settings every 1,000
# ticks) come before the summary of the others.
soakFigures=$(dv_build_dir win64)/soak-figures.md
rm -f "$soakFigures"
soakThenOthers='soak=0
ctest "$@" -R "^SoakTest[.]" || soak=$?
cat "$0" 2>/dev/null
ctest "$@" -E "^SoakTest[.]" && exit "$soak"'
windowsLog=$(dv_build_dir win64)/windows-tests.log
dv_run_forwarding "$DV_ROOT/scripts/wine-session.sh" --prefix "$(dv_build_dir win64)/wineprefix" -- \
  bash -c "$soakThenOthers" "$soakFigures" --test-dir "$(dv_build_dir win64)" --parallel 1 \
  "${ctestArgs[@]}" > >(tee "$windowsLog") 2>&1 || windowsStatus=$?
stage_done "Windows tests"

laneStatus=0
wait "$lanePid" || laneStatus=$?
trap - EXIT
stage_done "waiting for the win32 lane"
dv_say "the win32 lane (log: $laneLog):"
if ((laneStatus != 0)); then
  tail -n 60 "$laneLog" >&2
  dv_say "error: the win32 lane failed"
else
  grep -E '% tests passed|^[[:space:]]+[0-9]+ - ' "$laneLog"
fi

dv_say "all stages: $(((SECONDS - testStart) / 60)) min $(((SECONDS - testStart) % 60)) s"
dv_say "the Windows tests' summary again:"
# From the last ctest's summary: the soak's own comes first in the log.
awk '/tests passed/ { summary = "" } { summary = summary $0 "\n" } END { printf "%s", summary }' \
  "$windowsLog"
((hostStatus == 0 && windowsStatus == 0 && laneStatus == 0))
