#!/usr/bin/env python3
"""Draws Vorn's icons and writes them as PNG files beside this script.

Every picture is a few filled polygons, rendered with 4x4 supersampling so the
small sizes keep crisp, pixel-aligned edges while diagonals stay smooth. Only
the standard library is used: run `python3 res/icons/draw_icons.py` after a
change and commit the PNG files with it.
"""

import math
import os
import struct
import zlib

SUPERSAMPLE = 4


def hex_colour(text, alpha=255):
    text = text.lstrip("#")
    return (int(text[0:2], 16), int(text[2:4], 16), int(text[4:6], 16), alpha)


class Canvas:
    def __init__(self, width, height):
        self.width = width
        self.height = height
        self.pixels = [[(0.0, 0.0, 0.0, 0.0)] * width for _ in range(height)]

    def _blend(self, x, y, colour, coverage):
        if coverage <= 0.0:
            return
        r, g, b, a = self.pixels[y][x]
        sa = colour[3] / 255.0 * coverage
        out_a = sa + a * (1.0 - sa)
        if out_a == 0.0:
            return
        mix = lambda s, d: (s * sa + d * a * (1.0 - sa)) / out_a
        self.pixels[y][x] = (mix(colour[0], r), mix(colour[1], g), mix(colour[2], b), out_a)

    def polygon(self, points, colour):
        """Fills a polygon given in pixel coordinates (even-odd rule)."""
        xs = [p[0] for p in points]
        ys = [p[1] for p in points]
        x0, x1 = max(0, int(math.floor(min(xs)))), min(self.width, int(math.ceil(max(xs))))
        y0, y1 = max(0, int(math.floor(min(ys)))), min(self.height, int(math.ceil(max(ys))))
        step = 1.0 / SUPERSAMPLE
        for y in range(y0, y1):
            for x in range(x0, x1):
                hits = 0
                for sy in range(SUPERSAMPLE):
                    py = y + (sy + 0.5) * step
                    for sx in range(SUPERSAMPLE):
                        if inside(points, x + (sx + 0.5) * step, py):
                            hits += 1
                self._blend(x, y, colour, hits / float(SUPERSAMPLE * SUPERSAMPLE))

    def rect(self, x, y, w, h, colour):
        self.polygon([(x, y), (x + w, y), (x + w, y + h), (x, y + h)], colour)

    def frame(self, x, y, w, h, colour, t=1.0):
        """A rectangle's outline of thickness t, drawn inside the rectangle."""
        self.rect(x, y, w, t, colour)
        self.rect(x, y + h - t, w, t, colour)
        self.rect(x, y + t, t, h - 2 * t, colour)
        self.rect(x + w - t, y + t, t, h - 2 * t, colour)

    def circle(self, cx, cy, radius, colour, segments=48):
        self.polygon([(cx + radius * math.cos(2 * math.pi * i / segments),
                       cy + radius * math.sin(2 * math.pi * i / segments)) for i in range(segments)], colour)

    def write_png(self, path):
        rows = bytearray()
        for row in self.pixels:
            rows.append(0)
            for r, g, b, a in row:
                rows.extend((clamp(r), clamp(g), clamp(b), clamp(a * 255.0)))

        def chunk(kind, data):
            body = kind + data
            return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body) & 0xFFFFFFFF)

        header = struct.pack(">IIBBBBB", self.width, self.height, 8, 6, 0, 0, 0)
        png = b"\x89PNG\r\n\x1a\n" + chunk(b"IHDR", header) + chunk(b"IDAT", zlib.compress(bytes(rows), 9))
        png += chunk(b"IEND", b"")
        with open(path, "wb") as out:
            out.write(png)


def clamp(value):
    return max(0, min(255, int(round(value))))


def inside(points, x, y):
    result = False
    j = len(points) - 1
    for i in range(len(points)):
        xi, yi = points[i]
        xj, yj = points[j]
        if (yi > y) != (yj > y) and x < (xj - xi) * (y - yi) / (yj - yi) + xi:
            result = not result
        j = i
    return result


OUTLINE = hex_colour("5a4a1e")
FOLDER_BACK = hex_colour("d9a52b")
FOLDER_FRONT = hex_colour("f5c947")
FOLDER_LIGHT = hex_colour("fbe38f")
PAGE = hex_colour("ffffff")
PAGE_EDGE = hex_colour("6b6f78")
PAGE_FOLD = hex_colour("d6d9df")
TEXT_LINE = hex_colour("9aa3b2")
BELT = hex_colour("3d6fb6")
BELT_DARK = hex_colour("24477d")
ARROW = hex_colour("2e9a48")
ARROW_DARK = hex_colour("1c6530")
INFO = hex_colour("2f66c4")
INFO_DARK = hex_colour("1d3f7c")
BOX = hex_colour("c98a3c")
BOX_DARK = hex_colour("6e4519")
BOX_TOP = hex_colour("e3ad66")
BOX_SHADE = hex_colour("a96f2a")


