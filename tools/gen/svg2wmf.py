"""Converts a plain SVG drawing into a placeable Windows Metafile.

Understands the SVG the page generator writes and the small drawings it
includes: rect, circle, ellipse, line, polyline, polygon, path (all
commands, arcs included), single-line text, groups and transforms, solid
fills and strokes (dashes are cut into short lines). Curves are flattened
to polygons; text stays text (EXTTEXTOUT records), so the metafile plays
as vectors at any size.

One SVG pixel is 15 twips; the metafile's logical unit is the twip
(1440 units per inch) and its frame is the SVG's viewBox.
"""
import math
import re
import struct
import xml.etree.ElementTree as ET

import fontmetrics

TWIPS = 15
SVG_NS = "{http://www.w3.org/2000/svg}"

NAMED = {"black": (0, 0, 0), "white": (255, 255, 255), "red": (255, 0, 0), "blue": (0, 0, 255),
         "green": (0, 128, 0), "yellow": (255, 255, 0), "grey": (128, 128, 128), "gray": (128, 128, 128)}


def parse_colour(v):
    v = (v or "").strip()
    if not v or v == "none":
        return None
    if v.startswith("#"):
        h = v[1:]
        if len(h) == 3:
            h = "".join(c * 2 for c in h)
        return tuple(int(h[i:i + 2], 16) for i in (0, 2, 4))
    m = re.match(r"rgb\((\d+),\s*(\d+),\s*(\d+)\)", v)
    if m:
        return tuple(int(x) for x in m.groups())
    if v in NAMED:
        return NAMED[v]
    raise ValueError("colour not understood: %r" % v)


# ----------------------------------------------------------------- geometry
def mat_mul(a, b):
    return (a[0] * b[0] + a[2] * b[1], a[1] * b[0] + a[3] * b[1],
            a[0] * b[2] + a[2] * b[3], a[1] * b[2] + a[3] * b[3],
            a[0] * b[4] + a[2] * b[5] + a[4], a[1] * b[4] + a[3] * b[5] + a[5])


IDENTITY = (1.0, 0.0, 0.0, 1.0, 0.0, 0.0)


def parse_transform(s):
    m = IDENTITY
    for name, args in re.findall(r"(\w+)\s*\(([^)]*)\)", s or ""):
        a = [float(x) for x in re.split(r"[\s,]+", args.strip()) if x]
        if name == "translate":
            t = (1, 0, 0, 1, a[0], a[1] if len(a) > 1 else 0.0)
        elif name == "scale":
            t = (a[0], 0, 0, a[1] if len(a) > 1 else a[0], 0, 0)
        elif name == "rotate":
            r = math.radians(a[0])
            c, s_ = math.cos(r), math.sin(r)
            t = (c, s_, -s_, c, 0, 0)
            if len(a) == 3:
                t = mat_mul(mat_mul((1, 0, 0, 1, a[1], a[2]), t), (1, 0, 0, 1, -a[1], -a[2]))
        elif name == "matrix":
            t = tuple(a)
        else:
            raise ValueError("transform not understood: " + name)
        m = mat_mul(m, t)
    return m


def apply(m, p):
    return (m[0] * p[0] + m[2] * p[1] + m[4], m[1] * p[0] + m[3] * p[1] + m[5])


def cubic(p0, p1, p2, p3):
    length = math.dist(p0, p1) + math.dist(p1, p2) + math.dist(p2, p3)
    n = max(2, min(64, int(length / 3)))
    out = []
    for k in range(1, n + 1):
        t = k / n
        u = 1 - t
        out.append((u ** 3 * p0[0] + 3 * u * u * t * p1[0] + 3 * u * t * t * p2[0] + t ** 3 * p3[0],
                    u ** 3 * p0[1] + 3 * u * u * t * p1[1] + 3 * u * t * t * p2[1] + t ** 3 * p3[1]))
    return out


def quad(p0, p1, p2):
    c1 = (p0[0] + 2 / 3 * (p1[0] - p0[0]), p0[1] + 2 / 3 * (p1[1] - p0[1]))
    c2 = (p2[0] + 2 / 3 * (p1[0] - p2[0]), p2[1] + 2 / 3 * (p1[1] - p2[1]))
    return cubic(p0, c1, c2, p2)


