#!/usr/bin/env python3
"""Renders the bitmaps of art files enlarged into one PNG, to look at them.

    tools/contactsheet.py --scale 6 -o sheet.png resources/art/*.txt

Each file's pictures make one row, in file order. Pictures on pure green are
shown on a button-face grey, the way the toolbar shows them.
"""
import argparse
import struct
import zlib

import pixelart

GREEN = (0, 255, 0)
BUTTON_FACE = (212, 208, 200)
GAP_COLOUR = (70, 70, 90)


def png_bytes(width, height, rgb_rows):
    raw = b"".join(b"\0" + bytes(v for px in row for v in px) for row in rgb_rows)

    def chunk(kind, data):
        return (struct.pack(">I", len(data)) + kind + data
                + struct.pack(">I", zlib.crc32(kind + data) & 0xFFFFFFFF))

    header = struct.pack(">IIBBBBB", width, height, 8, 2, 0, 0, 0)
    return (b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header)
            + chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def sheet(rows_of_pictures, scale, gap):
    width = max(sum(p.width * scale + gap for p in row) + gap for row in rows_of_pictures)
    height = sum(max(p.height for p in row) * scale + gap for row in rows_of_pictures) + gap
    canvas = [[GAP_COLOUR] * width for _ in range(height)]
    top = gap
    for row in rows_of_pictures:
        left = gap
        for p in row:
            for y in range(p.height * scale):
                line = canvas[top + y]
                for x in range(p.width * scale):
                    c = p.colour(x // scale, y // scale)
                    line[left + x] = BUTTON_FACE if c == GREEN else c
            left += p.width * scale + gap
        top += max(p.height for p in row) * scale + gap
    return width, height, canvas


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("-o", "--output", required=True)
    parser.add_argument("--scale", type=int, default=6)
    parser.add_argument("art", nargs="+")
    args = parser.parse_args()
    rows = []
    for path in args.art:
        with open(path, encoding="utf-8") as f:
            rows.append([p for p in pixelart.parse(f.read(), path) if p.resource is not None])
    width, height, canvas = sheet([r for r in rows if r], args.scale, 2 * args.scale)
    with open(args.output, "wb") as f:
        f.write(png_bytes(width, height, canvas))


if __name__ == "__main__":
    main()
