#!/usr/bin/env python3
"""Prints how much sharper the first picture's edges are than the second's:
the ratio of their sums of squared differences between neighbouring grey
pixels. A sharp edge is one step; the same edge blurred over two pixels
gives two half steps, half the sum. The pictures must be the same size."""
import subprocess
import sys


def grey(path):
    size = subprocess.run(["identify", "-format", "%w %h", path], capture_output=True, text=True, check=True)
    width, height = map(int, size.stdout.split())
    raw = subprocess.run(["convert", path, "-colorspace", "gray", "-depth", "8", "gray:-"],
                         capture_output=True, check=True).stdout
    return width, height, raw


def energy(width, height, pixels):
    total = 0
    for y in range(height - 1):
        row = pixels[y * width:(y + 1) * width]
        below = pixels[(y + 1) * width:(y + 2) * width]
        total += sum((a - b) ** 2 for a, b in zip(row, row[1:]))
        total += sum((a - b) ** 2 for a, b in zip(row, below))
    return total


first, second = grey(sys.argv[1]), grey(sys.argv[2])
if first[:2] != second[:2]:
    sys.exit(f"sizes differ: {first[:2]} and {second[:2]}")
print(f"{energy(*first) / max(1, energy(*second)):.2f}")
