"""The released and pressed pictures of the 20 keys.

A released key is a raised button: light top and left edges, a two-pixel shadow along the
bottom and right. The pressed picture inverts the edges and moves the label one pixel down
and right, so the key looks pushed in. The corner pixels are black, the colour of the recess
the face draws around each key, which rounds the button off.
"""

from bmp4 import COLOUR
from canvas import Canvas
from pixel_fonts import LARGE, SMALL, draw_text, text_width

UPPER_SIZE = (32, 20)
LOWER_SIZE = (23, 15)

# Keys 1..12: the digit (or '.') and the letters typed in alpha mode; key 12 is Enter.
UPPER_LABELS = [("7", "ABC"), ("8", "DEF"), ("9", "GHI"),
                ("4", "JKL"), ("5", "MNO"), ("6", "PQR"),
                ("1", "STU"), ("2", "VWX"), ("3", "YZ*"),
                ("0", "+$/"), (".", "-%:"), ("Enter", None)]
# Keys 13..20.
LOWER_LABELS = ["BS", "SP", "↑", "↓", "Alpha", "FN", "ESC", "PWR"]

FACE = COLOUR["silver"]
INK = COLOUR["black"]
LETTER_INK = COLOUR["navy"]
POWER_INK = COLOUR["maroon"]


def upper_key_position(key):
    """Top-left of key 1..12 on the face: 4 rows of 3 keys."""
    column, row = (key - 1) % 3, (key - 1) // 3
    return 30 + 45 * column, 235 + 28 * row


def lower_key_position(key):
    """Top-left of key 13..20 on the face: 2 rows of 4 keys."""
    column, row = (key - 13) % 4, (key - 13) // 4
    return 33 + 31 * column, 347 + 23 * row


def key_position(key):
    return upper_key_position(key) if key <= 12 else lower_key_position(key)


def key_picture(key, pressed):
    """The picture of key 1..20, released or pressed."""
    width, height = UPPER_SIZE if key <= 12 else LOWER_SIZE
    canvas = Canvas(width, height, FACE)
    _draw_edges(canvas, pressed)
    # The label's box is the face inside the edges of the released key.
    shift = 1 if pressed else 0
    box = (1 + shift, 1 + shift, width - 3 + shift, height - 3 + shift)
    if key <= 12:
        _draw_upper_label(canvas, box, *UPPER_LABELS[key - 1])
    else:
        _draw_lower_label(canvas, box, key, LOWER_LABELS[key - 13])
    return canvas


def _draw_edges(canvas, pressed):
    right, bottom = canvas.width - 1, canvas.height - 1
    white, gray, black = COLOUR["white"], COLOUR["gray"], COLOUR["black"]
    if pressed:
        canvas.bevel(0, 0, right, bottom, black, white)
        canvas.hline(1, right - 1, 1, gray)
        canvas.vline(1, 1, bottom - 1, gray)
    else:
        canvas.bevel(0, 0, right, bottom, white, black)
        canvas.hline(1, right - 1, bottom - 1, gray)
        canvas.vline(right - 1, 1, bottom - 1, gray)
    for x, y in ((0, 0), (right, 0), (0, bottom), (right, bottom)):
        canvas.set(x, y, black)


def _centre(box, width, height):
    """Top-left that centres a width x height block in the box (corners inclusive)."""
    left, top, right, bottom = box
    if width > right - left + 1 or height > bottom - top + 1:
        raise ValueError(f"a label of {width} x {height} does not fit on the key")
    return (left + (right - left + 1 - width) // 2,
            top + (bottom - top + 1 - height) // 2)


def _draw_upper_label(canvas, box, main, letters):
    if letters is None:
        x, y = _centre(box, text_width(LARGE, main), LARGE.cap_height)
        draw_text(canvas, LARGE, main, x, y, INK)
        return
    # A bold digit with the key's letters beside it, both on one baseline.
    gap = 3
    digit_width = text_width(LARGE, main, bold=True)
    width = digit_width + gap + text_width(SMALL, letters)
    x, y = _centre(box, width, LARGE.cap_height)
    draw_text(canvas, LARGE, main, x, y, INK, bold=True)
    letters_top = y + LARGE.cap_height - SMALL.cap_height
    draw_text(canvas, SMALL, letters, x + digit_width + gap, letters_top, LETTER_INK)


def _draw_lower_label(canvas, box, key, label):
    # "Alpha" is too wide for the large font on a 23-pixel key; the small one keeps it whole.
    font = LARGE if text_width(LARGE, label) <= box[2] - box[0] + 1 else SMALL
    ink = POWER_INK if key == 20 else INK
    x, y = _centre(box, text_width(font, label), font.cap_height)
    draw_text(canvas, font, label, x, y, ink)
