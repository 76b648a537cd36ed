#!/usr/bin/env bash
# Installs the Debian packages that building, running and testing TurnPixa
# need, but only those that are missing. Safe to run again.
#   tools/install-deps.sh          build + run packages
#   tools/install-deps.sh --test   also the packages the test suite uses
#   tools/install-deps.sh --dev    also the generators' packages (tools/make_*.py);
#                                  their output is committed, so CI needs none of them
set -euo pipefail

build_pkgs=(
  cmake ninja-build g++ pkg-config
  libjpeg62-turbo-dev libpng-dev libtiff-dev zlib1g-dev liblzma-dev libwebp-dev
  libgif-dev libimagequant-dev libzip-dev
  libcurl4-openssl-dev libssl-dev libssh2-1-dev libsane-dev qt6-base-dev ccache
  qt6-tools-dev qt6-l10n-tools qt6-translations-l10n
  libfltk1.3-dev libxcursor-dev libxinerama-dev libxft-dev libxfixes-dev
  libxrender-dev libfontconfig-dev patchelf dpkg-dev
  googletest libgtest-dev libbenchmark-dev
)
test_pkgs=(
  clang libclang-rt-14-dev clang-format
  python3 python3-pyftpdlib python3-openssl vsftpd sane-utils libsane1 openssl
  chromium firefox-esr xvfb xauth poppler-utils python3-xlib x11-utils
  libvips-tools imagemagick time
  libjpeg-turbo-progs hyperfine groff-base webp python3-numpy python3-pil
  parallel openssh-server openssh-client
  fonts-dejavu-core
  lintian desktop-file-utils appstream
)
dev_pkgs=(
  python3 python3-numpy python3-pil fonts-dejavu-core
)

want=("${build_pkgs[@]}")
if [[ "${1:-}" == "--test" ]]; then
  want+=("${test_pkgs[@]}")
fi
if [[ "${1:-}" == "--dev" ]]; then
  want+=("${dev_pkgs[@]}")
fi

missing=()
for p in "${want[@]}"; do
  if ! dpkg-query -W -f='${Status}' "$p" 2>/dev/null | grep -q 'install ok installed'; then
    missing+=("$p")
  fi
done

# Node.js may come from elsewhere than Debian; any npm on PATH will do.
if [[ "${1:-}" == "--test" ]] && ! command -v npm >/dev/null 2>&1; then
  missing+=(nodejs npm)
fi

if ((${#missing[@]})); then
  echo "install-deps: installing ${missing[*]}"
  sudo_cmd=()
  [[ $(id -u) -ne 0 ]] && sudo_cmd=(sudo)
  export DEBIAN_FRONTEND=noninteractive
  "${sudo_cmd[@]}" apt-get update -qq
  "${sudo_cmd[@]}" apt-get install -y -qq --no-install-recommends "${missing[@]}"
fi
