#!/bin/bash
# Runs one Windows program under Wine for CTest (the emulator of the Windows builds).
#   wine-run.sh --state STATE PROGRAM [ARGS...]
# Inside a test run it uses the run's session (see wine-session.sh); alone, it
# makes a session of its own and stops it afterwards. Wine's CR line ends are dropped.
set -uo pipefail
[[ ${1:-} == --state ]] || { echo "usage: $0 --state STATE PROGRAM [ARGS...]" >&2; exit 2; }
state=$2; shift 2
here=$(cd "$(dirname "$0")" && pwd)
mkdir -p "$state"; state=$(cd "$state" && pwd)

own=0
if ! { [[ -f $state/xvfb.pid ]] && kill -0 "$(cat "$state/xvfb.pid")" 2>/dev/null; }; then
  own=1
  "$here/wine-session.sh" start "$state" >/dev/null || exit 1
fi
source "$here/wine-env.sh"
export WINEPREFIX=$state/prefix
export DISPLAY=$(cat "$state/display")

wine "$@" | tr -d '\r'
rc=${PIPESTATUS[0]}
if (( own )); then "$here/wine-session.sh" stop "$state" >/dev/null; fi
exit "$rc"
