#!/usr/bin/env bash
# The main job: builds TurnPixa and runs it. With a display the wizard opens;
# without one, turnpixa-cli makes the rotatable image of the bundled sample
# photos and says where the page is.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset release >/dev/null

bin=build/release
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" ]]; then
  cmake --build --preset release -j "$(nproc)" --target turnpixa
  exec "$bin/app/turnpixa"
fi
cmake --build --preset release -j "$(nproc)" --target turnpixa-cli
"$bin/cli/turnpixa-cli" resources/sample-photos/*.jpg -o out/sample/sample.htm
echo "The rotatable image is at $(pwd)/out/sample/sample.htm"
echo "(open it in a browser, or serve it: python3 -m http.server -d out/sample)"
