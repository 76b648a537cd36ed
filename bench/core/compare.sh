#!/usr/bin/env bash
# Side by side in one run, for sources held at the scale their frames need:
#  1. turnpixa-cli on 36 photos of 4000 x 3000 to frames 400 wide, JPEG and
#     PNG, against vipsthumbnail and against `djpeg -scale 1/8` of the same
#     files on two processes (the decode alone);
#  2. the wizard's load path (bench_wizard_load) on 36 photos of 6000 x 4000
#     at the default size, against `djpeg -scale 1/8` on two processes;
#  3. one 400-pixel frame from a working-scale source, full and quick.
# Prints seconds and peak memory (GNU time) and the ratios the targets name.
#
#   bench/core/compare.sh          (after: cmake --preset release &&
#     cmake --build --preset release --target turnpixa-cli bench_wizard_load bench_process)
#   BUILD=build/release RUNS=3 bench/core/compare.sh
#
# The photos are made once from the sample photos (upscaled, with a little
# noise, quality 90) under build/bench-photos*/. Needs libvips-tools,
# libjpeg-turbo-progs and time (tools/install-deps.sh --test).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${BUILD:-$root/build/release}
runs=${RUNS:-1}
samples=${SAMPLE_PHOTOS:-$root/resources/sample-photos}
cli=$build/cli/turnpixa-cli
wizard=$build/bench/project/bench_wizard_load
process=$build/bench/process/bench_process
gnu_time=/usr/bin/time
count=36

for tool in "$cli" "$wizard" "$process" "$gnu_time" /usr/bin/vips /usr/bin/vipsthumbnail \
  /usr/bin/djpeg; do
  if [[ ! -x $tool ]]; then
    echo "compare.sh: $tool not found (build the release preset's turnpixa-cli," \
      "bench_wizard_load and bench_process; packages: tools/install-deps.sh --test)" >&2
    exit 1
  fi
done

# make_photos DIR WIDTH HEIGHT: 36 photos of that size from the samples.
make_photos() {
  local dir=$1 w=$2 h=$3 i n src scale
  [[ -f $dir/complete ]] && return
  echo "Making $count photos of $w x $h in $dir (once) ..." >&2
  mkdir -p "$dir"
  scale=$(awk -v w="$w" 'BEGIN { print w / 1600 }')
  for ((i = 1; i <= count; i++)); do
    n=$(printf '%02d' "$i")
    src=$samples/turntable-$n.jpg
    vips resize "$src" "$dir/big.v" "$scale"
    vips gaussnoise "$dir/noise.v" "$w" "$h" --sigma 3 --mean 0 --seed "$i"
    vips add "$dir/big.v" "$dir/noise.v" "$dir/sum.v"
    vips cast "$dir/sum.v" "$dir/photo-$n.jpg[Q=90]" uchar
  done
  rm -f "$dir"/{big,noise,sum}.v
  touch "$dir/complete"
}

photos12=$root/build/bench-photos
photos24=$root/build/bench-photos-24mp
make_photos "$photos12" 4000 3000
make_photos "$photos24" 6000 4000
list12=("$photos12"/photo-*.jpg)
list24=("$photos24"/photo-*.jpg)

out=$(mktemp -d "${TMPDIR:-/tmp}/turnpixa-core-compare.XXXXXX")
trap 'rm -rf "$out"' EXIT

# timed NAME COMMAND...: fastest elapsed seconds, the least CPU seconds (user
# + system, steadier than wall time on a shared machine) and largest peak MB
# of $runs runs.
declare -A seconds cpu peak
timed() {
  local name=$1 r e u s m c best='' least='' most=0
  shift
  for ((r = 1; r <= runs; r++)); do
    rm -rf "${out:?}/$name"
    mkdir -p "$out/$name"
    "$gnu_time" -f '%e %U %S %M' -o "$out/time" "$@" >"$out/$name.log"
    read -r e u s m <"$out/time"
    c=$(awk -v u="$u" -v s="$s" 'BEGIN { printf "%.2f", u + s }')
    if [[ -z $best ]] || awk -v a="$e" -v b="$best" 'BEGIN { exit !(a < b) }'; then best=$e; fi
    if [[ -z $least ]] || awk -v a="$c" -v b="$least" 'BEGIN { exit !(a < b) }'; then least=$c; fi
    ((m > most)) && most=$m
  done
  seconds[$name]=$best
  cpu[$name]=$least
  peak[$name]=$(awk -v m="$most" 'BEGIN { printf "%.1f", m / 1024 }')
}

