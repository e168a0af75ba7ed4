#!/bin/bash
# Starts or stops the Wine session of one test run: a throwaway prefix and an
# Xvfb display of our own, kept under STATE so that every test of the run uses them.
#   wine-session.sh start STATE | stop STATE
set -euo pipefail
action=${1:?start or stop}
state=${2:?state folder}
mkdir -p "$state"
state=$(cd "$state" && pwd)
source "$(dirname "$0")/wine-env.sh"
export WINEPREFIX=$state/prefix

source "$(dirname "$0")/xvfb.sh"

alive() { [[ -f $1 ]] && kill -0 "$(cat "$1")" 2>/dev/null; }

stop() {
  if [[ -d $WINEPREFIX ]]; then
    wineserver -k 2>/dev/null || true
    wineserver -w 2>/dev/null || true
  fi
  if alive "$state/xvfb.pid"; then
    kill "$(cat "$state/xvfb.pid")" 2>/dev/null || true
  fi
  rm -f "$state/xvfb.pid" "$state/display"
  # A prefix takes over a gigabyte, and every start makes a new one.
  rm -rf "$WINEPREFIX"
}

case $action in
  start)
    stop
    rm -rf "$WINEPREFIX"
    start_xvfb "$state" 1024x768x24
    echo "$XVFB_PID" >"$state/xvfb.pid"
    echo "$DISPLAY" >"$state/display"
    make_prefix >/dev/null 2>&1
    wineserver -w
    "$(dirname "$0")/wine-fonts.sh" "$WINEPREFIX"
    # A crash must fail its test, not wait at winedbg's dialog.
    wine_tool reg add 'HKCU\Software\Wine\WineDbg' /v ShowCrashDialog /t REG_DWORD /d 0 /f >/dev/null 2>&1
    wineserver -w
    echo "Wine session ready: prefix $WINEPREFIX, display $DISPLAY"
    ;;
  stop)
    stop
    echo "Wine session stopped"
    ;;
  *) echo "usage: $0 start|stop STATE" >&2; exit 2 ;;
esac
