#!/bin/bash
# The hack's Debian package: its files and their modes, its control data, its
# settings description read back against the hack's own options, and lintian.
#   package_test.sh QUELLORA.deb VERSION
set -euo pipefail
deb=$1 version=$2
source "$(dirname "$0")/../../../tools/lib.sh"
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT

files=$(dpkg-deb -c "$deb" | awk '$1 !~ /^d/ { print $1, $2, $6 }' | sort -k3)
want="-rw-r--r-- root/root ./usr/share/doc/quellora/changelog.gz
-rw-r--r-- root/root ./usr/share/doc/quellora/copyright
-rwxr-xr-x root/root ./usr/libexec/xscreensaver/quellora
-rw-r--r-- root/root ./usr/share/xscreensaver/config/quellora.xml"
[[ $files == "$(sort -k3 <<<"$want")" ]] || fatal "the package holds:
$files"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == quellora ]] || fatal "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fatal "Version: $(field Version)"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fatal "Architecture: $(field Architecture)"
for need in libc6 libcairo2 libx11-6 fonts-wine; do
  [[ ", $(field Depends)," == *", $need"[\ ,]* ]] || fatal "Depends lacks $need: $(field Depends)"
done
echo "package: $(wc -l <<<"$files") files; $(field Package) $(field Version) $(field Architecture); Depends: $(field Depends)"

# Every option the settings dialog can write is one the packed hack takes.
dpkg-deb -x "$deb" "$work/root"
xml=$work/root/usr/share/xscreensaver/config/quellora.xml
xpath() { xmllint --xpath "$1" "$xml"; }
[[ $(xpath 'string(/screensaver/@name)') == quellora ]] || fatal "the description names another hack"
args=($(xpath 'string(/screensaver/command/@arg)'))
for id in name birth english stars; do
  arg=$(xpath "string(//*[@id='$id']/@arg | //*[@id='$id']/@arg-set | //*[@id='$id']/@arg-unset)")
  [[ -n $arg ]] || fatal "the description has no $id"
  case $id in name) arg=${arg/\%/Anna} ;; birth) arg=${arg/\%/1985-07-01T08:30} ;; esac
  args+=($arg)
done
"$work/root/usr/libexec/xscreensaver/quellora" "${args[@]}" -help >/dev/null ||
  fatal "the packed hack refuses the description's options: ${args[*]}"
echo "description: the hack takes ${args[*]}"

if command -v lintian >/dev/null; then
  lintian --fail-on error "$deb" >"$work/lintian" 2>&1 || fatal "lintian: $(cat "$work/lintian")"
  echo "lintian: no errors ($(grep -c '^[WIE]:' "$work/lintian" || true) other tags)"
else
  echo "lintian: not installed, not run"
fi
