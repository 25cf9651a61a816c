"""Lays out the program's text pages and writes each one twice as a
Windows Metafile: resources/wmf/<name>.wmf for the screen (landscape, light
on the dark blue screen) and resources/wmf2/<name>.wmf for printing
(portrait, dark on white).

A page source (tools/content/pages/<name>.txt) looks like this:

    title: Key Facts: The Science of Rocks
    columns: 2            (on screen; "print-columns:" for paper)
    footer: Terralore - Key Facts

    [Card heading]
    A paragraph; lines next to each other join up. **Bold** words work.
    - a bullet point
    1. a numbered step
    @art rockcycle        (a drawing from tools/content/pages/art/rockcycle.svg)
    @column               (go on in the next column)
    @keep-clear X Y       (screen copy: nothing right of X and below Y px)

Cards flow down the first column, then the next. A page whose text does
not fit is an error, never silently cut.
"""
import os
import re
import sys
import xml.etree.ElementTree as ET

import fontmetrics
import svg2wmf

SVG_NS = "{http://www.w3.org/2000/svg}"
ET.register_namespace("", "http://www.w3.org/2000/svg")


class Mode:
    def __init__(self, **kw):
        self.__dict__.update(kw)


SCREEN = Mode(name="screen", W=784, H=520, left=12, right=12, title_y=36, title_size=26, title_colour="#FFE066",
              title_max_x=690, rule_y=50, rule_colour="#7F9FE0", top=60, bottom=514, gap=12, card_gap=10,
              card_fill="#34509F", card_edge="#8FAEEA", card_edge_w=1.5, radius=10, pad=10,
              head_size=18, head_colour="#FFE27A", body_size=16, body_colour="#FFFFFF", line=20,
              bullet_colour="#FFE27A", para_gap=4, background=None, footer_size=0, footer_colour=None)
PRINT = Mode(name="print", W=640, H=866, left=36, right=36, title_y=52, title_size=24, title_colour="#1B2F6E",
             title_max_x=604, rule_y=64, rule_colour="#1B2F6E", top=78, bottom=826, gap=14, card_gap=10,
             card_fill="#F1F4FA", card_edge="#6C7FB8", card_edge_w=1.2, radius=8, pad=9,
             head_size=16.5, head_colour="#1B2F6E", body_size=15, body_colour="#111111", line=19.5,
             bullet_colour="#1B2F6E", para_gap=5, background="#FFFFFF", footer_size=12, footer_colour="#444444")

BULLET = "\u2022"


def esc(s):
    return s.replace("&", "&amp;").replace("<", "&lt;").replace(">", "&gt;")


def fmt(v):
    return ("%.2f" % v).rstrip("0").rstrip(".")


# ------------------------------------------------------------------ parse
def parse(path):
    meta, cards, cur, para = {}, [], None, None
    for raw in open(path, encoding="utf-8"):
        line = raw.rstrip()
        if line.startswith("#"):
            continue
        if cur is None and re.match(r"^[a-z-]+:\s", line):
            k, v = line.split(":", 1)
            meta[k.strip()] = v.strip()
            continue
        if not line.strip():
            para = None
            continue
        m = re.match(r"^\[(.+)\]$", line.strip())
        if m:
            cur = {"head": m.group(1), "items": []}
            cards.append(cur)
            para = None
            continue
        if line.strip() == "@column":
            cards.append({"column": True})
            cur, para = None, None
            continue
        if cur is None:
            raise ValueError("%s: text before the first [card]: %r" % (path, line))
        s = line.strip()
        if s.startswith("@art "):
            cur["items"].append(("art", s.split()[1]))
            para = None
        elif s.startswith("- "):
            para = ["bullet", s[2:]]
            cur["items"].append(para)
        elif re.match(r"^\d+\. ", s):
            n, rest = s.split(" ", 1)
            para = ["number:" + n, rest]
            cur["items"].append(para)
        elif para is not None:
            para[1] += " " + s
        else:
            para = ["para", s]
            cur["items"].append(para)
    return meta, cards


# ------------------------------------------------------------------- text
def words(text):
    """Splits text into words; each word is a list of (text, bold) pieces,
    since **...** may start or stop inside a word ("**rock**.")."""
    out, bold = [], False
    for raw in text.split():
        word = []
        for part in re.split(r"(\*\*)", raw):
            if part == "**":
                bold = not bold
            elif part:
                word.append((part, bold))
        if word:
            out.append(word)
    return out


def word_width(word, size):
    return sum(fontmetrics.text_width(t, size, b) for t, b in word)


