#!/usr/bin/python3
"""Draws the built-in pictures into resources/pictures/.

    tools/make_pictures.py [output folder]

spin-logo-00.png ... spin-logo-44.png  the product name turned about a vertical
                                       axis, 1/45 turn per picture, on white
arrow-left.png                         green arrow pointing left, on white
arrow-right.png                        green arrow pointing right, on pure black
empty-state.png                        "drop your turntable photos here" picture

and into resources/icons/ (or [output folder]/icons):

turnpixa-16.png ... turnpixa-256.png   the program icon: an object on a turntable
                                       inside a turning arrow, on transparency

The pictures are 8-bit RGB PNGs without alpha; the icons are RGBA. The output is committed; run
this again only to change the art. Needs python3-numpy and python3-pil.
"""
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

FONT_DIR = "/usr/share/fonts/truetype/dejavu"
BOLD = os.path.join(FONT_DIR, "DejaVuSans-Bold.ttf")

LOGO_W, LOGO_H = 100, 24
LOGO_STEPS = 45
SS = 4  # supersampling factor for the logo

# Dark, saturated colours: the logo is keyed on white with a tolerance of 150
# per channel, so a colour must be far from white to show at full strength.
TURN_TOP, TURN_BOTTOM = (30, 86, 200), (10, 44, 140)
PIXA_TOP, PIXA_BOTTOM = (255, 150, 30), (230, 90, 0)


def font(size):
    return ImageFont.truetype(BOLD, size)


def logo_texture():
    """The name as a flat colour texture with coverage, supersampled."""
    size = 17 * SS
    f = font(size)
    turn, pixa = "Turn", "Pixa"
    w1 = f.getlength(turn)
    w2 = f.getlength(pixa)
    asc, desc = f.getmetrics()
    pad = 2 * SS
    tw = int(math.ceil(w1 + w2)) + 2 * pad
    th = asc + desc + 2 * pad
    mask = Image.new("L", (tw, th), 0)
    d = ImageDraw.Draw(mask)
    d.text((pad, pad), turn + pixa, font=f, fill=255)
    cov = np.asarray(mask, dtype=np.float32) / 255.0

    # Crop to the ink so the name can be centred exactly.
    ys, xs = np.nonzero(cov > 0.0)
    cov = cov[ys.min():ys.max() + 1, xs.min():xs.max() + 1]
    split = int(round(pad + w1)) - xs.min()
    h, w = cov.shape
    t = np.linspace(0.0, 1.0, h)[:, None, None]
    col = np.zeros((h, w, 3), np.float32)
    top1, bot1 = np.array(TURN_TOP, np.float32), np.array(TURN_BOTTOM, np.float32)
    top2, bot2 = np.array(PIXA_TOP, np.float32), np.array(PIXA_BOTTOM, np.float32)
    col[:, :split] = (top1 * (1 - t) + bot1 * t)
    col[:, split:] = (top2 * (1 - t) + bot2 * t)
    return col, cov


def sample(tex, u, v, valid):
    """Bilinear lookup; u, v in texture pixels; outside gives zero."""
    h, w = tex.shape[:2]
    x0 = np.floor(u).astype(np.int64)
    y0 = np.floor(v).astype(np.int64)
    fx = (u - x0)[..., None] if tex.ndim == 3 else (u - x0)
    fy = (v - y0)[..., None] if tex.ndim == 3 else (v - y0)
    out = 0
    for dy, wy in ((0, 1 - fy), (1, fy)):
        for dx, wx in ((0, 1 - fx), (1, fx)):
            xi, yi = x0 + dx, y0 + dy
            ok = valid & (xi >= 0) & (xi < w) & (yi >= 0) & (yi < h)
            xi = np.clip(xi, 0, w - 1)
            yi = np.clip(yi, 0, h - 1)
            val = tex[yi, xi]
            if tex.ndim == 3:
                val = val * ok[..., None]
            else:
                val = val * ok
            out = out + val * wx * wy
    return out


