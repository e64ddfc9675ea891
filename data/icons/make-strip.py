#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 TESKA-List developers
# SPDX-License-Identifier: GPL-3.0-or-later
"""Draws the image strip 1616list.bmp: twenty 16x16 icons side by side in
menu order (open, printer, word processor, spreadsheet, exit, view/print/
editor data list, view/print/editor result list, page format, font,
cascade, tile horizontally, tile vertically, contents, short description,
what's new, about). Magenta is the transparent colour. 24-bit BMP."""
import struct, sys

W, H, N = 16, 16, 20
KEY = (255, 0, 255)
# Background colour per icon: file commands grey-blue, data lists green,
# result lists orange, format violet, window teal, help blue.
COLOURS = [(70, 110, 170)] * 5 + [(50, 140, 70)] * 3 + [(210, 120, 30)] * 3 + \
          [(130, 80, 160)] * 2 + [(30, 140, 140)] * 3 + [(40, 90, 200)] * 4
WHITE = (255, 255, 255)

def glyph(i, x, y):
    """True where icon i shows a white mark (x, y from the top left, inside 2..13)."""
    if i == 0:  return y in (5, 6) and 3 <= x <= 7 or 6 <= y <= 11 and 3 <= x <= 12 and (y in (6, 11) or x in (3, 12))
    if i == 1:  return 7 <= y <= 10 and 3 <= x <= 12 or 3 <= y <= 6 and 5 <= x <= 10 and (y == 3 or x in (5, 10))
    if i == 2:  return y in (4, 6, 8, 10) and 3 <= x <= 12 - (y == 10) * 4
    if i == 3:  return (x in (3, 7, 12) or y in (3, 7, 12)) and 3 <= x <= 12 and 3 <= y <= 12
    if i == 4:  return x == y and 3 <= x <= 12 or x + y == 15 and 3 <= x <= 12
    if i in (5, 8):  return (x - 7.5) ** 2 + (y - 7.5) ** 2 < 14 and (x - 7.5) ** 2 + (y - 7.5) ** 2 > 5 or (x == 11 and y == 11)
    if i in (6, 9):  return 7 <= y <= 10 and 3 <= x <= 12 or y == 4 and 5 <= x <= 10
    if i in (7, 10): return y in (4, 7, 10) and 3 <= x <= 12 or x == 12 and 10 <= y <= 12
    if i == 11: return (x in (3, 12) or y in (3, 12)) and 3 <= x <= 12 and 3 <= y <= 12 or y == 5 and 5 <= x <= 10
    if i == 12: return x in (5, 10) and 3 <= y <= 12 or y == 8 and 5 <= x <= 10 or y == 3 and 4 <= x <= 11
    if i == 13: return any(x in (3 + k, 9 + k) and y in (3 + k, 9 + k) for k in (0,)) or (x - y) % 3 == 0 and 3 <= x <= 12 and 3 <= y <= 12 and x >= y
    if i == 14: return y in (3, 7, 8, 12) and 3 <= x <= 12 or x in (3, 12) and 3 <= y <= 12
    if i == 15: return x in (3, 7, 8, 12) and 3 <= y <= 12 or y in (3, 12) and 3 <= x <= 12
    if i == 16: return y in (4, 7, 10) and 5 <= x <= 12 or x == 3 and y in (4, 7, 10)
    if i == 17: return x == 7 and 6 <= y <= 12 or y == 3 and 6 <= x <= 8
    if i == 18: return (x - 7.5) ** 2 + (y - 7.5) ** 2 < 6
    if i == 19: return x in (7, 8) and (y in (3, 4) or 6 <= y <= 12)
    return False

def pixel(i, x, y):
    if x in (0, 15) or y in (0, 15):
        return KEY
    return WHITE if glyph(i, x, y) else COLOURS[i]

def main(path):
    width = W * N
    row_bytes = (width * 3 + 3) // 4 * 4
    data = bytearray()
    for y in range(H - 1, -1, -1):  # bottom-up rows
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x // W, x % W, y)
            row += bytes((b, g, r))
        data += row + b"\0" * (row_bytes - len(row))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, H, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)

if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else "1616list.bmp")
