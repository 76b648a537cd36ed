#!/usr/bin/env bash
# Builds the Debian package of TurnPixa from a build folder:
#   tools/make-deb.sh BUILD_DIR [OUT_DIR]
# writes OUT_DIR/turnpixa_<version>-1_<arch>.deb (OUT_DIR defaults to
# BUILD_DIR) and prints its path. The files are what the build's install
# rules put under /usr (stripped); tools/deb/ adds the control data, the
# changelog and the lintian overrides, and the copyright is made from
# resources/license.txt. Depends comes from the programs' libraries
# (dpkg-shlibdeps): nothing Debian has is bundled.
set -euo pipefail
build=${1:?usage: make-deb.sh BUILD_DIR [OUT_DIR]}
build=$(cd "$build" && pwd)
out=${2:-$build}
src=$(cd "$(dirname "$0")/.." && pwd)
deb=$src/tools/deb
for tool in dpkg-deb dpkg-shlibdeps dpkg-gencontrol dpkg-parsechangelog; do
  command -v "$tool" >/dev/null || { echo "make-deb: $tool is missing (tools/install-deps.sh)" >&2; exit 1; }
done

version=$(sed -n 's/^TURNPIXA_SPECIAL_BUILD:[A-Z]*=//p' "$build/CMakeCache.txt")
[[ -n $version ]] || { echo "make-deb: $build is no configured TurnPixa build" >&2; exit 1; }
# The changelog and the software centres' release list name the version
# too: a package whose parts disagree is not made.
changelog_version=$(dpkg-parsechangelog -l "$deb/changelog" -S Version)
if [[ $changelog_version != "$version-1" ]]; then
  echo "make-deb: the build is $version, tools/deb/changelog starts with $changelog_version" >&2
  exit 1
fi
metainfo=$src/resources/com.turnpixa.turnpixa.metainfo.xml
if ! grep -q "<release version=\"$version\"" "$metainfo"; then
  echo "make-deb: $metainfo has no release $version" >&2
  exit 1
fi

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
root=$work/debian/turnpixa
DESTDIR=$root cmake --install "$build" --prefix /usr --strip >/dev/null
for program in turnpixa turnpixa-cli; do
  [[ -x $root/usr/bin/$program ]] || { echo "make-deb: $build installs no $program" >&2; exit 1; }
  # What Debian's own packages leave out besides the symbols.
  strip --remove-section=.comment --remove-section=.note "$root/usr/bin/$program"
done

doc=$root/usr/share/doc/turnpixa
mkdir -p "$doc" "$root/usr/share/lintian/overrides"
gzip -9n -c "$deb/changelog" > "$doc/changelog.Debian.gz"
install -m 0644 "$deb/turnpixa.lintian-overrides" "$root/usr/share/lintian/overrides/turnpixa"
find "$root/usr/share/man" -type f -name '*.[1-9]' -exec gzip -9n {} +

# Machine-readable copyright: the licence's notice and its text, paragraphs
# marked with " .".
notice=$(sed -n 's/^Copyright (c) //p' "$src/resources/license.txt")
{
  printf 'Format: https://www.debian.org/doc/packaging-manuals/copyright-format/1.0/\n'
  printf 'Upstream-Name: TurnPixa\nSource: https://www.turnpixa.com/\n\n'
  printf 'Files: *\nCopyright: %s\nLicense: Expat\n' "$notice"
  awk '/^Permission is hereby granted/ {on = 1}
       on { if ($0 == "") print " ."; else print " " $0 }
       on && /SOFTWARE\.$/ {exit}' "$src/resources/license.txt"
} > "$doc/copyright"

find "$root" -type d -exec chmod 0755 {} +
find "$root" -type f -exec chmod 0644 {} +
chmod 0755 "$root"/usr/bin/*

mkdir -p "$root/DEBIAN"
cp "$deb/control" "$work/debian/control"
cp "$deb/changelog" "$work/debian/changelog"
(
  cd "$work"
  dpkg-shlibdeps -Tdebian/turnpixa.substvars "$root"/usr/bin/*
  dpkg-gencontrol -pturnpixa -Tdebian/turnpixa.substvars -Pdebian/turnpixa
)
(cd "$root" && find usr -type f -print0 | sort -z | xargs -0 md5sum) > "$root/DEBIAN/md5sums"
mkdir -p "$out"
file="$out/turnpixa_${version}-1_$(dpkg --print-architecture).deb"
# Reproducible: every file carries the changelog's date.
SOURCE_DATE_EPOCH=$(dpkg-parsechangelog -l "$deb/changelog" -S Timestamp) \
  dpkg-deb --root-owner-group -Zxz --build "$root" "$file" >/dev/null
echo "$file"
