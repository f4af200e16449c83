#!/usr/bin/env python3
"""Turns pixel art written as text into Windows BMP files and an .rc fragment.

An art file holds one palette and any number of pictures:

    depth 4                      bits per pixel, 4 (the default) or 8
    colour . 000000 ground       symbol, RRGGBB, a name; the first is the ground
    colour w ffffff white

    bitmap 175 hero              a resource: its id, a name, then its rows
    ....ww....
    ...wwww...

    picture plane                a named picture used only to build others
    bitmap 181 strip = plane bulb    pictures of one height side by side
    bitmap 196 grey = grey strip     the same pixels, every colour but the
                                     ground turned to its grey

One character is one pixel. Lines starting with "#" are comments; a blank
line ends a picture.
"""
import argparse
import os
import struct
import sys


class ArtError(Exception):
    pass


class Picture:
    def __init__(self, name, rows, palette, depth, resource=None):
        self.name = name
        self.rows = rows          # lists of palette indices, top row first
        self.palette = palette    # (r, g, b) tuples
        self.depth = depth
        self.resource = resource  # the bitmap id, or None

    @property
    def width(self):
        return len(self.rows[0])

    @property
    def height(self):
        return len(self.rows)

    def colour(self, x, y):
        return self.palette[self.rows[y][x]]


def grey_of(rgb):
    r, g, b = rgb
    level = round(0.299 * r + 0.587 * g + 0.114 * b)
    return (level, level, level)


def parse(text, where="art"):
    """Reads one art file; returns its pictures in file order."""
    depth = 4
    symbols = {}
    palette = []
    pictures = []
    by_name = {}
    current = None  # the picture whose rows are being read
    number = 0

    def fail(number, message):
        raise ArtError("%s:%d: %s" % (where, number, message))

    def add(number, picture):
        if picture.name in by_name:
            fail(number, "picture %r defined twice" % picture.name)
        by_name[picture.name] = picture
        pictures.append(picture)

    def finish(number):
        if current is not None and not current.rows:
            fail(number, "picture %r has no rows" % current.name)

    for number, line in enumerate(text.splitlines(), 1):
        line = line.rstrip()
        if line.startswith("#"):
            continue
        if not line:
            finish(number)
            current = None
            continue
        if current is not None:
            row = []
            for ch in line:
                if ch not in symbols:
                    fail(number, "unknown colour %r" % ch)
                row.append(symbols[ch])
            if current.rows and len(row) != current.width:
                fail(number, "row of %d pixels, expected %d" % (len(row), current.width))
            current.rows.append(row)
            continue
        words = line.split()
        keyword = words[0]
        if keyword == "depth":
            if pictures or palette or len(words) != 2 or words[1] not in ("4", "8"):
                fail(number, "depth must come first and be 4 or 8")
            depth = int(words[1])
        elif keyword == "colour":
            if len(words) < 3 or len(words[1]) != 1 or words[1] in symbols or words[1] == "#":
                fail(number, "expected: colour SYMBOL RRGGBB name")
            try:
                rgb = bytes.fromhex(words[2])
            except ValueError:
                rgb = b""
            if len(rgb) != 3:
                fail(number, "bad colour %r" % words[2])
            symbols[words[1]] = len(palette)
            palette.append(tuple(rgb))
            if len(palette) > 1 << depth:
                fail(number, "more than %d colours" % (1 << depth))
        elif keyword in ("bitmap", "picture"):
            resource = None
            if keyword == "bitmap":
                if len(words) < 3 or not words[1].isdigit():
                    fail(number, "expected: bitmap ID name")
                resource = int(words.pop(1))
            if len(words) < 2 or not palette:
                fail(number, "a picture needs a name, and colours before it")
            if len(words) == 2:
                current = Picture(words[1], [], palette, depth, resource)
                add(number, current)
                continue
            if len(words) < 4 or words[2] != "=":
                fail(number, "expected rows on the next lines, or = ...")
            try:
                rows, colours = derive(words[3:], by_name)
            except ArtError as e:
                fail(number, str(e))
            add(number, Picture(words[1], rows, colours, depth, resource))
        else:
            fail(number, "unknown keyword %r" % keyword)
    finish(number + 1)
    return pictures


