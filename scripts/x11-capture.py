#!/usr/bin/env python3
# SPDX-FileCopyrightText: 2026 TESKA-List developers
# SPDX-License-Identifier: GPL-3.0-or-later
#
# Saves the top-left WIDTH x HEIGHT pixels of the X display as a PNG,
# through libX11 alone, so that no image tool has to be installed.
#   x11-capture.py OUT.png WIDTH HEIGHT
import ctypes, ctypes.util, zlib, struct, sys
x = ctypes.cdll.LoadLibrary(ctypes.util.find_library('X11') or 'libX11.so.6')
x.XOpenDisplay.restype = ctypes.c_void_p
x.XDefaultRootWindow.restype = ctypes.c_ulong
x.XDefaultRootWindow.argtypes = [ctypes.c_void_p]
class XImage(ctypes.Structure):
    _fields_ = [('width', ctypes.c_int), ('height', ctypes.c_int), ('xoffset', ctypes.c_int),
                ('format', ctypes.c_int), ('data', ctypes.POINTER(ctypes.c_ubyte)),
                ('byte_order', ctypes.c_int), ('bitmap_unit', ctypes.c_int), ('bitmap_bit_order', ctypes.c_int),
                ('bitmap_pad', ctypes.c_int), ('depth', ctypes.c_int), ('bytes_per_line', ctypes.c_int),
                ('bits_per_pixel', ctypes.c_int)]
x.XGetImage.restype = ctypes.POINTER(XImage)
x.XGetImage.argtypes = [ctypes.c_void_p, ctypes.c_ulong, ctypes.c_int, ctypes.c_int, ctypes.c_uint, ctypes.c_uint, ctypes.c_ulong, ctypes.c_int]
d = x.XOpenDisplay(None)
root = x.XDefaultRootWindow(d)
w, h = int(sys.argv[2]), int(sys.argv[3])
img = x.XGetImage(d, root, 0, 0, w, h, 0xffffffff, 2).contents
bpl = img.bytes_per_line
raw = ctypes.string_at(img.data, bpl * h)
rows = b''
for yy in range(h):
    line = raw[yy*bpl: yy*bpl + w*4]
    px = bytearray(w*3)
    px[0::3] = line[2::4]; px[1::3] = line[1::4]; px[2::3] = line[0::4]
    rows += b'\x00' + bytes(px)
def chunk(t, data): return struct.pack('>I', len(data)) + t + data + struct.pack('>I', zlib.crc32(t + data) & 0xffffffff)
png = b'\x89PNG\r\n\x1a\n' + chunk(b'IHDR', struct.pack('>IIBBBBB', w, h, 8, 2, 0, 0, 0)) + chunk(b'IDAT', zlib.compress(rows, 9)) + chunk(b'IEND', b'')
open(sys.argv[1], 'wb').write(png)