def spin_logo(k, col, cov):
    """Picture k: the name as a thin extruded slab turned by k/45 of a turn."""
    theta = 2 * math.pi * k / LOGO_STEPS
    th, tw = cov.shape
    W, H = LOGO_W * SS, LOGO_H * SS
    # Object units are texture pixels; at the front the name spans 94 % of the width.
    scale = (0.94 * W) / tw
    dist = 2.6 * tw  # camera distance: gentle perspective
    f = dist * scale
    depth = 0.12 * th  # slab thickness
    cs, sn = math.cos(theta), math.sin(theta)

    xs = (np.arange(W) + 0.5 - W / 2)[None, :].repeat(H, 0)
    ys = (np.arange(H) + 0.5 - H / 2)[:, None].repeat(W, 1)

    out = np.ones((H, W, 3), np.float32) * 255.0
    # Light from the front, a little from the left and above.
    light = np.array([-0.35, -0.35, -1.0])
    light /= np.linalg.norm(light)

    def face_shade(nx, nz):
        n = np.array([nx, 0.0, nz])
        return 0.72 + 0.28 * max(0.0, -float(np.dot(n, light)))

    # Front normal (0,0,-1) turned: (-sin, 0, -cos) in camera space.
    front = face_shade(-sn, -cs)
    back = face_shade(sn, cs)
    side = 0.55

    # Slices through the slab from far to near; the faces are the outermost
    # slices, the ones between form the extruded side.
    n_slices = 12
    zs = np.linspace(-depth / 2, depth / 2, n_slices)
    order = sorted(zs, key=lambda z: -(z * cs))  # far first
    for z in order:
        den = f * cs + xs * sn
        valid = np.abs(den) > 1e-6
        den = np.where(valid, den, 1.0)
        u = (xs * (dist + z * cs) - f * z * sn) / den
        zw = dist - u * sn + z * cs
        valid &= zw > 1.0
        v = ys * zw / f
        tu = u + tw / 2 - 0.5
        tv = v + th / 2 - 0.5
        a = sample(cov, tu, tv, valid)
        c = sample(col, tu, tv, valid)
        if z == zs[0]:
            shade = front
        elif z == zs[-1]:
            shade = back
        else:
            shade = side
        c = c * shade
        a = a[..., None]
        out = out * (1 - a) + c * a
    img = out.reshape(LOGO_H, SS, LOGO_W, SS, 3).mean(axis=(1, 3))
    return Image.fromarray(np.clip(img + 0.5, 0, 255).astype(np.uint8), "RGB")


def arrow_shape(w, h, ss):
    """Coverage mask of a right-pointing rounded arrow, w x h, drawn at ss x."""
    W, H = w * ss, h * ss
    m = Image.new("L", (W, H), 0)
    d = ImageDraw.Draw(m)
    mx, my = 0.08 * W, 0.08 * H
    shaft_h = 0.40 * H
    head_x = 0.52 * W
    cy = H / 2
    r = 0.06 * H
    # Shaft with a rounded tail.
    d.rounded_rectangle([mx, cy - shaft_h / 2, head_x + r, cy + shaft_h / 2], radius=r, fill=255)
    # Head.
    d.polygon([(head_x, my), (W - mx, cy), (head_x, H - my)], fill=255)
    m = m.filter(ImageFilter.GaussianBlur(ss * 0.35))
    m = m.resize((w, h), Image.LANCZOS)
    return np.asarray(m, np.float32) / 255.0


