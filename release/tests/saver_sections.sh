#!/bin/bash
# The release saver as its file says it was built, read without running it: a
# 32-bit Windows GUI program, stripped of symbols and debug sections, carrying
# its resources (icon, version, manifest).
#   saver_sections.sh OBJDUMP SCR
set -uo pipefail
objdump=${1:?objdump} scr=${2:?scr}
source "$(dirname "$0")/../../tools/lib.sh"

headers=$("$objdump" -h "$scr") || { echo "FAIL: $objdump cannot read $scr"; exit 1; }
[[ $headers == *"file format pei-i386"* ]] || fail "not a 32-bit x86 program: $(grep -m1 'file format' <<<"$headers")"
sections=$(awk '$1 ~ /^[0-9]+$/ { print $2 }' <<<"$headers" | tr '\n' ' ')
echo "sections: $sections"
[[ " $sections" == *" .text "* && " $sections" == *" .rsrc "* ]] || fail "no code or no resources: $sections"
[[ " $sections" == *" .debug"* ]] && fail "debug sections left: $sections"
symbols=$("$objdump" -t "$scr")
grep -qx 'no symbols' <<<"$symbols" || fail "symbols left in the file"
private=$("$objdump" -p "$scr")
grep -Eq '^Subsystem[[:space:]]+0+2[[:space:]]' <<<"$private" || fail "not a Windows GUI program"

((failures == 0)) && echo "$(basename "$scr"): 32-bit GUI program, stripped, with resources"
exit $((failures > 0))
