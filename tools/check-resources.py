#!/usr/bin/env python3
"""Checks the generated files under resources/: names, sizes, the flat
screen-coloured bands, the inside-the-Earth pointer points, the quiz files,
the WAV headers and levels, the logo files and the Windows Metafiles
(placeable header, frame, text records, no bitmaps, clear corners).

    tools/check-resources.py [resources-folder]

Needs ImageMagick's 'convert' to read JPEG pixels and the Liberation fonts
to measure page text. Exits non-zero on any failure and prints what it
found; exits 77 (skipped) when one of those is missing.
"""
import cmath
import math
import os
import shutil
import struct
import subprocess
import sys
import wave

HERE = os.path.dirname(os.path.abspath(__file__))
sys.dont_write_bytecode = True
sys.path.insert(0, os.path.join(HERE, "gen"))
import fontmetrics  # noqa: E402
import loudness  # noqa: E402

failures = []


def fail(msg):
    failures.append(msg)
    print("  FAIL " + msg)


def ok(msg):
    print("  ok   " + msg)


# ------------------------------------------------------------------ lists
IMAGES = {"stairholesm.jpg": (320, 240), "cave.jpg": None, "cavesm.jpg": (320, 104), "science.jpg": None,
          "sciencesm.jpg": (320, 104), "talyllynsm.jpg": (320, 240), "bones.jpg": (173, 244),
          "ammonite.jpg": (236, 244), "trilobite.jpg": (244, 236), "skull.jpg": (244, 181),
          "insideearth.jpg": (800, 600)}
PAGES = ["key sciencea", "key scienceb", "key beginninga", "key beginningb", "sciencea", "beginninga", "beginningb",
         "guide1", "guide2", "guide3", "guide4", "guide5", "acknowledgments"]
SOUNDS = ["click", "typekey", "thud3", "eagle6", "fanf2", "fanf3", "crowd", "cheer2", "klaxon", "flute", "gong",
          "clap2", "drumroll", "laser2", "whizz", "clap3", "clown"]
LOGO = ["quillmere2.bmp"] + ["quillmere%04d.gif" % k for k in range(20)]
QUIZZES = {"The Science of Rocks.txt": "The Science of Rocks", "The Beginning.txt": "The Beginning: the Earth"}


def check_names(res):
    want = {"Images": set(IMAGES), "wmf": {p + ".wmf" for p in PAGES}, "wmf2": {p + ".wmf" for p in PAGES},
            "wav": {s + ".wav" for s in SOUNDS}, "logo": set(LOGO), "multiple": set(QUIZZES) | {"track.txt"}}
    have_dirs = set(os.listdir(res))
    if have_dirs != set(want):
        fail("folders: have %s, want %s" % (sorted(have_dirs), sorted(want)))
    for d, names in want.items():
        have = set(os.listdir(os.path.join(res, d))) if os.path.isdir(os.path.join(res, d)) else set()
        if have != names:
            fail("%s/: missing %s, extra %s" % (d, sorted(names - have), sorted(have - names)))
        else:
            ok("%s/: %d files, names as expected" % (d, len(names)))
    total = sum(os.path.getsize(os.path.join(dp, f)) for dp, _, fs in os.walk(res) for f in fs)
    (ok if total < 5 * 1024 * 1024 else fail)("resources/ holds %.2f MB" % (total / 1048576))


# ----------------------------------------------------------------- images
def jpeg_size(path):
    d = open(path, "rb").read()
    if d[:2] != b"\xff\xd8":
        raise ValueError("not a JPEG")
    i = 2
    while i < len(d):
        if d[i] != 0xFF:
            raise ValueError("bad JPEG marker")
        m = d[i + 1]
        ln = struct.unpack(">H", d[i + 2:i + 4])[0]
        if m in (0xC0, 0xC1, 0xC2):
            h, w = struct.unpack(">HH", d[i + 5:i + 9])
            return w, h
        i += 2 + ln
    raise ValueError("no frame header")


def pixels(path):
    """Decodes a picture to rows of (r, g, b) with ImageMagick."""
    out = subprocess.run(["convert", path, "-depth", "8", "rgb:-"], check=True, capture_output=True).stdout
    w, h = jpeg_size(path)
    return w, h, out


def px(data, w, x, y):
    i = 3 * (y * w + x)
    return data[i], data[i + 1], data[i + 2]


def band_exact(path, rows, colour):
    w, h, data = pixels(path)
    bad = sum(1 for y in range(rows) for x in range(w) if px(data, w, x, y) != colour)
    (ok if bad == 0 else fail)("%s: top %d rows exactly RGB%s (%d pixels differ)" % (
        os.path.basename(path), rows, colour, bad))


