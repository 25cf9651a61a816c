"""The program's pictures, drawn as SVG by program.

Each function returns (svg_text, width, height) for the picture at its
design size; make-resources.sh renders them with rsvg-convert and stores
JPEG files. Everything is seeded, so the drawings never change by chance.
"""
import math
import os
import random
import sys

from svgkit import (blob, blur, cloud, doc, f, lin, polygon, polyline, pts, rad, smooth_path, star4)

CAVE_BAND = "#273F89"      # RGB(39,63,137): the cave screen's background
SCIENCE_BAND = "#739BCF"   # RGB(115,155,207): the science screen's background


# ------------------------------------------------------------------ cliff
def cliff():
    """A sunny coast: a sea cliff whose rock layers are bent into folds."""
    W, H = 640, 480
    rnd = random.Random(11)
    defs = (lin("sky", [(0, "#5FB4EA"), (0.7, "#BFE6F8"), (1, "#E8F6FC")])
            + lin("sea", [(0, "#3C9BD0"), (1, "#175C92")])
            + lin("shade", [(0, "#2a1c10", 0.45), (0.45, "#2a1c10", 0.0), (1, "#ffffff", 0.08)], 0, 0, 1, 0)
            + rad("sunglow", [(0, "#FFF3B0", 0.9), (1, "#FFF3B0", 0)])
            + lin("sand", [(0, "#EEDDB0"), (1, "#D9C18A")]))
    body = ['<rect width="%d" height="%d" fill="url(#sky)"/>' % (W, H)]
    body.append('<circle cx="92" cy="78" r="70" fill="url(#sunglow)"/><circle cx="92" cy="78" r="30" fill="#FFE170"/>')
    body.append(cloud(250, 70, 34) + cloud(470, 48, 26, opacity=0.9) + cloud(80, 170, 20, opacity=0.8))
    # far headland on the horizon
    body.append('<path d="M0 300 L0 268 C30 262 60 258 95 266 C120 272 140 290 150 300 Z" fill="#8FA9A2"/>')
    body.append('<rect y="298" width="%d" height="%d" fill="url(#sea)"/>' % (W, H - 298))
    # the cliff outline: top edge from right to left, then the face down to the beach
    top = [(640, 112), (590, 118), (540, 112), (480, 121), (420, 116), (360, 128), (300, 134), (262, 146)]
    face = [(250, 170), (238, 205), (228, 236), (214, 268), (206, 300), (196, 330), (188, 362), (640, 362)]
    outline = top + face
    body.append('<clipPath id="cliffclip"><polygon points="%s"/></clipPath>' % pts(outline))
    # folded layers: boundaries follow waves whose size grows towards the middle
    colours = ["#EADCB0", "#C8975A", "#A48763", "#DCCDA8", "#8E8A80", "#BE7A46", "#E3D3A2", "#9A7B5C",
               "#D2B47C", "#7F7A72", "#E8D9AE", "#B5824E", "#A89A84", "#DCC39A"]

    def boundary(i, x):
        amp = 46 * math.exp(-((x - 420) / 170) ** 2) + 8
        return 70 + i * 24 + amp * math.sin((x - 250) / 62.0 + i * 0.05) + 10 * math.sin(x / 23.0 + i)
    layers = [polygon(outline, "#9A8466")]
    xs = [x for x in range(170, 650, 6)]
    for i in range(len(colours)):
        upper = [(x, boundary(i, x)) for x in xs]
        lower = [(x, boundary(i + 1, x)) for x in reversed(xs)]
        layers.append(polygon(upper + lower, colours[i]))
        layers.append(polyline(upper, "#5B4430", 1.3, 'opacity="0.55"'))
    for _ in range(70):  # cracks and joints
        x = rnd.uniform(190, 640)
        y = rnd.uniform(125, 360)
        layers.append(polyline([(x, y), (x + rnd.uniform(-4, 4), y + rnd.uniform(6, 16))], "#4A3626", 1,
                               'opacity="0.35"'))
    layers.append('<rect x="160" y="100" width="480" height="270" fill="url(#shade)"/>')
    body.append('<g clip-path="url(#cliffclip)">%s</g>' % "".join(layers))
    body.append(polyline(face[:-1], "#4E3A28", 2, 'opacity="0.6"'))
    # grass cap
    grass_top = [(x, y - 4 + 2 * math.sin(x / 9.0)) for x, y in top]
    grass_bot = [(x, y + 12) for x, y in reversed(top)]
    body.append(polygon(grass_top + [(250, 168), (246, 160)] + grass_bot, "#5FB238", "#3F8A24", 1.5))
    body.append(polyline([(x, y + 2) for x, y in top], "#8FD35E", 2, 'opacity="0.8"'))
    # beach, boulders, surf
    body.append('<path d="M150 372 C200 356 300 358 400 360 L640 356 L640 398 C520 402 360 400 250 398 '
                'C200 396 160 388 150 372 Z" fill="url(#sand)"/>')
    for k in range(9):
        x = 205 + k * 48 + rnd.uniform(-12, 12)
        y = 366 + rnd.uniform(-3, 6)
        r = rnd.uniform(6, 13)
        body.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="#7E7D78" stroke="#55544F" stroke-width="1.2"/>'
                    % (f(x), f(y), f(r * 1.4), f(r)))
    body.append('<path d="M0 404 C120 396 240 404 360 398 C460 394 560 402 640 398" fill="none" stroke="#FFFFFF" '
                'stroke-width="5" opacity="0.85" stroke-linecap="round"/>')
    for k in range(12):  # wave marks
        x = rnd.uniform(10, 620)
        y = rnd.uniform(412, 470) if k % 3 else rnd.uniform(312, 390)
        if y < 405:
            x = rnd.uniform(10, 130)
        w = rnd.uniform(14, 30)
        body.append('<path d="M%s %s q%s -6 %s 0" fill="none" stroke="#E8F6FF" stroke-width="2.2" opacity="0.7" '
                    'stroke-linecap="round"/>' % (f(x), f(y), f(w / 2), f(w)))
    for x, y, s in ((120, 120, 1.0), (160, 105, 0.8), (560, 180, 0.9)):  # seagulls
        body.append('<path d="M%s %s q%s %s %s %s q%s %s %s %s" fill="none" stroke="#3A3A3A" stroke-width="%s" '
                    'stroke-linecap="round"/>' % (f(x - 14 * s), f(y), f(6 * s), f(-8 * s), f(14 * s), f(0),
                                                    f(8 * s), f(-8 * s), f(14 * s), f(0), f(2.2 * s)))
    return doc(320, 240, "\n".join(body), defs, W, H)


# ------------------------------------------------------------ inside the Earth
# Centre and layer radii of the cut-through Earth. The screen's pointer lines
# end at fixed picture points; check-resources.py samples under them.
EARTH_CX, EARTH_CY = 412, 304
R_INNER, R_OUTER, R_MANTLE, R_CRUST = 28, 80, 138, 166
LAYER_COLOURS = {"inner core": "#A9B3C6", "outer core": "#F59E2E", "mantle": "#B8372A", "crust": "#86592F"}


