# Shared helpers for the build, run and test scripts. Sourced, never run.

DV_ROOT=$(cd "$(dirname "${BASH_SOURCE[0]}")/../.." && pwd)
DV_BUILD_ROOT=${DV_BUILD_ROOT:-$DV_ROOT/build}
DV_JOBS=${DV_JOBS:-$(nproc)}
# The run command's virtual desktop: large enough for the window at its first place (478, 441;
# 292 x 202) above the taskbar.
DV_RUN_DESKTOP=1024x768

dv_say() { printf '%s %s: %s\n' "$(date +%T)" "${0##*/}" "$*" >&2; }
dv_die() {
  dv_say "error: $*"
  exit 1
}

# True while pid is a live process (a zombie counts as ended).
dv_pid_alive() {
  local pid=$1 state
  [[ -r /proc/$pid/stat ]] || return 1
  state=$(awk '{ print $3 }' "/proc/$pid/stat" 2>/dev/null) || return 1
  [[ -n $state && $state != Z ]]
}

# Prints the start time of a live process (empty when there is none): with the id, it names one
# process even after the id is reused.
dv_pid_start_time() {
  dv_pid_alive "$1" && awk '{ print $22 }' "/proc/$1/stat" 2>/dev/null
}

# Stops one process by id: TERM, then KILL after timeout seconds. Reaps it when it is our child.
dv_stop_pid() {
  local pid=$1 timeout=${2:-5} waited=0
  [[ -n $pid ]] || return 0
  if dv_pid_alive "$pid"; then
    kill -TERM "$pid" 2>/dev/null
    while dv_pid_alive "$pid" && ((waited < timeout * 10)); do
      sleep 0.1
      ((waited += 1))
    done
    dv_pid_alive "$pid" && kill -KILL "$pid" 2>/dev/null
  fi
  wait "$pid" 2>/dev/null
  return 0
}

# Waits up to timeout seconds for pid to end by itself.
dv_wait_pid_gone() {
  local pid=$1 timeout=$2 waited=0
  while dv_pid_alive "$pid" && ((waited < timeout * 10)); do
    sleep 0.1
    ((waited += 1))
  done
  ! dv_pid_alive "$pid"
}

# Runs a command in the background (its pid in $!) with stdin kept and the session lock (fd in
# dvLockFd, when set) closed, so that no leftover child can hold the lock.
dv_spawn() {
  (
    if [[ -n ${dvLockFd:-} ]]; then
      exec {dvLockFd}>&-
    fi
    exec "$@"
  ) <&0 &
}

# Runs a command and returns its exit status. INT, TERM and HUP sent to this script are passed on
# to it (so that a wine session gets to tear down); the script then ends once the command has.
dv_run_forwarding() {
  local pid status signal=
  dv_spawn "$@"
  pid=$!
  trap 'signal=INT; kill -TERM "$pid" 2>/dev/null' INT
  trap 'signal=TERM; kill -TERM "$pid" 2>/dev/null' TERM
  trap 'signal=HUP; kill -TERM "$pid" 2>/dev/null' HUP
  wait "$pid"
  status=$?
  # A trapped signal ends the wait early: wait again for the command's own end.
  while dv_pid_alive "$pid"; do
    wait "$pid"
    status=$?
  done
  trap - INT TERM HUP
  case $signal in
    INT) exit 130 ;;
    TERM) exit 143 ;;
    HUP) exit 129 ;;
  esac
  return "$status"
}

# The path of a later picture of the run command, beside the first: shot.png and "window" give
# shot-window.png.
dv_sibling_picture_path() {
  local first=$1 suffix=$2 name
  name=${first##*/}
  if [[ $name == ?*.* ]]; then
    echo "${first%.*}-$suffix.${first##*.}"
  else
    echo "$first-$suffix.png"
  fi
}

# The run command's second picture: the window.
dv_window_picture_path() { dv_sibling_picture_path "$1" window; }
