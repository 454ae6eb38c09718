#!/usr/bin/env python3
"""Draws the program's pictures into images/: the flag and portion icons of the tables and the
composition tree, the label background, the about picture and the program icon.

Plain Python 3 with the standard library only; it writes the BMP and ICO bytes itself, so a
picture is changed here and regenerated with:  python3 scripts/draw-images.py [target folder]
"""

import math
import pathlib
import struct
import sys

WHITE = (255, 255, 255)

# Flag colours: T the ingredient is named in the menu title, W it is value-giving (percentage
# declared), K it must be declared (labelling obligation).
TITLE_RED = (190, 35, 30)
VALUE_GREEN = (30, 130, 45)
DECLARE_BLUE = (30, 75, 185)
UNSET_GREY = (205, 205, 205)

PAPER_GREEN = (224, 238, 214)
LEAF_GREEN = (96, 150, 72)
DARK_GREEN = (62, 112, 50)

# Band colours of the small tins: side dish, main course, vegetables, whole menu.
SIDE_DISH_YELLOW = (232, 182, 40)
MAIN_COURSE_RED = (196, 66, 42)
VEGETABLE_GREEN = (72, 160, 62)
MENU_BLUE = (52, 102, 190)

SUBSAMPLES = 4


class Canvas:
    """RGBA pixels with premultiplied alpha; shapes are antialiased by supersampling."""

    def __init__(self, width, height, background=None):
        self.width = width
        self.height = height
        if background is None:
            self.pixels = [[0.0, 0.0, 0.0, 0.0] for _ in range(width * height)]
        else:
            r, g, b = background
            self.pixels = [[float(r), float(g), float(b), 1.0] for _ in range(width * height)]

    def blend(self, x, y, color, coverage):
        if coverage <= 0.0 or not (0 <= x < self.width and 0 <= y < self.height):
            return
        pixel = self.pixels[y * self.width + x]
        keep = 1.0 - coverage
        for channel in range(3):
            pixel[channel] = color[channel] * coverage + pixel[channel] * keep
        pixel[3] = coverage + pixel[3] * keep

    def fill(self, inside, bounds, color, opacity=1.0):
        """Fills the points where inside(x, y) holds; color may be a function of (x, y)."""
        x0, y0, x1, y1 = bounds
        step = 1.0 / SUBSAMPLES
        offsets = [(i + 0.5) * step for i in range(SUBSAMPLES)]
        for y in range(max(0, math.floor(y0)), min(self.height, math.ceil(y1))):
            for x in range(max(0, math.floor(x0)), min(self.width, math.ceil(x1))):
                hits = sum(1 for dy in offsets for dx in offsets if inside(x + dx, y + dy))
                if hits:
                    shade = color(x + 0.5, y + 0.5) if callable(color) else color
                    self.blend(x, y, shade, opacity * hits / SUBSAMPLES ** 2)

    def fill_rect(self, x0, y0, x1, y1, color, opacity=1.0):
        """Axis-aligned rectangles need no sampling: the coverage is the overlap area."""
        for y in range(max(0, math.floor(y0)), min(self.height, math.ceil(y1))):
            rows = min(y + 1, y1) - max(y, y0)
            for x in range(max(0, math.floor(x0)), min(self.width, math.ceil(x1))):
                columns = min(x + 1, x1) - max(x, x0)
                shade = color(x + 0.5, y + 0.5) if callable(color) else color
                self.blend(x, y, shade, opacity * rows * columns)

    def fill_round_rect(self, x0, y0, x1, y1, radius, color, opacity=1.0):
        def inside(x, y):
            cx = min(max(x, x0 + radius), x1 - radius)
            cy = min(max(y, y0 + radius), y1 - radius)
            return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2

        # Only the corners are sampled; the cross between them is made of plain rectangles.
        self.fill_rect(x0 + radius, y0, x1 - radius, y1, color, opacity)
        self.fill_rect(x0, y0 + radius, x0 + radius, y1 - radius, color, opacity)
        self.fill_rect(x1 - radius, y0 + radius, x1, y1 - radius, color, opacity)
        for cx, cy in ((x0, y0), (x1 - radius, y0), (x0, y1 - radius), (x1 - radius, y1 - radius)):
            self.fill(inside, (cx, cy, cx + radius, cy + radius), color, opacity)

    def fill_ellipse(self, cx, cy, rx, ry, color, opacity=1.0):
        def inside(x, y):
            return ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0

        self.fill(inside, (cx - rx, cy - ry, cx + rx, cy + ry), color, opacity)

    def fill_polygon(self, points, color, opacity=1.0):
        def inside(x, y):
            crossings = False
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                    crossings = not crossings
            return crossings

        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        self.fill(inside, (min(xs), min(ys), max(xs), max(ys)), color, opacity)

    def draw_glyph(self, rows, x, y, color):
        """A pixel pattern, '#' for a set pixel, drawn crisp at (x, y)."""
        for row, line in enumerate(rows):
            for column, cell in enumerate(line):
                if cell == "#":
                    self.fill_rect(x + column, y + row, x + column + 1, y + row + 1, color)

    def rgb_rows(self, background=WHITE):
        """Top-down rows of (r, g, b) bytes, composited over background."""
        rows = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                r, g, b, a = self.pixels[y * self.width + x]
                row.append(tuple(round(c + bg * (1.0 - a)) for c, bg in zip((r, g, b), background)))
            rows.append(row)
        return rows

    def rgba_rows(self):
        """Top-down rows of straight (not premultiplied) (r, g, b, a) bytes."""
        rows = []
        for y in range(self.height):
            row = []
            for x in range(self.width):
                r, g, b, a = self.pixels[y * self.width + x]
                if a <= 0.0:
                    row.append((0, 0, 0, 0))
                    continue
                row.append((round(r / a), round(g / a), round(b / a), round(a * 255)))
            rows.append(row)
        return rows