LAYERS = {"inner core": (169, 179, 198), "outer core": (245, 158, 46), "mantle": (184, 55, 42),
          "crust": (134, 89, 47), "surface": (47, 134, 214), "space": (16, 32, 74)}
POINTS = [("inner core", 408, 304), ("outer core", 384, 336), ("mantle", 456, 408), ("crust", 330, 176)]


def nearest_layer(c):
    return min(LAYERS, key=lambda k: sum((a - b) ** 2 for a, b in zip(c, LAYERS[k])))


def check_images(res):
    d = os.path.join(res, "Images")
    for name, size in IMAGES.items():
        path = os.path.join(d, name)
        if not os.path.exists(path):
            continue
        w, h = jpeg_size(path)
        kb = os.path.getsize(path) / 1024
        good = (w, h) == size if size else True
        if name == "cave.jpg":
            good = 600 <= w <= 680 and 460 <= h <= 520
        if name == "science.jpg":
            good = 770 <= w <= 800 and 480 <= h <= 504
        (ok if good and kb < 300 else fail)("%s: %dx%d, %.0f KB" % (name, w, h, kb))
    band_exact(os.path.join(d, "cave.jpg"), 64, (39, 63, 137))
    band_exact(os.path.join(d, "science.jpg"), 40, (115, 155, 207))
    w, h, data = pixels(os.path.join(d, "insideearth.jpg"))
    for layer, x, y in POINTS:
        seen = {}
        for dy in range(-8, 9):
            for dx in range(-8, 9):
                k = nearest_layer(px(data, w, x + dx, y + dy))
                seen[k] = seen.get(k, 0) + 1
        centre = px(data, w, x, y)
        found = nearest_layer(centre)
        msg = "insideearth (%d,%d): RGB%s is %s; 17x17 around it: %s" % (
            x, y, centre, found, ", ".join("%s %d" % kv for kv in sorted(seen.items())))
        (ok if found == layer and list(seen) == [layer] else fail)(msg + " (want %s)" % layer)


# ---------------------------------------------------------------- quizzes
def check_quizzes(res):
    d = os.path.join(res, "multiple")
    for fname, title in QUIZZES.items():
        raw = open(os.path.join(d, fname), "rb").read()
        problems = []
        if not raw.endswith(b"\r\n"):
            problems.append("last line lacks CR LF")
        lines = raw.split(b"\r\n")[:-1]
        if any(b"\r" in l or b"\n" in l for l in lines):
            problems.append("stray CR or LF")
        text = [l.decode("cp1252") for l in lines]
        if len(text) != 72:
            problems.append("%d lines, want 72" % len(text))
        if text[0] != title:
            problems.append("title %r" % text[0])
        if len(text[0]) > 25 or text[1] != " ":
            problems.append("title too long or line 2 not a single blank")
        answers = []
        for q in range(10):
            block = text[2 + 7 * q:9 + 7 * q]
            if len(block) < 7:
                break
            question, opts, ans, sep = block[0], block[1:5], block[5], block[6]
            if len(question) > 60 or not question.strip():
                problems.append("question %d length %d" % (q + 1, len(question)))
            for o in opts:
                if len(o) > 30 or not o.strip():
                    problems.append("question %d option %r" % (q + 1, o))
            if ans not in ("1", "2", "3", "4"):
                problems.append("question %d answer %r" % (q + 1, ans))
            if sep != " ":
                problems.append("question %d separator %r" % (q + 1, sep))
            for v in [question] + opts:
                if v != v.lstrip():
                    problems.append("leading blank in %r" % v)
            if len(set(o.lower() for o in opts)) != 4:
                problems.append("question %d repeats an option" % (q + 1))
            answers.append(ans)
        if any("," in l for l in text):
            problems.append("a line holds a comma")
        if len(set(answers)) < 3:
            problems.append("answers %s not varied" % "".join(answers))
        if problems:
            fail("%s: %s" % (fname, "; ".join(problems)))
        else:
            ok("%s: 72 lines, CR LF, title %r, answers %s" % (fname, title, "".join(answers)))
    t = open(os.path.join(d, "track.txt"), "rb").read()
    (ok if t == b" 0 \r\n" else fail)("track.txt is %r" % t)


