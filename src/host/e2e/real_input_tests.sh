#!/bin/bash
# The real quellora.scr worked the way a person works it: the pointer moved and
# clicked and keys typed through XTest (xdotool) on the test run's X display,
# never a posted or sent message; the saver started with the switches the
# system uses. Prints one line per case: real events sent, what the saver did,
# and the time from the closing event to the end of the process.
#   real_input_tests.sh STATE SAVER PASSWORD_CPL PREVIEW_PARENT SNAPSHOT WORK [--figures RUNS]
# STATE is the test run's Wine session (prefix and display); WORK a folder of
# this suite's own. --figures repeats every case RUNS times for medians.
set -uo pipefail
state=$1 saver=$2 password_cpl=$3 preview_parent=$4 snapshot=$5 work=$6
shift 6
runs=1
if [[ ${1:-} == --figures ]]; then runs=${2:-5}; fi

source "$(dirname "$0")/../../../tools/lib.sh"
session_use "$state" || exit 1
export LC_ALL=en_US.UTF-8
settings='HKCU\SOFTWARE\Quellora' desktop='HKCU\Control Panel\Desktop'

saver_pid="" parent_pid=""
cleanup() {
  stop_saver
  if [[ -n $parent_pid ]]; then kill "$parent_pid" 2>/dev/null; fi
  reg_delete "$settings"
  reg_delete "$desktop" ScreenSaveUsePassword
}
trap cleanup EXIT

# A fresh folder holding a copy of the saver (and what else the case puts there).
folder_for() {
  local folder=$work/$1
  rm -rf "$folder" && mkdir -p "$folder" && cp "$saver" "$folder/quellora.scr"
  echo "$folder"
}

# The copy in FOLDER started full screen (/s): waits for its window and gives
# it a moment to show and paint.
show_saver() {  # FOLDER
  start_saver "$1/quellora.scr" /s || { fail "no saver window appeared"; return 1; }
  sleep 1.5
}
# The copy in FOLDER started with /c: waits for the settings dialog, and gives
# it a moment to take input.
show_settings() {  # FOLDER
  launch_saver "$1/quellora.scr" /c
  wait_window 20 --name '^Settings$' >/dev/null || { fail "no settings dialog under $LC_ALL"; return 1; }
  sleep 1
}

saver_running() { running "$saver_pid"; }

# Waits up to MS milliseconds for the saver to end; sets exit_ms (from the
# call, made right after the closing event) and exit_code. Polls every 10 ms:
# the time is one of the figures.
wait_for_exit() {
  local start
  start=$(now_ms)
  while saver_running; do
    if (($(now_ms) - start > $1)); then return 1; fi
    sleep 0.01
  done
  exit_ms=$(($(now_ms) - start))
  wait "$saver_pid"
  exit_code=$?
  saver_pid=""
}

# Real pointer moves, each to a new place, after the pause a hand takes; the
# last event is the last thing done, so a closing time counts from it.
move_pointer() {
  local i
  for ((i = 0; i < $1; i++)); do
    sleep 0.3
    pointer_x=$(((pointer_x + 97) % 900 + 50))
    xdotool mousemove "$pointer_x" 300
  done
}
pointer_x=200

click_in_place() {
  local i
  for ((i = 0; i < $1; i++)); do
    sleep 0.3
    xdotool click 1
  done
}

expect_running() {
  sleep "$2"
  saver_running || fail "$1: the saver closed"
}

# Ends the case once the closing event has been sent: the saver must be gone
# within 3 s (the redraw thread polls once a second) with exit code 0.
expect_closed() {
  if ! wait_for_exit 3000; then
    fail "$1: still running 3 s after the closing event"
    stop_saver
    return 1
  fi
  ((exit_code == 0)) || fail "$1: exit code $exit_code"
  timings+=("$exit_ms")
}

median() { printf '%s\n' "$@" | sort -n | awk '{a[NR]=$1} END {print (NR ? a[int((NR+1)/2)] : "-")}'; }

