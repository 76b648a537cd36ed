#!/usr/bin/python3
"""turnpixa-cli --animation read back by decoders that share nothing with it:
Pillow for GIF and WebP, and libwebp's webpmux tool.

    animation_decode.py TURNPIXA_CLI SOURCE_DIR WORK_DIR

Sets of the 36 sample photos at 200 pixels with lossless (PNG) frames and
both animations beside them; each animation has 36 frames in the order of
the frames (backwards for a negative time), the time asked for, loops for
ever, has the size asked for, and each frame is within a PSNR of the
lossless frame it shows: 40 dB for the GIF (255 colours, dithered; 44 dB measured),
30 dB for the lossy WebP (32 to 33 dB measured)."""
import math
import os
import shutil
import subprocess
import sys

from PIL import Image, ImageChops, ImageStat

GIF_MIN_PSNR = 40.0
WEBP_MIN_PSNR = 30.0

cli, source, work = sys.argv[1:4]
photos = [os.path.join(source, 'resources/sample-photos/turntable-%02d.jpg' % i)
          for i in range(1, 37)]
shutil.rmtree(work, ignore_errors=True)
os.makedirs(work)
failures = []


def check(ok, what):
    if not ok:
        failures.append(what)
        print('FAIL:', what)


def run(*args, width=200):
    subprocess.run([cli, '-q', '--width', str(width), '--format=png', '--start', '5', *args,
                    *photos], check=True)


def psnr(a, b):
    diff = ImageChops.difference(a.convert('RGB'), b.convert('RGB'))
    stat = ImageStat.Stat(diff)
    mse = sum(stat.sum2) / (3.0 * a.size[0] * a.size[1])
    return 99.0 if mse == 0 else 10 * math.log10(255 * 255 / mse)


def frames_of(path):
    """Every frame as shown (Pillow composites GIF frames), with its time."""
    im = Image.open(path)
    out = []
    for k in range(im.n_frames):
        im.seek(k)
        out.append((im.convert('RGB'), im.info.get('duration')))
    return im, out


def lossless(stem, k):
    return Image.open(os.path.join(work, '%s-turnpixa/image_%03d.png' % (stem, k)))


def webpmux_info(path):
    text = subprocess.run(['webpmux', '-info', path], check=True, capture_output=True,
                          text=True).stdout
    return text


def check_animation(stem, name, size, ms, order, min_psnr, frames_stem=None):
    path = os.path.join(work, '%s-turnpixa' % stem, name)
    im, frames = frames_of(path)
    check(im.n_frames == 36, '%s/%s: 36 frames, not %d' % (stem, name, im.n_frames))
    check(im.info.get('loop') == 0, '%s/%s: loops for ever (loop %r)' % (stem, name,
                                                                         im.info.get('loop')))
    check(im.size == size, '%s/%s: size %r, not %r' % (stem, name, im.size, size))
    durations = {d for _, d in frames}
    check(durations == {ms}, '%s/%s: every frame %d ms, not %r' % (stem, name, ms, durations))
    worst = 99.0
    for k, (frame, _) in enumerate(frames):
        own = psnr(frame, lossless(frames_stem or stem, order[k]))
        worst = min(worst, own)
        # It is this frame and not its neighbour in the turn.
        neighbour = lossless(frames_stem or stem, order[(k + 1) % 36])
        check(own > psnr(frame, neighbour) + 1,
              '%s/%s frame %d shows image_%03d' % (stem, name, k, order[k]))
    check(worst >= min_psnr, '%s/%s: worst frame PSNR %.1f dB < %.1f' % (stem, name, worst,
                                                                         min_psnr))
    print('%s/%s: %d bytes, %dx%d, worst frame %.1f dB' % (stem, name, os.path.getsize(path),
                                                          im.size[0], im.size[1], worst))
    return path


forward = list(range(36))
backward = [0] + list(range(35, 0, -1))

run('--animation=spin.gif', '--animation=spin.webp', '-o', os.path.join(work, 'plain.htm'))
first = lossless('plain', 0)
size = first.size
check_animation('plain', 'spin.gif', size, 100, forward, GIF_MIN_PSNR)
webp = check_animation('plain', 'spin.webp', size, 100, forward, WEBP_MIN_PSNR)
info = webpmux_info(webp)
check('Number of frames: 36' in info, 'webpmux counts 36 frames:\n' + info)
check('Loop Count : 0' in info, 'webpmux: loop count 0:\n' + info)
check('Canvas size: %d x %d' % size in info, 'webpmux: canvas %r:\n' % (size,) + info)
check(info.count(' 100 ') >= 36, 'webpmux: 36 frames of 100 ms:\n' + info)

# The auto-spin interval, backwards: the animation turns the same way.
run('--auto-spin', '-150', '--animation=spin.gif', '--animation=spin.webp', '-o',
    os.path.join(work, 'back.htm'))
check_animation('back', 'spin.gif', size, 150, backward, GIF_MIN_PSNR)
check_animation('back', 'spin.webp', size, 150, backward, WEBP_MIN_PSNR)

# Another width and time: rendered from the photos at that width, as the
# frames of a set that wide are.
run('--animation-width=120', '--animation-ms=70', '--animation=spin.gif',
    '--animation=spin.webp', '-o', os.path.join(work, 'small.htm'))
run('-o', os.path.join(work, 'w120.htm'), width=120)
small = lossless('w120', 0).size
check(small == (120, 90), 'a set 120 wide has frames of 120 x 90, not %r' % (small,))
check_animation('small', 'spin.gif', small, 70, forward, GIF_MIN_PSNR, 'w120')
check_animation('small', 'spin.webp', small, 70, forward, WEBP_MIN_PSNR, 'w120')

if failures:
    print('%d failures' % len(failures))
    sys.exit(1)
print('all animations read back as written')
