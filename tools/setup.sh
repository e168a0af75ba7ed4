#!/bin/bash
# Installs what the build and the tests need on Debian 12, when it is missing:
# compilers, GoogleTest and Google Benchmark, MinGW-w64, 32- and 64-bit Wine,
# Xvfb, Xorg with the dummy driver (a display of two monitors), NSIS for the
# installer and the locales the tests run under; for the Linux hack, its
# libraries' development files, the fonts its tests draw names in (Hebrew and
# Arabic in DejaVu, CJK in WenQuanYi), strace, lintian and man; on a machine
# that runs no 32-bit x86 code, the emulator that runs the few 32-bit programs
# the tests still start. Safe to run again.
set -euo pipefail
here=$(cd "$(dirname "$0")" && pwd)

packages=(
  cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 fonts-wine xvfb xauth xdotool x11-utils imagemagick locales
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils nsis
  pkg-config libcairo2-dev libx11-dev libxext-dev xscreensaver valgrind lintian libxml2-utils strace
  libpango1.0-dev fonts-dejavu-core fonts-wqy-microhei man-db clang-format
)
locales=(en_US.UTF-8 ru_RU.UTF-8 uk_UA.UTF-8 be_BY.UTF-8 de_DE.UTF-8 sv_SE.UTF-8)

sudo=""
if [[ $(id -u) -ne 0 ]]; then sudo=sudo; fi

if ! dpkg --print-foreign-architectures | grep -qx i386; then
  $sudo dpkg --add-architecture i386
  rm -f /tmp/.quellora-apt-updated
fi

missing=()
for p in "${packages[@]}"; do
  status=$(dpkg-query -W -f='${db:Status-Status}' "$p" 2>/dev/null || true)
  [[ $status == installed ]] || missing+=("$p")
done
# A mirror caught mid-sync serves an index that does not match its signed
# release file, and apt then drops that index (on a fresh machine often the new
# i386 one). Retry a few times, then go on with the indexes that did arrive.
apt_update() {
  local attempt
  for attempt in 1 2 3; do
    if $sudo apt-get update -q -o Acquire::Retries=3; then return 0; fi
    echo "apt-get update failed (attempt $attempt); retrying" >&2
    sleep $((attempt * 5))
  done
  echo "apt-get update still fails; going on with the indexes that arrived" >&2
}

# Without the i386 index of the security suite, a library needed by both
# architectures has different candidates in each (Multi-Arch: same), and the
# install cannot be solved. The release suite alone is signed and consistent
# for both architectures, so the second try takes its candidates.
apt_install() {
  local install=(apt-get install -y -q --no-install-recommends -o Acquire::Retries=3)
  DEBIAN_FRONTEND=noninteractive $sudo "${install[@]}" "$@" && return 0
  local codename
  codename=$(. /etc/os-release && echo "${VERSION_CODENAME:-}")
  [[ -n $codename ]] || return 1
  echo "Install failed; trying again with the candidates of $codename itself" >&2
  DEBIAN_FRONTEND=noninteractive $sudo "${install[@]}" -t "$codename" "$@"
}

if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  apt_update
  if ! apt_install "${missing[@]}"; then
    echo "tools/setup.sh: could not install ${missing[*]} (apt's messages above say why)" >&2
    exit 1
  fi
fi

want=()
have=$(locale -a 2>/dev/null | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
for l in "${locales[@]}"; do
  norm=$(echo "$l" | tr 'A-Z' 'a-z' | sed 's/utf-8/utf8/')
  grep -qx "$norm" <<<"$have" || want+=("$l")
done
if ((${#want[@]})); then
  for l in "${want[@]}"; do
    grep -q "^$l UTF-8" /etc/locale.gen 2>/dev/null || echo "$l UTF-8" | $sudo tee -a /etc/locale.gen >/dev/null
  done
  $sudo locale-gen >/dev/null
fi

# The 32-bit product runs natively where the kernel runs 32-bit code. Where it
# does not (its 32-bit emulation switched off, which no session can change), the
# Windows suites run in 64-bit builds, and the short run of the 32-bit product
# needs an emulator: qemu-i386, registered with the kernel for 32-bit x86
# programs (F: the kernel opens it once, so it also serves other mount spaces).
x86=$(bash "$here/x86-code.sh")
if [[ $x86 == unknown ]]; then
  echo "tools/setup.sh: cannot tell whether this machine runs 32-bit x86 code" >&2
  exit 1
fi
if [[ $x86 != native ]]; then
  echo "This machine runs no 32-bit x86 code natively: the Windows tests run in 64-bit builds, and the 32-bit product runs under the qemu-i386 emulator, slowly."
  status=$(dpkg-query -W -f='${db:Status-Status}' qemu-user-static 2>/dev/null || true)
  if [[ $status != installed ]] && ! apt_install qemu-user-static && ! { apt_update && apt_install qemu-user-static; }; then
    echo "tools/setup.sh: could not install qemu-user-static (apt's messages above say why)" >&2
    exit 1
  fi
  binfmt=${QUELLORA_BINFMT:-/proc/sys/fs/binfmt_misc}
  if [[ $x86 == none ]]; then
    if [[ ! -e $binfmt/register ]]; then $sudo mount -t binfmt_misc binfmt_misc "$binfmt" || true; fi
    elf_i386='\x7fELF\x01\x01\x01\x00\x00\x00\x00\x00\x00\x00\x00\x00\x02\x00\x03\x00'
    mask='\xff\xff\xff\xff\xff\xfe\xfe\x00\xff\xff\xff\xff\xff\xff\xff\xff\xfe\xff\xff\xff'
    if ! echo ":qemu-i386:M::$elf_i386:$mask:/usr/bin/qemu-i386-static:F" | $sudo tee "$binfmt/register" >/dev/null; then
      echo "tools/setup.sh: could not register qemu-i386 for 32-bit programs in $binfmt" >&2
      exit 1
    fi
  fi
fi
