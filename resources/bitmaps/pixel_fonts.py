"""Two small pixel fonts for the key labels and the face, and text drawing with them.

Each glyph is a list of rows, '#' for a set pixel; all rows of a font have the same count,
a glyph's width is the length of its rows. Only the characters the pictures use are drawn.
"""


class Font:
    def __init__(self, cap_top, cap_height, glyphs, spacing=1):
        self.cap_top = cap_top        # first row of a capital letter within the glyph cell
        self.cap_height = cap_height
        self.glyphs = glyphs
        self.spacing = spacing

    def glyph(self, char):
        if char not in self.glyphs:
            raise KeyError(f"no glyph for {char!r}")
        return self.glyphs[char]

    def width(self, text):
        widths = [len(self.glyph(c)[0]) for c in text]
        return sum(widths) + self.spacing * max(len(widths) - 1, 0)


def _glyphs(table):
    """Turns {'A': 'row row row'} into {'A': ['row', ...]}, checking every row's width."""
    glyphs = {}
    for char, rows in table.items():
        rows = rows.split()
        if len({len(r) for r in rows}) != 1:
            raise ValueError(f"ragged glyph {char!r}")
        glyphs[char] = rows
    return glyphs


def _blank(width, height):
    return " ".join(["." * width] * height)


def draw_text(canvas, font, text, x, y, colour, bold=False):
    """Draws text with the top of its capitals at y. Bold doubles each pixel to the right."""
    cell_top = y - font.cap_top
    for char in text:
        rows = font.glyph(char)
        for row, bits in enumerate(rows):
            for column, bit in enumerate(bits):
                if bit == "#":
                    canvas.set(x + column, cell_top + row, colour)
                    if bold:
                        canvas.set(x + column + 1, cell_top + row, colour)
        x += len(rows[0]) + font.spacing + (1 if bold else 0)


def text_width(font, text, bold=False):
    return font.width(text) + (len(text) if bold else 0)


# 5 x 7 capitals and digits; lower case of x-height 5 with two rows of descender (9 rows).
LARGE = Font(cap_top=0, cap_height=7, glyphs=_glyphs({
    " ": _blank(3, 9),
    "0": ".###. #...# #..## #.#.# ##..# #...# .###. ..... .....",
    "1": "..#.. .##.. ..#.. ..#.. ..#.. ..#.. .###. ..... .....",
    "2": ".###. #...# ....# ...#. ..#.. .#... ##### ..... .....",
    "3": "##### ...#. ..#.. ...#. ....# #...# .###. ..... .....",
    "4": "...#. ..##. .#.#. #..#. ##### ...#. ...#. ..... .....",
    "5": "##### #.... ####. ....# ....# #...# .###. ..... .....",
    "6": "..##. .#... #.... ####. #...# #...# .###. ..... .....",
    "7": "##### ....# ...#. ..#.. .#... .#... .#... ..... .....",
    "8": ".###. #...# #...# .###. #...# #...# .###. ..... .....",
    "9": ".###. #...# #...# .#### ....# ...#. .##.. ..... .....",
    # One pixel wide: the keypad draws it bold, a square dot of 2 x 2.
    ".": ". . . . . # # . .",
    "A": ".###. #...# #...# ##### #...# #...# #...# ..... .....",
    "B": "####. #...# #...# ####. #...# #...# ####. ..... .....",
    "C": ".###. #...# #.... #.... #.... #...# .###. ..... .....",
    "E": "##### #.... #.... ####. #.... #.... ##### ..... .....",
    "F": "##### #.... #.... ####. #.... #.... #.... ..... .....",
    "K": "#...# #..#. #.#.. ##... #.#.. #..#. #...# ..... .....",
    "M": "#...# ##.## #.#.# #.#.# #...# #...# #...# ..... .....",
    "N": "#...# #...# ##..# #.#.# #..## #...# #...# ..... .....",
    "P": "####. #...# #...# ####. #.... #.... #.... ..... .....",
    "R": "####. #...# #...# ####. #.#.. #..#. #...# ..... .....",
    "S": ".#### #.... #.... .###. ....# ....# ####. ..... .....",
    "W": "#...# #...# #...# #.#.# #.#.# #.#.# .#.#. ..... .....",
    "↑": "...#... ..###.. .#####. ####### ..###.. ..###.. ..###.. ....... .......",
    "↓": "..###.. ..###.. ..###.. ####### .#####. ..###.. ...#... ....... .......",
    "a": ".... .... .##. ...# .### #..# .### .... ....",
    "e": ".... .... .##. #..# #### #... .### .... ....",
    "h": "#... #... ###. #..# #..# #..# #..# .... ....",
    "l": "## .# .# .# .# .# .# .. ..",
    "n": ".... .... ###. #..# #..# #..# #..# .... ....",
    "p": ".... .... ###. #..# #..# #..# ###. #... #...",
    "r": ".... .... #.## ##.. #... #... #... .... ....",
    "t": ".#. .#. ### .#. .#. .#. ..# ... ...",
    "u": ".... .... #..# #..# #..# #..# .### .... ....",
}))

# Capitals 5 rows high (mostly 3 wide), with a row above and below for '$' and descenders.
SMALL = Font(cap_top=1, cap_height=5, glyphs=_glyphs({
    " ": _blank(2, 7),
    "A": ".... .##. #..# #### #..# #..# ....",
    "B": "... ##. #.# ##. #.# ##. ...",
    "C": "... .## #.. #.. #.. .## ...",
    "D": "... ##. #.# #.# #.# ##. ...",
    "E": "... ### #.. ##. #.. ### ...",
    "F": "... ### #.. ##. #.. #.. ...",
    "G": "... .## #.. #.# #.# .## ...",
    "H": "... #.# #.# ### #.# #.# ...",
    "I": "... ### .#. .#. .#. ### ...",
    "J": "... ..# ..# ..# #.# .#. ...",
    "K": "... #.# #.# ##. #.# #.# ...",
    "L": "... #.. #.. #.. #.. ### ...",
    "M": "..... #...# ##.## #.#.# #...# #...# .....",
    "N": ".... #..# ##.# #.## #..# #..# ....",
    "O": "... .#. #.# #.# #.# .#. ...",
    "P": "... ##. #.# ##. #.. #.. ...",
    "Q": "... .#. #.# #.# ##. .## ...",
    "R": "... ##. #.# ##. #.# #.# ...",
    "S": "... .## #.. .#. ..# ##. ...",
    "T": "... ### .#. .#. .#. .#. ...",
    "U": "... #.# #.# #.# #.# ### ...",
    "V": "... #.# #.# #.# #.# .#. ...",
    "W": "..... #...# #...# #.#.# ##.## #...# .....",
    "X": "... #.# #.# .#. #.# #.# ...",
    "Y": "... #.# #.# .#. .#. .#. ...",
    "Z": "... ### ..# .#. #.. ### ...",
    "*": "..... ..#.. #.#.# .###. #.#.# ..#.. .....",
    "+": "... ... .#. ### .#. ... ...",
    "$": ".#. .## #.. .#. ..# ##. .#.",
    "/": "... ..# ..# .#. #.. #.. ...",
    "-": "... ... ... ### ... ... ...",
    "%": "... #.# ..# .#. #.. #.# ...",
    ":": ". . # . # . .",
    "a": "... ... ... .## #.# .## ...",
    "h": "... #.. #.. ##. #.# #.# ...",
    "l": ". # # # # # .",
    "p": "... ... ... ##. #.# ##. #..",
}))
