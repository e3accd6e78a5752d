#!/usr/bin/env bash
# Plays the game at random for a while under a private X server: clicks all
# over the window, keys, menu items, answers to boxes. Reports whether the
# game survived and its memory after the first minute and at the end, each
# taken in one state: the main window alone, no game, no wallpaper.
# usage: scripts/soak.sh [SECONDS] [GAME]   (default 1800 s, build/bin/vornel)
# Needs xvfb, xdotool and imagemagick. Exits non-zero if the game died or
# its memory grew by 2 MB or more after the first minute (and the first
# sound, whose libraries load with it).
set -uo pipefail
cd "$(dirname "$0")/.."
seconds=${1:-1800}
game=${2:-build/bin/vornel}
for t in Xvfb xdotool import; do
  command -v $t >/dev/null || { echo "needs $t: apt-get install -y xvfb xdotool imagemagick" >&2; exit 2; }
done
[ -x "$game" ] || { echo "no game at $game: run scripts/play.sh or build it first" >&2; exit 2; }

# A copy of the program folder, so the soak's scores and settings stay its own.
work=$(mktemp -d)
trap 'kill $gpid $xpid 2>/dev/null; rm -rf "$work"' EXIT
cp -r "$(dirname "$game")"/. "$work/"
export XDG_CONFIG_HOME=$work/config XDG_DATA_HOME=$work/data XDG_RUNTIME_DIR=$work/runtime
mkdir -p "$XDG_RUNTIME_DIR" && chmod 700 "$XDG_RUNTIME_DIR"
unset WAYLAND_DISPLAY QT_QPA_PLATFORM

d=90; while [ -e /tmp/.X$d-lock ]; do d=$((d + 1)); done
Xvfb :$d -screen 0 1280x1024x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
sleep 1
export DISPLAY=:$d
rss() { awk '/VmRSS/ {print $2}' /proc/$gpid/status 2>/dev/null; }
alive() { kill -0 $gpid 2>/dev/null; }
sounded() { grep -q vornel_sound /proc/$gpid/maps 2>/dev/null; }
# Memory is compared in one state: the main window alone, no game running
# and no wallpaper. What stays up holds megabytes that are no leak.
# Boxes share the main window's title, so the main window is told by its id.
others() {
  local w
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do [ "$w" = "$main" ] || echo "$w"; done
}
# Every other window closed as a player would: an end screen by a click, the
# help window, a box or another window by Escape (a box takes its Escape answer).
close_others() {
  local w
  for _ in 1 2 3 4; do
    for w in $(others); do
      case "$(xdotool getwindowname $w 2>/dev/null)" in
        "NIKH !!!"|"WIN !!!"|"HTTA..."|"LOSE !!!") xdotool mousemove --window $w 20 20 click 1 ;;
        *) xdotool windowfocus --sync $w key --clearmodifiers Escape ;;
      esac 2>/dev/null
    done
    sleep 0.5
  done
}
# A walk through the menu bar by keys: a click opens the first menu, and
# the arrows go from there, the same in either language.
menu_walk() {
  xdotool mousemove --window $main 19 8 click 1 2>/dev/null; sleep 0.3
  xdotool key --clearmodifiers "$@" 2>/dev/null; sleep 1
}
# Whether a wallpaper shows: without one, the empty strip at the bottom of
# the window is one colour.
wallpaper_up() {
  [ "$(import -window $main -crop 200x8+420+380 txt:- 2>/dev/null | tail -n +2 | awk '{print $3}' | sort -u | wc -l)" -gt 1 ]
}
settle() {
  local try w
  for try in 1 2 3; do
    close_others
    # Stop ends a running game; its question is answered Yes (Return).
    xdotool mousemove --window $main 344 355 click 1 2>/dev/null; sleep 0.5
    for w in $(others); do xdotool windowfocus --sync $w key --clearmodifiers Return 2>/dev/null; done
    sleep 0.5; close_others
    # The wallpaper off: two menus left of File is Wallpapers, whose fourth item is None.
    menu_walk Left Left Down Down Down Return
    close_others
    wallpaper_up || { sleep 1; return; }
  done
  echo "  could not take the wallpaper off"
}
# Every window opened once and closed, a championship begun and stopped, a
# game lost: the code and libraries each needs load the first time.
tour() {
  local walk
  for walk in "Down Down Down Return" "Right Up Return" "Right Down Right Up Return" \
      "Left Left Return" "Left Left Down Return" "Left Down Return"; do
    menu_walk $walk; close_others
  done
  xdotool key --clearmodifiers F3; sleep 1; settle
  # A hard game left to run out of time: the lose screen's sound loads the
  # sound libraries, which otherwise wait for the first game lost.
  menu_walk Right Right Down Down Return
  xdotool key --clearmodifiers F2
  for _ in $(seq 70); do sounded && break; sleep 1; done
  settle
}
# What is up, and what the memory is made of. With SOAK_SMAPS=DIR the whole
# map is kept there too, as baseline.smaps and end.smaps, to compare.
describe() {
  local w
  [ -n "${SOAK_SMAPS:-}" ] && cp /proc/$gpid/smaps "$SOAK_SMAPS/$1.smaps" 2>/dev/null
  for w in $(xdotool search --onlyvisible --name . 2>/dev/null); do echo "  window up: $(xdotool getwindowname $w)"; done
  awk '/^[0-9a-f]+-[0-9a-f]+ / { kind = NF < 6 ? "anonymous" : $6 == "[heap]" ? "heap" : $6 ~ /^\// ? "files" : "other" }
       /^Rss:/ { kb[kind] += $2 }
       END { printf "  Rss by kind (kB): heap %d, anonymous %d, files %d, other %d\n", kb["heap"], kb["anonymous"], kb["files"], kb["other"] }' \
    /proc/$gpid/smaps 2>/dev/null
}
launch() {
  "$work/$(basename "$game")" >>"$work/game.log" 2>&1 & gpid=$!
  born=$(date +%s) baseline=""
  sleep 2
  # The player window first.
  xdotool mousemove 300 150 click 1 type --delay 20 "Soak"
  xdotool key Return
  sleep 1; main=$(xdotool search --onlyvisible --name '^Sarvel VORNEL v\.2$' 2>/dev/null | head -1)
  # The manual too.
  sleep 1; xdotool key F1; sleep 1; close_others; tour
}
launch

