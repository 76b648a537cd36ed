#!/usr/bin/python3
"""turnpixa-cli --frame-pack as a seller runs it, read back with Python's
zipfile and Pillow.

Photos are made here, each with a colour of its own in the middle, so that
every frame of the pack tells which photo it was made from.

usage: frame_pack_road.py TURNPIXA_CLI
"""
import io
import os
import subprocess
import sys
import tempfile
import zipfile
from fractions import Fraction

from PIL import Image, ImageDraw

CLI = sys.argv[1]
failures = []


def check(condition, text):
    if not condition:
        failures.append(text)
        print("FAIL:", text)


def colour(i):
    return (20 + 6 * i, 230 - 5 * i, 40 + (i * 53) % 170)


def make_photos(folder, count, backdrop=(200, 200, 200)):
    """400 x 300 photos: a grey backdrop, a block of photo i's colour."""
    paths = []
    for i in range(count):
        image = Image.new("RGB", (400, 300), backdrop)
        ImageDraw.Draw(image).rectangle((100, 75, 299, 224), fill=colour(i))
        path = os.path.join(folder, "photo%02d.png" % (i + 1))
        image.save(path)
        paths.append(path)
    return paths


def run(args, env=None, user=None):
    command = [CLI] + args
    if user is not None:
        command = ["/usr/bin/setpriv", "--reuid=%d" % user, "--regid=%d" % user,
                   "--clear-groups"] + command
    return subprocess.run(command, capture_output=True, text=True, env=env)


def nearest_step_photo(step, steps, photos):
    """Photo i of N stands at i * 360 / N degrees, step k of M at k * 360 / M:
    the nearer photo, the earlier one on a tie, the start image past the last."""
    at = Fraction(step * photos, steps)
    below = at.numerator // at.denominator
    return (below if at - below <= Fraction(1, 2) else below + 1) % photos


