#!/usr/bin/env bash
# Times JPEG decoding of the benchmark's 12-megapixel photo through TurnPixa's
# loadPhoto and through djpeg (libjpeg-turbo's command-line decoder, which
# includes process start-up and writing the BMP to /dev/null), and prints
# megapixels per second for both and their ratio. CPU time (user + system) is
# compared, so that other work on the machine does not skew the ratio; wall
# times are printed beside it.
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
read -r ours_cpu ours_wall < <(python3 -c 'import json,sys; b=json.load(open(sys.argv[1]))["benchmarks"][0]; \
  assert b["time_unit"]=="ms"; print(b["cpu_time"], b["real_time"])' "$work/ours.json")

if command -v hyperfine >/dev/null; then
  hyperfine --style none --warmup 3 --min-runs 20 --export-json "$work/djpeg.json" \
    "djpeg -bmp -outfile /dev/null $photo" >/dev/null
  read -r djpeg_cpu djpeg_wall < <(python3 -c 'import json,sys; r=json.load(open(sys.argv[1]))["results"][0]; \
    print(1000*(r["user"]+r["system"]), 1000*r["mean"])' "$work/djpeg.json")
else
  runs=20
  TIMEFORMAT='%R %U %S'
  times=$( { time (for ((i = 0; i < runs; i++)); do djpeg -bmp -outfile /dev/null "$photo"; done) ; } 2>&1 )
  read -r djpeg_cpu djpeg_wall < <(python3 -c "r,u,s='$times'.split(); print((float(u)+float(s))*1000/$runs, float(r)*1000/$runs)")
fi

python3 - "$ours_cpu" "$ours_wall" "$djpeg_cpu" "$djpeg_wall" "$megapixels" "$(stat -c %s "$photo")" <<'PY'
import sys
ours, ours_wall, djpeg, djpeg_wall, mp = map(float, sys.argv[1:6])
size = int(sys.argv[6])
print(f"photo: 4000x3000, quality 90, {size / 1e6:.1f} MB")
print(f"loadPhoto: {ours:7.1f} ms CPU  {mp / ours * 1000:6.1f} MPix/s  (wall {ours_wall:.1f} ms)")
print(f"djpeg:     {djpeg:7.1f} ms CPU  {mp / djpeg * 1000:6.1f} MPix/s  (wall {djpeg_wall:.1f} ms)")
print(f"ratio loadPhoto / djpeg CPU time: {ours / djpeg:.2f}")
PY
