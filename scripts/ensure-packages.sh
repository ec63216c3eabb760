#!/usr/bin/env bash
# Installs the Debian packages that the build, run and test commands need, only when one is missing.
# Usage: scripts/ensure-packages.sh [--dry-run]
#   --dry-run  print what is missing and the commands that would install it; change nothing.
# DV_SKIP_PACKAGES=1 skips the check (for machines whose tools come from elsewhere).
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"

readonly kPackages=(
  # host build: clang with its sanitizer and libFuzzer runtimes, GoogleTest
  cmake ninja-build ccache clang libclang-rt-14-dev libgtest-dev libgmock-dev googletest libgif-dev
  # Windows builds (posix thread model: std::mutex, GoogleTest) and windres
  g++-mingw-w64-x86-64-posix g++-mingw-w64-i686-posix mingw-w64-tools
  # running and testing under Wine on a virtual X display; screenshots
  wine wine64 xvfb x11-utils imagemagick xdotool
  # fonts of the Wine prefix: Wine's own (Marlett draws the title-bar buttons) and a dialog font
  # with Hebrew letters
  fonts-wine fonts-dejavu-extra
  # the installers (makensis)
  nsis
  # 32-bit Wine, for the i686 build's tests and the installers' 32-bit stubs (multiarch: i386)
  wine32:i386
)

dryRun=0
case "${1:-}" in
  --dry-run) dryRun=1 ;;
  "") ;;
  *) dv_die "unknown option '$1' (usage: ${0##*/} [--dry-run])" ;;
esac

if [[ ${DV_SKIP_PACKAGES:-0} == 1 ]]; then
  exit 0
fi
if ! command -v dpkg-query >/dev/null; then
  dv_say "no dpkg here: not checking packages; install the equivalents of: ${kPackages[*]}"
  exit 0
fi

missing=()
for package in "${kPackages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Abbrev}' "$package" 2>/dev/null || true)
  [[ $status == ii* ]] || missing+=("$package")
done
if ((${#missing[@]} == 0)); then
  exit 0
fi

runAsRoot=()
if ((EUID != 0)); then
  command -v sudo >/dev/null || dv_die "missing packages (${missing[*]}) and no sudo: install them as root"
  runAsRoot=(sudo)
fi
aptGet=("${runAsRoot[@]}" env DEBIAN_FRONTEND=noninteractive apt-get -q -o DPkg::Lock::Timeout=600)

# Packages of another architecture (name:arch) need it enabled before the package lists are read.
foreignArchs=()
for package in "${missing[@]}"; do
  [[ $package == *:* ]] || continue
  arch=${package##*:}
  if [[ $arch != "$(dpkg --print-architecture)" ]] &&
    ! dpkg --print-foreign-architectures | grep -qx "$arch" &&
    [[ " ${foreignArchs[*]} " != *" $arch "* ]]; then
    foreignArchs+=("$arch")
  fi
done

dv_say "missing packages: ${missing[*]}"
if ((dryRun)); then
  for arch in "${foreignArchs[@]}"; do
    printf 'would run: %s\n' "${runAsRoot[*]} dpkg --add-architecture $arch"
  done
  printf 'would run: %s\n' "${aptGet[*]} update" "${aptGet[*]} install -y ${missing[*]}"
  exit 0
fi
for arch in "${foreignArchs[@]}"; do
  "${runAsRoot[@]}" dpkg --add-architecture "$arch"
done
"${aptGet[@]}" update
"${aptGet[@]}" install -y "${missing[@]}"
