#!/usr/bin/env python3
"""Is the X pointer showing the program's hand cursor?

Wine keeps cursor images per process, so another Windows process cannot read
the program's cursor; the X server can. This reads the current pointer image
through XFixes and compares its size, hot spot and shape (which pixels are
opaque) with the monochrome cursor file HAND_CUR.

usage: x_cursor.py HAND_CUR   prints "cursor hand", "cursor other" or
                              "cursor unknown" (no display or no XFixes)
"""
import ctypes
import ctypes.util
import struct
import sys


class XFixesCursorImage(ctypes.Structure):
    _fields_ = [
        ("x", ctypes.c_short), ("y", ctypes.c_short),
        ("width", ctypes.c_ushort), ("height", ctypes.c_ushort),
        ("xhot", ctypes.c_ushort), ("yhot", ctypes.c_ushort),
        ("cursor_serial", ctypes.c_ulong),
        ("pixels", ctypes.POINTER(ctypes.c_ulong)),
        ("atom", ctypes.c_ulong),
        ("name", ctypes.c_char_p),
    ]


def read_cur(path):
    """(width, height, xhot, yhot, set of opaque (x, y)) of a 1-bit .cur file."""
    data = open(path, "rb").read()
    _, kind, count = struct.unpack_from("<HHH", data, 0)
    if kind != 2 or count < 1:
        raise ValueError("not a cursor file")
    width, height, _, _, xhot, yhot, _, offset = struct.unpack_from("<BBBBHHII", data, 6)
    width, height = width or 256, height or 256
    header_size, _, _, _, bits = struct.unpack_from("<IiiHH", data, offset)
    if bits != 1:
        raise ValueError("only monochrome cursors are compared")
    stride = ((width + 31) // 32) * 4
    and_mask = offset + header_size + 2 * 4 + stride * height  # after palette and XOR bits
    opaque = set()
    for row in range(height):
        line = data[and_mask + row * stride: and_mask + (row + 1) * stride]
        y = height - 1 - row  # rows are stored bottom-up
        for x in range(width):
            if not (line[x // 8] >> (7 - x % 8)) & 1:
                opaque.add((x, y))
    return width, height, xhot, yhot, opaque


def read_pointer():
    x11 = ctypes.CDLL(ctypes.util.find_library("X11") or "libX11.so.6")
    xfixes = ctypes.CDLL(ctypes.util.find_library("Xfixes") or "libXfixes.so.3")
    x11.XOpenDisplay.restype = ctypes.c_void_p
    x11.XOpenDisplay.argtypes = [ctypes.c_char_p]
    x11.XCloseDisplay.argtypes = [ctypes.c_void_p]
    x11.XFree.argtypes = [ctypes.c_void_p]
    xfixes.XFixesGetCursorImage.restype = ctypes.POINTER(XFixesCursorImage)
    xfixes.XFixesGetCursorImage.argtypes = [ctypes.c_void_p]
    display = x11.XOpenDisplay(None)
    if not display:
        return None
    try:
        image = xfixes.XFixesGetCursorImage(display)
        if not image:
            return None
        c = image.contents
        opaque = {(i % c.width, i // c.width)
                  for i in range(c.width * c.height)
                  if ((c.pixels[i] >> 24) & 0xFF) >= 0x80}
        result = (c.width, c.height, c.xhot, c.yhot, opaque)
        x11.XFree(image)
        return result
    finally:
        x11.XCloseDisplay(display)


def main():
    try:
        hand = read_cur(sys.argv[1])
        shown = read_pointer()
    except (OSError, ValueError, IndexError):
        shown = None
    if shown is None:
        print("cursor unknown")
        return 1
    print("cursor hand" if shown == hand else "cursor other")
    return 0


if __name__ == "__main__":
    sys.exit(main())
