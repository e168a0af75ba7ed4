#!/bin/bash
# Runs quellora-snapshot as a user would: exit codes, one-line complaints, the
# list's first lines, the stars, and no partial or clobbered files.
#   snapshot_cli_test.sh WORKDIR native|windows COMMAND...   (COMMAND runs the tool)
set -uo pipefail
work=$1 build=$2; shift 2
source "$(dirname "$0")/../../tools/lib.sh"
rm -rf "$work" && mkdir -p "$work" && cd "$work" || exit 1

run() {  # run ARGS... -> $rc, $err (without CRs)
  "$@" 2>err.txt >/dev/null
  rc=$?
  err=$(tr -d '\r' <err.txt)
}

now=(--now "2021-07-10 09:40" --birth "1985-07-01 08:30")

bad() {  # bad NAME ARGS...: exit 2, one line naming NAME, ops.txt untouched
  local name=$1; shift
  echo old >ops.txt
  run "$@" --list ops.txt
  [[ $rc == 2 ]] || fail "$name: exit code $rc, wanted 2"
  [[ $(grep -c . <<<"$err") == 1 ]] || fail "$name: not one line: $err"
  [[ $err == *"$name"* ]] || fail "$name: message does not name it: $err"
  [[ $(cat ops.txt) == old ]] || fail "$name: ops.txt was changed"
}

bad --size "$@" "${now[@]}" --size 1920by1080
bad --now "$@" --birth "1985-07-01 08:30"
bad --lang "$@" "${now[@]}" --lang fr
bad --bogus "$@" "${now[@]}" --bogus
bad --dpi "$@" "${now[@]}" --dpi 500
if [[ $build == native ]]; then bad --image "$@" "${now[@]}" --image pic.bmp; fi

rm -f ops.txt
run "$@" "${now[@]}" --list ops.txt
[[ $rc == 0 ]] || fail "list: exit code $rc: $err"
[[ -z $err ]] || fail "list: said something: $err"
[[ $(sed -n 1p ops.txt) == "Brush 0x001E0000" ]] || fail "first line: $(sed -n 1p ops.txt)"
[[ $(sed -n 2p ops.txt) == "Rectangle 0 0 1920 1080" ]] || fail "second line: $(sed -n 2p ops.txt)"
grep -q '^Text [0-9]* [0-9]* "10 Jul 2021"$' ops.txt || fail "no date line"
grep -q '^Text [0-9]* [0-9]* "09:40"$' ops.txt || fail "no clock line"
grep -q '^Text 10 10 "Close - any key"$' ops.txt || fail "no close hint"
grep -q '"(specify in settings), 01.07.1985 08:30"$' ops.txt || fail "no placeholder name"
grep -q '"\*"$' ops.txt && fail "stars without --stars on"
[[ -z $(ls ./*.partial 2>/dev/null) ]] || fail "temporary file left behind"

run "$@" "${now[@]}" --stars on --lang ru --user 'Анна "Ш"' --list ops.txt
[[ $rc == 0 ]] || fail "ru: exit code $rc: $err"
[[ $(grep -c '^Text [0-9]* [0-9]* "\*"$' ops.txt) == 21 ]] || fail "not 21 stars"
grep -q '"Анна \\"Ш\\", 01.07.1985 08:30"$' ops.txt || fail "no Russian user line"
grep -q '"10 Июл 2021"$' ops.txt || fail "no Russian date"

# --size in pixels, the list in 96-DPI units: at 144 DPI 3840x2160 pixels hold 2560x1440 units,
# where the whole picture fits at the display's scale...
run "$@" "${now[@]}" --size 3840x2160 --dpi 144 --list ops.txt
[[ $rc == 0 ]] || fail "dpi: exit code $rc: $err"
[[ $(sed -n 2p ops.txt) == "Rectangle 0 0 2560 1440" ]] || fail "dpi: second line: $(sed -n 2p ops.txt)"
# ...while 1920x1080 pixels at 144 DPI, 1280x720 units, are too few for it: it
# is drawn at a smaller scale, between 1 and 1.5, as the saver draws it there.
run "$@" "${now[@]}" --size 1920x1080 --dpi 144 --list ops.txt
[[ $rc == 0 ]] || fail "fitted: exit code $rc: $err"
read -r _ _ _ units_wide units_high < <(sed -n 2p ops.txt)
((units_wide > 1280 && units_wide < 1920 && units_high > 720 && units_high < 1080)) ||
  fail "fitted: second line: $(sed -n 2p ops.txt)"

if [[ $build == windows ]]; then
  run "$@" "${now[@]}" --size 33x20 --dpi 192 --image pic.bmp
  [[ $rc == 0 ]] || fail "image at 192 DPI: exit code $rc: $err"
  [[ $(stat -c %s pic.bmp) == 2054 ]] || fail "image at 192 DPI: $(stat -c %s pic.bmp) bytes, wanted the 33x20 pixels' 2054"
  run "$@" "${now[@]}" --size 33x20 --image pic.bmp
  [[ $rc == 0 ]] || fail "image: exit code $rc: $err"
  [[ $(head -c 2 pic.bmp) == BM ]] || fail "image: not a BMP"
  [[ $(stat -c %s pic.bmp) == 2054 ]] || fail "image: $(stat -c %s pic.bmp) bytes, wanted 2054"
  bad --size "$@" "${now[@]}" --size 0x20 --image pic.bmp
fi

echo "$failures failure(s)"
exit $((failures > 0))
