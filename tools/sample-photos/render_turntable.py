#!/usr/bin/python3
"""Renders the sample photo series: a mug turning on a turntable.

    tools/sample-photos/render_turntable.py [output folder] [--frames a-b] [--scale s]

Writes turntable-01.jpg ... turntable-36.jpg, the object turned by 10 degrees
from one photo to the next, as a camera on a tripod would take them: a plain
light sweep behind, one soft key light, a soft shadow, lens vignetting,
sensor noise, JPEG at quality 88. A small ray marcher in numpy; needs
python3-numpy and python3-pil. Deterministic: the noise is seeded per photo.
"""
import math
import os
import sys

import numpy as np
from PIL import Image, ImageDraw, ImageFilter, ImageFont

WIDTH, HEIGHT = 1600, 1200
FRAMES = 36
QUALITY = 88

# Scene, in centimetres; y is up, the camera looks along +z.
TABLE_R, TABLE_H = 13.0, 2.0          # turntable: top at y = 0
FLOOR_Y = -TABLE_H
COVE_Z, COVE_R = 30.0, 22.0           # sweep: floor bends up into the wall
MUG_H = 10.5
WALL_IN, WALL_OUT = 4.0, 4.35         # wall centre radius at the base and the rim
WALL_T = 0.19                         # half the wall thickness
BASE_T = 0.32                         # half the base thickness
HANDLE_C = (WALL_OUT + 1.35, 5.6)     # handle centre (radius, height) in the mug
HANDLE_R, HANDLE_T = 2.05, 0.52

CAM_TARGET = np.array([0.0, 3.6, 0.0])
CAM_DIST, CAM_ELEV = 74.0, math.radians(19.0)
VIEW_WIDTH = 32.0                     # cm across the image at the target

LIGHT_POS = np.array([-55.0, 62.0, -38.0])
KEY, AMBIENT = 3.2, 0.48

FONT = "/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf"


def normalize(v):
    return v / np.maximum(np.linalg.norm(v, axis=-1, keepdims=True), 1e-12)


def seg_dist(px, py, ax, ay, bx, by):
    """Distance from points (px, py) to the segment a-b in the profile plane."""
    dx, dy = bx - ax, by - ay
    h = np.clip(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0)
    return np.hypot(px - ax - dx * h, py - ay - dy * h)


def smin(a, b, k):
    h = np.clip(0.5 + 0.5 * (b - a) / k, 0.0, 1.0)
    return b * (1 - h) + a * h - k * h * (1 - h)


