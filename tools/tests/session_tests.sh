#!/bin/bash
# The shell library's Wine session under the stress a busy machine puts on it:
# its one wineserver outlives the pauses between programs, even held still for
# longer than Wine's own connection retries last; wait_programs waits for the
# prefix's programs and not for Wine's services; save_registry writes what the
# server holds into the prefix's files and leaves the session its server.
#   session_tests.sh STATE
# STATE is a folder of the test's own for its display and throwaway prefix.
set -uo pipefail
state=${1:?state folder}
source "$(dirname "$0")/../lib.sh"
mkdir -p "$state" && state=$(cd "$state" && pwd)
held=""
cleanup() {
  if [[ -n $held ]]; then kill -CONT "$held" 2>/dev/null; fi
  session_stop "$state"
}
trap cleanup EXIT
session_start "$state" >/dev/null || fatal "no Wine session"
key='HKCU\Software\QuelloraSessionTest'
reg_set "$key" Value present

# The session's wineserver: its pid, found by its prefix.
server_pid() {
  local environ
  while read -r environ; do
    [[ $(readlink "${environ%/environ}/exe") == */wineserver* ]] && basename "${environ%/environ}"
  done < <(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null) | head -1
}
read_value() { [[ $(reg_get "$key" Value) == present ]]; }
# No Wine process of the prefix but the server: Debian's would end now.
server_alone() {
  local environ
  while read -r environ; do
    [[ $(readlink "${environ%/environ}/exe") =~ /wine(64)?(-preloader)?$ ]] && return 1
  done < <(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null)
  return 0
}

case_server_outlives_a_pause() {
  local before
  read_value || fail "value not read"
  before=$(server_pid)
  [[ -n $before ]] || { fail "no server after a program"; return; }
  sleep 2  # longer than Wine's services take to end with the last program
  [[ $(server_pid) == "$before" ]] || fail "server $before gone after a pause (now: $(server_pid))"
}

# Wine's programs wait for a server that is winding down only about five
# seconds; held still for eight (as a busy machine may hold it) once the last
# program and Wine's services have ended, it must still be the one that
# answers. (The session's server keeps the services; Debian's own would be
# ending now, and the program would fail to start.)
case_program_starts_while_the_server_is_held() {
  local pid
  read_value || fail "value not read"
  wait_until 4 server_alone
  pid=$(server_pid)
  [[ -n $pid ]] || { fail "no server"; return; }
  kill -STOP "$pid" && held=$pid
  (sleep 8; kill -CONT "$pid") &
  local resumer=$! start
  start=$(date +%s.%N)
  read_value || fail "a program started while the server was held did not read the value ($(seconds_since "$start") s)"
  wait "$resumer"
  held=""
}

case_wait_programs_waits_for_programs_only() {
  wine_tool ping -n 4 127.0.0.1 >/dev/null &
  local pinger=$!
  wait_until 10 running_program ping || fail "the program of the prefix is not listed: $(prefix_programs | tr '\n' ';')"
  wait_programs 30 || fail "still waiting for: $(prefix_programs | tr '\n' ';')"
  # The program is gone from the prefix; Wine's launcher of it on this side
  # may take a moment more to end.
  ! running_program ping || fail "wait_programs returned while the program ran"
  wait_until 10 ended "$pinger" || fail "the program's launcher runs on after its program ended"
  wait "$pinger"
  [[ -n $(server_pid) ]] || fail "the server ended with the program"
}
running_program() { local now; now=$(prefix_programs); [[ ${now,,} == *"$1"* ]]; }

case_save_registry_writes_the_files() {
  local value=saved-$RANDOM before
  reg_set "$key" Saved "$value"
  before=$(server_pid)
  save_registry || fail "save_registry failed"
  grep -q "\"Saved\"=\"$value\"" "$WINEPREFIX/user.reg" || fail "user.reg lacks the value written before"
  [[ -n $(server_pid) && $(server_pid) != "$before" ]] || fail "no new server after the save"
  sleep 2
  [[ -n $(server_pid) ]] || fail "the server after the save does not outlive a pause"
}

for name in server_outlives_a_pause program_starts_while_the_server_is_held \
            wait_programs_waits_for_programs_only save_registry_writes_the_files; do
  run_case "$name" "case_$name"
done
end_suite
