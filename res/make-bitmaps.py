#!/usr/bin/env python3
"""Draws Brisola's bitmaps and writes them as 16-colour BMP files.

The transport keys (Stop, Play, Continue; released and pushed), the logo in
two sizes and the program icon. Output is deterministic, so the committed
files change only when this script does.

    python3 res/make-bitmaps.py [output-folder]   (default: res/bitmaps)
"""

import math
import os
import struct
import sys

# The standard 16-colour VGA palette, as (red, green, blue).
PALETTE = [
    (0x00, 0x00, 0x00), (0x80, 0x00, 0x00), (0x00, 0x80, 0x00), (0x80, 0x80, 0x00),
    (0x00, 0x00, 0x80), (0x80, 0x00, 0x80), (0x00, 0x80, 0x80), (0xC0, 0xC0, 0xC0),
    (0x80, 0x80, 0x80), (0xFF, 0x00, 0x00), (0x00, 0xFF, 0x00), (0xFF, 0xFF, 0x00),
    (0x00, 0x00, 0xFF), (0xFF, 0x00, 0xFF), (0x00, 0xFF, 0xFF), (0xFF, 0xFF, 0xFF),
]
BLACK, NAVY, TEAL, LIGHT_GRAY, DARK_GRAY = 0, 4, 6, 7, 8
YELLOW, CYAN, WHITE = 11, 14, 15

LARGE_KEY = (40, 30)
SMALL_KEY = (31, 23)
LARGE_LOGO = (157, 95)
SMALL_LOGO = (126, 81)
ICON = (32, 32)


