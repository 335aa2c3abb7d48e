#!/usr/bin/env python3
"""Draws Quillet's desktop icon for the hicolor theme into resources/icons/.

Standard library only.  The icon is the one the window shows (an envelope
and a feather pen, drawn by draw_resources.py): 16 and 32 pixels are those
hand-placed pixel images, the larger sizes and quillet.svg are drawn from
the same shapes as vectors, the PNGs smoothed by 4 x 4 samples per pixel.

    python3 tools/draw_icons.py [--out DIR]
"""

import argparse
import math
import os
import struct
import sys
import zlib

sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
import draw_resources as art  # noqa: E402

PIXEL_SIZES = {16: art.draw_quillet16, 32: art.draw_quillet}
VECTOR_SIZES = [24, 48, 64, 128, 256]
SAMPLES = 4

# The shapes in the 32-unit square of the window's icon.
ENVELOPE_BOX = (1.0, 10.0, 24.0, 27.0)
FLAP_DEPTH = 10.0
NIB, TIP = (11.5, 30.5), (30.5, 0.5)
VANE_WIDTH = 5.5
BARBS = (0.55, 0.75)
OUTLINE = 1.0


class Quill:
    """The pen's frame: t runs from the nib (0) to the tip (1), v is the
    distance from the shaft, positive on the vane's upper side."""

    def __init__(self):
        (nx, ny), (tx, ty) = NIB, TIP
        self.length = math.hypot(tx - nx, ty - ny)
        self.ux, self.uy = (tx - nx) / self.length, (ty - ny) / self.length

    def along(self, x, y):
        dx, dy = x - NIB[0], y - NIB[1]
        return ((dx * self.ux + dy * self.uy) / self.length,
                dx * self.uy - dy * self.ux)

    def point(self, t, v):
        return (NIB[0] + t * self.length * self.ux + v * self.uy,
                NIB[1] + t * self.length * self.uy - v * self.ux)

    @staticmethod
    def reach(t):
        """The vane's upper reach at t; the lower side reaches 2/3 of it."""
        if not 0.3 <= t <= 1.0:
            return 0.0
        return VANE_WIDTH * math.sin(math.pi * (t - 0.3) / 0.7) ** 0.8

    def in_vane(self, t, v, grow=0.0):
        g = grow / self.length
        if not 0.3 - g <= t <= 1.0 + g:
            return False
        r = self.reach(min(max(t, 0.3), 1.0))
        return -r * 2 / 3 - grow <= v <= r + grow

    @staticmethod
    def in_barrel(t, v, grow=0.0):
        return 0.12 - grow / 30 <= t <= 0.36 and abs(v) <= 1.0 + grow

    def in_nib(self, t, v, grow=0.0):
        g = grow / self.length
        return -g <= t < 0.12 + g and abs(v) <= max(t, 0.0) / 0.12 + grow

    def barb(self, at):
        """The barb's end points: from the shaft, leaning to the tip."""
        x0, y0 = self.point(at, 0.0)
        dx, dy = self.uy + 0.8 * self.ux, -self.ux + 0.8 * self.uy
        return (x0, y0), (x0 + VANE_WIDTH * dx, y0 + VANE_WIDTH * dy)

    def vane_outline(self, steps=24):
        """The vane as a polygon: the upper edge to the tip, the lower back."""
        ts = [0.3 + 0.7 * i / steps for i in range(steps + 1)]
        upper = [self.point(t, self.reach(t)) for t in ts]
        lower = [self.point(t, -self.reach(t) * 2 / 3) for t in reversed(ts)]
        return upper + lower


def segment_distance(x, y, a, b):
    (ax, ay), (bx, by) = a, b
    dx, dy = bx - ax, by - ay
    t = max(0.0, min(1.0, ((x - ax) * dx + (y - ay) * dy) / (dx * dx + dy * dy)))
    return math.hypot(x - ax - t * dx, y - ay - t * dy)


def colour_at(x, y, q):
    """The colour at (x, y) in the 32-unit square, or None (transparent);
    the topmost shape wins."""
    t, v = q.along(x, y)
    if q.in_nib(t, v):
        return art.NIB
    if 0.3 <= t <= 0.9 and abs(v) <= 0.5 or q.in_barrel(t, v):
        return art.RACHIS
    if q.in_vane(t, v):
        if v >= 0 and any(segment_distance(x, y, *q.barb(at)) <= 0.5 for at in BARBS):
            return art.VANE
        return art.VANE_LIGHT if v >= 0 else art.VANE
    if q.in_vane(t, v, OUTLINE) or q.in_barrel(t, v, OUTLINE) or q.in_nib(t, v, OUTLINE):
        return art.INK
    x0, y0, x1, y1 = ENVELOPE_BOX
    half = OUTLINE / 2
    if not (x0 - half <= x <= x1 + half and y0 - half <= y <= y1 + half):
        return None
    mid = (x0 + x1) / 2
    flap = (segment_distance(x, y, (x0, y0), (mid, y0 + FLAP_DEPTH)) <= half or
            segment_distance(x, y, (x1, y0), (mid, y0 + FLAP_DEPTH)) <= half)
    if flap or not (x0 + half <= x <= x1 - half and y0 + half <= y <= y1 - half):
        return art.INK
    return art.ENVELOPE_SHADE if y >= (y0 + y1) / 2 else art.ENVELOPE


