"""Advance widths from TrueType files, to measure text for page layout.

Only the 'cmap' (format 4) and 'hmtx' tables are read. Liberation Sans has
the same advance widths as Arial, so lines measured here fit when a player
draws them in either font.
"""
import os
import struct

FONT_FILES = {
    ("Arial", False): "/usr/share/fonts/truetype/liberation2/LiberationSans-Regular.ttf",
    ("Arial", True): "/usr/share/fonts/truetype/liberation2/LiberationSans-Bold.ttf",
}


class Font:
    def __init__(self, path):
        data = open(path, "rb").read()
        num = struct.unpack(">H", data[4:6])[0]
        tables = {}
        for i in range(num):
            tag, _, off, length = struct.unpack(">4sIII", data[12 + 16 * i:28 + 16 * i])
            tables[tag.decode("latin-1")] = (off, length)
        off = tables["head"][0]
        self.units = struct.unpack(">H", data[off + 18:off + 20])[0]
        off = tables["hhea"][0]
        self.ascent, self.descent = struct.unpack(">hh", data[off + 4:off + 8])
        nhm = struct.unpack(">H", data[off + 34:off + 36])[0]
        off = tables["hmtx"][0]
        self.advances = [struct.unpack(">H", data[off + 4 * i:off + 4 * i + 2])[0] for i in range(nhm)]
        self.cmap = self._cmap(data, tables["cmap"][0])

    @staticmethod
    def _cmap(data, base):
        n = struct.unpack(">H", data[base + 2:base + 4])[0]
        for i in range(n):
            pid, eid, off = struct.unpack(">HHI", data[base + 4 + 8 * i:base + 12 + 8 * i])
            if pid == 3 and eid == 1:
                break
        else:
            raise ValueError("no Unicode cmap")
        t = base + off
        segx2 = struct.unpack(">H", data[t + 6:t + 8])[0]
        seg = segx2 // 2
        ends = struct.unpack(">%dH" % seg, data[t + 14:t + 14 + segx2])
        starts = struct.unpack(">%dH" % seg, data[t + 16 + segx2:t + 16 + 2 * segx2])
        deltas = struct.unpack(">%dh" % seg, data[t + 16 + 2 * segx2:t + 16 + 3 * segx2])
        ro_pos = t + 16 + 3 * segx2
        ranges = struct.unpack(">%dH" % seg, data[ro_pos:ro_pos + segx2])
        cmap = {}
        for k in range(seg):
            for c in range(starts[k], min(ends[k], 0x2FFF) + 1):
                if c == 0xFFFF:
                    continue
                if ranges[k] == 0:
                    g = (c + deltas[k]) & 0xFFFF
                else:
                    addr = ro_pos + 2 * k + ranges[k] + 2 * (c - starts[k])
                    g = struct.unpack(">H", data[addr:addr + 2])[0]
                    if g:
                        g = (g + deltas[k]) & 0xFFFF
                cmap[c] = g
        return cmap

    def advance(self, ch):
        g = self.cmap.get(ord(ch), 0)
        return self.advances[min(g, len(self.advances) - 1)]

    def width(self, text, size):
        return sum(self.advance(c) for c in text) * size / self.units


_cache = {}


def font(family="Arial", bold=False):
    key = ("Arial", bool(bold))
    if key not in _cache:
        _cache[key] = Font(FONT_FILES[key])
    return _cache[key]


def text_width(text, size, bold=False):
    return font(bold=bold).width(text, size)


if __name__ == "__main__":
    print(text_width("Hello, world", 16), text_width("Hello, world", 16, True), font().ascent, font().units)