def inside_earth():
    """The Earth cut in half: solid inner core, liquid outer core, mantle and a
    (much thickened) crust, floating in space. No words: pupils add labels."""
    W, H = 800, 600
    cx, cy = EARTH_CX, EARTH_CY
    rnd = random.Random(21)
    defs = (lin("space", [(0, "#0B1536"), (1, "#142A5C")])
            + rad("glow", [(0, "#7FC4FF", 0.0), (0.86, "#7FC4FF", 0.0), (0.9, "#7FC4FF", 0.55), (1, "#7FC4FF", 0)],
                  cx, cy, R_CRUST + 26, units=True)
            + rad("innerg", [(0, "#D4DAE6"), (0.7, "#ADB7CA"), (1, "#98A3B8")], cx - 8, cy - 8, R_INNER + 6,
                  cx - 12, cy - 12, units=True)
            + rad("outerg", [(0, "#F9B446"), (0.5, "#F6A232"), (1, "#F0902A")], cx, cy, R_OUTER, units=True)
            + rad("mantleg", [(0, "#C8442C"), (0.6, "#BA3A2B"), (1, "#A93026")], cx, cy, R_MANTLE, units=True)
            + rad("crustg", [(0, "#7C522C"), (0.83, "#86592F"), (1, "#93673A")], cx, cy, R_CRUST, units=True))
    body = ['<rect width="%d" height="%d" fill="url(#space)"/>' % (W, H)]
    # a few stars, kept away from the label boxes and the caption strip
    n = 0
    while n < 46:
        x, y = rnd.uniform(10, 790), rnd.uniform(40, 480)
        if x < 175 and 140 < y < 390 or x > 615 and 140 < y < 390:
            continue
        if math.hypot(x - cx, y - cy) < R_CRUST + 40:
            continue
        r = rnd.choice([0.8, 1.0, 1.2, 1.6])
        body.append('<circle cx="%s" cy="%s" r="%s" fill="#FFFFFF" opacity="%s"/>' % (f(x), f(y), f(r), f(rnd.uniform(0.5, 0.95))))
        n += 1
    body.append('<circle cx="%d" cy="%d" r="%d" fill="url(#glow)"/>' % (cx, cy, R_CRUST + 26))
    # thin surface skin of sea and land
    skin = R_CRUST + 4
    body.append('<circle cx="%d" cy="%d" r="%d" fill="#2F86D6"/>' % (cx, cy, skin))
    for a0, a1 in ((200, 250), (280, 300), (320, 355), (20, 60), (95, 130), (150, 170)):
        p0 = (cx + (skin - 2) * math.cos(math.radians(a0)), cy + (skin - 2) * math.sin(math.radians(a0)))
        p1 = (cx + (skin - 2) * math.cos(math.radians(a1)), cy + (skin - 2) * math.sin(math.radians(a1)))
        body.append('<path d="M%s %s A%d %d 0 0 1 %s %s" fill="none" stroke="#4CAF50" stroke-width="5" '
                    'stroke-linecap="round"/>' % (f(p0[0]), f(p0[1]), skin - 2, skin - 2, f(p1[0]), f(p1[1])))
    # the layers, outermost first
    body.append('<circle cx="%d" cy="%d" r="%d" fill="url(#crustg)"/>' % (cx, cy, R_CRUST))
    for _ in range(140):  # rocky speckles inside the crust
        a = rnd.uniform(0, 2 * math.pi)
        r = rnd.uniform(R_MANTLE + 4, R_CRUST - 4)
        body.append('<circle cx="%s" cy="%s" r="%s" fill="%s" opacity="0.55"/>' % (
            f(cx + r * math.cos(a)), f(cy + r * math.sin(a)), f(rnd.uniform(0.8, 1.8)),
            rnd.choice(["#6A4525", "#A0764A", "#74502E"])))
    body.append('<circle cx="%d" cy="%d" r="%d" fill="url(#mantleg)" stroke="#5E2416" stroke-width="2"/>' % (cx, cy, R_MANTLE))
    for a0 in (200, 20, 290, 120):  # gentle swirls: the mantle creeps very slowly
        r = (R_OUTER + R_MANTLE) / 2
        p0 = (cx + r * math.cos(math.radians(a0)), cy + r * math.sin(math.radians(a0)))
        p1 = (cx + r * math.cos(math.radians(a0 + 40)), cy + r * math.sin(math.radians(a0 + 40)))
        body.append('<path d="M%s %s A%s %s 0 0 1 %s %s" fill="none" stroke="#D35A3A" stroke-width="4" opacity="0.55" '
                    'stroke-linecap="round"/>' % (f(p0[0]), f(p0[1]), f(r), f(r), f(p1[0]), f(p1[1])))
    body.append('<circle cx="%d" cy="%d" r="%d" fill="url(#outerg)" stroke="#8A3A12" stroke-width="2"/>' % (cx, cy, R_OUTER))
    for k in range(3):  # shimmer on the liquid metal
        r = R_INNER + 14 + k * 12
        body.append('<path d="M%s %s A%d %d 0 0 1 %s %s" fill="none" stroke="#FFD27A" stroke-width="2" opacity="0.6"/>' % (
            f(cx - r * math.cos(0.5)), f(cy - r * math.sin(0.5)), r, r, f(cx + r * math.sin(0.3)), f(cy - r * math.cos(0.3))))
    body.append('<circle cx="%d" cy="%d" r="%d" fill="url(#innerg)" stroke="#5A6478" stroke-width="2"/>' % (cx, cy, R_INNER))
    body.append('<circle cx="%d" cy="%d" r="%d" fill="none" stroke="#2E3A55" stroke-width="2"/>' % (cx, cy, skin))
    # The crust must be thick enough to point at, so the drawing says it is not to scale.
    body.append('<text x="%d" y="%d" text-anchor="middle" font-family="Liberation Sans" font-size="17" '
                'font-style="italic" fill="#C9D6F0">Not to scale: the real crust is far thinner.</text>' % (cx, cy + 200))
    return doc(W, H, "\n".join(body), defs)


# ------------------------------------------------------------------- cave
def stalactite(x, y, w, length, rnd, light="#F1E4C4", dark="#B99A6B"):
    """A hanging cone with a slight wobble, its tip at (x, y + length)."""
    bend = rnd.uniform(-0.08, 0.08) * length
    d = ("M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s Z" % (
        f(x - w / 2), f(y), f(x - w / 2.2), f(y + length * 0.45), f(x - w * 0.12 + bend), f(y + length * 0.8),
        f(x + bend), f(y + length), f(x + w * 0.12 + bend), f(y + length * 0.8), f(x + w / 2.2), f(y + length * 0.45),
        f(x + w / 2), f(y)))
    return d


def stalagmite(x, y, w, height, rnd):
    """A rounded cone standing on the floor at y."""
    top = y - height
    d = ("M%s %s C%s %s %s %s %s %s C%s %s %s %s %s %s Z" % (
        f(x - w / 2), f(y), f(x - w / 2.4), f(y - height * 0.5), f(x - w * 0.22), f(top + w * 0.1),
        f(x), f(top), f(x + w * 0.22), f(top + w * 0.1), f(x + w / 2.4), f(y - height * 0.5), f(x + w / 2), f(y)))
    return d


