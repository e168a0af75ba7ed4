#!/bin/bash
# Runs a Windows test program in the test run's Wine session with Wine told to
# load an MPR.DLL found beside the program instead of its own.
#   run_with_local_mpr.sh STATE PROGRAM [ARGS...]
set -uo pipefail
state=$1; shift
source "$(dirname "$0")/../../../tools/wine-env.sh"
export WINEPREFIX=$state/prefix WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mpr=n,b"
export DISPLAY=$(cat "$state/display")
wine "$@" | tr -d '\r'
exit "${PIPESTATUS[0]}"