def closed_folder(c, x, y, w, h):
    """A closed folder filling the box (x, y, w, h): tab at the top left."""
    tab_w = round(w * 0.42)
    c.rect(x, y, tab_w, 3, OUTLINE)
    c.rect(x + 1, y + 1, tab_w - 2, 2, FOLDER_BACK)
    c.rect(x, y + 2, w, h - 2, OUTLINE)
    c.rect(x + 1, y + 3, w - 2, h - 4, FOLDER_FRONT)
    c.rect(x + 1, y + 3, w - 2, 1, FOLDER_LIGHT)


def open_folder(c, x, y, w, h):
    """An open folder: the back with its tab, the front flap tilted forward."""
    tab_w = round(w * 0.42)
    c.rect(x, y, tab_w, 3, OUTLINE)
    c.rect(x + 1, y + 1, tab_w - 2, 2, FOLDER_BACK)
    c.rect(x, y + 2, w - 2, h - 2, OUTLINE)
    c.rect(x + 1, y + 3, w - 4, h - 4, FOLDER_BACK)
    top = y + round(h * 0.4)
    c.polygon([(x + 3, top), (x + w, top), (x + w - 3, y + h), (x, y + h)], OUTLINE)
    c.polygon([(x + 3.9, top + 1), (x + w - 1.4, top + 1), (x + w - 3.8, y + h - 1), (x + 1.4, y + h - 1)],
              FOLDER_FRONT)
    c.polygon([(x + 3.9, top + 1), (x + w - 1.4, top + 1), (x + w - 1.7, top + 2), (x + 3.6, top + 2)], FOLDER_LIGHT)


def page(c, x, y, w, h, lines=True):
    """A document page with a folded top right corner."""
    fold = max(3, round(w * 0.3))
    c.polygon([(x, y), (x + w - fold, y), (x + w, y + fold), (x + w, y + h), (x, y + h)], PAGE_EDGE)
    c.polygon([(x + 1, y + 1), (x + w - fold - 0.4, y + 1), (x + w - 1, y + fold + 0.4), (x + w - 1, y + h - 1),
               (x + 1, y + h - 1)], PAGE)
    c.polygon([(x + w - fold, y), (x + w, y + fold), (x + w - fold, y + fold)], PAGE_FOLD)
    c.polygon([(x + w - fold, y), (x + w - fold + 1, y), (x + w - fold + 1, y + fold - 1), (x + w, y + fold - 1),
               (x + w, y + fold), (x + w - fold, y + fold)], PAGE_EDGE)
    if lines:
        for row in range(y + fold + 2, y + h - 2, 2):
            c.rect(x + 3, row, w - 6, 1, TEXT_LINE)


