#!/usr/bin/env python3
"""Writes the terminal-face bitmaps face500.bmp .. face545.bmp into a directory.

    make_face_bitmaps.py OUTPUT_DIR

500 is the face, 500 + k and 520 + k the released and pressed pictures of key k (1..20),
541..545 the LCD marks. Standard library only; the output depends on nothing but this code.
"""

import os
import sys

from bmp4 import encode_bmp
from face_picture import face_picture
from key_pictures import key_picture
from lcd_marks import (alpha_off, alpha_on, cursor_cell, highlight_bar,
                       status_line_background)


def all_pictures():
    """Every picture by its resource id."""
    pictures = {500: face_picture()}
    for key in range(1, 21):
        pictures[500 + key] = key_picture(key, pressed=False)
        pictures[520 + key] = key_picture(key, pressed=True)
    pictures[541] = cursor_cell()
    pictures[542] = highlight_bar()
    pictures[543] = alpha_on()
    pictures[544] = alpha_off()
    pictures[545] = status_line_background()
    return pictures


def file_name(picture_id):
    return f"face{picture_id}.bmp"


def write_all(directory):
    os.makedirs(directory, exist_ok=True)
    for picture_id, canvas in sorted(all_pictures().items()):
        data = encode_bmp(canvas.width, canvas.height, canvas.pixels)
        with open(os.path.join(directory, file_name(picture_id)), "wb") as out:
            out.write(data)


def main(argv):
    if len(argv) != 2:
        print(f"usage: {argv[0]} OUTPUT_DIR", file=sys.stderr)
        return 2
    write_all(argv[1])
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