report() {  # CASE EVENTS WHAT
  if ((${#timings[@]})); then
    printf '%-26s | %-40s | %-40s | median %s ms of %d\n' "$1" "$2" "$3" "$(median "${timings[@]}")" "${#timings[@]}"
  else
    printf '%-26s | %-40s | %s\n' "$1" "$2" "$3"
  fi
}

# --- The cases ----------------------------------------------------------------

case_no_input() {
  show_saver "$(folder_for no_input)" || return
  expect_running "no input" 3
  xdotool key space
  expect_closed "no input"
}

# Wine, like Windows, may send one mouse move of its own when the window
# appears under the pointer, and every move counts: one real event leaves at
# most two, and the third real one is the third event at the latest. Whether
# the second or the third closed it, the time is taken from that one.
second_or_third_closes() {  # WHAT EVENT-COMMAND...
  local what=$1
  shift
  "$@" 1
  if wait_for_exit 1500; then
    ((exit_code == 0)) || fail "$what: exit code $exit_code"
    timings+=("$exit_ms")
    closed_by_second=$((closed_by_second + 1))
    return
  fi
  "$@" 1
  expect_closed "$what"
}

case_moves() {
  show_saver "$(folder_for moves)" || return
  move_pointer 1
  expect_running "one move" 1.5
  second_or_third_closes "three moves" move_pointer
}

case_clicks() {
  show_saver "$(folder_for clicks)" || return
  click_in_place 1
  expect_running "one click" 1.5
  second_or_third_closes "three clicks" click_in_place
}

case_key() {
  show_saver "$(folder_for key)" || return
  xdotool key a
  expect_closed "a key"
}

record_lines() { [[ -f $1 ]] && wc -l <"$1" || echo 0; }

case_password_refused() {
  local folder record
  folder=$(folder_for password)
  cp "$password_cpl" "$folder/PASSWORD.CPL"
  record=$folder/record.txt
  reg_number "$desktop" ScreenSaveUsePassword 1
  QUELLORA_TEST_PASSWORD=refuse QUELLORA_TEST_RECORD=$(wine_path "$record") show_saver "$folder" || return
  xdotool key a
  sleep 1.5
  [[ $(record_lines "$record") == 1 ]] || fail "a key did not ask for the password once (asked $(record_lines "$record"))"
  expect_running "password refused after a key" 0
  move_pointer 3
  sleep 1.5
  [[ $(record_lines "$record") == 2 ]] || fail "three moves did not ask again (asked $(record_lines "$record"))"
  expect_running "password refused after three moves" 0
  stop_saver
  reg_delete "$desktop" ScreenSaveUsePassword
}

case_preview() {
  local folder handle
  folder=$(folder_for preview)
  wine "$preview_parent" --at 300 200 320 240 >"$folder/handle.txt" 2>/dev/null &
  parent_pid=$!
  wait_until 10 test -s "$folder/handle.txt"
  handle=$(tr -d '\r\n' <"$folder/handle.txt")
  [[ -n $handle ]] || { fail "the preview's parent window did not come up"; return; }
  launch_saver "$folder/quellora.scr" /p "$handle"
  sleep 3
  saver_running || { fail "the preview did not start in its parent"; return; }
  local x
  for x in 350 420 500 560; do xdotool mousemove "$x" 320; sleep 0.2; done
  click_in_place 3
  xdotool key a
  expect_running "the preview under real input" 1.5
  # The parent's program ends without destroying its window: the preview follows.
  kill -9 "$parent_pid" 2>/dev/null
  { wait "$parent_pid"; } 2>/dev/null
  parent_pid=""
  expect_closed "the preview's parent gone"
}

stored() { reg_get "$settings" "$1"; }  # NAME: the stored value's data
expect_stored() {  # WHAT NAME DATA
  [[ $(stored "$2") == "$3" ]] || fail "$1: stored $2 is '$(stored "$2")', not '$3'"
}

# The bottom-left frame text (name and birth moment) as the saver shows it now,
# against the same corner drawn by the snapshot tool for the expected settings.
# The strip under the ring holds nothing else at 1024x768.
corner() { convert "$1" -crop 300x35+0+733 +repage "$2"; }

expect_corner_shows() {  # WHAT USER BIRTH(yyyy-MM-dd HH:mm)
  local shot=$work/shown.png
  import -window root "$shot"
  snapshot_picture "$snapshot" "$work" --now "2026-12-09 18:00" --user "$2" --birth "$3" --stars off --lang en \
    --size 1024x768 || { fail "$1: no snapshot"; return; }
  corner "$shot" "$work/shown-corner.png"
  corner "$work/snapshot.bmp" "$work/expected-corner.png"
  local differing
  differing=$(compare -metric AE "$work/shown-corner.png" "$work/expected-corner.png" null: 2>&1)
  [[ $differing == 0 ]] || fail "$1: the corner text differs from \"$2, $3\" in $differing pixels"
}

# The settings typed as a person types them, under U.S. formats: the name, the
# date and time into the pickers (Wine's picker selects a field only once an
# arrow key is pressed), the star box cleared with Space, Enter for OK.
case_settings_typed() {
  local folder
  folder=$(folder_for settings)
  reg_delete "$settings"
  show_settings "$folder" || return
  xdotool key Tab
  xdotool type --delay 40 "Ada Lovelace"
  xdotool key Tab Right
  xdotool type --delay 40 15
  xdotool key Right
  xdotool type --delay 40 03
  xdotool key Right
  xdotool type --delay 40 1985
  xdotool key Tab Right
  xdotool type --delay 40 09
  xdotool key Right
  xdotool type --delay 40 05
  xdotool key Tab Tab space
  sleep 0.3
  xdotool key Return
  expect_closed "Enter in the settings dialog" || return
  expect_stored "typed" User "Ada Lovelace"
  expect_stored "typed" Birth "3/15/1985 9:05:00 AM"
  expect_stored "typed" Star 0x0

  show_saver "$folder" || return
  expect_corner_shows "/s after the typed settings" "Ada Lovelace" "1985-03-15 09:05"
  xdotool key a
  expect_closed "/s after the typed settings"
}

# The same dialog confirmed under Russian formats rewrites the text in them;
# the saver then shows the same moment, also back under U.S. formats, where
# the Russian text alone would not read.
case_settings_other_locale() {
  local folder
  folder=$work/settings
  [[ -n $(stored BirthRecord) ]] || { fail "nothing stored to carry over"; return; }
  LC_ALL=ru_RU.UTF-8 show_settings "$folder" || return
  xdotool key Return
  expect_closed "Enter in the dialog under Russian formats" || return
  expect_stored "under Russian formats" Birth "15.03.1985 09:05:00"
  expect_stored "under Russian formats" User "Ada Lovelace"

  show_saver "$folder" || return
  expect_corner_shows "/s under U.S. formats after a Russian OK" "Ada Lovelace" "1985-03-15 09:05"
  xdotool key a
  expect_closed "/s after the Russian OK"
}

# --- The table -------------------------------------------------------------------
# function | real events | what the saver must do
cases=(
  "case_no_input|none for 3 s, then a key|stays, then closes on the key"
  "case_moves|1 pointer move, then 2 more|stays after 1, closes after the 3rd"
  "case_clicks|1 click in place, then 2 more|stays after 1, closes after the 3rd"
  "case_key|1 key (A)|closes"
  "case_password_refused|1 key, then 3 pointer moves|asks twice, refused: stays"
  "case_preview|4 moves, 3 clicks, 1 key over it|ignores them; ends with its parent"
  "case_settings_typed|name, date, time typed; Space; Enter|stores them; /s draws them"
  "case_settings_other_locale|Enter under ru-RU|keeps the moment; /s draws it"
)

mkdir -p "$work"
xdotool mousemove 500 400
for entry in "${cases[@]}"; do
  IFS='|' read -r function events what <<<"$entry"
  timings=()
  closed_by_second=0
  before=$failures
  # A case that failed half-way leaves no saver to the next.
  for ((run = 0; run < runs; run++)); do "$function"; stop_saver; done
  result=$what
  ((closed_by_second == 0)) || result+=" (by the 2nd in $closed_by_second of $runs: Wine's own move first)"
  ((failures == before)) || result="FAILED: $what"
  report "${function#case_}" "$events" "$result"
done

if ((failures)); then
  echo "$failures failure(s)"
  exit 1
fi
echo "all real-input cases passed"