def cave_scene():
    """The inside of a limestone cave (drawn on a 640 x 436 area)."""
    W, H = 640, 436
    rnd = random.Random(31)
    defs = (rad("cglow", [(0, "#FCE7B8"), (0.35, "#D9AE73"), (0.75, "#7A5638"), (1, "#3A2A20")], 0.55, 0.5, 0.62)
            + lin("tite", [(0, "#A98A60"), (0.5, "#E6D3A8"), (1, "#FBF1D8")])
            + lin("mite", [(0, "#FBF1D8"), (0.6, "#D8BF8E"), (1, "#9C7D55")])
            + lin("tite2", [(0, "#8C714F"), (1, "#D5BE92")])
            + lin("pool", [(0, "#3F8FB0"), (1, "#1D4E68")])
            + lin("floor", [(0, "#6B5240"), (1, "#3B2C22")])
            + lin("ceil", [(0, "#241A15"), (0.7, "#4A3829"), (1, "#5C4633")])
            + blur("soft", 3) + blur("soft8", 8))
    b = ['<rect width="%d" height="%d" fill="#2B201A"/>' % (W, H)]
    # the chamber, lit from behind
    chamber = [(20, 60), (90, 30), (200, 40), (320, 20), (450, 36), (560, 26), (625, 70), (630, 300),
               (600, 380), (420, 400), (220, 404), (40, 380), (12, 260)]
    b.append('<path d="%s" fill="url(#cglow)"/>' % smooth_path(chamber))
    # bedding planes in the limestone of the back wall
    for k in range(7):
        y0 = 70 + k * 38 + rnd.uniform(-6, 6)
        b.append('<path d="M0 %s C160 %s 320 %s 480 %s S640 %s 640 %s" fill="none" stroke="#6E4E34" stroke-width="2" '
                 'opacity="0.25"/>' % (f(y0), f(y0 - 8), f(y0 + 10), f(y0 - 4), f(y0 + 6), f(y0)))
    # far formations, pale and soft
    far = []
    for k in range(9):
        x = 120 + k * 48 + rnd.uniform(-10, 10)
        far.append('<path d="%s"/>' % stalagmite(x, 330, rnd.uniform(18, 30), rnd.uniform(40, 90), rnd))
        far.append('<path d="%s"/>' % stalactite(x + 20, 40, rnd.uniform(14, 24), rnd.uniform(40, 100), rnd))
    b.append('<g fill="#C9A979" opacity="0.55" filter="url(#soft)">%s</g>' % "".join(far))
    # floor with a rim of rocks
    b.append('<path d="M0 436 L0 330 C80 318 160 336 240 330 C330 324 420 334 520 326 C580 322 620 330 640 326 '
             'L640 436 Z" fill="url(#floor)"/>')
    # the pool in front
    b.append('<ellipse cx="300" cy="392" rx="190" ry="30" fill="url(#pool)" stroke="#5A4434" stroke-width="4"/>')
    # big stalactites along the ceiling
    tites = [(40, 52, 26, 110), (78, 44, 18, 70), (130, 50, 30, 150), (168, 48, 16, 60), (215, 42, 24, 120),
             (262, 48, 14, 55), (300, 50, 22, 95), (352, 44, 28, 140), (402, 52, 16, 70), (520, 54, 20, 80),
             (560, 62, 26, 125), (604, 56, 18, 75)]
    drops = []
    for x, y, w, L in tites:
        b.append('<path d="%s" fill="url(#tite)" stroke="#8A6C48" stroke-width="1.2"/>' % stalactite(x, y - 14, w, L + 14, rnd))
        if L > 90:
            drops.append((x, y + L - 6))
    # the column where a stalactite met a stalagmite
    b.append('<path d="M448 40 C452 120 458 160 462 200 C466 250 450 300 440 338 L508 338 C494 300 482 250 484 200 '
             'C486 160 494 110 500 40 Z" fill="url(#tite2)" stroke="#7E6242" stroke-width="1.5"/>')
    b.append('<path d="M462 60 C466 150 470 250 458 330" fill="none" stroke="#FFF4DA" stroke-width="4" opacity="0.45"/>')
    for k in range(6):
        y = 90 + k * 42
        b.append('<path d="M%s %s q20 8 40 0" fill="none" stroke="#6E5438" stroke-width="1.5" opacity="0.6"/>' % (f(452 + k * 1.5), f(y)))
    # the ceiling
    edge = [(-20, 80), (0, 70)] + [(x, 52 + 22 * ((k * 7) % 3) / 2 + rnd.uniform(-6, 6))
                                  for k, x in enumerate(range(20, 640, 34))] + [(640, 90), (660, 100), (660, -10), (-20, -10)]
    b.append('<path d="%s" fill="url(#ceil)" stroke="#2A1E17" stroke-width="2"/>' % smooth_path(edge))
    # stalagmites on the floor
    mites = [(60, 338, 44, 120), (112, 334, 26, 60), (170, 340, 34, 88), (560, 336, 46, 130), (604, 338, 28, 64),
             (395, 336, 30, 70), (250, 340, 22, 44)]
    for x, y, w, hgt in mites:
        b.append('<path d="%s" fill="url(#mite)" stroke="#7E6242" stroke-width="1.2"/>' % stalagmite(x, y, w, hgt, rnd))
        for k in range(3):
            yy = y - hgt * (0.25 + 0.22 * k)
            b.append('<path d="M%s %s q%s 5 %s 0" fill="none" stroke="#8E7150" stroke-width="1.2" opacity="0.6"/>'
                     % (f(x - w * (0.38 - 0.1 * k)), f(yy), f(w * (0.38 - 0.1 * k)), f(w * (0.76 - 0.2 * k))))
    b.append('<path d="M170 392 q30 -6 60 0 M330 402 q40 -6 80 0 M250 382 q20 -4 40 0" fill="none" stroke="#BFE8F7" '
             'stroke-width="2" opacity="0.8" stroke-linecap="round"/>')
    # drips and ripples
    for x, y in drops:
        b.append('<ellipse cx="%s" cy="%s" rx="3" ry="4.5" fill="#BFE8F7" stroke="#6FA9C2" stroke-width="0.8"/>' % (f(x), f(y + 6)))
    b.append('<ellipse cx="352" cy="390" rx="16" ry="4" fill="none" stroke="#CDEFFB" stroke-width="1.5" opacity="0.8"/>')
    b.append('<ellipse cx="352" cy="390" rx="30" ry="7" fill="none" stroke="#CDEFFB" stroke-width="1" opacity="0.5"/>')
    # front rocks
    for x, y, rx, ry in ((20, 420, 60, 30), (620, 418, 70, 34), (120, 430, 50, 18), (520, 432, 60, 16)):
        b.append('<path d="%s" fill="#4A382C" stroke="#2A1E17" stroke-width="2"/>' % blob(x, y, rx, ry, rnd, 9, 0.12))
    # a bat hanging from the ceiling, wings folded
    b.append('<g transform="translate(432 58)"><path d="M0 0 L0 6" stroke="#1E1612" stroke-width="2"/>'
             '<path d="M-7 6 C-10 14 -8 26 0 32 C8 26 10 14 7 6 Z" fill="#2A211C"/>'
             '<circle cx="0" cy="34" r="5.5" fill="#2A211C"/><path d="M-4 37 l-2 5 M4 37 l2 5" stroke="#2A211C" '
             'stroke-width="2.2"/><circle cx="-2" cy="34" r="1.2" fill="#FFFFFF"/><circle cx="2" cy="34" r="1.2" '
             'fill="#FFFFFF"/></g>')
    # a soft dark edge all round
    b.append('<rect x="0" y="0" width="%d" height="%d" fill="none" stroke="#1A130F" stroke-width="18" '
             'opacity="0.6" filter="url(#soft8)"/>' % (W, H))
    return defs, "\n".join(b)


