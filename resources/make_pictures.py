#!/usr/bin/env python3
"""Regenerates the program's pictures as XPM files beside this script.

The generated .xpm files are committed and compiled in through resources.qrc; the build never runs
this script. Run it after changing a drawing:  python3 resources/make_pictures.py
The lettering of the logo and of the vertical name is set with ImageMagick's `convert` in the
Liberation fonts (Debian packages imagemagick and fonts-liberation); everything else is plain Python.
The desktop icons are PNG files in icons/, installed into the hicolor theme, not compiled in.
"""

import pathlib
import struct
import subprocess
import zlib
from fractions import Fraction

HERE = pathlib.Path(__file__).resolve().parent
FONTS = pathlib.Path("/usr/share/fonts/truetype/liberation")

# The sixteen colours of a 16-colour bitmap, each under the letter the drawings use for it.
PALETTE = {
    "k": (0, 0, 0),  # black
    "m": (128, 0, 0),  # maroon
    "g": (0, 128, 0),  # green
    "o": (128, 128, 0),  # olive
    "n": (0, 0, 128),  # navy
    "p": (128, 0, 128),  # purple
    "t": (0, 128, 128),  # teal
    "a": (128, 128, 128),  # grey
    "s": (192, 192, 192),  # silver
    "r": (255, 0, 0),  # red
    "l": (0, 255, 0),  # lime
    "y": (255, 255, 0),  # yellow
    "b": (0, 0, 255),  # blue
    "f": (255, 0, 255),  # fuchsia (magenta)
    "c": (0, 255, 255),  # aqua (cyan)
    "w": (255, 255, 255),  # white
}


class Canvas:
    """A grid of palette letters, indexed [y][x]."""

    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.rows = [[fill] * width for _ in range(height)]

    @classmethod
    def from_drawing(cls, drawing, background):
        """A canvas from rows of letters; '.' in a drawing stands for the background colour."""
        lines = [line.strip() for line in drawing.strip().splitlines()]
        canvas = cls(len(lines[0]), len(lines), background)
        for y, line in enumerate(lines):
            if len(line) != canvas.width:
                raise ValueError(f"row {y} is {len(line)} wide, not {canvas.width}")
            for x, letter in enumerate(line):
                canvas.rows[y][x] = background if letter == "." else letter
        return canvas

    def get(self, x, y):
        return self.rows[y][x]

    def set(self, x, y, letter):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.rows[y][x] = letter

    def fill_rect(self, left, top, width, height, letter):
        for y in range(top, top + height):
            for x in range(left, left + width):
                self.set(x, y, letter)

    def fill_where(self, inside, letter):
        """Paints every pixel whose centre satisfies inside(x, y)."""
        for y in range(self.height):
            for x in range(self.width):
                if inside(x + 0.5, y + 0.5):
                    self.rows[y][x] = letter

    def fill_polygon(self, points, letter):
        def inside(px, py):
            crossings = 0
            for (x1, y1), (x2, y2) in zip(points, points[1:] + points[:1]):
                if (y1 > py) != (y2 > py) and px < x1 + (py - y1) * (x2 - x1) / (y2 - y1):
                    crossings += 1
            return crossings % 2 == 1

        self.fill_where(inside, letter)

    def stamp(self, mask, left, top, letter):
        """Paints the set pixels of a mask (rows of booleans) with its top-left corner at (left, top)."""
        for y, row in enumerate(mask):
            for x, on in enumerate(row):
                if on:
                    self.set(left + x, top + y, letter)

