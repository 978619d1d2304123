"""The 16-colour palette and a writer for 4-bit-per-pixel Windows BMP files."""

import struct

# The standard 16-colour VGA palette in the Windows order; index = palette entry.
PALETTE = [
    ("black", (0, 0, 0)),
    ("maroon", (128, 0, 0)),
    ("green", (0, 128, 0)),
    ("olive", (128, 128, 0)),
    ("navy", (0, 0, 128)),
    ("purple", (128, 0, 128)),
    ("teal", (0, 128, 128)),
    ("silver", (192, 192, 192)),
    ("gray", (128, 128, 128)),
    ("red", (255, 0, 0)),
    ("lime", (0, 255, 0)),
    ("yellow", (255, 255, 0)),
    ("blue", (0, 0, 255)),
    ("fuchsia", (255, 0, 255)),
    ("aqua", (0, 255, 255)),
    ("white", (255, 255, 255)),
]

# Palette index by colour name, for the drawing code.
COLOUR = {name: index for index, (name, _) in enumerate(PALETTE)}

FILE_HEADER_SIZE = 14
INFO_HEADER_SIZE = 40


def _row_bytes(row):
    """Packs one row of palette indices two to a byte, padded to a multiple of 4 bytes."""
    padded = list(row) + [0] * (len(row) % 2)
    data = bytes((padded[i] << 4) | padded[i + 1] for i in range(0, len(padded), 2))
    return data + b"\0" * (-len(data) % 4)


def encode_bmp(width, height, pixels):
    """The bytes of an uncompressed bottom-up 4-bpp BMP; pixels[y][x] are palette indices."""
    rows = b"".join(_row_bytes(pixels[y]) for y in reversed(range(height)))
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for _, (r, g, b) in PALETTE)
    offset = FILE_HEADER_SIZE + INFO_HEADER_SIZE + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(rows), 0, 0, offset)
    # No resolution, all 16 colours used and important: nothing in the file depends on the machine.
    info_header = struct.pack("<IiiHHIIiiII", INFO_HEADER_SIZE, width, height, 1, 4, 0,
                              len(rows), 0, 0, 16, 16)
    return file_header + info_header + palette + rows
