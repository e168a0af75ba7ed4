#!/bin/bash
# The full-screen saver on a display of several monitors (Xorg with the dummy
# driver), driven from outside with real X input: what the X server shows on
# each monitor for each layout, which input on another monitor ends the run,
# and the picture at the display's scale (LogPixels) measured on the screen.
#   monitors_e2e.sh STATE SAVER covers|input|scale
# STATE is a folder of the test's own for the display and a throwaway Wine
# prefix; SAVER is quellora.scr. Stops only the Xorg, the saver and the Wine
# prefix it started.
set -uo pipefail
state=$1 saver=$2 group=$3
tools=$(cd "$(dirname "$0")/../../../tools" && pwd)
rm -rf "$state" && mkdir -p "$state" && state=$(cd "$state" && pwd)
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml="

XORG_PID=""
saver_pid=""
cleanup() {
  if [[ -n $saver_pid ]]; then kill "$saver_pid" 2>/dev/null; fi
  if [[ -d $WINEPREFIX ]]; then
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
  fi
  if [[ -n $XORG_PID ]]; then kill "$XORG_PID" 2>/dev/null; fi
}
trap cleanup EXIT

source "$tools/xorg-monitors.sh"
start_xorg_monitors "$state" || exit 1
wineboot -i >/dev/null 2>&1
wineserver -w
"$tools/wine-fonts.sh" "$WINEPREFIX"
wine reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1

case_name=""
failures=0
fail() {
  echo "FAIL [$case_name]: $*"
  failures=$((failures + 1))
}

registry_number() {  # registry_number KEY NAME VALUE
  wine reg add "$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null 2>&1
}

# The monitors Wine sees come from the X server when its session starts.
layout() {  # layout XRANDR-ARGUMENTS...: a new monitor layout, and Wine restarted to see it
  xrandr "$@" || fail "xrandr $*"
  probe_outputs
  wineserver -k 2>/dev/null
  wineserver -w 2>/dev/null
}

# The saver's visible X windows, one line each, "left top width height id", left to right.
saver_windows() {
  local id
  for id in $(xdotool search --onlyvisible --classname quellora.scr 2>/dev/null); do
    xwininfo -id "$id" 2>/dev/null | awk -v id="$id" '
      /Absolute upper-left X/ { x = $NF } /Absolute upper-left Y/ { y = $NF }
      /Width:/ { w = $NF } /Height:/ { h = $NF } END { if (w) print x, y, w, h, id }'
  done | sort -n
}

geometry() { saver_windows | cut -d' ' -f1-4; }
window_at() { saver_windows | awk -v x="$1" '$1 == x { print $5 }'; }

start_saver() {  # with the pointer parked on the primary monitor first
  xdotool mousemove 100 100
  wine "$saver" /s >/dev/null 2>&1 &
  saver_pid=$!
  local i
  for ((i = 0; i < 100; i++)); do
    [[ -n $(saver_windows) ]] && break
    sleep 0.2
  done
  # Every window is made before the first one is shown; let them all paint.
  [[ -n $(saver_windows) ]] || { fail "no saver window"; return 1; }
}

running() { kill -0 "$saver_pid" 2>/dev/null; }

ended_within() {  # ended_within SECONDS: the saver's process has ended and its windows are gone
  local i
  for ((i = 0; i < $1 * 5; i++)); do
    if ! running; then
      wait "$saver_pid" 2>/dev/null
      saver_pid=""
      [[ -z $(saver_windows) ]] || fail "windows left behind: $(geometry)"
      return 0
    fi
    sleep 0.2
  done
  return 1
}

end_saver() {  # a case that went wrong must not leave the saver to the next one
  if [[ -n $saver_pid ]] && running; then
    kill "$saver_pid" 2>/dev/null
    wait "$saver_pid" 2>/dev/null
  fi
  saver_pid=""
}

shot() { import -window root "$state/shot.ppm"; }

colours_in() {  # colours_in LEFT TOP WIDTH HEIGHT: the distinct colours there, RRGGBB, sorted
  convert "$state/shot.ppm" -crop "${3}x${4}+${1}+${2}" +repage -unique-colors -depth 8 txt:- |
    awk 'NR > 1 { print substr($3, 2, 6) }' | sort | tr '\n' ' '
}