# A 5 x 7 pixel alphabet for small lettering that must stay crisp; only the letters the pictures use.
PIXEL_LETTERS = {
    "A": [".###.", "#...#", "#...#", "#####", "#...#", "#...#", "#...#"],
    "E": ["#####", "#....", "#....", "####.", "#....", "#....", "#####"],
    "F": ["#####", "#....", "#....", "####.", "#....", "#....", "#...."],
    "M": ["#...#", "##.##", "#.#.#", "#.#.#", "#...#", "#...#", "#...#"],
    "O": [".###.", "#...#", "#...#", "#...#", "#...#", "#...#", ".###."],
    "R": ["####.", "#...#", "#...#", "####.", "#.#..", "#..#.", "#...#"],
    "S": [".###.", "#...#", "#....", ".###.", "....#", "#...#", ".###."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "W": ["#...#", "#...#", "#...#", "#.#.#", "#.#.#", "##.##", "#...#"],
}


def pixel_text(text, spacing):
    """The mask of a text in the 5 x 7 pixel alphabet, letters `spacing` pixels apart."""
    rows = [[] for _ in range(7)]
    for index, letter in enumerate(text):
        for y, row in enumerate(PIXEL_LETTERS[letter]):
            rows[y] += [False] * (spacing if index else 0) + [bit == "#" for bit in row]
    return rows


def lettering(text, font, pixel_size, tracking=0):
    """The pixels of a text set in a Liberation font without smoothing, cropped to its ink."""
    command = ["convert", "-background", "white", "-fill", "black", "+antialias", "-font", str(FONTS / font),
               "-pointsize", str(pixel_size), "-kerning", str(tracking), f"label:{text}", "-trim", "+repage",
               "-compress", "none", "pbm:-"]
    words = subprocess.run(command, check=True, capture_output=True, text=True).stdout.split()
    if words[0] != "P1":
        raise ValueError("convert did not write a plain PBM")
    width, height = int(words[1]), int(words[2])
    bits = "".join(words[3:])
    return [[bits[y * width + x] == "1" for x in range(width)] for y in range(height)]


def outlined(mask):
    """The pixels next to a mask (all eight neighbours) that are not in it: a one-pixel edge."""
    height, width = len(mask) + 2, len(mask[0]) + 2
    edge = [[False] * width for _ in range(height)]
    for y, row in enumerate(mask):
        for x, on in enumerate(row):
            if on:
                for dy in (0, 1, 2):
                    for dx in (0, 1, 2):
                        edge[y + dy][x + dx] = True
    for y, row in enumerate(mask):
        for x, on in enumerate(row):
            if on:
                edge[y + 1][x + 1] = False
    return edge


def rotated_left(canvas):
    """The canvas turned a quarter left, so a line of text reads from bottom to top."""
    turned = Canvas(canvas.height, canvas.width, "k")
    for y in range(canvas.height):
        for x in range(canvas.width):
            turned.rows[canvas.width - 1 - x][y] = canvas.rows[y][x]
    return turned


def write_xpm(name, canvas, whole_palette):
    """Writes name.xpm. The top-left colour (the transparent colour of a glyph) is written as '.'.
    A 16-colour picture lists the whole palette, as its bitmap did; the others list the colours they use."""
    background = canvas.get(0, 0)
    used = sorted({letter for row in canvas.rows for letter in row})
    letters = list(PALETTE) if whole_palette else used
    symbol = {letter: ("." if letter == background else letter) for letter in letters}
    lines = [f"{canvas.width} {canvas.height} {len(letters)} 1"]
    lines += [f"{symbol[letter]} c #{'%02X%02X%02X' % PALETTE[letter]}" for letter in letters]
    lines += ["".join(symbol[letter] for letter in row) for row in canvas.rows]
    body = ",\n".join(f'"{line}"' for line in lines)
    text = f"/* XPM */\nstatic const char *const {name}_xpm[] = {{\n{body}\n}};\n"
    (HERE / f"{name}.xpm").write_text(text)


def write_png(path, rows):
    """Writes rows of (red, green, blue) pixels as an 8-bit RGB PNG with zlib alone. No time or text
    chunk, so the same picture always gives the same bytes."""

    def chunk(kind, data):
        return struct.pack(">I", len(data)) + kind + data + struct.pack(">I", zlib.crc32(kind + data))

    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 2, 0, 0, 0)
    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(raw, 9))
                     + chunk(b"IEND", b""))


