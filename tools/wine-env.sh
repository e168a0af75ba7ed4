# Sourced by everything that runs Windows programs under Wine: the settings
# every run shares and the choice of Wine's loader.
#
# QUELLORA_WINE_ARCH (set by CTest for each build) says whether the programs
# are 64-bit (win64) or 32-bit (win32, the default). 64-bit programs on a
# machine that runs no 32-bit x86 code natively (or with QUELLORA_NO_X86 set)
# run under Wine's 64-bit loader alone, at native speed: see use_wine64_only.
quellora_tools=$(cd "$(dirname "${BASH_SOURCE[0]}")" && pwd)
quellora_root=$(cd "$quellora_tools/.." && pwd)

# No debug output, no .NET or HTML engine to install, no menu builder writing
# the prefix's shortcuts and icons into the host's home.
export WINEDEBUG=-all WINEDLLOVERRIDES="mscoree,mshtml=;winemenubuilder.exe=d"

# Wine's 64-bit loader with no 32-bit partner, first on PATH as wine, wineboot
# and wineserver. Wine starts a 32-bit program (and the 32-bit half of a new
# 64-bit prefix) through the loader named like its own without "64", found
# beside the real file of its own; with an emulator registered that half takes
# minutes. A copy of the loader in a folder of our own, whose "wine" refuses,
# makes a 64-bit prefix in seconds and fails a 32-bit start at once. The
# copy's neighbours lead back to the installed Wine's libraries and data.
use_wine64_only() {
  local dir=$quellora_root/build/wine64-only
  if ! cmp -s /usr/lib/wine/wine64 "$dir/lib/wine/wine64"; then
    local new
    mkdir -p "$quellora_root/build"
    new=$(mktemp -d "$quellora_root/build/.wine64-only.XXXXXX") || return 1
    mkdir -p "$new/lib/wine" "$new/share" "$new/bin"
    cp /usr/lib/wine/wine64 "$new/lib/wine/wine64"
    ln -s /usr/lib/x86_64-linux-gnu "$new/lib/x86_64-linux-gnu"
    ln -s /usr/lib/wine/wineserver "$new/lib/wine/wineserver"
    ln -s /usr/share/wine "$new/share/wine"
    printf '#!/bin/sh\necho "no 32-bit Wine on this path: $*" >&2\nexit 1\n' >"$new/lib/wine/wine"
    printf '#!/bin/sh\nexec "%s/lib/wine/wine64" "$@"\n' "$dir" >"$new/bin/wine"
    printf '#!/bin/sh\nexec "%s/lib/wine/wine64" wineboot "$@"\n' "$dir" >"$new/bin/wineboot"
    ln -s /usr/lib/wine/wineserver "$new/bin/wineserver"
    chmod +x "$new/lib/wine/wine" "$new/bin/wine" "$new/bin/wineboot"
    # Another run may have made it meanwhile; either copy will do.
    rm -rf "$dir.old" && { [[ ! -e $dir ]] || mv -T "$dir" "$dir.old"; }
    mv -T "$new" "$dir" 2>/dev/null || rm -rf "$new"
    rm -rf "$dir.old"
  fi
  export PATH=$dir/bin:$PATH WINEARCH=win64
}

# Whether 32-bit Windows programs run here natively (asked once).
if bash "$quellora_tools/x86-code.sh" --runs-native; then quellora_x86=native; else quellora_x86=""; fi

# make_prefix: a new prefix in WINEPREFIX. wine_tool PROGRAM ARGS: one of
# Wine's own programs (reg, winepath, start, ...), which need not be 32-bit,
# through the loader in $tool_wine. Where 32-bit code runs only through the
# emulator, a minute a start, both take the 64-bit loader: the prefix's 32-bit
# half then takes about two minutes (nearly four made by the 32-bit loader),
# and the tools start at once.
tool_wine=wine
if [[ $quellora_x86 == native ]]; then
  make_prefix() { wineboot -i; }
elif [[ ${QUELLORA_WINE_ARCH:-win32} == win64 ]]; then
  use_wine64_only
  make_prefix() { wineboot -i; }
else
  tool_wine=/usr/lib/wine/wine64
  make_prefix() { /usr/lib/wine/wine64 wineboot -i; }
fi
wine_tool() { "$tool_wine" "$@"; }
