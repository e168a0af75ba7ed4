#!/bin/bash
# Draws the Windows pictures of moments.txt with the Windows snapshot tool
# under Wine, at each moment's size, into windows/NAME.png and NAME.list.
# Run it again when the picture changes:
#   src/xhack/tests/make_windows_references.sh build/windows-x64/src/snapshot/quellora-snapshot.exe
set -euo pipefail
snapshot=$(realpath "$1")
here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../../.." && pwd)
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
while IFS='|' read -r name now birth lang stars user dpi _ size; do
  [[ -z $name || $name == \#* ]] && continue
  args=(--now "$now" --birth "$birth" --lang "$lang" --stars "$stars" --size "${size:-1920x1080}" --dpi "$dpi")
  [[ $user != - ]] && args+=(--user "$user")
  "$root/tools/wine-run.sh" --state "$work/wine" "$snapshot" "${args[@]}" \
    --image "$work/$name.bmp" --list "$here/windows/$name.list"
  convert "$work/$name.bmp" -strip "$here/windows/$name.png"
done <"$here/moments.txt"
