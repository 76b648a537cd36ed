#!/usr/bin/env bash
# Side by side: the frames turnpixa-cli writes against the same frames coded
# by cjpeg and cwebp. For the sample photos and a real product spin it
# renders each spin once losslessly (--png) and then prints, over the N
# frames (the still left out):
#   - total bytes and mean SSIM (luminance, 11-tap Gaussian window, sigma 1.5)
#     against the lossless frames for: JPEG as before (libjpeg's defaults at
#     quality 75, which is what cjpeg -quality 75 writes), JPEG as now, WebP
#     as now (default quality), and cwebp -q 60 -m 4 on the lossless frames;
#   - whether the JPEG frames decode to exactly the pixels of the old ones;
#   - encode time per frame: ours (bench_image, CPU) against cwebp's own
#     encode time and cjpeg's CPU time per run.
#
#   bench/image/compare-frames.sh [build-dir]     (default build/release)
#   SPINS="name=folder ..." names other spins (folders of JPEG photos);
#   WEBP_QUALITY=N measures another WebP quality than the default 60.
# Needs webp (cwebp), libjpeg-turbo-progs (cjpeg), python3-pil and
# python3-numpy (tools/install-deps.sh --test).
set -euo pipefail

root=$(cd "$(dirname "$0")/../.." && pwd)
build=${1:-$root/build/release}
cli=$build/cli/turnpixa-cli
bench=$build/bench/image/bench_image
for tool in "$cli" "$bench"; do
  [[ -x $tool ]] || { echo "compare-frames: $tool not built (cmake --build --preset release --target turnpixa-cli bench_image)" >&2; exit 1; }
done
for tool in cwebp cjpeg /usr/bin/python3; do
  command -v "$tool" >/dev/null || { echo "compare-frames: $tool missing (tools/install-deps.sh --test)" >&2; exit 1; }
done
spins=${SPINS:-"sample=$root/resources/sample-photos shoe-36=$root/../shared/testdata/real-spins/shoe-36"}
# turnpixa's default WebP quality, given to cwebp too; WEBP_QUALITY tries another
quality=${WEBP_QUALITY:-60}

work=$(mktemp -d "${TMPDIR:-/tmp}/turnpixa-frames.XXXXXX")
trap 'rm -rf "$work"' EXIT

