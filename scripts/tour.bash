# Sourced by scripts/demo and the gallery test: runs `tolven-gallery --tour`
# and acts for it. Every line the gallery writes goes to LOG; a request line
#   tour: screenshot NAME    is answered by a picture DIR/NAME.png
#   tour: click X Y          by a click of button 1 at root position X, Y
#   tour: context X Y        by a click of button 3 (a contextual menu) at X, Y
#   tour: drag X1 Y1 X2 Y2   by a drag with button 1, in steps as a hand moves
#   tour: key KEYS           by pressing KEYS (xdotool's names, e.g. ctrl+p)
#   tour: resize W H         by resizing the gallery's window
#   tour: dropfile X Y NAME  by tolven-gallery-drop (beside GALLERY, or
#                            $TOLVEN_GALLERY_DROP): another X client that
#                            drags the file NAME to X, Y; its lines go to LOG
#                            as "drop: ...", a failure too
# followed by "done" on the gallery's standard input.
#
#   tolven_run_tour DIR LOG GALLERY [ARGS...]
# returns the gallery's exit status (1 when it hung).
tolven_run_tour() {
  local dir=$1 log=$2
  shift 2
  local step_timeout=${TOLVEN_DEMO_STEP_TIMEOUT:-120}
  local to_gallery from_gallery gallery_pid line rc hung=0 status=0
  local dropper=${TOLVEN_GALLERY_DROP:-$(dirname "$1")/tolven-gallery-drop}
  mkfifo "$dir/.to-gallery" "$dir/.from-gallery"
  "$@" --tour <"$dir/.to-gallery" >"$dir/.from-gallery" 2>"$dir/gallery.stderr" &
  gallery_pid=$!
  exec {to_gallery}>"$dir/.to-gallery" {from_gallery}<"$dir/.from-gallery"
  rm -f "$dir/.to-gallery" "$dir/.from-gallery"
  # A gallery that quits without reading "done" must not kill the caller.
  trap '' PIPE
  : >"$log"
  while true; do
    rc=0
    IFS= read -r -t "$step_timeout" line <&"$from_gallery" || rc=$?
    if ((rc != 0)); then
      # read fails at the end of the output, and with a status above 128 on time-out.
      ((rc > 128)) && hung=1
      break
    fi
    printf '%s\n' "$line" >>"$log"
    [[ $line == "tour: "* ]] || continue
    if [[ $line =~ ^tour:\ screenshot\ ([A-Za-z0-9_-]+)$ ]]; then
      import -display "$DISPLAY" -window root "$dir/${BASH_REMATCH[1]}.png"
    elif [[ $line =~ ^tour:\ click\ ([0-9]+)\ ([0-9]+)$ ]]; then
      xdotool mousemove "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" click 1
    elif [[ $line =~ ^tour:\ context\ ([0-9]+)\ ([0-9]+)$ ]]; then
      xdotool mousemove "${BASH_REMATCH[1]}" "${BASH_REMATCH[2]}" click 3
    elif [[ $line =~ ^tour:\ drag\ ([0-9]+)\ ([0-9]+)\ ([0-9]+)\ ([0-9]+)$ ]]; then
      local fx=${BASH_REMATCH[1]} fy=${BASH_REMATCH[2]} tx=${BASH_REMATCH[3]} ty=${BASH_REMATCH[4]}
      # Moves apart in time, each seen on its own: past the drag threshold,
      # then (once the drag has the pointer) onto the target and over it.
      xdotool mousemove "$fx" "$fy" mousedown 1 sleep 0.2 mousemove $((fx + 4)) "$fy" sleep 0.2 \
        mousemove $((fx + 20)) "$fy" sleep 0.8 mousemove "$tx" "$ty" sleep 0.3 mousemove $((tx + 3)) "$ty" \
        sleep 0.3 mouseup 1
    elif [[ $line =~ ^tour:\ key\ ([A-Za-z0-9_+]+)$ ]]; then
      xdotool key "${BASH_REMATCH[1]}"
    elif [[ $line =~ ^tour:\ resize\ ([0-9]+)\ ([0-9]+)$ ]]; then
      local w=${BASH_REMATCH[1]} h=${BASH_REMATCH[2]} id
      id=$(xdotool search --name '^Tolven gallery$' | head -n 1)
      [[ -n $id ]] && xdotool windowsize "$id" "$w" "$h"
    elif [[ $line =~ ^tour:\ dropfile\ ([0-9]+)\ ([0-9]+)\ (.+)$ ]]; then
      tolven_drop_file "$log" "$dropper" "${BASH_REMATCH[@]:1}"
    else
      echo "tour: unknown request: $line" >&2
    fi
    { echo "done" >&"$to_gallery"; } 2>/dev/null || true
  done
  exec {to_gallery}>&- {from_gallery}<&-
  if ((hung)); then
    echo "tolven-gallery --tour wrote nothing for ${step_timeout} s; stopping it" >&2
    kill "$gallery_pid" 2>/dev/null || true
  fi
  wait "$gallery_pid" || status=$?
  ((hung)) && return 1
  return "$status"
}

# tolven_drop_file LOG DROPPER X Y NAME: the drop from the second client. It
# gives up by itself after 15 s; `timeout` is the guard behind that.
tolven_drop_file() {
  local log=$1 dropper=$2 out rc=0 started
  shift 2
  started=$(date +%s%N)
  out=$(timeout 30 "$dropper" "$@" 2>&1) || rc=$?
  [[ -n $out ]] && printf 'drop: %s\n' "${out//$'\n'/$'\n'drop: }" >>"$log"
  printf 'drop: status %d after %d ms\n' "$rc" $((($(date +%s%N) - started) / 1000000)) >>"$log"
  ((rc == 0)) || echo "tour: dropping $3 at $1 $2 failed (status $rc): ${out//$'\n'/ }" >&2
}
