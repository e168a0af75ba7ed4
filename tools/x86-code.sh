#!/bin/bash
# Whether this machine runs 32-bit x86 programs, found by running one:
#   x86-code.sh               prints native, emulated (only through an emulator
#                             registered with the kernel), none, or unknown when
#                             the probe cannot be made
#   x86-code.sh --runs-native succeeds when the 32-bit builds' tests run here
#                             natively: the machine runs 32-bit code and
#                             QUELLORA_NO_X86 is not set (set, it makes the
#                             machine take the path of one without 32-bit code)
set -uo pipefail
here=$(cd "$(dirname "$0")" && pwd)

probe() {
  local dir status
  dir=$(mktemp -d) || return 1
  if as --32 -o "$dir/probe.o" "$here/x86-probe.s" && ld -m elf_i386 -o "$dir/probe" "$dir/probe.o"; then
    "$dir/probe" 2>/dev/null
    status=$?
  else
    echo "x86-code.sh: cannot assemble the probe (binutils missing?)" >&2
    status=-1
  fi
  rm -rf "$dir"
  case $status in
    0) echo native ;;
    3) echo emulated ;;
    -1) echo unknown ;;
    *) echo none ;;
  esac
}

if [[ ${1:-} == --runs-native ]]; then
  [[ -z ${QUELLORA_NO_X86:-} && $(probe) == native ]]
else
  probe
fi
