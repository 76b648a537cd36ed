#!/usr/bin/env bash
# The written viewer page side by side with js-cloudimage-360-view and
# SpriteSpin (with jQuery) on one real spin, in Debian's Chromium with slow 4G
# and a four times slower CPU; prints a markdown table of medians over the runs
# and writes it to a file (README.md beside this script says how each figure
# is taken).
#
#   bench/viewer/run.sh [turnpixa-cli]     (default build/release, else build/dev)
#   SPIN=folder     the photos (default ../shared/testdata/real-spins/shoe-36)
#   WIDTH=480 ZOOM=800 RUNS=3
#   ONLY=TurnPixa   just those viewers (comma-separated)
#   OUT=file        the table (default build/bench-viewer/table.md); what each
#                   viewer showed around the zoom goes to build/bench-viewer/pictures/
#
# Needs node, npm and chromium (tools/install-deps.sh --test); the peers and
# playwright-core come from npm into bench/viewer/node_modules.
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
root=$(cd "$here/../.." && pwd)
cli=${1:-}
if [[ -z $cli ]]; then
  for b in release dev; do
    if [[ -x $root/build/$b/cli/turnpixa-cli ]]; then
      cli=$root/build/$b/cli/turnpixa-cli
      break
    fi
  done
fi
if [[ -z $cli || ! -x $cli ]]; then
  echo "bench/viewer: turnpixa-cli not built (cmake --build --preset release --target turnpixa-cli)" >&2
  exit 1
fi
spin=${SPIN:-$root/../shared/testdata/real-spins/shoe-36}
width=${WIDTH:-480}
zoom=${ZOOM:-800}
runs=${RUNS:-3}
chromium=${TURNPIXA_CHROMIUM:-/usr/bin/chromium}
work=$root/build/bench-viewer
out=${OUT:-$work/table.md}
for tool in node npm "$chromium"; do
  command -v "$tool" >/dev/null || { echo "bench/viewer: $tool missing (tools/install-deps.sh --test)" >&2; exit 1; }
done

mapfile -t photos < <(find "$spin" -maxdepth 1 -iname '*.jpg' | sort)
((${#photos[@]})) || { echo "bench/viewer: no photos in $spin" >&2; exit 1; }

if [[ ! -f $here/node_modules/.package-lock.json ||
      $here/package-lock.json -nt $here/node_modules/.package-lock.json ]]; then
  (cd "$here" && npm ci --no-audit --no-fund --loglevel=error)
fi

rm -rf "$work/set"
mkdir -p "$work/set"
"$cli" --width="$width" --zoom="$zoom" "${photos[@]}" -o "$work/set/spin.htm" | tail -n 1
echo "turnpixa-cli: $cli; turnpixa.js $(wc -c <"$work/set/turnpixa.js") bytes"

node "$here/bench.mjs" --set "$work/set" --runs "$runs" --out "$out" --chromium "$chromium" \
  --pictures "$work/pictures" ${ONLY:+--only "$ONLY"}
echo "(written to $out)"