class Scene:
    def __init__(self, angle):
        self.angle = angle
        c, s = math.cos(angle), math.sin(angle)
        self.rot = np.array([[c, 0, -s], [0, 1, 0], [s, 0, c]])  # world -> mug
        self.texture = mug_texture()

    def to_mug(self, p):
        return p @ self.rot.T

    # ---- signed distances ----
    def mug_parts(self, q):
        x, y, z = q[..., 0], q[..., 1], q[..., 2]
        r = np.hypot(x, z)
        wall = seg_dist(r, y, WALL_IN, BASE_T, WALL_OUT, MUG_H - WALL_T) - WALL_T
        base = seg_dist(r, y, 0.0, BASE_T, WALL_IN, BASE_T) - BASE_T
        body = np.minimum(wall, base)
        # Handle: a torus standing in the x-y plane, cut where it enters the wall.
        hx, hy = x - HANDLE_C[0], y - HANDLE_C[1]
        # The squashed ring is not an exact distance; dividing by the largest
        # stretch keeps the marcher from stepping through it.
        ring = (np.hypot(np.hypot(hx, hy * 0.82) - HANDLE_R, z * 1.25) - HANDLE_T) / 1.25
        ring = np.maximum(ring, (WALL_IN - 0.05) - r)
        return body, ring

    def mug(self, p):
        body, ring = self.mug_parts(self.to_mug(p))
        return smin(body, ring, 0.35)

    def table(self, p):
        r = np.hypot(p[..., 0], p[..., 2])
        dr = r - TABLE_R
        dy = np.abs(p[..., 1] + TABLE_H / 2) - TABLE_H / 2
        outside = np.hypot(np.maximum(dr, 0), np.maximum(dy, 0))
        return outside + np.minimum(np.maximum(dr, dy), 0) - 0.0

    def occluders(self, p):
        return np.minimum(self.mug(p), self.table(p))

    def mug_normal(self, p):
        e = 0.004
        n = np.zeros_like(p)
        for i in range(3):
            d = np.zeros(3)
            d[i] = e
            n[..., i] = self.mug(p + d) - self.mug(p - d)
        return normalize(n)

    # ---- lighting helpers ----
    def soft_shadow(self, p, n, k=7.0, steps=56):
        """Fraction of the key light that reaches p (penumbra estimate)."""
        to_light = LIGHT_POS - p
        dist = np.linalg.norm(to_light, axis=-1)
        d = to_light / dist[..., None]
        o = p + n * 0.05
        res = np.ones(p.shape[:-1])
        t = np.full(p.shape[:-1], 0.06)
        for _ in range(steps):
            h = self.occluders(o + d * t[..., None])
            res = np.minimum(res, k * h / t)
            t = t + np.clip(h, 0.04, 1.5)
            if np.all((res < 0.001) | (t > 40)):
                break
        res = np.clip(res, 0, 1)
        return res * res * (3 - 2 * res)

    def occlusion(self, p, n, scale=1.0):
        ao = np.zeros(p.shape[:-1])
        w = 1.0
        for h in (0.15, 0.45, 0.9, 1.6, 2.6):
            h = h * scale
            ao += w * (h - self.occluders(p + n * h)) / h
            w *= 0.6
        return np.clip(1.0 - 0.42 * ao, 0.0, 1.0)


def mug_texture():
    """The glaze and print round the mug: u = angle from the handle, v = height."""
    tw, th = 2048, 768  # about 72 px per cm both ways
    top = np.array([16, 58, 120]) / 255.0
    im = Image.new("RGB", (tw, th), tuple(int(c * 255) for c in top))
    d = ImageDraw.Draw(im)

    def v_of(y):
        return int(round((1 - y / MUG_H) * th))

    # Two thin white lines round the mug, near the rim and the foot.
    d.rectangle([0, v_of(9.55), tw, v_of(9.3)], fill=(240, 240, 232))
    d.rectangle([0, v_of(1.25), tw, v_of(1.05)], fill=(240, 240, 232))
    # Front (a quarter turn from the handle): a cream badge with a red star.
    cu, cv, rad = int(tw * 0.75), v_of(5.3), 190
    d.ellipse([cu - rad, cv - rad, cu + rad, cv + rad], fill=(244, 236, 214))
    d.ellipse([cu - rad + 16, cv - rad + 16, cu + rad - 16, cv + rad - 16], outline=(214, 60, 40),
              width=10)
    pts = []
    for i in range(10):
        a = -math.pi / 2 + i * math.pi / 5
        rr = 125 if i % 2 == 0 else 52
        pts.append((cu + rr * math.cos(a), cv + 8 + rr * math.sin(a)))
    d.polygon(pts, fill=(214, 60, 40))
    # Back: the word "SPIN" in large cream letters with a small wave under it.
    f = ImageFont.truetype(FONT, 150)
    text = "SPIN"
    w = f.getlength(text)
    bu = int(tw * 0.25)
    d.text((bu - w / 2, v_of(7.4)), text, font=f, fill=(244, 236, 214))
    for i in range(3):
        y0 = v_of(3.6) + i * 30
        d.arc([bu - 150, y0 - 40, bu + 150, y0 + 40], 200, 340, fill=(250, 190, 60), width=12)
    im = im.filter(ImageFilter.GaussianBlur(1.2))
    return np.asarray(im, np.float32) / 255.0


