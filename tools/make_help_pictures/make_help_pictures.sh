#!/usr/bin/env bash
# Takes the manual's pictures of the game's windows: NAME@2x.png at twice the
# density, or NAME.png with SCALE=1, into assets/HelpPictures/. See README.md.
# usage: [SCALE=1|2] make_help_pictures.sh [BUILD_BIN_DIR] [OUT_DIR]
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
top=$(cd "$here/../.." && pwd)
bin=${1:-$top/build/bin}
out=${2:-$top/assets/HelpPictures}
scale=${SCALE:-2}
suffix=$([ "$scale" = 1 ] && echo "" || echo "@${scale}x")
for t in Xvfb xdotool import convert python3; do
  command -v $t >/dev/null || { echo "needs $t: apt-get install -y xvfb xdotool imagemagick python3" >&2; exit 2; }
done
[ -x "$bin/vornel" ] || { echo "no game at $bin/vornel: build it first" >&2; exit 2; }

work=$(mktemp -d)
# The home folder the file windows show, at the short path the manual shows.
vhome=/tmp/vornel-home
[ -e "$vhome" ] && { echo "$vhome is in the way: move it first" >&2; exit 2; }
d=150; while [ -e /tmp/.X$d-lock ]; do d=$((d + 1)); done
Xvfb :$d -screen 0 1800x1300x24 -nolisten tcp >/dev/null 2>&1 & xpid=$!
app=
cleanup() { [ -n "$app" ] && kill "$app" 2>/dev/null; kill $xpid 2>/dev/null; rm -rf "$work" "$vhome"; }
trap cleanup EXIT
export DISPLAY=:$d
sleep 0.7

# A point of the game at design size, in screen pixels.
at() { echo $(($1 * scale)) $(($2 * scale)); }
click() { xdotool mousemove --sync $(at "$1" "$2") click 1; sleep 0.3; }
hover() { xdotool mousemove --sync $(at "$1" "$2"); sleep 0.3; }
key() { xdotool key --clearmodifiers "$@"; sleep 0.3; }
# Opens the menu whose title is at x of the menu bar; pop-ups take a moment.
menu() { click "$1" 8; sleep 0.7; }
# The window whose title is $1 (no window manager: no frame round it).
window() {
  timeout 10 xdotool search --sync --onlyvisible --name "^$1\$" | tail -1 ||
    { echo "no window \"$1\"" >&2; exit 1; }
}
# Its top-left corner at design size, as wx and wy.
corner() {
  eval "$(xdotool getwindowgeometry --shell "$(window "$1")")"
  wx=$((X / scale)); wy=$((Y / scale))
}
shot() {
  import -window "$(window "$1")" "$out/$2$suffix.png"
  echo "$2$suffix.png $(identify -format '%wx%h' "$out/$2$suffix.png")"
}
# A part of the screen: x y w h at design size.
region() {
  import -window root -crop "$(($3 * scale))x$(($4 * scale))+$(($1 * scale))+$(($2 * scale))" +repage \
    "$out/$5$suffix.png"
  echo "$5$suffix.png $(identify -format '%wx%h' "$out/$5$suffix.png")"
}