def quiz_keys(path):
    """From a quiz source: its file name, its key-facts pages and, per question,
    the key word its right answer must be taught by."""
    meta, keys = {}, []
    for line in open(path, encoding="utf-8"):
        line = line.strip()
        if line.startswith("key: "):
            keys.append(line[5:])
        elif not keys and not line.startswith(("#", "Q: ", "* ", "- ")) and ":" in line:
            k, v = line.split(":", 1)
            meta[k.strip()] = v.strip()
    return meta["file"], [p.strip() for p in meta["key-facts"].split(",")], keys


def page_text(path):
    """All text of a metafile page, lower case, runs joined and spaces folded."""
    return " ".join(" ".join(t[2] for t in read_wmf(path)["texts"]).lower().split())


def check_answers_taught(res):
    src = os.path.join(HERE, "content", "quizzes")
    for name in sorted(os.listdir(src)):
        if not name.endswith(".txt"):
            continue
        fname, pages, keys = quiz_keys(os.path.join(src, name))
        lines = open(os.path.join(res, "multiple", fname), "rb").read().decode("cp1252").split("\r\n")
        taught = " ".join(page_text(os.path.join(res, "wmf", p + ".wmf")) for p in pages)
        problems = []
        if len(keys) != 10:
            problems.append("%d key words for 10 questions" % len(keys))
        for q, key in enumerate(keys):
            block = lines[2 + 7 * q:9 + 7 * q]
            answer = block[int(block[5])].replace("&", ",") if len(block) == 7 and block[5] in "1234" else ""
            if key.lower() not in answer.lower():
                problems.append("question %d: key %r is not in its answer %r" % (q + 1, key, answer))
            elif " ".join(key.lower().split()) not in taught:
                problems.append("question %d: %r is on no key-facts page" % (q + 1, key))
        (fail if problems else ok)("%s: every answer's key word taught on %s%s" % (
            fname, " / ".join(pages), "" if not problems else " -- " + "; ".join(problems)))


# ------------------------------------------------------------------ sound
def read_wav(path):
    head = open(path, "rb").read(44)
    fmt_ok = head[:4] == b"RIFF" and head[8:16] == b"WAVEfmt " and struct.unpack("<H", head[20:22])[0] == 1
    with wave.open(path) as w:
        ch, width, rate, n = w.getnchannels(), w.getsampwidth(), w.getframerate(), w.getnframes()
        frames = w.readframes(n)
    if (ch, width) != (1, 2):
        return fmt_ok, ch, width, rate, []
    return fmt_ok, ch, width, rate, [v / 32768 for v in struct.unpack("<%dh" % n, frames)]