for spin in $spins; do
  name=${spin%%=*}
  folder=${spin#*=}
  mapfile -t photos < <(find "$folder" -maxdepth 1 -iname '*.jpg' | sort)
  ((${#photos[@]})) || { echo "compare-frames: no photos in $folder" >&2; exit 1; }
  out=$work/$name
  mkdir -p "$out"/{png,jpeg,webp,before,cwebp}
  "$cli" -q --png "${photos[@]}" -o "$out/png/s.htm"
  "$cli" -q "${photos[@]}" -o "$out/jpeg/s.htm"
  "$cli" -q --format=webp --quality=$quality "${photos[@]}" -o "$out/webp/s.htm"
  encode_ms=0
  for frame in "$out"/png/s-turnpixa/image_*.png; do
    base=$(basename "$frame" .png)
    /usr/bin/python3 -c 'import sys; from PIL import Image; Image.open(sys.argv[1]).convert("RGB").save(sys.argv[2])' \
      "$frame" "$out/before/$base.ppm"
    t=$(cwebp -v -q $quality -m 4 "$frame" -o "$out/cwebp/$base.webp" 2>&1 | sed -n 's/^Time to encode picture: *\([0-9.]*\)s/\1/p')
    encode_ms=$(/usr/bin/python3 -c "print($encode_ms + 1000 * $t)")
  done
  # cjpeg's CPU time over all frames, then its files.
  cjpeg_ms=$(/usr/bin/python3 - "$out/before" <<'PY'
import glob, os, subprocess, sys
frames = sorted(glob.glob(os.path.join(sys.argv[1], "*.ppm")))
t0 = os.times()
for f in frames:
    subprocess.run(["cjpeg", "-quality", "75", "-outfile", f[:-4] + ".jpg", f], check=True)
t1 = os.times()
print(1000 * ((t1.children_user - t0.children_user) + (t1.children_system - t0.children_system)))
PY
)
  echo "$name ${#photos[@]} $encode_ms $cjpeg_ms" >>"$work/spins"
done

# Our encoders on one frame of the last spin, in process.
frame=$(ls "$out"/png/s-turnpixa/image_000.png)
TURNPIXA_BENCH_FRAME=$frame "$bench" --benchmark_filter='BM_Frame' --benchmark_min_time=1 \
  --benchmark_format=json >"$work/ours.json" 2>/dev/null

/usr/bin/python3 - "$work" "$quality" <<'PY'
import glob, json, os, sys
import numpy as np
from PIL import Image

work, quality = sys.argv[1], sys.argv[2]

def luma(path):
    a = np.asarray(Image.open(path).convert("RGB"), dtype=np.float64)
    return a[..., 0] * 0.299 + a[..., 1] * 0.587 + a[..., 2] * 0.114

def blur(x):
    # 11-tap Gaussian (sigma 1.5), separable, valid part only.
    k = np.exp(-0.5 * ((np.arange(11) - 5) / 1.5) ** 2)
    k /= k.sum()
    x = np.apply_along_axis(lambda r: np.convolve(r, k, mode="valid"), 1, x)
    return np.apply_along_axis(lambda c: np.convolve(c, k, mode="valid"), 0, x)

def ssim(a, b):
    c1, c2 = (0.01 * 255) ** 2, (0.03 * 255) ** 2
    ma, mb = blur(a), blur(b)
    va, vb, cov = blur(a * a) - ma * ma, blur(b * b) - mb * mb, blur(a * b) - ma * mb
    return float(np.mean(((2 * ma * mb + c1) * (2 * cov + c2)) /
                         ((ma * ma + mb * mb + c1) * (va + vb + c2))))

ours = {b["name"]: b["cpu_time"] for b in json.load(open(os.path.join(work, "ours.json")))["benchmarks"]}
print(f"{'spin':10} {'set':22} {'frames':>6} {'bytes':>10} {'x before':>9} {'mean SSIM':>10}")
for line in open(os.path.join(work, "spins")):
    name, photos, cwebp_ms, cjpeg_ms = line.split()
    d = os.path.join(work, name)
    refs = sorted(glob.glob(os.path.join(d, "png/s-turnpixa/image_*.png")))
    sets = [
        ("JPEG before (q75)", "before", ".jpg"),
        ("JPEG now", "jpeg/s-turnpixa", ".jpg"),
        (f"WebP now (q{quality})", "webp/s-turnpixa", ".webp"),
        (f"cwebp -q {quality} -m 4", "cwebp", ".webp"),
    ]
    before_bytes = None
    for label, sub, ext in sets:
        files = [os.path.join(d, sub, os.path.basename(r)[:-4] + ext) for r in refs]
        total = sum(os.path.getsize(f) for f in files)
        before_bytes = before_bytes or total
        mean = np.mean([ssim(luma(r), luma(f)) for r, f in zip(refs, files)])
        print(f"{name:10} {label:22} {len(files):6} {total:10} {total / before_bytes:9.3f} {mean:10.4f}")
    same = all(np.array_equal(np.asarray(Image.open(os.path.join(d, "before", os.path.basename(r)[:-4] + ".jpg"))),
                              np.asarray(Image.open(os.path.join(d, "jpeg/s-turnpixa", os.path.basename(r)[:-4] + ".jpg"))))
               for r in refs)
    print(f"{name:10} JPEG now decodes to the old pixels: {'yes' if same else 'NO'}")
    n = len(refs)
    print(f"{name:10} cwebp encode {float(cwebp_ms) / n:.2f} ms/frame, cjpeg {float(cjpeg_ms) / n:.2f} ms CPU/run")
w, h = Image.open(refs[0]).size
print(f"ours on one {w} x {h} frame (CPU): WebP {ours['BM_FrameWebp']:.2f} ms, "
      f"JPEG {ours['BM_FrameJpeg']:.2f} ms (plain baseline {ours['BM_FrameJpegPlain']:.2f} ms)")
PY