def arc(p0, rx, ry, phi, large, sweep, p1):
    """SVG elliptical arc from p0 to p1, flattened (endpoint to centre form)."""
    if p0 == p1:
        return []
    if rx == 0 or ry == 0:
        return [p1]
    rx, ry = abs(rx), abs(ry)
    c, s = math.cos(math.radians(phi)), math.sin(math.radians(phi))
    dx, dy = (p0[0] - p1[0]) / 2, (p0[1] - p1[1]) / 2
    x1, y1 = c * dx + s * dy, -s * dx + c * dy
    lam = x1 * x1 / (rx * rx) + y1 * y1 / (ry * ry)
    if lam > 1:
        rx, ry = rx * math.sqrt(lam), ry * math.sqrt(lam)
    num = rx * rx * ry * ry - rx * rx * y1 * y1 - ry * ry * x1 * x1
    den = rx * rx * y1 * y1 + ry * ry * x1 * x1
    k = math.sqrt(max(0.0, num / den)) * (-1 if large == sweep else 1)
    cx1, cy1 = k * rx * y1 / ry, -k * ry * x1 / rx
    cx = c * cx1 - s * cy1 + (p0[0] + p1[0]) / 2
    cy = s * cx1 + c * cy1 + (p0[1] + p1[1]) / 2
    a0 = math.atan2((y1 - cy1) / ry, (x1 - cx1) / rx)
    a1 = math.atan2((-y1 - cy1) / ry, (-x1 - cx1) / rx)
    da = a1 - a0
    if sweep and da < 0:
        da += 2 * math.pi
    elif not sweep and da > 0:
        da -= 2 * math.pi
    n = max(2, int(abs(da) * max(rx, ry) / 3))
    out = []
    for i in range(1, n + 1):
        a = a0 + da * i / n
        ex, ey = rx * math.cos(a), ry * math.sin(a)
        out.append((cx + c * ex - s * ey, cy + s * ex + c * ey))
    return out


def path_points(d):
    """Parses path data into a list of (points, closed) subpaths."""
    tokens = re.findall(r"[MmLlHhVvCcSsQqTtAaZz]|[-+]?(?:\d+\.?\d*|\.\d+)(?:[eE][-+]?\d+)?", d)
    subs, cur, pos, start = [], None, (0.0, 0.0), (0.0, 0.0)
    last_c = last_q = None
    i, cmd = 0, None

    def num():
        nonlocal i
        v = float(tokens[i])
        i += 1
        return v
    while i < len(tokens):
        if re.match(r"[A-Za-z]", tokens[i]):
            cmd = tokens[i]
            i += 1
            if cmd in "Zz":
                if cur:
                    subs.append((cur, True))
                cur, pos = None, start
                last_c = last_q = None
                continue
        rel = cmd.islower()
        ox, oy = pos if rel else (0.0, 0.0)
        C = cmd.upper()
        if C == "M":
            if cur:
                subs.append((cur, False))
            pos = (ox + num(), oy + num())
            start, cur = pos, [pos]
            cmd = "l" if rel else "L"
            last_c = last_q = None
            continue
        if cur is None:
            cur = [pos]
        if C == "L":
            pos = (ox + num(), oy + num())
            cur.append(pos)
            last_c = last_q = None
        elif C == "H":
            pos = (ox + num() if rel else num(), pos[1])
            cur.append(pos)
            last_c = last_q = None
        elif C == "V":
            pos = (pos[0], oy + num() if rel else num())
            cur.append(pos)
            last_c = last_q = None
        elif C == "C":
            p1 = (ox + num(), oy + num())
            p2 = (ox + num(), oy + num())
            p3 = (ox + num(), oy + num())
            cur += cubic(pos, p1, p2, p3)
            pos, last_c, last_q = p3, p2, None
        elif C == "S":
            p1 = (2 * pos[0] - last_c[0], 2 * pos[1] - last_c[1]) if last_c else pos
            p2 = (ox + num(), oy + num())
            p3 = (ox + num(), oy + num())
            cur += cubic(pos, p1, p2, p3)
            pos, last_c, last_q = p3, p2, None
        elif C == "Q":
            p1 = (ox + num(), oy + num())
            p2 = (ox + num(), oy + num())
            cur += quad(pos, p1, p2)
            pos, last_q, last_c = p2, p1, None
        elif C == "T":
            p1 = (2 * pos[0] - last_q[0], 2 * pos[1] - last_q[1]) if last_q else pos
            p2 = (ox + num(), oy + num())
            cur += quad(pos, p1, p2)
            pos, last_q, last_c = p2, p1, None
        elif C == "A":
            rx, ry, phi, large, sweep = num(), num(), num(), num(), num()
            p = (ox + num(), oy + num())
            cur += arc(pos, rx, ry, phi, int(large), int(sweep), p)
            pos = p
            last_c = last_q = None
        else:
            raise ValueError("path command not understood: " + cmd)
    if cur and len(cur) > 1:
        subs.append((cur, False))
    return subs


