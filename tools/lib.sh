# The one shell library of the test suites and the tools that run Windows
# programs: failures, bounded waits, the Wine environment and its loader,
# prefixes and sessions, displays, the registry and paths. Sourced, never run.
lib_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
lib_root=$(cd "$lib_tools/.." && pwd)

# --- Failures ------------------------------------------------------------------

failures=0
# fail MESSAGE: counted, and printed with the case (case_name) when there is one.
fail() { echo "FAIL${case_name:+ [$case_name]}: $*"; failures=$((failures + 1)); }
note() { echo "-- $*"; }
# fatal MESSAGE: a failure after which the suite cannot go on.
fatal() { fail "$@"; exit 1; }
# run_case NAME COMMAND...: one case of a suite, its failures named NAME;
# prints "ok: NAME" when it failed nothing.
run_case() {
  local before=$failures
  case_name=$1
  shift
  "$@"
  if ((failures == before)); then echo "ok: $case_name"; fi
  case_name=""
}
# Ends the suite with the count of its failures: exit status 1 when any.
end_suite() {
  echo "$failures failure(s)"
  exit $((failures > 0))
}

# --- Bounded waits ------------------------------------------------------------------

# The seconds a wait may take that takes at most N at native speed:
# QUELLORA_WAIT_SCALE times as many where the programs run under an emulator.
bound() { echo $(($1 * ${QUELLORA_WAIT_SCALE:-1})); }
now_ms() { date +%s%3N; }
seconds_since() { echo "$(date +%s.%N) $1" | awk '{ printf "%.2f", $1 - $2 }'; }

# wait_until SECONDS COMMAND...: true once COMMAND succeeds, polled every tenth
# of a second; false when it still fails after bound(SECONDS).
wait_until() {
  local deadline=$(($(now_ms) + $(bound "$1") * 1000))
  shift
  until "$@"; do
    (($(now_ms) < deadline)) || return 1
    sleep 0.1
  done
}
running() { kill -0 "$1" 2>/dev/null; }
ended() { ! kill -0 "$1" 2>/dev/null; }
absent() { [[ ! -e $1 ]]; }
wait_exit() { wait_until "$2" ended "$1"; }  # PID SECONDS
wait_gone() { wait_until "$2" absent "$1"; }  # PATH SECONDS

# --- Wine ---------------------------------------------------------------------------
#
# QUELLORA_WINE_ARCH (set by CTest for each build) says whether the programs
# are 64-bit (win64) or 32-bit (win32, the default). 64-bit programs on a
# machine that runs no 32-bit x86 code natively (or with QUELLORA_NO_X86 set)
# run under Wine's 64-bit loader alone, at native speed: see use_wine64_only.

# No debug output, no .NET or HTML engine to install, no menu builder writing
# the prefix's shortcuts and icons into the host's home.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Wine's 64-bit loader with no 32-bit partner, first on PATH as wine, wineboot
# and wineserver. Wine starts a 32-bit program (and the 32-bit half of a new
# 64-bit prefix) through the loader named like its own without "64", found
# beside the real file of its own; with an emulator registered that half takes
# minutes. A copy of the loader in a folder of our own, whose "wine" refuses,
# makes a 64-bit prefix in seconds and fails a 32-bit start at once. The
# copy's neighbours lead back to the installed Wine's libraries and data.
use_wine64_only() {
  local dir=$lib_root/build/wine64-only
  if ! cmp -s /usr/lib/wine/wine64 "$dir/lib/wine/wine64"; then
    local new
    mkdir -p "$lib_root/build"
    new=$(mktemp -d "$lib_root/build/.wine64-only.XXXXXX") || return 1
    mkdir -p "$new/lib/wine" "$new/share" "$new/bin"
    cp /usr/lib/wine/wine64 "$new/lib/wine/wine64"
    ln -s /usr/lib/x86_64-linux-gnu "$new/lib/x86_64-linux-gnu"
    ln -s /usr/lib/wine/wineserver "$new/lib/wine/wineserver"
    ln -s /usr/share/wine "$new/share/wine"
    printf '#!/bin/sh\necho "no 32-bit Wine on this path: $*" >&2\nexit 1\n' >"$new/lib/wine/wine"
    printf '#!/bin/sh\nexec "%s/lib/wine/wine64" "$@"\n' "$dir" >"$new/bin/wine"
    printf '#!/bin/sh\nexec "%s/lib/wine/wine64" wineboot "$@"\n' "$dir" >"$new/bin/wineboot"
    ln -s /usr/lib/wine/wineserver "$new/bin/wineserver"
    chmod +x "$new/lib/wine/wine" "$new/bin/wine" "$new/bin/wineboot"
    # Another run may have made it meanwhile; either copy will do.
    rm -rf "$dir.old" && { [[ ! -e $dir ]] || mv -T "$dir" "$dir.old"; }
    mv -T "$new" "$dir" 2>/dev/null || rm -rf "$new"
    rm -rf "$dir.old"
  fi
  export PATH=$dir/bin:$PATH WINEARCH=win64
}

