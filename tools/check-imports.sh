#!/bin/bash
# Fails when a Windows program imports a DLL that is not part of Windows itself.
#   check-imports.sh OBJDUMP PROGRAM...
set -euo pipefail
objdump=$1; shift
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|msvcrt|ole32|oleaut32|shlwapi|usp10|uxtheme|version|ws2_32|ntdll)\.dll$'
status=0
for program in "$@"; do
  dlls=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  [[ -n $dlls ]] || { echo "$program: no imports found" >&2; status=1; continue; }
  echo "$(basename "$program"): $(echo $dlls)"
  while read -r dll; do
    [[ $dll =~ $allowed ]] || { echo "$program imports $dll" >&2; status=1; }
  done <<<"$dlls"
done
exit $status
