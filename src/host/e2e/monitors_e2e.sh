#!/bin/bash
# The full-screen saver on a display of two monitors (Xorg with the dummy
# driver) driven with real X input: both monitors covered, input on the second
# ends the run, and the dial's size on the screen at each LogPixels. What the
# screen should show (the background, the dial's circle and colour, the frame)
# comes from the snapshot tool's listing of the same picture.
#   monitors_e2e.sh STATE SAVER SNAPSHOT covers|scale
# STATE is a folder of the test's own for the display and a throwaway Wine
# prefix. Stops only the Xorg, the saver and the Wine prefix it started.
set -uo pipefail
state=$1 saver=$2 snapshot=$3 group=$4
source "$(dirname "$0")/../../../tools/lib.sh"
rm -rf "$state" && mkdir -p "$state" && state=$(cd "$state" && pwd)
export WINEPREFIX=$state/prefix

XORG_PID="" saver_pid=""
cleanup() {
  stop_saver
  remove_prefix  # and with it the prefix's one wineserver
  if [[ -n $XORG_PID ]]; then kill "$XORG_PID" 2>/dev/null; fi
}
trap cleanup EXIT

start_xorg_monitors "$state" || exit 1
prepare_prefix
start_wineserver
reg_number 'HKCU\SOFTWARE\Quellora' Star 0  # a plain background, nothing but its colour
reg_number 'HKCU\SOFTWARE\Quellora' English 1  # the listing's language: the fit measures its texts
# The primary monitor, and the second to its right (see start_xorg_monitors).
primary_w=1920 primary_h=1200 second_w=1024 second_h=768

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
shot() { import -window root "$state/shot.ppm"; }
shot_colours() { colours_in "$state/shot.ppm" "$@" | tr '\n' ' '; }  # LEFT TOP WIDTH HEIGHT

