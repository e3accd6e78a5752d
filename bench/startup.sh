#!/usr/bin/env bash
# Start-up benchmark: the game against a bare Qt window (bench/bare_window.cpp),
# side by side under a private Xvfb server. The game starts as a returning
# player does: from a data folder of its own with a name and a wallpaper saved.
# Reports, never enforces: it exits non-zero only when something failed to run.
#
# usage: bench/startup.sh [-n RUNS | -c [-o DIR]] [GAME_BINARY [BARE_BINARY]]
#   Without binaries it builds both into <repo>/build-bench (Release).
#   RUNS: timed starts of each program, alternating (default 30).
#   -c: instead of timing, counts the instructions each program runs up to
#   its first window's map, with callgrind: the same on a busy machine.
#   -o DIR: keeps the profiles there (game.cg, bare.cg) for callgrind_annotate.
set -uo pipefail

runs=30
count=
keep=
while getopts n:co:h opt; do
  case $opt in
    n) runs=$OPTARG ;;
    c) count=1 ;;
    o) keep=$OPTARG ;;
    *) sed -n '2,12p' "$0"; exit 2 ;;
  esac
done
shift $((OPTIND - 1))
[[ $runs =~ ^[1-9][0-9]*$ ]] || { echo "RUNS must be a positive number" >&2; exit 2; }

repo=$(cd "$(dirname "$0")/.." && pwd)
# shellcheck source=bench/common.sh
source "$repo/bench/common.sh"
declare -A bin=([game]=${1:-} [bare]=${2:-})
if [ -z "${bin[game]}" ] || [ -z "${bin[bare]}" ]; then
  build_bench vornel bare_window
  bin[game]=${bin[game]:-$build/bin/vornel}
  bin[bare]=${bin[bare]:-$build/bin/bare_window}
fi
for b in "${bin[@]}"; do
  [ -x "$b" ] || { echo "not an executable: $b" >&2; exit 1; }
done
for t in Xvfb xev xwininfo xprop xdotool ${count:+valgrind}; do
  command -v $t >/dev/null || { echo "needs $t: apt-get install -y xvfb x11-utils xdotool" >&2; exit 1; }
done

start_private_x bench

# The game runs from a folder of its own: it keeps its data files beside the
# executable, so a copy there keeps the build's folder untouched and every
# timed start finds the same files. The shipped files are linked in.
mkdir "$tmp/game"
cp "${bin[game]}" "$tmp/game/vornel"
for f in english.ini Win.SON CRASH1.SON Help.hlp Photos HelpPictures vornel_sound.so; do
  [ -e "$(dirname "${bin[game]}")/$f" ] && ln -s "$(cd "$(dirname "${bin[game]}")" && pwd)/$f" "$tmp/game/$f"
done
bin[game]=$tmp/game/vornel

# Map watcher: xev reports each top-level window the server maps (no window
# manager, so a map makes it viewable); the time is taken as the event is
# read, without polling. Each line on fd 3: "MICROSECONDS WINDOW".
mkfifo "$tmp/maps"
exec 3<>"$tmp/maps"
(
  exec >"$tmp/maps"
  xev -root -event substructure 2>/dev/null | while IFS= read -r line; do
    case $line in
      MapNotify*)
        t=${EPOCHREALTIME/[.,]/}
        read -r -a f  # "    event 0x..., window 0x..., override NO"
        [ "${f[5]:-}" = NO ] && echo "$t ${f[3]%,}"
        ;;
    esac
  done
) & pids+=($!)
sleep 0.3  # let xev select its events before the first program starts

alive() { # NAME
  kill -0 "$pid" 2>/dev/null || { echo "$1 exited early:" >&2; cat "$tmp/$1.log" >&2; exit 1; }
}

# Waits for the map of a top-level window of process $pid other than
# EXCEPT_WINDOW. Sets: map_win, map_us.
await() { # NAME [EXCEPT_WINDOW]
  local name=$1 except=${2:-} t w p
  for _ in $(seq 40); do
    if read -r -t 0.5 -u 3 t w; then
      [ "$w" = "$except" ] && continue
      p=$(xprop -id "$w" _NET_WM_PID 2>/dev/null)
      if [ "${p##* }" = "$pid" ]; then map_win=$w; map_us=$t; return; fi
    else
      alive "$name"
    fi
  done
  echo "$name: no window within 20 s" >&2
  cat "$tmp/$name.log" >&2
  exit 1
}

