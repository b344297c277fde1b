#!/usr/bin/env bash
# The whole program as a player meets it on a machine without a graphics card: VandrelDemo under a
# virtual X server (1024 x 768 x 24, no window manager), in every state, full screen and windowed,
# for both ways of presenting frames; every map editor idle. Prints the program's and the X server's
# CPU (from /proc/PID/stat), resident memory (/proc/PID/status) and start-to-splash time, with the
# goals beside them: the median of ROUNDS rounds for each figure.
#   program-bench.sh PROGRAM_FOLDER SPLASH_TIME [SECONDS [STARTS [ROUNDS]]]
# SECONDS is each measurement (10), STARTS the extra starts timed for the splash median (5), ROUNDS
# the rounds (1). BENCH_PATHS names the ways of presenting ("software accelerated").
# Sound goes to SDL's dummy device, which mixes as a real one would. Music is off (the launcher's
# and every game's) except in the states marked "music on".
# Where Debian's lbreakout2 (bricks) or ltris (falling blocks) is installed, it plays on a virtual
# X server of its own during each game's measurement, measured over the same seconds: the peer
# column, and our CPU as a share of it.
set -euo pipefail
if [ -z "${BENCH_INSIDE_X:-}" ]; then
  export BENCH_INSIDE_X=1
  exec xvfb-run -a -s "-screen 0 1024x768x24 -br" "$0" "$@"
