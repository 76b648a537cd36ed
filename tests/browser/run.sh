#!/usr/bin/env bash
# Writes output sets from the sample photos with turnpixa-cli and drives them
# in Chromium.
#   run.sh TURNPIXA_CLI WORK_DIR
# TURNPIXA_TEST_FILTER runs only the tests whose names match it.
# Exit 77 (skipped) when node, npm or Chromium are not installed
# (tools/install-deps.sh --test installs them).
set -euo pipefail

cli=$1
work=$2
here=$(cd "$(dirname "$0")" && pwd)
photos_dir=$here/../../resources/sample-photos
chromium=${TURNPIXA_CHROMIUM:-/usr/bin/chromium}

for tool in node npm; do
  if ! command -v "$tool" >/dev/null; then
    echo "run.sh: $tool is not installed; skipping" >&2
    exit 77
  fi
done
if [[ ! -x $chromium ]]; then
  echo "run.sh: $chromium is not installed; skipping" >&2
  exit 77
fi

# playwright-core drives the installed Chromium and downloads no browser.
if [[ ! -f $here/node_modules/playwright-core/package.json ||
      $here/package-lock.json -nt $here/node_modules/.package-lock.json ]]; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi

photos=()
for i in $(seq -w 1 36); do
  photos+=("$photos_dir/turntable-$i.jpg")
done
for p in "${photos[@]}"; do
  if [[ ! -f $p ]]; then
    echo "run.sh: sample photo $p is missing" >&2
    exit 1
  fi
done

set_dir=$work/set
rm -rf "$set_dir"
mkdir -p "$set_dir"
"$cli" -q --width 200 "${photos[@]}" -o "$set_dir/spin.htm"
"$cli" -q --width 200 --auto-spin 100 --format=webp --zoom=400 "${photos[@]}" -o "$set_dir/auto.htm"
"$cli" -q --width 200 --auto-spin -100 --png "${photos[@]}" -o "$set_dir/reverse.htm"

# The viewer script, as written and as held in resources/, must parse.
node --check "$set_dir/turnpixa.js"
node --check "$here/../../resources/viewer/turnpixa.js"

cd "$here"
TURNPIXA_SET_DIR=$set_dir TURNPIXA_FRAMES=${#photos[@]} \
  TURNPIXA_SCREENSHOT=$work/auto-spin.png TURNPIXA_SHOTS=$work TURNPIXA_CHROMIUM=$chromium \
  node --test --test-concurrency=1 \
  ${TURNPIXA_TEST_FILTER:+--test-name-pattern="$TURNPIXA_TEST_FILTER"} \
  spin.test.mjs viewer.test.mjs rows.test.mjs