def wrap(text, width, size):
    lines, cur, cur_w = [], [], 0.0
    space = fontmetrics.text_width(" ", size)
    for w in words(text):
        ww = word_width(w, size)
        add = ww + (space if cur else 0)
        if cur and cur_w + add > width:
            lines.append(cur)
            cur, cur_w = [], 0.0
            add = ww
        if ww > width:
            raise ValueError("word too long for the column: %r" % w)
        cur.append(w)
        cur_w += add
    if cur:
        lines.append(cur)
    return lines


def line_svg(x, y, line, size, colour, bold_colour=None):
    """One line as <text> runs: a new run wherever plain and bold change."""
    runs = []   # [x, text, bold]
    space = fontmetrics.text_width(" ", size)
    for i, word in enumerate(line):
        for j, (t, b) in enumerate(word):
            lead = " " if (i > 0 and j == 0) else ""
            if runs and runs[-1][2] == b:
                runs[-1][1] += lead + t
            else:
                runs.append([x + (space if lead else 0), t, b])
            x += (space if lead else 0) + fontmetrics.text_width(t, size, b)
    out = []
    for rx, t, b in runs:
        out.append('<text x="%s" y="%s" font-family="Arial" font-size="%s"%s fill="%s">%s</text>' % (
            fmt(rx), fmt(y), fmt(size), ' font-weight="bold"' if b else "", (bold_colour or colour) if b else colour,
            esc(t)))
    return out


# -------------------------------------------------------------------- art
def load_art(art_dir, name):
    root = ET.parse(os.path.join(art_dir, name + ".svg")).getroot()
    vb = [float(v) for v in root.get("viewBox").split()]
    inner = "".join(ET.tostring(c, encoding="unicode") for c in root
                    if c.tag.replace(SVG_NS, "") not in ("title", "desc", "metadata"))
    inner = re.sub(r' xmlns(:\w+)?="[^"]*"', "", inner)
    return vb, inner


# ----------------------------------------------------------------- layout
def card_height(card, mode, inner_w, art_dir):
    h = mode.pad + mode.head_size * 1.05
    blocks = []
    for item in card["items"]:
        kind, content = item[0], item[1]
        if kind == "art":
            vb, inner = load_art(art_dir, content)
            s = min(1.0, inner_w / vb[2])
            blocks.append(("art", (vb, inner, s)))
            h += mode.para_gap + vb[3] * s
        else:
            indent = 0 if kind == "para" else round(mode.body_size * 1.15)
            lines = wrap(content, inner_w - indent, mode.body_size)
            blocks.append((kind, lines))
            h += mode.para_gap + len(lines) * mode.line
    return h + mode.pad - (mode.line - mode.body_size) * 0.6, blocks