def rgba(colour):
    return tuple(bytes.fromhex(colour[1:])) + (255,)


def draw_vector(size):
    """Rows of RGBA pixels, each the average of SAMPLES x SAMPLES points."""
    q = Quill()
    unit = 32.0 / size
    rows = []
    for py in range(size):
        row = []
        for px in range(size):
            total = [0, 0, 0, 0]
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    colour = colour_at((px + (sx + 0.5) / SAMPLES) * unit,
                                       (py + (sy + 0.5) / SAMPLES) * unit, q)
                    if colour is not None:
                        r, g, b, a = rgba(colour)
                        total = [total[0] + r, total[1] + g, total[2] + b, total[3] + a]
            n = SAMPLES * SAMPLES
            covered = total[3] // 255
            if covered == 0:
                row.append((0, 0, 0, 0))
            else:
                row.append((round(total[0] / covered), round(total[1] / covered),
                            round(total[2] / covered), round(total[3] / n)))
        rows.append(row)
    return rows


def draw_pixels(draw):
    return [[(0, 0, 0, 0) if c == art.NONE else rgba(c) for c in row]
            for row in draw().rows]


def png(rows):
    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(
            ">I", zlib.crc32(body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def svg():
    """The same shapes as SVG: outlines are drawn twice as wide under the
    fills, so that only their outer half shows around the pen."""
    q = Quill()

    def path(points):
        return "M" + " L".join("%.2f,%.2f" % p for p in points) + " Z"

    def band(t0, t1, half_at):
        """A shape along the shaft whose half width at t is half_at(t)."""
        ts = [t0 + (t1 - t0) * i / 8 for i in range(9)]
        return ([q.point(t, half_at(t)) for t in ts] +
                [q.point(t, -half_at(t)) for t in reversed(ts)])

    vane = path(q.vane_outline())
    upper = path([q.point(0.3 + 0.7 * i / 24, q.reach(0.3 + 0.7 * i / 24))
                  for i in range(25)] + [q.point(0.3, 0)])
    barrel = path(band(0.12, 0.36, lambda t: 1.0))
    nib = path(band(0.0, 0.12, lambda t: t / 0.12))
    rachis = path(band(0.3, 0.9, lambda t: 0.5))
    x0, y0, x1, y1 = ENVELOPE_BOX
    mid = (x0 + x1) / 2
    barbs = "".join(
        '    <line x1="%.2f" y1="%.2f" x2="%.2f" y2="%.2f"/>\n' % (a + b)
        for a, b in (q.barb(at) for at in BARBS))
    return f"""<?xml version="1.0" encoding="UTF-8"?>
<!-- Quillet's icon: drawn by tools/draw_icons.py -->
<svg xmlns="http://www.w3.org/2000/svg" width="256" height="256" viewBox="0 0 32 32">
  <defs><clipPath id="upper"><path d="{upper}"/></clipPath></defs>
  <rect x="{x0}" y="{y0}" width="{x1 - x0}" height="{y1 - y0}" fill="{art.ENVELOPE}"/>
  <rect x="{x0}" y="{(y0 + y1) / 2}" width="{x1 - x0}" height="{(y1 - y0) / 2}" fill="{art.ENVELOPE_SHADE}"/>
  <path d="M{x0},{y0} L{mid},{y0 + FLAP_DEPTH} L{x1},{y0} M{x0},{y0} H{x1} V{y1} H{x0} Z" fill="none" stroke="{art.INK}" stroke-width="{OUTLINE}" stroke-linejoin="round"/>
  <g fill="{art.INK}" stroke="{art.INK}" stroke-width="{2 * OUTLINE}" stroke-linejoin="round">
    <path d="{vane}"/><path d="{barrel}"/><path d="{nib}"/>
  </g>
  <path d="{vane}" fill="{art.VANE_LIGHT}"/>
  <path d="{path([q.point(0.3 + 0.7 * i / 24, -q.reach(0.3 + 0.7 * i / 24) * 2 / 3) for i in range(25)])}" fill="{art.VANE}"/>
  <g stroke="{art.VANE}" stroke-width="1" clip-path="url(#upper)">
{barbs}  </g>
  <path d="{barrel}" fill="{art.RACHIS}"/>
  <path d="{rachis}" fill="{art.RACHIS}"/>
  <path d="{nib}" fill="{art.NIB}"/>
</svg>
"""


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(root, "resources", "icons"),
                        help="folder for the icons (default: resources/icons/)")
    args = parser.parse_args()
    os.makedirs(args.out, exist_ok=True)
    for size in sorted(list(PIXEL_SIZES) + VECTOR_SIZES):
        rows = draw_pixels(PIXEL_SIZES[size]) if size in PIXEL_SIZES else draw_vector(size)
        with open(os.path.join(args.out, "quillet-%d.png" % size), "wb") as f:
            f.write(png(rows))
    with open(os.path.join(args.out, "quillet.svg"), "w") as f:
        f.write(svg())
    return 0


if __name__ == "__main__":
    sys.exit(main())
