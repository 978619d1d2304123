"""A rectangle of palette indices with the few drawing operations the pictures need."""


class Canvas:
    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.pixels = [[colour] * width for _ in range(height)]

    def set(self, x, y, colour):
        """Sets one pixel; pixels outside the canvas are ignored, so shapes may overhang."""
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, left, top, right, bottom, colour):
        """Fills the rectangle with both corners inclusive."""
        for y in range(top, bottom + 1):
            for x in range(left, right + 1):
                self.set(x, y, colour)

    def hline(self, left, right, y, colour):
        self.fill(left, y, right, y, colour)

    def vline(self, x, top, bottom, colour):
        self.fill(x, top, x, bottom, colour)

    def frame(self, left, top, right, bottom, colour):
        self.hline(left, right, top, colour)
        self.hline(left, right, bottom, colour)
        self.vline(left, top, bottom, colour)
        self.vline(right, top, bottom, colour)

    def bevel(self, left, top, right, bottom, light, dark):
        """A one-pixel edge: light along the top and left, dark along the bottom and right."""
        self.hline(left, right, top, light)
        self.vline(left, top, bottom, light)
        self.hline(left, right, bottom, dark)
        self.vline(right, top, bottom, dark)

    def round_fill(self, left, top, right, bottom, radius, colour):
        """Fills a rectangle whose corners are quarter circles of the given radius."""
        for y in range(top, bottom + 1):
            inset = _corner_inset(y - top, bottom - y, radius)
            self.hline(left + inset, right - inset, y, colour)


def _corner_inset(from_top, from_bottom, radius):
    """How far a row of a rounded rectangle starts inside its bounding box."""
    distance = min(from_top, from_bottom)
    if distance >= radius:
        return 0
    dy = radius - distance - 0.5
    dx = (radius * radius - dy * dy) ** 0.5
    return int(round(radius - dx))