def arrow(w, h, background):
    ss = 4
    cov = arrow_shape(w, h, ss)
    # Glossy green: lighter at the top, a soft highlight band, darker below.
    t = np.linspace(0, 1, h)[:, None]
    top = np.array([150, 230, 120], np.float32)
    mid = np.array([70, 200, 60], np.float32)
    bot = np.array([45, 170, 40], np.float32)
    grad = np.where(t[..., None] < 0.5,
                    top * (1 - 2 * t[..., None]) + mid * (2 * t[..., None]),
                    mid * (2 - 2 * t[..., None]) + bot * (2 * t[..., None] - 1))
    grad = np.broadcast_to(grad, (h, w, 3)).copy()
    # A darker outline: coverage of the shape eroded by ~1.5 px.
    inner = np.asarray(Image.fromarray((cov * 255).astype(np.uint8)).filter(
        ImageFilter.MinFilter(3)), np.float32) / 255.0
    edge = np.clip(cov - inner, 0, 1)[..., None]
    outline = np.array([20, 120, 20], np.float32)
    body = grad * (1 - edge) + outline * edge
    bg = np.array(background, np.float32)
    a = cov[..., None]
    img = body * a + bg * (1 - a)
    img = np.clip(img + 0.5, 0, 255).astype(np.uint8)
    # Keep the background exactly the key colour where the arrow does not reach.
    img[cov <= 0.0] = background
    return img


