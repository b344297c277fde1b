#!/usr/bin/env bash
# Starts the smoke program on the real SDL backend under a virtual X server, checks the window's
# pixels in a screenshot, sends keys with xdotool and expects a clean exit.
#   window-smoke.sh WINDOW_SMOKE XWD_PIXEL
set -euo pipefail
if [ -z "${SMOKE_INSIDE_X:-}" ]; then
  export SMOKE_INSIDE_X=1
  exec xvfb-run -a -s "-screen 0 1024x768x24" "$0" "$@"
fi
source "$(dirname "$0")/ending.sh"
program=$1
pixel=$2
work=$(mktemp -d)
pid=
# Whichever step fails, the program does not outlive the test and the X server it draws on.
cleanup() {
  if [ -n "$pid" ]; then
    kill -KILL "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
trap 'echo "vandrel: smoke: step at line $LINENO failed" >&2' ERR
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy

"$program" 2>"$work/stderr" &
pid=$!
window=$(timeout 20 xdotool search --sync --name "Vandrel Smoke" | head -n 1)
# The first frames may take a while to reach the screen on a busy machine: look again until they do.
expected=(FF0000 00FF00 0000FF)
colours=()
for _ in $(seq 40); do
  sleep 0.25
  timeout 20 xwd -silent -id "$window" >"$work/shot.xwd" || continue
  read -r -a colours <<<"$("$pixel" "$work/shot.xwd" 100,300 700,300 400,300 | tr '\n' ' ')"
  [ "${colours[*]}" = "${expected[*]}" ] && break
done
if [ "${colours[*]}" != "${expected[*]}" ]; then
  echo "vandrel: smoke: window pixels ${colours[*]}, expected ${expected[*]}" >&2
  exit 1
fi
timeout 20 xdotool windowfocus --sync "$window"
timeout 20 xdotool key --delay 50 KP_Add KP_Subtract shift+a F1 F3 Return space Left Up Right Down Escape
expect_clean_end "$pid" "$work/stderr"
pid=
echo "smoke: window drew, keys arrived, clean exit"