def archive_page(c, x, y, w, h):
    """A page held by a belt: the archive itself."""
    page(c, x, y, w, h, lines=False)
    mid = x + w // 2 - 1
    c.rect(mid - 1, y + 1, 4, h - 2, BELT_DARK)
    c.rect(mid, y + 1, 2, h - 2, BELT)
    for row in range(y + 3, y + h - 2, 3):
        c.rect(mid - 1, row, 4, 1, BELT_DARK)
    c.rect(x + 2, y + h // 2 - 1, w - 4, 3, BELT_DARK)
    c.rect(x + 3, y + h // 2, w - 6, 1, BELT)


def down_arrow(c, cx, top, bottom, half_width, shaft):
    head = top + (bottom - top) * 0.45
    outline = [(cx - shaft, top), (cx + shaft, top), (cx + shaft, head), (cx + half_width, head), (cx, bottom),
               (cx - half_width, head), (cx - shaft, head)]
    c.polygon(outline, ARROW_DARK)
    inner = [(cx - shaft + 1, top + 1), (cx + shaft - 1, top + 1), (cx + shaft - 1, head + 1),
             (cx + half_width - 2.2, head + 1), (cx, bottom - 1.6), (cx - half_width + 2.2, head + 1),
             (cx - shaft + 1, head + 1)]
    c.polygon(inner, ARROW)


def toolbar_open():
    c = Canvas(18, 15)
    open_folder(c, 1, 1, 16, 13)
    return c


def toolbar_extract():
    c = Canvas(18, 15)
    c.rect(1, 9, 16, 5, BOX_DARK)
    c.rect(2, 10, 14, 3, BOX)
    c.rect(6, 9, 6, 2, BOX_DARK)
    down_arrow(c, 9, 0, 11, 5.5, 2)
    return c


def toolbar_about():
    c = Canvas(18, 15)
    c.circle(9, 7.5, 7, INFO_DARK)
    c.circle(9, 7.5, 6, INFO)
    c.rect(8, 3, 2, 2, PAGE)
    c.rect(8, 6, 2, 6, PAGE)
    c.rect(7, 6, 1, 1, PAGE)
    c.rect(7, 11, 4, 1, PAGE)
    return c


def toolbar_test():
    """The archive with a check mark over it: every record looked at."""
    c = Canvas(18, 15)
    archive_page(c, 1, 0, 11, 15)
    c.polygon([(4.5, 9.5), (7, 7), (10, 10), (15.5, 2.5), (18, 5), (10, 15)], ARROW_DARK)
    c.polygon([(5.9, 9.5), (7, 8.4), (10, 11.4), (15.6, 4), (16.6, 5), (10, 13.6)], ARROW)
    return c


def application_icon(size):
    """A cardboard box, seen a little from above, with a page standing in it."""
    c = Canvas(size, size)
    s = size / 48.0
    box_left, box_right, box_top, box_bottom = 5 * s, 43 * s, 20 * s, 44 * s
    depth = 7 * s
    paper_left, paper_right = 14 * s, 34 * s
    c.polygon([(paper_left, 3 * s), (paper_right - 6 * s, 3 * s), (paper_right, 9 * s), (paper_right, box_top + 2 * s),
               (paper_left, box_top + 2 * s)], PAGE_EDGE)
    c.polygon([(paper_left + s, 4 * s), (paper_right - 6.4 * s, 4 * s), (paper_right - s, 9.4 * s),
               (paper_right - s, box_top + 2 * s), (paper_left + s, box_top + 2 * s)], PAGE)
    for row in (9, 12.5, 16):
        c.rect(paper_left + 3 * s, row * s, (paper_right - paper_left - 9 * s) if row == 9 else
               (paper_right - paper_left - 6 * s), max(1.0, 1.5 * s), TEXT_LINE)
    c.polygon([(box_left, box_top), (box_left + depth, box_top - depth), (box_right - depth, box_top - depth),
               (box_right, box_top)], BOX_DARK)
    c.polygon([(box_left + 2 * s, box_top - 0.6 * s), (box_left + depth + 0.6 * s, box_top - depth + s),
               (paper_left, box_top - depth + s), (paper_left, box_top - 0.6 * s)], BOX_SHADE)
    c.polygon([(paper_right, box_top - 0.6 * s), (paper_right, box_top - depth + s),
               (box_right - depth - 0.6 * s, box_top - depth + s), (box_right - 2 * s, box_top - 0.6 * s)], BOX_SHADE)
    c.rect(box_left, box_top, box_right - box_left, box_bottom - box_top, BOX_DARK)
    c.rect(box_left + 1.5 * s, box_top + 1.5 * s, box_right - box_left - 3 * s, box_bottom - box_top - 3 * s, BOX)
    c.rect(box_left + 1.5 * s, box_top + 1.5 * s, box_right - box_left - 3 * s, 3 * s, BOX_TOP)
    label_w, label_h = 16 * s, 8 * s
    lx, ly = (size - label_w) / 2, box_top + 9 * s
    c.rect(lx, ly, label_w, label_h, BOX_DARK)
    c.rect(lx + s, ly + s, label_w - 2 * s, label_h - 2 * s, PAGE)
    c.polygon([(lx + 3 * s, ly + 2.2 * s), (lx + 5.2 * s, ly + 2.2 * s), (lx + 8 * s, ly + 6 * s),
               (lx + 10.8 * s, ly + 2.2 * s), (lx + 13 * s, ly + 2.2 * s), (lx + 8.8 * s, ly + 7 * s),
               (lx + 7.2 * s, ly + 7 * s)], BELT_DARK)
    return c


def main():
    here = os.path.dirname(os.path.abspath(__file__))
    pictures = {}

    c = Canvas(16, 15)
    closed_folder(c, 0, 1, 16, 14)
    pictures["folder_closed.png"] = c

    c = Canvas(16, 15)
    open_folder(c, 0, 1, 16, 14)
    pictures["folder_open.png"] = c

    c = Canvas(16, 16)
    archive_page(c, 2, 0, 13, 16)
    pictures["archive.png"] = c

    c = Canvas(16, 16)
    page(c, 2, 0, 12, 16)
    pictures["file.png"] = c

    pictures["toolbar_open.png"] = toolbar_open()
    pictures["toolbar_extract.png"] = toolbar_extract()
    pictures["toolbar_about.png"] = toolbar_about()
    pictures["toolbar_test.png"] = toolbar_test()
    for size in (16, 32, 48, 64, 128, 256):
        pictures["vorn_%d.png" % size] = application_icon(size)

    for name, canvas in pictures.items():
        canvas.write_png(os.path.join(here, name))


if __name__ == "__main__":
    main()
