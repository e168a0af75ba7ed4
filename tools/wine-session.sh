#!/bin/bash
# Starts or stops the Wine session of one test run: a throwaway prefix and an
# Xvfb display of our own, kept under STATE so that every test of the run uses them.
#   wine-session.sh start STATE | stop STATE
set -uo pipefail
action=${1:?start or stop}
state=${2:?state folder}
mkdir -p "$state"
state=$(cd "$state" && pwd)
source "$(dirname "$0")/lib.sh"

case $action in
  start)
    session_start "$state" || exit 1
    echo "Wine session ready: prefix $WINEPREFIX, display $DISPLAY"
    ;;
  stop)
    session_stop "$state"
    echo "Wine session stopped"
    ;;
  *) echo "usage: $0 start|stop STATE" >&2; exit 2 ;;
esac
