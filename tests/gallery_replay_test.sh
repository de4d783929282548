#!/usr/bin/env bash
# Records a gallery session driven by xdotool (the demo's tour), replays it
# with no input, and compares the two notification logs and the final
# geometries of the windows (printed by the gallery as it ends): they must be equal.
#   gallery_replay_test.sh SOURCE_DIR GALLERY
set -euo pipefail
source_dir=$1 gallery=$2
work=$(mktemp -d)
trap '[ -n "${KEEP_WORK:-}" ] || rm -rf "$work"' EXIT
# shellcheck source=../scripts/tour.bash
source "$source_dir/scripts/tour.bash"
# The families' boxes as child frames inside the document (MDI style, the
# default); --sdi would make them top-level boxes beside it.
gallery_mode=()

TOLVEN_DEMO_STEP_TIMEOUT=60 tolven_run_tour "$work" "$work/record.log" "$gallery" "${gallery_mode[@]}" \
  --record "$work/gallery.rec"
timeout 120 "$gallery" "${gallery_mode[@]}" --replay "$work/gallery.rec" >"$work/replay.log" 2>"$work/replay.stderr"

# Compared: the notifications, the answers of blocking boxes and the names of
# dropped files. Where the window manager puts a box it shows again depends on its timing,
# not on the user: its moves are left out of the comparison.
grep -E '^(notify|answer|dropped) ' "$work/record.log" | grep -v ' QORDlgWindMoveNotification$' >"$work/record.notes"
grep -E '^(notify|answer|dropped) ' "$work/replay.log" | grep -v ' QORDlgWindMoveNotification$' >"$work/replay.notes"
if ! grep -q '^answer .*/QuitQuestion DisplayBlocked Yes$' "$work/record.notes"; then
  echo "the recorded session did not reach its end, File Quit answered Yes:" >&2
  cat "$work/record.log" "$work/gallery.stderr" >&2
  exit 1
fi
if ! grep -q '^answer .*/Question DisplayBlocked Yes$' "$work/record.notes"; then
  echo "the recorded session did not answer the blocking question:" >&2
  cat "$work/record.log" "$work/gallery.stderr" >&2
  exit 1
fi
# The file another X client dropped on the document (the tour's dropfile
# step) is in the record; the comparison below proves the replay brings it.
if ! grep -q '^dropped /tmp/Tolven gallery/dropped notes.txt$' "$work/record.notes"; then
  echo "the recorded session has no file dropped on the document:" >&2
  grep '^drop: ' "$work/record.log" >&2 || true
  cat "$work/gallery.stderr" >&2
  exit 1
fi
# A step whose target is not on the screen (a family's box that did not
# show, a menu entry that is missing) is passed over with a complaint.
if grep '^gallery tour: ' "$work/gallery.stderr" >&2; then
  echo "the tour missed the steps above" >&2
  exit 1
fi
if ! diff -u "$work/record.notes" "$work/replay.notes"; then
  echo "the replayed session differs from the recorded one" >&2
  cat "$work/replay.stderr" >&2
  exit 1
fi
grep '^geometry ' "$work/record.log" >"$work/record.geometry" || true
grep '^geometry ' "$work/replay.log" >"$work/replay.geometry" || true
if [[ ! -s $work/record.geometry ]]; then
  echo "the recorded session printed no final geometry" >&2
  exit 1
fi
if ! diff -u "$work/record.geometry" "$work/replay.geometry"; then
  echo "the replayed session left its windows elsewhere than the recorded one" >&2
  exit 1
fi
echo "recorded and replayed: $(wc -l <"$work/record.notes") notifications and $(wc -l <"$work/record.geometry") final" \
  "geometries, the same; $(grep -c '^dropped ' "$work/replay.notes") dropped file name(s) among them"