def fft(x):
    """Iterative radix-2 FFT of a list of complex numbers whose length is a power of two."""
    n = len(x)
    a = list(x)
    j = 0
    for i in range(1, n):
        bit = n >> 1
        while j & bit:
            j ^= bit
            bit >>= 1
        j |= bit
        if i < j:
            a[i], a[j] = a[j], a[i]
    size = 2
    while size <= n:
        w = cmath.exp(-2j * math.pi / size)
        for start in range(0, n, size):
            wk = 1
            for k in range(size // 2):
                u, v = a[start + k], a[start + k + size // 2] * wk
                a[start + k], a[start + k + size // 2] = u + v, u - v
                wk *= w
        size *= 2
    return a


def spectral_centroid(samples, rate):
    """Energy-weighted mean frequency of the whole sound, in Hz: where its
    energy lies, which a low rumble under a little noise cannot disguise."""
    n = 1 << max(1, (len(samples) - 1).bit_length())
    spectrum = fft([complex(v) for v in samples] + [0j] * (n - len(samples)))[:n // 2]
    power = [abs(c) ** 2 for c in spectrum]
    total = sum(power) or 1.0
    return sum(k * rate / n * p for k, p in enumerate(power)) / total


def check_meter():
    """The loudness meter against the standard's own reference: a 997 Hz sine
    at -20 dBFS measures -23.0 LUFS."""
    for rate in (48000, 22050):
        tone = [0.1 * math.sin(2 * math.pi * 997 * i / rate) for i in range(3 * rate)]
        got = loudness.integrated(tone, rate)
        (ok if abs(got + 23.0) <= 0.1 else fail)("meter: 997 Hz sine at -20 dBFS, %d Hz: %.2f LUFS (want -23.0)" % (
            rate, got))


def check_sounds(res):
    check_meter()
    levels = {}
    for s in SOUNDS:
        fmt_ok, ch, width, rate, samples = read_wav(os.path.join(res, "wav", s + ".wav"))
        peak = max(abs(v) for v in samples) if samples else 0
        db = 20 * math.log10(peak) if peak else -99
        secs = len(samples) / rate
        lufs = loudness.integrated(samples, rate) if samples else -math.inf
        levels[s] = lufs
        limit = 0.15 if s == "click" else 3.05
        # A sample at full scale is a clipped one.
        good = fmt_ok and (ch, width, rate) == (1, 2, 22050) and secs <= limit and -30 <= db <= -1
        (ok if good else fail)("%s.wav: PCM %d ch %d-bit %d Hz, %.2f s, peak %.1f dBFS, %.1f LUFS" % (
            s, ch, 8 * width, rate, secs, db, lufs))
        if s == "thud3" and samples:
            c = spectral_centroid(samples, rate)
            (ok if c > 300 else fail)("thud3.wav: spectral centroid %.0f Hz (want above 300 Hz, for small speakers)" % c)
    loud, quiet = max(levels, key=levels.get), min(levels, key=levels.get)
    spread = levels[loud] - levels[quiet]
    (ok if spread <= 1.5 else fail)("integrated loudness from %.1f LUFS (%s) to %.1f LUFS (%s): %.1f LU apart "
                                    "(at most 1.5)" % (levels[quiet], quiet, levels[loud], loud, spread))
    (ok if loud != "eagle6" else fail)("the eagle call that opens each ordering activity is not the loudest sound")


# ------------------------------------------------------------------- logo
def check_logo(res):
    d = os.path.join(res, "logo")
    b = open(os.path.join(d, "quillmere2.bmp"), "rb").read()
    w, h = struct.unpack("<ii", b[18:26])
    bpp, comp = struct.unpack("<HI", b[28:34])
    (ok if b[:2] == b"BM" and (w, abs(h), bpp, comp) == (120, 89, 24, 0) else fail)(
        "quillmere2.bmp: %dx%d, %d bits, compression %d" % (w, abs(h), bpp, comp))
    sizes = set()
    for k in range(20):
        g = open(os.path.join(d, "quillmere%04d.gif" % k), "rb").read(10)
        sizes.add((g[:6], struct.unpack("<HH", g[6:10])))
    (ok if sizes == {(b"GIF89a", (120, 120))} or sizes == {(b"GIF87a", (120, 120))} else fail)(
        "quillmere0000..0019.gif: %s" % sorted(sizes))


# -------------------------------------------------------------------- wmf
BITMAP_RECORDS = {0x0F43: "STRETCHDIB", 0x0B41: "DIBSTRETCHBLT", 0x0940: "DIBBITBLT", 0x0B23: "STRETCHBLT",
                  0x0922: "BITBLT", 0x0D33: "SETDIBTODEV", 0x0142: "DIBCREATEPATTERNBRUSH"}


def read_wmf(path):
    d = open(path, "rb").read()
    info = {"problems": []}
    if d[:4] != b"\xd7\xcd\xc6\x9a":
        info["problems"].append("no placeable header")
        return info
    words = struct.unpack("<10H", d[:20])
    check = 0
    for w in words:
        check ^= w
    _, _, l, t, r, b, inch, _, cs = struct.unpack("<IHhhhhHIH", d[:22])
    if cs != check:
        info["problems"].append("placeable checksum %04x, want %04x" % (cs, check))
    info.update(frame=(l, t, r, b), inch=inch)
    typ, hs, ver, size, nobj, maxrec, _ = struct.unpack("<HHHIHIH", d[22:40])
    if (typ, hs) != (1, 9) or ver not in (0x100, 0x300) or size * 2 != len(d) - 22:
        info["problems"].append("bad metafile header")
    p = 40
    counts, texts, points, font_h = {}, [], [], 0
    while p + 6 <= len(d):
        sz, fn = struct.unpack("<IH", d[p:p + 6])
        if sz < 3 or p + 2 * sz > len(d):
            info["problems"].append("bad record size at %d" % p)
            break
        counts[fn] = counts.get(fn, 0) + 1
        body = d[p + 6:p + 2 * sz]
        if fn == 0x02FB:
            font_h = abs(struct.unpack("<h", body[:2])[0])
            bold = struct.unpack("<h", body[8:10])[0] >= 600
        elif fn == 0x0A32:
            y, x, n, opts = struct.unpack("<hhhH", body[:8])
            s = body[8 + (8 if opts & 6 else 0):][:n].decode("cp1252")
            texts.append((x, y, s, font_h, bold))
        elif fn == 0x0521:
            n = struct.unpack("<h", body[:2])[0]
            s = body[2:2 + n + (n & 1)][:n].decode("cp1252")
            y, x = struct.unpack("<hh", body[2 + n + (n & 1):6 + n + (n & 1)])
            texts.append((x, y, s, font_h, bold))
        elif fn in (0x0324, 0x0325):
            n = struct.unpack("<h", body[:2])[0]
            points += [struct.unpack("<hh", body[2 + 4 * i:6 + 4 * i]) for i in range(n)]
        elif fn == 0x0538:
            npoly = struct.unpack("<h", body[:2])[0]
            counts_ = struct.unpack("<%dh" % npoly, body[2:2 + 2 * npoly])
            q = 2 + 2 * npoly
            for i in range(sum(counts_)):
                points.append(struct.unpack("<hh", body[q + 4 * i:q + 4 * i + 4]))
        if fn == 0:
            break
        p += 2 * sz
    info.update(counts=counts, texts=texts, points=points)
    return info


def text_box(t):
    x, y, s, h, bold = t
    w = fontmetrics.text_width(s, h, bold)
    return x, y - 0.91 * h, x + w, y + 0.22 * h


def check_wmf(res):
    print("  page frames (twips, 1440 units per inch):")
    for sub, maxw, maxh in (("wmf", 11760, 7800), ("wmf2", 9600, 13000)):
        for page in PAGES:
            path = os.path.join(res, sub, page + ".wmf")
            info = read_wmf(path)
            probs = list(info["problems"])
            if "frame" not in info:
                fail("%s/%s.wmf: %s" % (sub, page, "; ".join(probs)))
                continue
            l, t, r, b = info["frame"]
            w, h = r - l, b - t
            if info["inch"] != 1440:
                probs.append("units per inch %d" % info["inch"])
            if w > maxw or h > maxh or w <= 0 or h <= 0:
                probs.append("frame %dx%d too big" % (w, h))
            if sub == "wmf2" and w >= h:
                probs.append("print copy not portrait")
            bitmaps = [BITMAP_RECORDS[k] for k in info["counts"] if k in BITMAP_RECORDS]
            if bitmaps:
                probs.append("bitmap records " + ", ".join(bitmaps))
            ntext = len(info["texts"])
            if ntext == 0:
                probs.append("no text records")
            boxes = [text_box(tx) for tx in info["texts"]]
            for (x0, y0, x1, y1), tx in zip(boxes, info["texts"]):
                if x0 < l or y0 < t or x1 > r or y1 > b:
                    probs.append("text %r leaves the page" % tx[2])
                if sub == "wmf" and tx[3] < 220:
                    probs.append("text %r below 11 pt (%d twips)" % (tx[2], tx[3]))
            for x, y in info["points"]:
                if not (l <= x <= r and t <= y <= b):
                    probs.append("a shape leaves the page at (%d,%d)" % (x, y))
                    break
            zones = []
            if sub == "wmf":
                zones.append(("Print button corner", 10600, 0, r, 700))
                if page == "acknowledgments":
                    zones.append(("logo corner", 8900, 4300, r, b))
            for label, zx0, zy0, zx1, zy1 in zones:
                hit = [p for p in info["points"] if zx0 < p[0] <= zx1 and zy0 <= p[1] < zy1]
                hit += [bx for bx in boxes if bx[2] > zx0 and bx[3] > zy0 and bx[1] < zy1]
                if hit:
                    probs.append("something in the %s" % label)
            msg = "%s/%s.wmf: frame %dx%d, %d text records, no bitmaps" % (sub, page, w, h, ntext)
            (fail if probs else ok)(msg + ("" if not probs else " -- " + "; ".join(probs[:4])))


def main():
    missing = [what for what, there in (("ImageMagick's convert (imagemagick)", shutil.which("convert")),
                                        ("Liberation Sans (fonts-liberation2)",
                                         all(os.path.exists(p) for p in fontmetrics.FONT_FILES.values())))
               if not there]
    if missing:
        print("SKIP: cannot check resources without " + " and ".join(missing))
        return 77
    res = sys.argv[1] if len(sys.argv) > 1 else os.path.join(os.path.dirname(HERE), "resources")
    for title, fn in (("names", check_names), ("pictures", check_images), ("quizzes", check_quizzes),
                      ("sounds", check_sounds), ("logo", check_logo), ("page metafiles", check_wmf),
                      ("answers taught by the key facts", check_answers_taught)):
        print(title + ":")
        try:
            fn(res)
        except (OSError, ValueError, struct.error, subprocess.CalledProcessError) as err:
            fail("%s: %s" % (title, err))
    print("%d problem(s)" % len(failures))
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
