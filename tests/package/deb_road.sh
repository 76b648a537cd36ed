#!/usr/bin/env bash
# The Debian package as a user gets it. It is made from this build's install
# tree by tools/make-deb.sh and checked by lintian, desktop-file-validate and
# appstreamcli; its file list and its Depends are checked; then it is
# installed with apt-get in a throwaway root, turnpixa-cli makes the sample
# photos' set, turnpixa starts under Xvfb with two photos as a file manager
# hands them over and must show both, and apt-get remove must leave nothing.
#
# The throwaway root: a mount namespace of its own (unshare --mount) in which
# a tmpfs takes the upper layer of an overlay over /, and the test chroots
# into the merged tree. Whatever apt-get, dpkg's triggers and the programs
# write lands in that tmpfs, which goes with the namespace: the machine is
# left as it was found.
# usage: deb_road.sh SOURCE_DIR BUILD_DIR   (exit 77: cannot be tested here)
set -euo pipefail
src=$(cd "$1" && pwd) build=$(cd "$2" && pwd)
if [[ $(id -u) -ne 0 ]] || ! command -v unshare >/dev/null; then
  echo "needs root (for a mount namespace and a chroot)"; exit 77
fi
for tool in lintian desktop-file-validate appstreamcli xvfb-run convert; do
  command -v "$tool" >/dev/null || { echo "FAIL: $tool is missing (tools/install-deps.sh --test)"; exit 1; }
done
work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
fail() { echo "FAIL: $*"; exit 1; }
host_status() { dpkg-query -W -f='${Status}' turnpixa 2>/dev/null || true; }
before=$(host_status)

deb=$("$src/tools/make-deb.sh" "$build" "$work")
[[ $(basename "$deb") =~ ^turnpixa_[0-9.]+-1_amd64\.deb$ ]] || fail "package named $deb"

# The field's own tools. Overridden lintian tags carry their reasons in
# tools/deb/turnpixa.lintian-overrides.
lintian --fail-on error,warning --tag-display-limit 0 "$deb" || fail "lintian"
dpkg-deb -x "$deb" "$work/tree"
out=$(desktop-file-validate "$work/tree/usr/share/applications/turnpixa.desktop" 2>&1)
[[ -z $out ]] || fail "desktop-file-validate: $out"
# The metainfo, the desktop entry and the icons together; --no-net because
# the screenshots' addresses are not reachable from here.
out=$(appstreamcli validate-tree --no-net --pedantic "$work/tree" 2>&1) || fail "appstreamcli: $out"
if grep -E '^\s*[EWIP]: ' <<<"$out"; then fail "appstreamcli has remarks"; fi

# The screenshots the metainfo names are the committed ones, published under
# the same names, and of the size it gives.
metainfo=$work/tree/usr/share/metainfo/com.turnpixa.turnpixa.metainfo.xml
shots=$(sed -n 's|.*<image type="source" width="\([0-9]*\)" height="\([0-9]*\)">https://www.turnpixa.com/screenshots/\([^<]*\)</image>.*|\3 \1x\2|p' "$metainfo")
[[ $(grep -c '<image' "$metainfo") == $(wc -l <<<"$shots") && -n $shots ]] \
  || fail "screenshots the test cannot read: $(grep '<image' "$metainfo")"
while read -r name size; do
  shot=$src/resources/screenshots/$name
  [[ -f $shot ]] || fail "no resources/screenshots/$name"
  got=$(identify -format '%wx%h' "$shot")
  [[ $got == "$size" ]] || fail "$name is $got, the metainfo says $size"
done <<<"$shots"

# What the package holds, file by file.
{
  printf '%s\n' usr/bin/turnpixa usr/bin/turnpixa-cli \
    usr/share/applications/turnpixa.desktop \
    usr/share/bash-completion/completions/turnpixa-cli \
    usr/share/doc/turnpixa/changelog.Debian.gz usr/share/doc/turnpixa/copyright \
    usr/share/lintian/overrides/turnpixa \
    usr/share/man/man1/turnpixa-cli.1.gz usr/share/man/man1/turnpixa.1.gz \
    usr/share/metainfo/com.turnpixa.turnpixa.metainfo.xml
  for size in 16 24 32 48 64 128 256; do
    echo "usr/share/icons/hicolor/${size}x$size/apps/turnpixa.png"
  done
  for page in "$src"/resources/help/*; do echo "usr/share/turnpixa/TurnPixa-help/${page##*/}"; done
} | sort > "$work/expected"
(cd "$work/tree" && find . ! -type d | sed 's|^\./||' | sort) > "$work/held"
diff -u "$work/expected" "$work/held" || fail "the package's files differ from the list"

# Depends names the package of every library the programs load.
depends=$(dpkg-deb -f "$deb" Depends)
echo "Depends: $depends"
# One package name a line, versions and alternatives taken apart.
names=$(sed 's/([^)]*)//g; s/|/,/g' <<<"$depends" | tr ',' '\n' | tr -d ' ')
for program in turnpixa turnpixa-cli; do
  readelf -d "$work/tree/usr/bin/$program" | sed -n 's/.*Shared library: \[\(.*\)\]/\1/p'
done | sort -u | while read -r lib; do
  owners=$(dpkg -S "*/$lib" 2>/dev/null | sed -n 's/^\([^:]*\):[a-z0-9]*: .*/\1/p' | sort -u)
  [[ -n $owners ]] || fail "no package holds $lib"
  found=0
  for owner in $owners; do
    if grep -qxF "$owner" <<<"$names"; then found=1; fi
  done
  ((found)) || fail "Depends names none of $owners (for $lib)"
