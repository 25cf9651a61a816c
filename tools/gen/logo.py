"""The publisher's logo: a quill dipping into a little lake (a mere). The
still logo puts it over the name; the animation is a round badge of the
quill alone, so the two on the acknowledgments page do not repeat each
other. Writes the still logo and the twenty frames of the animation as SVG;
make-resources.sh turns them into BMP and GIF files."""
import math
import os
import sys

from svgkit import doc, f, lin

INK, VANE, VANE2, LAKE = "#4B2A7B", "#8A63C9", "#B79AE6", "#3C8DD8"
PAGE_BLUE = "#3182D4"  # the acknowledgments page, RGB(49, 130, 212)


def quill(nx, ny, length, angle_deg):
    """A feather whose nib touches (nx, ny), leaning angle_deg from upright."""
    L = length
    vane = ("M0 %s C%s %s %s %s %s %s C%s %s %s %s 0 %s C%s %s %s %s %s %s C%s %s %s %s 0 %s Z" % (
        f(-L * 0.22), f(L * 0.10), f(-L * 0.40), f(L * 0.17), f(-L * 0.70), f(L * 0.05), f(-L * 1.0),
        f(L * 0.02), f(-L * 0.75), f(L * 0.03), f(-L * 0.45), f(-L * 0.22),
        f(-L * 0.12), f(-L * 0.45), f(-L * 0.16), f(-L * 0.75), f(-L * 0.05), f(-L * 1.0),
        f(-L * 0.14), f(-L * 0.65), f(-L * 0.07), f(-L * 0.38), f(-L * 0.22)))
    notches = "".join('<path d="M%s %s l%s %s" stroke="#FFFFFF" stroke-width="%s" opacity="0.7"/>' % (
        f(s * L * 0.02), f(-L * t), f(s * L * 0.1), f(-L * 0.05), f(L * 0.012))
        for s, t in ((1, 0.5), (1, 0.68), (-1, 0.58), (-1, 0.8)))
    g = ('<path d="%s" fill="url(#vane)" stroke="%s" stroke-width="%s" stroke-linejoin="round"/>%s'
         '<path d="M0 0 C%s %s %s %s %s %s" fill="none" stroke="%s" stroke-width="%s" stroke-linecap="round"/>'
         '<path d="M%s %s L0 0 L%s %s Z" fill="#2A2A36"/>') % (
        vane, INK, f(L * 0.018), notches, f(L * 0.01), f(-L * 0.4), f(L * 0.02), f(-L * 0.7), f(L * 0.04),
        f(-L * 0.95), INK, f(L * 0.022), f(-L * 0.025), f(-L * 0.12), f(L * 0.025), f(-L * 0.12))
    return '<g transform="translate(%s %s) rotate(%s)">%s</g>' % (f(nx), f(ny), f(angle_deg), g)


def lake(cx, cy, rx, ry, ripples):
    out = ['<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="url(#lake)"/>' % (f(cx), f(cy), f(rx), f(ry))]
    for r, op in ripples:
        out.append('<ellipse cx="%s" cy="%s" rx="%s" ry="%s" fill="none" stroke="#FFFFFF" stroke-width="1.2" '
                   'opacity="%s"/>' % (f(cx), f(cy), f(r), f(r * ry / rx), f(op)))
    return "".join(out)


DEFS = (lin("vane", [(0, VANE2), (0.5, VANE), (1, INK)], 0, 0, 1, 0)
        + lin("lake", [(0, "#7CC0F2"), (1, LAKE)]))


def name(cx, y1, y2, size1, size2):
    return ('<text x="%s" y="%s" text-anchor="middle" font-family="Liberation Serif" font-weight="bold" '
            'font-size="%s" fill="%s">Quillmere</text>'
            '<text x="%s" y="%s" text-anchor="middle" font-family="Liberation Sans" font-weight="bold" '
            'font-size="%s" letter-spacing="%s" fill="#3A6EA5">PUBLISHING</text>') % (
        f(cx), f(y1), f(size1), INK, f(cx), f(y2), f(size2), f(size2 * 0.18))


def still():
    body = ('<rect width="120" height="89" fill="#FFF9EC"/>'
            '<rect x="1.5" y="1.5" width="117" height="86" rx="8" fill="none" stroke="%s" stroke-width="2"/>' % INK
            + lake(48, 50, 22, 5, [(10, 0.8), (16, 0.5)]) + quill(48, 49, 46, 32)
            + name(60, 72, 83, 21, 8.5))
    return doc(120, 89, body, DEFS)


def frame(k, n=20):
    """Frame k of the animated badge. The program shows a frame every 25 ms,
    so the loop lasts half a second: the quill only sways a degree or two and
    the rings on the lake breathe, which reads as a calm movement. The badge
    has no name under it, unlike the still logo below it, and sits inside a
    margin of the page's own blue."""
    phase = 2 * math.pi * k / n
    angle = 30 + 1.5 * math.sin(phase)
    ripples = [(9 + 1.2 * math.sin(phase), 0.8), (15 + 1.2 * math.sin(phase + 1.2), 0.55),
               (21 + 1.2 * math.sin(phase + 2.4), 0.3)]
    body = ('<rect width="120" height="120" fill="%s"/>' % PAGE_BLUE
            + '<circle cx="60" cy="60" r="50" fill="#FFF9EC" stroke="%s" stroke-width="2.5"/>' % INK
            + '<circle cx="60" cy="60" r="44" fill="none" stroke="%s" stroke-width="1" opacity="0.5"/>' % VANE
            + lake(58, 80, 30, 7, ripples) + quill(58, 78 + 0.4 * math.sin(phase), 62, angle))
    return doc(120, 120, body, DEFS)


def main(out_dir):
    os.makedirs(out_dir, exist_ok=True)
    with open(os.path.join(out_dir, "quillmere2.svg"), "w") as fh:
        fh.write(still())
    for k in range(20):
        with open(os.path.join(out_dir, "quillmere%04d.svg" % k), "w") as fh:
            fh.write(frame(k))


if __name__ == "__main__":
    main(sys.argv[1])
