#!/usr/bin/env python3
"""Draws the pointing-hand cursor (resource 109) as a 32x32 monochrome .cur.

Usage: draw_hand_cursor.py [OUT.cur] [--preview OUT.png]

The hot spot is the tip of the index finger, (6, 0). Only the standard
library is used, so the file can be rebuilt on any machine.
"""
import struct
import sys
import zlib

SIZE = 32
HOT_SPOT = (6, 0)

# '#' black outline, '.' white inside, ' ' transparent. Row 0 is the top.
HAND = [
    "      ##",
    "     #..#",
    "     #..#",
    "     #..#",
    "     #..#",
    "     #..#",
    "     #..###",
    "     #..#..###",
    "     #..#..#..##",
    "     #..#..#..#.#",
    " ### #..#..#..#..#",
    " #..##........#..#",
    " #...#...........#",
    "  #..............#",
    "   #.............#",
    "   #.............#",
    "    #............#",
    "    #...........#",
    "     #..........#",
    "     #.........#",
    "      #........#",
    "      #........#",
    "      ##########",
]


def pixels():
    """Yields rows of 'b' (black), 'w' (white) or 't' (transparent)."""
    rows = []
    for y in range(SIZE):
        line = HAND[y] if y < len(HAND) else ""
        row = []
        for x in range(SIZE):
            ch = line[x] if x < len(line) else " "
            row.append({"#": "b", ".": "w", " ": "t"}[ch])
        rows.append(row)
    return rows


def pack_rows(rows, bit_of):
    """1 bit per pixel, most significant bit first, rows bottom-up (DIB order)."""
    data = bytearray()
    for row in reversed(rows):
        for start in range(0, SIZE, 8):
            byte = 0
            for x in range(start, start + 8):
                byte = (byte << 1) | bit_of(row[x])
            data.append(byte)
    return bytes(data)


def cursor_file(rows):
    # XOR mask: 1 where white; AND mask: 1 where transparent.
    xor_mask = pack_rows(rows, lambda p: 1 if p == "w" else 0)
    and_mask = pack_rows(rows, lambda p: 1 if p == "t" else 0)
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 1, 0,
                         len(xor_mask) + len(and_mask), 0, 0, 2, 2)
    palette = bytes([0, 0, 0, 0, 255, 255, 255, 0])
    image = header + palette + xor_mask + and_mask
    directory = struct.pack("<HHH", 0, 2, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 2, 0, HOT_SPOT[0], HOT_SPOT[1],
                        len(image), 6 + 16)
    return directory + entry + image


def preview_png(rows, scale=8):
    """Transparent pixels show as grey, the hot spot as red."""
    colours = {"b": (0, 0, 0), "w": (255, 255, 255), "t": (160, 160, 160)}
    raw = bytearray()
    for y in range(SIZE * scale):
        raw.append(0)
        for x in range(SIZE * scale):
            px, py = x // scale, y // scale
            colour = colours[rows[py][px]]
            if (px, py) == HOT_SPOT and (x % scale, y % scale) in {(3, 3), (4, 4), (3, 4), (4, 3)}:
                colour = (255, 0, 0)
            raw += bytes(colour)

    def chunk(kind, body):
        return (struct.pack(">I", len(body)) + kind + body +
                struct.pack(">I", zlib.crc32(kind + body) & 0xFFFFFFFF))

    side = SIZE * scale
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", side, side, 8, 2, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(bytes(raw), 9)) + chunk(b"IEND", b""))


def main(argv):
    out = "hand.cur"
    preview = None
    args = list(argv)
    while args:
        arg = args.pop(0)
        if arg == "--preview":
            preview = args.pop(0)
        else:
            out = arg
    rows = pixels()
    assert rows[HOT_SPOT[1]][HOT_SPOT[0]] == "b", "the hot spot must be on the finger tip"
    with open(out, "wb") as f:
        f.write(cursor_file(rows))
    if preview:
        with open(preview, "wb") as f:
            f.write(preview_png(rows))


if __name__ == "__main__":
    main(sys.argv[1:])
