#!/usr/bin/env python3
"""Draws res/imprint.bmp: three lines of a Chinese book's imprint page, the
format line circled in red. 391 x 100 pixels, 4 bits per pixel.

Needs Pillow (python3-pil) and the WenQuanYi Zen Hei font; the build uses
the committed imprint.bmp.
usage: draw_imprint.py OUTPUT.bmp
"""
import struct
import sys

from PIL import Image, ImageDraw, ImageFont

WIDTH, HEIGHT = 391, 100
FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"
LINES = (
    "2005年3月第1版  2005年3月第1次印刷",
    "开本 787毫米×1092毫米 1/16  印张 18.5",
    "字数 420千字  印数 0001-5000册",
)
FORMAT_LINE = 1

# The sixteen colours of the classic Windows palette.
PALETTE = (
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
)
WHITE, BLACK, GREY, SILVER, RED = 15, 0, 8, 7, 9


def render():
    image = Image.new("RGB", (WIDTH, HEIGHT), PALETTE[WHITE])
    draw = ImageDraw.Draw(image)
    font = ImageFont.truetype(FONT, 14)
    line_height = 24
    top = (HEIGHT - line_height * len(LINES)) // 2
    for index, text in enumerate(LINES):
        left, _, right, _ = draw.textbbox((0, 0), text, font=font)
        x = (WIDTH - (right - left)) // 2
        y = top + index * line_height + 4
        draw.text((x, y), text, font=font, fill=PALETTE[BLACK])
        if index == FORMAT_LINE:
            # Wide enough that the text's corners stay inside the curve.
            _, top_edge, _, bottom_edge = draw.textbbox((x, y), text, font=font)
            cx, cy = x + (right - left) / 2, (top_edge + bottom_edge) / 2
            half_text_w, half_text_h = (right - left) / 2 + 2, (bottom_edge - top_edge) / 2 + 1
            b = half_text_h + 6
            a = half_text_w / (1 - (half_text_h / b) ** 2) ** 0.5
            draw.ellipse((cx - a, cy - b, cx + a, cy + b), outline=PALETTE[RED], width=2)
    return image


def quantize(image):
    """Maps each pixel to the nearest of black, grey, silver, white or red:
    the smoothed edges of the text stay neutral and the ellipse stays red."""
    choices = (BLACK, GREY, SILVER, WHITE, RED)
    indices = []
    for r, g, b in image.getdata():
        best = min(choices, key=lambda i: sum((p - q) ** 2 for p, q in zip(PALETTE[i], (r, g, b))))
        indices.append(best)
    return indices


def write_bmp(path, indices):
    stride = ((WIDTH * 4 + 31) // 32) * 4
    rows = bytearray()
    for y in range(HEIGHT - 1, -1, -1):
        row = bytearray(stride)
        for x in range(WIDTH):
            value = indices[y * WIDTH + x]
            row[x // 2] |= value << 4 if x % 2 == 0 else value
        rows += row
    palette = b"".join(bytes((b, g, r, 0)) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    info = struct.pack("<IiiHHIIiiII", 40, WIDTH, HEIGHT, 1, 4, 0, len(rows), 3780, 3780, 16, 0)
    header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    with open(path, "wb") as f:
        f.write(header + info + palette + bytes(rows))


def main():
    write_bmp(sys.argv[1], quantize(render()))


if __name__ == "__main__":
    main()
