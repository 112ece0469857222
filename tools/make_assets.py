#!/usr/bin/env python3
"""Draw QUERLIN's bitmaps, icon and cursor into assets/.

Every picture is simple geometry tested pixel by pixel, written as PNG with a
fixed zlib level and no time or text chunks, so a run gives the same bytes on
every machine. Only the Python 3 standard library is used.

Run it by hand after changing a drawing, and commit the files it writes:

    python3 tools/make_assets.py
"""

import os
import struct
import sys
import zlib

WHITE = (255, 255, 255)
BLACK = (0, 0, 0)
CLEAR = (0, 0, 0, 0)

ASSETS = os.path.join(os.path.dirname(os.path.abspath(__file__)), os.pardir, "assets")


class Canvas:
    """A width x height grid of RGB or RGBA tuples, row-major, (0, 0) at the top left."""

    def __init__(self, width, height, fill):
        self.width = width
        self.height = height
        self.pixels = [[fill] * width for _ in range(height)]

    def put(self, x, y, colour):
        if 0 <= x < self.width and 0 <= y < self.height:
            self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        """Fill the rectangle with corners (x0, y0) and (x1, y1), both inclusive."""
        for y in range(y0, y1 + 1):
            for x in range(x0, x1 + 1):
                self.put(x, y, colour)

    def fill(self, inside, colour):
        """Fill every pixel whose centre satisfies inside(x, y)."""
        for y in range(self.height):
            for x in range(self.width):
                if inside(x, y):
                    self.pixels[y][x] = colour


def ellipse(cx, cy, rx, ry):
    """Pixel test for a filled ellipse centred on (cx, cy)."""
    return lambda x, y: ((x - cx) / rx) ** 2 + ((y - cy) / ry) ** 2 <= 1.0


def ring(cx, cy, rx, ry, width):
    """Pixel test for an elliptical outline `width` pixels thick, inside the ellipse."""
    outer = ellipse(cx, cy, rx, ry)
    inner = ellipse(cx, cy, rx - width, ry - width)
    return lambda x, y: outer(x, y) and not inner(x, y)


def write_png(name, canvas):
    """Write the canvas as an 8-bit RGB or RGBA PNG, deciding by the tuple length."""
    channels = len(canvas.pixels[0][0])
    colour_type = {3: 2, 4: 6}[channels]
    raw = bytearray()
    for row in canvas.pixels:
        raw.append(0)  # filter type None: plain bytes compress the same everywhere
        for pixel in row:
            raw.extend(pixel)

    def chunk(kind, data):
        body = kind + data
        return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))

    header = struct.pack(">IIBBBBB", canvas.width, canvas.height, 8, colour_type, 0, 0, 0)
    png = (
        b"\x89PNG\r\n\x1a\n"
        + chunk(b"IHDR", header)
        + chunk(b"IDAT", zlib.compress(bytes(raw), 9))
        + chunk(b"IEND", b"")
    )
    with open(os.path.join(ASSETS, name), "wb") as out:
        out.write(png)


# The antenna drawing. The wire lies on rows 15 to 21; the coil symbols sit on
# top of it at the same origin, so their terminals use the same rows.
WIRE_TOP = 15
WIRE_BOTTOM = 21
WIRE_MIDDLE = (WIRE_TOP + WIRE_BOTTOM) // 2
COIL_BACKGROUND = (252, 252, 252)


def antenna():
    width, height = 597, 37
    c = Canvas(width, height, WHITE)
    # The wire ends at the right edge in a half ellipse, a tip longer than it is thick.
    tip_length = 9
    tip_start = width - 1 - tip_length
    tip = ellipse(tip_start, WIRE_MIDDLE, tip_length + 0.5, (WIRE_BOTTOM - WIRE_TOP + 1) / 2)
    c.fill(lambda x, y: WIRE_TOP <= y <= WIRE_BOTTOM and (x <= tip_start or tip(x, y)), BLACK)
    # The feed point: a 5-pixel gap in the middle, one 3-pixel leg on each side
    # of it running down to the bottom edge.
    centre = width // 2
    gap_left, gap_right = centre - 2, centre + 2
    c.rect(gap_left, WIRE_TOP, gap_right, WIRE_BOTTOM, WHITE)
    c.rect(gap_left - 3, WIRE_TOP, gap_left - 1, height - 1, BLACK)
    c.rect(gap_right + 1, WIRE_TOP, gap_right + 3, height - 1, BLACK)
    return c


def coil():
    # The boxes show only the left 70 to 73 columns, so the symbol ends by
    # column 68; the leads run on to both edges to meet the antenna wire
    # wherever the box happens to cut the picture off.
    width = 80
    c = Canvas(width, 33, COIL_BACKGROUND)
    left_dot, right_dot = 5, 64
    c.rect(0, WIRE_MIDDLE - 1, width - 1, WIRE_MIDDLE + 1, BLACK)
    c.rect(17, WIRE_MIDDLE - 1, 52, WIRE_MIDDLE + 1, COIL_BACKGROUND)
    # Three overlapping loops of the winding.
    for cx in (24.5, 34.5, 44.5):
        c.fill(ring(cx, WIRE_MIDDLE - 2, 9.5, 12.5, 2), BLACK)
    # The former the turns are wound on.
    c.rect(11, 29, 58, 30, BLACK)
    for cx in (left_dot, right_dot):
        c.fill(ellipse(cx, WIRE_MIDDLE, 4.5, 4.5), BLACK)
    return c


