#!/usr/bin/env bash
# Writes output sets from the sample photos with turnpixa-cli and runs every
# *.test.mjs here over them, in Chromium and in firefox, or in the one engine
# named.
#   run.sh TURNPIXA_CLI WORK_DIR [chromium|firefox]
# TURNPIXA_TEST_FILTER runs only the tests whose names match it.
# Exit 77 (skipped) when node, npm or every engine asked for are not installed
# (tools/install-deps.sh --test installs them); an engine that is missing
# while another runs is reported and left out.
set -euo pipefail

cli=$1
work=$2
engines=("${3:-chromium}")
[[ $# -lt 3 ]] && engines=(chromium firefox)
here=$(cd "$(dirname "$0")" && pwd)
photos_dir=$here/../../resources/sample-photos
chromium=${TURNPIXA_CHROMIUM:-/usr/bin/chromium}
firefox=${TURNPIXA_FIREFOX:-/usr/bin/firefox-esr}

for tool in node npm; do
  if ! command -v "$tool" >/dev/null; then
    echo "run.sh: $tool is not installed; skipping" >&2
    exit 77
  fi
done
runnable=()
for engine in "${engines[@]}"; do
  case $engine in
    chromium) browser=$chromium ;;
    firefox) browser=$firefox ;;
    *)
      echo "run.sh: unknown engine '$engine' (chromium or firefox)" >&2
      exit 2
      ;;
  esac
  if [[ -x $browser ]]; then
    runnable+=("$engine")
  else
    echo "run.sh: $browser is not installed; skipping $engine" >&2
  fi
done
((${#runnable[@]})) || exit 77

# playwright-core and puppeteer-core drive the installed browsers and
# download none.
export PUPPETEER_SKIP_DOWNLOAD=1
if [[ ! -f $here/node_modules/playwright-core/package.json ||
      ! -f $here/node_modules/puppeteer-core/package.json ||
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
status=0
for engine in "${runnable[@]}"; do
  echo "run.sh: $engine"
  files=(spin.test.mjs viewer.test.mjs rows.test.mjs)
  TURNPIXA_ENGINE=$engine TURNPIXA_SET_DIR=$set_dir TURNPIXA_FRAMES=${#photos[@]} \
    TURNPIXA_SCREENSHOT=$work/auto-spin-$engine.png TURNPIXA_SHOTS=$work \
    TURNPIXA_CHROMIUM=$chromium TURNPIXA_FIREFOX=$firefox \
    node --test --test-concurrency=1 \
    ${TURNPIXA_TEST_FILTER:+--test-name-pattern="$TURNPIXA_TEST_FILTER"} "${files[@]}" ||
    status=1
done
exit $status
