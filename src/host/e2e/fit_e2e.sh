#!/bin/bash
# The full-screen saver on screens of a given size and scale (LogPixels), each
# an Xvfb display of its own: the screenshot shows all twelve discs whole, in
# their colours, where the snapshot tool's listing for that screen puts them
# (the tool picks the picture's scale by the saver's own rule).
#   fit_e2e.sh STATE SAVER SNAPSHOT [--shots DIR] WIDTHxHEIGHT@DPI...
# STATE is a folder of the test's own for the displays and a throwaway Wine
# prefix; --shots keeps each screenshot as DIR/saver-WIDTHxHEIGHT-DPI.png.
# Stops only the Xvfb, the saver and the Wine prefix it started.
set -uo pipefail
state=$1 saver=$2 snapshot=$3
shift 3
shots=""
if [[ ${1:-} == --shots ]]; then shots=$(mkdir -p "$2" && cd "$2" && pwd); shift 2; fi
source "$(dirname "$0")/../../../tools/lib.sh"
rm -rf "$state" && mkdir -p "$state" && state=$(cd "$state" && pwd)
export WINEPREFIX=$state/prefix LC_ALL=en_US.UTF-8

XVFB_PID="" saver_pid=""
stop_display() {
  if [[ -n $saver_pid ]]; then kill "$saver_pid" 2>/dev/null; wait "$saver_pid" 2>/dev/null; saver_pid=""; fi
  # Wine keeps the desktop's size for as long as its server runs.
  if [[ -d $WINEPREFIX ]]; then timeout 30 wineserver -k 2>/dev/null; wait_wineserver; fi
  if [[ -n $XVFB_PID ]]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""; fi
}
cleanup() {
  stop_display
  remove_prefix
}
trap cleanup EXIT

# The colours of the 3x3 pixels around X Y in the screenshot.
colours_around() { colours_in "$state/shot.ppm" $(($1 - 1)) $(($2 - 1)) 3 3; }

check_screen() {  # WIDTH HEIGHT DPI
  local width=$1 height=$2 dpi=$3 moment i
  start_xvfb "$state" "${width}x${height}x24" || return
  if [[ ! -d $WINEPREFIX ]]; then
    prepare_prefix
    reg_number 'HKCU\SOFTWARE\Quellora' English 1
    reg_number 'HKCU\SOFTWARE\Quellora' Star 1
    # The birth text in the U.S. formats the saver reads under LC_ALL.
    reg_set 'HKCU\SOFTWARE\Quellora' User Anna
    reg_set 'HKCU\SOFTWARE\Quellora' Birth '7/1/1985 8:30:00 AM'
  fi
  reg_number 'HKCU\Control Panel\Desktop' LogPixels "$dpi"
  wine "$saver" /s >/dev/null 2>&1 &
  saver_pid=$!
  if ! timeout "$(bound 30)" xdotool search --sync --onlyvisible --classname quellora.scr >/dev/null 2>&1; then
    fail "no saver window"
    return
  fi
  sleep 2
  moment=$(date '+%Y-%m-%d %H:%M')
  import -window root "$state/shot.ppm"
  [[ -n $shots ]] && convert "$state/shot.ppm" -strip "$shots/saver-${width}x${height}-${dpi}.png"

  wine_for 60 "$snapshot" --now "$moment" --user Anna --birth "1985-07-01 08:30" --lang en --size "${width}x${height}" \
    --dpi "$dpi" --list "$(wine_path "$state/list.txt")" >/dev/null 2>&1 || { fail "no listing"; return; }
  local units_wide units_high
  read -r _ _ _ units_wide units_high < <(tr -d '\r' <"$state/list.txt" | sed -n 2p)
  awk -v w="$width" -v u="$units_wide" -v d="$dpi" -v s="$case_name" 'BEGIN {
    printf "%s: the picture is %d units wide, drawn at %.3f times (the display asks %.3f)\n", s, u, w / u, d / 96 }'

  # Each ring disc: a 50-unit ellipse filled with the brush selected before it.
  local discs=0 brush="" op args
  while read -r op args; do
    if [[ $op == Brush ]]; then brush=$args; continue; fi
    [[ $op == Ellipse ]] || continue
    local l t r b
    read -r l t r b <<<"$args"
    ((r - l == 50)) || continue
    discs=$((discs + 1))
    local wanted points x y dx dy
    wanted=$(rgb_of "$brush")
    # The disc's box within the screen, and its fill on both sides of the badge
    # and above it beside the code, at the scale the listing gives.
    points=$(awk -v l="$l" -v t="$t" -v r="$r" -v b="$b" -v w="$width" -v h="$height" -v uw="$units_wide" \
      -v uh="$units_high" 'BEGIN { sx = w / uw; sy = h / uh
        if (l * sx < 0 || t * sy < 0 || r * sx > w || b * sy > h) { print "outside"; exit }
        cx = l + 25; cy = t + 25
        split("-20 0 20 0 -15 -15 15 -15 -18 15 18 15", o, " ")
        for (i = 1; i < 12; i += 2) printf "%d %d\n", int((cx + o[i]) * sx + 0.5), int((cy + o[i + 1]) * sy + 0.5) }')
    if [[ $points == outside ]]; then
      fail "disc $discs at $l $t $r $b units lies outside the screen"
      continue
    fi
    while read -r x y; do
      colours_around "$x" "$y" | grep -qx "$wanted" ||
        fail "disc $discs ($wanted) at $l $t $r $b units: not its colour near $x,$y px but $(colours_around "$x" "$y" | tr '\n' ' ')"
    done <<<"$points"
  done < <(tr -d '\r' <"$state/list.txt")
  ((discs == 12)) || fail "$discs discs in the listing, wanted 12"
  stop_display
}

for screen in "$@"; do
  case_name=$screen before=$failures
  size=${screen%@*}
  check_screen "${size%x*}" "${size#*x}" "${screen#*@}"
  stop_display
  ((failures == before)) && echo "ok: $screen: all twelve discs whole"
done
echo "$failures failure(s)"
exit $((failures > 0))
