"""The small pictures drawn on the LCD: cursor cell, highlight bar, alpha indicator and the
status line background. The LCD colour is the palette's aqua (cyan)."""

from bmp4 import COLOUR
from canvas import Canvas
from pixel_fonts import LARGE, draw_text

LCD = COLOUR["aqua"]


def cursor_cell():
    """6 x 10, blue and cyan: a checker on every other row, light enough that a black
    character drawn on it (a multi-tap letter waiting at the cursor) stays readable, over a
    solid bottom row that keeps the cursor easy to find."""
    canvas = Canvas(6, 10, LCD)
    for y in range(0, 9, 2):
        for x in range(6):
            if (x + y // 2) % 2 == 0:
                canvas.set(x, y, COLOUR["blue"])
    for x in range(6):
        canvas.set(x, 9, COLOUR["blue"])
    return canvas


def highlight_bar():
    return Canvas(120, 10, COLOUR["blue"])


def alpha_on():
    """8 x 10: a black "A" on the LCD colour, in the same rows as the text of a line."""
    canvas = Canvas(8, 10, LCD)
    draw_text(canvas, LARGE, "A", 1, 1, COLOUR["black"])
    return canvas


def alpha_off():
    return Canvas(8, 10, LCD)


def status_line_background():
    return Canvas(127, 10, LCD)