class Image:
    def __init__(self, width, height, colour):
        self.width = width
        self.height = height
        self.pixels = [[colour] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def fill(self, x0, y0, x1, y1, colour):
        """Fills the rectangle x0 <= x < x1, y0 <= y < y1."""
        for y in range(y0, y1):
            for x in range(x0, x1):
                self.put(x, y, colour)

    def frame(self, x0, y0, x1, y1, colour):
        self.fill(x0, y0, x1, y0 + 1, colour)
        self.fill(x0, y1 - 1, x1, y1, colour)
        self.fill(x0, y0, x0 + 1, y1, colour)
        self.fill(x1 - 1, y0, x1, y1, colour)

    def bevel(self, x0, y0, x1, y1, width, light, dark):
        """Top and left edges light, bottom and right dark: a raised face."""
        for i in range(width):
            self.fill(x0 + i, y0 + i, x1 - i, y0 + i + 1, light)
            self.fill(x0 + i, y0 + i, x0 + i + 1, y1 - i, light)
            self.fill(x0 + i, y1 - i - 1, x1 - i, y1 - i, dark)
            self.fill(x1 - i - 1, y0 + i, x1 - i, y1 - i, dark)


def bmp_bytes(image):
    """A 4 bits-per-pixel uncompressed BMP, bottom-up, BITMAPINFOHEADER."""
    row_bytes = ((image.width * 4 + 31) // 32) * 4
    rows = []
    for y in reversed(range(image.height)):
        line = image.pixels[y] + [0]
        packed = bytearray((line[x] << 4) | line[x + 1] for x in range(0, image.width, 2))
        packed.extend(b"\0" * (row_bytes - len(packed)))
        rows.append(bytes(packed))
    bits = b"".join(rows)
    palette = b"".join(struct.pack("<BBBB", b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    file_header = struct.pack("<2sIHHI", b"BM", offset + len(bits), 0, 0, offset)
    info_header = struct.pack("<IiiHHIIiiII", 40, image.width, image.height, 1, 4, 0,
                              len(bits), 3780, 3780, 16, 16)
    return file_header + info_header + palette + bits


# Transport keys -----------------------------------------------------------

def symbol_mask(kind, width, height):
    """The key's symbol as a set of (x, y), centred on the key's face."""
    size = max(7, (height * 2) // 5) | 1     # odd, so the arrow has a tip row
    cx, cy = width // 2, height // 2
    top = cy - size // 2
    points = set()
    if kind == "stop":
        side = size - 1
        left = cx - side // 2
        top_s = cy - side // 2
        for y in range(top_s, top_s + side):
            for x in range(left, left + side):
                points.add((x, y))
    elif kind == "play":
        arrow_w = (size * 7 + 5) // 8
        left = cx - arrow_w // 2
        half = size / 2.0
        for row in range(size):
            reach = arrow_w * (1.0 - abs(row + 0.5 - half) / half)
            for col in range(arrow_w):
                if col + 0.5 <= reach:
                    points.add((left + col, top + row))
    elif kind == "continue":
        bar = max(2, size // 4)
        gap = max(2, size // 4)
        left = cx - (2 * bar + gap) // 2
        for y in range(top, top + size):
            for x in list(range(left, left + bar)) + \
                    list(range(left + bar + gap, left + 2 * bar + gap)):
                points.add((x, y))
    return points


def draw_key(kind, size, pushed):
    width, height = size
    img = Image(width, height, LIGHT_GRAY)
    img.frame(0, 0, width, height, BLACK)
    if pushed:
        # Sunken: shadow at top and left, the face and symbol 1 px down-right.
        img.bevel(1, 1, width - 1, height - 1, 2, DARK_GRAY, WHITE)
        shift = 1
    else:
        img.bevel(1, 1, width - 1, height - 1, 2, WHITE, DARK_GRAY)
        shift = 0
    points = symbol_mask(kind, width, height)
    for x, y in points:
        edge = any((x + dx, y + dy) not in points
                   for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1)))
        colour = BLACK if (not pushed or edge) else DARK_GRAY
        img.put(x + shift, y + shift, colour)
    return img


# A small proportional pixel font: 7 rows, '#' set --------------------------

FONT = {
    "B": ["####.", "#...#", "#...#", "####.", "#...#", "#...#", "####."],
    "T": ["#####", "..#..", "..#..", "..#..", "..#..", "..#..", "..#.."],
    "a": ["....", "....", ".##.", "...#", ".###", "#..#", ".###"],
    "e": ["....", "....", ".##.", "#..#", "####", "#...", ".###"],
    "i": ["#", ".", "#", "#", "#", "#", "#"],
    "k": ["#...", "#...", "#..#", "#.#.", "##..", "#.#.", "#..#"],
    "l": ["#.", "#.", "#.", "#.", "#.", "#.", ".#"],
    "n": ["....", "....", "###.", "#..#", "#..#", "#..#", "#..#"],
    "o": ["....", "....", ".##.", "#..#", "#..#", "#..#", ".##."],
    "r": ["....", "....", "#.##", "##..", "#...", "#...", "#..."],
    "s": ["....", "....", ".###", "#...", ".##.", "...#", "###."],
    "v": [".....", ".....", "#...#", "#...#", ".#.#.", ".#.#.", "..#.."],
}
FONT_ROWS = 7


def text_width(text, scale):
    columns = sum(len(FONT[c][0]) for c in text) + len(text) - 1
    return columns * scale


def draw_text(img, text, x, y, scale, colour, shadow=None):
    """Draws text with its top left at (x, y); shadow falls down-right."""
    layers = [(max(1, scale // 2), shadow), (0, colour)] if shadow is not None \
        else [(0, colour)]
    for offset, ink in layers:
        pen = x
        for c in text:
            glyph = FONT[c]
            for row, bits in enumerate(glyph):
                for col, bit in enumerate(bits):
                    if bit == "#":
                        img.fill(pen + col * scale + offset, y + row * scale + offset,
                                 pen + (col + 1) * scale + offset,
                                 y + (row + 1) * scale + offset, ink)
            pen += (len(glyph[0]) + 1) * scale


def largest_scale(text, room, most):
    scale = most
    while scale > 1 and text_width(text, scale) > room:
        scale -= 1
    return scale


def draw_waveform(img, x0, x1, mid, amplitude, colour):
    """A struck sound: a sharp attack decaying to a tail, drawn filled."""
    length = x1 - x0
    for i in range(length):
        t = i / float(length)
        envelope = min(1.0, t * 14.0) * math.exp(-2.4 * t)
        ripple = 0.55 + 0.3 * abs(math.sin(i * 0.7)) + 0.15 * math.sin(i * 2.3)
        reach = int(round(envelope * ripple * amplitude))
        for dy in range(-reach, reach + 1):
            img.put(x0 + i, mid + dy, colour)


def draw_logo(size):
    width, height = size
    img = Image(width, height, LIGHT_GRAY)
    img.frame(0, 0, width, height, BLACK)
    img.bevel(1, 1, width - 1, height - 1, 2, WHITE, DARK_GRAY)
    # A sunken navy panel inside the raised frame.
    px0, py0, px1, py1 = 6, 6, width - 6, height - 6
    img.bevel(px0 - 1, py0 - 1, px1 + 1, py1 + 1, 1, DARK_GRAY, WHITE)
    img.fill(px0, py0, px1, py1, NAVY)
    room = px1 - px0 - 12
    panel_h = py1 - py0

    title_scale = largest_scale("Brisola", room, 4)
    maker_scale = largest_scale("Tornevik", room, 2)
    title_h = FONT_ROWS * title_scale
    maker_h = FONT_ROWS * maker_scale
    wave_h = max(12, panel_h - title_h - maker_h - 20)
    gap = (panel_h - title_h - wave_h - maker_h) // 4

    y = py0 + gap
    draw_text(img, "Brisola", (width - text_width("Brisola", title_scale)) // 2, y,
              title_scale, YELLOW, BLACK)
    y += title_h + gap
    mid = y + wave_h // 2
    img.fill(px0 + 6, mid, px1 - 6, mid + 1, TEAL)
    draw_waveform(img, px0 + 6, px1 - 6, mid, wave_h // 2, CYAN)
    y += wave_h + gap
    draw_text(img, "Tornevik", (width - text_width("Tornevik", maker_scale)) // 2, y,
              maker_scale, WHITE, BLACK)
    return img


def draw_icon(size):
    """A loudspeaker sending out sound on a navy tile."""
    width, height = size
    img = Image(width, height, NAVY)
    img.frame(0, 0, width, height, BLACK)
    img.bevel(1, 1, width - 1, height - 1, 1, TEAL, BLACK)
    # The magnet box and the cone, widening to the right.
    img.fill(5, 12, 10, 20, YELLOW)
    img.frame(5, 12, 10, 20, BLACK)
    for x in range(10, 17):
        half = 4 + (x - 10)
        for y in range(16 - half, 16 + half):
            img.put(x, y, YELLOW)
        img.put(x, 16 - half - 1, BLACK)
        img.put(x, 16 + half, BLACK)
    img.fill(16, 5, 17, 27, BLACK)
    # Three arcs of sound.
    for radius, colour in ((4, WHITE), (7, CYAN), (10, WHITE)):
        for step in range(-55, 56):
            a = math.radians(step)
            x = int(round(17 + radius * math.cos(a)))
            y = int(round(16 + radius * math.sin(a)))
            if 18 < x < width - 2 and 2 < y < height - 2:
                img.put(x, y, colour)
    return img


def images():
    kinds = (("STOP", "stop"), ("PLAY", "play"), ("CONTINUE", "continue"))
    for prefix, kind in kinds:
        for suffix, size in (("", LARGE_KEY), ("_SMALL", SMALL_KEY)):
            yield "IDB_%s_UP%s" % (prefix, suffix), draw_key(kind, size, False)
            yield "IDB_%s_DOWN%s" % (prefix, suffix), draw_key(kind, size, True)
    yield "IDB_LOGO", draw_logo(LARGE_LOGO)
    yield "IDB_LOGO_SMALL", draw_logo(SMALL_LOGO)
    yield "IDR_MAINFRAME", draw_icon(ICON)


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.join(here, "bitmaps")
    os.makedirs(out, exist_ok=True)
    for name, img in images():
        with open(os.path.join(out, name + ".bmp"), "wb") as f:
            f.write(bmp_bytes(img))


if __name__ == "__main__":
    main()