wrapper=()  # what each start runs the program under

# Starts the program NAME (game or bare) and waits until its first top-level
# window is mapped: the game's player window, the bare main window.
# Sets: pid, win, start_us.
launch() { # NAME
  local name=$1 t0
  while read -r -t 0 -u 3; do read -r -u 3 _; done  # drop stale maps
  mkdir -p "$tmp/cfg.$name"
  rm -rf "${tmp:?}/cfg.$name"/*  # a fresh XDG_CONFIG_HOME every start
  (
    t=${EPOCHREALTIME/[.,]/}
    echo "$t" >"$tmp/t0"
    XDG_CONFIG_HOME=$tmp/cfg.$name exec "${wrapper[@]}" "${bin[$name]}"
  ) >>"$tmp/$name.log" 2>&1 &
  pid=$!
  await "$name"
  win=$map_win
  t0=$(<"$tmp/t0")
  start_us=$((map_us - t0))
}

# The player window offers the saved name. A click in its name box gives it
# the keyboard (no window manager); NAME, if given, is typed over what is
# there; Return confirms it and the main window shows. Sets: main (its
# window), cpu_before_return.
confirm_name() { # [NAME]
  xdotool mousemove 180 55 click 1 mousemove 1270 1010
  [ -n "${1:-}" ] && xdotool key ctrl+a type "$1"
  sleep 0.2  # let the click settle
  cpu_before_return=$(cpu_us "$pid")
  xdotool key Return
  await game "$win"
  main=$map_win
}

stop() {
  kill "$pid" 2>/dev/null
  wait "$pid" 2>/dev/null
}

kib() { # FILE FIELD -> value in kB
  awk -v f="$2:" '$1 == f { print $2; exit }' "$1"
}

ticks() { # PID -> utime + stime of the whole process, in clock ticks
  local s f
  s=$(<"/proc/$1/stat")
  read -r -a f <<<"${s##*) }"  # the name in brackets may hold spaces
  echo $((f[11] + f[12]))
}

cpu_us() { # PID -> CPU time of all its threads so far, in us (ns clock)
  cat /proc/"$1"/task/*/schedstat 2>/dev/null | awk '{ n += $1 } END { printf "%d\n", n / 1000 }'
}

switches() { # PID -> "TID CONTEXT_SWITCHES" for each of its threads (each is a wake-up)
  local t
  for t in /proc/"$1"/task/*; do
    awk -v tid="${t##*/}" '/ctxt_switches:/ { n += $2 } END { print tid, n + 0 }' "$t/status" 2>/dev/null
  done
}

wakeups() { # BEFORE AFTER (outputs of switches) -> wake-ups in between. A thread
  # that ended in between takes its count along; a new one counts from 0.
  awk 'NR == FNR { before[$1] = $2; next } { n += $2 - before[$1] } END { print n + 0 }' <(echo "$1") <(echo "$2")
}

wallpaper_saved() { # -> true when skor.qdx holds a wallpaper path (record 20)
  local n
  n=$(od -An -tu2 -j $((19 * 128)) -N2 "$tmp/game/skor.qdx" 2>/dev/null | tr -d ' ')
  [ "${n:-0}" -gt 0 ]
}

# One untimed start each fills the page cache and fontconfig's cache. The
# game's makes its data files; its player confirms a name, shows the first
# built-in wallpaper (Ctrl+N) and leaves by File > Exit, which saves both.
declare -A size
geometry() { xwininfo -id "$1" | awk '/Width:/ { w = $2 } /Height:/ { h = $2 } END { print w "x" h }'; }
launch game
size[game]=$(geometry "$win")
confirm_name Ada
size[main]=$(geometry "$main")
xdotool mousemove 600 400 click 1 sleep 0.2 key ctrl+n sleep 0.5 key alt+f sleep 0.3 key x mousemove 1270 1010
for _ in $(seq 50); do kill -0 "$pid" 2>/dev/null || break; sleep 0.1; done
stop
wallpaper_saved && [ -s "$tmp/game/names.QDX" ] ||
  { echo "game: the name and the wallpaper were not saved by File > Exit" >&2; exit 1; }
