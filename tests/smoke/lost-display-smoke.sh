#!/usr/bin/env bash
# VandrelDemo ends when its X display goes away (a session that closes, a server that stops)
# instead of staying behind: its own virtual X server is stopped under the running launcher.
#   lost-display-smoke.sh VANDREL_DEMO   (run in the program folder)
set -euo pipefail
program=$1
work=$(mktemp -d)
server=
pid=
cleanup() {
  for p in $pid $server; do
    kill -KILL "$p" 2>/dev/null || true
  done
  rm -rf "$work"
}
trap cleanup EXIT
fail() {
  echo "vandrel: smoke: $*" >&2
  exit 1
}
mkdir -p "$work/config" "$work/runtime"
chmod 700 "$work/runtime"
unset SDL_VIDEODRIVER
export SDL_AUDIODRIVER=dummy VANDREL_WINDOWED=1
export XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"

# A server of our own on the first free display, which it names once it is ready.
exec 3<> >(:)
Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp >"$work/xvfb.log" 2>&1 &
server=$!
read -r -t 20 number <&3 || fail "the X server did not start"
export DISPLAY=":$number"

"$program" 2>"$work/stderr" &
pid=$!
timeout 20 xdotool search --sync --name '^Vandrel$' >/dev/null || fail "no window"
sleep 1
kill -TERM "$server"
wait "$server" 2>/dev/null || true
server=
if ! timeout 10 tail --pid="$pid" -f /dev/null; then
  fail "the program kept running after its display went away"
fi
status=0
wait "$pid" || status=$?
pid=
[ $status -ne 0 ] || fail "the program reported success after losing its display"
grep -q "display is lost" "$work/stderr" || fail "no word on stderr: $(cat "$work/stderr")"
echo "smoke: the program ends when its display goes away"
