#!/bin/bash
# Fails when a Windows program imports a DLL that is not part of Windows itself,
# or one of the system DLLs it must load only when it needs them (--not DLL).
#   check-imports.sh OBJDUMP [--not DLL]... PROGRAM...
set -euo pipefail
objdump=$1; shift
on_demand=()
while [[ ${1:-} == --not ]]; do on_demand+=("$(tr 'A-Z' 'a-z' <<<"$2")"); shift 2; done
allowed='^(kernel32|user32|gdi32|advapi32|shell32|comctl32|comdlg32|msvcrt|ole32|oleaut32|shlwapi|usp10|uxtheme|version|ws2_32|ntdll)\.dll$'
status=0
for program in "$@"; do
  dlls=$("$objdump" -p "$program" | sed -n 's/^\s*DLL Name: //p' | tr 'A-Z' 'a-z' | sort -u)
  [[ -n $dlls ]] || { echo "$program: no imports found" >&2; status=1; continue; }
  echo "$(basename "$program"): $(echo $dlls)"
  while read -r dll; do
    [[ $dll =~ $allowed ]] || { echo "$program imports $dll" >&2; status=1; }
    for late in "${on_demand[@]}"; do
      [[ $dll != "$late" ]] || { echo "$program imports $dll, which it should load only when needed" >&2; status=1; }
    done
  done <<<"$dlls"
done
exit $status
