#!/bin/bash
# Installs what the build and the tests need on Debian 12, when it is missing:
# compilers, GoogleTest and Google Benchmark, MinGW-w64, 32- and 64-bit Wine,
# Xvfb and the locales the tests run under. Safe to run again.
set -euo pipefail

packages=(
  cmake make g++ clang libclang-rt-14-dev googletest libgtest-dev libbenchmark-dev
  g++-mingw-w64-i686-posix g++-mingw-w64-x86-64-posix
  binutils-mingw-w64-i686 binutils-mingw-w64-x86-64
  wine wine64 wine32:i386 fonts-wine xvfb xauth xdotool x11-utils imagemagick locales
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
if ((${#missing[@]})); then
  echo "Installing: ${missing[*]}"
  $sudo apt-get update -q
  DEBIAN_FRONTEND=noninteractive $sudo apt-get install -y -q --no-install-recommends "${missing[@]}"
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
