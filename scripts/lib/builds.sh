# The three builds: configure and build steps shared by the run and test commands. Sourced.
# DV_BUILD_TYPE picks the CMake build type (default: RelWithDebInfo on the host, where the
# sanitizers' reports want line numbers; Release for Windows, where debug information doubles the
# compile and link times of the cross builds). DV_VERSION gives the Windows programs' version
# block other numbers (scripts/package.sh --version); unset, the block's own. DV_CCACHE=0 builds
# without the compiler cache.

dv_build_dir() { echo "$DV_BUILD_ROOT/$1"; }

# dv_configure host|win64|win32: (re)configures one build with Ninja; output is shown on failure.
dv_configure() {
  local build=$1 dir log
  local type=Release
  [[ $build == host ]] && type=RelWithDebInfo
  local args=(-S "$DV_ROOT" -G Ninja -DCMAKE_BUILD_TYPE="${DV_BUILD_TYPE:-$type}"
    -DDV_VERSION="${DV_VERSION:-}"
    # Said every time: an older test command configured the i686 build without its tests.
    -DDV_BUILD_TESTS=ON)
  # A compiler cache outside the clone (Debian's ccache, installed with the other packages; its
  # cache in ~/.cache/ccache): rebuilds after a branch switch, in a second clone or in the CI run
  # that follows a session on its machine cost a lookup per unchanged file.
  if command -v ccache >/dev/null && [[ ${DV_CCACHE:-1} == 1 ]]; then
    args+=(-DCMAKE_C_COMPILER_LAUNCHER=ccache -DCMAKE_CXX_COMPILER_LAUNCHER=ccache)
  fi
  case $build in
    host)
      args+=(-DCMAKE_C_COMPILER=clang -DCMAKE_CXX_COMPILER=clang++ -DDV_SANITIZE=ON -DDV_FUZZ=ON)
      ;;
    win64) args+=(-DCMAKE_TOOLCHAIN_FILE="$DV_ROOT/cmake/toolchain-mingw-x86_64.cmake") ;;
    win32) args+=(-DCMAKE_TOOLCHAIN_FILE="$DV_ROOT/cmake/toolchain-mingw-i686.cmake") ;;
    *) dv_die "unknown build '$build'" ;;
  esac
  dir=$(dv_build_dir "$build")
  mkdir -p "$dir"
  log=$dir/configure.log
  dv_say "configuring $build in $dir"
  if ! cmake "${args[@]}" -B "$dir" >"$log" 2>&1; then
    cat "$log" >&2
    dv_die "configuring the $build build failed"
  fi
}

# dv_build host|win64|win32 [target...]: builds everything, or the targets named.
dv_build() {
  local build=$1
  shift
  local targets=()
  (($#)) && targets=(--target "$@")
  dv_say "building $build${targets:+ (${*})}"
  # Paths inside the clone hashed relative to it, and the build folder left out, so that another
  # clone of the same sources finds the same cache entries.
  CCACHE_BASEDIR=$DV_ROOT CCACHE_NOHASHDIR=1 cmake --build "$(dv_build_dir "$build")" --parallel "$DV_JOBS" "${targets[@]}" ||
    dv_die "building the $build build failed"
}

# dv_target_output build target: prints the path of a target's executable, or fails when the
# build has no such target.
dv_target_output() {
  local dir
  dir=$(dv_build_dir "$1")
  local output
  output=$(ninja -C "$dir" -t targets all 2>/dev/null |
    awk -v name="$2.exe" '{ sub(/:$/, "", $1); n = split($1, parts, "/") }
      parts[n] == name { print $1; exit }')
  [[ -n $output ]] || return 1
  echo "$dir/$output"
}