# Two processes decoding at 1/8, as a shell pipeline would.
djpeg_eighth() {
  printf '%s\0' "$@" | xargs -0 -n 1 -P 2 sh -c 'djpeg -scale 1/8 "$1" > /dev/null' _
}
export -f djpeg_eighth

timed cli-jpeg "$cli" --width 400 -q "${list12[@]}" -o "$out/cli-jpeg/bench.htm"
timed cli-png "$cli" --width 400 --png -q "${list12[@]}" -o "$out/cli-png/bench.htm"
timed vipsthumbnail /usr/bin/vipsthumbnail -s 400 -o "$out/vipsthumbnail/%s.jpg[Q=75]" \
  "${list12[@]}"
timed djpeg12 bash -c 'djpeg_eighth "$@"' _ "${list12[@]}"
timed wizard "$wizard" "${list24[@]}"
timed djpeg24 bash -c 'djpeg_eighth "$@"' _ "${list24[@]}"

n=$(find "$out/cli-jpeg/bench-turnpixa" -name 'image_*.jpg' | wc -l)
((n == count)) || { echo "compare.sh: turnpixa-cli wrote $n frames, not $count" >&2; exit 1; }
read -r -a w <"$out/wizard.log"

ratio() { awk -v a="$1" -v b="$2" 'BEGIN { printf "%.2f", (b > 0 ? a / b : 0) }'; }
echo "== turnpixa-cli: $count x 4000 x 3000 to 400 px; $(nproc) cores; fastest of $runs run(s)"
printf '%-22s %9s %9s %9s\n' tool seconds 'CPU s' 'peak MB'
for name in cli-jpeg cli-png vipsthumbnail djpeg12; do
  printf '%-22s %9s %9s %9s\n' "$name" "${seconds[$name]}" "${cpu[$name]}" "${peak[$name]}"
done
bytes() { find "$1" -type f -name "$2" -printf '%s\n' | awk '{ n += $1 } END { print n + 0 }'; }
echo "cli / vipsthumbnail:        $(ratio "${seconds[cli-jpeg]}" "${seconds[vipsthumbnail]}")  (target <= 0.60;" \
  "CPU $(ratio "${cpu[cli-jpeg]}" "${cpu[vipsthumbnail]}"))"
echo "djpeg 1/8 / vipsthumbnail:  $(ratio "${seconds[djpeg12]}" "${seconds[vipsthumbnail]}")  (CPU" \
  "$(ratio "${cpu[djpeg12]}" "${cpu[vipsthumbnail]}"))"
echo "cli peak MB:                ${peak[cli-jpeg]}  (target <= 100)"
echo "PNG / JPEG mode:            $(ratio "${seconds[cli-png]}" "${seconds[cli-jpeg]}")  (target <= 1.50;" \
  "CPU $(ratio "${cpu[cli-png]}" "${cpu[cli-jpeg]}"); PNG frames $(bytes "$out/cli-png" '*.png') bytes)"
echo
echo "== wizard load path: $count x 6000 x 4000 at the default size"
echo "${w[*]}"
loaded_s=$(awk -v ms="${w[7]}" 'BEGIN { printf "%.2f", ms / 1000 }')
echo "all loaded:                 ${loaded_s} s; djpeg 1/8 on 2 processes ${seconds[djpeg24]} s;" \
  "ratio $(ratio "$loaded_s" "${seconds[djpeg24]}")  (target <= 1.50)"
echo "first photo on screen:      ${w[5]} ms  (target < 500)"
echo "peak MB, all pre-rendered:  ${peak[wizard]}  (target <= 250)"
echo
echo "== one 400-px frame from the working scale (targets: full <= 25 ms, quick <= 3 ms)"
"$process" --benchmark_filter='FromWorkingScale' --benchmark_min_time=0.3 2>/dev/null |
  grep -E '^BM_'
