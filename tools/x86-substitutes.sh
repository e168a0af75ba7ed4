#!/bin/bash
# Says, before `make test` runs on a machine without native 32-bit code, what
# it runs instead of the 32-bit builds' suites: the same suites of the 64-bit
# builds, and the 32-bit product once under the emulator. Names every suite of
# the 32-bit builds that runs nowhere. Configures the presets it compares.
set -euo pipefail
cd "$(dirname "$0")/.."

if [[ -n ${QUELLORA_NO_X86:-} ]]; then
  why="QUELLORA_NO_X86 is set"
else
  case $(bash tools/x86-code.sh) in
    emulated) why="this machine runs 32-bit x86 code only through an emulator" ;;
    *) why="this machine runs no 32-bit x86 code" ;;
  esac
fi
for preset in windows-x86 windows-x64 windows-x86-release windows-x64-release; do
  cmake --preset "$preset" >/dev/null
done
# The tests a preset runs, without the Wine session that CTest adds around them.
names() { ctest --preset "$1" -N "${@:2}" | sed -n 's/^ *Test *#[0-9]*: //p' | grep -v '^wine\.session\.' | sort; }
line() { printf '%s\n' "$*" | fold -s -w 100 | sed '2,$s/^/    /'; }
list() { tr '\n' ' ' <<<"$1" | sed 's/ $//'; }
count() { grep -c . <<<"$1" || true; }

echo "== The 32-bit builds' tests on this machine: $why =="
compare() {  # 32-BIT PRESET, 64-BIT PRESET, WHAT THE 64-BIT ONE IS
  local running here twins missing
  running=$(names "$1" -L wine)
  here=$(names "$1" -LE wine)
  twins=$(comm -12 <(echo "$running") <(names "$2"))
  missing=$(comm -23 <(echo "$running") <(echo "$twins"))
  line "$1: $(count "$twins") tests run in $2 instead ($3): $(list "$twins")"
  [[ -z $missing ]] || line "$1: NOT RUN, no 64-bit counterpart: $(list "$missing")"
  line "$1: $(count "$here") checks that run nothing run here: $(list "$here")"
}
compare windows-x86 windows-x64 "the 64-bit build, under Wine's 64-bit loader"
compare windows-x86-release windows-x64-release "the 64-bit release saver and an installer of it"
line "windows-x86-release: the 32-bit product runs under the emulator in $(list "$(ctest --test-dir build/windows-x86-release -N -L emulated | sed -n 's/^ *Test *#[0-9]*: //p')")"