def photo_of(frame, count):
    """The photo whose colour the middle of the frame has."""
    w, h = frame.size
    middle = frame.convert("RGB").getpixel((w // 2, h // 2))
    distance = [sum((a - b) ** 2 for a, b in zip(middle, colour(i))) for i in range(count)]
    best = min(range(count), key=distance.__getitem__)
    return best, distance[best]


def read_pack(path):
    with zipfile.ZipFile(path) as pack:
        entries = pack.infolist()
        frames = [Image.open(io.BytesIO(pack.read(e))) for e in entries]
    return entries, frames


def check_pack(path, steps, photos, size, photo_at_position, what, among=None):
    entries, frames = read_pack(path)
    names = [e.filename for e in entries]
    check(names == ["%02d.jpg" % (k + 1) for k in range(steps)], what + ": names " + str(names))
    for k, (entry, frame) in enumerate(zip(entries, frames)):
        check(frame.format == "JPEG" and frame.mode == "RGB", what + ": %s is %s %s" %
              (entry.filename, frame.format, frame.mode))
        check(frame.size == size, what + ": %s is %s" % (entry.filename, frame.size))
        check(entry.date_time == (1980, 1, 1, 0, 0, 0) and entry.compress_type ==
              zipfile.ZIP_STORED, what + ": %s stamped %s" % (entry.filename, entry.date_time))
        found, off = photo_of(frame, among or photos)
        expected = photo_at_position(nearest_step_photo(k, steps, photos))
        check(found == expected and off < 60, what + ": %s shows photo %d (off by %d), not %d" %
              (entry.filename, found + 1, off, expected + 1))


with tempfile.TemporaryDirectory() as top:
    os.chmod(top, 0o755)  # the unprivileged user below reads the photos
    os.mkdir(os.path.join(top, "photos"))
    photos36 = make_photos(os.path.join(top, "photos"), 36)

    # 24 from 36: every step of 15 degrees, half of them half-way between photos.
    pack = os.path.join(top, "out", "shoe.zip")
    done = run(["-q", "--frame-pack=" + pack, "--pack-frames=24", "--pack-width=200"] + photos36)
    check(done.returncode == 0, "24 from 36: " + done.stderr)
    check_pack(pack, 24, 36, (200, 150), lambda p: p, "24 from 36")
    check(os.listdir(os.path.join(top, "out")) == ["shoe.zip"], "only the pack is written")

    # More steps than photos, from photo 3 backwards; the default width is the
    # photos' own (never enlarged).
    photos10 = photos36[:10]
    reversed_pack = os.path.join(top, "reversed.zip")
    done = run(["--frame-pack", reversed_pack, "--pack-frames", "72", "--start", "3", "--reverse"]
               + photos10)
    check(done.returncode == 0, "72 from 10: " + done.stderr)
    check("Wrote a pack of 72 frames (400 x 300) from 10 photos: " + reversed_pack in done.stdout,
          "the result line: " + done.stdout)
    check_pack(reversed_pack, 72, 10, (400, 300), lambda p: (2 - p) % 10, "72 from 10")

    # Two rows of six from photo 9: the row the viewer starts in, from photo 9 round.
    rows_pack = os.path.join(top, "rows.zip")
    done = run(["--frame-pack=" + rows_pack, "--pack-frames=24", "--pack-width=80", "--rows=2",
                "--start=9"] + photos36[:12])
    check(done.returncode == 0 and "from 6 photos" in done.stdout, "rows: " + done.stdout +
          done.stderr)
    check_pack(rows_pack, 24, 6, (80, 60), lambda p: [8, 9, 10, 11, 6, 7][p], "rows", among=12)

    # The default count is 36; a count a pack does not have is a usage error.
    default_pack = os.path.join(top, "default.zip")
    done = run(["-q", "--frame-pack=" + default_pack, "--pack-width=80"] + photos10)
    check(done.returncode == 0 and len(read_pack(default_pack)[0]) == 36, "36 by default")
    for bad in ("30", "0", "36x"):
        done = run(["-q", "--frame-pack=" + os.path.join(top, "bad.zip"), "--pack-frames=" + bad]
                   + photos10)
        check(done.returncode == 2 and "--pack-frames needs 24, 36, 48 or 72" in done.stderr,
              "--pack-frames=%s: %d %s" % (bad, done.returncode, done.stderr))
    check(not os.path.exists(os.path.join(top, "bad.zip")), "nothing written on a usage error")

    # Byte for byte the same in another time zone; the set beside it is the
    # set written without a pack.
    env = dict(os.environ, TZ="Asia/Kathmandu")
    again = os.path.join(top, "again.zip")
    alone = os.path.join(top, "alone")
    done = run(["-q", "--frame-pack=" + again, "--pack-frames=24", "--pack-width=200", "-o",
                os.path.join(top, "with", "shoe")] + photos36, env=env)
    check(done.returncode == 0, "pack and set: " + done.stderr)
    check(open(again, "rb").read() == open(pack, "rb").read(), "the same pack in another zone")
    done = run(["-q", "-o", os.path.join(alone, "shoe")] + photos36)
    check(done.returncode == 0, "set alone: " + done.stderr)
    for folder, _, files in os.walk(alone):
        for name in files:
            mine = os.path.join(folder, name)
            other = os.path.join(top, "with", os.path.relpath(mine, alone))
            check(os.path.exists(other) and open(mine, "rb").read() == open(other, "rb").read(),
                  "the set beside a pack differs in " + os.path.relpath(mine, alone))

    # A transparent background: JPEG has no alpha, the backdrop turns white.
    clear = os.path.join(top, "clear.zip")
    done = run(["-q", "--frame-pack=" + clear, "--pack-frames=24", "--pack-width=200",
                "--remove-background", "--background-colour=transparent"] + photos10)
    check(done.returncode == 0, "transparent: " + done.stderr)
    for entry, frame in zip(*read_pack(clear)):
        corner = frame.convert("RGB").getpixel((5, 5))
        check(min(corner) >= 250, "%s: the backdrop is %s, not white" % (entry.filename, corner))

    # A folder the user cannot write to: the run fails naming the file, and
    # nothing is left in the folder.
    locked = os.path.join(top, "locked")
    os.mkdir(locked)
    os.chmod(locked, 0o555)
    done = run(["-q", "--frame-pack=" + os.path.join(locked, "pack.zip")] + photos10,
               user=65534 if os.geteuid() == 0 else None)
    check(done.returncode == 1, "unwritable: exit %d" % done.returncode)
    check("Could not write " + os.path.join(locked, "pack.zip") + ": Permission denied"
          in done.stderr, "unwritable: " + done.stderr)
    check(os.listdir(locked) == [], "left behind: " + str(os.listdir(locked)))

if failures:
    sys.exit("%d checks failed" % len(failures))
print("frame packs: every check passed")