done
if grep -Eq -- '-dev$|turnpixa' <<<"$names"; then fail "Depends: $depends"; fi

# Two photos of colours the wizard itself never paints, to find them on screen.
mkdir -p "$work/road"
convert -size 480x320 xc:'#ff0000' "$work/road/red.png"
convert -size 480x320 xc:'#00ff00' "$work/road/green.png"
cp "$deb" "$work/road/"
cp "$src/tests/package/wizard_with_photos.sh" "$work/road/"

unshare --mount --propagation private bash -s "$src" "$work" "${SCREENSHOT:-}" <<'INNER'
set -euo pipefail
src=$1 work=$2 screenshot=$3
fail() { echo "FAIL: $*"; exit 1; }
mkdir -p "$work/layer" "$work/root"
mount -t tmpfs tmpfs "$work/layer"
mkdir "$work/layer/upper" "$work/layer/work"
mount -t overlay overlay \
  -o "lowerdir=/,upperdir=$work/layer/upper,workdir=$work/layer/work" "$work/root"
root=$work/root
mount --rbind /dev "$root/dev"
mount -t proc proc "$root/proc"
mount -t sysfs sysfs "$root/sys"
# The road's own files, inside the throwaway root.
mkdir -p "$root/road"
cp -r "$work/road/." "$root/road/"
in_root() {
  chroot "$root" env -i PATH=/usr/sbin:/usr/bin:/sbin:/bin HOME=/road/home LANG=C.UTF-8 \
    DEBIAN_FRONTEND=noninteractive "$@"
}
deb=$(cd "$root/road" && ls turnpixa_*.deb)

in_root dpkg-query -W turnpixa >/dev/null 2>&1 && fail "turnpixa is installed already"
in_root apt-get install -y -qq --no-install-recommends "/road/$deb" >"$work/apt.log" 2>&1 \
  || { cat "$work/apt.log"; fail "apt-get install"; }
[[ $(in_root dpkg-query -W -f='${Status}' turnpixa) == "install ok installed" ]] \
  || fail "not installed"

# turnpixa-cli from the package on the sample photos.
mkdir -p "$root/road/home"
cli=$(in_root turnpixa-cli "$src"/resources/sample-photos/turntable-*.jpg -o /road/out/sample.htm 2>&1) \
  || fail "turnpixa-cli: $cli"
grep -q 'Wrote 36 of 36 photos' <<<"$cli" || fail "turnpixa-cli said: $cli"
for f in sample.htm turnpixa.js sample-turnpixa/image_000.jpg sample-turnpixa/image_035.jpg \
         sample-turnpixa/image.jpg; do
  [[ -s $root/road/out/$f ]] || fail "turnpixa-cli wrote no $f"
done
in_root bash -c '. /usr/share/bash-completion/completions/turnpixa-cli && complete -p turnpixa-cli' \
  >/dev/null || fail "the bash completion defines none for turnpixa-cli"
if in_root sh -c 'command -v man' >/dev/null; then
  for page in turnpixa turnpixa-cli; do
    in_root man -w "$page" >/dev/null || fail "man finds no page for $page"
  done
fi

# The wizard as the menu entry starts it for a file manager (Exec=turnpixa
# %F: the photos' paths), with an option typed in front that it passes over.
exec_line=$(sed -n 's/^Exec=//p' "$root/usr/share/applications/turnpixa.desktop")
[[ $exec_line == "turnpixa %F" ]] || fail "Exec=$exec_line"
# A first start: the update question comes up (and is closed), and the
# settings are written at the end, by root, into root's own folder. Any
# update check goes to a port where nothing answers.
status=0
in_root SCREENSHOT=/road/shot.png TURNPIXA_UPDATE_BASE=http://127.0.0.1:9/update \
  xvfb-run -a -s "-screen 0 1280x900x24" \
  bash /road/wizard_with_photos.sh "$src" /road/red.png /road/green.png || status=$?
[[ -n $screenshot && -f $root/road/shot.png ]] && cp "$root/road/shot.png" "$screenshot"
((status == 0)) || fail "the wizard did not show the photos it was given"
[[ -e $root/usr/bin/TurnPixa.ini ]] && fail "the wizard wrote its settings into /usr/bin"
[[ -f $root/road/home/.config/TurnPixa/TurnPixa.ini ]] || fail "the wizard wrote no settings"

in_root apt-get remove -y -qq turnpixa >"$work/apt.log" 2>&1 || { cat "$work/apt.log"; fail "apt-get remove"; }
state=$(in_root dpkg-query -W -f='${Status}' turnpixa 2>/dev/null || true)
[[ -z $state || $state == *not-installed ]] || fail "dpkg still has it: $state"
# Nothing of it is left: of all that changed in the root, only the package
# manager's logs and backups may still name it, and the manual's index,
# which dpkg's trigger only adds to (man-db purges it on its daily run).
umount "$root/proc" "$root/sys"
left=$(cd "$work/layer/upper" && find . -path ./road -prune -o -print | sed 's|^\./||' | while read -r f; do
  case $f in
    var/log/*|var/lib/dpkg/*-old|var/cache/apt/*|var/cache/debconf/*-old|var/cache/man/*) continue ;;
  esac
  if [[ ${f,,} == *turnpixa* ]] || { [[ -f $f ]] && grep -qil turnpixa "$f"; }; then echo "$f"; fi
done)
[[ -z $left ]] || fail "left behind: $left"
echo "installed, ran and removed in a throwaway root"
INNER
[[ $(host_status) == "$before" ]] || fail "the machine's own turnpixa changed: $(host_status)"
echo "the Debian package is clean, installs, runs and removes cleanly"