def spans(source, target):
    """For each of `target` pixels along a line of `source` pixels, the source pixels it covers and by
    how much (fractions of a source pixel)."""
    step = Fraction(source, target)
    result = []
    for index in range(target):
        start, end = index * step, (index + 1) * step
        result.append([(s, min(end, s + 1) - max(start, s)) for s in range(int(start), -(-end // 1))])
    return result


def resampled(canvas, size):
    """The canvas as size x size RGB pixels, each the average of the area it covers: shrinking blends,
    growing by a whole factor repeats pixels, so the pixel drawing stays crisp."""
    columns, rows = spans(canvas.width, size), spans(canvas.height, size)
    area = Fraction(canvas.width, size) * Fraction(canvas.height, size)
    pixels = []
    for row_span in rows:
        line = []
        for column_span in columns:
            total = [Fraction(0)] * 3
            for y, height in row_span:
                for x, width in column_span:
                    for channel, value in enumerate(PALETTE[canvas.get(x, y)]):
                        total[channel] += value * width * height
            line.append(tuple(round(value / area) for value in total))
        pixels.append(line)
    return pixels


# The desktop icon's sizes in the hicolor theme.
ICON_SIZES = (16, 32, 48, 64, 128, 256)


def icon_scene(card):
    """The logo's night scene without the maker's name: its top 64 rows, less two columns each side."""
    scene = Canvas(64, 64, "n")
    for y in range(64):
        for x in range(64):
            scene.set(x, y, card.get(x + 2, y))
    return scene


# The Exit glyph: a red diagonal cross, shaded maroon, on olive.
EXIT = """
..................
..................
..mm..........mm..
.mrrm........mrrm.
.mrrrm......mrrrm.
..mrrrm....mrrrm..
...mrrrm..mrrrm...
....mrrrmmrrrm....
.....mrrrrrrm.....
......mrrrrm......
.....mrrrrrrm.....
....mrrrmmrrrm....
...mrrrm..mrrrm...
..mrrrm....mrrrm..
.mrrrm......mrrrm.
.mrrm........mrrm.
..mm..........mm..
..................
"""

# The help glyph: a cyan question mark with a black edge and teal shading, on silver.
HELP = """
....................
......kkkkkkkk......
.....kccccccctk.....
....kcwwcccccctk....
...kcwckkkkkccctk...
...kccck...kccctk...
....kkk....kccctk...
..........kccctk....
.........kccctk.....
........kccctk......
........kccctk......
........kccctk......
.........kkkk.......
....................
.........kkkk.......
........kccctk......
........kccctk......
.........kkkk.......
....................
....................
"""

# The print glyph: a grey printer with a sheet of paper, on magenta.
PRINT = """
....................
.....kkkkkkkkkk.....
.....kwwwwwwwwk.....
.....kwkkkkkkwk.....
.....kwwwwwwwwk.....
.....kwkkkkkwwk.....
...kkkwwwwwwwwkkk...
..kssskkkkkkkkkssak.
.kwwwwwwwwwwwwwwwsak
.kssssssssssssssssak
.ksssssssssssssglsak
.kssssssssssssssssak
.kaaaaaaaaaaaaaaaaak
.kkkkkwwwwwwwwwkkkkk
....kwwwwwwwwwk.....
....kwkkkkkkkwk.....
....kwwwwwwwwwk.....
....kkkkkkkkkkk.....
....................
....................
"""


def magnifier(sign):
    """A zoom glyph, 16 x 16 on teal: a round lens with a white glass, a maroon handle and a black sign
    ("+" or "-") in the glass."""
    glyph = Canvas(16, 16, "t")
    glyph.fill_where(lambda x, y: (x - 6.5) ** 2 + (y - 6.5) ** 2 <= 31, "k")
    glyph.fill_where(lambda x, y: (x - 6.5) ** 2 + (y - 6.5) ** 2 <= 17, "w")
    glyph.fill_where(lambda x, y: (x - 4.5) ** 2 + (y - 4.5) ** 2 <= 1.1, "c")
    glyph.fill_polygon([(9.5, 11.5), (11.5, 9.5), (15.5, 13.5), (13.5, 15.5)], "k")
    glyph.fill_polygon([(11, 12), (12, 11), (15, 14), (14, 15)], "m")
    glyph.fill_rect(4, 6, 5, 1, "k")
    if sign == "+":
        glyph.fill_rect(6, 4, 1, 5, "k")
    return glyph


# The Page Width glyph: a written page between two arrows pointing outwards, on teal.
PAGE_WIDTH = """
................
....kkkkkkkk....
....kwwwwwwk....
....kwkkkkwk....
....kwwwwwwk....
.k..kwkkkkwk..k.
kk..kwwwwwwk..kk
kkkkkwkkkkwkkkkk
kk..kwwwwwwk..kk
.k..kwkkkwwk..k.
....kwwwwwwk....
....kwkkkkwk....
....kwwwwwwk....
....kwwwwwwk....
....kkkkkkkk....
................
"""


def vertical_name():
    """ "Halvorn" with a trademark sign, black letters with a white edge on silver, reading upwards."""
    name = lettering("Halvorn", "LiberationSans-Bold.ttf", 26)
    trademark = pixel_text("TM", 1)
    # The trademark sign stands beside the top of the capital, two pixels after the last letter.
    gap = 2
    ink = [row + [False] * (gap + len(trademark[0])) for row in name]
    for y, row in enumerate(trademark):
        ink[y][len(name[0]) + gap :] = row
    edge = outlined(ink)
    line = Canvas(170, 23, "s")
    left = (line.width - len(edge[0])) // 2
    top = (line.height - len(edge)) // 2
    line.stamp(edge, left, top, "w")
    line.stamp(ink, left + 1, top + 1, "k")
    return rotated_left(line)


def logo():
    """The maker's logo: a lit house under a night sky above the maker's name."""
    card = Canvas(68, 93, "n")
    # Night sky: navy above, turning blue towards the horizon through an ordered dither.
    bayer = [[0, 8, 2, 10], [12, 4, 14, 6], [3, 11, 1, 9], [15, 7, 13, 5]]
    for y in range(1, 63):
        brightness = max(0.0, (y - 26) / 40)
        for x in range(1, 67):
            card.set(x, y, "b" if bayer[y % 4][x % 4] < brightness * 16 else "n")
    # A crescent moon and a few stars.
    card.fill_where(lambda x, y: (x - 14) ** 2 + (y - 13) ** 2 <= 36, "y")
    card.fill_where(lambda x, y: (x - 17) ** 2 + (y - 11) ** 2 <= 30, "n")
    for x, y in [(56, 8), (44, 5), (27, 22), (61, 24), (6, 30), (36, 9)]:
        card.set(x, y, "w")
    for dx, dy in [(0, 0), (1, 0), (-1, 0), (0, 1), (0, -1)]:
        card.set(52 + dx, 15 + dy, "w")
    # The house: chimney, roof, walls, windows and door.
    card.fill_rect(44, 17, 6, 14, "k")
    card.fill_rect(45, 18, 4, 13, "m")
    card.fill_polygon([(34, 12), (60, 38), (8, 38)], "k")
    card.fill_polygon([(34, 15), (56, 37), (12, 37)], "r")
    card.fill_polygon([(34, 15), (56, 37), (45, 37), (34, 26)], "m")
    card.fill_rect(14, 38, 40, 21, "k")
    card.fill_rect(15, 38, 38, 20, "w")
    card.fill_rect(44, 38, 9, 20, "s")
    for left in (19, 38):
        card.fill_rect(left, 42, 11, 9, "k")
        card.fill_rect(left + 1, 43, 9, 7, "y")
        card.fill_rect(left + 5, 43, 1, 7, "k")
        card.fill_rect(left + 1, 46, 9, 1, "k")
    card.fill_rect(31, 46, 7, 12, "k")
    card.fill_rect(32, 47, 5, 11, "m")
    card.set(35, 52, "y")
    # A green hill under the house.
    card.fill_where(lambda x, y: 56 < y < 64 and (x - 34) ** 2 / 1600 + (y - 70) ** 2 / 169 <= 1, "g")
    card.fill_rect(1, 63, 66, 1, "g")
    card.fill_polygon([(31, 58), (38, 58), (42, 64), (27, 64)], "o")
    # The maker's name in white, "SOFTWARE" in yellow, under a red rule.
    card.fill_rect(1, 64, 66, 28, "n")
    card.fill_rect(4, 66, 60, 1, "r")
    name = lettering("HALVORN", "LiberationSans-Bold.ttf", 13)
    card.stamp(name, (68 - len(name[0])) // 2, 70, "w")
    software = pixel_text("SOFTWARE", 2)
    card.stamp(software, (68 - len(software[0])) // 2, 83, "y")
    return card


def main():
    write_xpm("exit_glyph", Canvas.from_drawing(EXIT, "o"), whole_palette=False)
    write_xpm("help_glyph", Canvas.from_drawing(HELP, "s"), whole_palette=True)
    write_xpm("print_glyph", Canvas.from_drawing(PRINT, "f"), whole_palette=True)
    write_xpm("zoom_out_glyph", magnifier("-"), whole_palette=True)
    write_xpm("page_width_glyph", Canvas.from_drawing(PAGE_WIDTH, "t"), whole_palette=True)
    write_xpm("zoom_in_glyph", magnifier("+"), whole_palette=True)
    write_xpm("vertical_name", vertical_name(), whole_palette=False)
    card = logo()
    write_xpm("logo", card, whole_palette=True)
    (HERE / "icons").mkdir(exist_ok=True)
    for size in ICON_SIZES:
        write_png(HERE / "icons" / f"quillmere-{size}.png", resampled(icon_scene(card), size))


if __name__ == "__main__":
    main()
