#!/bin/bash
# The hack's Debian package: its files and their modes, its control data, its
# settings description read back against the hack's own options (with values
# as XScreenSaver's settings write them), its manual page, and lintian.
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
-rw-r--r-- root/root ./usr/share/man/man6/quellora.6.gz
-rw-r--r-- root/root ./usr/share/xscreensaver/config/quellora.xml"
[[ $files == "$(sort -k3 <<<"$want")" ]] || fatal "the package holds:
$files"

field() { dpkg-deb -f "$deb" "$1"; }
[[ $(field Package) == quellora ]] || fatal "Package: $(field Package)"
[[ $(field Version) == "$version" ]] || fatal "Version: $(field Version)"
[[ $(field Architecture) == "$(dpkg --print-architecture)" ]] || fatal "Architecture: $(field Architecture)"
for need in libc6 libcairo2 libx11-6 libpango-1.0-0 libpangocairo-1.0-0 libpangoft2-1.0-0 fonts-wine; do
  [[ ", $(field Depends)," == *", $need"[\ ,]* ]] || fatal "Depends lacks $need: $(field Depends)"
done
# A font set that covers CJK, and one with Hebrew and Arabic.
[[ $(field Recommends) == *fonts-noto-cjk* && $(field Recommends) == *fonts-dejavu-core* ]] ||
  fatal "Recommends: $(field Recommends)"
echo "package: $(wc -l <<<"$files") files; $(field Package) $(field Version) $(field Architecture)"
echo "Depends: $(field Depends)"
echo "Recommends: $(field Recommends)"

# Every option the settings dialog can write is one the packed hack takes,
# also with values of several words that XScreenSaver's settings tool wrapped
# inside their quotes (a backslash, a line break and tabs: see hack_options.h).
dpkg-deb -x "$deb" "$work/root"
xml=$work/root/usr/share/xscreensaver/config/quellora.xml
xpath() { xmllint --xpath "$1" "$xml"; }
[[ $(xpath 'string(/screensaver/@name)') == quellora ]] || fatal "the description names another hack"
wrap=$'\t      \\\n\t\t\t\t  '
for values in "Anna|1985-07-01T08:30" "Анна Мария|1985-07-01 08:30" "Анна${wrap}Мария|1985-07-01${wrap}08:30"; do
  name=${values%%|*} birth=${values#*|}
  args=($(xpath 'string(/screensaver/command/@arg)'))
  for id in name birth english stars; do
    arg=$(xpath "string(//*[@id='$id']/@arg | //*[@id='$id']/@arg-set | //*[@id='$id']/@arg-unset)")
    [[ -n $arg ]] || fatal "the description has no $id"
    case $id in
      name) args+=("${arg% %}" "$name") ;;
      birth) args+=("${arg% %}" "$birth") ;;
      *) args+=($arg) ;;
    esac
  done
  "$work/root/usr/libexec/xscreensaver/quellora" "${args[@]}" -help >/dev/null ||
    fatal "the packed hack refuses the description's options: ${args[*]}"
done
echo "description: the hack takes ${args[*]@Q}"

# The manual page renders without a warning, where man finds it by name.
page=$work/root/usr/share/man/man6/quellora.6.gz
[[ $(MANPATH=$work/root/usr/share/man man -w quellora) == "$page" ]] || fatal "man does not find quellora(6)"
warnings=$(man --warnings -l "$page" 2>&1 >/dev/null) || fatal "man -l fails: $warnings"
[[ -z $warnings ]] || fatal "man -l warns: $warnings"
rendered=$(MANWIDTH=80 man -l "$page" 2>/dev/null)
for section in NAME SYNOPSIS DESCRIPTION OPTIONS SETTINGS EXAMPLES "EXIT STATUS"; do
  grep -qx "$section" <<<"$rendered" || fatal "the manual page has no $section"
done
for option in -root -window -window-id -display -name -birth -english -russian -stars -no-stars; do
  grep -q -- " $option" <<<"$rendered" || fatal "the manual page does not tell of $option"
done
echo "manual: quellora(6), $(wc -l <<<"$rendered") lines, no warning"

command -v lintian >/dev/null || fatal "lintian is not installed (tools/setup.sh installs it)"
lintian --fail-on warning --display-info "$deb" >"$work/lintian" 2>&1 || fatal "lintian: $(cat "$work/lintian")"
grep -qE '^[WE]:' "$work/lintian" && fatal "lintian: $(cat "$work/lintian")"
echo "lintian: no error and no warning ($(grep -c '^[IPX]:' "$work/lintian" || true) other tags)"
