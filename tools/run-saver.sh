#!/bin/bash
# Shows the built saver full screen under Wine, in a prefix of its own under
# build/run-PRESET. With DISPLAY set it runs there until a key (or the mouse)
# ends it; without, it runs a few seconds on an Xvfb display of its own and
# saves a screenshot. Stops only the Wine prefix and the Xvfb it started.
#   run-saver.sh [windows-x86|windows-x64]   (the product, windows-x86, by default)
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
preset=${1:-windows-x86}
case $preset in
  windows-x86) export QUELLORA_WINE_ARCH=win32; echo "Showing the 32-bit product ($preset)." ;;
  windows-x64) export QUELLORA_WINE_ARCH=win64
    if [[ -n ${QUELLORA_NO_X86:-} ]]; then why="QUELLORA_NO_X86 is set"; else why="this machine runs no 32-bit x86 code natively"; fi
    echo "Showing the 64-bit build ($preset), not the 32-bit product: $why." ;;
  *) echo "usage: $0 [windows-x86|windows-x64]" >&2; exit 2 ;;
esac
saver=$root/build/$preset/src/host/quellora.scr
run=$root/build/run-$preset
seconds=${QUELLORA_RUN_SECONDS:-6}
[[ -f $saver ]] || { echo "$saver is missing: build the $preset preset first" >&2; exit 1; }
mkdir -p "$run"
source "$root/tools/lib.sh"
export WINEPREFIX=$run/prefix

xvfb_pid=""
stop() {
  if [[ -d $WINEPREFIX ]]; then
    wineserver -k 2>/dev/null || true
    wait_wineserver || true
  fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap stop EXIT

own_display=0
if [[ -z ${DISPLAY:-} ]]; then
  own_display=1
  start_xvfb "$run" 1280x800x24
  xvfb_pid=$XVFB_PID
fi

# Kept between runs: it takes a while to make.
if [[ ! -f $WINEPREFIX/system.reg ]]; then
  echo "Making the Wine prefix $WINEPREFIX (once)..."
  make_prefix
  wait_wineserver
fi
install_fonts
start_wineserver  # one server for the whole run (see lib.sh)

if (( ! own_display )); then
  echo "Quellora runs full screen on $DISPLAY: press a key to end it."
  wine "$saver" /s
  exit 0
fi

start_saver "$saver" /s || echo "no saver window seen" >&2
sleep "$seconds"
shot=$run/quellora-$(date +%Y%m%d-%H%M%S).png
import -display "$DISPLAY" -window root "$shot"
echo "Screenshot: $shot"
