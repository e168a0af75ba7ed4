#!/bin/bash
# The full-screen saver on screens of a given size and scale (LogPixels), each
# an Xvfb display of its own, with a name of a given kind: the screenshot is
# the snapshot tool's picture of that screen to the pixel, all twelve discs are
# whole on it in their colours, no text's ink comes within 2 pixels of a disc
# or into the screen's outer 3 pixels, and a name too long for its corner ends
# clear of the site address while one with a direction override leaves the
# birth moment as it reads.
#   fit_e2e.sh STATE SAVER SNAPSHOT [--shots DIR] WIDTHxHEIGHT@DPI[:LANG[:NAME]]...
# LANG is en or ru (en when left out); NAME is short (Anna), long (300
# characters) or override (Anna and U+202E). STATE is a folder of the test's
# own for the displays and a throwaway Wine prefix; --shots keeps each
# screenshot as DIR/saver-WIDTHxHEIGHT-DPI.png. Stops only the Xvfb, the saver
# and the Wine prefix it started.
set -uo pipefail
state=$1 saver=$2 snapshot=$3
shift 3
shots=""
if [[ ${1:-} == --shots ]]; then shots=$(mkdir -p "$2" && cd "$2" && pwd); shift 2; fi
source "$(dirname "$0")/../../../tools/lib.sh"
rm -rf "$state" && mkdir -p "$state" && state=$(cd "$state" && pwd)
export WINEPREFIX=$state/prefix LC_ALL=en_US.UTF-8

readonly background=00001E  # the picture's background colour as RRGGBB
long_name=$(printf 'Anna Maria Schmidt-Ivanova %.0s' {1..12} | cut -c 1-300)
override_name=$(printf 'Anna\u202e')

XVFB_PID="" saver_pid=""
stop_display() {
  stop_saver
  # Wine keeps the desktop's size for as long as its server runs: each screen
  # has a server of its own.
  if [[ -d $WINEPREFIX ]]; then timeout 30 wineserver -k 2>/dev/null; wait_wineserver; fi
  if [[ -n $XVFB_PID ]]; then kill "$XVFB_PID" 2>/dev/null; wait "$XVFB_PID" 2>/dev/null; XVFB_PID=""; fi
}
cleanup() {
  stop_display
  remove_prefix
}
trap cleanup EXIT

# The snapshot tool's listing and image of the screen at the moment the
# screenshot was taken, for the saver's settings.
draw_snapshot() {  # WIDTH HEIGHT DPI LANG USER MOMENT
  snapshot_picture "$snapshot" "$state" --now "$6" --user "$5" --birth "1985-07-01 08:30" --lang "$4" --stars off \
    --size "$1x$2" --dpi "$3"
}