def hand():
    """The pointer over a link: the tip of the raised index finger is at (13, 9)."""
    size = 32
    outline = (0, 0, 0, 255)
    body = (255, 255, 255, 255)
    shapes = [
        # Index finger, three pixels wide with its top row at y 10 so that the
        # outline pixel above the middle of the tip is the hot spot (13, 9).
        lambda x, y: 12 <= x <= 14 and 10 <= y <= 22,
        # Middle, ring and little finger, curled, each a knuckle a row lower.
        lambda x, y: 16 <= x <= 18 and 15 <= y <= 22,
        lambda x, y: 20 <= x <= 22 and 16 <= y <= 22,
        lambda x, y: 24 <= x <= 25 and 18 <= y <= 22,
        # Palm.
        lambda x, y: 12 <= x <= 25 and 21 <= y <= 26,
        lambda x, y: 13 <= x <= 24 and 27 <= y <= 27,
        # Thumb, reaching out to the left and down.
        lambda x, y: 7 <= x <= 11 and 19 <= y <= 21 and x - y >= -13,
        lambda x, y: 9 <= x <= 12 and 21 <= y <= 24 and x - y >= -13,
        lambda x, y: 11 <= x <= 12 and 24 <= y <= 26,
    ]
    inside = [[any(s(x, y) for s in shapes) for x in range(size)] for y in range(size)]
    c = Canvas(size, size, CLEAR)
    for y in range(size):
        for x in range(size):
            if inside[y][x]:
                c.put(x, y, body)
            elif any(
                0 <= y + dy < size and 0 <= x + dx < size and inside[y + dy][x + dx]
                for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))
            ):
                c.put(x, y, outline)
    # Lines between the curled fingers, down to the palm.
    for x, y0 in ((15, 15), (19, 16), (23, 18)):
        c.rect(x, y0, x, 21, outline)
    # The cuff.
    c.rect(12, 28, 25, 31, outline)
    return c


# The program icon: a plain window with frame, title bar and client area. The
# same layout is computed for each size so that every edge falls on a whole pixel.
ICON_OUTLINE = (48, 48, 56)
ICON_FRAME = (200, 204, 212)
ICON_TITLE = (28, 76, 160)
ICON_CLOSE = (220, 72, 60)
ICON_CLIENT = (255, 255, 255)
ICON_TEXT = (150, 160, 176)


def icon_layout(size):
    """The icon's rectangles (x0, y0, x1, y1 inclusive, colour) for a size x size icon."""
    line = max(1, size // 64)  # the dark outline
    frame = max(1, size // 32)  # the light frame inside it
    left, right = size // 32, size - 1 - size // 32
    top, bottom = 3 * size // 32, size - 1 - 3 * size // 32
    inner_left, inner_right = left + line + frame, right - line - frame
    title_top = top + line + frame
    title_bottom = title_top + max(3, 5 * size // 32) - 1
    client_top = title_bottom + 1 + frame // 2
    client_bottom = bottom - line - frame
    rects = [
        (left, top, right, bottom, ICON_OUTLINE),
        (left + line, top + line, right - line, bottom - line, ICON_FRAME),
        (inner_left, title_top, inner_right, title_bottom, ICON_TITLE),
        (inner_left, client_top, inner_right, client_bottom, ICON_CLIENT),
    ]
    title_height = title_bottom - title_top + 1
    if title_height >= 5:
        # A close box at the right of the title bar; too small to read at 16 pixels.
        pad = title_height // 5
        x1 = inner_right - pad
        box = title_height - 2 * pad
        rects.append((x1 - box + 1, title_top + pad, x1, title_bottom - pad, ICON_CLOSE))
    # Lines of text in the client area, as many as fit.
    bar = max(1, size // 32)
    step = max(2, 3 * size // 32)
    x0 = inner_left + step
    span = inner_right - step - x0
    for i, share in enumerate((0.75, 0.55, 0.65, 0.4)):
        y0 = client_top + step * (i + 1)
        if y0 + bar - 1 > client_bottom - step:
            break
        rects.append((x0, y0, x0 + int(span * share), y0 + bar - 1, ICON_TEXT))
    return rects


def icon(size):
    c = Canvas(size, size, CLEAR)
    for x0, y0, x1, y1, colour in icon_layout(size):
        c.rect(x0, y0, x1, y1, colour + (255,))
    return c


def icon_svg():
    size = 256
    lines = [
        '<?xml version="1.0" encoding="UTF-8"?>',
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
        f'viewBox="0 0 {size} {size}">',
    ]
    for x0, y0, x1, y1, (r, g, b) in icon_layout(size):
        lines.append(
            f'  <rect x="{x0}" y="{y0}" width="{x1 - x0 + 1}" height="{y1 - y0 + 1}" '
            f'fill="#{r:02x}{g:02x}{b:02x}"/>'
        )
    lines.append("</svg>")
    with open(os.path.join(ASSETS, "icon.svg"), "w", encoding="ascii", newline="\n") as out:
        out.write("\n".join(lines) + "\n")


def main():
    os.makedirs(ASSETS, exist_ok=True)
    write_png("antenna.png", antenna())
    write_png("coil.png", coil())
    write_png("hand.png", hand())
    write_png("icon-16.png", icon(16))
    write_png("icon.png", icon(32))
    write_png("icon-256.png", icon(256))
    icon_svg()
    return 0


if __name__ == "__main__":
    sys.exit(main())
