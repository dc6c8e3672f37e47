#!/usr/bin/env python3
"""Builds the program's icons (NNNN.ico, one for each map in art/32) from text pixel maps.

palette.txt maps one character to a colour per line, `c #RRGGBB name`,
and `. transparent` for the see-through character.  art/SIZE/NNNN.txt is
a SIZE x SIZE map drawn with those characters, one for each of 16, 32, 48
and 64 pixels: the small one is drawn simpler, not shrunk, so that it still
reads.  Each icon gets the four images, each with a 256-colour palette
and a 1-bit transparency mask; Windows picks the one that fits the screen.

Usage: python3 make_icons.py [icons directory]   (default: this script's directory)
"""

import pathlib
import re
import struct
import sys

SIZES = (16, 32, 48, 64)
TRANSPARENT = "."
PALETTE_SLOTS = 256
BITS_PER_PIXEL = 8


class ArtError(Exception):
    pass


def read_palette(path):
    """Returns {character: palette index}, and the colours as (r, g, b) by index.

    Index 0 stays black: transparent pixels use it, so the mask alone decides
    what shows through.
    """
    indices = {}
    colours = [(0, 0, 0)]
    colour_line = re.compile(r"^(\S) #([0-9A-Fa-f]{6})(\s.*)?$")
    for number, line in enumerate(path.read_text(encoding="utf-8").splitlines(), 1):
        if not line.strip():
            continue
        where = f"{path}:{number}"
        if line.split()[:2] == [TRANSPARENT, "transparent"]:
            continue
        match = colour_line.match(line)
        if not match:
            raise ArtError(f"{where}: expected 'c #RRGGBB', got {line!r}")
        char, hex_rgb = match.group(1), match.group(2)
        if char == TRANSPARENT:
            raise ArtError(f"{where}: '{TRANSPARENT}' is reserved for transparency")
        if char in indices:
            raise ArtError(f"{where}: character {char!r} defined twice")
        if len(colours) == PALETTE_SLOTS:
            raise ArtError(f"{where}: more than {PALETTE_SLOTS - 1} colours")
        indices[char] = len(colours)
        colours.append(tuple(int(hex_rgb[i:i + 2], 16) for i in (0, 2, 4)))
    return indices, colours


def read_art(path, size, indices):
    """Returns the pixel map as `size` rows of `size` characters, top row first."""
    rows = path.read_text(encoding="utf-8").splitlines()
    if len(rows) != size:
        raise ArtError(f"{path}: {len(rows)} lines, expected {size}")
    for number, row in enumerate(rows, 1):
        if len(row) != size:
            raise ArtError(f"{path}:{number}: {len(row)} characters, expected {size}")
        for column, char in enumerate(row, 1):
            if char != TRANSPARENT and char not in indices:
                raise ArtError(f"{path}:{number}:{column}: unknown character {char!r}")
    return rows


def row_stride(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def image_bytes(rows, indices, colour_table):
    size = len(rows)
    xor_stride = row_stride(size * BITS_PER_PIXEL)
    and_stride = row_stride(size)
    xor_bitmap = bytearray()
    and_mask = bytearray()
    for row in reversed(rows):  # DIBs are stored bottom-up
        xor_row = bytearray(indices.get(char, 0) for char in row)
        xor_bitmap += xor_row.ljust(xor_stride, b"\0")
        mask_bits = bytearray(and_stride)
        for x, char in enumerate(row):
            if char == TRANSPARENT:
                mask_bits[x // 8] |= 0x80 >> (x % 8)
        and_mask += mask_bits

    # The header's height covers both the colour bitmap and the mask.
    info_header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, BITS_PER_PIXEL,
                              0, len(xor_bitmap) + len(and_mask), 0, 0, 0, 0)
    return info_header + colour_table + bytes(xor_bitmap) + bytes(and_mask)


def ico_bytes(maps, indices, colours):
    """`maps`: the pixel maps of one icon, smallest first."""
    colour_table = b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in colours)
    colour_table += b"\0" * 4 * (PALETTE_SLOTS - len(colours))
    images = [image_bytes(rows, indices, colour_table) for rows in maps]

    icon_dir = struct.pack("<HHH", 0, 1, len(images))
    offset = len(icon_dir) + 16 * len(images)
    entries = b""
    for rows, image in zip(maps, images):
        # A width, height or colour count of 256 is written as 0.
        entries += struct.pack("<BBBBHHII", len(rows), len(rows), 0, 0, 1, BITS_PER_PIXEL,
                               len(image), offset)
        offset += len(image)
    return icon_dir + entries + b"".join(images)


def main(argv):
    if len(argv) > 2:
        sys.exit(__doc__)
    icons_dir = pathlib.Path(argv[1]) if len(argv) == 2 else pathlib.Path(__file__).parent
    try:
        indices, colours = read_palette(icons_dir / "palette.txt")
        # Read everything before writing anything, so a bad map leaves no half-made set.
        icons = {number: [read_art(icons_dir / "art" / str(size) / f"{number}.txt", size, indices)
                          for size in SIZES]
                 for number in sorted(path.stem for path in (icons_dir / "art" / "32").glob("*.txt"))}
    except (ArtError, OSError) as error:
        sys.exit(f"make_icons: {error}")
    for number, maps in icons.items():
        (icons_dir / f"{number}.ico").write_bytes(ico_bytes(maps, indices, colours))
    print(f"make_icons: wrote {len(icons)} icons to {icons_dir}")


if __name__ == "__main__":
    main(sys.argv)
