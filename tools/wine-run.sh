#!/bin/bash
# Runs one Windows program under Wine for CTest (the emulator of the Windows builds).
#   wine-run.sh --state STATE PROGRAM [ARGS...]
# Inside a test run it uses the run's session (see wine-session.sh); alone, it
# makes a session of its own and stops it afterwards. Wine's CR line ends are
# dropped (see without_cr). A program gets the test's whole time: CTest bounds it.
set -uo pipefail
[[ ${1:-} == --state ]] || { echo "usage: $0 --state STATE PROGRAM [ARGS...]" >&2; exit 2; }
state=$2; shift 2
mkdir -p "$state"; state=$(cd "$state" && pwd)
source "$(dirname "$0")/lib.sh"
# Outside CTest, which says, the program's own header tells its kind.
if [[ -z ${QUELLORA_WINE_ARCH:-} && -f ${1:-} ]]; then choose_wine "$(pe_arch "$1")"; fi

own=0
if ! session_alive "$state"; then
  own=1
  session_start "$state" >/dev/null || exit 1
fi
session_use "$state"
without_cr wine "$@"
rc=$?
if ((own)); then session_stop "$state"; fi
exit "$rc"