launch bare
size[bare]=$(geometry "$win")
stop

if [ -n "$count" ]; then
  # callgrind writes a part of its profile as the program calls
  # xcb_map_window for the first time: that part holds everything before.
  declare -A instructions
  for name in game bare; do
    wrapper=(valgrind --tool=callgrind --dump-before=xcb_map_window "--callgrind-out-file=$tmp/$name.cg.%p")
    launch "$name"
    stop
    instructions[$name]=$(awk '/^summary:/ { print $2; exit }' "$tmp/$name.cg.$pid.1" 2>/dev/null)
    [ -n "${instructions[$name]}" ] || { echo "$name: callgrind wrote no profile" >&2; exit 1; }
    [ -n "$keep" ] && mkdir -p "$keep" && cp "$tmp/$name.cg.$pid.1" "$keep/$name.cg"
  done
  awk -v g="${instructions[game]}" -v b="${instructions[bare]}" 'BEGIN {
    printf "\ninstructions up to the first window'"'"'s map (callgrind, millions)\n"
    printf "game %.1f   bare %.1f   game vs bare x%.2f\n", g / 1e6, b / 1e6, g / b }'
  exit 0
fi

echo "timing $runs starts of each on :$d ..."
for i in $(seq "$runs"); do
  # Alternate which goes first so that drift hits both alike.
  if ((i % 2)); then order="game bare"; else order="bare game"; fi
  for name in $order; do
    launch "$name"
    echo "$start_us" >>"$tmp/$name.start"
    sleep 1
    alive "$name"
    cpu_us "$pid" >>"$tmp/$name.cpu"
    kib "/proc/$pid/status" VmRSS >>"$tmp/$name.rss"
    kib "/proc/$pid/smaps_rollup" Pss >>"$tmp/$name.pss"
    if [ "$name" = game ]; then
      confirm_name
      sleep 1
      alive game
      echo $(($(cpu_us "$pid") - cpu_before_return)) >>"$tmp/game.maincpu"
      kib "/proc/$pid/status" VmRSS >>"$tmp/game.mainrss"
      kib "/proc/$pid/smaps_rollup" Pss >>"$tmp/game.mainpss"
    fi
    stop
  done
done

echo "idle CPU over 5 s ..."
# Both start before either is read: one's start must not wake the other
# during the other's interval. The game idles as a player would see it: the
# main window up, no game running.
declare -A idle
for name in bare game; do
  launch "$name"
  [ "$name" = game ] && confirm_name
  idle[$name]=$pid
  pids+=("$pid")
done
sleep 1
declare -A woken
for name in game bare; do
  pid=${idle[$name]}
  alive "$name"
  woken[$name]=$(switches "$pid")
  idle[$name]="$pid $(ticks "$pid")"
done
sleep 5
for name in game bare; do
  read -r pid t0 <<<"${idle[$name]}"
  alive "$name"
  idle[$name]="$(($(ticks "$pid") - t0)) $(wakeups "${woken[$name]}" "$(switches "$pid")")"
  kill "$pid"
done
hz=$(getconf CLK_TCK)

median() { sort -n "$1" | awk '{ v[NR] = $1 } END { print (NR % 2) ? v[(NR + 1) / 2] : (v[NR / 2] + v[NR / 2 + 1]) / 2 }'; }
minimum() { sort -n "$1" | head -1; }

gm=$(median "$tmp/game.start"); bm=$(median "$tmp/bare.start")
# Each run starts both back to back, so a pair's ratio is free of slow drift.
paste "$tmp/game.start" "$tmp/bare.start" | awk '{ printf "%.4f\n", $1 / $2 }' >"$tmp/pairs"
pr=$(median "$tmp/pairs")
gn=$(minimum "$tmp/game.start"); bn=$(minimum "$tmp/bare.start")
gc=$(median "$tmp/game.cpu"); bc=$(median "$tmp/bare.cpu"); mc=$(median "$tmp/game.maincpu")
gr=$(median "$tmp/game.rss"); br=$(median "$tmp/bare.rss"); mr=$(median "$tmp/game.mainrss")
gp=$(median "$tmp/game.pss"); bp=$(median "$tmp/bare.pss"); mp=$(median "$tmp/game.mainpss")
read -r gi gw <<<"${idle[game]}"
read -r bi bw <<<"${idle[bare]}"

