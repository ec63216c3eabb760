#!/usr/bin/env bash
# Builds the release in Release: for Windows x86_64 and i686 the program as it ships (stripped) and
# its installer, each beside a SHA-256 checksum file, in dist/:
#   DorvAutoDialer-<version>-x86_64.exe         DorvAutoDialer-<version>-x86_64-setup.exe
#   DorvAutoDialer-<version>-i686.exe           DorvAutoDialer-<version>-i686-setup.exe
# The version is the program's version block's. Prints each program's size beside the limit and
# fails when one is larger.
# Usage: scripts/package.sh [--arch x86_64|i686] [--version A.B[.C[.D]]] [--output DIR]
#   --arch     one architecture only (default both)
#   --version  other numbers for the program's version block, such as a lower version for testing
#              an upgrade; the next package or build without it puts the block's own back
#   --output   the folder for the files (default dist/); files of other versions there stay
# Uses the Windows builds' folders (build/win64, build/win32). Installs missing Debian packages
# first.
set -euo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/lib/common.sh"
source "$DV_ROOT/scripts/lib/builds.sh"

# The largest stripped program we ship, in bytes.
readonly kProgramLimit=1500000

arches=(x86_64 i686)
version=
output=$DV_ROOT/dist
while (($#)); do
  case $1 in
    --arch)
      [[ ${2:-} == x86_64 || ${2:-} == i686 ]] || dv_die "--arch takes x86_64 or i686"
      arches=("$2")
      shift
      ;;
    --version)
      [[ ${2:-} =~ ^[0-9]+\.[0-9]+(\.[0-9]+){0,2}$ ]] || dv_die "--version takes A.B, A.B.C or A.B.C.D"
      version=$2
      shift
      ;;
    --output)
      output=${2:?--output needs a folder}
      shift
      ;;
    *) dv_die "unknown option '$1' (usage: ${0##*/} [--arch x86_64|i686] [--version V] [--output DIR])" ;;
  esac
  shift
done

"$DV_ROOT/scripts/ensure-packages.sh"
mkdir -p "$output"
output=$(realpath "$output")

# Writes file.sha256 beside a file, in the format that sha256sum -c reads.
write_checksum() {
  (cd "$(dirname "$1")" && sha256sum -- "$(basename "$1")" >"$(basename "$1").sha256")
}

failed=0
for arch in "${arches[@]}"; do
  build=win64
  [[ $arch == i686 ]] && build=win32
  DV_BUILD_TYPE=Release DV_VERSION=$version dv_configure "$build"
  dv_build "$build" DorvAutoDialer dv_installer
  dir=$(dv_build_dir "$build")
  shownVersion=$(<"$dir/installer/version.txt")
  program=$output/DorvAutoDialer-$shownVersion-$arch.exe
  installer=$output/DorvAutoDialer-$shownVersion-$arch-setup.exe
  cp -- "$(dv_target_output "$build" DorvAutoDialer)" "$program"
  cp -- "$dir/installer/DorvAutoDialer-setup.exe" "$installer"
  write_checksum "$program"
  write_checksum "$installer"

  size=$(stat -c %s "$program")
  verdict=ok
  if ((size > kProgramLimit)); then
    verdict="OVER THE LIMIT"
    failed=1
  fi
  dv_say "$(printf '%-40s %9d bytes (limit %d): %s' "${program##*/}" "$size" "$kProgramLimit" "$verdict")"
  dv_say "$(printf '%-40s %9d bytes' "${installer##*/}" "$(stat -c %s "$installer")")"
done
((failed == 0)) || dv_die "a program is larger than $kProgramLimit bytes"
dv_say "release files in $output"
