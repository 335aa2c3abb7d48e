#!/usr/bin/env python3
"""Draws Quillet's own images and writes them as XPM files into resources/.

Standard library only.  Every image is drawn by one function on a small
raster canvas; colours are "#RRGGBB" strings, or NONE for transparent.

    python3 tools/draw_resources.py [--out DIR]
                                    [--png DIR [--scale N] [--bg #RRGGBB]]

--png also writes each image as an enlarged PNG, plus sheet.png with all of
them at 1:1 and enlarged on a grey and a white ground; the PNGs are for
looking at, not for the repository.  The cursor's hotspot is printed.
"""

import argparse
import math
import os
import struct
import sys
import zlib

NONE = "None"

# Classic desktop palette for the tool bar; magenta is the strip's mask.
BLACK = "#000000"
WHITE = "#FFFFFF"
GREY = "#808080"
SILVER = "#C0C0C0"
NAVY = "#000080"
BLUE = "#0000FF"
OLIVE = "#808000"
YELLOW = "#FFFF00"
MAGENTA = "#FF00FF"


class Canvas:
    """A width x height grid of colours; drawing outside it is clipped."""

    def __init__(self, width, height, background=NONE):
        self.width = width
        self.height = height
        self.rows = [[background] * width for _ in range(height)]

    def inside(self, x, y):
        return 0 <= x < self.width and 0 <= y < self.height

    def put(self, x, y, colour):
        if self.inside(x, y):
            self.rows[y][x] = colour

    def get(self, x, y):
        return self.rows[y][x] if self.inside(x, y) else NONE

    def fill_rect(self, x0, y0, x1, y1, colour):
        """Fills the rectangle between corners (x0, y0) and (x1, y1)."""
        for y in range(min(y0, y1), max(y0, y1) + 1):
            for x in range(min(x0, x1), max(x0, x1) + 1):
                self.put(x, y, colour)

    def rect(self, x0, y0, x1, y1, colour):
        """Draws the one-pixel frame of a rectangle, corners inclusive."""
        self.fill_rect(x0, y0, x1, y0, colour)
        self.fill_rect(x0, y1, x1, y1, colour)
        self.fill_rect(x0, y0, x0, y1, colour)
        self.fill_rect(x1, y0, x1, y1, colour)

    def line(self, x0, y0, x1, y1, colour):
        """Bresenham line, both end points included."""
        dx, dy = abs(x1 - x0), -abs(y1 - y0)
        sx = 1 if x0 < x1 else -1
        sy = 1 if y0 < y1 else -1
        err = dx + dy
        while True:
            self.put(x0, y0, colour)
            if x0 == x1 and y0 == y1:
                return
            e2 = 2 * err
            if e2 >= dy:
                err += dy
                x0 += sx
            if e2 <= dx:
                err += dx
                y0 += sy

    def fill(self, mask, colour):
        for x, y in mask:
            self.put(x, y, colour)

    def ellipse(self, cx, cy, rx, ry, fill=None, outline=None):
        """Ellipse around a centre that may lie between pixels (7.5)."""
        mask = shape(self, lambda x, y:
                     ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0)
        if fill is not None:
            self.fill(mask, fill)
        if outline is not None:
            self.fill(edge(mask), outline)

    def sprite(self, x, y, art, palette):
        """Draws ASCII art; characters missing from the palette are skipped."""
        for dy, row in enumerate(art):
            for dx, ch in enumerate(row):
                if ch in palette:
                    self.put(x + dx, y + dy, palette[ch])

    def text(self, x, y, string, colour, font, spacing=1):
        """Draws string with its top-left at (x, y)."""
        for ch in string:
            glyph = font[ch]
            self.sprite(x, y, glyph, {"#": colour})
            x += len(glyph[0]) + spacing

    def blit(self, other, x, y):
        """Copies other's non-transparent pixels with its corner at (x, y)."""
        for dy, row in enumerate(other.rows):
            for dx, colour in enumerate(row):
                if colour != NONE:
                    self.put(x + dx, y + dy, colour)


def shape(canvas, inside):
    """The set of pixels whose centre satisfies inside(x, y)."""
    return {(x, y) for y in range(canvas.height) for x in range(canvas.width)
            if inside(x, y)}


def edge(mask):
    """Pixels of mask that touch a pixel outside it (4-neighbourhood)."""
    return {(x, y) for x, y in mask
            if {(x + 1, y), (x - 1, y), (x, y + 1), (x, y - 1)} - mask}