def cave():
    W, H = 640, 500
    band = 64
    defs, scene = cave_scene()
    body = ('<rect width="%d" height="%d" fill="%s"/>' % (W, H, CAVE_BAND)
            + '<clipPath id="frame"><rect x="0" y="%d" width="%d" height="%d" rx="22"/></clipPath>' % (band, W, H - band)
            + '<g clip-path="url(#frame)"><g transform="translate(0 %d)">%s</g></g>' % (band, scene)
            + '<rect x="1.5" y="%s" width="%d" height="%d" rx="21" fill="none" stroke="#C9A56A" stroke-width="3"/>'
            % (f(band + 1.5), W - 3, H - band - 3))
    return doc(W, H, body, defs)


def cave_small():
    """A banner cut from the cave picture: the stalagmites from tip to foot
    and the pool in front of them."""
    defs, scene = cave_scene()
    body = '<g transform="translate(0 -210)">%s</g>' % scene
    return doc(320, 104, body, defs, 640, 208)


# -------------------------------------------------------------- young Earth
def volcano(x, base, w, h, rnd):
    top = base - h
    cw = w * 0.12
    return ("M%s %s C%s %s %s %s %s %s L%s %s C%s %s %s %s %s %s Z" % (
        f(x - w / 2), f(base), f(x - w * 0.25), f(base - h * 0.35), f(x - cw * 1.5), f(top + h * 0.15),
        f(x - cw), f(top), f(x + cw), f(top), f(x + cw * 1.5), f(top + h * 0.15), f(x + w * 0.25),
        f(base - h * 0.35), f(x + w / 2), f(base)))


def young_earth_scene():
    """The young Earth (drawn on 784 x 456): a dark sky full of meteorites,
    erupting volcanoes, glowing lava and the first ocean under the rain."""
    W, H = 784, 456
    rnd = random.Random(41)
    defs = (lin("ysky", [(0, "#150C2C"), (0.45, "#4A1838"), (0.8, "#9A3A2A"), (1, "#D8652E")])
            + lin("yground", [(0, "#3A2520"), (1, "#140C0A")])
            + lin("ysea", [(0, "#2D6B78"), (1, "#12343F")])
            + lin("lava", [(0, "#FFE36A"), (0.5, "#FF9A2E"), (1, "#E0401E")])
            + lin("trail", [(0, "#FFB347", 0), (0.8, "#FF8C2E", 0.7), (1, "#FFF2B0", 1)], units=None)
            + rad("moon", [(0, "#F4F1E8"), (0.8, "#CFCAC0"), (1, "#A9A49B")], 0.4, 0.4, 0.6)
            + rad("fire", [(0, "#FFF1A0", 1), (0.4, "#FF9B2E", 0.8), (1, "#FF5A1E", 0)])
            + blur("ysoft", 4) + blur("ysoft2", 10) + blur("ysoft1", 1.5))
    b = ['<rect width="%d" height="%d" fill="url(#ysky)"/>' % (W, H)]
    for _ in range(60):
        b.append('<circle cx="%s" cy="%s" r="%s" fill="#FFFFFF" opacity="%s"/>' % (
            f(rnd.uniform(0, W)), f(rnd.uniform(0, 180)), f(rnd.choice([0.7, 1.0, 1.3])), f(rnd.uniform(0.4, 0.9))))
    # the Moon, much nearer then than now
    b.append('<circle cx="92" cy="82" r="50" fill="url(#moon)"/>')
    for cx, cy, r in ((75, 70, 8), (110, 98, 10), (102, 58, 5), (68, 100, 6), (124, 74, 4)):
        b.append('<circle cx="%d" cy="%d" r="%d" fill="#B8B2A6" stroke="#9E988C" stroke-width="1"/>' % (cx, cy, r))
    # meteorites with burning trails
    for x, y, L, ang, s in ((250, 70, 150, 35, 1.0), (470, 40, 110, 38, 0.8), (300, 190, 60, 32, 0.5),
                            (560, 180, 120, 36, 0.9), (360, 120, 70, 33, 0.6)):
        a = math.radians(ang)
        x0, y0 = x - L * math.cos(a), y - L * math.sin(a)
        b.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#FF9A3C" stroke-width="%s" stroke-linecap="round" '
                 'opacity="0.45" filter="url(#ysoft)"/>' % (f(x0), f(y0), f(x), f(y), f(14 * s)))
        b.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#FFE2A0" stroke-width="%s" stroke-linecap="round"/>'
                 % (f(x0 + 0.3 * (x - x0)), f(y0 + 0.3 * (y - y0)), f(x), f(y), f(3 * s)))
        b.append('<circle cx="%s" cy="%s" r="%s" fill="url(#fire)"/>' % (f(x), f(y), f(16 * s)))
        b.append('<circle cx="%s" cy="%s" r="%s" fill="#FFF6C8" stroke="#FFB347" stroke-width="1.5"/>' % (f(x), f(y), f(4.5 * s)))
    # ash and steam clouds
    for x, y, s, c in ((150, 205, 40, "#6E5C66"), (420, 150, 46, "#5C4A52")):
        b.append('<g filter="url(#ysoft1)">%s</g>' % cloud(x, y, s, c, 0.9))
    # distant ridge
    b.append('<path d="M0 300 L60 280 L120 292 L200 262 L260 286 L340 270 L420 290 L500 266 L600 288 L700 272 '
             'L784 284 L784 330 L0 330 Z" fill="#2A1A1C"/>')
    # volcanoes with lava fountains and plumes
    for x, base, w, h, erupt in ((560, 340, 300, 190, 1.0), (330, 330, 200, 120, 0.7), (720, 330, 160, 90, 0.5)):
        top = base - h
        b.append('<path d="%s" fill="#2E1E1C" stroke="#140C0A" stroke-width="2"/>' % volcano(x, base, w, h, rnd))
        b.append('<path d="M%s %s C%s %s %s %s %s %s" fill="none" stroke="url(#lava)" stroke-width="%s" '
                 'stroke-linecap="round"/>' % (f(x - 4), f(top + 2), f(x - 10), f(top + h * 0.3), f(x + 12),
                                               f(top + h * 0.6), f(x - 6), f(base - 4), f(7 * erupt)))
        b.append('<path d="M%s %s C%s %s %s %s %s %s" fill="none" stroke="#FF8A2A" stroke-width="%s" '
                 'stroke-linecap="round" opacity="0.9"/>' % (f(x + 6), f(top + 2), f(x + 20), f(top + h * 0.3),
                                                             f(x + 30), f(top + h * 0.5), f(x + 44), f(base - 20), f(5 * erupt)))
        b.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#fire)" filter="url(#ysoft)"/>' % (
            f(x), f(top - 10 * erupt), f(46 * erupt), f(34 * erupt)))
        for k in range(int(14 * erupt) + 4):  # glowing lava bombs
            ang = rnd.uniform(-2.4, -0.7)
            d = rnd.uniform(20, 80) * erupt
            b.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (
                f(x + d * math.cos(ang)), f(top + d * math.sin(ang) * 1.3), f(rnd.uniform(1.5, 3.5)),
                rnd.choice(["#FFE36A", "#FFB13C", "#FF7A2A"])))
        b.append('<g filter="url(#ysoft1)">%s%s</g>' % (cloud(x + 30 * erupt, top - 70 * erupt, 38 * erupt, "#4A3C44", 0.95),
                                                         cloud(x + 80 * erupt, top - 120 * erupt, 30 * erupt, "#5E5058", 0.8)))
    # the black crust, cracked by glowing lava
    b.append('<path d="M0 330 C150 320 260 340 420 330 C560 322 680 338 784 328 L784 456 L0 456 Z" fill="url(#yground)"/>')
    cracks = [[(300, 340), (340, 370), (330, 400), (380, 430), (372, 456)],
              [(520, 336), (500, 372), (560, 396), (540, 430), (600, 456)],
              [(700, 336), (690, 380), (740, 410), (784, 420)],
              [(340, 370), (420, 380), (470, 366), (500, 372)],
              [(560, 396), (640, 400), (690, 380)],
              [(380, 430), (460, 440), (540, 430)]]
    for c in cracks:
        b.append(polyline(c, "#FF7A22", 9, 'opacity="0.5" filter="url(#ysoft)"'))
        b.append(polyline(c, "url(#lava)", 4))
        b.append(polyline(c, "#FFF0A0", 1.5))
    b.append('<path d="M240 456 C300 420 420 412 470 420 C520 428 520 456 520 456 Z" fill="#FF8A2A" opacity="0.18" '
             'filter="url(#ysoft2)"/>')
    # the first ocean, on the left, under the rain, with steam where it meets lava
    b.append('<path d="M0 350 C80 346 170 350 250 358 C268 380 262 420 230 456 L0 456 Z" fill="url(#ysea)"/>')
    for k in range(7):
        y = 370 + k * 12
        x0 = rnd.uniform(10, 60)
        b.append('<path d="M%s %s q12 -5 24 0 t24 0" fill="none" stroke="#9FD3DC" stroke-width="1.6" opacity="0.7" '
                 'stroke-linecap="round"/>' % (f(x0 + k * 14), f(y)))
    b.append('<g filter="url(#ysoft1)">%s%s</g>' % (cloud(110, 250, 50, "#8E8C98", 0.95), cloud(40, 230, 40, "#A3A0AA", 0.95)))
    rain = []
    for k in range(46):
        x = rnd.uniform(10, 210)
        y = rnd.uniform(270, 350)
        rain.append('M%s %s l-4 14' % (f(x), f(y)))
    b.append('<path d="%s" stroke="#B8E0F0" stroke-width="1.4" opacity="0.75" stroke-linecap="round"/>' % " ".join(rain))
    b.append('<g filter="url(#ysoft)" opacity="0.75">%s%s</g>' % (cloud(250, 350, 24, "#E6E6EA", 0.7),
                                                                  cloud(270, 320, 18, "#F0F0F2", 0.5)))
    # a fresh crater
    b.append('<ellipse cx="660" cy="420" rx="70" ry="18" fill="#1A100E" stroke="#FF8A2A" stroke-width="3"/>')
    b.append('<ellipse cx="660" cy="424" rx="44" ry="9" fill="#FF9A2E" opacity="0.75" filter="url(#ysoft1)"/>')
    return defs, "\n".join(b)