def srgb_to_linear(c):
    return np.where(c <= 0.04045, c / 12.92, ((c + 0.055) / 1.055) ** 2.4)


def linear_to_srgb(c):
    c = np.clip(c, 0, None)
    return np.where(c <= 0.0031308, c * 12.92, 1.055 * np.power(c, 1 / 2.4) - 0.055)


def tone(c):
    # A gentle shoulder so that highlights roll off as on a camera.
    return 1.0 - np.exp(-c * 1.25)


def camera():
    eye = CAM_TARGET + CAM_DIST * np.array([0.0, math.sin(CAM_ELEV), -math.cos(CAM_ELEV)])
    fwd = normalize(CAM_TARGET - eye)
    right = normalize(np.cross(np.array([0.0, 1.0, 0.0]), fwd))
    up = np.cross(fwd, right)
    focal = WIDTH * CAM_DIST / VIEW_WIDTH
    return eye, fwd, right, up, focal


def rays(px, py):
    eye, fwd, right, up, focal = camera()
    d = fwd + ((px - WIDTH / 2) / focal)[..., None] * right - ((py - HEIGHT / 2) / focal)[..., None] * up
    return eye, normalize(d)


def backdrop_hit(o, d):
    """Floor, cove and wall of the sweep: distance and normal."""
    n = np.zeros(d.shape)
    # Floor plane, in front of the cove.
    t_floor = np.where(d[:, 1] < -1e-6, (FLOOR_Y - o[1]) / np.minimum(d[:, 1], -1e-6), np.inf)
    z_floor = o[2] + t_floor * d[:, 2]
    t_floor = np.where(z_floor <= COVE_Z, t_floor, np.inf)
    # Cove: inside of a cylinder along x, axis at (y, z) = (FLOOR_Y + R, COVE_Z).
    cy, cz = FLOOR_Y + COVE_R, COVE_Z
    oy, oz = o[1] - cy, o[2] - cz
    a = d[:, 1] ** 2 + d[:, 2] ** 2
    b = 2 * (oy * d[:, 1] + oz * d[:, 2])
    c = oy * oy + oz * oz - COVE_R ** 2
    disc = np.maximum(b * b - 4 * a * c, 0)
    t_cove = (-b + np.sqrt(disc)) / (2 * a)
    hy = o[1] + t_cove * d[:, 1]
    hz = o[2] + t_cove * d[:, 2]
    t_cove = np.where((hz >= COVE_Z) & (hy <= cy), t_cove, np.inf)
    # Wall behind.
    wall_z = COVE_Z + COVE_R
    t_wall = np.where(d[:, 2] > 1e-6, (wall_z - o[2]) / np.maximum(d[:, 2], 1e-6), np.inf)
    t_wall = np.where(o[1] + t_wall * d[:, 1] >= cy, t_wall, np.inf)

    t = np.minimum(np.minimum(t_floor, t_cove), t_wall)
    p = o + d * t[:, None]
    is_floor = t == t_floor
    is_wall = (t == t_wall) & ~is_floor
    is_cove = ~is_floor & ~is_wall
    n[is_floor] = (0, 1, 0)
    n[is_wall] = (0, 0, -1)
    cn = np.stack([np.zeros_like(t), cy - p[:, 1], cz - p[:, 2]], -1)
    n[is_cove] = normalize(cn[is_cove])
    return t, n


