#!/usr/bin/env python3
"""Builds the program's icons (2000.ico ... 2016.ico) from text pixel maps.

palette.txt maps one character to a colour per line, `c #RRGGBB name`,
and `. transparent` for the see-through character.  art/NNNN.txt is a
32 x 32 map drawn with those characters.  Each icon gets a single 32 x 32
image with a 256-colour palette and a 1-bit transparency mask.

Usage: python3 make_icons.py [icons directory]   (default: this script's directory)
"""

import pathlib
import re
import struct
import sys

SIZE = 32
FIRST_ICON, LAST_ICON = 2000, 2016
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


def read_art(path, indices):
    """Returns the pixel map as SIZE rows of SIZE characters, top row first."""
    rows = path.read_text(encoding="utf-8").splitlines()
    if len(rows) != SIZE:
        raise ArtError(f"{path}: {len(rows)} lines, expected {SIZE}")
    for number, row in enumerate(rows, 1):
        if len(row) != SIZE:
            raise ArtError(f"{path}:{number}: {len(row)} characters, expected {SIZE}")
        for column, char in enumerate(row, 1):
            if char != TRANSPARENT and char not in indices:
                raise ArtError(f"{path}:{number}:{column}: unknown character {char!r}")
    return rows


def row_stride(bits_per_row):
    return (bits_per_row + 31) // 32 * 4


def ico_bytes(rows, indices, colours):
    colour_table = b"".join(struct.pack("<4B", b, g, r, 0) for r, g, b in colours)
    colour_table += b"\0" * 4 * (PALETTE_SLOTS - len(colours))

    xor_stride = row_stride(SIZE * BITS_PER_PIXEL)
    and_stride = row_stride(SIZE)
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
    info_header = struct.pack("<IiiHHIIiiII", 40, SIZE, 2 * SIZE, 1, BITS_PER_PIXEL,
                              0, len(xor_bitmap) + len(and_mask), 0, 0, 0, 0)
    image = info_header + colour_table + bytes(xor_bitmap) + bytes(and_mask)

    icon_dir = struct.pack("<HHH", 0, 1, 1)
    header_size = len(icon_dir) + 16
    # A width, height or colour count of 256 is written as 0.
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, BITS_PER_PIXEL,
                        len(image), header_size)
    return icon_dir + entry + image


def main(argv):
    if len(argv) > 2:
        sys.exit(__doc__)
    icons_dir = pathlib.Path(argv[1]) if len(argv) == 2 else pathlib.Path(__file__).parent
    try:
        indices, colours = read_palette(icons_dir / "palette.txt")
        # Read everything before writing anything, so a bad map leaves no half-made set.
        icons = {number: read_art(icons_dir / "art" / f"{number}.txt", indices)
                 for number in range(FIRST_ICON, LAST_ICON + 1)}
    except (ArtError, OSError) as error:
        sys.exit(f"make_icons: {error}")
    for number, rows in icons.items():
        (icons_dir / f"{number}.ico").write_bytes(ico_bytes(rows, indices, colours))
    print(f"make_icons: wrote {len(icons)} icons to {icons_dir}")


if __name__ == "__main__":
    main(sys.argv)