def science():
    W, H = 784, 496
    band = 40
    defs, scene = young_earth_scene()
    body = ('<rect width="%d" height="%d" fill="%s"/>' % (W, H, SCIENCE_BAND)
            + '<clipPath id="yframe"><rect x="0" y="%d" width="%d" height="%d" rx="20"/></clipPath>' % (band, W, H - band)
            + '<g clip-path="url(#yframe)"><g transform="translate(0 %d)">%s</g></g>' % (band, scene)
            + '<rect x="1.5" y="%s" width="%d" height="%d" rx="19" fill="none" stroke="#2B3F73" stroke-width="3"/>'
            % (f(band + 1.5), W - 3, H - band - 3))
    return doc(W, H, body, defs)


def science_small():
    """A banner cut from the young Earth picture: the volcanoes from their
    smoking tops to their feet."""
    defs, scene = young_earth_scene()
    body = '<g transform="translate(0 -88)">%s</g>' % scene
    return doc(320, 104, body, defs, 784, 784 * 104 / 320)


# ------------------------------------------------------------ results screen
def trophy_scene():
    """A golden cup on a slab of slate in a sunny quarry, with confetti."""
    W, H = 640, 480
    rnd = random.Random(51)
    defs = (lin("tsky", [(0, "#4FB0F0"), (1, "#C9ECFF")])
            + lin("gold", [(0, "#B7791F"), (0.3, "#FFE58A"), (0.55, "#F4C430"), (1, "#A8650F")], 0, 0, 1, 0)
            + lin("gold2", [(0, "#FFF2B8"), (1, "#E0A526")])
            + lin("slate", [(0, "#6F7F8F"), (1, "#46525E")])
            + rad("tsun", [(0, "#FFF6C0"), (0.5, "#FFE066"), (1, "#FFE066", 0)]))
    b = ['<rect width="%d" height="%d" fill="url(#tsky)"/>' % (W, H)]
    b.append('<circle cx="540" cy="80" r="80" fill="url(#tsun)"/>')
    for k in range(12):
        a = k * math.pi / 6
        b.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#FFE066" stroke-width="5" stroke-linecap="round"/>' % (
            f(540 + 50 * math.cos(a)), f(80 + 50 * math.sin(a)), f(540 + 70 * math.cos(a)), f(80 + 70 * math.sin(a))))
    b.append('<circle cx="540" cy="80" r="38" fill="#FFD83A"/>')
    b.append(cloud(120, 70, 30) + cloud(330, 50, 22, opacity=0.9))
    # green hills with grey quarry terraces cut into them
    b.append('<path d="M0 250 C100 180 220 170 330 210 C430 160 560 170 640 220 L640 480 L0 480 Z" fill="#7CC35A"/>')
    terr = [(60, 222, 230), (80, 244, 250), (100, 266, 270), (120, 288, 290)]
    for x, y, w in terr:
        b.append('<path d="M%s %s l%s 0 l10 22 l-%s 0 Z" fill="#7D8A96" stroke="#5A6672" stroke-width="1.5"/>' % (
            f(x), f(y), f(w), f(w + 10)))
        b.append('<rect x="%s" y="%s" width="%s" height="4" fill="#A7B3BE"/>' % (f(x + 2), f(y), f(w - 4)))
    b.append('<path d="M0 330 C160 300 300 320 420 300 C520 286 600 300 640 296 L640 480 L0 480 Z" fill="#5DAE3E"/>')
    # heaps of slate pieces
    for x0 in (430, 560):
        for k in range(9):
            x = x0 + rnd.uniform(-40, 40)
            y = 300 + rnd.uniform(-14, 10)
            b.append('<path d="M%s %s l%s %s l%s %s l%s %s Z" fill="%s" stroke="#3E4852" stroke-width="1"/>' % (
                f(x), f(y), f(rnd.uniform(14, 26)), f(rnd.uniform(-6, 2)), f(rnd.uniform(2, 8)), f(rnd.uniform(8, 14)),
                f(rnd.uniform(-30, -18)), f(rnd.uniform(-2, 6)), rnd.choice(["#6C7A88", "#56636F", "#84919C"])))
    # the slab and the cup
    b.append('<path d="M170 410 L470 410 L490 456 L150 456 Z" fill="url(#slate)" stroke="#2F3A44" stroke-width="2"/>')
    b.append('<rect x="170" y="400" width="300" height="12" rx="3" fill="#8695A3"/>')
    b.append('<rect x="250" y="372" width="140" height="30" rx="5" fill="#6B3E1E" stroke="#3F230F" stroke-width="2"/>')
    b.append('<rect x="290" y="380" width="60" height="14" rx="2" fill="url(#gold2)"/>')
    b.append('<path d="M296 372 L344 372 L336 330 L304 330 Z" fill="url(#gold)" stroke="#8A5410" stroke-width="2"/>')
    b.append('<rect x="300" y="318" width="40" height="14" rx="4" fill="url(#gold)" stroke="#8A5410" stroke-width="2"/>')
    # handles
    b.append('<path d="M232 170 C180 170 180 250 250 270" fill="none" stroke="#C98A1C" stroke-width="14" stroke-linecap="round"/>')
    b.append('<path d="M408 170 C460 170 460 250 390 270" fill="none" stroke="#C98A1C" stroke-width="14" stroke-linecap="round"/>')
    b.append('<path d="M232 170 C190 172 192 244 250 266" fill="none" stroke="#FFE58A" stroke-width="4" stroke-linecap="round"/>')
    b.append('<path d="M408 170 C450 172 448 244 390 266" fill="none" stroke="#FFE58A" stroke-width="4" stroke-linecap="round"/>')
    b.append('<path d="M220 150 L420 150 C420 250 380 310 320 320 C260 310 220 250 220 150 Z" fill="url(#gold)" '
             'stroke="#8A5410" stroke-width="2.5"/>')
    b.append('<ellipse cx="320" cy="150" rx="100" ry="14" fill="#E9B53A" stroke="#8A5410" stroke-width="2.5"/>')
    b.append('<ellipse cx="320" cy="152" rx="88" ry="9" fill="#9C6414"/>')
    # an ammonite badge on the cup
    spiral = []
    for k in range(0, 160):
        t = k / 160 * 3.2 * math.pi
        r = 3 + 5.2 * t
        spiral.append((320 + r * math.cos(t), 228 + r * math.sin(t)))
    b.append('<circle cx="320" cy="228" r="46" fill="#F7D46A" stroke="#8A5410" stroke-width="2"/>')
    b.append(polyline(spiral, "#8A5410", 3))
    for k in range(0, 40):
        t = 0.8 * math.pi + k / 40 * 2.4 * math.pi
        r1, r2 = 3 + 5.2 * (t - 2 * math.pi) if t > 2 * math.pi else 3 + 5.2 * t * 0.55, 3 + 5.2 * t
        b.append('<line x1="%s" y1="%s" x2="%s" y2="%s" stroke="#B07A1E" stroke-width="1.5"/>' % (
            f(320 + r1 * math.cos(t)), f(228 + r1 * math.sin(t)), f(320 + r2 * math.cos(t)), f(228 + r2 * math.sin(t))))
    b.append('<path d="M245 170 C248 230 268 280 300 300" fill="none" stroke="#FFF6CC" stroke-width="7" opacity="0.7" '
             'stroke-linecap="round"/>')
    # a rock hammer and a fossil stone beside the cup
    b.append('<rect x="140" y="330" width="10" height="84" rx="4" fill="#A0642E" stroke="#5E3A18" stroke-width="1.5" '
             'transform="rotate(-25 145 410)"/>')
    b.append('<path d="M150 336 l46 -8 l4 14 l-46 10 Z" fill="#8C96A0" stroke="#4A525A" stroke-width="1.5" '
             'transform="rotate(-25 145 410)"/>')
    b.append('<path d="M470 410 C470 380 500 366 530 372 C560 378 572 398 566 412 Z" fill="#A89B8A" stroke="#6A5E50" '
             'stroke-width="2"/>')
    b.append('<circle cx="518" cy="392" r="12" fill="none" stroke="#6A5E50" stroke-width="2.5"/>'
             '<circle cx="518" cy="392" r="6" fill="none" stroke="#6A5E50" stroke-width="2"/>')
    # confetti and sparkles
    cols = ["#E63946", "#2A9D8F", "#F4A261", "#6A4C93", "#1D7CF2", "#F15BB5", "#FFD400", "#3BB273"]
    for k in range(70):
        x, y = rnd.uniform(10, 630), rnd.uniform(10, 380)
        if 200 < x < 440 and 130 < y < 380:
            continue
        b.append('<rect x="%s" y="%s" width="%s" height="%s" fill="%s" transform="rotate(%s %s %s)"/>' % (
            f(x), f(y), f(rnd.uniform(5, 9)), f(rnd.uniform(3, 5)), rnd.choice(cols), f(rnd.uniform(0, 180)), f(x), f(y)))
    for x, y, r in ((200, 120, 14), (450, 118, 12), (430, 300, 10), (190, 280, 9), (330, 100, 10)):
        b.append(star4(x, y, r, "#FFFFFF"))
    return doc(320, 240, "\n".join(b), defs, W, H)


