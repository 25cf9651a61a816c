#!/usr/bin/env python3
"""Writes tests/fixtures/damaged/: damaged quiz files, index files, pictures,
metafiles and sounds, made from the shipped resources by cutting, flipping
and forging them. Deterministic: the same files every run."""
import os
import random
import struct
import zlib

top = os.path.dirname(os.path.dirname(os.path.abspath(__file__)))
res = os.path.join(top, "resources")
out = os.path.join(top, "tests", "fixtures", "damaged")
rng = random.Random(1234)


def read(rel):
    with open(os.path.join(res, rel), "rb") as f:
        return f.read()


def write(kind, name, data):
    folder = os.path.join(out, kind)
    os.makedirs(folder, exist_ok=True)
    with open(os.path.join(folder, name), "wb") as f:
        f.write(data)


def flipped(data, count, start=0):
    b = bytearray(data)
    for _ in range(count):
        i = rng.randrange(start, len(b))
        b[i] ^= 1 << rng.randrange(8)
    return bytes(b)


quiz = read("multiple/The Science of Rocks.txt")
lines = quiz.split(b"\r\n")
write("quiz", "empty.txt", b"")
write("quiz", "title-only.txt", lines[0] + b"\r\n")
write("quiz", "cut-mid-question.txt", b"\r\n".join(lines[:30]))
write("quiz", "71-lines.txt", b"\r\n".join(lines[:71]) + b"\r\n")
write("quiz", "no-line-ends.txt", quiz.replace(b"\r\n", b" "))
write("quiz", "lf-only.txt", quiz.replace(b"\r\n", b"\n"))
write("quiz", "unescaped-commas.txt", quiz.replace(b"&", b",").replace(b"Which", b"Which, then,"))
write("quiz", "digit-zero.txt", b"\r\n".join(l if l not in (b"1", b"2", b"3", b"4") else b"0" for l in lines))
write("quiz", "digit-nine.txt", b"\r\n".join(l if l not in (b"1", b"2", b"3", b"4") else b"9" for l in lines))
write("quiz", "digit-word.txt", b"\r\n".join(l if l not in (b"1", b"2", b"3", b"4") else b"two" for l in lines))
write("quiz", "binary.txt", bytes(rng.randrange(256) for _ in range(3000)))
write("quiz", "nul-bytes.txt", quiz.replace(b"e", b"\0"))
write("quiz", "very-long-lines.txt", b"\r\n".join(l * 400 for l in lines))
write("quiz", "quotes.txt", b"\r\n".join(b'"' + l for l in lines))
write("quiz", "flipped.txt", flipped(quiz, 40))

write("index", "empty.txt", b"")
write("index", "words.txt", b"three\r\nA\r\nB\r\nC\r\n")
write("index", "negative.txt", b"-5\r\nA\r\n")
write("index", "over-limit.txt", b" 1001 \r\n" + b"".join(b"T%d\r\n" % i for i in range(1001)))
write("index", "huge-count.txt", b" 99999999999999999999 \r\nA\r\n")
write("index", "short.txt", b" 5 \r\nA\r\nB\r\n")
write("index", "binary.txt", bytes(rng.randrange(256) for _ in range(2000)))
write("index", "commas.txt", b" 2 \r\nSand, silt\r\nClay\r\n")
write("index", "count-only-no-line-end.txt", b" 1 ")
write("index", "decimal-count.txt", b" 2.5 \r\nA\r\nB\r\nC\r\n")

jpeg = read("Images/cavesm.jpg")
write("jpeg", "empty.jpg", b"")
write("jpeg", "header-only.jpg", jpeg[:20])
write("jpeg", "half.jpg", jpeg[: len(jpeg) // 2])
write("jpeg", "flipped.jpg", flipped(jpeg, 60, 200))
write("jpeg", "random.jpg", b"\xff\xd8\xff\xe0" + bytes(rng.randrange(256) for _ in range(4000)))
# A frame header claiming 65000 by 65000 pixels.
sof = jpeg.find(b"\xff\xc0")
if sof > 0:
    forged = bytearray(jpeg)
    forged[sof + 5:sof + 9] = struct.pack(">HH", 65000, 65000)
    write("jpeg", "huge-frame.jpg", bytes(forged))

gif = read("logo/quillmere0000.gif")
write("gif", "empty.gif", b"")
write("gif", "header-only.gif", gif[:13])
write("gif", "half.gif", gif[: len(gif) // 2])
write("gif", "flipped.gif", flipped(gif, 40, 13))
forged = bytearray(gif)
forged[6:10] = struct.pack("<HH", 65535, 65535)
write("gif", "huge-screen.gif", bytes(forged))

bmp = read("logo/quillmere2.bmp")
write("bmp", "empty.bmp", b"")
write("bmp", "header-only.bmp", bmp[:54])
write("bmp", "half.bmp", bmp[: len(bmp) // 2])
forged = bytearray(bmp)
forged[18:26] = struct.pack("<ii", 200000, 200000)
write("bmp", "huge-size.bmp", bytes(forged))
forged = bytearray(bmp)
forged[10:14] = struct.pack("<I", 0x7FFFFFF0)
write("bmp", "offset-past-end.bmp", bytes(forged))
forged = bytearray(bmp)
forged[28:30] = struct.pack("<H", 7)
write("bmp", "bad-bit-count.bmp", bytes(forged))

wmf = read("wmf/guide1.wmf")
write("wmf", "empty.wmf", b"")
write("wmf", "placeable-only.wmf", wmf[:22])
write("wmf", "header-only.wmf", wmf[:40])
write("wmf", "half.wmf", wmf[: len(wmf) // 2])
write("wmf", "flipped.wmf", flipped(wmf, 80, 40))
forged = bytearray(wmf)
forged[22 + 6:22 + 10] = struct.pack("<I", 0xFFFFFFFF)  # file size in words
forged[22 + 10:22 + 12] = struct.pack("<H", 0xFFFF)  # object count
write("wmf", "forged-header.wmf", bytes(forged))
forged = bytearray(wmf)
forged[22 + 18:22 + 22] = struct.pack("<I", 0x7FFFFFFF)  # first record's size
write("wmf", "record-overruns.wmf", bytes(forged))
forged = bytearray(wmf)
forged[22 + 18:22 + 22] = struct.pack("<I", 0)
write("wmf", "zero-size-record.wmf", bytes(forged))
forged = bytearray(wmf)
forged[6:14] = struct.pack("<hhhh", -32768, -32768, 32767, 32767)
forged[14:16] = struct.pack("<H", 1)
write("wmf", "giant-frame.wmf", bytes(forged))

wav = read("wav/click.wav")
write("wav", "empty.wav", b"")
write("wav", "header-only.wav", wav[:44])
write("wav", "half.wav", wav[: len(wav) // 2])
forged = bytearray(wav)
forged[40:44] = struct.pack("<I", 0x7FFFFFFF)
write("wav", "data-size-lies.wav", bytes(forged))
forged = bytearray(wav)
forged[22:24] = struct.pack("<H", 0)
write("wav", "no-channels.wav", bytes(forged))
write("wav", "not-riff.wav", b"RIFX" + wav[4:])