fi
folder=$(cd "$1" && pwd)
splashtime=$(realpath "$2")
seconds=${3:-10}
starts=${4:-5}
rounds=${5:-1}
paths=${BENCH_PATHS:-software accelerated}
work=$(mktemp -d)
pid=
peer_pid=
peer_xvfb=
keys_pid=
cleanup() {
  for p in "$pid" "$peer_pid" "$keys_pid" "$peer_xvfb"; do
    if [ -n "$p" ]; then
      kill -KILL "$p" 2>/dev/null || true
    fi
  done
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

# The peers' X server, when a peer is installed.
peer_display=
if [ -x /usr/games/lbreakout2 ] || [ -x /usr/games/ltris ]; then
  Xvfb -displayfd 3 -screen 0 1024x768x24 -nolisten tcp 3>"$work/peer-display" >/dev/null 2>&1 &
  peer_xvfb=$!
  for _ in $(seq 100); do
    [ -s "$work/peer-display" ] && break
    sleep 0.1
  done
  peer_display=:$(cat "$work/peer-display")
fi

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

# peer_start NAME: the peer game started afresh in its own X server, Enter pressed twice (into a
# game), then left to play by itself. Nothing without the peer.
peer_start() {
  peer_name=
  if [ -z "$peer_display" ] || [ ! -x "/usr/games/$1" ]; then
    return
  fi
  rm -rf "$work/peer-home"
  mkdir -p "$work/peer-home"
  # As a player starts it, with none of our settings (with them lbreakout2 ends at once).
  env -i PATH="$PATH" SDL_AUDIODRIVER=dummy DISPLAY="$peer_display" HOME="$work/peer-home" \
    "/usr/games/$1" >"$work/peer.log" 2>&1 &
  peer_pid=$!
  peer_name=$1
  sleep 3
  DISPLAY=$peer_display xdotool key Return
  sleep 0.5
  DISPLAY=$peer_display xdotool key Return
}
peer_stop() {
  if [ -n "$peer_pid" ]; then
    kill "$peer_pid" 2>/dev/null || true
    timeout 10 tail --pid="$peer_pid" -f /dev/null || kill -KILL "$peer_pid" 2>/dev/null || true
  fi
  peer_pid=
  peer_name=
}
peer_name=

# While playing: Left and Right in turn, one every half second.
keys_start() {
  (while :; do
    xdotool key Left
    sleep 0.5
    xdotool key Right
    sleep 0.5
  done) >/dev/null 2>&1 &
  keys_pid=$!
}
keys_stop() {
  kill "$keys_pid" 2>/dev/null || true
  wait "$keys_pid" 2>/dev/null || true
  keys_pid=
}

# Each figure is one line of $work/figures: path, state, program %, X server %, memory (MB), peer %
# (- without), peer name, goal. The report takes the median of each (path, state) over the rounds.
path=
order=0
record() { # record STATE PROGRAM X MEMORY PEER PEER_NAME GOAL
  order=$((order + 1))
  printf '%s\t%d\t%s\t%s\t%s\t%s\t%s\t%s\t%s\n' "$path" "$order" "$@" >>"$work/figures"
}
# measure NAME GOAL: CPU of the program, the X server and the peer over $seconds, then memory.
measure() {
  sleep 1
  local p0 x0 q0= t0 p1 x1 q1= t1
  p0=$(ticks "$pid")
  x0=$(ticks "$xserver")
  if [ -n "$peer_pid" ]; then q0=$(ticks "$peer_pid" 2>/dev/null || true); fi
  t0=$(date +%s%N)
  sleep "$seconds"
  p1=$(ticks "$pid")
  x1=$(ticks "$xserver")
  if [ -n "$peer_pid" ]; then q1=$(ticks "$peer_pid" 2>/dev/null || true); fi
  t1=$(date +%s%N)
  local s program xcpu peer=-
  s=$(awk -v t=$((t1 - t0)) 'BEGIN { print t / 1e9 }')
  program=$(awk -v v=$((p1 - p0)) -v hz="$hz" -v s="$s" 'BEGIN { printf "%.2f", 100 * v / hz / s }')
  xcpu=$(awk -v v=$((x1 - x0)) -v hz="$hz" -v s="$s" 'BEGIN { printf "%.2f", 100 * v / hz / s }')
  if [ -n "$peer_pid" ] && { [ -z "$q0" ] || [ -z "$q1" ]; }; then
    echo "program-bench: $peer_name ended during \"$1\": $(tail -n 3 "$work/peer.log" | tr '\n' ' ')" >&2
  fi
  if [ -n "$q0" ] && [ -n "$q1" ]; then
    peer=$(awk -v v=$((q1 - q0)) -v hz="$hz" -v s="$s" 'BEGIN { printf "%.2f", 100 * v / hz / s }')
  fi
  record "$1" "$program" "$xcpu" "$(rss_mb)" "$peer" "${peer_name:--}" "$2"
}
note_memory() { # note_memory NAME
  record "$1" - - "$(rss_mb)" - - -
}

# start SETTINGS MUSIC [PROGRAM]: a fresh settings folder with the given "Menu" lines and every
# game's music on (1) or off (0); VandrelDemo (timed to its splash, which it waits out) or a map
# editor started.
splash_times=()
start() {
  rm -rf "$work/config" "$work/runtime"
  mkdir -p "$work/config/vandrel" "$work/runtime"
  chmod 700 "$work/runtime"
  local ini="$work/config/vandrel/vandrel.ini" game i
  # The high-score window switched on, and a Zentar table that any score beats, so that a game
  # over always shows it.
  printf '[Menu]\nHighScore=True\n%s\n' "$1" >"$ini"
  for game in "${games[@]}"; do
    printf '[%s]\nMusicOn=%s\n' "$game" "$2" >>"$ini"
    if [ "$game" = Zentar ]; then
      for i in 0 1 2 3 4 5 6; do
        printf 'Highscore%d=-1\n' "$i" >>"$ini"
      done
    fi
  done
  local program=${3:-VandrelDemo} line
  if [ "$program" = VandrelDemo ]; then
    line=$(cd "$folder" && "$splashtime" "$folder/VandrelDemo")
    pid=${line% *}
    splash_times+=("${line#* }")
    sleep 6.5
  else
    (cd "$folder" && exec "./$program") >/dev/null 2>&1 &
    pid=$!
    sleep 3
  fi
  xdotool mousemove 1000 760
  xdotool search --name "${4:-^Vandrel$}" windowfocus --sync >/dev/null 2>&1 || true
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

# Every game played for $seconds with keys, from a launcher started afresh; SUFFIX names the way
# the program was started.
play_games() { # play_games SUFFIX
  local index before after
  scan=0
  for index in 0 1 2 3 4 5; do
    if [ "$index" = 5 ]; then peer_start ltris; else peer_start lbreakout2; fi
    select_game "$index"
    sleep 1
    before=$(screen_hash)
    key Return
    sleep 2
    after=$(screen_hash)
    if [ "$before" = "$after" ]; then
      record "${games[$index]} playing$1" - - - - - "not built yet"
      peer_stop
      continue
    fi
    key x
    keys_start
    measure "${games[$index]} playing$1" "<= 5 %"
    keys_stop
    peer_stop
    key Escape
    sleep 2
    note_memory "launcher after ${games[$index]}$1"
  done
}

round() {
  start "MusicOn=0" 0
  measure "launcher idle" "<= 0.3 %"
  key F1
  measure "options dialog" "<= 1 %"
  key Escape
  note_memory "launcher memory at first"
  play_games ""
  select_game 1
  key Return
  sleep 2
  key x
  key F3
  measure "Zentar paused" "<= 0.3 %"
  key F3
  sleep 1
  # Game over: the curtain falls, the game stands still for 5 s, then the high-score window.
  key d
  sleep 10
  measure "high-score window" "<= 1 %"
  key Escape
  sleep 2
  key Escape
  sleep 2
  note_memory "launcher after high scores"
  stop

  export VANDREL_WINDOWED=1
  start "MusicOn=0" 0
  measure "launcher idle, windowed" "<= 0.3 %"
  play_games ", windowed"
  stop
  unset VANDREL_WINDOWED

  local game
  for game in "${games[@]}"; do
    if [ ! -x "$folder/${game}Editor" ]; then
      continue
    fi
    start "MusicOn=0" 0 "${game}Editor" .
    xdotool mousemove 400 300
    sleep 0.5
    measure "${game}Editor idle" "<= 0.3 %"
    stop
  done

  start "MusicOn=1" 1
  measure "launcher idle, music on" "music only"
  scan=0
  select_game 1
  key Return
  sleep 2
  key x
  measure "Zentar playing, music on" "music only"
  stop

  start "MusicOn=0
OneButton=True" 0
  measure "launcher scanning" "<= 1 %"
  stop
}

report() { # report PATH
  echo
  echo "== presenting path: $1 (median of $rounds rounds of ${seconds} s)"
  printf '%-34s %9s %9s %8s %9s %-11s %7s   %s\n' state program "X server" memory peer \
    "(peer)" "ratio" goal
  awk -F'\t' -v p="$1" '
    function median(list,   n, v, i, j, t) {
      n = split(list, v, " ")
      if (n == 0) return "-"
      for (i = 1; i <= n; i++) for (j = i + 1; j <= n; j++) if (v[j] + 0 < v[i] + 0) {
        t = v[i]; v[i] = v[j]; v[j] = t }
      return (n % 2) ? v[(n + 1) / 2] : (v[n / 2] + v[n / 2 + 1]) / 2
    }
    function shown(value, format) { return value == "-" ? "-" : sprintf(format, value) }
    function add(key, column, value) { if (value != "-") list[key, column] = list[key, column] " " value }
    $1 == p {
      if (!($3 in seen)) { seen[$3] = 1; order[++count] = $3; goal[$3] = $9; peername[$3] = $8 }
      add($3, "program", $4); add($3, "x", $5); add($3, "memory", $6); add($3, "peer", $7)
      if ($7 != "-" && $7 + 0 > 0) add($3, "ratio", $4 / $7)
    }
    END {
      for (i = 1; i <= count; i++) {
        s = order[i]
        program = shown(median(list[s, "program"]), "%.2f"); x = shown(median(list[s, "x"]), "%.2f")
        memory = shown(median(list[s, "memory"]), "%.0f"); peer = shown(median(list[s, "peer"]), "%.2f")
        ratio = median(list[s, "ratio"])
        printf "%-34s %8s%s %8s%s %5s MB %8s%s %-11s %7s   %s\n", s,
          program, program == "-" ? " " : "%", x, x == "-" ? " " : "%", memory,
          peer, peer == "-" ? " " : "%", peername[s] == "-" ? "" : peername[s],
          ratio == "-" ? "-" : sprintf("%.2f", ratio), goal[s] == "-" ? "" : goal[s]
      }
    }' "$work/figures"
  local median
  median=$(printf '%s\n' "${splash_times[@]}" | sort -n |
    awk '{ v[NR] = $1 } END { m = (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2
                              printf "%.2f s (%.2f to %.2f s)", m / 1000, v[1] / 1000, v[NR] / 1000 }')
  printf '%-34s %s   <= 0.4 s\n' "start to splash (median)" "$median"
  echo "memory goal: <= 120 MB in every state; ratio: our CPU / the peer's over the same seconds"
}

cd "$work"
: >"$work/figures"
for path in $paths; do
  export VANDREL_RENDERER=$path
  if [ "$path" = software ]; then
    export SDL_RENDER_DRIVER=software
  else
    unset SDL_RENDER_DRIVER
  fi
  splash_times=()
  for _ in $(seq "$rounds"); do
    round
  done
  for _ in $(seq "$starts"); do
    start "MusicOn=0" 0
    stop
  done
  report "$path"
done
echo
echo "load average at the end: $(cut -d' ' -f1-3 /proc/loadavg)"