# On a busy machine the windows may take a while to appear and paint: these
# wait up to six seconds for what they expect, and fail with what they saw.
windows_are() {  # windows_are EXPECTED-GEOMETRY
  local i
  for ((i = 0; i < 30; i++)); do
    [[ $(geometry) == "$1" ]] && return 0
    sleep 0.2
  done
  fail "windows: $(geometry | tr '\n' ';'), wanted ${1//$'\n'/;}"
}

shows() {  # shows LEFT TOP WIDTH HEIGHT COLOURS: a fresh shot holds just these colours there
  local i seen
  for ((i = 0; i < 12; i++)); do
    shot
    seen=$(colours_in "$1" "$2" "$3" "$4")
    [[ $seen == "$5" ]] && return 0
    sleep 0.5
  done
  fail "$3x$4 at $1,$2 shows $seen, wanted $5"
}

background=00001E
star=C3C3C3

key_on() {  # key_on WINDOW: the X input focus to that window, then a real key
  xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool key space
}

# --- The layouts --------------------------------------------------------------

case_two_side_by_side() {
  registry_number 'HKCU\SOFTWARE\Quellora' Star 0
  start_saver || return
  windows_are $'0 0 1280 800\n1280 0 1024 768'
  # Inside its black edge the second monitor is the background colour alone.
  shows 1281 1 1022 766 "$background "
  shows 1280 0 1024 768 "000000 $background "
  key_on "$(window_at 0)"
  ended_within 6 || fail "a key did not end the saver"
}

case_stars_on_every_monitor() {
  registry_number 'HKCU\SOFTWARE\Quellora' Star 1
  start_saver || return
  windows_are $'0 0 1280 800\n1280 0 1024 768'
  sleep 1
  shot
  [[ $(colours_in 1281 1 1022 766) == *"$star"* ]] || fail "no stars on the second monitor"
  [[ $(colours_in 1 1 400 300) == *"$star"* || $(colours_in 880 1 399 798) == *"$star"* ]] ||
    fail "no stars on the primary monitor's edges"
  key_on "$(window_at 1280)"
  ended_within 6 || fail "a key on the cover did not end the saver"
  registry_number 'HKCU\SOFTWARE\Quellora' Star 0
}

case_second_to_the_left() {
  layout --output DUMMY1 --mode 1024x768 --left-of DUMMY0
  start_saver || return
  # The X server's 0,0 is the second monitor's corner; Windows puts it at -1024,0.
  windows_are $'0 0 1024 768\n1024 0 1280 800'
  shows 1 1 1022 766 "$background "
  key_on "$(window_at 0)"
  ended_within 6 || fail "a key on the left monitor did not end the saver"
  layout --output DUMMY1 --mode 1024x768 --right-of DUMMY0
}

case_one_monitor() {
  layout --output DUMMY1 --off
  start_saver || return
  sleep 2  # no cover comes later either
  windows_are '0 0 1280 800'
  key_on "$(window_at 0)"
  ended_within 6 || fail "a key did not end the saver"
  layout --output DUMMY1 --mode 1024x768 --right-of DUMMY0
}

case_mirrored_monitor() {
  layout --output DUMMY1 --mode 1024x768 --same-as DUMMY0
  start_saver || return
  sleep 2
  windows_are '0 0 1280 800'
  key_on "$(window_at 0)"
  ended_within 6 || fail "a key did not end the saver"
  layout --output DUMMY1 --mode 1024x768 --right-of DUMMY0
}

# --- Real input on the second monitor -----------------------------------------

both_covered() {
  windows_are $'0 0 1280 800\n1280 0 1024 768'
  sleep 1  # the windows mapped and painted before the first real input
}

case_mouse_moves_counted_across_monitors() {
  start_saver || return
  both_covered
  # The first move on the second monitor, the second on the primary: both
  # tolerated; the third, on the second monitor again, asks and ends the run.
  xdotool mousemove 1500 300
  sleep 1.5
  running || { fail "ended after one mouse move"; return; }
  xdotool mousemove 400 600
  sleep 1.5
  running || { fail "ended after two mouse moves"; return; }
  xdotool mousemove 1700 500
  ended_within 6 || fail "the third mouse move did not end the saver"
}

