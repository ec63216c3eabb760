# Starts and stops the private X display of a Wine session. Sourced by wine-session.sh.

# dv_xvfb_start logfile: starts Xvfb on a free display number and sets dvXvfbPid and DISPLAY.
dv_xvfb_start() {
  local log=$1 screen=${DV_XVFB_SCREEN:-1024x768x24} numberFile waited=0 number
  numberFile=$(mktemp)
  # -displayfd picks a free display and writes its number once the server accepts clients.
  dv_spawn Xvfb -displayfd 3 -screen 0 "$screen" -nolisten tcp 3>"$numberFile" </dev/null >"$log" 2>&1
  dvXvfbPid=$!
  while [[ ! -s $numberFile ]] && dv_pid_alive "$dvXvfbPid" && ((waited < 200)); do
    sleep 0.05
    ((waited += 1))
  done
  number=$(head -n 1 "$numberFile")
  rm -f "$numberFile"
  if [[ -z $number ]]; then
    dv_say "Xvfb did not start; its log ($log):"
    cat "$log" >&2
    return 1
  fi
  export DISPLAY=":$number"
  local depth
  depth=$(xdpyinfo -display "$DISPLAY" 2>/dev/null | awk '/depth of root window/ { print $5 }')
  if [[ $depth != 24 ]]; then
    dv_say "display $DISPLAY has depth '${depth:-unknown}', not 24"
    return 1
  fi
}

dv_xvfb_stop() {
  [[ -n ${dvXvfbPid:-} ]] || return 0
  dv_stop_pid "$dvXvfbPid" 5
  dvXvfbPid=
}
