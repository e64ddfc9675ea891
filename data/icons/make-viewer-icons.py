#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 TESKA-List developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the window icons of the list viewers: Table.ico (a result table:
a grid with a shaded heading row) and TESKAText.ico (a list text: a page
with a folded corner and lines of text). Each file holds a 16x16 and a
32x32 image, 32-bit with alpha, in the plain BMP form of the ICO format.

    make-viewer-icons.py [FOLDER]    (default: the folder of this script)
"""
import os, struct, sys

CLEAR = (0, 0, 0, 0)
FRAME = (40, 60, 90, 255)
HEAD = (210, 120, 30, 255)
CELL = (255, 255, 255, 255)
PAGE = (250, 250, 245, 255)
FOLD = (190, 190, 180, 255)
INK = (50, 90, 160, 255)

def table(n, x, y):
    """The grid: outer frame, a coloured heading row, four columns, rows."""
    u = n / 16.0
    left, top, right, bottom = round(1 * u), round(2 * u), n - 1 - round(1 * u), n - 1 - round(2 * u)
    if not (left <= x <= right and top <= y <= bottom):
        return CLEAR
    head = top + round(3 * u)
    columns = [left + round(k * (right - left) / 4) for k in range(5)]
    rows = list(range(head, bottom + 1, max(2, round(3 * u))))
    if x in columns or y in (top, bottom) or y in rows:
        return FRAME
    return HEAD if y < head else CELL

def text(n, x, y):
    """The page: a sheet with a folded top right corner and text lines."""
    u = n / 16.0
    left, top, right, bottom = round(2 * u), round(1 * u), n - 1 - round(2 * u), n - 1 - round(1 * u)
    fold = round(4 * u)
    if not (left <= x <= right and top <= y <= bottom):
        return CLEAR
    if x - (right - fold) > y - top:
        return CLEAR  # cut off by the fold
    if x == left or y == bottom or x == right and y >= top + fold or y == top and x <= right - fold:
        return FRAME
    if x - (right - fold) == y - top:
        return FRAME
    if x >= right - fold and y <= top + fold:
        return FOLD
    step = max(2, round(2 * u))
    first = top + fold + round(1 * u)
    margin = round(2 * u)
    if y >= first and y < bottom - round(1 * u) and (y - first) % step == 0:
        line = (y - first) // step
        end = right - margin - (round(3 * u) if line % 3 == 2 else 0)
        if left + margin <= x <= end:
            return INK
    return PAGE

def image(draw, n):
    """One ICO image: BITMAPINFOHEADER (height doubled), BGRA rows bottom up,
    then the AND mask (1 = transparent), rows padded to 32 bits."""
    pixels = bytearray()
    mask = bytearray()
    mask_row = (n + 31) // 32 * 4
    for y in range(n - 1, -1, -1):
        bits = bytearray(mask_row)
        for x in range(n):
            r, g, b, a = draw(n, x, y)
            pixels += bytes((b, g, r, a))
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, n, 2 * n, 1, 32, 0, len(pixels) + len(mask), 0, 0, 0, 0)
    return header + pixels + mask

def icon(draw, path):
    sizes = (16, 32)
    images = [image(draw, n) for n in sizes]
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for n, data in zip(sizes, images):
        out += struct.pack("<BBBBHHII", n, n, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(out + b"".join(images))

def main(folder):
    icon(table, os.path.join(folder, "Table.ico"))
    icon(text, os.path.join(folder, "TESKAText.ico"))

if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__)))