keys=(F2 F3 Return Escape space Tab ctrl+n F1 alt+f alt+o alt+w alt+h Down Up Right Left Return Return)
start=$(date +%s) actions=0 exits=0
while [ $(( $(date +%s) - start )) -lt "$seconds" ]; do
  if ! alive; then
    # Exit is a menu item too: a game that ended on its own is started again.
    wait $gpid; status=$?
    [ $status -eq 0 ] || break
    exits=$((exits + 1)); echo "the game was exited from its menu; starting it again"
    launch
  fi
  case $((RANDOM % 10)) in
    0|1|2|3|4|5) xdotool mousemove $((RANDOM % 700)) $((RANDOM % 460)) click 1 ;;
    6) xdotool mousemove $((RANDOM % 700)) $((RANDOM % 460)) click 3 ;;
    7|8) xdotool key --clearmodifiers "${keys[RANDOM % ${#keys[@]}]}" ;;
    9) xdotool key --clearmodifiers Return ;;
  esac 2>/dev/null
  actions=$((actions + 1))
  # The baseline comes after the first minute, and after the first sound:
  # the sound libraries load then, once. A leak shows as growth after it.
  age=$(( $(date +%s) - born ))
  if [ -z "$baseline" ] && [ $age -ge 60 ] && { sounded || [ $age -ge 600 ]; }; then
    settle; baseline=$(rss); echo "baseline at ${age} s: ${baseline} kB, $actions actions"; describe baseline
  fi
  # A line a minute, to tell a slope from a step.
  minute=$(( ($(date +%s) - start) / 60 ))
  if [ "$minute" -gt "${logged:-0}" ]; then logged=$minute; echo "minute $minute: $(rss) kB"; fi
  sleep 0.05
done

if ! alive; then
  wait $gpid; status=$?
  echo "the game died (status $status) after $actions actions; its output:" >&2
  tail -20 "$work/game.log" >&2
  exit 1
fi
settle; end=$(rss)
echo "at the end ($seconds s): ${end} kB, $actions actions, $exits exits from the menu"
describe end
if [ -z "$baseline" ]; then
  echo "no baseline: the run ended before its first minute and first sound" >&2
  exit 2
fi
growth=$((end - baseline))
echo "growth after the baseline: ${growth} kB"
[ "$growth" -lt 2048 ] || { echo "memory grew by 2 MB or more" >&2; exit 1; }