# A copy of the game with the scores, names and wallpapers the pictures show.
setup() {
  rm -rf "$work/app" "$work/config" "$vhome"
  mkdir -p "$work/app" "$work/config/Kelbar" "$vhome/Pictures"
  cp -r "$bin/vornel" "$bin/english.ini" "$bin/Help.hlp" "$bin/HelpPictures" "$bin/Photos" \
    "$bin/Win.SON" "$bin/CRASH1.SON" "$work/app/"
  printf '[VORNEL]\nWHICH_LANGUAGE=%s\n' "$1" > "$work/config/Kelbar/Kelbar.ini"
  python3 "$here/scores.py" "$work/app"
  convert -size 400x300 gradient:'#a8d8f0-#ffffff' "$vhome/Pictures/clouds.jpg"
  convert -size 400x300 gradient:'#6fa8dc-#2f5f3f' "$vhome/Pictures/lake.jpg"
  convert -size 400x300 gradient:'#f8d0dc-#b0dcf4' "$vhome/Pictures/pastel.png"
}
start() {
  (cd "$work/app" && HOME="$vhome" XDG_CONFIG_HOME="$work/config" QT_SCALE_FACTOR=$scale \
    ./vornel >/dev/null 2>&1) & app=$!
  sleep 2.5
}
stop() { kill "$app" 2>/dev/null; wait "$app" 2>/dev/null || true; app=; }
# The player window: Ada, selected as it comes.
player() { click 150 40; key ctrl+a; xdotool type --delay 40 Ada; sleep 0.2; key ctrl+a; }
enter() { key Return; sleep 0.8; }

for lang in el en; do
  if [ $lang = el ]; then
    greek=True; menu_wallpapers=146; menu_help=211; menu_wide=320
    title_player=" Επιλογή Παίκτη"; title_about="Σχετικά με Sarvel VORNEL v.2 "
    title_add="Πρόσθεση Ταπετσαρίας"; title_remove="Αφαίρεση Ταπετσαρίας"
  else
    greek=False; menu_wallpapers=120; menu_help=173; menu_wide=290
    title_player="Select Player"; title_about="About Sarvel VORNEL v.2 "
    title_add="Choose Background"; title_remove="Remove Background"
  fi

  # The player window, then a single game over the meadow with a wrong pair showing.
  setup $greek; start
  player; shot "$title_player" player_$lang; enter
  click 400 30; key ctrl+n; key ctrl+n; key ctrl+n
  key F2; sleep 2
  click 64 102; click 196 160; hover 52 356
  shot "Sarvel VORNEL v.2" game_$lang
  stop

  # A championship's first level with a card open.
  setup $greek; start; player; enter
  click 400 30; key F3; sleep 0.5; key Return; sleep 3
  click 262 218; hover 132 356
  shot "Sarvel VORNEL v.2" champ_$lang
  stop

  # The wallpaper menu; two pictures added, pastel still chosen; one removed.
  setup $greek; start; player; enter
  click 400 30; menu $menu_wallpapers
  region 0 0 $menu_wide 210 wpmenu_$lang
  click $((menu_wallpapers + 40)) 28; sleep 1
  corner "$title_add"
  xdotool mousemove --sync $(at $((wx + 60)) $((wy + 83))) click --repeat 2 --delay 80 1; sleep 0.8
  click $((wx + 260)) $((wy + 29)); click $((wx + 509)) $((wy + 183))
  click $((wx + 260)) $((wy + 42)); click $((wx + 509)) $((wy + 183))
  shot "$title_add" add_$lang
  click $((wx + 509)) $((wy + 287)); sleep 0.5
  menu $menu_wallpapers; click $((menu_wallpapers + 40)) 50; sleep 1
  corner "$title_remove"
  click $((wx + 60)) $((wy + 7)); key Down
  shot "$title_remove" remove_$lang
  key Escape
  stop

  # About.
  setup $greek; start; player; enter
  click 400 30; menu $menu_help; click $((menu_help + 30)) 48; sleep 1
  shot "$title_about" about_$lang
  stop
done

# The best scores, in Greek.
setup True; start; player; enter
click 400 30; menu 26; click 70 70; sleep 1
shot "Καλύτερα ΣΚΟΡ" scores
stop

# 8-bit palettes look the same here and take a third of the bytes; both
# tools are optional.
pictures=("$out"/*"$suffix".png)
[ -z "$suffix" ] && pictures=($(ls "$out"/*.png | grep -v '@'))
if command -v pngquant >/dev/null; then
  pngquant --force --ext .png --speed 1 --quality 85-100 --strip "${pictures[@]}"
fi
if command -v optipng >/dev/null; then
  optipng -quiet -o5 -strip all "${pictures[@]}"
fi
