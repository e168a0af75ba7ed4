#!/bin/bash
# Puts the fonts that Debian's fonts-wine ships (Tahoma, Marlett for the caption
# buttons, ...) into a prefix's Windows font folder: this Wine does not pick
# them up from its data folder, and would draw Tahoma with a wider stand-in.
#   wine-fonts.sh PREFIX
set -euo pipefail
prefix=${1:?prefix}
fonts=$prefix/drive_c/windows/Fonts
mkdir -p "$fonts"
for f in /usr/share/wine/fonts/*.ttf; do
  [[ -e $f ]] || continue
  [[ -e $fonts/$(basename "$f") ]] || cp "$f" "$fonts/"
done
