#!/usr/bin/env bash
# Times JPEG decoding of the benchmark's 12-megapixel photo through TurnPixa's
# loadPhoto and through djpeg (libjpeg-turbo's command-line decoder, which
# includes process start-up and writing the BMP to /dev/null), and prints
# megapixels per second for both and their ratio.
#   bench/image/compare-djpeg.sh [build-dir]      (default build/release)
set -euo pipefail

here=$(cd "$(dirname "$0")" && pwd)
build=${1:-$here/../../build/release}
bench=$build/bench/image/bench_image
[[ -x $bench ]] || { echo "compare-djpeg: $bench not built (cmake --preset release && cmake --build --preset release --target bench_image)" >&2; exit 1; }
command -v djpeg >/dev/null || { echo "compare-djpeg: djpeg missing (tools/install-deps.sh --test)" >&2; exit 1; }

work=$(mktemp -d)
trap 'rm -rf "$work"' EXIT
photo=$work/photo.jpg
megapixels=12

TURNPIXA_BENCH_JPEG=$photo "$bench" --benchmark_filter='BM_JpegDecodePhoto' \
  --benchmark_min_time=2 --benchmark_format=json >"$work/ours.json"
ours_ms=$(python3 -c 'import json,sys; b=json.load(open(sys.argv[1]))["benchmarks"][0]; \
  assert b["time_unit"]=="ms"; print(b["real_time"])' "$work/ours.json")

if command -v hyperfine >/dev/null; then
  hyperfine --style none --warmup 3 --min-runs 20 --export-json "$work/djpeg.json" \
    "djpeg -bmp -outfile /dev/null $photo" >/dev/null
  djpeg_ms=$(python3 -c 'import json,sys; print(1000*json.load(open(sys.argv[1]))["results"][0]["mean"])' \
    "$work/djpeg.json")
else
  runs=20
  start=$(date +%s%N)
  for ((i = 0; i < runs; i++)); do djpeg -bmp -outfile /dev/null "$photo"; done
  end=$(date +%s%N)
  djpeg_ms=$(python3 -c "print(($end - $start) / 1e6 / $runs)")
fi

python3 - "$ours_ms" "$djpeg_ms" "$megapixels" "$(stat -c %s "$photo")" <<'PY'
import sys
ours, djpeg, mp, size = float(sys.argv[1]), float(sys.argv[2]), float(sys.argv[3]), int(sys.argv[4])
print(f"photo: 4000x3000, quality 90, {size / 1e6:.1f} MB")
print(f"loadPhoto: {ours:8.1f} ms  {mp / ours * 1000:6.1f} MPix/s")
print(f"djpeg:     {djpeg:8.1f} ms  {mp / djpeg * 1000:6.1f} MPix/s")
print(f"ratio loadPhoto / djpeg time: {ours / djpeg:.2f}")
PY