def text_width(string, font, spacing=1):
    return sum(len(font[ch][0]) for ch in string) + spacing * (len(string) - 1)


def mix(a, b, t):
    """Colour between a (t = 0) and b (t = 1)."""
    ca = [int(a[i:i + 2], 16) for i in (1, 3, 5)]
    cb = [int(b[i:i + 2], 16) for i in (1, 3, 5)]
    return "#%02X%02X%02X" % tuple(round(p + (q - p) * t)
                                   for p, q in zip(ca, cb))


# ---------------------------------------------------------------- output

# Safe XPM pixel characters: no quote, no backslash.
XPM_CHARS = (" .+@#$%&*=-;>,')!~{]^/(_:<[}|1234567890"
             "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ`")


def to_xpm(canvas, name, hotspot=None):
    colours = sorted({c for row in canvas.rows for c in row},
                     key=lambda c: (c != NONE, c))
    if len(colours) > len(XPM_CHARS):
        raise ValueError("%s: too many colours (%d)" % (name, len(colours)))
    code = dict(zip(colours, XPM_CHARS))
    header = "%d %d %d 1" % (canvas.width, canvas.height, len(colours))
    if hotspot is not None:
        header += " %d %d" % hotspot
    lines = [header]
    lines += ["%s c %s" % (code[c], c) for c in colours]
    lines += ["".join(code[c] for c in row) for row in canvas.rows]
    body = ",\n".join('"%s"' % line for line in lines)
    return ("/* XPM */\nstatic const char *const %s_xpm[] = {\n%s\n};\n"
            % (name, body))