def ellipse_points(cx, cy, rx, ry):
    n = max(24, min(120, int(2 * math.pi * max(rx, ry) / 3)))
    return [(cx + rx * math.cos(2 * math.pi * k / n), cy + ry * math.sin(2 * math.pi * k / n)) for k in range(n)]


def round_rect(x, y, w, h, rx, ry):
    rx, ry = min(rx, w / 2), min(ry, h / 2)
    if rx <= 0 or ry <= 0:
        return [(x, y), (x + w, y), (x + w, y + h), (x, y + h)]
    pts = []
    for cx, cy, a0 in ((x + w - rx, y + ry, -90), (x + w - rx, y + h - ry, 0), (x + rx, y + h - ry, 90), (x + rx, y + ry, 180)):
        for k in range(9):
            a = math.radians(a0 + 90 * k / 8)
            pts.append((cx + rx * math.cos(a), cy + ry * math.sin(a)))
    return pts


def dashed(points, closed, pattern):
    """Cuts a polyline into dashes: a list of open polylines."""
    if closed:
        points = points + [points[0]]
    out, on, idx, left = [], True, 0, pattern[0]
    cur = [points[0]]
    for a, b in zip(points, points[1:]):
        seg = math.dist(a, b)
        t = 0.0
        while seg - t > left:
            t += left
            p = (a[0] + (b[0] - a[0]) * t / seg, a[1] + (b[1] - a[1]) * t / seg)
            if on:
                cur.append(p)
                out.append(cur)
            cur = [p]
            on = not on
            idx = (idx + 1) % len(pattern)
            left = pattern[idx]
        left -= seg - t
        if on:
            cur.append(b)
        else:
            cur = [b]
    if on and len(cur) > 1:
        out.append(cur)
    return out