# Pixels of the screenshot that are not the background within a ring 1 to 2
# pixels outside a disc's outline (its pen's width centred on the circle): a
# text's ink within the gap of the disc.
touching_disc() {  # LEFT TOP RIGHT BOTTOM PEN
  local l=$1 t=$2 r=$3 b=$4 pen=$5 margin=6
  convert "$state/shot.ppm" -crop "$((r - l + 2 * margin))x$((b - t + 2 * margin))+$((l - margin))+$((t - margin))" \
    +repage -depth 8 txt:- |
    awk -v size="$((r - l))" -v margin="$margin" -v pen="$pen" -v bg="$background" -F'[,: ]+' '
      BEGIN { radius = size / 2.0 + pen - 1; cx = size / 2.0 + margin }
      NR > 1 { x = $1 + 0.5; y = $2 + 0.5; d = sqrt((x - cx) ^ 2 + (y - cx) ^ 2)
               for (i = 1; i <= NF; i++) if ($i ~ /^#/) { colour = substr($i, 2, 6); break }
               if (d > radius + 1 && d <= radius + 2 && colour != bg) n++ }
      END { print n + 0 }'
}

# The colours of the screenshot's frame of 3 pixels, the outermost row and
# column apart (the picture's black edge): the background alone.
edge_colours() {  # WIDTH HEIGHT
  local w=$1 h=$2
  { colours_in "$state/shot.ppm" 1 1 $((w - 2)) 2
    colours_in "$state/shot.ppm" 1 $((h - 3)) $((w - 2)) 2
    colours_in "$state/shot.ppm" 1 1 2 $((h - 2))
    colours_in "$state/shot.ppm" $((w - 3)) 1 2 $((h - 2)); } | sort -u | tr '\n' ' '
}

check_screen() {  # WIDTH HEIGHT DPI LANG NAME
  local width=$1 height=$2 dpi=$3 lang=$4 kind=$5 user
  case $kind in
    long) user=$long_name ;;
    override) user=$override_name ;;
    *) user=Anna ;;
  esac
  start_xvfb "$state" "${width}x${height}x24" || return
  [[ -d $WINEPREFIX ]] || prepare_prefix
  start_wineserver
  reg_number 'HKCU\SOFTWARE\Quellora' English "$([[ $lang == en ]] && echo 1 || echo 0)"
  reg_number 'HKCU\SOFTWARE\Quellora' Star 0
  reg_set 'HKCU\SOFTWARE\Quellora' User "$user"
  # The birth text in the U.S. formats the saver reads under LC_ALL.
  reg_set 'HKCU\SOFTWARE\Quellora' Birth '7/1/1985 8:30:00 AM'
  reg_number 'HKCU\Control Panel\Desktop' LogPixels "$dpi"
  start_saver "$saver" /s || { fail "no saver window"; return; }
  sleep 2
  # The screenshot and the snapshot of its minute; once more should the
  # minute turn between the two.
  local moment attempt differing=""
  for attempt in 1 2; do
    # Clear of a minute's turn, which the saver needs a moment to draw.
    local second=$((10#$(date +%S)))
    if ((second < 3)); then sleep $((3 - second)); elif ((second > 56)); then sleep $((63 - second)); fi
    moment=$(date '+%Y-%m-%d %H:%M')
    import -window root "$state/shot.ppm"
    [[ $(date '+%Y-%m-%d %H:%M') == "$moment" ]] || continue
    draw_snapshot "$width" "$height" "$dpi" "$lang" "$user" "$moment" || { fail "no snapshot"; return; }
    differing=$(compare -metric AE "$state/shot.ppm" "$state/snapshot.bmp" null: 2>&1)
    break
  done
  [[ -n $shots ]] && convert "$state/shot.ppm" -strip "$shots/saver-${width}x${height}-${dpi}.png"
  [[ $differing == 0 ]] || fail "the screen is not the snapshot tool's picture: $differing pixels differ"
  read -r _ label_font _ < <(grep -m1 '^Font' "$state/listing")
  echo "$case_name: the labels' font is $label_font px (15 px at 96 DPI; the display asks $(awk -v d="$dpi" 'BEGIN { printf "%.3f", d / 96 }') times)"

  # Each ring disc: inside the screen's outer 3 pixels, its fill on both sides
  # of the badge and above it beside the code, and nothing but the background
  # just outside it.
  local discs=0 colour l t r b pen
  while read -r colour l t r b pen; do
    discs=$((discs + 1))
    if ((l < 3 || t < 3 || r > width - 3 || b > height - 3)); then
      fail "disc $discs at $l $t $r $b lies outside the screen's inner part"
      continue
    fi
    local x y cx=$(((l + r) / 2)) cy=$(((t + b) / 2)) q=$(((r - l) * 3 / 10))
    for x in $((cx - q)) $((cx + q)); do
      for y in $cy $((cy - q)); do
        colours_in "$state/shot.ppm" $((x - 1)) $((y - 1)) 3 3 | grep -qx "$colour" ||
          fail "disc $discs ($colour) at $l $t $r $b: not its colour near $x,$y but $(colours_in "$state/shot.ppm" $((x - 1)) $((y - 1)) 3 3 | tr '\n' ' ')"
      done
    done
    local near
    near=$(touching_disc "$l" "$t" "$r" "$b" "$pen")
    ((near == 0)) || fail "disc $discs at $l $t $r $b: $near pixels of ink within 2 pixels of it"
  done < <(ring_discs "$state/listing")
  ((discs == 12)) || fail "$discs discs in the listing, wanted 12"
  local edge
  edge=$(edge_colours "$width" "$height")
  [[ $edge == "$background " ]] || fail "the screen's outer 3 pixels hold $edge"

  # The bottom row: the person text in two runs, the site address at the right.
  local site_x row name_run rest_run
  read -r site_x row < <(awk '$1 == "Text" && /"WWW\./ { print $2, $3 }' "$state/listing")
  name_run=$(awk -v row="$row" -v site="$site_x" '$1 == "Text" && $3 == row && $2 < site' "$state/listing" | head -1)
  rest_run=$(awk -v row="$row" -v site="$site_x" '$1 == "Text" && $3 == row && $2 < site' "$state/listing" | sed -n 2p)
  case $kind in
    long)
      [[ $rest_run == *'"…, 01.07.1985 08:30"' ]] || fail "the long name is not cut with \"…\": $rest_run"
      # No ink of the person text within 2 pixels left of the site address.
      local gap
      gap=$(colours_in "$state/shot.ppm" $((site_x - 2)) "$row" 2 20 | tr '\n' ' ')
      [[ $gap == "$background " ]] || fail "the person text reaches the site address: $gap"
      echo "$case_name: the name cut to ${name_run#*\"}, the site address clear" ;;
    override)
      [[ $rest_run == *'", 01.07.1985 08:30"' ]] ||
        fail "the birth moment is not a run of its own: $rest_run"
      # As drawn for "Anna" alone: the override neither shows nor turns the line.
      draw_snapshot "$width" "$height" "$dpi" "$lang" Anna "$moment" || { fail "no snapshot of Anna"; return; }
      convert "$state/shot.ppm" -crop "400x30+0+$row" +repage "$state/shown-corner.png"
      convert "$state/snapshot.bmp" -crop "400x30+0+$row" +repage "$state/anna-corner.png"
      differing=$(compare -metric AE "$state/shown-corner.png" "$state/anna-corner.png" null: 2>&1)
      [[ $differing == 0 ]] || fail "the corner differs from Anna's in $differing pixels"
      echo "$case_name: the corner reads as Anna's, the birth moment unturned" ;;
  esac
  stop_display
}

for screen in "$@"; do
  size=${screen%%@*} rest=${screen#*@}
  IFS=: read -r dpi lang kind <<<"$rest"
  run_case "$screen" check_screen "${size%x*}" "${size#*x}" "$dpi" "${lang:-en}" "${kind:-short}"
  stop_display
done
end_suite