# The primary monitor's picture as the snapshot tool draws it at DPI: sets
# background (RRGGBB), and the dial's circle dial_l dial_t dial_r dial_b
# (pixels) and dial_colour (RRGGBB): the first ellipse, drawn with the pen
# selected before it.
read_listing() {  # DPI
  snapshot_picture "$snapshot" "$state" --now "2021-07-10 09:40" --birth "1985-07-01 08:30" --stars off --lang en \
    --size "${primary_w}x$primary_h" --dpi "$1" || { fail "no listing at $1 DPI"; return 1; }
  read -r background dial_l dial_t dial_r dial_b dial_colour < <(awk '
    $1 == "Brush" && !bg { bg = $2 }
    $1 == "Pen" { pen = $3 }
    $1 == "Ellipse" { print bg, $2, $3, $4, $5, pen; exit }' "$state/listing")
  [[ -n ${dial_colour:-} ]] || { fail "no dial in the listing at $1 DPI"; return 1; }
  background=$(rgb_of "$background") dial_colour=$(rgb_of "$dial_colour")
}

# On a busy machine the windows take a while to appear and paint: wait up to
# six seconds for both monitors to be covered, the second in the background colour.
covered() {
  local seen
  seen=$(saver_windows | cut -d' ' -f1-4 | tr '\n' ';')
  [[ $seen == "0 0 $primary_w $primary_h;$primary_w 0 $second_w $second_h;" ]]
}
# The second monitor's colours, whole and inside its one-pixel edge.
second_colours() {
  echo "$(shot_colours "$primary_w" 0 "$second_w" "$second_h")/$(shot_colours $((primary_w + 1)) 1 $((second_w - 2)) $((second_h - 2)))"
}
second_monitor_painted() {
  shot
  # Inside its edge (the surface's default black pen) the second monitor is the background alone.
  [[ $(second_colours) == "000000 $background /$background " ]]
}
start_covered() {
  xdotool mousemove 100 100
  start_saver "$saver" /s || { fail "no saver window"; return 1; }
  wait_until 6 covered || { fail "windows: $(saver_windows | cut -d' ' -f1-4 | tr '\n' ';')"; return 1; }
  wait_until 6 second_monitor_painted || fail "the second monitor shows $(second_colours)"
}

ended_within_seconds() {
  if wait_exit "$saver_pid" "$1"; then
    saver_pid=""
    [[ -z $(saver_windows) ]] || fail "windows left behind"
  else
    fail "still running $1 s after $2"
  fi
}

key_on() {  # the X input focus to a window, then a real key
  xdotool windowfocus --sync "$1" 2>/dev/null
  xdotool key space
}

case_key_on_the_second_monitor() {
  start_covered || return
  key_on "$(window_at "$primary_w")"
  ended_within_seconds 6 "a key on the second monitor"
}

case_mouse_moves_on_both_monitors() {
  start_covered || return
  sleep 1  # mapped and painted before the first real move
  # One count for all windows: second monitor, primary, then the second again.
  xdotool mousemove $((primary_w + 220)) 300
  sleep 1.5
  xdotool mousemove 400 600
  sleep 1.5
  running "$saver_pid" || { fail "ended after two mouse moves"; return; }
  xdotool mousemove $((primary_w + 420)) 500
  ended_within_seconds 6 "the third mouse move"
}

# The dial on the primary monitor as the listing places it: sets dial_x
# dial_y (its centre), expected_radius, and row: the row 7.5 degrees above the
# centre (between the spokes "00" and "01").
dial_on_screen() {
  read -r dial_x dial_y expected_radius row < <(awk -v l="$dial_l" -v t="$dial_t" -v r="$dial_r" -v b="$dial_b" '
    BEGIN { x = (l + r) / 2; y = (t + b) / 2; radius = (r - l) / 2
            printf "%.2f %.2f %.2f %d\n", x, y, radius, int(y - radius * sin(7.5 * 3.14159265 / 180) + 0.5) }')
}
# Where the dial's outline crosses that row on the screen: its distance from the centre.
radius_on_screen() {
  local x
  x=$(convert "$state/shot.ppm" -crop "${primary_w}x1+0+$row" +repage -depth 8 txt:- |
    awk -v c="#$dial_colour" 'NR > 1 && toupper($3) == toupper(c) { split($1, p, ","); print p[1]; exit }')
  awk -v x="${x:--1000}" -v y="$row" -v cx="$dial_x" -v cy="$dial_y" 'BEGIN { printf "%.1f\n", sqrt((cx - x) ^ 2 + (cy - y) ^ 2) }'
}
dial_painted() {
  shot
  radius=$(radius_on_screen)
  awk -v r="$radius" -v e="$expected_radius" 'BEGIN { exit !(r >= e - 1.5 && r <= e + 1.5) }'
}

scale_case() {  # DPI: the dial as large as the listing says, the second monitor still covered
  local dpi=$1 radius
  read_listing "$dpi" || return
  dial_on_screen
  reg_number 'HKCU\Control Panel\Desktop' LogPixels "$dpi"
  start_covered || return
  # Measured until the primary monitor has painted its dial (a busy machine is slow).
  wait_until 6 dial_painted
  echo "dial radius at $dpi DPI: $radius px on the screen (the listing's: $expected_radius px)"
  dial_painted || fail "dial radius $radius px, wanted $expected_radius"
  key_on "$(window_at 0)"
  ended_within_seconds 6 "a key"
}

# Each case a command: the function and its arguments, split at blanks.
case $group in
  covers) read_listing 96 || exit 1; cases=(case_key_on_the_second_monitor case_mouse_moves_on_both_monitors) ;;
  scale) cases=("scale_case 96" "scale_case 120" "scale_case 144" "scale_case 192") ;;
  *) echo "usage: $0 STATE SAVER SNAPSHOT covers|scale" >&2; exit 2 ;;
esac
for command in "${cases[@]}"; do
  # shellcheck disable=SC2086
  run_case "${command#case_}" $command
  stop_saver
done
end_suite
