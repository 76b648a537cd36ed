#!/usr/bin/env bash
# Side by side: turnpixa-cli against vipsthumbnail and ImageMagick, turning
# 36 photos of 4000 x 3000 into frames 400 pixels wide (JPEG quality 75, as
# turnpixa-cli writes them). Prints seconds, input megapixels per second,
# peak resident memory and the ratios against turnpixa-cli.
#
#   bench/cli/compare.sh            build/release/cli/turnpixa-cli
#   TURNPIXA_CLI=path RUNS=3 bench/cli/compare.sh
#
# RUNS: each tool runs that many times and its fastest run is shown (its
# peak memory is the largest seen). The 36 photos are made once from the
# sample photos (upscaled, with a little noise, quality 90) and kept under
# build/bench-photos/ (SAMPLE_PHOTOS names another folder of turntable-NN.jpg
# to make them from). Needs libvips-tools, imagemagick and time
# (tools/install-deps.sh --test).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
cli=${TURNPIXA_CLI:-$root/build/release/cli/turnpixa-cli}
runs=${RUNS:-1}
photos_dir=$root/build/bench-photos
samples=${SAMPLE_PHOTOS:-$root/resources/sample-photos}
count=36
width=400
quality=75
# Debian's ImageMagick itself, not a wrapper that may come first on PATH.
convert=/usr/bin/convert
mogrify=/usr/bin/mogrify
gnu_time=/usr/bin/time
export CONVERT=$convert WIDTH=$width QUALITY=$quality

for tool in "$cli" "$convert" "$mogrify" "$gnu_time" /usr/bin/vips /usr/bin/vipsthumbnail; do
  if [[ ! -x $tool ]]; then
    echo "compare.sh: $tool not found (build: cmake --preset release &&" \
      "cmake --build --preset release --target turnpixa-cli; packages:" \
      "tools/install-deps.sh --test)" >&2
    exit 1
  fi
done

make_photos() {
  [[ -f $photos_dir/complete ]] && return
  echo "Making $count photos of 4000 x 3000 in $photos_dir (once) ..." >&2
  mkdir -p "$photos_dir"
  local i n src
  for ((i = 1; i <= count; i++)); do
    n=$(printf '%02d' "$i")
    src=$samples/turntable-$n.jpg
    if [[ ! -f $src ]]; then
      echo "compare.sh: sample photo $src is missing" >&2
      exit 1
    fi
    # 1600 x 1200 to 4000 x 3000, plus grey noise of sigma 3 seeded per photo
    vips resize "$src" "$photos_dir/big.v" 2.5
    vips gaussnoise "$photos_dir/noise.v" 4000 3000 --sigma 3 --mean 0 --seed "$i"
    vips add "$photos_dir/big.v" "$photos_dir/noise.v" "$photos_dir/sum.v"
    vips cast "$photos_dir/sum.v" "$photos_dir/photo-$n.jpg[Q=90]" uchar
  done
  rm -f "$photos_dir"/{big,noise,sum}.v
  touch "$photos_dir/complete"
}

make_photos
photos=()
for ((i = 1; i <= count; i++)); do
  photos+=("$photos_dir/photo-$(printf '%02d' "$i").jpg")
done

out=$(mktemp -d "${TMPDIR:-/tmp}/turnpixa-compare.XXXXXX")
trap 'rm -rf "$out"' EXIT

# time_tool NAME COMMAND...: runs COMMAND, which writes into $out/NAME, and
# keeps the fastest time and the largest peak memory of $runs runs.
declare -A seconds cpu peak
names=()
time_tool() {
  local name=$1
  shift
  local r best='' most=0 e m u k
  for ((r = 1; r <= runs; r++)); do
    rm -rf "${out:?}/$name"
    mkdir -p "$out/$name"
    "$gnu_time" -f '%e %M %U %S' -o "$out/time" "$@" >/dev/null
    read -r e m u k <"$out/time"
    if [[ -z $best ]] || awk -v a="$e" -v b="$best" 'BEGIN { exit !(a < b) }'; then
      best=$e
      cpu[$name]=$(awk -v u="$u" -v k="$k" 'BEGIN { print u + k }')
    fi
    ((m > most)) && most=$m
  done
  seconds[$name]=$best
  peak[$name]=$most
  names+=("$name")
}

time_tool turnpixa-cli "$cli" --width "$width" -q "${photos[@]}" -o "$out/turnpixa-cli/bench.htm"
time_tool vipsthumbnail /usr/bin/vipsthumbnail -s "$width" \
  -o "$out/vipsthumbnail/%s.jpg[Q=$quality]" "${photos[@]}"
# shellcheck disable=SC2016 # expanded by the inner bash
# One convert per photo, as a user's shell loop does; time reports the
# largest of them as the peak.
time_tool convert bash -c 'dir=$1; shift; for p; do
    "$CONVERT" "$p" -resize "${WIDTH}x" -quality "$QUALITY" "$dir/${p##*/}"; done' \
  _ "$out/convert" "${photos[@]}"
time_tool mogrify "$mogrify" -path "$out/mogrify" -resize "${width}x" -quality "$quality" \
  "${photos[@]}"

# Every tool made 36 frames 400 pixels wide.
check_width() {
  local file=$1 w
  w=$(/usr/bin/vipsheader -f width "$file")
  if [[ $w != "$width" ]]; then
    echo "compare.sh: $file is $w pixels wide, not $width" >&2
    exit 1
  fi
}
check_width "$out/turnpixa-cli/bench-turnpixa/image_000.jpg"
check_width "$out/vipsthumbnail/photo-01.jpg"
check_width "$out/convert/photo-01.jpg"
check_width "$out/mogrify/photo-01.jpg"
for name in "${names[@]}"; do
  case $name in
    turnpixa-cli) n=$(find "$out/$name/bench-turnpixa" -name 'image_*.jpg' | wc -l) ;;
    *) n=$(find "$out/$name" -name 'photo-*.jpg' | wc -l) ;;
  esac
  if ((n != count)); then
    echo "compare.sh: $name wrote $n frames, not $count" >&2
    exit 1
  fi
done

megapixels=$(awk -v n="$count" 'BEGIN { print n * 4000 * 3000 / 1e6 }')
echo "$count photos of 4000 x 3000 ($megapixels MP) to frames $width wide, JPEG quality $quality;" \
  "$(nproc) cores; fastest of $runs run(s)"
printf '%-14s %8s %8s %8s %8s %11s %10s %10s\n' tool seconds 'cpu s' 'MP/s' 'peak MB' \
  'time ratio' 'cpu ratio' 'mem ratio'
base_s=${seconds[turnpixa-cli]}
base_c=${cpu[turnpixa-cli]}
base_m=${peak[turnpixa-cli]}
for name in "${names[@]}"; do
  awk -v name="$name" -v s="${seconds[$name]}" -v c="${cpu[$name]}" -v m="${peak[$name]}" \
    -v mp="$megapixels" -v bs="$base_s" -v bc="$base_c" -v bm="$base_m" 'BEGIN {
      rs = bs > 0 ? sprintf("%.2f", s / bs) : "-"
      rc = bc > 0 ? sprintf("%.2f", c / bc) : "-"
      printf "%-14s %8.2f %8.2f %8.1f %8.1f %11s %10s %10.2f\n", name, s, c, (s > 0 ? mp / s : 0),
        m / 1024, rs, rc, m / bm
    }'
done
echo "(seconds: elapsed; cpu s: user + system; ratios: the tool's figure over turnpixa-cli's," \
  "above 1 means turnpixa-cli is faster or smaller)"
