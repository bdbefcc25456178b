#!/usr/bin/env python3
"""Builds the program's 16-colour icon and bitmaps from text pixel art.

Each picture is a text file: lines starting with '#' are comments, every other
line is one row of pixels, top row first, one character per pixel:

    0 black    4 navy     8 grey     C blue
    1 maroon   5 purple   9 red      D fuchsia
    2 green    6 teal     A lime     E aqua
    3 olive    7 silver   B yellow   F white
    . transparent (icons only)

Usage:
    make_images.py ico OUT.ico PICTURE.txt [PICTURE.txt ...]   one image per picture
    make_images.py bmp OUT.bmp PICTURE.txt [PICTURE.txt ...]   pictures side by side
"""
import struct
import sys

# The standard 16-colour palette, as (red, green, blue).
PALETTE = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]
TRANSPARENT = "."


def read_picture(path):
    rows = []
    with open(path, encoding="ascii") as f:
        for line in f:
            line = line.rstrip("\n")
            if line.startswith("#") or not line.strip():
                continue
            rows.append(line.upper())
    if not rows:
        sys.exit(f"{path}: no pixel rows")
    width = len(rows[0])
    for number, row in enumerate(rows, 1):
        if len(row) != width:
            sys.exit(f"{path}: row {number} has {len(row)} pixels, the first has {width}")
        for ch in row:
            if ch != TRANSPARENT and ch not in "0123456789ABCDEF":
                sys.exit(f"{path}: row {number}: '{ch}' is not a colour")
    return rows


def palette_bytes():
    return b"".join(struct.pack("<BBBB", b, g, r, 0) for (r, g, b) in PALETTE)


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def pixel_rows_4bpp(rows):
    """Bottom-up rows of two pixels a byte; transparent pixels are black."""
    out = b""
    for row in reversed(rows):
        values = [0 if ch == TRANSPARENT else int(ch, 16) for ch in row]
        if len(values) % 2:
            values.append(0)
        out += padded(bytes((values[i] << 4) | values[i + 1] for i in range(0, len(values), 2)))
    return out


def mask_rows(rows):
    """Bottom-up rows of the AND mask: 1 where the pixel is transparent."""
    out = b""
    for row in reversed(rows):
        bits = [1 if ch == TRANSPARENT else 0 for ch in row]
        bits += [0] * (-len(bits) % 8)
        out += padded(bytes(
            sum(bit << (7 - j) for j, bit in enumerate(bits[i:i + 8]))
            for i in range(0, len(bits), 8)))
    return out


def info_header(width, height, image_size):
    return struct.pack("<IiiHHIIiiII", 40, width, height, 1, 4, 0, image_size, 0, 0, 16, 0)


def icon(pictures):
    images = []
    for rows in pictures:
        width, height = len(rows[0]), len(rows)
        if width > 255 or height > 255:
            sys.exit("icon pictures are at most 255 pixels wide and high")
        xor, mask = pixel_rows_4bpp(rows), mask_rows(rows)
        # An icon's header counts the colour rows and the mask rows together.
        data = info_header(width, 2 * height, len(xor) + len(mask)) + palette_bytes() + xor + mask
        images.append((width, height, data))
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for width, height, data in images:
        out += struct.pack("<BBBBHHII", width % 256, height % 256, 16, 0, 1, 4, len(data), offset)
        offset += len(data)
    return out + b"".join(data for _, _, data in images)


def bitmap(rows):
    if any(TRANSPARENT in row for row in rows):
        sys.exit("bitmaps have no transparent pixels")
    pixels = pixel_rows_4bpp(rows)
    header = info_header(len(rows[0]), len(rows), len(pixels)) + palette_bytes()
    file_header = struct.pack("<2sIHHI", b"BM", 14 + len(header) + len(pixels), 0, 0, 14 + len(header))
    return file_header + header + pixels


def side_by_side(pictures):
    """One picture of several of the same height, left to right."""
    height = len(pictures[0])
    if any(len(picture) != height for picture in pictures):
        sys.exit("pictures placed side by side must have the same height")
    return ["".join(picture[row] for picture in pictures) for row in range(height)]


def main(argv):
    if len(argv) < 4 or argv[1] not in ("ico", "bmp"):
        sys.exit(__doc__)
    kind, out_path, sources = argv[1], argv[2], argv[3:]
    pictures = [read_picture(path) for path in sources]
    data = icon(pictures) if kind == "ico" else bitmap(side_by_side(pictures))
    with open(out_path, "wb") as f:
        f.write(data)


if __name__ == "__main__":
    main(sys.argv)