# Whether 32-bit Windows programs run here natively (asked once).
if bash "$lib_tools/x86-code.sh" --runs-native; then lib_x86=native; else lib_x86=""; fi

# A new prefix is made by "${boot_wine[@]}" -i; Wine's own programs (reg,
# winepath, start, ...), which need not be 32-bit, run through $tool_wine.
# Where 32-bit code runs only through the emulator, a minute a start, both take
# the 64-bit loader: the prefix's 32-bit half then takes about two minutes
# (nearly four made by the 32-bit loader), and the tools start at once.
# choose_wine ARCH (win32 or win64) sets them for programs of that kind; the
# environment's QUELLORA_WINE_ARCH chooses when the library is sourced.
choose_wine() {
  tool_wine=wine boot_wine=(wineboot)
  if [[ $lib_x86 != native ]]; then
    if [[ $1 == win64 ]]; then
      use_wine64_only
    else
      tool_wine=/usr/lib/wine/wine64 boot_wine=(/usr/lib/wine/wine64 wineboot)
    fi
  fi
}
choose_wine "${QUELLORA_WINE_ARCH:-win32}"
# The kind of a Windows program, from the machine field of its PE header.
pe_arch() {
  local header
  header=$(od -An -tu4 -j60 -N4 "$1" | tr -d ' ') &&
    [[ $(od -An -tx2 -j $((header + 4)) -N2 "$1" | tr -d ' ') == 8664 ]] && echo win64 || echo win32
}
make_prefix() { timeout "$(bound 300)" "${boot_wine[@]}" -i >/dev/null 2>&1; }

# Runs COMMAND with its output going to files, printed without Wine's CRs
# once it has ended. Never through a pipe: the first Wine program of a
# session starts Wine's own services, which keep the program's output open
# for as long as they run (as long as any other program of the prefix runs),
# and a reader of a pipe would wait for them.
without_cr() {
  local out err rc
  out=$(mktemp) err=$(mktemp)
  "$@" >"$out" 2>"$err"
  rc=$?
  tr -d '\r' <"$out"
  tr -d '\r' <"$err" >&2
  rm -f "$out" "$err"
  return "$rc"
}

# Every Wine call of a suite is bounded, so one that hangs fails where it hangs:
#   wine_for SECONDS PROGRAM ARGS...   a program (bound(SECONDS))
#   wine_tool PROGRAM ARGS...          one of Wine's own programs, within a minute
wine_for() {
  local seconds=$1
  shift
  without_cr timeout "$(bound "$seconds")" wine "$@"
}
wine_tool() { without_cr timeout "$(bound 60)" "$tool_wine" "$@"; }
# Waits until the prefix's wineserver has ended, with every program of the prefix.
wait_wineserver() { timeout "$(bound 60)" wineserver -w 2>/dev/null; }

# Debian's wineserver ends as soon as the prefix's last program has (it runs
# with -p0), so a pause between two Wine programs ends it, and the next program
# starts a new one along with Wine's services. A program started while the old
# server still winds down waits for it only as long as Wine's own retries last
# (about five seconds); on a busy machine the old server may take longer, and
# the program fails to start: a registry read then finds nothing. A session
# therefore keeps one server running from its start to its end.
start_wineserver() { wineserver -p </dev/null >/dev/null 2>&1; }

