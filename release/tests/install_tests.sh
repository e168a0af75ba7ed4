#!/bin/bash
# Installs, runs and removes the release under Wine as a Windows user does:
# the installer from its .exe, the saver from the path the registry names, the
# settings from the Start-menu shortcut, the uninstaller from the entry in the
# list of installed programs; keys and confirmations are real X key presses.
#   install_tests.sh CASE
# CASE: silent.all_users silent.current_user upgrade bad_target language
# uninstall_choice. Each makes a fresh Wine prefix and display under
# $QUELLORA_TEST_STATE/CASE and stops them at the end. The environment names
# the installer (QUELLORA_SETUP), the saver it should hold (QUELLORA_SCR) and
# the window_texts helper (QUELLORA_WINDOW_TEXTS) and the version the install
# registers (QUELLORA_VERSION). With QUELLORA_SCREENSHOTS set
# to a folder, the language case saves the installer's first page there.
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)
case_name=${1:?case}
setup=${QUELLORA_SETUP:?} scr=${QUELLORA_SCR:?} window_texts=${QUELLORA_WINDOW_TEXTS:?} version=${QUELLORA_VERSION:?}
source "$here/../../tools/lib.sh"

# --- The Wine session --------------------------------------------------------

state=$QUELLORA_TEST_STATE/$case_name
mkdir -p "$state"
session_start "$state" >/dev/null || { fail "no Wine session"; exit 1; }
trap 'session_stop "$state"' EXIT
export LC_ALL=en_US.UTF-8
drive=$WINEPREFIX/drive_c
user_dir=$drive/users/$(id -un)
# Xvfb runs no window manager: Wine draws the installer's frame and caption.
reg_set 'HKCU\Software\Wine\AppDefaults\'"$(basename "$setup")"'\X11 Driver' Managed N

desktop='HKCU\Control Panel\Desktop'
settings='HKCU\Software\Quellora'
caption_en="Quellora Setup"

# Where an install of each kind puts things, as Windows paths and the registry
# root of its entry (read through the view the installer writes to: the 32-bit
# one for the 32-bit installer).
if [[ ${QUELLORA_WINE_ARCH:-win32} == win64 ]]; then
  view=64 system_scr='C:\windows\system32\quellora.scr' program_files='C:\Program Files'
else
  view=32 system_scr='C:\windows\syswow64\quellora.scr' program_files='C:\Program Files (x86)'
fi
declare -A all_users=(
  [scr]=$system_scr [folder]="$program_files\Quellora"
  [entry]='HKLM\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellora'
  [shortcut]='C:\ProgramData\Microsoft\Windows\Start Menu\Programs\Quellora.lnk')
declare -A current_user=(
  [scr]="C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Quellora\\quellora.scr"
  [folder]="C:\\users\\$(id -un)\\AppData\\Local\\Programs\\Quellora"
  [entry]='HKCU\Software\Microsoft\Windows\CurrentVersion\Uninstall\Quellora'
  [shortcut]="C:\\users\\$(id -un)\\AppData\\Roaming\\Microsoft\\Windows\\Start Menu\\Programs\\Quellora.lnk")

expect_value() {  # KEY NAME EXPECTED
  local got
  if ! got=$(reg_get "$1" "$2" "$view"); then fail "$1 $2 is missing, expected \"$3\""
  elif [[ $got != "$3" ]]; then fail "$1 $2 is \"$got\", expected \"$3\""; fi
}
expect_no_value() {  # KEY NAME
  local got
  if got=$(reg_get "$1" "$2" "$view"); then fail "$1 $2 is still there: \"$got\""; fi
}

# Files of the prefix's drive C:, without the temporary folders, where the
# uninstaller runs as a copy of itself.
files_of_drive() {
  (cd "$drive" && find . \( -ipath './users/*/Temp' -o -ipath './windows/temp' \) -prune -o -print | sort)
}
# Registry keys (as Wine stores them) that mention Quellora, its settings key aside.
quellora_keys() {
  save_registry || fail "the registry could not be saved: programs still running: $(prefix_programs | tr '\n' ';')"
  grep -ih '^\[.*quellora' "$WINEPREFIX/system.reg" "$WINEPREFIX/user.reg" |
    sed 's/\] [0-9]*$/]/' | grep -iv '^\[Software\\\\Quellora\]$' |
    grep -iv '\\\\AppDefaults\\\\quellora-setup' || true
}

