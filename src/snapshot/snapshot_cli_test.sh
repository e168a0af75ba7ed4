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
# The name and the rest of the person text are two runs, one after the other.
grep -A1 '"(specify in settings)"$' ops.txt | grep -q '", 01.07.1985 08:30"$' || fail "no placeholder name"
grep -q '"\*"$' ops.txt && fail "stars without --stars on"
[[ -z $(ls ./*.partial 2>/dev/null) ]] || fail "temporary file left behind"

run "$@" "${now[@]}" --stars on --lang ru --user 'Анна "Ш"' --list ops.txt
[[ $rc == 0 ]] || fail "ru: exit code $rc: $err"
[[ $(grep -c '^Text [0-9]* [0-9]* "\*"$' ops.txt) == 21 ]] || fail "not 21 stars"
grep -A1 '"Анна \\"Ш\\""$' ops.txt | grep -q '", 01.07.1985 08:30"$' || fail "no Russian user line"
grep -q '"10 Июл 2021"$' ops.txt || fail "no Russian date"

# The list is in the picture's pixels; the scale shows in the fonts (the
# labels' Tahoma 15 comes first). 3840x2160 at 96 DPI draws the look of
# 1920x1080 twice as large...
run "$@" "${now[@]}" --size 3840x2160 --dpi 96 --list ops.txt
[[ $rc == 0 ]] || fail "dpi: exit code $rc: $err"
[[ $(sed -n 2p ops.txt) == "Rectangle 0 0 3840 2160" ]] || fail "dpi: second line: $(sed -n 2p ops.txt)"
[[ $(grep -m1 '^Font' ops.txt) == "Font 30 0" ]] || fail "dpi: first font: $(grep -m1 '^Font' ops.txt)"
# ...while 1920x1080 pixels at 144 DPI are too few for the picture at 1.5
# times: it is drawn at a smaller scale, more than 1, as the saver draws it there.
run "$@" "${now[@]}" --size 1920x1080 --dpi 144 --list ops.txt
[[ $rc == 0 ]] || fail "fitted: exit code $rc: $err"
read -r _ label_font _ < <(grep -m1 '^Font' ops.txt)
((label_font > 15 && label_font < 22)) || fail "fitted: first font: $(grep -m1 '^Font' ops.txt)"

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

end_suite