# The Windows programs of WINEPREFIX now running, "pid command line" a line:
# processes of Wine's loader in that prefix, Wine's own services aside (they
# run as long as the server does).
prefix_programs() {
  local process loader command services='^c:\\windows\\system32\\(services|winedevice|plugplay|svchost|rpcss|explorer)\.exe'
  while read -r process; do
    process=${process%/environ}
    loader=$(readlink "$process/exe" 2>/dev/null) || continue
    [[ ${loader##*/} =~ ^wine(64)?(-preloader)?$ ]] || continue
    command=$(tr '\0' ' ' <"$process/cmdline" 2>/dev/null) || continue
    [[ -z $command || ${command,,} =~ $services ]] || echo "${process#/proc/} $command"
  done < <(grep -lzxF "WINEPREFIX=$WINEPREFIX" /proc/[0-9]*/environ 2>/dev/null)
}
no_programs() { [[ -z $(prefix_programs) ]]; }
# wait_programs SECONDS: until no program of WINEPREFIX runs any more.
wait_programs() { wait_until "$1" no_programs; }

# Puts the fonts that Debian's fonts-wine ships (Tahoma, Marlett for the caption
# buttons, ...) into the prefix's Windows font folder: this Wine does not pick
# them up from its data folder, and would draw Tahoma with a wider stand-in.
install_fonts() {
  local fonts=$WINEPREFIX/drive_c/windows/Fonts f
  mkdir -p "$fonts"
  for f in /usr/share/wine/fonts/*.ttf; do
    [[ -e $f ]] || continue
    [[ -e $fonts/$(basename "$f") ]] || cp "$f" "$fonts/"
  done
}

# A fresh prefix in WINEPREFIX, ready for tests: the fonts in place, and a crash
# fails its test instead of waiting at the debugger's dialog.
prepare_prefix() {
  rm -rf "$WINEPREFIX"
  make_prefix
  wait_wineserver
  install_fonts
  reg_number 'HKCU\Software\Wine\WineDbg' ShowCrashDialog 0
  wait_wineserver
}

# Ends every program of WINEPREFIX and removes it: a prefix takes over a
# gigabyte, and each run makes a new one.
remove_prefix() {
  if [[ -d ${WINEPREFIX:-} ]]; then
    timeout 30 wineserver -k 2>/dev/null
    wait_wineserver
    rm -rf "$WINEPREFIX"
  fi
}

# A test run's Wine session: a prefix, its one wineserver (see
# start_wineserver) and a display, kept under STATE so that every test of the
# run uses them (tools/wine-session.sh starts and stops it).
session_start() {  # STATE
  session_stop "$1"
  start_xvfb "$1" 1024x768x24 || return 1
  echo "$XVFB_PID" >"$1/xvfb.pid"
  echo "$DISPLAY" >"$1/display"
  export WINEPREFIX=$1/prefix
  prepare_prefix
  start_wineserver
}
session_stop() {  # STATE
  export WINEPREFIX=$1/prefix
  remove_prefix
  if [[ -f $1/xvfb.pid ]]; then kill "$(cat "$1/xvfb.pid")" 2>/dev/null; fi
  rm -f "$1/xvfb.pid" "$1/display"
}
session_alive() { [[ -f $1/xvfb.pid ]] && kill -0 "$(cat "$1/xvfb.pid")" 2>/dev/null; }
# Uses the session under STATE: its prefix and its display.
session_use() {  # STATE
  export WINEPREFIX=$1/prefix
  DISPLAY=$(cat "$1/display") || return 1
  export DISPLAY
}

# --- Displays -----------------------------------------------------------------------

# Waits for a display server started with -displayfd writing into FIFO to say
# its number; sets DISPLAY. Stops it when it says nothing in 30 seconds.
await_display() {  # FIFO PID WHAT
  local num
  if ! read -r -t 30 num <"$1"; then
    echo "$3 did not start" >&2
    kill "$2" 2>/dev/null
    rm -f "$1"
    return 1
  fi
  rm -f "$1"
  export DISPLAY=:$num
}

# start_xvfb FOLDER SCREEN [OPTION...]: Xvfb on a free display (SCREEN like
# 1024x768x24; options such as "-cc 5" for its default visual's class), using
# FOLDER for its hand-shake; sets XVFB_PID and DISPLAY.
start_xvfb() {
  local fifo=$1/displayfd
  rm -f "$fifo" && mkfifo "$fifo"
  Xvfb -displayfd 3 -screen 0 "$2" "${@:3}" -nolisten tcp 3>"$fifo" >/dev/null 2>&1 &
  XVFB_PID=$!
  await_display "$fifo" "$XVFB_PID" Xvfb
}

# start_xorg_monitors FOLDER: two monitors, which Xvfb cannot give (its
# Xinerama heads all lie at 0,0): Xorg with the dummy driver on a free display,
# the primary DUMMY0 at 1920x1200 and DUMMY1 at 1024x768 to its right, with its
# files in FOLDER; sets XORG_PID and DISPLAY.
start_xorg_monitors() {
  local folder=$1 fifo=$1/displayfd
  cat >"$folder/xorg.conf" <<'CONF'
Section "ServerFlags"
  # None of the machine's input devices: the tests use XTest only.
  Option "AutoAddDevices" "false"
  Option "AutoEnableDevices" "false"
  Option "DontVTSwitch" "true"
EndSection
Section "Device"
  Identifier "card"
  Driver "dummy"
  VideoRam 65536
EndSection
Section "Monitor"
  Identifier "monitor"
  HorizSync 5.0-1000.0
  VertRefresh 5.0-200.0
  Modeline "1920x1200" 193.25 1920 2056 2256 2592 1200 1203 1209 1245 -hsync +vsync
  Modeline "1024x768" 63.50 1024 1072 1176 1328 768 771 775 798 -hsync +vsync
EndSection
Section "Screen"
  Identifier "screen"
  Device "card"
  Monitor "monitor"
  DefaultDepth 24
  SubSection "Display"
    Depth 24
    Virtual 2944 1200
    Modes "1920x1200"
  EndSubSection
EndSection
CONF
  rm -f "$fifo" && mkfifo "$fifo"
  Xorg -displayfd 3 -config "$folder/xorg.conf" -noreset -nolisten tcp -logfile "$folder/xorg.log" \
    3>"$fifo" >/dev/null 2>&1 &
  XORG_PID=$!
  await_display "$fifo" "$XORG_PID" "Xorg (see $folder/xorg.log)" || return 1
  xrandr --addmode DUMMY1 1024x768 &&
    xrandr --output DUMMY1 --mode 1024x768 --right-of DUMMY0 &&
    # The dummy driver reports a newly switched-on output as connected only
    # after a client has asked it to probe its outputs; until then Wine, which
    # reads the current state without probing, sees one monitor.
    xrandr >/dev/null
}

# --- Windows and the saver ------------------------------------------------------------

# wait_window SECONDS SEARCH...: prints the id of the first visible X window
# that xdotool's search SEARCH (--name REGEX, --classname NAME, ...) finds
# within bound(SECONDS); false when none appeared.
wait_window() {
  local seconds=$1 window
  shift
  window=$(timeout "$(bound "$seconds")" xdotool search --sync --onlyvisible "$@" 2>/dev/null | head -1)
  [[ -n $window ]] && echo "$window"
}

# launch_saver SAVER ARGS...: the saver (a Unix or a Windows path) started
# under Wine with ARGS in the background, its output dropped; sets saver_pid,
# which stop_saver ends. The environment of the call reaches the saver.
launch_saver() {
  wine "$@" >/dev/null 2>&1 &
  saver_pid=$!
}
# start_saver SAVER ARGS...: launched so, then waits up to bound(30) seconds
# for its visible window (Wine names the X window's class after the program's
# file, quellora.scr); false, the saver stopped, when none appeared.
start_saver() {
  launch_saver "$@"
  wait_window 30 --classname quellora.scr >/dev/null && return
  stop_saver
  return 1
}
# Ends the saver of saver_pid, if it still runs, and waits for it.
stop_saver() {
  if [[ -n ${saver_pid:-} ]]; then
    kill "$saver_pid" 2>/dev/null
    wait "$saver_pid" 2>/dev/null
    saver_pid=""
  fi
}

# --- Pictures ------------------------------------------------------------------------

# snapshot_picture SNAPSHOT FOLDER ARGS...: the snapshot tool's picture of the
# moment, settings and screen that ARGS give (--now, --user, --size, --dpi,
# ...): the image FOLDER/snapshot.bmp and its listing FOLDER/listing, without
# Wine's CRs.
snapshot_picture() {
  local snapshot=$1 folder=$2
  shift 2
  rm -f "$folder/snapshot.bmp" "$folder/listing"  # none of an earlier call's
  wine_for 60 "$snapshot" "$@" --list "$(wine_path "$folder/listing.txt")" \
    --image "$(wine_path "$folder/snapshot.bmp")" >/dev/null 2>&1 &&
    tr -d '\r' <"$folder/listing.txt" >"$folder/listing"
}

# A colour of the snapshot tool's listing, 0x00BBGGRR, as a screenshot's RRGGBB.
rgb_of() { printf '%s%s%s' "${1:8:2}" "${1:6:2}" "${1:4:2}"; }
# The distinct colours, RRGGBB one a line, sorted, of a part of an image.
colours_in() {  # IMAGE LEFT TOP WIDTH HEIGHT
  convert "$1" -crop "${4}x${5}+${2}+${3}" +repage -unique-colors -depth 8 txt:- |
    awk 'NR > 1 { print substr($3, 2, 6) }' | sort
}

# The ring's twelve discs in a snapshot listing, one a line: the fill colour as
# RRGGBB and the disc's box in pixels (LEFT TOP RIGHT BOTTOM). A ring disc is
# the first ellipse after a black pen is selected (its badge follows it with
# the same pen), filled with the brush selected before it.
ring_discs() {  # LISTING
  tr -d '\r' <"$1" | awk '$1 == "Brush" { brush = $2 }
    $1 == "Pen" { disc = $3 == "0x00000000"; pen = $2 }
    $1 == "Ellipse" && disc { disc = 0
      printf "%s%s%s %d %d %d %d %d\n", substr(brush, 9, 2), substr(brush, 7, 2), substr(brush, 5, 2), $2, $3, $4, $5, pen }'
}
# The colour of the pixel at X Y of an image as RRGGBB, and the largest
# difference of a channel between two such colours.
pixel_at() {  # IMAGE X Y
  convert "$1" -crop "1x1+$2+$3" +repage -depth 8 txt:- | awk 'NR == 2 { print substr($3, 2, 6) }'
}
channel_gap() {  # RRGGBB RRGGBB
  local a=$1 b=$2 i d most=0
  for i in 0 2 4; do
    d=$((16#${a:i:2} - 16#${b:i:2}))
    ((d < 0)) && d=$((-d))
    ((d > most)) && most=$d
  done
  echo "$most"
}

# --- The registry (of WINEPREFIX) ---------------------------------------------------
#
# VIEW, where a call takes it, is 32 or 64: the registry as 32- or 64-bit programs see it.

# reg_get KEY NAME [VIEW]: prints the value's data as reg prints it (numbers as
# 0x...); status 1 when it is absent.
reg_get() {
  wine_tool reg query "$1" /v "$2" ${3:+/reg:$3} 2>/dev/null |
    awk -v name="$2" 'tolower($1) == tolower(name) { sub(/^ *[^ ]+ +REG_[A-Z_]+ */, ""); print; found = 1 }
                      END { exit !found }'
}
reg_has_key() { wine_tool reg query "$1" ${2:+/reg:$2} >/dev/null 2>&1; }  # KEY [VIEW]
reg_set() { wine_tool reg add "$1" /v "$2" /d "$3" /f >/dev/null; }  # KEY NAME TEXT
reg_number() { wine_tool reg add "$1" /v "$2" /t REG_DWORD /d "$3" /f >/dev/null 2>&1; }  # KEY NAME N
reg_delete() { wine_tool reg delete "$1" ${2:+/v "$2"} /f >/dev/null 2>&1 || true; }  # KEY [NAME]

# Writes the registry into the prefix's files (system.reg, user.reg), which the
# server keeps in memory: once no program of the prefix runs, ends the server,
# which saves it as it ends, and starts it again. Nothing of the prefix runs
# meanwhile, so nothing starts while the server winds down.
save_registry() {
  wait_programs 60 || return 1
  timeout "$(bound 30)" wineserver -k 2>/dev/null
  wait_wineserver || return 1
  start_wineserver
}

# --- Paths --------------------------------------------------------------------------

# A Unix path as Windows programs see it: on drive Z:, the root of the Unix tree.
wine_path() { echo "Z:${1//\//\\}"; }
# A Windows path of the prefix as a Unix path.
unix_path() { wine_tool winepath -u "$1" 2>/dev/null; }
