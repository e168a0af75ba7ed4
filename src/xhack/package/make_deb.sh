#!/bin/bash
# Makes the Debian package of the hack with dpkg-deb:
#   make_deb.sh HACK XML VERSION CONTROL_IN COPYRIGHT MANUAL OUT.deb
# The hack goes stripped into XScreenSaver's folder of hacks, the settings
# description into XScreenSaver's folder of descriptions, the manual page
# (section 6, as XScreenSaver's hacks have theirs) where man finds it.
set -euo pipefail
hack=$1 xml=$2 version=$3 control_in=$4 copyright=$5 manual=$6 out=$7
stage=$(mktemp -d)
trap 'rm -rf "$stage"' EXIT
# Where dpkg-shlibdeps looks for a package being built.
root=$stage/src/debian/quellora
install -D -m 0755 -s "$hack" "$root/usr/libexec/xscreensaver/quellora"
install -D -m 0644 "$xml" "$root/usr/share/xscreensaver/config/quellora.xml"
install -D -m 0644 "$copyright" "$root/usr/share/doc/quellora/copyright"
mkdir -p "$root/usr/share/man/man6"
gzip -9n <"$manual" >"$root/usr/share/man/man6/quellora.6.gz"
chmod 0644 "$root/usr/share/man/man6/quellora.6.gz"
printf 'quellora (%s) unstable; urgency=medium\n\n  * Release %s.\n\n -- Quellora <quellora@example.org>  %s\n' \
  "$version" "$version" "$(date -R -d @"${SOURCE_DATE_EPOCH:-$(stat -c %Y "$xml")}")" |
  gzip -9n >"$root/usr/share/doc/quellora/changelog.gz"
chmod 0644 "$root/usr/share/doc/quellora/changelog.gz"

# The libraries the hack links, as Debian's package relations.
printf 'Source: quellora\n\nPackage: quellora\nArchitecture: any\n' >"$stage/src/debian/control"
# (Its warning that the hack is not yet installed in a package folder is moot here.)
(cd "$stage/src" && dpkg-shlibdeps -O debian/quellora/usr/libexec/xscreensaver/quellora \
  >"$stage/shlibs" 2>"$stage/shlibs.log") || { cat "$stage/shlibs.log" >&2; exit 1; }
depends=$(sed -n 's/^shlibs:Depends=//p' "$stage/shlibs")
[[ -n $depends ]] || { echo "make_deb.sh: dpkg-shlibdeps found no libraries" >&2; exit 1; }
mkdir -p "$root/DEBIAN"
sed -e "s/@VERSION@/$version/" -e "s/@ARCH@/$(dpkg --print-architecture)/" \
    -e "s/@SIZE@/$(du -sk --exclude=DEBIAN "$root" | cut -f1)/" -e "s/@DEPENDS@/$depends/" \
    "$control_in" >"$root/DEBIAN/control"
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum >DEBIAN/md5sums)
chmod 0644 "$root/DEBIAN/control" "$root/DEBIAN/md5sums"
mkdir -p "$(dirname "$out")"
dpkg-deb --root-owner-group -Zxz --build "$root" "$out" >/dev/null
