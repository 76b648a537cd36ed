#!/usr/bin/env bash
# Lays out what the shipped package carries, from a build folder:
#   tools/stage-turnpixa.sh BUILD_DIR STAGE_DIR
# STAGE_DIR gets turnpixa, TurnPixa-help/, license.txt, turnpixa-cli (with its
# manual page and bash completion) and a lib/ folder with the Qt libraries, the Qt plugins and the other libraries
# they need, so that turnpixa runs on a desktop without Qt 6. Left out are
# the C and C++ runtimes and the X11, OpenGL, font and system-bus libraries
# that every desktop has. turnpixa finds lib/ through its RPATH ($ORIGIN/lib)
# and the plugins through qt.conf.
set -euo pipefail
build=${1:?usage: stage-turnpixa.sh BUILD_DIR STAGE_DIR}
stage=${2:?usage: stage-turnpixa.sh BUILD_DIR STAGE_DIR}
src=$(cd "$(dirname "$0")/.." && pwd)
command -v patchelf >/dev/null || { echo "stage-turnpixa: patchelf is missing (tools/install-deps.sh)" >&2; exit 1; }

qt_plugins=$(qtpaths6 --query QT_INSTALL_PLUGINS 2>/dev/null || echo /usr/lib/x86_64-linux-gnu/qt6/plugins)
plugins=(
  platforms/libqxcb.so platforms/libqoffscreen.so
  xcbglintegrations/libqxcb-glx-integration.so xcbglintegrations/libqxcb-egl-integration.so
  printsupport/libcupsprintersupport.so
  imageformats/libqico.so
)

# Every desktop has these; bundling them would do harm (they must match the
# running X server, graphics driver and C library).
keep_out='^(ld-linux.*|libc|libm|libdl|libpthread|librt|libresolv|libstdc\+\+|libgcc_s|libX11(-xcb)?|libxcb|libXau|libXdmcp|libXext|libXrender|libXi|libXfixes|libGL.*|libEGL|libOpenGL|libdrm|libgbm|libfontconfig|libfreetype|libexpat|libz|libdbus-1|libsystemd|libglib-2\.0|libgobject-2\.0|libgthread-2\.0|libcap|libgcrypt|libgpg-error|liblzma|liblz4|libzstd|libselinux|libpcre2-8|libbsd|libmd|libudev)\.so'

rm -rf "$stage"
mkdir -p "$stage/lib/plugins"
install -m 0755 "$build/app/turnpixa" "$stage/turnpixa"
[[ -x "$build/cli/turnpixa-cli" ]] && install -m 0755 "$build/cli/turnpixa-cli" "$stage/turnpixa-cli"
# Its manual page and bash completion, made by the build from its option table.
for doc in turnpixa-cli.1 turnpixa-cli.bash-completion; do
  if [[ -f "$build/cli/$doc" ]]; then install -m 0644 "$build/cli/$doc" "$stage/$doc"; fi
done
# The program's icon, for the menu entries.
if [[ -f "$build/app/turnpixa.png" ]]; then install -m 0644 "$build/app/turnpixa.png" "$stage/turnpixa.png"; fi
mkdir -p "$stage/TurnPixa-help"
cp -p "$src"/resources/help/* "$stage/TurnPixa-help/"
install -m 0644 "$src/resources/license.txt" "$stage/license.txt"

for p in "${plugins[@]}"; do
  if [[ -f "$qt_plugins/$p" ]]; then
    mkdir -p "$stage/lib/plugins/$(dirname "$p")"
    install -m 0644 "$qt_plugins/$p" "$stage/lib/plugins/$p"
  fi
done

# The libraries the program and its plugins load, found by the system's
# loader, each copied once.
# The print plugin is left to load the desktop's own CUPS, or not at all
# where there is none (printing to PDF needs no plugin).
mapfile -t elves < <(printf '%s\n' "$stage/turnpixa" "$stage/turnpixa-cli"
                     find "$stage/lib/plugins" -name '*.so' ! -path '*printsupport*')
for elf in "${elves[@]}"; do
  ldd "$elf" | awk '/=> \// {print $1, $3}'
done | sort -u | while read -r name path; do
  if [[ ! "$name" =~ $keep_out ]]; then
    install -m 0644 "$path" "$stage/lib/$name"
  fi
done

printf '[Paths]\nPlugins = lib/plugins\n' > "$stage/qt.conf"
# DT_RPATH, not RUNPATH: it also serves the libraries and plugins loaded later.
for program in "$stage/turnpixa" "$stage/turnpixa-cli"; do
  [[ -f "$program" ]] && patchelf --force-rpath --set-rpath '$ORIGIN/lib' "$program"
done
echo "stage-turnpixa: $(du -sh "$stage" | cut -f1) in $stage"