# --------------------------------------------------------------- fossils
BONE, BONE_EDGE, PAPER = "#F1E6C8", "#7A5A32", "#FBF7EE"


def slab(W, H, cx, cy, rx, ry, seed):
    """The one background of the four fossils: a pale stone slab on paper,
    so the labelling screen reads as one set."""
    defs = rad("stone", [(0, "#EFE9DD"), (1, "#D6CDBD")])
    return defs, ['<rect width="%d" height="%d" fill="%s"/>' % (W, H, PAPER),
                  '<path d="%s" fill="url(#stone)" stroke="#BDB2A0" stroke-width="2"/>' % blob(
                      cx, cy, rx, ry, random.Random(seed), 12, 0.05)]


def bone_shape(x1, y1, x2, y2, end, shaft):
    """A long bone from (x1, y1) to (x2, y2): a slim shaft flaring to ends
    end/2 wide, each end split into two rounded knuckles."""
    L = math.hypot(x2 - x1, y2 - y1)
    ang = math.degrees(math.atan2(y2 - y1, x2 - x1))
    k, w = end / 2, shaft / 2
    side = [(0.03, 0.95 * k), (0.12, 0.75 * k), (0.26, 1.05 * w), (0.5, w), (0.74, 1.05 * w), (0.88, 0.75 * k),
            (0.97, 0.95 * k)]
    pts_ = [(L * t, -y) for t, y in side]
    pts_ += [(L + 0.2 * k, -0.55 * k), (L + 0.05 * k, 0), (L + 0.2 * k, 0.55 * k)]
    pts_ += [(L * t, y) for t, y in reversed(side)]
    pts_ += [(-0.2 * k, 0.55 * k), (-0.05 * k, 0), (-0.2 * k, -0.55 * k)]
    return '<path transform="translate(%s %s) rotate(%s)" d="%s"/>' % (f(x1), f(y1), f(ang), smooth_path(pts_))


