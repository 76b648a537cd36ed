#!/usr/bin/env bash
# Known-answer runs of turnpixa-cli --auto-centre --even-lightness: the
# shoe series and the sample photos, each moved by a known orbit and shake
# and flickering by a known gain (known_answer.py make), are turned into
# frames 400 pixels wide with and without the two options, and every frame
# is compared with the same frame of the unmoved series made the same way
# (phase correlation for the offset, mean luminance for the light); the last
# line compares the unmoved series made with the options against it made
# without them: a steady series should be left where it was. Prints the figures and
# the time the two options add per photo.
#
#   bench/centre/known-answer.sh            build/release/cli/turnpixa-cli
#   TURNPIXA_CLI=path bench/centre/known-answer.sh
#   KNOWN_ANSWER_FRAMES=1 bench/centre/known-answer.sh   also frame by frame
#
# Needs python3-numpy and python3-pil (tools/install-deps.sh --test). The
# moved series are made once under build/bench-centre/.
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
cli=${TURNPIXA_CLI:-$root/build/release/cli/turnpixa-cli}
work=$root/build/bench-centre
ka=$root/bench/centre/known_answer.py
if [[ ! -x $cli ]]; then
  echo "known-answer.sh: $cli not found (cmake --preset release &&" \
    "cmake --build --preset release --target turnpixa-cli)" >&2
  exit 1
fi
mkdir -p "$work"

ms() { # command...: wall-clock milliseconds of one run
  local t0
  t0=$(date +%s%N)
  "$@"
  echo $((($(date +%s%N) - t0) / 1000000))
}

# name, photo folder, crop that leaves room for the moves (source pixels)
while read -r name photos crop; do
  moved=$work/$name-moved
  [[ -f $moved/complete ]] || { "$ka" make "$photos" "$moved" && touch "$moved/complete"; }
  out=$work/$name
  rm -rf "$out"
  run() { # tag folder options...
    local tag=$1 from=$2
    shift 2
    "$cli" -q --crop "$crop" --width 400 "$@" -o "$out/$tag/spin.htm" "$from"/*.jpg
  }
  plain=$(ms run steady "$photos")
  both=$(ms run steady-both "$photos" --auto-centre --even-lightness)
  run moved "$moved"
  run moved-both "$moved" --auto-centre --even-lightness
  count=$(ls "$photos"/*.jpg | wc -l)
  echo "== $name ($count photos, crop $crop, frames 400 wide)"
  echo -n "moved, as it comes:         "; "$ka" compare "$out/steady/spin-turnpixa" "$out/moved/spin-turnpixa"
  echo -n "moved, both options:        "; "$ka" compare "$out/steady-both/spin-turnpixa" "$out/moved-both/spin-turnpixa" \
    ${KNOWN_ANSWER_FRAMES:+--frames}
  echo -n "steady, both options:       "; "$ka" compare "$out/steady/spin-turnpixa" "$out/steady-both/spin-turnpixa"
  echo "time the options add:       $(((both - plain) / count)) ms per photo ($both ms against $plain ms)"
  bench=$(dirname "$cli")/../bench/project/bench_series_adjust
  [[ -x $bench ]] && "$bench" "$photos"/*.jpg
done <<EOF2
shoe ${SHOE_PHOTOS:-$root/../shared/testdata/real-spins/shoe-36} 70,60,730,702
samples $root/resources/sample-photos 100,75,1500,1125
EOF2
