#!/usr/bin/env bash
# Builds both builds and runs every test:
#   host  (build/host):  clang, AddressSanitizer + UndefinedBehaviorSanitizer, libFuzzer targets run
#                        for a bounded time (label "fuzz"), portable unit tests
#   win64 (build/win64): mingw-w64 x86_64, every test under Wine in a private session
#   win32 (build/win32): mingw-w64 i686, built only (Wine here runs 64-bit programs only), while
#                        the tests run
# Installs missing Debian packages first. Re-runs are incremental. Ends with ctest's summary of the
# Windows tests, after the host summary; exits non-zero when anything failed.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$DV_ROOT/scripts/lib/builds.sh"

"$DV_ROOT/scripts/ensure-packages.sh"

for build in host win64; do
  dv_configure "$build"
  dv_build "$build"
done

# The Windows tests run one at a time and leave a core free: the i686 build takes it meanwhile.
dv_configure win32
win32Log=$(dv_build_dir win32)/build.log
dv_say "building win32 beside the tests (log: $win32Log)"
(DV_JOBS=1 dv_build win32) >"$win32Log" 2>&1 &
win32Pid=$!
trap 'kill "$win32Pid" 2>/dev/null' EXIT

ctestArgs=(--output-on-failure --no-tests=error)
hostStatus=0
dv_say "host tests"
dv_run_forwarding ctest --test-dir "$(dv_build_dir host)" --parallel "$DV_JOBS" "${ctestArgs[@]}" ||
  hostStatus=$?

# One at a time: tests that open windows on the one display would cover each other.
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
dv_run_forwarding "$DV_ROOT/scripts/wine-session.sh" --prefix "$(dv_build_dir win64)/wineprefix" -- \
  bash -c "$soakThenOthers" "$soakFigures" --test-dir "$(dv_build_dir win64)" --parallel 1 \
  "${ctestArgs[@]}" || windowsStatus=$?

win32Status=0
wait "$win32Pid" || win32Status=$?
trap - EXIT
if ((win32Status != 0)); then
  tail -n 40 "$win32Log" >&2
  dv_say "error: building the win32 build failed"
fi

((hostStatus == 0 && windowsStatus == 0 && win32Status == 0))
