"""The 180 x 400 terminal face: housing, LCD window, brand and the keypad recesses.

The key pictures are drawn over this face at their positions by the program, so the face
only shows the dark recess each key sits in. The cyan LCD window covers the text cells
(20 columns x 8 rows of 6 x 10 pixels from (26, 52)) with a margin all round.
"""

from bmp4 import COLOUR
from canvas import Canvas
from key_pictures import LOWER_SIZE, UPPER_SIZE, key_position
from pixel_fonts import LARGE, draw_text, text_width

WIDTH, HEIGHT = 180, 400

BODY = COLOUR["gray"]
BEZEL = COLOUR["silver"]
KEYPAD = COLOUR["navy"]
LCD = COLOUR["aqua"]

LCD_WINDOW = (20, 44, 159, 140)          # cyan, corners inclusive
BEZEL_BOX = (9, 14, 170, 152)
KEYPAD_BOX = (21, 227, 158, 397)
SCANNER_WINDOW = (58, 3, 121, 6)


def face_picture():
    canvas = Canvas(WIDTH, HEIGHT, COLOUR["black"])
    _raised_round(canvas, (0, 0, WIDTH - 1, HEIGHT - 1), 14, BODY)
    _draw_scanner_window(canvas)
    _raised_round(canvas, BEZEL_BOX, 6, BEZEL)
    _draw_brand(canvas)
    _draw_lcd_window(canvas)
    _draw_indicators(canvas)
    _draw_speaker_grille(canvas)
    _draw_keypad(canvas)
    return canvas


def _raised_round(canvas, box, radius, face):
    """A rounded panel lit from the top left: white edge there, black edge bottom right."""
    left, top, right, bottom = box
    canvas.round_fill(left, top, right, bottom, radius, COLOUR["black"])
    canvas.round_fill(left, top, right - 1, bottom - 1, radius, COLOUR["white"])
    canvas.round_fill(left + 1, top + 1, right - 1, bottom - 1, radius - 1, face)


def _sunken_round(canvas, box, radius, face):
    """A rounded recess: the dark edge at the top left, the light one at the bottom right."""
    left, top, right, bottom = box
    canvas.round_fill(left, top, right, bottom, radius, COLOUR["white"])
    canvas.round_fill(left, top, right - 1, bottom - 1, radius, COLOUR["black"])
    canvas.round_fill(left + 1, top + 1, right - 1, bottom - 1, radius - 1, face)


def _draw_scanner_window(canvas):
    """The red exit window of the barcode scanner on the top edge."""
    left, top, right, bottom = SCANNER_WINDOW
    canvas.fill(left, top, right, bottom, COLOUR["maroon"])
    canvas.hline(left + 2, right - 2, top + 1, COLOUR["red"])
    canvas.frame(left - 1, top - 1, right + 1, bottom + 1, COLOUR["black"])


def _draw_brand(canvas):
    text = "K60"
    x = (WIDTH - text_width(LARGE, text, bold=True)) // 2
    draw_text(canvas, LARGE, text, x, BEZEL_BOX[1] + 9, COLOUR["navy"], bold=True)


def _draw_lcd_window(canvas):
    left, top, right, bottom = LCD_WINDOW
    canvas.bevel(left - 2, top - 2, right + 2, bottom + 2, COLOUR["gray"], COLOUR["white"])
    canvas.bevel(left - 1, top - 1, right + 1, bottom + 1, COLOUR["black"], BEZEL)
    canvas.fill(left, top, right, bottom, LCD)


def _draw_indicators(canvas):
    """Two status lights under the LCD: a green one on the left, a red one on the right."""
    for x, lit, rim in ((24, "lime", "green"), (150, "red", "maroon")):
        canvas.round_fill(x, 163, x + 5, 168, 2, COLOUR[rim])
        canvas.fill(x + 1, 164, x + 3, 166, COLOUR[lit])
        canvas.set(x + 1, 164, COLOUR["white"])


def _draw_speaker_grille(canvas):
    """Engraved slots: a black groove with a white lower lip."""
    for y in range(176, 204, 6):
        canvas.hline(66, 113, y, COLOUR["black"])
        canvas.hline(66, 113, y + 1, COLOUR["silver"])


def _draw_keypad(canvas):
    _sunken_round(canvas, KEYPAD_BOX, 6, KEYPAD)
    for key in range(1, 21):
        x, y = key_position(key)
        width, height = UPPER_SIZE if key <= 12 else LOWER_SIZE
        canvas.fill(x - 1, y - 1, x + width, y + height, COLOUR["black"])
    # Releasing PWR opens the command menu: the face says so under the key.
    x, y = key_position(20)
    label = "Menu"
    label_x = x + (LOWER_SIZE[0] - text_width(LARGE, label)) // 2
    draw_text(canvas, LARGE, label, label_x, y + LOWER_SIZE[1] + 3, COLOUR["white"])
