#!/bin/bash
# End-to-end tests of the XScreenSaver hack under a real X server (Xvfb), one
# case per run:
#   hack_e2e.sh CASE WORK HACK TEST_WINDOW
# CASE: windows (the picture against the Windows one), ends (bad arguments and
# values, signals, a destroyed window), minute (the picture of the next minute,
# and after a resize), window (its own window's names, closing by a key or a
# click, one picture a resize), visuals (the picture on every kind of X
# visual), names (in other scripts), xscreensaver (a real XScreenSaver runs it
# from a wrapped line, cycles and stops it), memory (memcheck over 100
# pictures, resident memory over 1,000), idle (no processor time between
# pictures); and, not a test but the benchmark target hack_bench, bench (the
# budgets, measured).
set -euo pipefail
case_name=$1 work=$2 hack=$(realpath "$3") test_window=$(realpath "$4")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
rm -rf "$work" && mkdir -p "$work"

# --- helpers: the test's display and window (the rest in tools/lib.sh) --------
source "$root/tools/lib.sh"
cleanup=()
at_exit() { local i; for ((i = ${#cleanup[@]} - 1; i >= 0; i--)); do eval "${cleanup[i]}" || true; done; }
trap at_exit EXIT
# start_display WxH [DEPTH]: an Xvfb of our own, stopped at the end.
start_display() { start_xvfb "$work" "$1x${2:-24}"; cleanup+=("kill $XVFB_PID; wait $XVFB_PID 2>/dev/null"); }
# open_window WxH: the test's window (see test_window.cpp); `ask` talks to it.
open_window() {
  coproc TW { exec "$test_window" "$1"; }
  cleanup+=("kill $TW_PID 2>/dev/null; wait $TW_PID 2>/dev/null")
  read -r -t 20 reply <&"${TW[0]}" || fatal "the test window did not open"
  window=${reply#window }
}
ask() { echo "$*" >&"${TW[1]}"; read -r -t 120 reply <&"${TW[0]}" || fatal "the test window did not answer \"$*\""; }
grab() { import -window "$window" "$1"; }  # what the window shows, into an image file
# start_program PROGRAM ARGS...: runs it for the test's window ("{id}") and
# waits for the first picture; sets hack_pid and start_ms.
start_program() {
  local IFS=$'\t'
  ask "start	$*"
  [[ $reply == painted* ]] || fatal "no picture after starting $*: $reply"
  IFS=" " read -r _ start_ms hack_pid <<<"$reply"
}
start_hack() { start_program "$hack" -window-id "{id}" "$@"; }
# -----------------------------------------------------------------------------

# Whether two listings are the same operations, a text's place allowed to
# differ by a pixel across; prints the lines that differ more.
listings_agree() {  # WINDOWS_LIST HACK_LIST
  tr -d '\r' <"$1" | paste -d '\t' - "$2" | awk -F'\t' '
    $1 == $2 { next }
    { split($1, w, " "); split($2, h, " ")
      if (w[1] == "Text" && h[1] == "Text" && w[3] == h[3] && substr($1, index($1, "\"")) == substr($2, index($2, "\"")) &&
          (w[2] - h[2] == 1 || h[2] - w[2] == 1)) { moved++; next }
      print NR ": " $1 " | " $2; bad++ }
    END { if (moved) print moved " text(s) a pixel across" > "/dev/stderr"; exit bad > 0 }' &&
    [[ $(wc -l <"$1") == $(wc -l <"$2") ]]
}

# The hack's options for a line of moments.txt.
moment_args() {
  local now=$1 birth=$2 lang=$3 stars=$4 user=$5
  args=(-now "${now/ /T}" -birth "${birth/ /T}" "-$([[ $lang == en ]] && echo english || echo russian)")
  [[ $stars == on ]] && args+=(-stars) || args+=(-no-stars)
  [[ $user != - ]] && args+=(-name "$user")
  return 0
}

case_windows() {
  start_display 1920x1080
  local name now birth lang stars user dpi per_mille size opened="" pixels
  while IFS='|' read -r name now birth lang stars user dpi per_mille size; do
    [[ -z $name || $name == \#* ]] && continue
    size=${size:-1920x1080}
    # A window of the moment's size on the one display.
    [[ $size == "$opened" ]] || { open_window "$size"; opened=$size; }
    pixels=$((${size%x*} * ${size#*x}))
    moment_args "$now" "$birth" "$lang" "$stars" "$user"
    # The desktop's scale, read by the hack when it starts. (The server keeps
    # it while the test's window holds a connection open.)
    echo "Xft.dpi: $dpi" | xrdb -nocpp -load -
    start_hack "${args[@]}" -list "$work/$name.list"
    grab "$work/$name.ppm"
    ask stop "$hack_pid"
    [[ $reply == "ended "*" signal 15" ]] || fatal "$name: the hack did not end by its SIGTERM: $reply"
    # Equal to the last operation, the texts' places included: both sides
    # measure Wine's Tahoma with the system's FreeType, hinted, and size it by
    # GDI's rule (see cairo_fonts.cpp), so the widths agree to the pixel. The
    # ink of a slanted last letter is each side's own rasteriser's, a pixel
    # apart at some small sizes, and moves a text that leans into its disc a
    # pixel more or less: a text may stand one pixel across from Windows'.
    listings_agree "$here/windows/$name.list" "$work/$name.list" >"$work/$name.diff" ||
      fatal "$name: the listing differs from the Windows one: $(head -c 2000 "$work/$name.diff")"
    # Shapes are drawn unsmoothed by both; smoothed text and GDI's own
    # rasterisation of ellipses, arcs and lines leave differences a pixel wide
    # along edges (see moments.txt).
    local all off
    all=$(compare -metric AE "$work/$name.ppm" "$here/windows/$name.png" null: 2>&1 || true)
    off=$(compare -metric AE -fuzz 30% "$work/$name.ppm" "$here/windows/$name.png" null: 2>&1 || true)
    echo "$name: listing as on Windows ($(wc -l <"$work/$name.list") operations);" \
      "$all pixels differ at all, $off by more than 30 % (of $pixels)"
    ((off <= pixels * per_mille / 1000)) || fatal "$name: $off pixels differ by more than 30 %"
  done <"$here/moments.txt"
}

# One line on stderr, exit code 1 and nothing drawn, for each bad start.
case_ends_bad_starts() {
  local cases=(
    "|-window-id {id} -bogus|quellora: unknown option \"-bogus\" (see quellora -help)"
    "|-window-id {id} -birth 1985-13-01T00:00|quellora: -birth: expected a date and time as YYYY-MM-DDTHH:MM[:SS], got \"1985-13-01T00:00\""
    "|-window-id 0x1ffffff0|quellora: -window-id 0x1ffffff0: no such window"
    "XSCREENSAVER_WINDOW=0x1ffffff0|-root|quellora: XSCREENSAVER_WINDOW 0x1ffffff0: no such window"
    "XSCREENSAVER_WINDOW=somewhere|-root|quellora: XSCREENSAVER_WINDOW: expected a window id, got \"somewhere\""
    "|-window-id {id} -now 2021-07-10T09:40 -list /nonexistent/hack.list|quellora: -list: cannot write \"/nonexistent/hack.list\""
  )
  local entry env argline want rc
  for entry in "${cases[@]}"; do
    IFS='|' read -r env argline want <<<"$entry"
    rc=0
    # Bounded: a hack that does not stop would draw on (exit code 124).
    env $env timeout 20 "$hack" ${argline//\{id\}/$window} 2>"$work/stderr" || rc=$?
    [[ $rc == 1 ]] || fatal "$argline: exit code $rc"
    [[ $(wc -l <"$work/stderr") == 1 && $(cat "$work/stderr") == "$want" ]] ||
      fatal "$argline: stderr was: $(cat "$work/stderr")"
  done
  # Values that would break the line, reach the terminal or flood it: shown
  # escaped, on one short line.
  local long escape=$'\e]0;owned\a\e[2J' shown i option
  long=$(printf '9%.0s' {1..30000})
  local values=($'1985-07-01T08:30\nSECOND' "$escape" "$long") wants=('\n' '\x1b' '…')
  for i in 0 1 2; do
    for option in -birth -window-id XSCREENSAVER_WINDOW; do
      rc=0
      if [[ $option == XSCREENSAVER_WINDOW ]]; then
        XSCREENSAVER_WINDOW=${values[i]} "$hack" -root 2>"$work/stderr" || rc=$?
      else
        "$hack" -window-id "$window" "$option" "${values[i]}" 2>"$work/stderr" || rc=$?
      fi
      shown=$(head -c 300 "$work/stderr")
      [[ $rc == 1 && $(wc -l <"$work/stderr") == 1 && $(wc -c <"$work/stderr") -le 200 ]] ||
        fatal "$option with value $i: exit code $rc, stderr: $shown"
      [[ $shown != *$'\e'* && $shown == *"${wants[i]}"* ]] || fatal "$option with value $i: stderr: $shown"
    done
  done
  echo "bad values: a line break, escapes and 30,000 characters each shown on one line of at most 200 bytes"
  # A window without pixels to draw (input only): refused in one line naming its visual.
  ask inputonly
  rc=0
  "$hack" -window-id "${reply#inputonly }" 2>"$work/stderr" || rc=$?
  [[ $rc == 1 && $(wc -l <"$work/stderr") == 1 && $(cat "$work/stderr") == "quellora: cannot draw on the window's visual 0x"* ]] ||
    fatal "an input-only window: exit code $rc, stderr: $(cat "$work/stderr")"
  echo "an input-only window: $(cat "$work/stderr")"
  grab "$work/untouched.ppm"
  [[ $(convert "$work/untouched.ppm" -format '%[fx:maxima]' info:) == 0 ]] || fatal "a bad start drew into the window"
  echo "bad starts: ${#cases[@]} one-line errors, exit code 1, nothing drawn"
}

case_ends() {
  # 16 bits a pixel: the hack's pictures take the way for visuals unlike its image's.
  start_display 1024x768 16
  open_window 1024x768
  case_ends_bad_starts
  # Each stop signal ends the hack by that signal once it has cleaned up, as
  # XScreenSaver expects of its hacks.
  local signal number
  for signal in TERM INT HUP; do
    number=$(kill -l "$signal")
    start_hack -now 2021-07-10T09:40
    ask stop "$hack_pid" "$signal"
    IFS=" " read -r _ ms _ <<<"$reply"
    [[ $reply == "ended "*" signal $number" ]] || fatal "SIG$signal: $reply"
    awk -v ms="$ms" 'BEGIN { exit !(ms <= 100) }' || fatal "SIG$signal: ended only after $ms ms"
    echo "SIG$signal: ended by that signal after $ms ms"
  done
  start_hack -now 2021-07-10T09:40
  ask destroy
  ask wait "$hack_pid"
  IFS=" " read -r _ ms code <<<"$reply"
  [[ $reply == ended* && $code == 0 ]] || fatal "destroyed window: $reply"
  echo "destroyed window: ended with code 0 after $ms ms"
}

# The picture of the next minute arrives at the minute, by the real clock, and
# a new picture when the window changes its size.
case_minute() {
  start_display 1440x900
  open_window 1440x900
  start_hack -list "$work/minute.list"
  local before next
  before=$(date +%H:%M)
  clock_moved() { [[ $(date +%H:%M) != "$before" ]]; }
  wait_until 62 clock_moved || fatal "the clock did not move"
  next=$(date +%H:%M)
  wait_until 3 grep -q "^Text [0-9-]* [0-9-]* \"$next\"\$" "$work/minute.list" ||
    fatal "no picture of $next at the minute"
  echo "minute: the picture of $next came at the minute"
  # A window made smaller is not exposed, yet gets a picture of its new size
  # (the listing is in its pixels).
  xdotool windowsize "$window" 1280 800
  wait_until 3 grep -q "^Rectangle 0 0 1280 800\$" "$work/minute.list" || fatal "no picture after a resize"
  echo "resize: a picture of 1280x800 came"
  ask stop "$hack_pid"
}

# The screen (the root window, as a person sees it) against the Windows picture
# of a moment of moments.txt, with the tolerance of case_windows.
screen_shows() {
  import -window root "$work/screen.ppm" 2>/dev/null || return 1
  local off
  off=$(compare -metric AE -fuzz 30% "$work/screen.ppm" "$here/windows/$1.png" null: 2>&1) || true
  [[ $off =~ ^[0-9]+$ ]] && ((off <= 2073600 * 3 / 1000))
}

gone() { [[ ! -e /proc/$1 ]] || grep -q '^State:.*Z' "/proc/$1/status"; }

case_xscreensaver() {
  command -v xscreensaver >/dev/null || fatal "Debian's xscreensaver is not installed"
  start_display 1920x1080
  # XScreenSaver launches no hack as root: root runs it as nobody, whom the
  # build tree may be closed to (a clone under /root). So nobody's home, the
  # listing and a copy of the hack lie in a folder of their own under /tmp.
  local side
  side=$(mktemp -d /tmp/quellora-xscreensaver.XXXXXX)
  cleanup+=("rm -rf '$side'")
  chmod 755 "$side"
  cp "$hack" "$side/quellora"
  hack=$side/quellora
  local home=$side/home list=$side/xscreensaver.list
  mkdir -p "$home"
  # The hack's line as xscreensaver-settings writes a long one: wrapped at
  # about 70 columns wherever a space falls, inside a quoted value too, with
  # spaces or tabs, a backslash and a line break, and the next line indented.
  local wrap=$'\t      \\\n\t\t\t\t  '
  local line="$hack --root -now 2021-07-10T09:40 -english -stars -list $list"
  line+=" --name \"Анна${wrap}Мария Шмидт-Иванова\" --birth${wrap}\"1985-07-01${wrap}08:30\""
  printf '%s\n' "mode: one" "selected: 0" "fade: False" "unfade: False" "lock: False" "splash: False" \
    "timeout: 0:30:00" "programs:${wrap}$line \\n\\" "" >"$home/.xscreensaver"
  ((EUID != 0)) || chown -R 65534:65534 "$side"
  as_nobody() {
    local drop=()
    ((EUID != 0)) || drop=(setpriv --reuid=65534 --regid=65534 --clear-groups)
    env -i PATH=/usr/bin:/bin HOME="$home" DISPLAY="$DISPLAY" "${drop[@]}" "$@"
  }
  # Until XScreenSaver answers, the hack has had no part: a machine where it
  # cannot run at all (as root, no other user to be) skips the case with
  # ctest's code 77, saying why.
  skip() { echo "SKIP [xscreensaver]: $*"; exit 77; }
  local reach
  reach=$(as_nobody true 2>&1) || skip "no user but root to run XScreenSaver as: $reach"
  reach=$(as_nobody "$hack" -help 2>&1 >/dev/null) || fatal "XScreenSaver's user cannot run $hack: $reach"
  as_nobody xscreensaver -no-splash -verbose >"$work/xscreensaver.log" 2>&1 &
  cleanup+=("kill $! 2>/dev/null; wait $! 2>/dev/null")
  wait_until 20 as_nobody xscreensaver-command -time >/dev/null 2>&1 ||
    skip "XScreenSaver did not start here: $(tail -5 "$work/xscreensaver.log" | tr '\n' ' ')"

  as_nobody xscreensaver-command -activate >/dev/null
  local user=$EUID
  ((EUID != 0)) || user=65534
  wait_until 20 pgrep -u "$user" -f "^$hack --root" >/dev/null ||
    fatal "XScreenSaver did not run the hack: $(tail -5 "$work/xscreensaver.log")"
  local pid
  pid=$(pgrep -u "$user" -f "^$hack --root")
  wait_until 20 screen_shows en-0940 || fatal "the screen does not show the picture"
  echo "activated: the hack (pid $pid) shows the picture on the screen"
  # The wrapped values read as typed: single spaces in the corner (the name
  # and the birth moment are two runs on the one row).
  local corner
  corner=$(awk '$1 == "Text" && $3 == 1051 && $2 < 960 { sub(/^Text [0-9]+ [0-9]+ "/, ""); sub(/"$/, ""); printf "%s", $0 }' \
    "$list")
  [[ $corner == 'Анна Мария Шмидт-Иванова, 01.07.1985 08:30' ]] ||
    fatal "the corner text from the wrapped line: $corner"
  echo "wrapped values: the corner reads ${corner#Text 10 1051 }"

  # A cycle ends the hack and starts it anew; XScreenSaver logs how it ended:
  # by its SIGTERM, as it logs its stock hacks.
  as_nobody xscreensaver-command -cycle >/dev/null
  wait_until 5 gone "$pid" || fatal "the hack still runs after XScreenSaver cycled"
  local ended="child pid $pid (.*) exited normally with SIGTERM"
  wait_until 5 grep -q "$ended" "$work/xscreensaver.log" ||
    fatal "XScreenSaver logged the hack's end as: $(grep "pid $pid" "$work/xscreensaver.log" | tail -1)"
  echo "cycled: XScreenSaver logged $(grep -o "$ended" "$work/xscreensaver.log" | sed 's/ (.*)//')"

  as_nobody xscreensaver-command -deactivate >/dev/null
  none_running() { ! pgrep -u "$user" -f "^$hack --root" >/dev/null; }
  wait_until 5 none_running || fatal "the hack still runs after XScreenSaver was deactivated"
  echo "deactivated: the hack's process is gone"
}

# The hack's own window (-window): named for window managers, closed by any
# real key or click (XTest), and a resize gives one picture. In a window of
# someone else's (-window-id) keys and clicks belong to that window's owner.
case_window() {
  start_display 1600x1200
  local pid how name
  for how in key click; do
    "$hack" -window -now 2021-07-10T09:40 &
    pid=$!
    cleanup+=("kill $pid 2>/dev/null")
    # Found by its class, as a window manager finds it.
    wait_until 10 xdotool search --onlyvisible --class Quellora >/dev/null || fatal "no window of class Quellora"
    name=$(xdotool search --onlyvisible --class Quellora | head -1)
    if [[ $how == key ]]; then
      local props
      props=$(xprop -id "$name" WM_CLASS _NET_WM_NAME)
      [[ $props == *'WM_CLASS(STRING) = "quellora", "Quellora"'* &&
        $props == *'_NET_WM_NAME(UTF8_STRING) = "Quellora"'* ]] || fatal "the window's names: $props"
      echo "xprop: $(tr '\n' ';' <<<"$props")"
      xdotool mousemove 200 200 key space
    else
      xdotool mousemove 300 300 click 1
    fi
    wait_until 5 gone "$pid" || fatal "a real $how did not close the window"
    wait "$pid" || fatal "closed by a $how, the hack ended with code $?"
    echo "-window: a real $how closed it (exit code 0)"
  done

  open_window 1024x768
  local strace trace=$work/pictures.trace
  strace=$(command -v strace) || fatal "strace is not installed"
  # Each picture replaces the listing by a rename: strace counts the pictures.
  start_program "$strace" -f -qq -e trace=rename,renameat,renameat2 -o "$trace" \
    "$hack" -window-id "{id}" -now 2021-07-10T09:40 -list "$work/resize.list"
  local size before after
  for size in "1440 900" "1280 800"; do
    before=$(grep -c rename "$trace" || true)
    xdotool windowsize "$window" $size
    wait_until 5 grep -q "^Rectangle 0 0 ${size/ / }\$" "$work/resize.list" || fatal "no picture of $size"
    sleep 1
    after=$(grep -c rename "$trace" || true)
    ((after - before == 1)) || fatal "a resize to $size gave $((after - before)) pictures"
    echo "resize to ${size/ /x}: one picture"
  done
  xdotool mousemove 100 100 key space click 1
  sleep 1
  running "$hack_pid" || fatal "a key or click in a window of someone else's ended the hack"
  echo "-window-id: a key and a click left the hack running"
  # strace ends with the hack it runs.
  kill "$(pgrep -P "$hack_pid")"
  ask wait "$hack_pid"
}

# The picture on every kind of X visual, read back through the screen's
# colormap as a person sees it: its background and the ring's discs in their
# colours as near as the visual can show them (grey visuals: their brightness),
# and the whole within the tolerance of case_windows of the Windows picture.
# Each line: the Xvfb screen and its options, the visual, and how far a channel
# may be off (half a step of the visual's coarsest channel: the nearest colour).
case_visuals() {
  local screens=(
    "1920x1080x8||PseudoColor 8|1"
    "1920x1080x24|-cc 5|DirectColor 24|1"
    "1920x1080x8|-cc 5|DirectColor 8|43"
    "1920x1080x8|-cc 2|StaticColor 8|43"
    "1920x1080x8|-cc 1|GrayScale 8|1"
    "1920x1080x8|-cc 0|StaticGray 8|1"
    "1920x1080x8|-cc 4|TrueColor 8|43"
    "1920x1080x15||TrueColor 15|5"
    "1920x1080x16||TrueColor 16|5"
    "1920x1080x24||TrueColor 24|0"
    "1920x1080x30||TrueColor 30|1"
  )
  local entry screen options visual step shot=$work/visual.png list=$work/visual.list
  moment_args "2021-07-10 09:40" "1985-07-01 08:30" en on -
  for entry in "${screens[@]}"; do
    IFS='|' read -r screen options visual step <<<"$entry"
    start_xvfb "$work" "$screen" $options || fatal "$visual: no Xvfb"
    rm -f "$list" "$shot"
    "$hack" -root "${args[@]}" -list "$list" 2>"$work/stderr" &
    local pid=$!
    # The first disc's fill, black on no visual, tells the picture is there.
    shown() { [[ -s $list ]] && import -window root "$shot" 2>/dev/null && [[ $(pixel_at "$shot" 650 540) != 000000 ]]; }
    if ! wait_until 10 shown; then
      kill "$pid" 2>/dev/null
      wait "$pid" && fatal "$visual: no picture, and no refusal: $(cat "$work/stderr")"
      [[ $(wc -l <"$work/stderr") == 1 ]] || fatal "$visual: no picture, and no one-line refusal: $(cat "$work/stderr")"
      echo "$visual: refused: $(cat "$work/stderr")"
      kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null
      continue
    fi
    kill "$pid"; wait "$pid" 2>/dev/null || true
    local grey=0 wanted got gap worst=0 discs=0 x y l t r b
    [[ $visual == *Gray* ]] && grey=1
    # Brightness as a grey screen shows a colour (ITU-R BT.601), as RRGGBB.
    as_seen() {
      ((grey)) || { echo "$1"; return; }
      local v=$(((299 * 16#${1:0:2} + 587 * 16#${1:2:2} + 114 * 16#${1:4:2} + 500) / 1000))
      printf '%02x%02x%02x' "$v" "$v" "$v"
    }
    check() {  # WANTED X Y WHAT
      wanted=$(as_seen "$1")
      got=$(pixel_at "$shot" "$2" "$3")
      gap=$(channel_gap "$wanted" "$got")
      ((gap <= step)) || fatal "$visual: $4 at $2,$3 is $got, wanted $wanted (within $step)"
      ((gap > worst)) && worst=$gap
      return 0
    }
    local background
    background=$(awk '$1 == "Brush" { print substr($2, 9, 2) substr($2, 7, 2) substr($2, 5, 2); exit }' "$list")
    check "$background" 1900 300 "the background"
    check "$background" 300 1000 "the background"
    while read -r wanted l t r b _; do
      discs=$((discs + 1))
      y=$(((t + b) / 2))
      for x in $((l + 5)) $((r - 6)); do check "$wanted" "$x" "$y" "disc $discs"; done
    done < <(ring_discs "$list")
    ((discs == 12)) || fatal "$visual: $discs discs in the listing"
    local off reference=$here/windows/en-0940.png
    if ((grey)); then
      convert "$reference" -colorspace Gray "$work/reference.png"
      reference=$work/reference.png
      convert "$shot" -colorspace Gray "$shot"
    fi
    off=$(compare -metric AE -fuzz 30% "$shot" "$reference" null: 2>&1) || true
    echo "$visual: background and 12 discs within $worst of a channel;" \
      "$off pixels differ by more than 30 % from the Windows picture"
    ((off <= 2073600 * 3 / 1000)) || fatal "$visual: $off pixels differ by more than 30 %"
    kill "$XVFB_PID"; wait "$XVFB_PID" 2>/dev/null
  done
}

# Names in other scripts, in the corner (the name and birth text, the bottom
# left of the picture): drawn with the system's fonts (other than with no
# font but Tahoma, and two names other than each other, which missing glyphs,
# all alike, would not be), right to left, and Arabic joined.
case_names() {
  start_display 1920x1080
  open_window 1920x1080
  # A fontconfig that knows no font: only Wine's Tahoma, which the hack adds.
  mkdir -p "$work/nofonts"
  printf '<?xml version="1.0"?>\n<fontconfig><cachedir>%s</cachedir></fontconfig>\n' "$work/nofonts" \
    >"$work/nofonts/fonts.conf"
  corner() {  # NAME IMAGE [LISTING | VARIABLE=VALUE...]
    local options=() env=("${@:3}")
    if [[ ${3:-} == *.list ]]; then options=(-list "$3") env=(); fi
    start_program /usr/bin/env "${env[@]}" "$hack" -window-id "{id}" -now 2021-07-10T09:40 -birth 1985-07-01T08:30 \
      -english -no-stars -name "$1" "${options[@]}"
    import -window "$window" -crop 960x40+0+1040 +repage "$2"
    ask stop "$hack_pid"
  }
  differ() { [[ $(compare -metric AE "$1" "$2" null: 2>&1) != 0 ]]; }
  local i=0 name first
  for name in 王小明 李小龍 "דוד לוי" "שרה כהן"; do
    i=$((i + 1))
    corner "$name" "$work/name$i.png"
    corner "$name" "$work/tahoma$i.png" FONTCONFIG_FILE="$work/nofonts/fonts.conf"
    differ "$work/name$i.png" "$work/tahoma$i.png" || fatal "$name: drawn the same with the system's fonts as without"
    if ((i % 2 == 0)); then
      differ "$work/name$((i - 1)).png" "$work/name$i.png" || fatal "$first and $name: the same pixels"
      echo "$first, $name: each drawn in the system's fonts, and unlike each other"
    fi
    first=$name
  done
  # Right to left: the name אבג shows its last letter (gimel) leftmost and its
  # first (alef) rightmost, each as that letter drawn alone. (The corner's
  # direction controls are not drawn, so the order cannot be forced to compare.)
  # The name alone: the corner up to where the birth moment's run begins (the
  # listing's second text of the row), without the picture's edge.
  name_only() {  # NAME IMAGE
    corner "$1" "$work/corner.png" "$work/corner.list"
    local rest
    rest=$(awk '$1 == "Text" && $3 == 1051 { n++; if (n == 2) print $2 }' "$work/corner.list")
    convert "$work/corner.png" -crop "$((rest - 3))x30+3+5" +repage "$2"
  }
  columns() { convert "$1" -format %@ info: | awk -F'[x+]' '{ print $3, $1 }'; }  # IMAGE: its ink's left, width
  ink_at() {  # IMAGE LEFT WIDTH OUT: those columns of the image
    convert "$1" -crop "${3}x30+$2+0" +repage "$4"
  }
  name_only "אבג" "$work/word.png"
  name_only "א" "$work/alef.png"
  name_only "ג" "$work/gimel.png"
  local word_left word_width alef_left alef_width gimel_left gimel_width left right
  read -r word_left word_width < <(columns "$work/word.png")
  read -r alef_left alef_width < <(columns "$work/alef.png")
  read -r gimel_left gimel_width < <(columns "$work/gimel.png")
  ink_at "$work/alef.png" "$alef_left" "$alef_width" "$work/alef-ink.png"
  ink_at "$work/gimel.png" "$gimel_left" "$gimel_width" "$work/gimel-ink.png"
  ink_at "$work/word.png" "$word_left" "$gimel_width" "$work/word-left.png"
  ink_at "$work/word.png" $((word_left + word_width - alef_width)) "$alef_width" "$work/word-right.png"
  left=$(compare -metric AE -fuzz 10% "$work/word-left.png" "$work/gimel-ink.png" null: 2>&1) || true
  right=$(compare -metric AE -fuzz 10% "$work/word-right.png" "$work/alef-ink.png" null: 2>&1) || true
  ((left <= 4 && right <= 4)) || fatal "Hebrew is not drawn right to left ($left and $right pixels differ)"
  echo "Hebrew: drawn right to left (the last letter leftmost, the first rightmost: $left and $right pixels differ)"
  # Joined: the letters of سلام, and the same in their isolated forms (U+FEB1
  # U+FEDD U+FE8D U+FEE1), which no shaping joins; Tahoma has both.
  corner "سلام" "$work/joined.png"
  corner $'\ufeb1\ufedd\ufe8d\ufee1' "$work/apart.png"
  differ "$work/joined.png" "$work/apart.png" || fatal "Arabic is drawn unjoined"
  echo "Arabic: joined (unlike its letters' isolated forms)"
}

rss_kb() { awk '/^VmRSS:/ { print $2 }' "/proc/$1/status"; }
# Exposes the running hack, which has drawn its first picture, until it has
# drawn N: each exposure must bring a whole picture.
draw_up_to() {  # N
  local i
  for ((i = 2; i <= $1; i++)); do
    ask repaint
    [[ $reply == repainted* ]] || fatal "no picture $i of $1: $reply"
  done
}

case_memory() {
  start_display 1920x1080
  open_window 1920x1080
  # A name partly in the fallback fonts: the shaped texts are measured too.
  moment_args "2021-07-10 09:40" "1985-07-01 08:30" ru on "Анна 王小明"
  # memcheck over 100 pictures: the first and 99 exposures.
  local valgrind
  valgrind=$(command -v valgrind) || fatal "valgrind is not installed"
  start_program "$valgrind" --error-exitcode=3 --leak-check=full --errors-for-leak-kinds=definite \
    --suppressions="$here/memcheck.supp" \
    --log-file="$work/memcheck.log" "$hack" -window-id "{id}" "${args[@]}"
  draw_up_to 100
  ask stop "$hack_pid"
  # Ended by its SIGTERM, the hack has no exit code for valgrind to set: the
  # log's summary counts the faults.
  [[ $reply == "ended "*" signal 15" ]] && grep -q 'ERROR SUMMARY: 0 errors' "$work/memcheck.log" ||
    fatal "memcheck found faults ($reply): $(grep -A3 -m3 -E 'Invalid|uninitialised|definitely|SUMMARY' "$work/memcheck.log")"
  echo "memcheck over 100 pictures: $(grep -o 'ERROR SUMMARY: [0-9]* errors[^(]*' "$work/memcheck.log");" \
    "$(grep -o 'definitely lost: .*' "$work/memcheck.log")"

  # Resident memory after the first picture and after the thousandth.
  start_hack "${args[@]}"
  local first
  first=$(rss_kb "$hack_pid")
  draw_up_to 1000
  local last
  last=$(rss_kb "$hack_pid")
  ask stop "$hack_pid"
  echo "resident memory: $first kB at picture 1, $last kB at picture 1000"
  # A leak of a kilobyte a picture would show as a megabyte.
  ((last - first <= 512)) || fatal "resident memory grew by $((last - first)) kB over 1000 pictures"
}

# The budgets, measured, not judged: start to the first whole picture and one
# full picture at 1920x1080, and the processor time taken while idle.
# HACK_BENCH="STARTS PICTURES IDLE_SECONDS" (default "3 10 2").
cpu_ticks() { awk '{ print $14 + $15 }' "/proc/$1/stat"; }
median() { sort -n | awk '{ v[NR] = $1 } END { print v[int((NR + 1) / 2)] " ms (" NR " runs, " v[1] " to " v[NR] ")" }'; }

case_bench() {
  local starts pictures idle i name
  read -r starts pictures idle <<<"${HACK_BENCH:-3 10 2}"
  start_display 1920x1080
  open_window 1920x1080
  # The placeholder name (Tahoma alone) and a CJK one (fallback fonts, shaped).
  for name in "" "王小明"; do
    local label=${name:-the placeholder name} options=(${name:+-name "$name"})
    rm -f "$work/starts" "$work/pictures"
    for ((i = 0; i < starts; i++)); do
      start_hack "${options[@]}"
      echo "$start_ms" >>"$work/starts"
      ask stop "$hack_pid"
    done
    echo "start to first whole picture with $label: $(median <"$work/starts")"
    start_hack "${options[@]}"
    for ((i = 0; i < pictures; i++)); do
      ask repaint
      echo "${reply#repainted }" >>"$work/pictures"
    done
    echo "one full picture with $label (exposure to picture on the screen): $(median <"$work/pictures")"
    [[ -n $name ]] || ask stop "$hack_pid"  # the last one is measured idle
  done
  echo "processor time over $idle s idle: $(idle_ticks "$idle") ticks of $(getconf CLK_TCK) a second"
  ask stop "$hack_pid"
}

# idle_ticks SECONDS: the processor time hack_pid takes over that many seconds
# of one minute (a minute's picture would count), in clock ticks.
idle_ticks() {
  while ((10#$(date +%S) + $1 > 58)); do sleep 1; done
  local before after
  before=$(cpu_ticks "$hack_pid")
  sleep "$1"
  after=$(cpu_ticks "$hack_pid")
  echo $((after - before))
}

# Between pictures the hack waits for the minute without spinning: over 3 s
# of idle time it takes at most 1 % of a processor.
case_idle() {
  start_display 1920x1080
  open_window 1920x1080
  local ticks budget name
  for name in "" "王小明"; do
    start_hack ${name:+-name "$name"}
    ticks=$(idle_ticks 3)
    budget=$(($(getconf CLK_TCK) * 3 / 100))
    echo "idle over 3 s with ${name:-the placeholder name}: $ticks ticks (at most $budget)"
    ((ticks <= budget)) || fatal "the hack took $ticks ticks of processor time while idle"
    ask stop "$hack_pid"
  done
}

case "$case_name" in
  bench) case_bench ;;
  idle) case_idle ;;
  xscreensaver) case_xscreensaver ;;
  memory) case_memory ;;
  windows) case_windows ;;
  window) case_window ;;
  visuals) case_visuals ;;
  names) case_names ;;
  ends) case_ends ;;
  minute) case_minute ;;
  *) fatal "unknown case $case_name" ;;
esac
echo "PASS: $case_name"