def table_hit(o, d):
    """Turntable top and side: distance (inf when missed), normal, top flag."""
    t_top = np.where(d[:, 1] < -1e-6, (0.0 - o[1]) / np.minimum(d[:, 1], -1e-6), np.inf)
    ptop = o + d * t_top[:, None]
    t_top = np.where(np.hypot(ptop[:, 0], ptop[:, 2]) <= TABLE_R, t_top, np.inf)
    a = d[:, 0] ** 2 + d[:, 2] ** 2
    b = 2 * (o[0] * d[:, 0] + o[2] * d[:, 2])
    c = o[0] ** 2 + o[2] ** 2 - TABLE_R ** 2
    disc = b * b - 4 * a * c
    t_side = np.where(disc > 0, (-b - np.sqrt(np.maximum(disc, 0))) / (2 * a), np.inf)
    ys = o[1] + t_side * d[:, 1]
    t_side = np.where((ys <= 0) & (ys >= -TABLE_H), t_side, np.inf)
    t = np.minimum(t_top, t_side)
    top = t_top <= t_side
    p = o + d * t[:, None]
    n = np.zeros(d.shape)
    n[top] = (0, 1, 0)
    side = normalize(np.stack([p[:, 0], np.zeros_like(t), p[:, 2]], -1))
    n[~top] = side[~top]
    return t, n, top


def march_mug(scene, o, d, t_limit):
    """Sphere tracing of the mug inside its bounding cylinder."""
    n = d.shape[0]
    t = np.full(n, np.inf)
    # Enter the bounding cylinder r < 8.5, 0 < y < MUG_H + 0.3.
    a = d[:, 0] ** 2 + d[:, 2] ** 2
    b = 2 * (o[0] * d[:, 0] + o[2] * d[:, 2])
    c = o[0] ** 2 + o[2] ** 2 - 8.5 ** 2
    disc = b * b - 4 * a * c
    cand = np.nonzero(disc > 0)[0]
    t0 = (-b[cand] - np.sqrt(disc[cand])) / (2 * a[cand])
    t1 = (-b[cand] + np.sqrt(disc[cand])) / (2 * a[cand])
    idx, cur, end = cand, np.maximum(t0, 0), np.minimum(t1, t_limit[cand])
    keep = cur < end
    idx, cur, end = idx[keep], cur[keep], end[keep]
    for _ in range(160):
        if idx.size == 0:
            break
        p = o + d[idx] * cur[:, None]
        h = scene.mug(p)
        hit = h < 0.002
        t[idx[hit]] = cur[hit]
        cur = cur + np.maximum(h * 0.9, 0.001)
        keep = ~hit & (cur < end)
        idx, cur, end = idx[keep], cur[keep], end[keep]
    return t


class ShadowMaps:
    """Soft shadow and occlusion on the turntable top and the floor, sampled
    on grids (both vary slowly) and looked up per pixel."""

    def __init__(self, scene):
        self.scene = scene
        self.step = 0.08
        self.top = self._plane(0.0, -TABLE_R - 0.5, TABLE_R + 0.5, -TABLE_R - 0.5, TABLE_R + 0.5)
        self.floor = self._plane(FLOOR_Y, -30.0, 40.0, -25.0, 30.0, step=0.2)

    def _plane(self, y, x0, x1, z0, z1, step=None):
        step = step or self.step
        xs = np.arange(x0, x1 + step, step)
        zs = np.arange(z0, z1 + step, step)
        gx, gz = np.meshgrid(xs, zs)
        p = np.stack([gx, np.full_like(gx, y + 0.001), gz], -1).reshape(-1, 3)
        n = np.tile(np.array([0.0, 1.0, 0.0]), (p.shape[0], 1))
        sh = self.scene.soft_shadow(p, n).reshape(gx.shape)
        ao = self.scene.occlusion(p, n, scale=1.6).reshape(gx.shape)
        return (x0, z0, step, sh, ao)

    @staticmethod
    def _lookup(grid, x, z):
        x0, z0, step, sh, ao = grid
        fx = np.clip((x - x0) / step, 0, sh.shape[1] - 1.001)
        fz = np.clip((z - z0) / step, 0, sh.shape[0] - 1.001)
        ix, iz = fx.astype(int), fz.astype(int)
        ax, az = fx - ix, fz - iz
        out = []
        for g in (sh, ao):
            v = (g[iz, ix] * (1 - ax) * (1 - az) + g[iz, ix + 1] * ax * (1 - az)
                 + g[iz + 1, ix] * (1 - ax) * az + g[iz + 1, ix + 1] * ax * az)
            out.append(v)
        return out

    def top_at(self, p):
        return self._lookup(self.top, p[:, 0], p[:, 2])

    def floor_at(self, p):
        sh, ao = self._lookup(self.floor, p[:, 0], p[:, 2])
        inside = (p[:, 2] < 30.0) & (p[:, 0] > -30) & (p[:, 0] < 40) & (p[:, 2] > -25)
        return np.where(inside, sh, 1.0), np.where(inside, ao, 1.0)


