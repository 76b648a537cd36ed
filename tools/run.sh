#!/usr/bin/env bash
# The main job: builds TurnPixa and runs it. With a display the wizard opens;
# without one, turnpixa-cli makes the rotatable image of the bundled sample
# photos and says where the page is.
set -euo pipefail
cd "$(dirname "$0")/.."
tools/install-deps.sh
cmake --preset release >/dev/null
cmake --build --preset release -j "$(nproc)"

bin=build/release
if [[ -n "${DISPLAY:-}${WAYLAND_DISPLAY:-}" && -x "$bin/app/turnpixa" ]]; then
  exec "$bin/app/turnpixa"
fi
if [[ -x "$bin/cli/turnpixa-cli" ]]; then
  mkdir -p out/sample
  "$bin/cli/turnpixa-cli" resources/sample-photos/*.jpg -o out/sample/sample.htm
  echo "The rotatable image is at $(pwd)/out/sample/sample.htm"
else
  echo "Built the image library; turnpixa-cli is not part of this build yet."
fi