def render(meta, cards, mode, art_dir, name):
    W, H = mode.W, mode.H
    out = []
    if mode.background:
        out.append('<rect x="0" y="0" width="%d" height="%d" fill="%s"/>' % (W, H, mode.background))
    title = meta.get("print-title" if mode.name == "print" else "title", meta["title"])
    tw = fontmetrics.text_width(title, mode.title_size, True)
    if mode.left + tw > mode.title_max_x:
        raise ValueError("%s: title too wide for the %s page (%d px)" % (name, mode.name, mode.left + tw))
    out.append('<text x="%d" y="%d" font-family="Arial" font-size="%s" font-weight="bold" fill="%s">%s</text>' % (
        mode.left, mode.title_y, fmt(mode.title_size), mode.title_colour, esc(title)))
    out.append('<line x1="%d" y1="%d" x2="%d" y2="%d" stroke="%s" stroke-width="2"/>' % (
        mode.left, mode.rule_y, W - mode.right, mode.rule_y, mode.rule_colour))
    ncol = int(meta.get("print-columns" if mode.name == "print" else "columns", "1"))
    col_w = (W - mode.left - mode.right - (ncol - 1) * mode.gap) / ncol
    inner_w = col_w - 2 * mode.pad
    keep = None
    if mode.name == "screen" and "keep-clear" in meta:
        keep = [float(v) for v in meta["keep-clear"].split()]
    col, y = 0, mode.top
    bottom = mode.bottom
    for card in cards:
        if card.get("column"):
            if ncol > 1:
                col, y = col + 1, mode.top
            continue
        h, blocks = card_height(card, mode, inner_w, art_dir)
        x = mode.left + col * (col_w + mode.gap)
        limit = bottom
        if keep and x + col_w > keep[0]:
            limit = min(limit, keep[1])
        if os.environ.get("PAGES_DEBUG"):
            print("%s %s col %d [%s] y=%.0f h=%.0f limit=%.0f" % (name, mode.name, col, card["head"], y, h, limit))
        if y + h > limit:
            col, y = col + 1, mode.top
            x = mode.left + col * (col_w + mode.gap)
            limit = bottom if not (keep and x + col_w > keep[0]) else min(bottom, keep[1])
            if y + h > limit:
                raise ValueError("%s (%s): card [%s] does not fit (%.0f px high)" % (name, mode.name, card["head"], h))
        if col >= ncol:
            raise ValueError("%s (%s): too much text for %d column(s)" % (name, mode.name, ncol))
        out.append('<rect x="%s" y="%s" width="%s" height="%s" rx="%d" fill="%s" stroke="%s" stroke-width="%s"/>' % (
            fmt(x), fmt(y), fmt(col_w), fmt(h), mode.radius, mode.card_fill, mode.card_edge, fmt(mode.card_edge_w)))
        cy = y + mode.pad + mode.head_size * 0.85
        out.append('<text x="%s" y="%s" font-family="Arial" font-size="%s" font-weight="bold" fill="%s">%s</text>' % (
            fmt(x + mode.pad), fmt(cy), fmt(mode.head_size), mode.head_colour, esc(card["head"])))
        cy += mode.head_size * 0.2
        for kind, content in blocks:
            cy += mode.para_gap
            if kind == "art":
                vb, inner, s = content
                ax = x + (col_w - vb[2] * s) / 2
                out.append('<g transform="translate(%s %s) scale(%s) translate(%s %s)">%s</g>' % (
                    fmt(ax), fmt(cy), fmt(s), fmt(-vb[0]), fmt(-vb[1]), inner))
                cy += vb[3] * s
                continue
            indent = 0 if kind == "para" else round(mode.body_size * 1.15)
            for i, line in enumerate(content):
                base = cy + mode.body_size * 0.95
                if i == 0 and kind == "bullet":
                    out.append('<circle cx="%s" cy="%s" r="%s" fill="%s"/>' % (
                        fmt(x + mode.pad + mode.body_size * 0.3), fmt(base - mode.body_size * 0.33), fmt(mode.body_size * 0.17),
                        mode.bullet_colour))
                elif i == 0 and kind.startswith("number:"):
                    out.append('<text x="%s" y="%s" font-family="Arial" font-size="%s" font-weight="bold" fill="%s">%s</text>'
                               % (fmt(x + mode.pad), fmt(base), fmt(mode.body_size), mode.bullet_colour,
                                  esc(kind.split(":")[1])))
                out += line_svg(x + mode.pad + indent, base, line, mode.body_size, mode.body_colour,
                                mode.head_colour if mode.name == "screen" else None)
                cy += mode.line
        y += h + mode.card_gap
    if mode.footer_size and meta.get("footer"):
        out.append('<text x="%d" y="%d" font-family="Arial" font-size="%s" fill="%s">%s</text>' % (
            mode.left, H - 16, fmt(mode.footer_size), mode.footer_colour, esc(meta["footer"])))
    return ('<svg xmlns="http://www.w3.org/2000/svg" width="%d" height="%d" viewBox="0 0 %d %d">\n%s\n</svg>\n'
            % (W, H, W, H, "\n".join(out)))


def fit(meta, cards, mode, art_dir, name):
    """Screen pages use the largest body size (18, 17 or 16 px) at which the
    page fits, so short pages are easier to read; paper stays at 15 px."""
    if mode.name != "screen":
        return render(meta, cards, mode, art_dir, name)
    for size in (18, 17, 16):
        m = Mode(**dict(mode.__dict__, body_size=size, line=size * 1.25, head_size=size + 2))
        try:
            return render(meta, cards, m, art_dir, name)
        except ValueError as err:
            if size == 16:
                raise
            if os.environ.get("PAGES_DEBUG"):
                print("%s: %s px does not fit (%s)" % (name, size, err))


def main(src_dir, out_dir, preview_dir=None, only=None):
    art_dir = os.path.join(src_dir, "art")
    for fname in sorted(os.listdir(src_dir)):
        if not fname.endswith(".txt"):
            continue
        name = fname[:-4]
        if only and name not in only:
            continue
        meta, cards = parse(os.path.join(src_dir, fname))
        for mode, sub in ((SCREEN, "wmf"), (PRINT, "wmf2")):
            svg = fit(meta, cards, mode, art_dir, name)
            os.makedirs(os.path.join(out_dir, sub), exist_ok=True)
            with open(os.path.join(out_dir, sub, name + ".wmf"), "wb") as fh:
                fh.write(svg2wmf.convert(svg))
            if preview_dir:
                os.makedirs(os.path.join(preview_dir, sub), exist_ok=True)
                with open(os.path.join(preview_dir, sub, name + ".svg"), "w", encoding="utf-8") as fh:
                    fh.write(svg)


if __name__ == "__main__":
    args = sys.argv[1:]
    preview = None
    if args and args[0].startswith("--preview="):
        preview = args.pop(0).split("=", 1)[1]
    main(args[0], args[1], preview, args[2:])