awk -v runs="$runs" -v hz="$hz" -v date="$(date -u '+%Y-%m-%d %H:%M UTC')" \
  -v cores="$(nproc)" -v qt="$(dpkg-query -W -f '${Version}' libqt6widgets6 2>/dev/null)" \
  -v gm="$gm" -v bm="$bm" -v pr="$pr" -v gn="$gn" -v bn="$bn" -v gc="$gc" -v bc="$bc" \
  -v mc="$mc" -v mr="$mr" -v mp="$mp" \
  -v gr="$gr" -v br="$br" -v gp="$gp" -v bp="$bp" -v gi="$gi" -v bi="$bi" -v gw="$gw" -v bw="$bw" \
  -v gs="${size[game]}" -v ms_="${size[main]}" -v bs="${size[bare]}" \
  -v gl="$(paste -sd' ' "$tmp/game.start")" -v bl="$(paste -sd' ' "$tmp/bare.start")" '
function ms(us) { return sprintf("%.1f", us / 1000) }
function mib(k) { return sprintf("%.1f", k / 1024) }
function list(s,  n, a, i, out) {
  n = split(s, a, " ")
  for (i = 1; i <= n; i++) out = out sprintf("%s%.1f", i > 1 ? " " : "", a[i] / 1000)
  return out
}
function verdict(ok) { return ok ? "met" : "MISSED" }
BEGIN {
  printf "\nstart-up benchmark, %s, %s cores, Qt %s, %d starts each\n\n", date, cores, qt, runs
  f = "%-32s %10s %10s %14s   %s\n"
  printf f, "", "game", "bare", "game vs bare", "target"
  printf f, "first window (px)", gs, bs, "", ""
  printf f, "start, median (ms)", ms(gm), ms(bm), sprintf("x%.2f", gm / bm), \
    "<= x1.15  " verdict(gm <= 1.15 * bm)
  printf f, "start, median of pairs", "", "", sprintf("x%.2f", pr), ""
  printf f, "start, min (ms)", ms(gn), ms(bn), sprintf("x%.2f", gn / bn), ""
  printf f, "CPU to 1 s after map (ms)", ms(gc), ms(bc), sprintf("x%.2f", gc / bc), ""
  printf f, "VmRSS after 1 s (MiB)", mib(gr), mib(br), sprintf("%+.1f", (gr - br) / 1024), ""
  printf f, "Pss after 1 s (MiB)", mib(gp), mib(bp), sprintf("%+.1f", (gp - bp) / 1024), ""
  printf f, "main window (px)", ms_, "", "", ""
  printf f, "CPU, Return to 1 s after (ms)", ms(mc), "", "", ""
  printf f, "VmRSS, main window (MiB)", mib(mr), mib(br), sprintf("%+.1f", (mr - br) / 1024), \
    "<= +15    " verdict(mr - br <= 15 * 1024)
  printf f, "Pss, main window (MiB)", mib(mp), mib(bp), sprintf("%+.1f", (mp - bp) / 1024), ""
  printf f, "idle CPU in 5 s (ticks)", gi, bi, "", \
    sprintf("<= 1 tick (%d ms)  %s", 1000 / hz, verdict(gi <= 1))
  printf f, "wake-ups in 5 s", gw, bw, "", ""
  printf "\nstarts (ms), game: %s\n", list(gl)
  printf "starts (ms), bare: %s\n", list(bl)
  printf "\nstart: from just before exec to the MapNotify of the first top-level window\n"
  printf "(the game: its player window; time in us, read as the X event arrives).\n"
  printf "Main window: after the saved name is confirmed with Return. Memory and CPU\n"
  printf "are medians.\n"
}'