def bones():
    """A dinosaur's back leg as found: thigh bone with its ball joint, shin
    and calf bones, ankle, three long foot bones and clawed toes."""
    W, H = 346, 488
    parts = ['<circle cx="130" cy="46" r="21"/>',                 # head of the thigh bone
             bone_shape(146, 44, 188, 200, 56, 26),                # thigh bone
             bone_shape(186, 214, 168, 350, 46, 22),               # shin bone
             bone_shape(214, 222, 200, 344, 18, 9),                # calf bone
             '<ellipse cx="182" cy="368" rx="36" ry="14"/>']       # ankle
    toes = ((160, 382, 128, 432), (182, 384, 182, 440), (204, 382, 236, 430))
    for x1, y1, x2, y2 in toes:
        parts.append(bone_shape(x1, y1, x2, y2, 18, 9))
        dx, dy = (x2 - x1) / 3, (y2 - y1) / 3
        parts.append(bone_shape(x2 + dx * 0.15, y2 + dy * 0.15, x2 + dx, y2 + dy, 14, 8))
    claws = []
    for x1, y1, x2, y2 in toes:
        dx, dy = (x2 - x1) / 3, (y2 - y1) / 3
        bx, by = x2 + dx * 1.1, y2 + dy * 1.1
        ln = math.hypot(dx, dy)
        ux, uy = dx / ln, dy / ln
        tip = (bx + 20 * ux + 4 * uy, by + 20 * uy - 4 * ux)
        claws.append('<path d="M%s %s Q%s %s %s %s Q%s %s %s %s Z" fill="#5E4A32" stroke="%s" stroke-width="1.5"/>' % (
            f(bx - 6 * uy), f(by + 6 * ux), f(bx + 12 * ux + 5 * uy), f(by + 12 * uy - 5 * ux), f(tip[0]), f(tip[1]),
            f(bx + 4 * ux + 8 * uy), f(by + 4 * uy - 8 * ux), f(bx + 6 * uy), f(by - 6 * ux), BONE_EDGE))
    sdefs, body = slab(W, H, 176, 250, 160, 232, 51)
    defs = sdefs + rad("bone", [(0, "#FFF7E2"), (1, "#E3D2AC")], 0.35, 0.35, 0.75) + blur("bshadow", 5)
    body.append('<g fill="#000000" opacity="0.18" filter="url(#bshadow)" transform="translate(6 8)">%s</g>' % "".join(parts))
    body.append('<g fill="%s" stroke="%s" stroke-width="5" stroke-linejoin="round">%s</g>' % (BONE_EDGE, BONE_EDGE, "".join(parts)))
    body.append('<g fill="url(#bone)">%s</g>' % "".join(parts))
    body.append("".join(claws))
    # light down one side of each long bone, a crack and a few marks of age
    body.append('<path d="M150 70 C160 110 170 150 178 186 M180 232 C178 270 174 310 170 336" fill="none" '
                'stroke="#FFFFFF" stroke-width="5" opacity="0.55" stroke-linecap="round"/>')
    body.append('<path d="M178 128 l6 4 l-2 6 l7 5 M190 290 l-6 3 M200 258 l5 2" fill="none" stroke="#A88B60" '
                'stroke-width="1.8"/>')
    return doc(173, 244, "\n".join(body), defs, W, H)


def ammonite():
    """A coiled ammonite shell, ribbed, resting in pale stone."""
    W, H = 472, 488
    cx, cy = 240, 250
    bexp = math.log(2.05) / (2 * math.pi)
    a = 200 / math.exp(bexp * 6 * math.pi)
    r = lambda t: a * math.exp(bexp * t)
    P = lambda t, rr=None: (cx + (rr if rr is not None else r(t)) * math.cos(t), cy + (rr if rr is not None else r(t)) * math.sin(t))
    tmax = 6 * math.pi
    sdefs, body = slab(W, H, cx, cy + 4, 228, 232, 61)
    defs = sdefs + rad("amm", [(0, "#E9C48A"), (0.6, "#C8955A"), (1, "#9A6A38")], 0.45, 0.45, 0.6) + blur("ashadow", 6)
    outer = [P(t) for t in [tmax - 2 * math.pi + k * 2 * math.pi / 160 for k in range(161)]]
    body.append(polygon([(x + 6, y + 8) for x, y in outer], "#000000", extra='opacity="0.18" filter="url(#ashadow)"'))
    body.append(polygon(outer, "url(#amm)", "#6E4620", 3))
    # ribs between one whorl and the next, gently curved forwards
    ribs = []
    t = 0.5
    k = 0
    while t < tmax:
        t_in = t - 2 * math.pi
        r_in = r(t_in) if t_in > 0 else 0.0
        r_out = r(t)
        p0, p2 = P(t, r_in), P(t, r_out)
        mid = P(t + 0.12, (r_in + r_out) / 2)
        w = 2.4 if k % 2 == 0 else 1.4
        ribs.append('<path d="M%s %s Q%s %s %s %s" fill="none" stroke="#7A4E26" stroke-width="%s" opacity="0.8"/>' % (
            f(p0[0]), f(p0[1]), f(mid[0]), f(mid[1]), f(p2[0]), f(p2[1]), f(w * (0.5 + r_out / 200))))
        t += 0.16 if t > 2 * math.pi else 0.3
        k += 1
    body.append("".join(ribs))
    # the spiral seam between whorls, with shadow and highlight
    seam = [P(t) for t in [0.4 + k * (tmax - 2 * math.pi - 0.4) / 400 for k in range(401)]]
    body.append(polyline([(x + 2, y + 2) for x, y in seam], "#5A3818", 4, 'opacity="0.5"'))
    body.append(polyline(seam, "#6E4620", 2.5))
    hl = [P(t, r(t) * 0.9) for t in [tmax - 1.8 * math.pi + k * 0.9 * math.pi / 60 for k in range(61)]]
    body.append(polyline(hl, "#FFF0CF", 5, 'opacity="0.45"'))
    body.append('<circle cx="%s" cy="%s" r="5" fill="#6E4620"/>' % (f(cx), f(cy)))
    return doc(236, 244, "\n".join(body), defs, W, H)