# ------------------------------------------------------------------ writer
class Wmf:
    """Collects records; keeps at most one pen, brush and font alive."""

    def __init__(self, width_px, height_px):
        self.w, self.h = int(round(width_px * TWIPS)), int(round(height_px * TWIPS))
        self.records = []
        self.slots = []          # which object slots are in use
        self.max_slots = 0
        self.current = {}        # kind -> (key, slot)
        self.text_colour = None
        self.fill_mode = 2
        self.rec(0x0103, 8)                      # SETMAPMODE MM_ANISOTROPIC
        self.rec(0x020B, 0, 0)                   # SETWINDOWORG y, x
        self.rec(0x020C, self.h, self.w)         # SETWINDOWEXT y, x
        self.rec(0x0102, 1)                      # SETBKMODE TRANSPARENT
        self.rec(0x012E, 24)                     # SETTEXTALIGN TA_BASELINE | TA_LEFT
        self.rec(0x0106, 2)                      # SETPOLYFILLMODE WINDING

    def rec(self, fn, *words, raw=b""):
        body = struct.pack("<%dh" % len(words), *words) + raw
        if len(body) % 2:
            body += b"\0"
        self.records.append(struct.pack("<IH", 3 + len(body) // 2, fn) + body)

    def _select(self, kind, key, create):
        cur = self.current.get(kind)
        if cur and cur[0] == key:
            return
        slot = 0
        while slot < len(self.slots) and self.slots[slot]:
            slot += 1
        if slot == len(self.slots):
            self.slots.append(False)
        self.slots[slot] = True
        self.max_slots = max(self.max_slots, len(self.slots))
        create()
        self.rec(0x012D, slot)                   # SELECTOBJECT
        if cur:
            self.rec(0x01F0, cur[1])             # DELETEOBJECT the one it replaced
            self.slots[cur[1]] = False
        self.current[kind] = (key, slot)

    @staticmethod
    def colorref(c):
        return struct.pack("<BBBB", c[0], c[1], c[2], 0)

    def pen(self, colour, width):
        key = (colour, width)

        def create():
            if colour is None:
                self.rec(0x02FA, raw=struct.pack("<Hhh", 5, 0, 0) + b"\0\0\0\0")      # PS_NULL
            else:
                self.rec(0x02FA, raw=struct.pack("<Hhh", 0, max(1, width), 0) + self.colorref(colour))
        self._select("pen", key, create)

    def brush(self, colour):
        def create():
            if colour is None:
                self.rec(0x02FC, raw=struct.pack("<H", 1) + b"\0\0\0\0" + struct.pack("<H", 0))   # BS_NULL
            else:
                self.rec(0x02FC, raw=struct.pack("<H", 0) + self.colorref(colour) + struct.pack("<H", 0))
        self._select("brush", colour, create)

    def font(self, size_twips, bold, italic, face):
        key = (size_twips, bold, italic, face)

        def create():
            name = face.encode("cp1252")[:31] + b"\0"
            pitch = 0x12 if face == "Times New Roman" else 0x22       # VARIABLE_PITCH | FF_ROMAN or FF_SWISS
            raw = struct.pack("<hhhhhBBBBBBBB", -size_twips, 0, 0, 0, 700 if bold else 400, 1 if italic else 0,
                              0, 0, 0, 0, 0, 0, pitch) + name
            self.rec(0x02FB, raw=raw)
        self._select("font", key, create)

    @staticmethod
    def pts(points):
        return b"".join(struct.pack("<hh", int(round(x * TWIPS)), int(round(y * TWIPS))) for x, y in points)

    def polygon(self, points):
        self.rec(0x0324, len(points), raw=self.pts(points))

    def polypolygon(self, polys):
        self.rec(0x0538, len(polys), *[len(p) for p in polys], raw=b"".join(self.pts(p) for p in polys))

    def polyline(self, points):
        self.rec(0x0325, len(points), raw=self.pts(points))

    def text(self, x, y, s, colour, advances):
        """EXTTEXTOUT with a dx array (advances in px), so every player puts
        each character where the layout measured it."""
        if colour != self.text_colour:
            self.rec(0x0209, raw=self.colorref(colour))     # SETTEXTCOLOR
            self.text_colour = colour
        data = s.encode("cp1252")
        dx, pos, done = [], 0.0, 0
        for a in advances:
            pos += a * TWIPS
            dx.append(int(round(pos)) - done)
            done += dx[-1]
        padded = data + (b"\0" if len(data) % 2 else b"")
        self.rec(0x0A32, int(round(y * TWIPS)), int(round(x * TWIPS)), len(data), 0,
                 raw=padded + struct.pack("<%dh" % len(dx), *dx))

    def bytes(self):
        self.rec(0x0000)                                   # EOF
        body = b"".join(self.records)
        max_rec = max(len(r) // 2 for r in self.records)
        header = struct.pack("<HHHIHIH", 1, 9, 0x0300, 9 + len(body) // 2, self.max_slots, max_rec, 0)
        words = struct.unpack("<10H", struct.pack("<IHhhhhHI", 0x9AC6CDD7, 0, 0, 0, self.w, self.h, 1440, 0))
        check = 0
        for wd in words:
            check ^= wd
        placeable = struct.pack("<IHhhhhHIH", 0x9AC6CDD7, 0, 0, 0, self.w, self.h, 1440, 0, check)
        return placeable + header + body


# --------------------------------------------------------------- the walk
INHERITED = ("fill", "stroke", "stroke-width", "font-size", "font-family", "font-weight", "font-style",
             "text-anchor", "stroke-dasharray", "fill-rule")


def convert(svg_text):
    root = ET.fromstring(svg_text)
    vb = [float(v) for v in root.get("viewBox").split()]
    wmf = Wmf(vb[2], vb[3])
    base = (1, 0, 0, 1, -vb[0], -vb[1])
    style = {"fill": "#000000", "stroke": "none", "stroke-width": "1", "font-size": "16", "font-family": "Arial",
             "font-weight": "normal", "font-style": "normal", "text-anchor": "start", "stroke-dasharray": "none",
             "fill-rule": "nonzero"}
    walk(root, base, style, wmf)
    return wmf.bytes()


def walk(el, m, style, wmf):
    for child in el:
        tag = child.tag.replace(SVG_NS, "")
        if tag in ("defs", "title", "desc", "metadata"):
            continue
        if child.get("opacity") not in (None, "1") or child.get("fill-opacity") or child.get("filter"):
            raise ValueError("transparency cannot go into a metafile: <%s>" % tag)
        st = dict(style)
        for k in INHERITED:
            if child.get(k) is not None:
                st[k] = child.get(k)
        cm = mat_mul(m, parse_transform(child.get("transform")))
        if tag == "g":
            walk(child, cm, st, wmf)
        elif tag == "text":
            draw_text(child, cm, st, wmf)
        else:
            subs = shape(tag, child)
            draw_shape(subs, cm, st, wmf)


def num(el, name, default=0.0):
    v = el.get(name)
    return float(v) if v is not None else default


def shape(tag, el):
    if tag == "rect":
        x, y, w, h = num(el, "x"), num(el, "y"), num(el, "width"), num(el, "height")
        rx = num(el, "rx", num(el, "ry", 0))
        ry = num(el, "ry", rx)
        return [(round_rect(x, y, w, h, rx, ry), True)]
    if tag == "circle":
        r = num(el, "r")
        return [(ellipse_points(num(el, "cx"), num(el, "cy"), r, r), True)]
    if tag == "ellipse":
        return [(ellipse_points(num(el, "cx"), num(el, "cy"), num(el, "rx"), num(el, "ry")), True)]
    if tag == "line":
        return [([(num(el, "x1"), num(el, "y1")), (num(el, "x2"), num(el, "y2"))], False)]
    if tag in ("polyline", "polygon"):
        v = [float(t) for t in re.split(r"[\s,]+", el.get("points").strip()) if t]
        return [(list(zip(v[0::2], v[1::2])), tag == "polygon")]
    if tag == "path":
        return path_points(el.get("d"))
    raise ValueError("element not understood: <%s>" % tag)


def scale_of(m):
    return math.sqrt(abs(m[0] * m[3] - m[1] * m[2]))


def draw_shape(subs, m, st, wmf):
    fill = parse_colour(st["fill"])
    stroke = parse_colour(st["stroke"])
    width = int(round(float(st["stroke-width"]) * scale_of(m) * TWIPS))
    subs = [([apply(m, p) for p in pts], closed) for pts, closed in subs if len(pts) > 1]
    if not subs:
        return
    mode = 1 if st["fill-rule"] == "evenodd" else 2          # ALTERNATE or WINDING
    if mode != wmf.fill_mode:
        wmf.rec(0x0106, mode)
        wmf.fill_mode = mode
    dash = st["stroke-dasharray"]
    if fill is not None:
        polys = [pts for pts, _ in subs if len(pts) > 2]
        outline_in_fill = stroke is not None and dash == "none" and all(c for _, c in subs)
        wmf.pen(stroke if outline_in_fill else None, width)
        wmf.brush(fill)
        if len(polys) == 1:
            wmf.polygon(polys[0])
        elif polys:
            wmf.polypolygon(polys)
        if outline_in_fill:
            return
    if stroke is None:
        return
    wmf.pen(stroke, width)
    for pts, closed in subs:
        if dash != "none":
            pattern = [float(v) * scale_of(m) for v in re.split(r"[\s,]+", dash.strip())]
            for piece in dashed(pts, closed, pattern):
                wmf.polyline(piece)
        else:
            wmf.polyline(pts + [pts[0]] if closed else pts)


def draw_text(el, m, st, wmf):
    if abs(m[1]) > 1e-6 or abs(m[2]) > 1e-6:
        raise ValueError("rotated text is not supported")
    s = " ".join("".join(el.itertext()).split())
    if not s:
        return
    size = float(st["font-size"]) * scale_of(m)
    bold = st["font-weight"] in ("bold", "700", "800", "900")
    italic = st["font-style"] == "italic"
    face = st["font-family"].split(",")[0].strip().strip("'\"")
    x, y = apply(m, (num(el, "x"), num(el, "y")))
    w = fontmetrics.text_width(s, size, bold)
    if st["text-anchor"] == "middle":
        x -= w / 2
    elif st["text-anchor"] == "end":
        x -= w
    colour = parse_colour(st["fill"]) or (0, 0, 0)
    wmf.font(int(round(size * TWIPS)), bold, italic, face)
    wmf.text(x, y, s, colour, [fontmetrics.text_width(c, size, bold) for c in s])


if __name__ == "__main__":
    import sys
    data = convert(open(sys.argv[1], encoding="utf-8").read())
    open(sys.argv[2], "wb").write(data)
