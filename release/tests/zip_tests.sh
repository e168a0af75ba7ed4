#!/bin/bash
# The zip a user downloads: the saver that was built and the read-me, nothing
# else; the read-me in both languages, in a form Notepad shows as written.
#   zip_tests.sh ZIP SCR
set -uo pipefail
zip=${1:?zip} scr=${2:?scr}
source "$(dirname "$0")/../../tools/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

names=$(cmake -E tar tf "$zip" | sort | tr '\n' ' ')
[[ $names == "quellora.scr readme.txt " ]] || fail "the zip holds: $names"
(cd "$work" && cmake -E tar xf "$zip") || fail "cannot unpack $zip"
cmp -s "$work/quellora.scr" "$scr" || fail "the zipped quellora.scr is not the one built"

readme=$work/readme.txt
[[ $(head -c 3 "$readme" | od -An -tx1 | tr -d ' ') == efbbbf ]] || fail "read-me without UTF-8 byte-order mark"
lines=$(wc -l <"$readme")
crlf=$(grep -c $'\r$' "$readme")
((lines > 20 && crlf == lines)) || fail "read-me: $crlf of $lines lines end in CRLF"
grep -q '@' "$readme" && fail "read-me has an unfilled placeholder: $(grep -m1 '@' "$readme")"
version=$(basename "$zip" .zip); version=${version#quellora-}
for heading in "WHAT IT IS" "INSTALL BY HAND" "SELECT IT" "REMOVE IT" \
               "ЧТО ЭТО" "УСТАНОВКА ВРУЧНУЮ" "ВЫБОР ЗАСТАВКИ" "УДАЛЕНИЕ" "Quellora $version"; do
  grep -q "^$heading" "$readme" || fail "read-me has no line starting with \"$heading\""
done

((failures == 0)) && echo "zip and read-me as expected"
exit $((failures > 0))
