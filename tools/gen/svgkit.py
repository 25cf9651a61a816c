"""Small helpers for writing SVG drawings by program."""
import math
import random


def f(v):
    s = "%.1f" % v
    return s[:-2] if s.endswith(".0") else s


def pts(points):
    return " ".join("%s,%s" % (f(x), f(y)) for x, y in points)


def doc(w, h, body, defs="", vw=None, vh=None):
    vw, vh = vw or w, vh or h
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %s %s">\n'
            '<defs>%s</defs>\n%s\n</svg>\n' % (w, h, f(vw), f(vh), defs, body))


def lin(id_, stops, x1=0, y1=0, x2=0, y2=1, units=None):
    u = ' gradientUnits="userSpaceOnUse"' if units else ""
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (o, c, (' stop-opacity="%s"' % a) if a is not None else "")
                for o, c, *rest in stops for a in [rest[0] if rest else None])
    return '<linearGradient id="%s" x1="%s" y1="%s" x2="%s" y2="%s"%s>%s</linearGradient>' % (
        id_, f(x1), f(y1), f(x2), f(y2), u, s)


def rad(id_, stops, cx=0.5, cy=0.5, r=0.5, fx=None, fy=None, units=None):
    u = ' gradientUnits="userSpaceOnUse"' if units else ""
    fx = cx if fx is None else fx
    fy = cy if fy is None else fy
    s = "".join('<stop offset="%s" stop-color="%s"%s/>' % (o, c, (' stop-opacity="%s"' % a) if a is not None else "")
                for o, c, *rest in stops for a in [rest[0] if rest else None])
    return '<radialGradient id="%s" cx="%s" cy="%s" r="%s" fx="%s" fy="%s"%s>%s</radialGradient>' % (
        id_, f(cx), f(cy), f(r), f(fx), f(fy), u, s)


def blur(id_, sd):
    return ('<filter id="%s" x="-50%%" y="-50%%" width="200%%" height="200%%">'
            '<feGaussianBlur stdDeviation="%s"/></filter>' % (id_, f(sd)))


def polygon(points, fill, stroke=None, sw=1, extra=""):
    st = ' stroke="%s" stroke-width="%s" stroke-linejoin="round"' % (stroke, f(sw)) if stroke else ""
    return '<polygon points="%s" fill="%s"%s %s/>' % (pts(points), fill, st, extra)


def polyline(points, stroke, sw=1, extra=""):
    return ('<polyline points="%s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round" '
            'stroke-linejoin="round" %s/>' % (pts(points), stroke, f(sw), extra))


def smooth_path(points, closed=True):
    """Catmull-Rom spline through the points as cubic Bezier path data."""
    n = len(points)
    if n < 3:
        return "M" + " L".join("%s %s" % (f(x), f(y)) for x, y in points)
    d = "M%s %s" % (f(points[0][0]), f(points[0][1]))
    rng = range(n) if closed else range(n - 1)
    for i in rng:
        p0 = points[(i - 1) % n] if closed or i > 0 else points[0]
        p1 = points[i]
        p2 = points[(i + 1) % n]
        p3 = points[(i + 2) % n] if closed or i + 2 < n else points[-1]
        c1 = (p1[0] + (p2[0] - p0[0]) / 6, p1[1] + (p2[1] - p0[1]) / 6)
        c2 = (p2[0] - (p3[0] - p1[0]) / 6, p2[1] - (p3[1] - p1[1]) / 6)
        d += " C%s %s %s %s %s %s" % (f(c1[0]), f(c1[1]), f(c2[0]), f(c2[1]), f(p2[0]), f(p2[1]))
    return d + (" Z" if closed else "")


def blob(cx, cy, rx, ry, rnd, n=10, jitter=0.15):
    pts_ = []
    for k in range(n):
        a = 2 * math.pi * k / n
        j = 1 + rnd.uniform(-jitter, jitter)
        pts_.append((cx + rx * j * math.cos(a), cy + ry * j * math.sin(a)))
    return smooth_path(pts_)


def cloud(cx, cy, s, fill="#ffffff", opacity=0.95):
    parts = [(-0.9, 0.15, 0.55), (-0.35, -0.2, 0.7), (0.3, -0.3, 0.8), (0.9, 0.05, 0.6), (0.0, 0.2, 0.7)]
    circles = "".join('<circle cx="%s" cy="%s" r="%s"/>' % (f(cx + dx * s), f(cy + dy * s), f(r * s)) for dx, dy, r in parts)
    return '<g fill="%s" opacity="%s">%s<rect x="%s" y="%s" width="%s" height="%s" rx="%s"/></g>' % (
        fill, opacity, circles, f(cx - 1.3 * s), f(cy), f(2.6 * s), f(0.55 * s), f(0.27 * s))


def star4(cx, cy, r, fill):
    k = r * 0.28
    return polygon([(cx, cy - r), (cx + k, cy - k), (cx + r, cy), (cx + k, cy + k), (cx, cy + r),
                    (cx - k, cy + k), (cx - r, cy), (cx - k, cy - k)], fill)
