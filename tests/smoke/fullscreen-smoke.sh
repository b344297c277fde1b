#!/usr/bin/env bash
# VandrelDemo in full screen on a bare X server (1024 x 768, no window manager): the window covers
# the display, the launcher fills it, pointing at each icon as drawn selects that icon, and a click
# on the Tamblo icon starts Tamblo.
#   fullscreen-smoke.sh VANDREL_DEMO XWD_PIXEL PICTURE_PIXEL   (run in the program folder)
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
pid=
cleanup() {
  if [ -n "$pid" ]; then
    kill -KILL "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "vandrel: smoke: step at line $LINENO failed" >&2' ERR
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
unset SDL_VIDEODRIVER VANDREL_WINDOWED
export SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
fail() {
  echo "vandrel: smoke: $*" >&2
  exit 1
}

# Picture pixel to display pixel: the first display pixel that shows it (the picture is 1.28
# times as large on a 1024 x 768 display).
shown_at() {
  echo "$((($1 * 1024 + 799) / 800)),$((($2 * 768 + 599) / 600))"
}
screen_pixels() { # X,Y... of the root window
  timeout 20 xwd -root -silent >"$work/shot.xwd"
  "$xwdpixel" "$work/shot.xwd" "$@" | tr '\n' ' '
}

# The icons as the launcher places them: left edges 50, 300, 550; rows centred on 245 and 445.
lefts=(50 300 550 50 300 550)
names=(tambloIcon zentarIcon lupidoIcon krevinIcon morvexIcon quadrelIcon)
read -r -a upper <<<"$("$picturepixel" Gfx/Menu/tambloIcon.gif size)"
read -r -a lower <<<"$("$picturepixel" Gfx/Menu/krevinIcon.gif size)"
tops=($((245 - upper[1] / 2)) $((245 - upper[1] / 2)) $((245 - upper[1] / 2))
  $((445 - lower[1] / 2)) $((445 - lower[1] / 2)) $((445 - lower[1] / 2)))
# A pixel of the selection ring: drawn 17 pixels outside the icon's corner, transparent where it
# has the colour of its centre.
read -r -a ring <<<"$("$picturepixel" Gfx/Menu/frame.gif size)"
key=$("$picturepixel" Gfx/Menu/frame.gif "$((ring[0] / 2)),$((ring[1] / 2))")
ring_y=-1
for y in $(seq 0 16); do
  if [ "$("$picturepixel" Gfx/Menu/frame.gif "$((ring[0] / 2)),$y")" != "$key" ]; then
    ring_y=$y
    ring_colour=$("$picturepixel" Gfx/Menu/frame.gif "$((ring[0] / 2)),$y")
    break
  fi
done
[ "$ring_y" -ge 0 ] || fail "no ring pixel in frame.gif"
ring_points=()
for i in 0 1 2 3 4 5; do
  ring_points+=("$(shown_at $((lefts[i] - 17 + ring[0] / 2)) $((tops[i] - 17 + ring_y)))")
done

"$program" 2>"$work/stderr" &
pid=$!
window=$(timeout 20 xdotool search --sync --name '^Vandrel$' | head -n 1)

# The launcher fills the display: its background at both corners, after the 5 s splash.
corners=("$("$picturepixel" Gfx/Menu/background.jpg 0,0)"
         "$("$picturepixel" Gfx/Menu/background.jpg 799,599)")
drawn=""
for _ in $(seq 1 60); do
  sleep 0.5
  read -r -a colours <<<"$(screen_pixels 0,0 1023,767)"
  if [ "${colours[*]}" = "${corners[*]}" ]; then
    drawn=yes
    break
  fi
done
[ -n "$drawn" ] || fail "launcher does not fill the display: corners ${colours[*]:-none}, expected ${corners[*]}"
read -r -a geometry <<<"$(xwininfo -id "$window" | awk '/Absolute upper-left X|Absolute upper-left Y|Width|Height/ { printf "%s ", $NF }')"
[ "${geometry[*]}" = "0 0 1024 768" ] || fail "window at ${geometry[*]}, expected 0 0 1024 768"

for i in 0 1 2 3 4 5; do
  read -r -a size <<<"$("$picturepixel" "Gfx/Menu/${names[$i]}.gif" size)"
  centre=$(shown_at $((lefts[i] + size[0] / 2)) $((tops[i] + size[1] / 2)))
  timeout 20 xdotool mousemove "${centre%,*}" "${centre#*,}"
  selected=""
  for _ in $(seq 1 20); do
    sleep 0.25
    read -r -a colours <<<"$(screen_pixels "${ring_points[@]}")"
    selected=""
    for j in 0 1 2 3 4 5; do
      if [ "${colours[$j]}" = "$ring_colour" ]; then
        selected+="$j"
      fi
    done
    [ "$selected" = "$i" ] && break
  done
  [ "$selected" = "$i" ] || fail "pointing at icon $i selects '${selected}'"
done

# A click on the Tamblo icon as drawn starts Tamblo: the launcher's picture goes.
read -r -a size <<<"$("$picturepixel" Gfx/Menu/tambloIcon.gif size)"
centre=$(shown_at $((lefts[0] + size[0] / 2)) $((tops[0] + size[1] / 2)))
timeout 20 xdotool mousemove "${centre%,*}" "${centre#*,}" click 1
started=""
for _ in $(seq 1 40); do
  sleep 0.25
  read -r -a colours <<<"$(screen_pixels 0,0 1023,767)"
  if [ "${colours[*]}" != "${corners[*]}" ]; then
    started=yes
    break
  fi
done
[ -n "$started" ] || fail "a click on the Tamblo icon did not start Tamblo"

timeout 20 xdotool key Escape
sleep 2
timeout 20 xdotool key Escape
expect_clean_end "$pid" "$work/stderr"
pid=
echo "smoke: full screen without a window manager fills the display; pointing selects each icon"
