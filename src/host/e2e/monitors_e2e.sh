#!/bin/bash
# The full-screen saver on a display of two monitors (Xorg with the dummy
# driver) driven with real X input: both monitors covered, input on the second
# ends the run, and the dial's size on the screen at each LogPixels.
#   monitors_e2e.sh STATE SAVER covers|scale [SNAPSHOT]
# SNAPSHOT (the scale group's) tells the picture's units on the primary monitor.
# STATE is a folder of the test's own for the display and a throwaway Wine
# prefix. Stops only the Xorg, the saver and the Wine prefix it started.
set -uo pipefail
state=$1 saver=$2 group=$3 snapshot=${4:-}
tools=$(cd "$(dirname "$0")/../../../tools" && pwd)
rm -rf "$state" && mkdir -p "$state" && state=$(cd "$state" && pwd)
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

XORG_PID="" saver_pid=""
cleanup() {
  if [[ -n $saver_pid ]]; then kill "$saver_pid" 2>/dev/null; fi
  if [[ -d $WINEPREFIX ]]; then wineserver -k 2>/dev/null; wineserver -w 2>/dev/null; fi
  if [[ -n $XORG_PID ]]; then kill "$XORG_PID" 2>/dev/null; fi
  # The throwaway prefix takes over a gigabyte; the next run makes a new one.
  rm -rf "$WINEPREFIX"
}
trap cleanup EXIT