# Tall soft boxes beside the camera, seen only in reflections: (azimuth,
# elevation, half width, half height in degrees, brightness).
SOFTBOXES = ((-112.0, -10.0, 6.0, 30.0, 9.0), (118.0, -12.0, 4.0, 26.0, 3.0))


def softboxes(refl):
    az = np.degrees(np.arctan2(refl[:, 0], refl[:, 2]))
    el = np.degrees(np.arcsin(np.clip(refl[:, 1], -1, 1)))
    out = np.zeros(refl.shape[0])
    for caz, cel, hw, hh, power in SOFTBOXES:
        da = np.abs((az - caz + 180) % 360 - 180)
        de = np.abs(el - cel)
        # Diffusion cloth: bright in the middle, falling off to the edges.
        wa = np.clip(1 - (da / hw) ** 2, 0, 1) ** 1.5
        we = np.clip((hh - de) / 10.0, 0, 1)
        out += power * wa * we
    return out


def light_at(p, n):
    to_light = LIGHT_POS - p
    dist2 = np.sum(to_light * to_light, -1)
    ldir = to_light / np.sqrt(dist2)[:, None]
    ref = np.sum(LIGHT_POS * LIGHT_POS)
    fall = ref / dist2
    return ldir, np.maximum(np.sum(n * ldir, -1), 0) * fall


