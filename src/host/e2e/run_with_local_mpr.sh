#!/bin/bash
# Runs a Windows test program in the test run's Wine session with Wine told to
# load an MPR.DLL found beside the program instead of its own.
#   run_with_local_mpr.sh STATE PROGRAM [ARGS...]
set -uo pipefail
state=$1; shift
export WINEPREFIX=$state/prefix WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d;mpr=n,b"
export DISPLAY=$(cat "$state/display")
wine "$@" | tr -d '\r'
exit "${PIPESTATUS[0]}"
