# Sourced by scripts/test and scripts/demo: runs a private Xvfb with mwm on a
# free display number and stops both again when the calling script exits.
#
#   tolven_start_x LOGDIR   starts them, exports DISPLAY
#   tolven_stop_x           stops them (also run by the EXIT trap it installs)

TOLVEN_XVFB_PID=
TOLVEN_MWM_PID=

tolven_stop_x() {
  # mwm first, so it does not complain about a vanished server.
  local pid
  for pid in "$TOLVEN_MWM_PID" "$TOLVEN_XVFB_PID"; do
    [[ -n $pid ]] || continue
    if kill -0 "$pid" 2>/dev/null; then
      kill "$pid" 2>/dev/null || true
      # Give it two seconds to go, then insist.
      for _ in $(seq 20); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
      kill -9 "$pid" 2>/dev/null || true
    fi
    wait "$pid" 2>/dev/null || true
  done
  TOLVEN_MWM_PID=
  TOLVEN_XVFB_PID=
}

# True when the X server at $1 answers.
tolven_x_answers() { xdpyinfo -display "$1" >/dev/null 2>&1; }

# Starts Xvfb on $1 and mwm on it; false (both stopped) when either fails.
tolven_try_display() {
  local display=$1 logdir=$2 tries
  Xvfb "$display" -screen 0 1280x1024x24 -nolisten tcp >"$logdir/Xvfb.log" 2>&1 &
  TOLVEN_XVFB_PID=$!
  for ((tries = 0; tries < 100; tries++)); do
    tolven_x_answers "$display" && break
    kill -0 "$TOLVEN_XVFB_PID" 2>/dev/null || break
    sleep 0.1
  done
  if ! tolven_x_answers "$display"; then
    tolven_stop_x
    return 1
  fi
  mwm -display "$display" >"$logdir/mwm.log" 2>&1 &
  TOLVEN_MWM_PID=$!
  # mwm announces itself with _MOTIF_WM_INFO on the root window once it manages the screen.
  for ((tries = 0; tries < 100; tries++)); do
    xprop -display "$display" -root _MOTIF_WM_INFO 2>/dev/null | grep -q ' = ' && return 0
    # A server that was dying on a reused number: mwm cannot open it.
    if ! kill -0 "$TOLVEN_MWM_PID" 2>/dev/null; then
      echo "mwm did not start on $display ($(head -c 200 "$logdir/mwm.log")); trying another display" >&2
      tolven_stop_x
      return 1
    fi
    sleep 0.1
  done
  echo "warning: mwm has not taken the screen after 10 s; going on" >&2
  return 0
}

tolven_start_x() {
  local logdir=$1 n display=
  mkdir -p "$logdir"
  trap tolven_stop_x EXIT
  trap 'exit 130' INT
  trap 'exit 143' TERM
  # A display number is taken when its lock file or its socket exists. Another
  # run may grab the same number between the check and the start: then the
  # next number is tried.
  for ((n = 90; n < 190; n++)); do
    [[ -e /tmp/.X$n-lock || -e /tmp/.X11-unix/X$n ]] && continue
    if tolven_try_display ":$n" "$logdir"; then
      display=:$n
      break
    fi
  done
  if [[ -z $display ]]; then
    echo "cannot start Xvfb and mwm on a free display; see $logdir/Xvfb.log and $logdir/mwm.log" >&2
    return 1
  fi
  export DISPLAY=$display
  echo "X server $DISPLAY (Xvfb pid $TOLVEN_XVFB_PID) with mwm (pid $TOLVEN_MWM_PID)"
}
