#!/bin/bash
# Installs what the build and the tests need on Debian 12, when it is missing:
# compilers, GoogleTest and Google Benchmark, MinGW-w64, 32- and 64-bit Wine,
# Xvfb, Xorg with the dummy driver (a display of two monitors), NSIS for the
# installer and the locales the tests run under. Safe to run again.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 fonts-wine xvfb xauth xdotool x11-utils imagemagick locales
  xserver-xorg-core xserver-xorg-video-dummy x11-xserver-utils nsis
  pkg-config libcairo2-dev libx11-dev libxext-dev xscreensaver valgrind lintian libxml2-utils
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
