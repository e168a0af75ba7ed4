#!/bin/bash
# Takes the settings dialog's screenshots for the README, once in each language,
# from the saver's real settings mode under Wine on a virtual display.
#   tools/dialog-screenshots.sh [BUILD_DIR]   (default build/windows-x86)
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)
root=$(dirname "$here")
build=${1:-$root/build/windows-x86}
scr=$build/src/host/quellora.scr
state=$build/screenshots
[[ -f $scr ]] || { echo "build $scr first" >&2; exit 1; }
source "$here/lib.sh"
choose_wine "$(pe_arch "$scr")"

mkdir -p "$state"
session_start "$state" >/dev/null
trap 'session_stop "$state"' EXIT
export LC_ALL=en_US.UTF-8
key='HKCU\SOFTWARE\Quellora'
# No window manager runs on the virtual display: Wine draws the caption itself.
reg_set 'HKCU\Software\Wine\AppDefaults\quellora.scr\X11 Driver' Managed N

dialog_titled() { window=$(xdotool search --name "^$1\$" 2>/dev/null | head -1) && [[ -n $window ]]; }

shoot() {  # LANGUAGE ENGLISH TITLE USER BIRTH
  reg_number "$key" English "$2"
  reg_set "$key" User "$4"
  reg_set "$key" Birth "$5"
  wine "$scr" /c &
  local pid=$! window=""
  wait_until 10 dialog_titled "$3" || { echo "no dialog titled $3" >&2; kill "$pid"; exit 1; }
  sleep 1
  import -window root "$state/root.png"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  convert "$state/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$root/docs/settings-dialog-$1.png"
  # Ends the dialog's process (our own prefix's only one) before the next shot,
  # and gives the session its server back.
  wineserver -k && wait_wineserver && start_wineserver
  wait "$pid" 2>/dev/null || true
  echo "docs/settings-dialog-$1.png"
}

shoot en 1 Settings "Ada Example" "3/15/1985 9:05:00 AM"
shoot ru 0 "Настройки" "Ада Пример" "3/15/1985 9:05:00 AM"