def shade(scene, maps, px, py):
    """Linear RGB and a surface label for the pixels at (px, py)."""
    o, d = rays(px, py)
    n_rays = d.shape[0]
    col = np.zeros((n_rays, 3))
    label = np.zeros(n_rays, np.int32)  # 0 backdrop, 1 table top, 2 table side, 3 mug

    t_back, n_back = backdrop_hit(o, d)
    t_tab, n_tab, top = table_hit(o, d)
    t_mug = march_mug(scene, o, d, np.minimum(t_back, t_tab))

    on_mug = np.isfinite(t_mug) & (t_mug <= t_tab) & (t_mug <= t_back)
    on_tab = ~on_mug & np.isfinite(t_tab) & (t_tab <= t_back)
    on_back = ~on_mug & ~on_tab

    # Backdrop: matte, slightly warm light grey.
    i = np.nonzero(on_back)[0]
    p = o + d[i] * t_back[i, None]
    n = n_back[i]
    ldir, diff = light_at(p, n)
    sh, ao = maps.floor_at(p)
    sh = np.where(n[:, 1] > 0.99, sh, 1.0)
    ao = np.where(n[:, 1] > 0.99, ao, 1.0)
    albedo = np.array([0.80, 0.80, 0.78])
    ambient = AMBIENT * (0.75 + 0.25 * n[:, 1])
    col[i] = albedo * (KEY * diff * sh + ambient * ao)[:, None]

    # Turntable: dark rubber top with a printed scale ring, grey side.
    i = np.nonzero(on_tab)[0]
    label[i] = np.where(top[i], 1, 2)
    p = o + d[i] * t_tab[i, None]
    n = n_tab[i]
    ldir, diff = light_at(p, n)
    r = np.hypot(p[:, 0], p[:, 2])
    phi = np.degrees(np.arctan2(p[:, 2], p[:, 0]) - scene.angle) % 360.0
    ring = (r > TABLE_R - 1.6) & (r < TABLE_R - 0.25)
    tick_w = np.where(np.abs(((phi + 15) % 30) - 15) < 0.4, 1.6, 0.0)
    tick = ring & (np.abs(((phi + 5) % 10) - 5) * r * math.pi / 180 < 0.07 + 0.05 * (tick_w > 0))
    tick &= (r > TABLE_R - 1.6 + (tick_w == 0) * 0.7)
    albedo = np.tile(np.array([0.045, 0.047, 0.052]), (i.size, 1))
    albedo[ring] = (0.10, 0.10, 0.11)
    albedo[tick] = (0.62, 0.62, 0.60)
    is_top = top[i]
    sh = np.ones(i.size)
    ao = np.ones(i.size)
    if np.any(is_top):
        s, a = maps.top_at(p[is_top])
        sh[is_top], ao[is_top] = s, a
    side = ~is_top
    albedo[side] = (0.20, 0.205, 0.215)
    # A bright rolled edge where top meets side.
    edge = is_top & (r > TABLE_R - 0.12)
    albedo[edge] = (0.55, 0.55, 0.57)
    specular = np.zeros(i.size)
    h = normalize(ldir - d[i])
    specular[is_top] = 0.06 * np.power(np.maximum(np.sum(n[is_top] * h[is_top], -1), 0), 40)
    col[i] = albedo * (KEY * diff * sh + AMBIENT * ao)[:, None] + (KEY * specular * sh)[:, None]

    # Mug: glossy glaze with the print outside, cream glaze inside.
    i = np.nonzero(on_mug)[0]
    label[i] = 3
    if i.size:
        p = o + d[i] * t_mug[i, None]
        n = scene.mug_normal(p)
        q = scene.to_mug(p)
        body, ring_d = scene.mug_parts(q)
        rq = np.hypot(q[:, 0], q[:, 2])
        wall_mid = WALL_IN + (WALL_OUT - WALL_IN) * np.clip((q[:, 1] - BASE_T) / (MUG_H - WALL_T - BASE_T), 0, 1)
        inside = (rq < wall_mid) & (q[:, 1] > BASE_T * 2 - 0.05) & (body < ring_d)
        rim = q[:, 1] > MUG_H - WALL_T * 1.2
        u = (np.arctan2(q[:, 2], q[:, 0]) / (2 * math.pi)) % 1.0
        v = np.clip(1 - q[:, 1] / MUG_H, 0, 1)
        tex = scene.texture
        tu = np.clip((u * tex.shape[1]).astype(int), 0, tex.shape[1] - 1)
        tv = np.clip((v * tex.shape[0]).astype(int), 0, tex.shape[0] - 1)
        albedo = srgb_to_linear(tex[tv, tu])
        handle = ring_d < body
        base_blue = srgb_to_linear(np.array([16, 58, 120]) / 255.0)
        albedo[handle] = base_blue
        cream = srgb_to_linear(np.array([236, 228, 208]) / 255.0)
        albedo[inside | rim] = cream
        foot = q[:, 1] < 0.25
        albedo[foot] = srgb_to_linear(np.array([196, 178, 150]) / 255.0)

        ldir, diff = light_at(p, n)
        sh = scene.soft_shadow(p, n, k=10.0)
        ao = scene.occlusion(p, n, scale=0.6)
        view = -d[i]
        hvec = normalize(ldir + view)
        nh = np.maximum(np.sum(n * hvec, -1), 0)
        nv = np.clip(np.sum(n * view, -1), 0, 1)
        fres = 0.04 + 0.96 * (1 - nv) ** 5
        # Reflection of the surroundings: bright backdrop above, dark below,
        # and the soft box of the key light.
        refl = 2 * nv[:, None] * n - view
        env = 0.30 + 0.35 * np.clip(refl[:, 1] + 0.3, 0, 1)
        box = np.clip((np.sum(refl * ldir, -1) - 0.965) / 0.02, 0, 1)
        env = env + 5.0 * box * sh + softboxes(refl)
        diffuse = albedo * (KEY * diff * sh + AMBIENT * ao * (0.6 + 0.4 * n[:, 1]))[:, None]
        specular = (KEY * 0.55 * np.power(nh, 140) * sh + fres * env * ao)[:, None]
        glaze = np.where(foot, 0.1, 1.0)[:, None]
        col[i] = diffuse + specular * glaze
    return col, label