def derive(parts, by_name):
    """The rows and palette of "grey NAME" or of "NAME NAME ..." side by side."""
    missing = [p for p in parts if p not in by_name and p != "grey"]
    if missing:
        raise ArtError("unknown picture %r" % missing[0])
    if parts[0] == "grey":
        if len(parts) != 2:
            raise ArtError("expected: = grey PICTURE")
        source = by_name[parts[1]]
        return source.rows, source.palette[:1] + [grey_of(c) for c in source.palette[1:]]
    sources = [by_name[p] for p in parts]
    if len({s.height for s in sources}) != 1:
        raise ArtError("pictures of different heights side by side")
    rows = [sum((s.rows[y] for s in sources), []) for y in range(sources[0].height)]
    return rows, sources[0].palette


def bmp_bytes(picture):
    """A bottom-up, uncompressed BMP with the full palette of its depth."""
    depth = picture.depth
    colours = 1 << depth
    palette = list(picture.palette) + [(0, 0, 0)] * (colours - len(picture.palette))
    stride = (picture.width * depth + 31) // 32 * 4
    pixels = bytearray()
    for row in reversed(picture.rows):
        if depth == 4:
            padded = row + [0] * (len(row) % 2)
            line = bytes(padded[i] << 4 | padded[i + 1] for i in range(0, len(padded), 2))
        else:
            line = bytes(row)
        pixels += line + bytes(stride - len(line))
    table = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in palette)
    offset = 14 + 40 + len(table)
    info = struct.pack("<IiiHHIIiiII", 40, picture.width, picture.height, 1, depth,
                       0, len(pixels), 2835, 2835, 0, 0)
    head = struct.pack("<2sIHHI", b"BM", offset + len(pixels), 0, 0, offset)
    return head + info + table + bytes(pixels)


def ico_bytes(picture):
    """A one-image icon of the picture, its ground colour transparent."""
    bmp = bmp_bytes(picture)
    info = bytearray(bmp[14:])
    struct.pack_into("<i", info, 8, picture.height * 2)  # colour rows, then the mask's
    mask_stride = (picture.width + 31) // 32 * 4
    mask = bytearray()
    for row in reversed(picture.rows):
        bits = bytearray(mask_stride)
        for x, index in enumerate(row):
            if index == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    image = bytes(info) + bytes(mask)
    colours = 0 if picture.depth >= 8 else 1 << picture.depth
    head = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", picture.width, picture.height, colours, 0, 1,
                        picture.depth, len(image), 6 + 16)
    return head + entry + image


def file_name(picture):
    return "%d-%s.bmp" % (picture.resource, picture.name)


def load(paths):
    """The resources of all the files, checked for clashing ids."""
    resources = []
    seen = {}
    for path in paths:
        with open(path, encoding="utf-8") as f:
            for picture in parse(f.read(), path):
                if picture.resource is None:
                    continue
                if picture.resource in seen:
                    raise ArtError("%s: bitmap %d already drawn in %s"
                                   % (path, picture.resource, seen[picture.resource]))
                seen[picture.resource] = path
                resources.append(picture)
    return resources


def main(argv=None):
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--out", required=True, help="folder for the .bmp files")
    parser.add_argument("--rc", required=True, help="name of the .rc fragment, in that folder")
    parser.add_argument("--icon", action="append", default=[], metavar="ID:PICTURE",
                        help="also write that picture as an icon resource")
    parser.add_argument("art", nargs="+")
    args = parser.parse_args(argv)
    try:
        pictures = load(args.art)
    except (ArtError, OSError) as e:
        sys.exit("pixelart: %s" % e)
    os.makedirs(args.out, exist_ok=True)
    lines = []
    for picture in pictures:
        with open(os.path.join(args.out, file_name(picture)), "wb") as f:
            f.write(bmp_bytes(picture))
        lines.append('%d BITMAP "%s"\n' % (picture.resource, file_name(picture)))
    by_name = {p.name: p for p in pictures}
    for icon in args.icon:
        resource, _, name = icon.partition(":")
        if name not in by_name:
            sys.exit("pixelart: no picture named %s for icon %s" % (name, resource))
        icon_file = "%s-%s.ico" % (resource, name)
        with open(os.path.join(args.out, icon_file), "wb") as f:
            f.write(ico_bytes(by_name[name]))
        lines.append('%s ICON "%s"\n' % (resource, icon_file))
    # Written every time, so that what includes it is rebuilt with the new pictures.
    with open(os.path.join(args.out, args.rc), "w", newline="\n") as f:
        f.write("/* Generated by tools/pixelart.py from resources/art. */\n")
        f.writelines(lines)


if __name__ == "__main__":
    main()
