#!/bin/bash
# Runs a Windows test program in the test run's Wine session with Wine told to
# load an MPR.DLL found beside the program instead of its own.
#   run_with_local_mpr.sh STATE PROGRAM [ARGS...]
set -uo pipefail
state=$1; shift
source "$(dirname "$0")/../../../tools/lib.sh"
session_use "$state" || exit 1
export WINEDLLOVERRIDES="$WINEDLLOVERRIDES;mpr=n,b"
without_cr wine "$@"
