#!/usr/bin/python3
"""Known-answer series for turnpixa-cli --auto-centre --even-lightness.

    known_answer.py make SRC_DIR OUT_DIR        writes the moved, flickering copy
    known_answer.py compare REF_FRAMES FRAMES [--frames]
                                                offsets and brightness, frame by frame

"make" moves photo k of n by an orbit (30 px across, 8 px down, once round
per turn) plus a seeded shake of up to 6 px either way, and scales its
brightness by up to 6 %; the uncovered edge repeats the photo's own edge;
OUT_DIR/moves.csv records each photo's move (source pixels, right and
down) and gain. "compare" measures each frame's offset against the
reference frame by phase correlation and its mean luminance, and prints the
figures; with --frames also each frame's, after them.
"""
import glob
import math
import os
import random
import sys

import numpy as np
from PIL import Image

ORBIT_X, ORBIT_Y, SHAKE, LIGHT = 30.0, 8.0, 6.0, 0.06
LOGO_ROWS = 34  # the spin logo sits in the top-left corner of every frame


def make(src_dir, out_dir):
    photos = sorted(glob.glob(os.path.join(src_dir, "*.jpg")))
    rng = random.Random(25)
    os.makedirs(out_dir, exist_ok=True)
    n = len(photos)
    moves = ["photo,dx,dy,gain"]
    for k, path in enumerate(photos):
        t = 2 * math.pi * k / n
        dx = round(ORBIT_X * math.sin(t) + rng.uniform(-SHAKE, SHAKE))
        dy = round(ORBIT_Y * math.cos(t) + rng.uniform(-SHAKE, SHAKE))
        gain = 1.0 + rng.uniform(-LIGHT, LIGHT)
        a = np.asarray(Image.open(path).convert("RGB")).astype(np.float64)
        pad = max(abs(dx), abs(dy)) + 1
        p = np.pad(a, ((pad, pad), (pad, pad), (0, 0)), mode="edge")
        h, w = a.shape[:2]
        moved = p[pad - dy:pad - dy + h, pad - dx:pad - dx + w] * gain
        out = Image.fromarray(np.clip(moved + 0.5, 0, 255).astype(np.uint8))
        out.save(os.path.join(out_dir, os.path.basename(path)), quality=92)
        moves.append("%s,%d,%d,%.4f" % (os.path.basename(path), dx, dy, gain))
    with open(os.path.join(out_dir, "moves.csv"), "w") as f:
        f.write("\n".join(moves) + "\n")


def frames(folder):
    return [np.asarray(Image.open(f).convert("L")).astype(np.float64)[LOGO_ROWS:]
            for f in sorted(glob.glob(os.path.join(folder, "image_[0-9]*.*")))]


def shift(ref, img):
    """How far img lies right and down of ref, to a tenth of a pixel."""
    win = np.outer(np.hanning(ref.shape[0]), np.hanning(ref.shape[1]))
    fa, fb = np.fft.fft2((ref - ref.mean()) * win), np.fft.fft2((img - img.mean()) * win)
    r = fb * np.conj(fa)
    c = np.real(np.fft.ifft2(r / (np.abs(r) + 1e-9)))
    y, x = np.unravel_index(np.argmax(c), c.shape)
    h, w = c.shape

    def refine(c0, cm, cp):
        d = cm - 2 * c0 + cp
        return 0.0 if d == 0 else 0.5 * (cm - cp) / d

    fy = refine(c[y, x], c[(y - 1) % h, x], c[(y + 1) % h, x])
    fx = refine(c[y, x], c[y, (x - 1) % w], c[y, (x + 1) % w])
    sy, sx = y + fy, x + fx
    if sy > h / 2: sy -= h
    if sx > w / 2: sx -= w
    return sx, sy


def compare(ref_dir, dir_, each=False):
    ref, got = frames(ref_dir), frames(dir_)
    if len(ref) != len(got) or not ref:
        sys.exit("compare: %d frames against %d" % (len(got), len(ref)))
    offsets = np.array([shift(a, b) for a, b in zip(ref, got)])
    light = np.array([b.mean() / a.mean() for a, b in zip(ref, got)])
    mean = offsets.mean(axis=0)
    rms = math.sqrt((offsets ** 2).sum(axis=1).mean())
    spread = light.std() / light.mean() * 100
    print("frames %d  offset rms %.2f px (mean %.2f, %.2f; largest %.2f)  "
          "brightness spread %.2f %% (largest %.2f %%)" %
          (len(ref), rms, mean[0], mean[1], np.abs(offsets).max(), spread,
           np.abs(light / light.mean() - 1).max() * 100))
    if each:  # what is left of each frame's move, to set beside moves.csv
        for k, ((dx, dy), g) in enumerate(zip(offsets, light)):
            print("frame %2d  offset %6.2f %6.2f px  brightness %.4f" % (k + 1, dx, dy, g))


if __name__ == "__main__":
    if len(sys.argv) == 4 and sys.argv[1] == "make":
        make(sys.argv[2], sys.argv[3])
    elif len(sys.argv) in (4, 5) and sys.argv[1] == "compare" and sys.argv[4:] in ([], ["--frames"]):
        compare(sys.argv[2], sys.argv[3], len(sys.argv) == 5)
    else:
        sys.exit(__doc__)
