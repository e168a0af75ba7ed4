#!/bin/bash
# End-to-end tests of the XScreenSaver hack under a real X server (Xvfb), one
# case per run:
#   hack_e2e.sh CASE WORK HACK TEST_WINDOW
# CASE: windows (the picture against the Windows one), ends (signals, a
# destroyed window, bad arguments), xscreensaver (a real XScreenSaver runs it),
# memory (memcheck over 100 pictures, resident memory over 1,000).
set -euo pipefail
case_name=$1 work=$2 hack=$(realpath "$3") test_window=$(realpath "$4")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
rm -rf "$work" && mkdir -p "$work"

# --- helpers: a display, a bounded wait, the test's window -------------------
source "$root/tools/xvfb.sh"
cleanup=()
at_exit() { local i; for ((i = ${#cleanup[@]} - 1; i >= 0; i--)); do eval "${cleanup[i]}" || true; done; }
trap at_exit EXIT
fail() { echo "FAIL: $*" >&2; exit 1; }
# start_display WxH: an Xvfb of our own, stopped at the end.
start_display() { start_xvfb "$work" "$1x24"; cleanup+=("kill $XVFB_PID; wait $XVFB_PID 2>/dev/null"); }
# wait_until SECONDS COMMAND...: runs COMMAND until it succeeds, at most SECONDS.
wait_until() {
  local end=$((SECONDS + $1)); shift
  until "$@"; do ((SECONDS < end)) || return 1; sleep 0.05; done
}
# open_window WxH: the test's window (see test_window.cpp); `ask` talks to it.
open_window() {
  coproc TW { exec "$test_window" "$1"; }
  cleanup+=("kill $TW_PID 2>/dev/null; wait $TW_PID 2>/dev/null")
  read -r -t 20 reply <&"${TW[0]}" || fail "the test window did not open"
  window=${reply#window }
}
ask() { echo "$*" >&"${TW[1]}"; read -r -t 120 reply <&"${TW[0]}" || fail "the test window did not answer \"$*\""; }
# start_hack ARGS...: the hack in the test's window; sets hack_pid, start_ms.
start_hack() {
  local IFS=$'\t'
  ask "start	$hack	-window-id	{id}	$*"
  [[ $reply == painted* ]] || fail "no picture after starting the hack with $*: $reply"
  IFS=" " read -r _ start_ms hack_pid <<<"$reply"
}
# -----------------------------------------------------------------------------

# The hack's options for a line of moments.txt.
moment_args() {
  local now=$1 birth=$2 lang=$3 stars=$4 user=$5
  args=(-now "${now/ /T}" -birth "${birth/ /T}" "-$([[ $lang == en ]] && echo english || echo russian)")
  [[ $stars == on ]] && args+=(-stars) || args+=(-no-stars)
  [[ $user != - ]] && args+=(-name "$user")
  return 0
}

# Operations other than text must be the same; a text must have the same words
# and the same top (cell heights follow one rule), and may stand up to 2 pixels
# to the side: its place follows its measured width, which cairo and GDI take
# from the same font file's hinted outlines but round each on its own.
compare_listings() {
  awk -v limit=2 '
    NR == FNR { want[FNR] = $0; n = FNR; next }
    { got[FNR] = $0; m = FNR }
    END {
      if (n != m) { print "operation count " m " (Windows " n ")"; exit 1 }
      for (i = 1; i <= n; i++) {
        if (want[i] == got[i]) continue
        split(want[i], w, " "); split(got[i], g, " ")
        ws = want[i]; sub(/^Text -?[0-9]+ -?[0-9]+ /, "", ws)
        gs = got[i]; sub(/^Text -?[0-9]+ -?[0-9]+ /, "", gs)
        dx = w[2] - g[2]; if (dx < 0) dx = -dx
        if (w[1] != "Text" || g[1] != "Text" || ws != gs || w[3] != g[3] || dx > limit) {
          print "operation " i ": " got[i] " (Windows: " want[i] ")"; exit 1
        }
        if (dx > worst) worst = dx
      }
      print "listing: " n " operations as on Windows, texts at most " worst + 0 " px aside"
    }' "$1" "$2"
}

case_windows() {
  start_display 1920x1080
  open_window 1920x1080
  local name now birth lang stars user
  while IFS='|' read -r name now birth lang stars user; do
    [[ -z $name || $name == \#* ]] && continue
    moment_args "$now" "$birth" "$lang" "$stars" "$user"
    start_hack "${args[@]}" -list "$work/$name.list"
    ask grab "$work/$name.ppm"
    ask stop "$hack_pid"
    [[ $reply == "ended "*" 0" ]] || fail "$name: the hack did not end cleanly: $reply"
    compare_listings "$here/windows/$name.list" "$work/$name.list" || fail "$name: the listing differs"
    # Shapes are drawn unsmoothed by both; smoothed text and GDI's own
    # rasterisation of ellipses, arcs and lines leave differences a pixel wide
    # along edges. Pixels off by more than 30 % may make up 0.3 % of the picture.
    local all off
    all=$(compare -metric AE "$work/$name.ppm" "$here/windows/$name.png" null: 2>&1 || true)
    off=$(compare -metric AE -fuzz 30% "$work/$name.ppm" "$here/windows/$name.png" null: 2>&1 || true)
    echo "$name: $all pixels differ at all, $off by more than 30 % (of 2073600)"
    ((off <= 2073600 * 3 / 1000)) || fail "$name: $off pixels differ by more than 30 %"
  done <"$here/moments.txt"
}

case "$case_name" in
  windows) case_windows ;;
  *) fail "unknown case $case_name" ;;
esac
echo "PASS: $case_name"