# Files


def padded(row_bytes):
    return row_bytes + b"\0" * (-len(row_bytes) % 4)


def bmp_bytes(rows):
    """An uncompressed 24-bit BMP, stored bottom-up as is customary."""
    height = len(rows)
    width = len(rows[0])
    pixels = b"".join(
        padded(b"".join(bytes((b, g, r)) for r, g, b in row)) for row in reversed(rows)
    )
    headers_size = 14 + 40
    file_header = struct.pack("<2sIHHI", b"BM", headers_size + len(pixels), 0, 0, headers_size)
    info_header = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(pixels),
                              2835, 2835, 0, 0)
    return file_header + info_header + pixels


def icon_image_bytes(rows):
    """One icon image (sides a multiple of 8): a 32-bit colour bitmap with alpha, then the 1-bit
    transparency mask."""
    size = len(rows)
    colour = b"".join(bytes((b, g, r, a)) for row in reversed(rows) for r, g, b, a in row)
    mask = b""
    for row in reversed(rows):
        bits = 0
        for r, g, b, a in row:
            bits = bits << 1 | (1 if a == 0 else 0)
        mask += padded(bits.to_bytes(size // 8, "big"))
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(colour) + len(mask),
                         0, 0, 0, 0)
    return header + colour + mask


def ico_bytes(canvases):
    images = [icon_image_bytes(canvas.rgba_rows()) for canvas in canvases]
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for canvas, image in zip(canvases, images):
        directory += struct.pack("<BBBBHHII", canvas.width % 256, canvas.height % 256, 0, 0, 1,
                                 32, len(image), offset)
        offset += len(image)
    return directory + b"".join(images)


# Flag icons: the letters sit in fixed places (T left, W middle, K right) so that a column of
# icons in the tree reads at a glance; a bar under each place is coloured when the flag is set.

GLYPH_T = [
    "###",
    ".#.",
    ".#.",
    ".#.",
    ".#.",
    ".#.",
    ".#.",
    ".#.",
]
GLYPH_W = [
    "#...#",
    "#...#",
    "#...#",
    "#.#.#",
    "#.#.#",
    "#.#.#",
    "##.##",
    "#...#",
]
GLYPH_K = [
    "#..#",
    "#..#",
    "#.#.",
    "##..",
    "##..",
    "#.#.",
    "#..#",
    "#..#",
]

FLAG_PLACES = [
    ("T", GLYPH_T, 1, TITLE_RED),
    ("W", GLYPH_W, 5, VALUE_GREEN),
    ("K", GLYPH_K, 11, DECLARE_BLUE),
]
GLYPH_TOP = 2
BAR_TOP = 12
BAR_HEIGHT = 2


def flag_icon(code):
    canvas = Canvas(16, 16, WHITE)
    for letter, glyph, left, color in FLAG_PLACES:
        width = len(glyph[0])
        if letter in code:
            canvas.draw_glyph(glyph, left, GLYPH_TOP, color)
            canvas.fill_rect(left, BAR_TOP, left + width, BAR_TOP + BAR_HEIGHT, color)
        else:
            canvas.fill_rect(left, BAR_TOP, left + width, BAR_TOP + BAR_HEIGHT, UNSET_GREY)
    return canvas


# Small tins: a metal can with a coloured paper band that follows the can's curve.


def metal(u):
    """Brushed metal at u (0 left edge to 1 right edge), lightest left of the middle."""
    shine = max(0.0, 1.0 - abs(u - 0.36) / 0.55)
    level = round(150 + 70 * shine)
    return (level, level, level + 6)


def draw_tin(canvas, x, y, scale, band):
    """A can in a 16 x 16 box at (x, y), scale pixels per unit."""
    left, right = x + 2.5 * scale, x + 13.5 * scale
    top, bottom = y + 3.5 * scale, y + 13.5 * scale
    centre = (left + right) / 2
    half = (right - left) / 2
    curve = 1.6 * scale
    rim = 0.8 * scale

    def arc(px):
        return curve * math.sqrt(max(0.0, 1.0 - ((px - centre) / half) ** 2))

    def across(px):
        return (px - left) / (right - left)

    canvas.fill_round_rect(left - rim, top - curve - rim, right + rim, bottom + curve + rim,
                           2.5 * scale, (95, 95, 100))
    canvas.fill(lambda px, py: left <= px <= right and top <= py <= bottom + arc(px),
                (left, top, right, bottom + curve), lambda px, _py: metal(across(px)))
    darker = tuple(round(c * 0.72) for c in band)
    band_top, band_bottom = y + 6.5 * scale, y + 10.5 * scale
    canvas.fill(lambda px, py: left <= px <= right and
                band_top + arc(px) <= py <= band_bottom + arc(px),
                (left, band_top, right, band_bottom + curve),
                lambda px, _py: band if across(px) < 0.73 else darker)
    canvas.fill_ellipse(centre, top, half, curve, (222, 222, 228))
    canvas.fill_ellipse(centre, top, half - 1.4 * scale, curve - 0.7 * scale, (176, 176, 184))


def tin_icon(band):
    canvas = Canvas(16, 16, WHITE)
    draw_tin(canvas, 0.0, 0.0, 1.0, band)
    return canvas


def cooking_pot_icon():
    """The root of the composition tree: everything that goes into the menu."""
    canvas = Canvas(16, 16, WHITE)
    steel = (78, 88, 100)
    canvas.fill_rect(0.0, 7.0, 2.5, 9.0, steel)
    canvas.fill_rect(13.5, 7.0, 16.0, 9.0, steel)
    canvas.fill_round_rect(2.0, 6.0, 14.0, 15.0, 2.0, steel)
    canvas.fill_rect(3.2, 7.5, 5.2, 13.0, (132, 144, 158))
    canvas.fill_rect(1.5, 5.0, 14.5, 6.5, (50, 58, 68))
    canvas.fill(lambda x, y: ((x - 8.0) / 5.5) ** 2 + ((y - 5.0) / 2.6) ** 2 <= 1.0 and y <= 5.0,
                (2.5, 2.4, 13.5, 5.0), (110, 122, 136))
    canvas.fill_ellipse(8.0, 2.0, 1.5, 1.2, (50, 58, 68))
    return canvas


# The sample label behind the label view: white label paper with rounded corners, a soft
# shadow and a pale green head band. The paper is pure white wherever the label view writes,
# since the text goes out with an opaque white background.

LABEL_WIDTH = 605
LABEL_HEIGHT = 454


def label_background():
    canvas = Canvas(LABEL_WIDTH, LABEL_HEIGHT, (236, 236, 232))
    left, top, right, bottom = 2.0, 2.0, LABEL_WIDTH - 5.0, LABEL_HEIGHT - 5.0
    radius = 14.0
    for spread, opacity in ((3.5, 0.10), (2.5, 0.14), (1.5, 0.20)):
        canvas.fill_round_rect(left + 3 - spread, top + 3 - spread, right + 3 + spread,
                               bottom + 3 + spread, radius + spread, (90, 90, 90), opacity)
    canvas.fill_round_rect(left - 1, top - 1, right + 1, bottom + 1, radius + 1, (178, 178, 172))
    canvas.fill_round_rect(left, top, right, bottom, radius, WHITE)
    band_bottom = 62.0
    canvas.fill(lambda x, y: y < band_bottom and inside_round_rect(x, y, left, top, right, bottom,
                                                                   radius),
                (left, top, right, band_bottom), PAPER_GREEN)
    canvas.fill_rect(left, band_bottom, right, band_bottom + 2.0, LEAF_GREEN)
    draw_sprig(canvas, right - 56.0, 31.0, 1.0)
    return canvas


def inside_round_rect(x, y, x0, y0, x1, y1, radius):
    cx = min(max(x, x0 + radius), x1 - radius)
    cy = min(max(y, y0 + radius), y1 - radius)
    return (x - cx) ** 2 + (y - cy) ** 2 <= radius ** 2


def leaf(canvas, x, y, length, width, angle, color):
    """A pointed leaf from (x, y) along angle (radians)."""
    dx, dy = math.cos(angle), math.sin(angle)
    points = []
    for i in range(13):
        t = i / 12
        bulge = width * math.sin(math.pi * t)
        points.append((x + dx * length * t - dy * bulge, y + dy * length * t + dx * bulge))
    for i in range(12, -1, -1):
        t = i / 12
        bulge = width * math.sin(math.pi * t)
        points.append((x + dx * length * t + dy * bulge, y + dy * length * t - dx * bulge))
    canvas.fill_polygon(points, color)


def draw_sprig(canvas, x, y, scale):
    """A herb sprig: a stem with three pairs of leaves."""
    stem = [(x - 24 * scale, y + 14 * scale), (x + 24 * scale, y - 12 * scale),
            (x + 25 * scale, y - 10.5 * scale), (x - 23 * scale, y + 15.5 * scale)]
    canvas.fill_polygon(stem, DARK_GREEN)
    for step, size in ((-14, 0.8), (0, 1.0), (14, 0.9)):
        px = x + step * scale
        py = y - step * 0.54 * scale
        leaf(canvas, px, py, 15 * size * scale, 4.5 * size * scale, -1.95, LEAF_GREEN)
        leaf(canvas, px, py, 15 * size * scale, 4.5 * size * scale, 0.45, LEAF_GREEN)
    leaf(canvas, x + 24 * scale, y - 12 * scale, 13 * scale, 4 * scale, -0.5, LEAF_GREEN)


def about_picture():
    """A label card with its head band, text lines and a small tin in front."""
    canvas = Canvas(128, 160, (214, 226, 206))
    canvas.fill_round_rect(17.0, 15.0, 113.0, 141.0, 9.0, (150, 162, 142), 0.45)
    canvas.fill_round_rect(13.0, 11.0, 109.0, 137.0, 9.0, (168, 176, 160))
    canvas.fill_round_rect(14.0, 12.0, 108.0, 136.0, 8.0, WHITE)
    canvas.fill(lambda x, y: y < 36.0 and inside_round_rect(x, y, 14.0, 12.0, 108.0, 136.0, 8.0),
                (14.0, 12.0, 108.0, 36.0), PAPER_GREEN)
    canvas.fill_rect(14.0, 36.0, 108.0, 37.5, LEAF_GREEN)
    draw_sprig(canvas, 88.0, 24.0, 0.32)
    canvas.fill_rect(22.0, 45.0, 78.0, 50.0, (70, 70, 70))
    for top, length in ((57, 72), (64, 64), (71, 76), (78, 58), (88, 70), (95, 48)):
        canvas.fill_rect(22.0, top, 22.0 + length, top + 2.6, (160, 160, 160))
    canvas.fill_rect(22.0, 112.0, 62.0, 115.0, (110, 110, 110))
    canvas.fill_rect(22.0, 120.0, 54.0, 123.0, (110, 110, 110))
    draw_tin(canvas, 74.0, 98.0, 3.2, MENU_BLUE)
    return canvas


def program_icon(size):
    """A green price tag with a punched hole and lines of label text."""
    canvas = Canvas(size, size)
    s = size / 32.0
    # Even coordinates on the 32 grid keep the 16-pixel icon's edges on whole pixels.
    tag = [(1 * s, 16 * s), (10 * s, 4 * s), (30 * s, 4 * s), (30 * s, 28 * s), (10 * s, 28 * s)]
    canvas.fill_polygon(tag, DARK_GREEN)
    inner = [(4 * s, 16 * s), (11 * s, 6 * s), (28 * s, 6 * s), (28 * s, 26 * s), (11 * s, 26 * s)]
    canvas.fill_polygon(inner, (86, 160, 70))
    hole = max(1.5, 2.6 * s)
    canvas.fill_ellipse(9.0 * s, 16 * s, hole, hole, DARK_GREEN)
    clear_disc(canvas, 9.0 * s, 16 * s, hole * 0.7)
    thickness = max(1, round(2 * s))
    if size > 16:
        lines = ((14, 11, 26), (14, 16, 24), (14, 21, 22))
    else:
        lines = ((14, 10, 26), (14, 16, 24))
    for left, top, right in lines:
        y = round(top * s)
        canvas.fill_rect(round(left * s), y, round(right * s), y + thickness, WHITE)
    return canvas


def clear_disc(canvas, cx, cy, radius):
    """Punches a transparent, antialiased hole."""
    step = 1.0 / SUBSAMPLES
    offsets = [(i + 0.5) * step for i in range(SUBSAMPLES)]
    for y in range(math.floor(cy - radius), math.ceil(cy + radius)):
        for x in range(math.floor(cx - radius), math.ceil(cx + radius)):
            hits = sum(1 for dy in offsets for dx in offsets
                       if (x + dx - cx) ** 2 + (y + dy - cy) ** 2 <= radius ** 2)
            keep = 1.0 - hits / SUBSAMPLES ** 2
            pixel = canvas.pixels[y * canvas.width + x]
            canvas.pixels[y * canvas.width + x] = [c * keep for c in pixel]


def pictures():
    """File name -> canvas for every BMP picture the program loads."""
    result = {"images/nothing.bmp": flag_icon("")}
    for code in ("T", "W", "K", "TW", "TK", "WK", "TWK"):
        result[f"images/{code}.bmp"] = flag_icon(code)
    result["images/noicon.bmp"] = Canvas(16, 16, WHITE)
    result["images/DoseKleinBeilage.bmp"] = tin_icon(SIDE_DISH_YELLOW)
    result["images/DoseKleinHauptessen.bmp"] = tin_icon(MAIN_COURSE_RED)
    result["images/DoseKleinGemuese.bmp"] = tin_icon(VEGETABLE_GREEN)
    result["images/DoseKleinMenue.bmp"] = tin_icon(MENU_BLUE)
    result["images/top.bmp"] = cooking_pot_icon()
    result["images/etikett.bmp"] = about_picture()
    result["images/etikettdemo.bmp"] = label_background()
    return result


def main():
    root = pathlib.Path(sys.argv[1]) if len(sys.argv) > 1 else pathlib.Path(__file__).parent.parent
    (root / "images").mkdir(parents=True, exist_ok=True)
    for name, canvas in pictures().items():
        (root / name).write_bytes(bmp_bytes(canvas.rgb_rows()))
    icon = ico_bytes([program_icon(size) for size in (16, 32, 48)])
    (root / "images/quorvane.ico").write_bytes(icon)


if __name__ == "__main__":
    main()
