#!/usr/bin/env python3
"""Draws the program's bitmaps and icons from the shapes below and writes them as
BMP and ICO files. Run by the build (resources/CMakeLists.txt); change a picture by
editing its drawing function here. Standard library only."""

import math
import struct
import sys
from pathlib import Path

WHITE = (255, 255, 255, 255)
CLEAR = (0, 0, 0, 0)


class Canvas:
    """An RGBA picture drawn with coverage-sampled shapes (4x4 samples a pixel)."""

    def __init__(self, width, height, background):
        self.width, self.height = width, height
        self.pixels = [[background] * width for _ in range(height)]
        self.hole = background

    def fill(self, inside, colour):
        r, g, b, a = colour
        for y in range(self.height):
            for x in range(self.width):
                hits = sum(inside(x + (i + 0.5) / 4, y + (j + 0.5) / 4) for i in range(4) for j in range(4))
                if hits:
                    self.blend(x, y, (r, g, b, a * hits / 16))

    def blend(self, x, y, colour):
        r, g, b, a = colour
        pr, pg, pb, pa = self.pixels[y][x]
        k = a / 255
        out_a = a + pa * (1 - k)
        if out_a == 0:
            return
        mix = lambda c, p: round((c * a + p * pa * (1 - k)) / out_a)
        self.pixels[y][x] = (mix(r, pr), mix(g, pg), mix(b, pb), round(out_a))

    def punch(self, cx, cy, radius):
        """Makes a round hole: transparent on an icon, white on the toolbar strip."""
        for y in range(self.height):
            for x in range(self.width):
                if (x + 0.5 - cx) ** 2 + (y + 0.5 - cy) ** 2 <= radius * radius:
                    self.pixels[y][x] = self.hole

    def circle(self, cx, cy, radius, colour):
        self.fill(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= radius * radius, colour)

    def ring(self, cx, cy, outer, inner, colour):
        self.fill(lambda x, y: inner * inner <= (x - cx) ** 2 + (y - cy) ** 2 <= outer * outer, colour)

    def rect(self, x0, y0, x1, y1, colour):
        self.fill(lambda x, y: x0 <= x <= x1 and y0 <= y <= y1, colour)

    def polygon(self, points, colour):
        def inside(x, y):
            hit = False
            for (ax, ay), (bx, by) in zip(points, points[1:] + points[:1]):
                if (ay > y) != (by > y) and x < ax + (y - ay) * (bx - ax) / (by - ay):
                    hit = not hit
            return hit

        self.fill(inside, colour)

    def line(self, x0, y0, x1, y1, width, colour):
        length = math.hypot(x1 - x0, y1 - y0)
        nx, ny = (y0 - y1) / length * width / 2, (x1 - x0) / length * width / 2
        self.polygon([(x0 + nx, y0 + ny), (x1 + nx, y1 + ny), (x1 - nx, y1 - ny), (x0 - nx, y0 - ny)], colour)


def disc(c, cx, cy, r):
    c.circle(cx, cy, r, (120, 130, 150, 255))
    c.circle(cx, cy, r - max(1, r / 16), (205, 215, 230, 255))
    c.fill(lambda x, y: (x - cx) ** 2 + (y - cy) ** 2 <= (r * 0.9) ** 2 and x - cx > abs(y - cy) * 0.3,
           (235, 240, 250, 255))
    c.circle(cx, cy, r * 0.3, (150, 160, 180, 255))
    c.punch(cx, cy, r * 0.13)


def page(c, x0, y0, w, h, fold):
    c.polygon([(x0, y0), (x0 + w - fold, y0), (x0 + w, y0 + fold), (x0 + w, y0 + h), (x0, y0 + h)],
              (90, 90, 100, 255))
    c.polygon([(x0 + 1, y0 + 1), (x0 + w - fold, y0 + 1), (x0 + w - 1, y0 + fold), (x0 + w - 1, y0 + h - 1),
               (x0 + 1, y0 + h - 1)], (250, 250, 250, 255))
    c.polygon([(x0 + w - fold, y0 + 1), (x0 + w - fold, y0 + fold), (x0 + w - 1, y0 + fold)], (200, 200, 210, 255))


def folder(c, x0, y0, w, h):
    tab = h * 0.25
    c.polygon([(x0, y0 + tab), (x0, y0), (x0 + w * 0.4, y0), (x0 + w * 0.5, y0 + tab)], (200, 150, 40, 255))
    c.rect(x0, y0 + tab, x0 + w, y0 + h, (200, 150, 40, 255))
    c.rect(x0 + 1, y0 + tab + 1, x0 + w - 1, y0 + h - 1, (250, 205, 90, 255))