def to_png(canvas, scale):
    """RGBA PNG of the canvas, each pixel drawn as a scale x scale block."""
    raw = bytearray()
    for row in canvas.rows:
        line = bytearray()
        for colour in row:
            if colour == NONE:
                pixel = b"\0\0\0\0"
            else:
                pixel = bytes.fromhex(colour[1:]) + b"\xff"
            line += pixel * scale
        raw += (b"\0" + bytes(line)) * scale

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(
            ">I", zlib.crc32(body) & 0xFFFFFFFF)

    ihdr = struct.pack(">IIBBBBB", canvas.width * scale, canvas.height * scale,
                       8, 6, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", ihdr) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


# ---------------------------------------------------------------- stamps

PAPER = "#FFFCF0"
PAPER_EDGE = "#E2D9C2"
SHADOW = "#9C9688"

# (picture fill, picture frame, sign colour) per priority, highest first.
STAMP_COLOURS = [
    ("#D81E1E", "#7C0A0A", WHITE),
    ("#F08A1C", "#9A4A06", WHITE),
    ("#3E9E52", "#1C5E2A", WHITE),
    ("#A8D0F0", "#4E86BC", "#1E4E8C"),
    ("#9AA6B8", "#56627A", "#343E52"),
]


def stamp_blank(fill, frame):
    """A 24 x 26 stamp: 23 x 25 of perforated paper over a one-pixel shadow,
    with the coloured picture field (x 3..19, y 3..21) framed in it."""
    c = Canvas(24, 26)
    w, h = 23, 25
    # Holes on every even position of the rim, so both ends of each side
    # are holes and the teeth come out symmetric.
    paper = {(x, y) for y in range(h) for x in range(w)
             if not ((x in (0, w - 1) and y % 2 == 0) or
                     (y in (0, h - 1) and x % 2 == 0))}
    c.fill({(x + 1, y + 1) for x, y in paper} - paper, SHADOW)
    c.fill(paper, PAPER)
    c.fill({(x, y) for x, y in paper if x in (0, w - 1) or y in (0, h - 1)},
           PAPER_EDGE)
    c.fill_rect(3, 3, 19, 21, fill)
    c.rect(3, 3, 19, 21, frame)
    return c


def exclamation(c, x, colour):
    """A three-pixel-wide "!" with its left column at x."""
    c.fill_rect(x, 5, x + 2, 14, colour)
    c.fill_rect(x, 17, x + 2, 19, colour)


def down_head(c, cx, tip_y, half, colour):
    """A filled triangle pointing down, its tip at (cx, tip_y)."""
    for i in range(half + 1):
        c.fill_rect(cx - i, tip_y - i, cx + i, tip_y - i, colour)


def draw_stamp0():
    fill, frame, sign = STAMP_COLOURS[0]
    c = stamp_blank(fill, frame)
    exclamation(c, 6, sign)
    exclamation(c, 14, sign)
    return c


def draw_stamp1():
    fill, frame, sign = STAMP_COLOURS[1]
    c = stamp_blank(fill, frame)
    exclamation(c, 10, sign)
    return c


def draw_stamp2():
    fill, frame, sign = STAMP_COLOURS[2]
    c = stamp_blank(fill, frame)
    c.fill_rect(6, 8, 16, 16, sign)
    c.line(6, 8, 11, 13, frame)
    c.line(16, 8, 11, 13, frame)
    return c


def draw_stamp3():
    fill, frame, sign = STAMP_COLOURS[3]
    c = stamp_blank(fill, frame)
    c.fill_rect(10, 6, 12, 12, sign)
    down_head(c, 11, 18, 5, sign)
    return c


def draw_stamp4():
    fill, frame, sign = STAMP_COLOURS[4]
    c = stamp_blank(fill, frame)
    down_head(c, 11, 12, 5, sign)
    down_head(c, 11, 18, 5, sign)
    return c


# ---------------------------------------------------------------- cursor

HAND = [
    "......##..........",
    ".....#oo#.........",
    ".....#oo#.........",
    ".....#oo#.........",
    ".....#oo#.........",
    ".....#oo#.........",
    ".....#oo###.......",
    ".....#oo#oo###....",
    ".....#oo#oo#oo###.",
    ".....#oo#oo#oo#oo#",
    ".##..#oo#oo#oo#oo#",
    "#oo#.#ooooooooooo#",
    "#ooo##ooooooooooo#",
    ".#ooo#ooooooooooo#",
    ".#ooooooooooooooo#",
    "..#oooooooooooooo#",
    "..#oooooooooooooo#",
    "...#oooooooooooo#.",
    "...#oooooooooooo#.",
    "....#oooooooooo#..",
    "....#oooooooooo#..",
    "....############..",
]
HAND_AT = (4, 1)
HAND_TIP = (HAND_AT[0] + HAND[0].index("#"), HAND_AT[1])


def draw_cs_point():
    """The hand shown over links: index finger up, the tip is the hotspot."""
    c = Canvas(32, 32)
    c.sprite(HAND_AT[0], HAND_AT[1], HAND, {"#": BLACK, "o": WHITE})
    return c


# ---------------------------------------------------------------- icon

INK = "#1E2A44"
ENVELOPE = "#FFFFFF"
ENVELOPE_SHADE = "#DCE4F0"
VANE = "#4F86D6"
VANE_LIGHT = "#A6C8F4"
RACHIS = "#F4F0E0"
NIB = "#2A2A30"


def envelope(c, x0, y0, x1, y1, outline, fill, shade):
    """A closed envelope seen from the back: frame, fill and the flap's V."""
    c.fill_rect(x0, y0, x1, y1, fill)
    c.fill_rect(x0, (y0 + y1 + 1) // 2, x1, y1, shade)
    c.rect(x0, y0, x1, y1, outline)
    mid = (x0 + x1) // 2
    depth = (y1 - y0) * 3 // 5
    c.line(x0, y0, mid, y0 + depth, outline)
    c.line(x1, y0, mid + (x0 + x1) % 2, y0 + depth, outline)


def quill(c, nib, tip, width, barbs=()):
    """A feather pen from the nib point to the feather's tip, outlined in
    INK.  The vane reaches width pixels from the shaft on its upper side
    and two thirds of that on its lower, shaded side.  Each barb, a
    fraction of the way to the tip, draws a slanted line across the vane."""
    (nx, ny), (tx, ty) = nib, tip
    length = math.hypot(tx - nx, ty - ny)
    ux, uy = (tx - nx) / length, (ty - ny) / length

    def along(x, y):
        """Fraction of the way to the tip, and distance from the shaft,
        positive on the upper side."""
        return (((x - nx) * ux + (y - ny) * uy) / length,
                (x - nx) * uy - (y - ny) * ux)

    def in_vane(x, y):
        t, v = along(x, y)
        if not 0.3 <= t <= 1.0:
            return False
        reach = width * math.sin(math.pi * (t - 0.3) / 0.7) ** 0.8
        return -reach * 2 / 3 <= v <= reach

    def in_barrel(x, y):
        t, v = along(x, y)
        return 0.12 <= t <= 0.36 and abs(v) <= 1.0

    def in_nib(x, y):
        t, v = along(x, y)
        return 0.0 <= t < 0.12 and abs(v) <= t / 0.12

    def in_rachis(x, y):
        t, v = along(x, y)
        return 0.3 <= t <= 0.9 and abs(v) <= 0.5

    vane = shape(c, in_vane)
    barrel = shape(c, in_barrel)
    point = shape(c, in_nib)
    c.fill(vane, VANE_LIGHT)
    c.fill({(x, y) for x, y in vane if along(x, y)[1] < 0}, VANE)
    for at in barbs:
        # From the shaft outwards on the upper side, leaning to the tip.
        x0, y0 = nx + at * length * ux, ny + at * length * uy
        dx, dy = uy + 0.8 * ux, -ux + 0.8 * uy
        barb = Canvas(c.width, c.height)
        barb.line(round(x0), round(y0), round(x0 + width * dx),
                  round(y0 + width * dy), VANE)
        c.fill({p for p in vane if barb.get(*p) != NONE}, VANE)
    c.fill(barrel, RACHIS)
    c.fill(shape(c, in_rachis), RACHIS)
    c.fill(edge(vane | barrel | point), INK)
    c.fill(point, NIB)


def draw_quillet():
    c = Canvas(32, 32)
    envelope(c, 1, 10, 23, 26, INK, ENVELOPE, ENVELOPE_SHADE)
    quill(c, (11.5, 30.5), (30.5, 0.5), 5.5, [0.55, 0.75])
    return c


# At 16 pixels the computed feather blurs; this one is placed by hand.
QUILL16 = [
    "..............kk",
    ".............klk",
    "............klrk",
    "..........kllrbk",
    ".........kllrbbk",
    ".......klllrbbk.",
    "......klllrbbk..",
    ".....klllrbk....",
    ".....kllrbk.....",
    ".....klrbk......",
    ".....krbk.......",
    "....krk.........",
    "...krk..........",
    "..knk...........",
    "..nk............",
    ".n..............",
]


def draw_quillet16():
    c = Canvas(16, 16)
    envelope(c, 0, 6, 11, 14, INK, ENVELOPE, ENVELOPE_SHADE)
    c.sprite(0, 0, QUILL16, {"k": INK, "l": VANE_LIGHT, "b": VANE,
                             "r": RACHIS, "n": NIB})
    return c


# ---------------------------------------------------------------- tool bar

def page(c, x0, y0, x1, y1, fold=3):
    """A sheet with its top right corner folded over."""
    c.fill_rect(x0, y0, x1, y1, WHITE)
    c.rect(x0, y0, x1, y1, BLACK)
    for y in range(y0, y0 + fold + 1):
        c.fill_rect(x1 - fold + (y - y0) + 1, y, x1, y, NONE)
        c.fill_rect(x1 - fold, y, x1 - fold + (y - y0), y, SILVER)
    c.line(x1 - fold, y0, x1, y0 + fold, BLACK)
    c.fill_rect(x1 - fold, y0, x1 - fold, y0 + fold, BLACK)
    c.fill_rect(x1 - fold, y0 + fold, x1, y0 + fold, BLACK)


def text_lines(c, x0, x1, ys, colour):
    """Lines of "text" from x0 to about x1; every third one ends early."""
    for i, y in enumerate(ys):
        c.fill_rect(x0, y, x1 - (3 if i % 3 == 2 else 0), y, colour)


def letter(c, x0, y0, x1, y1):
    envelope(c, x0, y0, x1, y1, BLACK, WHITE, WHITE)
    c.fill_rect(x0 + 1, y1 - 1, x1 - 1, y1 - 1, SILVER)


REPLY_ARROW = [
    "..#..........",
    ".##..........",
    "##########...",
    "###########..",
    ".##......###.",
    "..#.......##.",
    "..........##.",
]


def tool_reply():
    c = Canvas(16, 16)
    letter(c, 3, 7, 15, 15)
    c.sprite(0, 0, REPLY_ARROW, {"#": BLUE})
    return c


def tool_copy():
    c = Canvas(16, 16)
    page(c, 1, 0, 9, 11)
    text_lines(c, 3, 7, [5, 7, 9], NAVY)
    page(c, 6, 4, 14, 15)
    text_lines(c, 8, 12, [9, 11, 13], NAVY)
    return c


def tool_body():
    c = Canvas(16, 16)
    page(c, 2, 0, 13, 15)
    text_lines(c, 4, 11, [5, 7, 9, 11, 13], NAVY)
    return c


def tool_header():
    c = Canvas(16, 16)
    page(c, 2, 0, 13, 15)
    c.fill_rect(3, 4, 12, 8, YELLOW)
    text_lines(c, 4, 11, [5, 7], NAVY)
    text_lines(c, 4, 11, [10, 12, 14], SILVER)
    return c


BRACKETS = [
    "..##....##..",
    ".##......##.",
    "##........##",
    ".##......##.",
    "..##....##..",
]


def tool_source():
    c = Canvas(16, 16)
    page(c, 1, 0, 14, 15)
    c.sprite(2, 6, BRACKETS, {"#": BLUE})
    return c


# The gear's shape; its outline and shading are drawn from it.
GEAR = [
    "......####......",
    "..##..####..##..",
    ".####.####.####.",
    ".##############.",
    "..############..",
    "..############..",
    "######....######",
    "######....######",
    "######....######",
    "######....######",
    "..############..",
    "..############..",
    ".##############.",
    ".####.####.####.",
    "..##..####..##..",
    "......####......",
]


def tool_options():
    c = Canvas(16, 16)
    gear = {(x, y) for y, row in enumerate(GEAR)
            for x, ch in enumerate(row) if ch == "#"}
    c.fill(gear, SILVER)
    c.fill({(x, y) for x, y in gear if x + y > 16}, GREY)
    c.fill({(x, y) for x, y in gear if x + y < 14}, WHITE)
    c.fill(edge(gear), BLACK)
    return c


SPARKLE = [
    "...o...",
    "...Y...",
    "..oYo..",
    "oYYWYYo",
    "..oYo..",
    "...Y...",
    "...o...",
]


def tool_new():
    c = Canvas(16, 16)
    letter(c, 0, 6, 12, 15)
    c.sprite(9, 0, SPARKLE, {"Y": YELLOW, "W": WHITE, "o": OLIVE})
    return c


QUESTION = [
    ".####.",
    "##..##",
    "....##",
    "...##.",
    "..##..",
    "..##..",
    "......",
    "..##..",
]


def tool_help():
    c = Canvas(16, 16)
    c.ellipse(7.5, 7.5, 7.9, 7.9, fill=BLUE, outline=NAVY)
    c.sprite(5, 4, QUESTION, {"#": WHITE})
    return c


WRAP_ARROW = [
    "############..",
    "#############.",
    "..........###.",
    "...........##.",
    "...#.......##.",
    "..##.......##.",
    ".###########..",
    "###########...",
    ".##...........",
    "..#...........",
]


def tool_wrap():
    c = Canvas(16, 16)
    c.sprite(1, 3, WRAP_ARROW, {"#": NAVY})
    return c


TOOLS = [tool_reply, tool_copy, tool_body, tool_header, tool_source,
         tool_options, tool_new, tool_help, tool_wrap]


def draw_toolbar():
    """The built-in strip of nine 16 x 16 tool images on magenta."""
    c = Canvas(16 * len(TOOLS), 16, MAGENTA)
    for i, tool in enumerate(TOOLS):
        image = tool()
        if any(MAGENTA in row for row in image.rows):
            raise ValueError("%s: magenta would be masked" % tool.__name__)
        c.blit(image, 16 * i, 0)
    return c


# ---------------------------------------------------------------- banner

# A bold proportional font: capitals are 11 rows high, the x-height is
# 8 rows (glyphs start at the cap line), the tail of Q takes a 12th row.
FONT = {
    "Q": ["..######..",
          ".########.",
          "###....###",
          "##......##",
          "##......##",
          "##......##",
          "##......##",
          "##...##.##",
          "###..#####",
          ".########.",
          "..######..",
          ".......###"],
    "u": ["........",
          "........",
          "........",
          "##....##",
          "##....##",
          "##....##",
          "##....##",
          "##....##",
          "##...###",
          ".#######",
          "..###.##"],
    "i": ["##",
          "##",
          "..",
          "##",
          "##",
          "##",
          "##",
          "##",
          "##",
          "##",
          "##"],
    "l": ["##"] * 11,
    "e": ["........",
          "........",
          "........",
          "..####..",
          ".##..##.",
          "##....##",
          "########",
          "##......",
          "##......",
          ".##...##",
          "..#####."],
    "t": [".....",
          ".##..",
          ".##..",
          "#####",
          ".##..",
          ".##..",
          ".##..",
          ".##..",
          ".##..",
          ".##.#",
          "..###"],
}

PARCHMENT_TOP = "#FFF9E8"
PARCHMENT_BOTTOM = "#F0DFB4"
TEXT_SHADOW = "#CDB98A"


def draw_banner():
    c = Canvas(88, 31)
    for y in range(31):
        c.fill_rect(0, y, 87, y, mix(PARCHMENT_TOP, PARCHMENT_BOTTOM, y / 30))
    c.rect(0, 0, 87, 30, INK)
    c.rect(1, 1, 86, 29, WHITE)
    word = "Quillet"
    x = 84 - text_width(word, FONT, 2) - 2
    c.text(x + 1, 7, word, TEXT_SHADOW, FONT, 2)
    c.text(x, 6, word, INK, FONT, 2)
    c.fill_rect(10, 25, 82, 25, INK)
    quill(c, (8.0, 25.0), (27.0, 2.0), 4.6, [0.6])
    return c


# ---------------------------------------------------------------- main

# (file name without ".xpm", drawing function, cursor hotspot or None)
IMAGES = [
    ("stamp0", draw_stamp0, None),
    ("stamp1", draw_stamp1, None),
    ("stamp2", draw_stamp2, None),
    ("stamp3", draw_stamp3, None),
    ("stamp4", draw_stamp4, None),
    ("cs_point", draw_cs_point, HAND_TIP),
    ("quillet", draw_quillet, None),
    ("quillet16", draw_quillet16, None),
    ("toolbar", draw_toolbar, None),
    ("banner", draw_banner, None),
]


def flatten(canvas, background):
    flat = Canvas(canvas.width, canvas.height, background)
    flat.blit(canvas, 0, 0)
    return flat


def contact_sheet(canvases, scale):
    """All images side by side, at 1:1 and enlarged, on a grey and a white
    ground, to judge them the way the program shows them (magenta masked)."""
    canvases = [masked(c) for c in canvases]
    gap = 4
    width = sum(c.width * scale + gap for c in canvases) + gap
    tall = max(c.height for c in canvases)
    height = 2 * (tall + gap) + 2 * (tall * scale + gap) + gap
    sheet = Canvas(width, height, "#D4D0C8")
    sheet.fill_rect(0, height // 2, width - 1, height - 1, WHITE)
    for half in (0, 1):
        top = half * height // 2 + gap
        x = gap
        for c in canvases:
            sheet.blit(c, x, top)
            x += c.width + gap
        top += tall + gap
        x = gap
        for c in canvases:
            sheet.blit(enlarge(c, scale), x, top)
            x += c.width * scale + gap
    return sheet


def masked(canvas):
    copy = Canvas(canvas.width, canvas.height)
    copy.rows = [[NONE if p == MAGENTA else p for p in row]
                 for row in canvas.rows]
    return copy


def enlarge(canvas, scale):
    big = Canvas(canvas.width * scale, canvas.height * scale)
    for y, row in enumerate(canvas.rows):
        for x, colour in enumerate(row):
            big.fill_rect(x * scale, y * scale, x * scale + scale - 1,
                          y * scale + scale - 1, colour)
    return big


def main():
    root = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", default=os.path.join(root, "resources"),
                        help="folder for the XPM files (default: resources/)")
    parser.add_argument("--png", metavar="DIR",
                        help="also write enlarged PNG copies into DIR")
    parser.add_argument("--scale", type=int, default=4,
                        help="enlargement of the PNG copies (default 4)")
    parser.add_argument("--bg", metavar="#RRGGBB",
                        help="fill transparent pixels of the PNG copies")
    args = parser.parse_args()

    os.makedirs(args.out, exist_ok=True)
    if args.png:
        os.makedirs(args.png, exist_ok=True)
    sheet = []
    for name, draw, hotspot in IMAGES:
        canvas = draw()
        with open(os.path.join(args.out, name + ".xpm"), "w") as f:
            f.write(to_xpm(canvas, name, hotspot))
        if hotspot is not None:
            print("%s.xpm: hotspot %d,%d" % ((name,) + hotspot))
        if args.png:
            sheet.append(canvas)
            if args.bg:
                canvas = flatten(canvas, args.bg)
            with open(os.path.join(args.png, name + ".png"), "wb") as f:
                f.write(to_png(canvas, args.scale))
    if args.png:
        with open(os.path.join(args.png, "sheet.png"), "wb") as f:
            f.write(to_png(contact_sheet(sheet, args.scale), 1))
    return 0


if __name__ == "__main__":
    sys.exit(main())
