#!/bin/bash
# Shows the built saver full screen under Wine, in a prefix of its own under
# build/run. With DISPLAY set it runs there until a key (or the mouse) ends it;
# without, it runs a few seconds on an Xvfb display of its own and saves a
# screenshot. Stops only the Wine prefix and the Xvfb it started.
set -euo pipefail
root=$(cd "$(dirname "$0")/.." && pwd)
saver=$root/build/windows-x86/src/host/quellora.scr
run=$root/build/run
seconds=${QUELLORA_RUN_SECONDS:-6}
[[ -f $saver ]] || { echo "$saver is missing: build the windows-x86 preset first" >&2; exit 1; }
mkdir -p "$run"
export WINEPREFIX=$run/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

xvfb_pid=""
stop() {
  if [[ -d $WINEPREFIX ]]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
  if [[ -n $xvfb_pid ]]; then kill "$xvfb_pid" 2>/dev/null || true; fi
}
trap stop EXIT

source "$root/tools/xvfb.sh"

own_display=0
if [[ -z ${DISPLAY:-} ]]; then
  own_display=1
  start_xvfb "$run" 1280x800x24
  xvfb_pid=$XVFB_PID
fi

if [[ ! -f $WINEPREFIX/system.reg ]]; then
  echo "Making the Wine prefix $WINEPREFIX (once)..."
  wineboot -i >/dev/null 2>&1
  wineserver -w
fi
"$root/tools/wine-fonts.sh" "$WINEPREFIX"

if (( ! own_display )); then
  echo "Quellora runs full screen on $DISPLAY: press a key to end it."
  wine "$saver" /s
  exit 0
fi

wine "$saver" /s &
# Wine names the saver's X window after the program.
timeout 30 xdotool search --sync --classname quellora.scr >/dev/null || echo "no saver window seen" >&2
sleep "$seconds"
shot=$run/quellora-$(date +%Y%m%d-%H%M%S).png
import -display "$DISPLAY" -window root "$shot"
echo "Screenshot: $shot"