# The five 72 x 72 images of the start toolbar: audio, video, data, empty project, cancel.
def toolbar_strip():
    c = Canvas(360, 72, WHITE)
    # Audio: a disc with a note.
    disc(c, 30, 38, 26)
    c.circle(50, 56, 7, (40, 60, 160, 255))
    c.rect(55, 16, 58.5, 56, (40, 60, 160, 255))
    c.polygon([(55, 16), (68, 22), (68, 29), (58.5, 24)], (40, 60, 160, 255))
    # Video: a disc with a film strip.
    disc(c, 72 + 30, 38, 26)
    c.rect(72 + 38, 40, 72 + 70, 64, (40, 40, 40, 255))
    for i in range(5):
        c.rect(72 + 40 + i * 6, 42, 72 + 43 + i * 6, 45, WHITE)
        c.rect(72 + 40 + i * 6, 59, 72 + 43 + i * 6, 62, WHITE)
    c.rect(72 + 41, 47, 72 + 67, 57, (90, 150, 220, 255))
    # Data: a disc with a folder.
    disc(c, 144 + 30, 38, 26)
    folder(c, 144 + 36, 40, 32, 24)
    # Empty project: a blank page with a plus.
    page(c, 216 + 14, 6, 40, 56, 12)
    c.rect(216 + 47, 42, 216 + 52, 68, (40, 150, 60, 255))
    c.rect(216 + 37, 52.5, 216 + 62, 57.5, (40, 150, 60, 255))
    # Cancel: a red cross.
    c.circle(288 + 36, 36, 28, (200, 40, 40, 255))
    c.line(288 + 22, 22, 288 + 50, 50, 8, WHITE)
    c.line(288 + 50, 22, 288 + 22, 50, 8, WHITE)
    return c


def icon_main(size):
    c = Canvas(size, size, CLEAR)
    disc(c, size / 2, size / 2, size / 2 - 0.5)
    return c


def icon_file(size):
    c = Canvas(size, size, CLEAR)
    page(c, size * 0.15, 0.5, size * 0.7, size - 1, size * 0.25)
    return c


def icon_folder(size):
    c = Canvas(size, size, CLEAR)
    folder(c, 0.5, size * 0.15, size - 1, size * 0.7)
    return c


def write_bmp(canvas, path):
    """24-bit bottom-up BMP (white stays white: the toolbar uses it as mask colour)."""
    row = (canvas.width * 3 + 3) & ~3
    data = bytearray()
    for y in reversed(range(canvas.height)):
        line = bytearray()
        for r, g, b, a in canvas.pixels[y]:
            k = a / 255
            line += bytes((round(b * k + 255 * (1 - k)), round(g * k + 255 * (1 - k)), round(r * k + 255 * (1 - k))))
        data += line + b"\0" * (row - len(line))
    header = struct.pack("<2sIHHI", b"BM", 14 + 40 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, canvas.width, canvas.height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    Path(path).write_bytes(header + info + data)


def icon_image(canvas):
    """One icon image: a 32-bit DIB (height doubled for the mask) and its AND mask."""
    w, h = canvas.width, canvas.height
    xor = bytearray()
    for y in reversed(range(h)):
        for r, g, b, a in canvas.pixels[y]:
            xor += bytes((b, g, r, a))
    mask_row = ((w + 31) // 32) * 4
    mask = bytearray()
    for y in reversed(range(h)):
        bits = bytearray(mask_row)
        for x, (_, _, _, a) in enumerate(canvas.pixels[y]):
            if a == 0:
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    info = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, len(xor) + len(mask), 0, 0, 0, 0)
    return info + xor + mask


def write_ico(canvases, path):
    images = [icon_image(c) for c in canvases]
    out = bytearray(struct.pack("<HHH", 0, 1, len(images)))
    offset = 6 + 16 * len(images)
    for c, image in zip(canvases, images):
        out += struct.pack("<BBBBHHII", c.width % 256, c.height % 256, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    for image in images:
        out += image
    Path(path).write_bytes(out)


def main(out_dir):
    out = Path(out_dir)
    out.mkdir(parents=True, exist_ok=True)
    write_bmp(toolbar_strip(), out / "toolbar.bmp")
    write_ico([icon_main(s) for s in (16, 32, 48)], out / "quillon.ico")
    write_ico([icon_file(s) for s in (16, 32)], out / "file.ico")
    write_ico([icon_folder(s) for s in (16, 32)], out / "folder.ico")


if __name__ == "__main__":
    main(sys.argv[1] if len(sys.argv) > 1 else ".")