source "$tools/xorg-monitors.sh"
start_xorg_monitors "$state" || exit 1
wineboot -i >/dev/null 2>&1
wineserver -w
"$tools/wine-fonts.sh" "$WINEPREFIX"
reg_number() { wine reg add "$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null 2>&1; }
reg_number 'HKCU\Software\Wine\WineDbg' ShowCrashDialog 0
reg_number 'HKCU\SOFTWARE\Quellora' Star 0  # a plain background, nothing but its colour
reg_number 'HKCU\SOFTWARE\Quellora' English 1  # the language of the snapshot's texts

failures=0
fail() { echo "FAIL [$case_name]: $*"; failures=$((failures + 1)); }

# The saver's visible X windows, "left top width height id" each, left to right.
saver_windows() {
  local id
  for id in $(xdotool search --onlyvisible --classname quellora.scr 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '/Absolute upper-left X/ { x = $NF }
      /Absolute upper-left Y/ { y = $NF } /Width:/ { w = $NF } /Height:/ { h = $NF }
      END { if (w) print x, y, w, h, id }'
  done | sort -n
}
window_at() { saver_windows | awk -v x="$1" '$1 == x { print $5 }'; }
running() { kill -0 "$saver_pid" 2>/dev/null; }
shot() { import -window root "$state/shot.ppm"; }
colours_in() {  # LEFT TOP WIDTH HEIGHT: the distinct colours there, RRGGBB, sorted
  convert "$state/shot.ppm" -crop "${3}x${4}+${1}+${2}" +repage -unique-colors -depth 8 txt:- |
    awk 'NR > 1 { print substr($3, 2, 6) }' | sort | tr '\n' ' '
}

# On a busy machine the windows take a while to appear and paint: wait up to
# six seconds for both monitors to be covered, the second in the background colour.
start_covered() {
  xdotool mousemove 100 100
  wine "$saver" /s >/dev/null 2>&1 &
  saver_pid=$!
  local i seen
  for ((i = 0; i < 30; i++)); do
    seen=$(saver_windows | cut -d' ' -f1-4 | tr '\n' ';')
    [[ $seen == "0 0 1280 800;1280 0 1024 768;" ]] && break
    sleep 0.2
  done
  [[ $seen == "0 0 1280 800;1280 0 1024 768;" ]] || { fail "windows: $seen"; return 1; }
  for ((i = 0; i < 12; i++)); do
    shot
    # Inside its black edge the second monitor is the background colour alone.
    seen=$(colours_in 1280 0 1024 768)/$(colours_in 1281 1 1022 766)
    [[ $seen == "000000 00001E /00001E " ]] && return 0
    sleep 0.5
  done
  fail "the second monitor shows $seen"
}

ended_within_seconds() {
  local i
  for ((i = 0; i < $1 * 5; i++)); do
    if ! running; then
      saver_pid=""
      [[ -z $(saver_windows) ]] || fail "windows left behind"
      return 0
    fi
    sleep 0.2
  done
  fail "still running $1 s after $2"
}

key_on() {  # the X input focus to a window, then a real key
  xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool key space
}

case_key_on_the_second_monitor() {
  start_covered || return
  key_on "$(window_at 1280)"
  ended_within_seconds 6 "a key on the second monitor"
}

case_mouse_moves_on_both_monitors() {
  start_covered || return
  sleep 1  # mapped and painted before the first real move
  # One count for all windows: second monitor, primary, then the second again.
  xdotool mousemove 1500 300
  sleep 1.5
  xdotool mousemove 400 600
  sleep 1.5
  running || { fail "ended after two mouse moves"; return; }
  xdotool mousemove 1700 500
  ended_within_seconds 6 "the third mouse move"
}

# Where the dial's outline crosses the row 7.5 degrees above the centre of the
# primary monitor (between the spokes "00" and "01"): its distance from the centre.
dial_radius() {  # UNITS-WIDE UNITS-HIGH: the picture's size on the primary monitor
  local cx cy y x
  read -r cx cy y < <(awk -v wu="$1" -v hu="$2" 'BEGIN { cx = int(wu / 2) * 1280 / wu; cy = int(hu / 2) * 800 / hu
    printf "%.2f %.2f %d\n", cx, cy, int(cy - 240 * 1280 / wu * sin(7.5 * 3.14159265 / 180) + 0.5) }')
  x=$(convert "$state/shot.ppm" -crop "1280x1+0+$y" +repage -depth 8 txt:- |
    awk 'NR > 1 && $3 == "#002F5E" { split($1, p, ","); print p[1]; exit }')
  awk -v x="${x:--1000}" -v y="$y" -v cx="$cx" -v cy="$cy" 'BEGIN { printf "%.1f\n", sqrt((cx - x) ^ 2 + (cy - y) ^ 2) }'
}

# The picture's units on the 1280x800 primary monitor at a DPI, as the saver
# picks them there: the display's scale where the picture fits, else smaller.
picture_units() {  # DPI
  wine "$snapshot" --now "2021-07-10 09:40" --birth "2000-01-01 00:00" --lang en --size 1280x800 --dpi "$1" \
    --list "Z:${state//\//\\}\\list.txt" >/dev/null 2>&1
  tr -d '\r' <"$state/list.txt" | awk 'NR == 2 { print $4, $5 }'
}

scale_case() {  # DPI: the dial 240 units in radius, the second monitor still covered
  local dpi=$1 radius expected units
  reg_number 'HKCU\Control Panel\Desktop' LogPixels "$dpi"
  units=$(picture_units "$dpi")
  [[ -n $units ]] || { fail "no listing from the snapshot tool"; return; }
  expected=$(awk -v u="${units% *}" 'BEGIN { printf "%.1f", 240 * 1280 / u }')
  start_covered || return
  sleep 1
  shot
  radius=$(dial_radius $units)
  echo "dial radius at $dpi DPI: $radius px on the screen (240 of ${units/ /x} units: $expected px)"
  awk -v r="$radius" -v e="$expected" 'BEGIN { exit !(r >= e - 1.5 && r <= e + 1.5) }' ||
    fail "dial radius $radius px, wanted $expected"
  key_on "$(window_at 0)"
  ended_within_seconds 6 "a key"
}

case $group in
  covers) cases=(key_on_the_second_monitor mouse_moves_on_both_monitors) ;;
  scale) cases=("scale_case 96" "scale_case 120" "scale_case 144" "scale_case 192") ;;
  *) echo "usage: $0 STATE SAVER covers|scale [SNAPSHOT]" >&2; exit 2 ;;
esac
for case_name in "${cases[@]}"; do
  before=$failures
  if [[ $case_name == scale_case* ]]; then $case_name; else "case_$case_name"; fi
  if [[ -n $saver_pid ]]; then kill "$saver_pid" 2>/dev/null; wait "$saver_pid" 2>/dev/null; saver_pid=""; fi
  ((failures == before)) && echo "ok: $case_name"
done
echo "$failures failure(s)"
exit $((failures > 0))
