#!/usr/bin/env bash
# Writes sets with animated pictures from the sample photos with turnpixa-cli,
# serves them as an uploaded webspace and drives the animation and the
# listing snippet in the browser.
#   animation.sh TURNPIXA_CLI WORK_DIR
# Exit 77 (skipped) when node, npm or Chromium are not installed.
set -euo pipefail

cli=$(realpath "$1")
work=$2
here=$(cd "$(dirname "$0")" && pwd)
photos_dir=$here/../../resources/sample-photos
chromium=${TURNPIXA_CHROMIUM:-/usr/bin/chromium}

for tool in node npm; do
  if ! command -v "$tool" >/dev/null; then
    echo "animation.sh: $tool is not installed; skipping" >&2
    exit 77
  fi
done
if [[ ! -x $chromium ]]; then
  echo "animation.sh: $chromium is not installed; skipping" >&2
  exit 77
fi
if [[ ! -f $here/node_modules/playwright-core/package.json ||
      $here/package-lock.json -nt $here/node_modules/.package-lock.json ]]; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi

photos=()
for i in $(seq -w 1 36); do
  photos+=("$photos_dir/turntable-$i.jpg")
done

site=$work/site
rm -rf "$site"
mkdir -p "$site/gallery"
"$cli" -q --width 200 --animation=spin.webp --animation=spin.gif "${photos[@]}" \
  -o "$site/gallery/anim.htm"
"$cli" -q --width 200 --animation=spin.gif "${photos[@]:0:12}" -o "$site/gallery/gifonly.htm"
"$cli" -q --width 200 "${photos[@]:0:12}" -o "$site/gallery/plain.htm"

cd "$here"
TURNPIXA_SITE=$site TURNPIXA_CLI=$cli TURNPIXA_CHROMIUM=$chromium \
  TURNPIXA_SCREENSHOT=$work/listing.png \
  node --test ${TURNPIXA_TEST_FILTER:+--test-name-pattern="$TURNPIXA_TEST_FILTER"} animation.test.mjs