def empty_state(w=478, h=353):
    """A turntable with an object on it and photo cards dropping in."""
    ss = 3
    W, H = w * ss, h * ss
    im = Image.new("RGB", (W, H), (255, 255, 255))
    d = ImageDraw.Draw(im)

    def S(v):
        return int(round(v * ss))

    # Drop zone: dashed rounded frame.
    dash, gap = 14, 9
    x0, y0, x1, y1, r = 12, 12, w - 12, h - 12, 22
    colour = (120, 140, 170)
    for side in range(4):
        if side in (0, 2):
            yy = y0 if side == 0 else y1
            x = x0 + r
            while x < x1 - r:
                d.line([S(x), S(yy), S(min(x + dash, x1 - r)), S(yy)], fill=colour, width=S(3))
                x += dash + gap
        else:
            xx = x0 if side == 3 else x1
            y = y0 + r
            while y < y1 - r:
                d.line([S(xx), S(y), S(xx), S(min(y + dash, y1 - r))], fill=colour, width=S(3))
                y += dash + gap
    for cx, cy, start in ((x0 + r, y0 + r, 180), (x1 - r, y0 + r, 270),
                          (x1 - r, y1 - r, 0), (x0 + r, y1 - r, 90)):
        d.arc([S(cx - r), S(cy - r), S(cx + r), S(cy + r)], start, start + 90,
              fill=colour, width=S(3))

    # Turntable: a shallow cylinder seen from above at an angle.
    cx, cy = 239, 250
    rx, ry, thick = 130, 34, 16
    d.ellipse([S(cx - rx), S(cy - ry + thick), S(cx + rx), S(cy + ry + thick)], fill=(70, 78, 92))
    d.rectangle([S(cx - rx), S(cy), S(cx + rx), S(cy + thick)], fill=(70, 78, 92))
    d.ellipse([S(cx - rx), S(cy - ry), S(cx + rx), S(cy + ry)], fill=(150, 160, 178))
    d.ellipse([S(cx - rx + 10), S(cy - ry + 3), S(cx + rx - 10), S(cy + ry - 3)],
              fill=(176, 186, 202))
    # Degree marks round the rim.
    for i in range(36):
        a = 2 * math.pi * i / 36
        px, py = cx + (rx - 5) * math.cos(a), cy + (ry - 1.5) * math.sin(a)
        qx, qy = cx + (rx - 13) * math.cos(a), cy + (ry - 4) * math.sin(a)
        d.line([S(px), S(py), S(qx), S(qy)], fill=(96, 106, 124), width=S(1.6))
    # Curved "turning" arrow in front of the turntable.
    d.arc([S(cx - rx - 14), S(cy - ry - 6 + thick), S(cx + rx + 14), S(cy + ry + 14 + thick)],
          35, 145, fill=(40, 120, 210), width=S(4))
    ax, ay = cx + (rx + 14) * math.cos(math.radians(35)), \
        cy + thick + 4 + (ry + 10) * math.sin(math.radians(35))
    d.polygon([(S(ax - 12), S(ay - 3)), (S(ax + 6), S(ay - 10)), (S(ax + 2), S(ay + 9))],
              fill=(40, 120, 210))

    # Object on the turntable: a mug with a handle.
    mx, mtop, mbot, mw = 239, 166, 250, 74
    d.ellipse([S(mx - mw / 2), S(mbot - 9), S(mx + mw / 2), S(mbot + 9)], fill=(120, 130, 148))
    d.ellipse([S(mx + mw / 2 - 18), S(mtop + 16), S(mx + mw / 2 + 26), S(mtop + 62)],
              outline=(200, 80, 40), width=S(10))
    d.rectangle([S(mx - mw / 2), S(mtop), S(mx + mw / 2), S(mbot - 4)], fill=(230, 100, 50))
    d.ellipse([S(mx - mw / 2), S(mbot - 12), S(mx + mw / 2), S(mbot + 4)], fill=(230, 100, 50))
    d.rectangle([S(mx - mw / 2 + 10), S(mtop + 4), S(mx - mw / 2 + 20), S(mbot - 10)],
                fill=(244, 150, 110))
    d.ellipse([S(mx - mw / 2), S(mtop - 10), S(mx + mw / 2), S(mtop + 10)], fill=(250, 170, 130))
    d.ellipse([S(mx - mw / 2 + 6), S(mtop - 6), S(mx + mw / 2 - 6), S(mtop + 7)],
              fill=(160, 60, 25))

    # Photo cards dropping in, each showing the object at another angle.
    def card(px, py, angle, handle_side):
        cw, ch = 92, 72
        c = Image.new("RGBA", (S(cw), S(ch)), (0, 0, 0, 0))
        cd = ImageDraw.Draw(c)
        cd.rounded_rectangle([0, 0, S(cw) - 1, S(ch) - 1], radius=S(5), fill=(255, 255, 255, 255),
                             outline=(110, 120, 140, 255), width=S(2))
        cd.rectangle([S(7), S(7), S(cw - 7), S(ch - 7)], fill=(222, 232, 246, 255))
        cd.ellipse([S(20), S(48), S(cw - 20), S(62)], fill=(150, 160, 178, 255))
        ox = cw / 2
        if handle_side:
            hx = ox + 12 * handle_side
            cd.ellipse([S(hx - 9), S(26), S(hx + 9), S(44)], outline=(200, 80, 40, 255),
                       width=S(4))
        cd.rectangle([S(ox - 14), S(20), S(ox + 14), S(54)], fill=(230, 100, 50, 255))
        cd.ellipse([S(ox - 14), S(16), S(ox + 14), S(24)], fill=(250, 170, 130, 255))
        c = c.rotate(angle, resample=Image.BICUBIC, expand=True)
        # Soft shadow under the card.
        sh = Image.new("RGBA", c.size, (0, 0, 0, 0))
        sh.putalpha(c.getchannel("A").point(lambda v: v * 0.25))
        sh = sh.filter(ImageFilter.GaussianBlur(S(3)))
        im.paste((40, 50, 70), (S(px) + S(3) - c.size[0] // 2, S(py) + S(4) - c.size[1] // 2),
                 sh.getchannel("A"))
        im.paste(c, (S(px) - c.size[0] // 2, S(py) - c.size[1] // 2), c)

    card(95, 92, 14, -1)
    card(239, 70, 0, 0)
    card(383, 92, -14, 1)

    # Down arrows from the cards to the turntable.
    for ax, ay, dx in ((126, 142, 22), (352, 142, -22)):
        d.line([S(ax), S(ay), S(ax + dx), S(ay + 34)], fill=(40, 120, 210), width=S(4))
        ang = math.atan2(34, dx)
        tipx, tipy = ax + dx + 6 * math.cos(ang), ay + 34 + 6 * math.sin(ang)
        left = (tipx - 14 * math.cos(ang - 0.5), tipy - 14 * math.sin(ang - 0.5))
        right = (tipx - 14 * math.cos(ang + 0.5), tipy - 14 * math.sin(ang + 0.5))
        d.polygon([(S(tipx), S(tipy)), (S(left[0]), S(left[1])), (S(right[0]), S(right[1]))],
                  fill=(40, 120, 210))

    return im.resize((w, h), Image.LANCZOS)


ICON_SIZES = (16, 24, 32, 48, 64, 128, 256)


def icon(size):
    """The program icon: a box on a turntable, circled by a turning arrow."""
    S = 1024  # drawn large, then scaled down
    im = Image.new("RGBA", (S, S), (0, 0, 0, 0))
    d = ImageDraw.Draw(im)
    cx = S // 2
    # Turntable: a flat disc seen from above at an angle, with its rim.
    plate_w, plate_h, plate_y = 700, 220, 690
    d.ellipse([cx - plate_w // 2, plate_y - plate_h // 2 + 60,
               cx + plate_w // 2, plate_y + plate_h // 2 + 60], fill=(40, 48, 64, 255))
    d.rectangle([cx - plate_w // 2, plate_y, cx + plate_w // 2, plate_y + 60], fill=(40, 48, 64, 255))
    d.ellipse([cx - plate_w // 2, plate_y - plate_h // 2,
               cx + plate_w // 2, plate_y + plate_h // 2], fill=(120, 132, 150, 255))
    # The object: a box standing on the disc, two faces lit differently.
    top = 330
    w = 170
    base = plate_y + 30
    front = [(cx - w, top + 70), (cx, top + 130), (cx, base), (cx - w, base - 60)]
    side = [(cx, top + 130), (cx + w, top + 70), (cx + w, base - 60), (cx, base)]
    lid = [(cx - w, top + 70), (cx, top + 10), (cx + w, top + 70), (cx, top + 130)]
    d.polygon(front, fill=TURN_TOP + (255,))
    d.polygon(side, fill=TURN_BOTTOM + (255,))
    d.polygon(lid, fill=(110, 160, 240, 255))
    # The turning arrow round it all: a thick arc with a head at its end.
    r_out, r_in = 480, 400
    box = [cx - r_out, cx - r_out, cx + r_out, cx + r_out]
    ring = Image.new("L", (S, S), 0)
    rd = ImageDraw.Draw(ring)
    rd.pieslice(box, 200, 500, fill=255)
    rd.ellipse([cx - r_in, cx - r_in, cx + r_in, cx + r_in], fill=0)
    im.paste(Image.new("RGBA", (S, S), PIXA_TOP + (255,)), (0, 0), ring)
    a = math.radians(500 - 360)
    mid = (r_out + r_in) / 2
    px, py = cx + mid * math.cos(a), cx + mid * math.sin(a)
    tx, ty = -math.sin(a), math.cos(a)  # along the turn
    nx, ny = math.cos(a), math.sin(a)
    head = 150
    d.polygon([(px + nx * head, py + ny * head), (px - nx * head, py - ny * head),
               (px + tx * head * 1.3, py + ty * head * 1.3)], fill=PIXA_BOTTOM + (255,))
    return im.resize((size, size), Image.LANCZOS)


def save(img, path):
    if not isinstance(img, Image.Image):
        img = Image.fromarray(np.ascontiguousarray(img), "RGB")
    img = img.convert("RGB")
    img.save(path, optimize=True)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "..", "resources", "pictures")
    os.makedirs(out, exist_ok=True)
    col, cov = logo_texture()
    for k in range(LOGO_STEPS):
        save(spin_logo(k, col, cov), os.path.join(out, "spin-logo-%02d.png" % k))
    save(arrow(96, 72, (255, 255, 255))[:, ::-1], os.path.join(out, "arrow-left.png"))
    save(arrow(96, 72, (0, 0, 0)), os.path.join(out, "arrow-right.png"))
    save(empty_state(), os.path.join(out, "empty-state.png"))
    icons = os.path.join(out, "..", "icons") if len(sys.argv) <= 1 else os.path.join(out, "icons")
    os.makedirs(icons, exist_ok=True)
    for size in ICON_SIZES:
        icon(size).save(os.path.join(icons, "turnpixa-%d.png" % size), optimize=True)


if __name__ == "__main__":
    main()