# The uninstaller's copy of itself cannot delete itself: whatever of it stays
# in the temporary folder must be marked for deletion at the next start.
temp_files() { (cd "$user_dir/Temp" 2>/dev/null && find . -type f | sort); }
check_temp_left() {  # TEMP_FILES_BEFORE
  local pending file
  pending=$(wine_tool reg query 'HKLM\System\CurrentControlSet\Control\Session Manager' \
              /v PendingFileRenameOperations 2>/dev/null)
  while read -r file; do
    [[ -n $file ]] || continue
    file="C:\\users\\$(id -un)\\Temp\\$(tr / '\\' <<<"${file#./}")"
    [[ $pending == *"$file"* ]] || fail "left in the temporary folder, not marked for deletion: $file"
  done < <(comm -13 <(printf '%s\n' "$1") <(temp_files))
}

# A window of the title (regular expression) to type into: waits for it and
# puts the pointer on it, since keys go to the window under the pointer. The
# installer's caption gains a trailing blank once its work is done.
point_at_window() {  # TITLE_REGEX SECONDS
  local window
  window=$(wait_window "$2" --name "$1") || return 1
  xdotool mousemove --window "$window" 40 40
  sleep 0.5
}
no_window() { ! xdotool search --onlyvisible --name "$1" >/dev/null 2>&1; }
wait_no_window() { wait_until "$2" no_window "$1"; }  # TITLE_REGEX SECONDS
# Texts of the visible windows titled TITLE, once one of them says NEEDLE.
texts_saying() {  # TITLE NEEDLE SECONDS
  local i texts
  for ((i = 0; i < $3 * 2; i++)); do
    texts=$(wine_for 30 "$window_texts" "$1" 1 2>/dev/null)
    if [[ $texts == *"$2"* ]]; then printf '%s\n' "$texts"; return 0; fi
    sleep 0.5
  done
  printf '%s\n' "$texts"
  return 1
}


# --- Steps -------------------------------------------------------------------

install_silently() {  # ARGS...: the installer's exit code
  local start rc
  start=$(date +%s.%N)
  wine_for 120 "$setup" /S "$@"
  rc=$?
  note "silent install $* took $(seconds_since "$start") s (exit code $rc)"
  return $rc
}

# The uninstaller as the list of installed programs starts it quietly; it
# hands over to a copy of itself and returns, so its work is waited for.
uninstall_quietly() {  # ENTRY_KEY FOLDER
  local command program start
  command=$(reg_get "$1" QuietUninstallString "$view") || { fail "no QuietUninstallString under $1"; return; }
  program=$(sed -n 's/^"\([^"]*\)" \/S$/\1/p' <<<"$command")
  [[ -n $program ]] || { fail "QuietUninstallString is not '\"uninstaller\" /S': $command"; return; }
  start=$(date +%s.%N)
  wine_for 60 "$program" /S
  wait_gone "$(unix_path "$2")" 60 || fail "$2 still there $(bound 60) s after the quiet uninstall"
  note "silent uninstall took $(seconds_since "$start") s"
  # Its copy goes on after the folder: the entry for the next start's clean-up.
  wait_programs 60 || fail "still running $(bound 60) s after the quiet uninstall: $(prefix_programs | tr '\n' ';')"
}

# A picture on the whole screen, not an empty window: at least the twelve
# meridians' colours, and none of them over most of the screen but one.
painted() {
  import -window root "$state/shown.png" 2>/dev/null &&
    convert "$state/shown.png" -format %c histogram:info:- 2>/dev/null |
    awk '{ n++; if ($1 + 0 > most) most = $1 + 0; total += $1 } END { exit !(n >= 12 && most > total / 2) }'
}
shows_picture() { wait_until 5 painted; }

# The saver as the system starts it: the path under SCRNSAVE.EXE with /s; it
# shows its picture, and a real key press ends it.
run_selected_saver() {
  local path start saver_pid
  path=$(reg_get "$desktop" SCRNSAVE.EXE "$view") || { fail "no saver selected"; return; }
  start=$(date +%s.%N)
  start_saver "$path" /s || { fail "$path /s showed no window"; return; }
  shows_picture || fail "$path /s shows no picture"
  note "$path /s showed its picture after $(seconds_since "$start") s"
  sleep 1
  xdotool key space
  if ! wait_exit "$saver_pid" 5; then fail "a key did not close the saver"; stop_saver; return; fi
  wait "$saver_pid" || fail "$path /s ended with exit code $?"
}

# The Start-menu shortcut opens the settings dialog; Enter confirms it.
open_settings_from_shortcut() {  # SHORTCUT
  local start
  start=$(date +%s.%N)
  wine_tool start "$1"
  if ! point_at_window '^Settings$' 20; then fail "the shortcut $1 opened no settings dialog"; return; fi
  note "the shortcut opened the settings after $(seconds_since "$start") s"
  xdotool key Return
  wait_no_window '^Settings$' 5 || fail "Enter did not close the settings dialog"
}

# Everything an install of this kind makes, as it should be after it.
check_installed() {  # KIND(all_users|current_user)
  local -n where=$1
  local scr_unix entry=${where[entry]} size icon
  scr_unix=$(unix_path "${where[scr]}")
  cmp -s "$scr_unix" "$scr" || fail "${where[scr]} is not the release saver"
  [[ -f $(unix_path "${where[folder]}\\uninstall.exe") ]] || fail "no uninstaller in ${where[folder]}"
  [[ -f $(unix_path "${where[shortcut]}") ]] || fail "no Start-menu shortcut ${where[shortcut]}"
  # The selected saver is ours (short or long form of its path).
  local selected
  selected=$(reg_get "$desktop" SCRNSAVE.EXE "$view") || fail "SCRNSAVE.EXE missing"
  [[ $(unix_path "$selected") -ef $scr_unix ]] || fail "SCRNSAVE.EXE names $selected, not ${where[scr]}"
  expect_value "$desktop" ScreenSaveActive 1

  expect_value "$entry" DisplayName Quellora
  expect_value "$entry" DisplayVersion "$version"
  reg_get "$entry" Publisher "$view" >/dev/null || fail "no Publisher under $entry"
  size=$(reg_get "$entry" EstimatedSize "$view") || size=0
  (($(stat -c %s "$scr_unix") / 1024 <= size && size < 2048)) || fail "EstimatedSize $size KB"
  icon=$(reg_get "$entry" DisplayIcon "$view") || icon=""
  [[ $(unix_path "${icon%,0}") -ef $scr_unix ]] || fail "DisplayIcon \"$icon\" is not the saver"
  expect_value "$entry" UninstallString "\"${where[folder]}\\uninstall.exe\""
  expect_value "$entry" QuietUninstallString "\"${where[folder]}\\uninstall.exe\" /S"
}

check_nothing_left() {  # KIND FILES_BEFORE
  local -n where=$1
  local left
  left=$(diff <(printf '%s\n' "$2") <(files_of_drive) | sed -n 's/^> //p')
  [[ -z $left ]] || fail "left behind on C: $(echo $left)"
  [[ ! -e $(unix_path "${where[scr]}") ]] || fail "${where[scr]} is still there"
  reg_has_key "${where[entry]}" "$view" && fail "${where[entry]} is still there"
  left=$(quellora_keys)
  [[ -z $left ]] || fail "registry keys left: $(echo $left)"
}

# --- Cases -------------------------------------------------------------------

# Install silently into a fresh prefix, use it as a user would, uninstall
# quietly: all gone, the previous saver back, the user's settings kept.
case_silent() {  # KIND INSTALLER_ARGS...
  local kind=$1; shift
  local -n where=$kind
  reg_set "$desktop" SCRNSAVE.EXE 'C:\windows\system32\previous.scr'
  reg_set "$desktop" ScreenSaveActive 0
  reg_set "$settings" User "Ada Example"
  local before temp_before
  before=$(files_of_drive)
  temp_before=$(temp_files)

  install_silently "$@" || fail "the silent install failed"
  check_installed "$kind"
  run_selected_saver
  open_settings_from_shortcut "${where[shortcut]}"
  expect_value "$settings" English 0x1

  uninstall_quietly "${where[entry]}" "${where[folder]}"
  check_nothing_left "$kind" "$before"
  check_temp_left "$temp_before"
  expect_value "$desktop" SCRNSAVE.EXE 'C:\windows\system32\previous.scr'
  expect_value "$desktop" ScreenSaveActive 0
  expect_value "$settings" User "Ada Example"
}

# Installing over an install upgrades it in place; one uninstall then removes
# everything and brings back the saver from before the first install.
case_upgrade() {
  local previous before
  for previous in "" 'C:\windows\system32\previous.scr'; do
    note "previous saver: ${previous:-none}"
    if [[ -n $previous ]]; then reg_set "$desktop" SCRNSAVE.EXE "$previous"; fi
    before=$(files_of_drive)
    install_silently || fail "the first install failed"
    install_silently || fail "the second install failed"
    check_installed all_users
    expect_value "${all_users[entry]}" InstallLocation "${all_users[folder]}"
    uninstall_quietly "${all_users[entry]}" "${all_users[folder]}"
    check_nothing_left all_users "$before"
    if [[ -n $previous ]]; then expect_value "$desktop" SCRNSAVE.EXE "$previous"
    else expect_no_value "$desktop" SCRNSAVE.EXE; fi
  done

  # An upgrade into another folder leaves one install, in the new folder.
  note "upgrade of a per-user install into another folder"
  local -A moved=([folder]='C:\Moved\Quellora' [scr]='C:\Moved\Quellora\quellora.scr'
                  [entry]=${current_user[entry]} [shortcut]=${current_user[shortcut]})
  before=$(files_of_drive)
  install_silently /CurrentUser || fail "the first install failed"
  install_silently /CurrentUser '/D=C:\Moved\Quellora' || fail "the install into another folder failed"
  check_installed moved
  [[ -e $(unix_path "${current_user[folder]}") ]] && fail "the earlier folder ${current_user[folder]} is still there"
  expect_value "${moved[entry]}" PreviousScreenSaver 'C:\windows\system32\previous.scr'
  uninstall_quietly "${moved[entry]}" "${moved[folder]}"
  check_nothing_left moved "$before"
  expect_value "$desktop" SCRNSAVE.EXE 'C:\windows\system32\previous.scr'
}

# A target folder that cannot be written: silent, the installer stops before
# it changes anything, with exit code 2; through the pages, the folder page
# says so and stays, and the user can leave.
case_bad_target() {
  touch "$drive/blocker"
  ln -sfn /sys "$WINEPREFIX/dosdevices/r:"
  reg_set "$desktop" SCRNSAVE.EXE 'C:\windows\system32\previous.scr'
  local before target rc pid texts
  before=$(files_of_drive)
  for target in 'C:\blocker\Quellora' 'R:\Quellora'; do
    note "silent install into $target"
    install_silently "/D=$target"
    rc=$?
    ((rc == 2)) || fail "the install into $target ended with exit code $rc, not 2"
    check_nothing_left all_users "$before"
    expect_value "$desktop" SCRNSAVE.EXE 'C:\windows\system32\previous.scr'
    [[ -e $(unix_path "${all_users[shortcut]}") ]] && fail "a shortcut was made"

    note "install into $target through the pages"
    wine "$setup" "/D=$target" &
    pid=$!
    point_at_window "^$caption_en ?\$" 30 || { fail "no installer window"; kill "$pid"; continue; }
    xdotool key Return   # Welcome: Next
    sleep 1
    xdotool key Return   # Folder: Install
    if texts=$(texts_saying "$caption_en" "cannot be written" 20); then
      note "the installer says: $(grep -m1 'cannot be written' <<<"$texts")"
      [[ $texts == *"$target"* ]] || fail "the message does not name $target: $texts"
      [[ $texts == *"Nothing has been changed"* ]] || fail "the message does not say nothing changed: $texts"
    else
      fail "no message about the unwritable folder; the windows say: $texts"
    fi
    point_at_window "^$caption_en ?\$" 5
    xdotool key Return   # the message: OK, back on the folder page
    sleep 1
    xdotool key Escape   # Cancel
    if wait_exit "$pid" 10; then
      wait "$pid"; rc=$?
      ((rc == 1)) || fail "the cancelled installer ended with exit code $rc, not 1"
    else
      fail "the installer did not end after the failure"; kill "$pid" 2>/dev/null
    fi
    check_nothing_left all_users "$before"
    expect_value "$desktop" SCRNSAVE.EXE 'C:\windows\system32\previous.scr'
  done
}

# The installer speaks the language the saver would: Russian on Russian,
# Ukrainian and Belarusian systems, English elsewhere. Escape leaves it.
case_language() {
  local locale caption pid window title
  for run in "ru_RU:Установка Quellora:ru" "uk_UA:Установка Quellora:" "be_BY:Установка Quellora:" \
             "en_US:$caption_en:en" "de_DE:$caption_en:"; do
    IFS=: read -r locale caption shot <<<"$run"
    note "$locale"
    LC_ALL=$locale.UTF-8 wine "$setup" &
    pid=$!
    window=$(wait_window 30 --name "^(Quellora Setup|Установка Quellora) ?\$") ||
      { fail "$locale: no installer window"; kill "$pid"; continue; }
    title=$(xdotool getwindowname "$window")
    [[ ${title% } == "$caption" ]] || fail "$locale: the installer is titled \"$title\", not \"$caption\""
    if [[ -n ${QUELLORA_SCREENSHOTS:-} && -n $shot ]]; then
      sleep 1
      import -window root "$state/root.png"
      eval "$(xdotool getwindowgeometry --shell "$window")"
      convert "$state/root.png" -crop "${WIDTH}x${HEIGHT}+${X}+${Y}" +repage -strip \
        "$QUELLORA_SCREENSHOTS/installer-$shot.png"
      note "$QUELLORA_SCREENSHOTS/installer-$shot.png"
    fi
    xdotool mousemove --window "$window" 40 40
    sleep 0.5
    xdotool key Escape
    wait_exit "$pid" 10 || { fail "$locale: Escape did not close the installer"; kill "$pid"; }
    reg_has_key "${all_users[entry]}" "$view" && fail "$locale: leaving the installer installed something"
  done
}

# The uninstaller's pages: the settings stay unless the box is ticked.
case_uninstall_choice() {
  local tick before pid
  for tick in no yes; do
    note "remove my settings ticked: $tick"
    before=$(files_of_drive)
    install_silently || fail "the install failed"
    reg_set "$settings" User "Ada Example"
    wine "$(unix_path "${all_users[folder]}\\uninstall.exe")" &
    pid=$!
    point_at_window '^Quellora Uninstall ?$' 30 || { fail "no uninstaller window"; kill "$pid"; continue; }
    [[ $tick == yes ]] && xdotool key space
    xdotool key Return   # Uninstall
    wait_gone "$(unix_path "${all_users[folder]}")" 30 || fail "the uninstaller left ${all_users[folder]}"
    if point_at_window '^Quellora Uninstall ?$' 10; then
      xdotool key Return   # Close
    else
      fail "the uninstaller's last page did not stay for its Close button"
    fi
    wait_no_window '^Quellora Uninstall ?$' 10 || fail "Close did not end the uninstaller"
    wait_programs 30 || fail "the uninstaller still runs after its Close: $(prefix_programs | tr '\n' ';')"
    check_nothing_left all_users "$before"
    if [[ $tick == yes ]]; then
      reg_has_key "$settings" "$view" && fail "the ticked box did not remove $settings"
    else
      expect_value "$settings" User "Ada Example"
    fi
  done
}

case $case_name in
  silent.all_users) case_silent all_users ;;
  silent.current_user) case_silent current_user /CurrentUser ;;
  upgrade) case_upgrade ;;
  bad_target) case_bad_target ;;
  language) case_language ;;
  uninstall_choice) case_uninstall_choice ;;
  *) echo "unknown case $case_name" >&2; exit 2 ;;
esac

((failures == 0)) && echo "install.$case_name: all checks passed"
exit $((failures > 0))
