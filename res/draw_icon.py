#!/usr/bin/env python3
"""Draws the program icon, res/main.ico: a pocket calculator with orange keys
and a blue display in front of a green folder.

Four 32-bit images with alpha, stored in the order 128, 48, 64, 32. Every
shape is laid out on a 32-unit grid and its edges are rounded to whole
pixels at each size before drawing, so the small sizes stay crisp; only the
rounded corners are smoothed (drawn four times larger, then reduced).

Needs Pillow (python3-pil); the build uses the committed main.ico.
usage: draw_icon.py OUTPUT.ico [PREVIEW.png]
"""
import io
import struct
import sys

from PIL import Image, ImageDraw

SIZES = (128, 48, 64, 32)
SUPERSAMPLE = 4

FOLDER_BACK = (46, 125, 50, 255)
FOLDER_FRONT = (76, 175, 80, 255)
FOLDER_EDGE = (27, 94, 32, 255)
PAPER = (250, 250, 245, 255)
PAPER_EDGE = (180, 180, 170, 255)
SHADOW = (0, 0, 0, 70)
BODY = (55, 60, 70, 255)
BODY_EDGE = (30, 33, 40, 255)
DISPLAY = (30, 110, 210, 255)
DISPLAY_LIGHT = (120, 190, 255, 255)
KEY = (245, 140, 20, 255)
KEY_DARK = (200, 90, 0, 255)
KEY_EQUALS = (230, 80, 30, 255)


class Canvas:
    """Draws shapes given on the 32-unit grid at one pixel size."""

    def __init__(self, size):
        self.size = size
        self.image = Image.new("RGBA", (size * SUPERSAMPLE, size * SUPERSAMPLE), (0, 0, 0, 0))

    def px(self, units):
        # Snap to whole target pixels, then go to the supersampled grid.
        return round(units * self.size / 32) * SUPERSAMPLE

    def rect(self, x0, y0, x1, y1, fill, radius=0.0, outline=None, width=1):
        layer = Image.new("RGBA", self.image.size, (0, 0, 0, 0))
        draw = ImageDraw.Draw(layer)
        box = (self.px(x0), self.py(y0), self.px(x1) - 1, self.py(y1) - 1)
        r = round(radius * self.size / 32 * SUPERSAMPLE)
        line = max(1, round(width * self.size / 32)) * SUPERSAMPLE
        draw.rounded_rectangle(box, radius=r, fill=fill, outline=outline, width=line if outline else 0)
        self.image = Image.alpha_composite(self.image, layer)

    py = px

    def polygon(self, points, fill):
        layer = Image.new("RGBA", self.image.size, (0, 0, 0, 0))
        ImageDraw.Draw(layer).polygon([(self.px(x), self.py(y)) for x, y in points], fill=fill)
        self.image = Image.alpha_composite(self.image, layer)

    def result(self):
        return self.image.resize((self.size, self.size), Image.LANCZOS)


def draw(size):
    c = Canvas(size)
    # Folder: back panel with its tab, a sheet of paper, then the front flap.
    c.rect(1, 4, 13, 9, FOLDER_BACK, radius=1.5)
    c.rect(1, 6, 31, 27, FOLDER_BACK, radius=1.5)
    c.rect(4, 8, 27, 20, PAPER, radius=0.5, outline=PAPER_EDGE, width=0.5)
    c.rect(1, 11, 31, 27, FOLDER_FRONT, radius=1.5, outline=FOLDER_EDGE, width=1)
    # Calculator, standing in front of the folder's right half, with a soft shadow.
    c.rect(14, 10, 31, 32, SHADOW, radius=2)
    c.rect(12, 8, 29, 31, BODY, radius=2, outline=BODY_EDGE, width=1)
    c.rect(14, 10, 27, 15, DISPLAY, radius=0.5)
    if size >= 48:
        c.rect(15, 11, 26, 12, DISPLAY_LIGHT)
    # Keys: three rows of three, the last one the "=" key.
    for row in range(3):
        for col in range(3):
            x = 14 + col * 5
            y = 17 + row * 4
            h = 3
            colour = KEY_EQUALS if (row, col) == (2, 2) else KEY
            if size >= 48:
                c.rect(x, y + 0.5, x + 3, y + h + 0.5, KEY_DARK, radius=0.5)
            c.rect(x, y, x + 3, y + h, colour, radius=0.5)
    return c.result()


def dib_entry(image):
    """An icon image as a bottom-up 32-bit DIB with its AND mask."""
    w, h = image.size
    header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    pixels = bytearray()
    for y in range(h - 1, -1, -1):
        for x in range(w):
            r, g, b, a = image.getpixel((x, y))
            pixels += bytes((b, g, r, a))
    mask_stride = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in range(h - 1, -1, -1):
        row = bytearray(mask_stride)
        for x in range(w):
            if image.getpixel((x, y))[3] == 0:
                row[x // 8] |= 0x80 >> (x % 8)
        mask += row
    return header + bytes(pixels) + bytes(mask)


def png_entry(image):
    out = io.BytesIO()
    image.save(out, format="PNG", optimize=True)
    return out.getvalue()


def write_ico(path, images):
    # The largest image is stored as PNG to keep the executable small.
    blobs = [png_entry(im) if im.size[0] >= 128 else dib_entry(im) for im in images]
    offset = 6 + 16 * len(images)
    directory = struct.pack("<HHH", 0, 1, len(images))
    for im, blob in zip(images, blobs):
        w = im.size[0]
        directory += struct.pack("<BBBBHHII", w % 256, w % 256, 0, 0, 1, 32, len(blob), offset)
        offset += len(blob)
    with open(path, "wb") as f:
        f.write(directory)
        for blob in blobs:
            f.write(blob)


def main():
    images = [draw(size) for size in SIZES]
    write_ico(sys.argv[1], images)
    if len(sys.argv) > 2:
        # Every size side by side, and the 32 and 48 ones enlarged, for a look.
        sheet = Image.new("RGBA", (128 + 48 + 64 + 32 + 50 + 256 + 192, 256), (255, 255, 255, 255))
        x = 10
        for im in images:
            sheet.alpha_composite(im, (x, 0))
            x += im.size[0] + 10
        sheet.alpha_composite(images[3].resize((256, 256), Image.NEAREST), (x, 0))
        sheet.alpha_composite(images[1].resize((192, 192), Image.NEAREST), (x + 256, 0))
        sheet.save(sys.argv[2])


if __name__ == "__main__":
    main()