def trilobite():
    """A trilobite seen from above: head shield, body segments and tail."""
    W, H = 488, 472
    cx = 244
    sdefs, body = slab(W, H, cx, 236, 226, 220, 71)
    defs = (sdefs + lin("tri", [(0, "#9C8066"), (0.5, "#7E6450"), (1, "#5E4836")], 0, 0, 1, 0)
            + lin("axis", [(0, "#A88A6C"), (0.5, "#C9AC8C"), (1, "#8A6E55")], 0, 0, 1, 0) + blur("tshadow", 5))
    parts = []
    # head shield with spines sweeping back
    head = ('M%s 150 C%s 60 %s 44 %s 44 C%s 44 %s 60 %s 150 L%s 290 L%s 168 L%s 168 L%s 290 Z' % (
        f(cx - 150), f(cx - 130), f(cx - 60), f(cx), f(cx + 60), f(cx + 130), f(cx + 150), f(cx + 150), f(cx + 120),
        f(cx - 120), f(cx - 150)))
    parts.append('<path d="%s" fill="url(#tri)" stroke="#3A2A1E" stroke-width="3" stroke-linejoin="round"/>' % head)
    # body segments
    n = 11
    for k in range(n):
        y = 166 + k * 18
        half = 118 - k * 5.5
        parts.append('<path d="M%s %s Q%s %s %s %s L%s %s Q%s %s %s %s Q%s %s %s %s L%s %s Q%s %s %s %s Z" '
                     'fill="url(#tri)" stroke="#3A2A1E" stroke-width="2"/>' % (
                         f(cx - half), f(y + 6), f(cx - half * 0.5), f(y - 2), f(cx), f(y), f(cx + half), f(y + 6),
                         f(cx + half + 4), f(y + 18), f(cx + half - 6), f(y + 24), f(cx + half * 0.5), f(y + 16), f(cx),
                         f(y + 18), f(cx - half + 6), f(y + 24), f(cx - half - 4), f(y + 18), f(cx - half), f(y + 6)))
    # tail shield
    ty = 166 + n * 18
    parts.append('<path d="M%s %s Q%s %s %s %s Q%s %s %s %s Z" fill="url(#tri)" stroke="#3A2A1E" stroke-width="2.5"/>' % (
        f(cx - 60), f(ty + 4), f(cx), f(ty + 90), f(cx + 60), f(ty + 4), f(cx), f(ty - 6), f(cx - 60), f(ty + 4)))
    # the raised middle lobe running down the body
    parts.append('<path d="M%s 168 C%s 300 %s 380 %s %s L%s %s C%s 380 %s 300 %s 168 Z" fill="url(#axis)" '
                 'stroke="#3A2A1E" stroke-width="2" opacity="0.95"/>' % (
                     f(cx - 36), f(cx - 32), f(cx - 20), f(cx - 12), f(ty + 40), f(cx + 12), f(ty + 40), f(cx + 20),
                     f(cx + 32), f(cx + 36)))
    for k in range(n + 2):
        y = 176 + k * 18
        hw = 34 - k * 1.8
        parts.append('<path d="M%s %s Q%s %s %s %s" fill="none" stroke="#4A3626" stroke-width="1.6"/>' % (
            f(cx - hw), f(y), f(cx), f(y + 7), f(cx + hw), f(y)))
    # glabella and eyes on the head
    parts.append('<path d="M%s 160 C%s 110 %s 70 %s 70 C%s 70 %s 110 %s 160 Z" fill="url(#axis)" stroke="#3A2A1E" '
                 'stroke-width="2.5"/>' % (f(cx - 40), f(cx - 44), f(cx - 24), f(cx), f(cx + 24), f(cx + 44), f(cx + 40)))
    for s in (-1, 1):
        ex = cx + s * 74
        parts.append('<path d="M%s 120 Q%s 96 %s 126 Q%s 112 %s 120 Z" fill="#3E2E22" stroke="#2A1E14" stroke-width="1.5"/>' % (
            f(ex - s * 16), f(ex), f(ex + s * 18), f(ex), f(ex - s * 16)))
        parts.append('<circle cx="%s" cy="113" r="3" fill="#C9B49A"/>' % f(ex))
    body.append('<g opacity="0.2" filter="url(#tshadow)" transform="translate(6 8)"><path d="%s"/>'
                '<path d="M%s 168 L%s 168 L%s 370 Q%s 440 %s 370 Z"/></g>' % (head, f(cx - 118), f(cx + 118), f(cx + 60), f(cx),
                                                                          f(cx - 60)))
    body.append("".join(parts))
    body.append('<path d="M%s 70 C%s 90 %s 120 %s 150" fill="none" stroke="#E7D5BE" stroke-width="5" opacity="0.5" '
                'stroke-linecap="round"/>' % (f(cx - 10), f(cx - 22), f(cx - 28), f(cx - 30)))
    return doc(244, 236, "\n".join(body), defs, W, H)


def skull():
    """The skull of a long-snouted sea reptile, seen from the side."""
    W, H = 488, 362
    sdefs, body = slab(W, H, 248, 172, 232, 155, 81)
    defs = sdefs + rad("sk", [(0, "#FFF7E2"), (1, "#E3D2AC")], 0.35, 0.35, 0.75) + blur("sshadow", 5)
    upper = ('M40 168 C30 110 70 62 140 56 C200 52 240 80 280 112 C330 146 400 160 462 170 C470 172 472 182 462 186 '
             'L150 200 C100 204 52 200 40 168 Z')
    lower = ('M70 206 C110 214 200 212 300 204 C370 198 430 192 458 192 C462 200 452 206 440 208 C380 218 300 238 '
             '200 250 C140 256 92 246 70 226 Z')
    body.append('<g opacity="0.18" filter="url(#sshadow)" transform="translate(6 10)"><path d="%s"/><path d="%s" '
                'transform="rotate(5 80 212)"/></g>' % (upper, lower))
    upper_teeth, lower_teeth = [], []
    for k in range(10):
        x = 160 + k * 28
        y = 199 - (x - 150) * 13 / 312
        upper_teeth.append(polygon([(x, y - 4), (x + 12, y - 4), (x + 6, y + 16)], "#FFFDF4", BONE_EDGE, 1.5))
        x2 = 172 + k * 27
        y2 = 210 - (x2 - 70) * 16 / 390
        lower_teeth.append(polygon([(x2, y2 + 4), (x2 + 11, y2 + 4), (x2 + 5, y2 - 14)], "#FFFDF4", BONE_EDGE, 1.5))
    body.append('<g transform="rotate(5 80 212)">%s<path d="%s" fill="url(#sk)" stroke="%s" stroke-width="3" '
                'stroke-linejoin="round"/><path d="M90 222 C110 214 140 216 150 226 C140 236 110 238 90 222 Z" '
                'fill="#4A3A2C" stroke="%s" stroke-width="2"/></g>' % ("".join(lower_teeth), lower, BONE_EDGE, BONE_EDGE))
    body.append("".join(upper_teeth))
    body.append('<path d="%s" fill="url(#sk)" stroke="%s" stroke-width="3" stroke-linejoin="round"/>' % (upper, BONE_EDGE))
    # openings: eye socket with its ring of bony plates, skull window, nostril, jaw window
    body.append('<ellipse cx="150" cy="118" rx="42" ry="38" fill="#4A3A2C" stroke="%s" stroke-width="3"/>' % BONE_EDGE)
    for k in range(12):
        a = k * math.pi / 6
        body.append('<path d="M%s %s L%s %s" stroke="#C9B68E" stroke-width="6"/>' % (
            f(150 + 26 * math.cos(a)), f(118 + 24 * math.sin(a)), f(150 + 36 * math.cos(a)), f(118 + 33 * math.sin(a))))
    body.append('<ellipse cx="150" cy="118" rx="24" ry="22" fill="#2E241B"/>')
    body.append('<path d="M62 120 C70 96 92 90 100 104 C104 124 86 142 70 142 C60 140 58 130 62 120 Z" fill="#4A3A2C" '
                'stroke="%s" stroke-width="2.5"/>' % BONE_EDGE)
    body.append('<ellipse cx="232" cy="110" rx="16" ry="7" fill="#4A3A2C" stroke="%s" stroke-width="2" '
                'transform="rotate(28 232 110)"/>' % BONE_EDGE)
    # seams between the skull bones
    body.append('<path d="M196 76 C206 110 210 150 206 196 M110 156 C150 170 200 176 250 180 M300 140 C310 160 312 180 '
                '306 198" fill="none" stroke="#A88B60" stroke-width="1.6" opacity="0.8"/>')
    body.append('<path d="M90 80 C120 64 170 62 210 78" fill="none" stroke="#FFFFFF" stroke-width="5" opacity="0.6" '
                'stroke-linecap="round"/>')
    return doc(244, 181, "\n".join(body), defs, W, H)


PICTURES = {"talyllynsm": trophy_scene, "bones": bones, "ammonite": ammonite, "trilobite": trilobite, "skull": skull,
            "science": science, "sciencesm": science_small, "stairholesm": cliff, "insideearth": inside_earth, "cave": cave, "cavesm": cave_small}


def main(out_dir, only=None):
    os.makedirs(out_dir, exist_ok=True)
    for name, fn in PICTURES.items():
        if only and name not in only:
            continue
        with open(os.path.join(out_dir, name + ".svg"), "w") as fh:
            fh.write(fn())


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
