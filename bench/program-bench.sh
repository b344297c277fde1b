#!/usr/bin/env bash
# The whole program as a player meets it on a machine without a graphics card: VandrelDemo in full
# screen under a virtual X server (1024 x 768 x 24, no window manager), in every state, for both
# ways of presenting frames. Prints the program's and the X server's CPU (from /proc/PID/stat),
# resident memory (/proc/PID/status) and start-to-splash time, with the goals beside them.
#   program-bench.sh PROGRAM_FOLDER SPLASH_TIME [SECONDS [STARTS]]
# SECONDS is each measurement (10), STARTS the extra starts timed for the splash median (5).
# Sound goes to SDL's dummy device, which mixes as a real one would.
set -euo pipefail
if [ -z "${BENCH_INSIDE_X:-}" ]; then
  export BENCH_INSIDE_X=1
  exec xvfb-run -a -s "-screen 0 1024x768x24 -br" "$0" "$@"
fi
folder=$(cd "$1" && pwd)
splashtime=$(realpath "$2")
seconds=${3:-10}
starts=${4:-5}
work=$(mktemp -d)
pid=
cleanup() {
  if [ -n "$pid" ]; then
    kill -KILL "$pid" 2>/dev/null || true
  fi
  rm -rf "$work"
}
trap cleanup EXIT
hz=$(getconf CLK_TCK)
unset SDL_VIDEODRIVER VANDREL_WINDOWED
export SDL_AUDIODRIVER=dummy XDG_CONFIG_HOME="$work/config" XDG_RUNTIME_DIR="$work/runtime"
games=(Tamblo Zentar Lupido Krevin Morvex Quadrel)

# The X server this script runs under: the Xvfb process serving our display.
xserver=
for candidate in /proc/[0-9]*; do
  if [ "$(cat "$candidate/comm" 2>/dev/null)" = Xvfb ] &&
    tr '\0' ' ' <"$candidate/cmdline" 2>/dev/null | grep -q -- " $DISPLAY "; then
    xserver=${candidate#/proc/}
  fi
done

ticks() { # utime + stime of a process, in clock ticks
  awk '{ print $14 + $15 }' "/proc/$1/stat"
}
rss_mb() {
  awk '/^VmRSS:/ { printf "%d", $2 / 1024 }' "/proc/$pid/status"
}
screen_hash() {
  xwd -root -silent | md5sum | cut -c1-32
}
key() {
  xdotool key --delay 60 "$@"
  sleep 0.3
}

results=()
# measure NAME GOAL: CPU of the program and of the X server over $seconds, then resident memory.
measure() {
  sleep 1
  local p0 x0 t0 p1 x1 t1
  p0=$(ticks "$pid")
  x0=$(ticks "$xserver")
  t0=$(date +%s%N)
  sleep "$seconds"
  p1=$(ticks "$pid")
  x1=$(ticks "$xserver")
  t1=$(date +%s%N)
  results+=("$(awk -v n="$1" -v g="$2" -v p=$((p1 - p0)) -v x=$((x1 - x0)) -v t=$((t1 - t0)) \
    -v hz="$hz" -v m="$(rss_mb)" 'BEGIN {
      s = t / 1e9
      printf "%-30s %8.1f %% %8.1f %% %7d MB   %s", n, 100 * p / hz / s, 100 * x / hz / s, m, g }')")
}
note() {
  results+=("$(printf '%-30s %s' "$1" "$2")")
}

# start SETTINGS: a fresh settings folder with the given "Menu" lines; the program started and
# timed to its splash; waits out the splash.
splash_times=()
start() {
  rm -rf "$work/config" "$work/runtime"
  mkdir -p "$work/config/vandrel" "$work/runtime"
  chmod 700 "$work/runtime"
  printf '[Menu]\n%s\n[Zentar]\n' "$1" >"$work/config/vandrel/vandrel.ini"
  # A table that any score beats, so that a game over always shows the high-score window.
  for i in 0 1 2 3 4 5; do
    printf 'Highscore%d=-1\n' "$i" >>"$work/config/vandrel/vandrel.ini"
  done
  local line
  line=$(cd "$folder" && "$splashtime" "$folder/VandrelDemo")
  pid=${line% *}
  splash_times+=("${line#* }")
  sleep 6.5
  xdotool mousemove 1000 760
  xdotool search --name '^Vandrel$' windowfocus --sync >/dev/null 2>&1 || true
  sleep 0.3
}
stop() {
  kill "$pid" 2>/dev/null || true
  timeout 10 tail --pid="$pid" -f /dev/null || kill -KILL "$pid" 2>/dev/null || true
  pid=
}

scan=0 # the launcher's scan index: 0 before the first step, then 1..6
select_game() {
  local steps=$((($1 - scan + 6) % 6 + 1))
  for _ in $(seq "$steps"); do
    key space
  done
  scan=$(($1 + 1))
}

run_path() {
  local path=$1
  export VANDREL_RENDERER=$path
  if [ "$path" = software ]; then
    export SDL_RENDER_DRIVER=software
  else
    unset SDL_RENDER_DRIVER
  fi
  results=()
  splash_times=()

  start "MusicOn=0"
  measure "launcher idle" "<= 1 %"
  key F1
  measure "options dialog" "<= 1 %"
  key Escape
  local base=0 index
  base=$(rss_mb)
  note "launcher memory at first" "$base MB"
  scan=0
  for index in 0 1 2 3 4 5; do
    select_game "$index"
    sleep 1
    local before after
    before=$(screen_hash)
    key Return
    sleep 2
    after=$(screen_hash)
    if [ "$before" = "$after" ]; then
      note "${games[$index]} playing ($index)" "not built yet"
      continue
    fi
    key x
    measure "${games[$index]} playing ($index)" "<= 10 %"
    key Escape
    sleep 2
    note "launcher after ${games[$index]}" "$(rss_mb) MB"
  done
  select_game 1
  key Return
  sleep 2
  key x
  sleep 1
  # Game over: the curtain falls, the game stands still for 5 s, then the high-score window.
  key d
  sleep 10
  measure "high-score window" "<= 1 %"
  key Escape
  sleep 2
  key Escape
  sleep 2
  note "launcher after high scores" "$(rss_mb) MB"
  stop

  start "MusicOn=1"
  measure "launcher idle, music on" "music only"
  stop

  start "MusicOn=0
OneButton=True"
  measure "launcher scanning" "<= 1 %"
  stop

  for _ in $(seq "$starts"); do
    start "MusicOn=0"
    stop
  done
  local median
  median=$(printf '%s\n' "${splash_times[@]}" | sort -n |
    awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                              printf "%.2f s (%.2f to %.2f s)", m / 1000, v[1] / 1000, v[NR] / 1000 }')

  echo
  echo "== presenting path: $path"
  printf '%-30s %10s %10s %10s   %s\n' state "program" "X server" memory goal
  printf '%s\n' "${results[@]}"
  printf '%-30s %s   <= 0.4 s\n' "start to splash (median)" "$median"
  echo "memory goal: <= 120 MB in every state"
}

cd "$work"
for path in software accelerated; do
  run_path "$path"
done
