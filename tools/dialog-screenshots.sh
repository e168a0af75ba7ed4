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

"$here/wine-session.sh" start "$state" >/dev/null
trap '"$here/wine-session.sh" stop "$state" >/dev/null' EXIT
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d" LC_ALL=en_US.UTF-8
export DISPLAY=$(cat "$state/display")
key='HKCU\SOFTWARE\Quellora'
# No window manager runs on the virtual display: Wine draws the caption itself.
wine reg add 'HKCU\Software\Wine\AppDefaults\quellora.scr\X11 Driver' /v Managed /d N /f >/dev/null

shoot() {  # LANGUAGE ENGLISH TITLE USER BIRTH
  wine reg add "$key" /v English /t REG_DWORD /d "$2" /f >/dev/null
  wine reg add "$key" /v User /d "$4" /f >/dev/null
  wine reg add "$key" /v Birth /d "$5" /f >/dev/null
  wine "$scr" /c &
  local pid=$! window=""
  for _ in $(seq 100); do
    window=$(xdotool search --name "^$3\$" 2>/dev/null | head -1) && [[ -n $window ]] && break
    sleep 0.1
  done
  [[ -n $window ]] || { echo "no dialog titled $3" >&2; kill "$pid"; exit 1; }
  sleep 1
  import -window root "$state/root.png"
  eval "$(xdotool getwindowgeometry --shell "$window")"
  convert "$state/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage "$root/docs/settings-dialog-$1.png"
  # Ends the dialog's process (our own prefix's only one) before the next shot.
  wineserver -k && wineserver -w
  wait "$pid" 2>/dev/null || true
  echo "docs/settings-dialog-$1.png"
}

shoot en 1 Settings "Ada Example" "3/15/1985 9:05:00 AM"
shoot ru 0 "Настройки" "Ада Пример" "3/15/1985 9:05:00 AM"
