#!/usr/bin/env bash
# Starts a map editor for real under a virtual X server (in a window, silent audio, its own
# settings), clicks TOOL first when it is given, then into a cell of its design area, checks that
# the piece placed there is drawn (the middle pixel of PICTURE at the middle of the cell whose
# top-left corner is CELL, "x,y"), presses Esc and expects exit code 0.
#   editor-smoke.sh EDITOR TITLE PICTURE CELL XWD_PIXEL PICTURE_PIXEL [TOOL]
#   (in the program folder; TOOL as x,y in window pixels)
set -euo pipefail
if [ -z "${SMOKE_INSIDE_X:-}" ]; then
  export SMOKE_INSIDE_X=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
source "$(dirname "$0")/ending.sh"
program=$1
title=$2
picture=$3
corner=$4
xwdpixel=$5
picturepixel=$6
tool=${7:-}
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy VANDREL_WINDOWED=1
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"

read -r -a size <<<"$("$picturepixel" "$picture" size)"
cell="$((${corner%,*} + size[0] / 2)),$((${corner#*,} + size[1] / 2))"
expected=$("$picturepixel" "$picture" "$((size[0] / 2)),$((size[1] / 2))")

"$program" 2>"$work/stderr" &
pid=$!
# Windows come and go while the program starts (a search can meet one that is gone): search again
# until the window is there and takes the focus.
focused=""
for _ in $(seq 1 40); do
  window=$(xdotool search --name "^$title\$" 2>/dev/null | tail -n 1) || true
  if [ -n "$window" ] && xdotool windowfocus --sync "$window" 2>/dev/null; then
    focused=yes
    break
  fi
  sleep 0.5
done
if [ -z "$focused" ]; then
  echo "vandrel: smoke: the window $title does not take the focus" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi

# Press on the cell, hold for a few passes, release, and leave the pointer over the panel, where
# the brush is not drawn: what shows in the cell is the piece placed.
drawn=""
for _ in $(seq 1 20); do
  if [ -n "$tool" ]; then
    xdotool mousemove --window "$window" "${tool%,*}" "${tool#*,}" click 1
    sleep 0.2
  fi
  xdotool mousemove --window "$window" "${cell%,*}" "${cell#*,}" mousedown 1
  sleep 0.2
  xdotool mouseup 1 mousemove --window "$window" 400 590
  sleep 0.3
  xwd -silent -id "$window" >"$work/shot.xwd" 2>/dev/null || continue
  colour=$("$xwdpixel" "$work/shot.xwd" "$cell")
  if [ "$colour" = "$expected" ]; then
    drawn=yes
    break
  fi
done
if [ -z "$drawn" ]; then
  echo "vandrel: smoke: nothing placed at $cell: pixel ${colour:-none}, expected $expected" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi

xdotool key Escape
expect_clean_end "$pid" "$work/stderr"
echo "smoke: $title drew a placed piece, Esc ended the program with 0"