case_three_moves_on_the_second_monitor() {
  start_saver || return
  both_covered
  xdotool mousemove 1400 200
  sleep 1
  xdotool mousemove 1600 400
  sleep 1
  running || { fail "ended after two mouse moves"; return; }
  xdotool mousemove 2000 600
  ended_within 6 || fail "three moves on the second monitor did not end the saver"
}

case_click_then_key_on_the_second_monitor() {
  start_saver || return
  both_covered
  # A click there is a mouse event too (the pointer's arrival the first).
  xdotool mousemove 1800 400 click 1
  sleep 1.5
  running || { fail "ended after a move and a click"; return; }
  key_on "$(window_at 1280)"
  ended_within 6 || fail "a key on the second monitor did not end the saver"
}

# --- The display's scale --------------------------------------------------------

# The dial's radius on the primary monitor (1280x800), found where its outline
# crosses the row 7.5 degrees above the centre, between the spokes "00" and "01".
dial_radius() {  # dial_radius DPI
  local dpi=$1 units cx cy y x
  read -r cx cy y < <(awk -v d="$dpi" 'BEGIN {
    wu = int(1280 * 96 / d + 0.5); hu = int(800 * 96 / d + 0.5)
    cx = int(wu / 2) * 1280 / wu; cy = int(hu / 2) * 800 / hu
    printf "%.2f %.2f %d\n", cx, cy, int(cy - 240 * d / 96 * sin(7.5 * 3.14159265 / 180) + 0.5) }')
  x=$(convert "$state/shot.ppm" -crop "1280x1+0+$y" +repage -depth 8 txt:- |
    awk 'NR > 1 && $3 == "#002F5E" { split($1, p, ","); print p[1]; exit }')
  [[ -n $x ]] || { echo none; return; }
  awk -v x="$x" -v y="$y" -v cx="$cx" -v cy="$cy" 'BEGIN { printf "%.1f\n", sqrt((cx - x) ^ 2 + (cy - y) ^ 2) }'
}

scale_case() {  # scale_case DPI: the dial's radius at that DPI, and the second monitor still covered
  local dpi=$1 radius expected
  registry_number 'HKCU\Control Panel\Desktop' LogPixels "$dpi"
  start_saver || return
  windows_are $'0 0 1280 800\n1280 0 1024 768'
  shows 1281 1 1022 766 "$background "
  local i
  for ((i = 0; i < 5; i++)); do
    shot
    radius=$(dial_radius "$dpi")
    [[ $radius != none ]] && break
    sleep 0.5
  done
  expected=$((240 * dpi / 96))
  echo "dial radius at $dpi DPI: $radius px on the screen (240 units: $expected px)"
  awk -v r="$radius" -v e="$expected" 'BEGIN { exit !(r != "none" && r >= e - 1.5 && r <= e + 1.5) }' ||
    fail "dial radius $radius px, wanted $expected"
  key_on "$(window_at 0)"
  ended_within 6 || fail "a key did not end the saver"
}

case_scale_96() { scale_case 96; }
case_scale_120() { scale_case 120; }
case_scale_144() { scale_case 144; }
case_scale_192() { scale_case 192; }

case $group in
  covers) cases=(two_side_by_side stars_on_every_monitor second_to_the_left one_monitor mirrored_monitor) ;;
  input)
    registry_number 'HKCU\SOFTWARE\Quellora' Star 0
    cases=(mouse_moves_counted_across_monitors three_moves_on_the_second_monitor click_then_key_on_the_second_monitor)
    ;;
  scale)
    registry_number 'HKCU\SOFTWARE\Quellora' Star 0
    cases=(scale_96 scale_120 scale_144 scale_192)
    ;;
  *) echo "usage: $0 STATE SAVER covers|input|scale" >&2; exit 2 ;;
esac

for case_name in "${cases[@]}"; do
  echo "--- $case_name"
  before=$failures
  "case_$case_name"
  end_saver
  ((failures == before)) && echo "ok"
done
echo "$failures failure(s)"
exit $((failures > 0))