def render(angle, seed):
    with np.errstate(invalid="ignore", over="ignore"):
        return _render(angle, seed)


def _render(angle, seed):
    scene = Scene(angle)
    maps = ShadowMaps(scene)
    py, px = np.mgrid[0:HEIGHT, 0:WIDTH].astype(np.float64)
    px, py = px.ravel() + 0.5, py.ravel() + 0.5
    col, label = shade(scene, maps, px, py)
    col = col.reshape(HEIGHT, WIDTH, 3)
    label = label.reshape(HEIGHT, WIDTH)

    # Anti-aliasing where the surface changes: four more samples per pixel.
    edge = np.zeros((HEIGHT, WIDTH), bool)
    lum = col.sum(-1)
    for axis in (0, 1):
        dl = np.diff(label, axis=axis) != 0
        dc = np.abs(np.diff(lum, axis=axis)) > 0.08
        de = dl | dc
        if axis == 0:
            edge[:-1] |= de
            edge[1:] |= de
        else:
            edge[:, :-1] |= de
            edge[:, 1:] |= de
    ey, ex = np.nonzero(edge)
    acc = np.zeros((ey.size, 3))
    for ox, oy in ((0.125, 0.375), (0.625, 0.125), (0.875, 0.625), (0.375, 0.875)):
        c, _ = shade(scene, maps, ex + ox, ey + oy)
        acc += c
    col[ey, ex] = acc / 4

    # Lens: vignetting, then a touch of softness and sensor noise.
    yy, xx = np.mgrid[0:HEIGHT, 0:WIDTH]
    rr = np.hypot((xx - WIDTH / 2) / (WIDTH / 2), (yy - HEIGHT / 2) / (WIDTH / 2))
    col *= (1.0 - 0.28 * rr ** 2.2)[..., None]
    img = linear_to_srgb(tone(col * 1.05)) * 255.0
    im = Image.fromarray(np.clip(img + 0.5, 0, 255).astype(np.uint8), "RGB")
    im = im.filter(ImageFilter.GaussianBlur(0.55))
    img = np.asarray(im, np.float32)
    rng = np.random.default_rng(seed)
    lumin = img.mean(-1, keepdims=True)
    sigma = 0.9 + 1.4 * np.sqrt(lumin / 255.0)
    noise = rng.normal(0, 1, (HEIGHT, WIDTH, 1)) * sigma + rng.normal(0, 0.6, (HEIGHT, WIDTH, 3))
    img = img + noise
    return Image.fromarray(np.clip(img + 0.5, 0, 255).astype(np.uint8), "RGB")


def main():
    global WIDTH, HEIGHT
    args = sys.argv[1:]
    here = os.path.dirname(os.path.abspath(__file__))
    out = os.path.join(here, "..", "..", "resources", "sample-photos")
    first, last = 1, FRAMES
    i = 0
    while i < len(args):
        if args[i] == "--frames":
            a, _, b = args[i + 1].partition("-")
            first, last = int(a), int(b or a)
            i += 2
        elif args[i] == "--scale":
            s = float(args[i + 1])
            WIDTH, HEIGHT = int(WIDTH * s), int(HEIGHT * s)
            i += 2
        else:
            out = args[i]
            i += 1
    os.makedirs(out, exist_ok=True)
    for k in range(first, last + 1):
        # Photo k shows the object turned by 10 degrees more than photo k-1.
        angle = math.radians(10.0 * (k - 1))
        img = render(angle, seed=1000 + k)
        path = os.path.join(out, "turntable-%02d.jpg" % k)
        img.save(path, quality=QUALITY, subsampling=2, optimize=True)
        print(path, flush=True)


if __name__ == "__main__":
    main()
