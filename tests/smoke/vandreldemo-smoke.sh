#!/usr/bin/env bash
# Starts VandrelDemo for real under a virtual X server (in a window, silent audio, its own settings),
# waits out the splash, checks that the launcher is drawn, presses Esc and expects exit code 0.
#   vandreldemo-smoke.sh VANDREL_DEMO XWD_PIXEL PICTURE_PIXEL   (run in the program folder)
set -euo pipefail
if [ -z "${SMOKE_INSIDE_X:-}" ]; then
  export SMOKE_INSIDE_X=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
source "$(dirname "$0")/ending.sh"
program=$1
xwdpixel=$2
picturepixel=$3
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy VANDREL_WINDOWED=1
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"

# Launcher pixels: the background above the icons, and the centre of the Tamblo icon (at 50, 245
# less half its height).
read -r -a icon_size <<<"$("$picturepixel" Gfx/Menu/tambloIcon.gif size)"
icon_centre="$((50 + icon_size[0] / 2)),245"
expected=("$("$picturepixel" Gfx/Menu/background.jpg 400,100)"
          "$("$picturepixel" Gfx/Menu/tambloIcon.gif "$((icon_size[0] / 2)),$((icon_size[1] / 2))")")

"$program" 2>"$work/stderr" &
pid=$!
window=$(timeout 20 xdotool search --sync --name '^Vandrel$' | head -n 1)
shown=$(date +%s%N)

drawn=""
for _ in $(seq 1 60); do
  sleep 0.5
  xwd -silent -id "$window" >"$work/shot.xwd" 2>/dev/null || continue
  read -r -a colours <<<"$("$xwdpixel" "$work/shot.xwd" 400,100 "$icon_centre" | tr '\n' ' ')"
  if [ "${colours[*]}" = "${expected[*]}" ]; then
    drawn=yes
    break
  fi
done
elapsed_ms=$((($(date +%s%N) - shown) / 1000000))
if [ -z "$drawn" ]; then
  echo "vandrel: smoke: launcher not drawn: pixels ${colours[*]:-none}, expected ${expected[*]}" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi
if [ "$elapsed_ms" -lt 3000 ]; then
  echo "vandrel: smoke: launcher drawn after $elapsed_ms ms, before the 5000 ms splash ended" >&2
  kill "$pid" 2>/dev/null || true
  exit 1
fi

xdotool windowfocus --sync "$window"
xdotool key Escape
expect_clean_end "$pid" "$work/stderr"
echo "smoke: splash waited out ($elapsed_ms ms), launcher drawn, Esc ended the program with 0"
