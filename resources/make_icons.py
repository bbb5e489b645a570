#!/usr/bin/env python3
"""Draws the program's icons and the link pointer from the shapes below.

The smiling face is the one editable source: a yellow disc with a black rim, two black eyes
and a black smile, in coordinates from 0 to 1. Every image is rendered from it:

  icons/tempidex-16.png, -32.png   16 colours, hard edges, as the window icon (the 16 pixel
                                   face is drawn by hand, FACE_16 below)
  tempidex.ico                     the same two images for Windows (4 bits per pixel), then
                                   the smooth 48 (32 bits per pixel) and 256 (PNG) for
                                   Explorer's large icons
  icons/tempidex-48 ... -256.png   smooth, for the desktop's icon theme
  icons/tempidex.svg               scalable
  cursors/link.png                 the link label's pointing hand, 32 x 32

Run it from anywhere: `python3 resources/make_icons.py [output folder]`. The output is the
same byte for byte on every run, so the committed files can be checked against it.
"""

import math
import os
import struct
import sys
import zlib

# --- The face -------------------------------------------------------------------------

YELLOW = (255, 255, 0)
BLACK = (0, 0, 0)
WHITE = (255, 255, 255)

CENTRE = (0.5, 0.5)
RADIUS = 0.47        # outer edge of the black rim
RIM = 0.07           # rim width
EYES = [(0.35, 0.36), (0.65, 0.36)]
EYE_RADII = (0.065, 0.11)
SMILE_RADIUS = 0.27  # centre line of the smile, around CENTRE
SMILE_WIDTH = 0.075
SMILE_FROM, SMILE_TO = 25.0, 155.0  # degrees, clockwise from 3 o'clock (y grows down)


def face_colour(x, y):
    """The face's colour at (x, y) in [0, 1]^2, or None outside it."""
    dx, dy = x - CENTRE[0], y - CENTRE[1]
    distance = math.hypot(dx, dy)
    if distance > RADIUS:
        return None
    if distance > RADIUS - RIM:
        return BLACK
    for ex, ey in EYES:
        if ((x - ex) / EYE_RADII[0]) ** 2 + ((y - ey) / EYE_RADII[1]) ** 2 <= 1:
            return BLACK
    angle = math.degrees(math.atan2(dy, dx))
    if abs(distance - SMILE_RADIUS) <= SMILE_WIDTH / 2 and SMILE_FROM <= angle <= SMILE_TO:
        return BLACK
    for end in (SMILE_FROM, SMILE_TO):  # round ends
        cx = CENTRE[0] + SMILE_RADIUS * math.cos(math.radians(end))
        cy = CENTRE[1] + SMILE_RADIUS * math.sin(math.radians(end))
        if math.hypot(x - cx, y - cy) <= SMILE_WIDTH / 2:
            return BLACK
    return YELLOW


def face_svg():
    size = 256

    def s(v):
        return f"{v * size:.2f}".rstrip("0").rstrip(".")

    def arc_point(angle):
        a = math.radians(angle)
        return (CENTRE[0] + SMILE_RADIUS * math.cos(a), CENTRE[1] + SMILE_RADIUS * math.sin(a))

    start, end = arc_point(SMILE_FROM), arc_point(SMILE_TO)
    eyes = "".join(
        f'  <ellipse cx="{s(ex)}" cy="{s(ey)}" rx="{s(EYE_RADII[0])}" ry="{s(EYE_RADII[1])}"/>\n'
        for ex, ey in EYES)
    return (
        f'<svg xmlns="http://www.w3.org/2000/svg" width="{size}" height="{size}" '
        f'viewBox="0 0 {size} {size}">\n'
        f'  <circle cx="{s(CENTRE[0])}" cy="{s(CENTRE[1])}" r="{s(RADIUS - RIM / 2)}" '
        f'fill="#ffff00" stroke="#000000" stroke-width="{s(RIM)}"/>\n'
        f'  <g fill="#000000">\n{eyes}  </g>\n'
        f'  <path d="M {s(start[0])} {s(start[1])} A {s(SMILE_RADIUS)} {s(SMILE_RADIUS)} 0 0 1 '
        f'{s(end[0])} {s(end[1])}" fill="none" stroke="#000000" '
        f'stroke-width="{s(SMILE_WIDTH)}" stroke-linecap="round"/>\n'
        '</svg>\n')


# At 16 pixels a face drawn by hand reads better than one rendered from the shapes above.
FACE_16 = """
.....######.....
...##YYYYYY##...
..#YYYYYYYYYY#..
.#YYYYYYYYYYYY#.
.#YYY##YY##YYY#.
#YYYY##YY##YYYY#
#YYYY##YY##YYYY#
#YYYYYYYYYYYYYY#
#YYYYYYYYYYYYYY#
#YY#YYYYYYYY#YY#
#YYY#YYYYYY#YYY#
.#YYY######YYY#.
.#YYYYYYYYYYYY#.
..#YYYYYYYYYY#..
...##YYYYYY##...
.....######.....
"""


def drawn_pixels(art):
    colours = {".": None, "#": BLACK, "Y": YELLOW}
    return [[colours[c] for c in line] for line in art.split()]


# --- The pointing hand, in pixels of a 32 x 32 image ---------------------------------

HAND = [  # rectangles (left, top, right, bottom), inclusive, that make the hand's shape
    (9, 1, 13, 16),    # index finger
    (14, 9, 17, 16), (18, 10, 21, 16), (22, 12, 24, 17),  # the other fingers, folded
    (9, 14, 24, 25),   # palm
    (4, 15, 8, 20), (6, 20, 8, 23),  # thumb
    (11, 26, 22, 29),  # wrist
]
HAND_HOT_SPOT = (11, 1)  # the tip of the index finger


def hand_pixels():
    inside = {(x, y) for (l, t, r, b) in HAND for x in range(l, r + 1) for y in range(t, b + 1)}
    pixels = []
    for y in range(32):
        row = []
        for x in range(32):
            if (x, y) not in inside:
                row.append(None)
            elif all((x + dx, y + dy) in inside for dx, dy in ((1, 0), (-1, 0), (0, 1), (0, -1))):
                row.append(WHITE)
            else:
                row.append(BLACK)
        pixels.append(row)
    return pixels


# --- Rendering --------------------------------------------------------------------------

SAMPLES = 4  # per pixel side


def render_palette(size):
    """Hard-edged: each pixel takes the colour most of its samples fall on."""
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            votes = {}
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = face_colour((px + (sx + 0.5) / SAMPLES) / size,
                                    (py + (sy + 0.5) / SAMPLES) / size)
                    votes[c] = votes.get(c, 0) + 1
            row.append(max(votes.items(), key=lambda kv: (kv[1], kv[0] is not None))[0])
        pixels.append(row)
    return pixels


def render_smooth(size):
    """Anti-aliased RGBA, straight alpha."""
    samples = SAMPLES * SAMPLES
    pixels = []
    for py in range(size):
        row = []
        for px in range(size):
            r = g = b = a = 0
            for sy in range(SAMPLES):
                for sx in range(SAMPLES):
                    c = face_colour((px + (sx + 0.5) / SAMPLES) / size,
                                    (py + (sy + 0.5) / SAMPLES) / size)
                    if c is not None:
                        r, g, b, a = r + c[0], g + c[1], b + c[2], a + 1
            row.append((0, 0, 0, 0) if a == 0 else
                       (round(r / a), round(g / a), round(b / a), round(255 * a / samples)))
        pixels.append(row)
    return pixels


# --- File formats -----------------------------------------------------------------------

# The 16 colours of the classic Windows palette; the icon uses black and yellow of them.
PALETTE16 = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
    (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def png_chunk(kind, data):
    return struct.pack(">I", len(data)) + kind + data + struct.pack(
        ">I", zlib.crc32(kind + data) & 0xFFFFFFFF)


def png_palette(pixels):
    """A 4-bit paletted PNG: entry 0 is transparent, then the palette colours the image uses."""
    size = len(pixels)
    used = [c for c in PALETTE16 if any(c in row for row in pixels)]
    palette = [(0, 0, 0)] + used
    index = {c: i + 1 for i, c in enumerate(used)}
    raw = b""
    for row in pixels:
        nibbles = [0 if c is None else index[c] for c in row]
        raw += b"\x00" + bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 4, 3, 0, 0, 0))
            + png_chunk(b"PLTE", b"".join(bytes(c) for c in palette))
            + png_chunk(b"tRNS", b"\x00")
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


def png_rgba(pixels, text=()):
    """Straight RGBA, with optional (keyword, value) text chunks."""
    size = len(pixels)
    raw = b"".join(b"\x00" + b"".join(bytes(p) for p in row) for row in pixels)
    return (b"\x89PNG\r\n\x1a\n"
            + png_chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0))
            + b"".join(png_chunk(b"tEXt", key.encode() + b"\0" + value.encode())
                       for key, value in text)
            + png_chunk(b"IDAT", zlib.compress(raw, 9))
            + png_chunk(b"IEND", b""))


def ico_image_4bpp(pixels):
    size = len(pixels)
    index = {c: i for i, c in enumerate(PALETTE16)}
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 4, 0, 0, 0, 0, 16, 0)
    palette = b"".join(bytes((b, g, r, 0)) for (r, g, b) in PALETTE16)
    xor_rows, and_rows = [], []
    for row in reversed(pixels):  # bottom-up
        nibbles = [0 if c is None else index[c] for c in row]
        xor = bytes((nibbles[i] << 4) | nibbles[i + 1] for i in range(0, size, 2))
        xor_rows.append(xor + b"\x00" * (-len(xor) % 4))
        bits = 0
        mask = bytearray()
        for i, c in enumerate(row):
            bits = (bits << 1) | (1 if c is None else 0)
            if i % 8 == 7:
                mask.append(bits)
                bits = 0
        and_rows.append(bytes(mask) + b"\x00" * (-len(mask) % 4))
    return header + palette + b"".join(xor_rows) + b"".join(and_rows)


def ico_image_32bpp(pixels):
    """Straight BGRA, bottom-up, with the AND mask Windows still reads (all opaque: the alpha
    says what is transparent)."""
    size = len(pixels)
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, 0, 0, 0, 0, 0)
    rows = b"".join(b"".join(bytes((b, g, r, a)) for (r, g, b, a) in row)
                    for row in reversed(pixels))
    mask = b"\x00" * (((size + 31) // 32) * 4 * size)
    return header + rows + mask


def ico(images):
    """images: (pixels, bits) pairs; 4 bits are the 16-colour palette, 32 straight RGBA, and
    256 pixels are stored as a PNG, as Windows keeps its largest icons."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for pixels, bits in images:
        size = len(pixels)
        image = (ico_image_4bpp(pixels) if bits == 4
                 else png_rgba(pixels) if size == 256 else ico_image_32bpp(pixels))
        colours = 16 if bits == 4 else 0
        out += struct.pack("<BBBBHHII", size % 256, size % 256, colours, 0, 1, bits, len(image),
                           offset)
        offset += len(image)
        data += image
    return out + data


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else os.path.dirname(os.path.abspath(__file__))
    os.makedirs(os.path.join(out, "icons"), exist_ok=True)
    os.makedirs(os.path.join(out, "cursors"), exist_ok=True)

    def write(name, data):
        with open(os.path.join(out, name), "wb") as f:
            f.write(data)

    small = {16: drawn_pixels(FACE_16), 32: render_palette(32)}
    for size, pixels in small.items():
        write(f"icons/tempidex-{size}.png", png_palette(pixels))
    smooth = {size: render_smooth(size) for size in (48, 64, 128, 256)}
    write("tempidex.ico", ico([(small[32], 4), (small[16], 4), (smooth[48], 32), (smooth[256], 32)]))
    for size, pixels in smooth.items():
        write(f"icons/tempidex-{size}.png", png_rgba(pixels))
    write("icons/tempidex.svg", face_svg().encode())
    hand = [[(0, 0, 0, 0) if c is None else c + (255,) for c in row] for row in hand_pixels()]
    # The hot spot travels with the image, as in a cursor file: the program reads it there.
    write("cursors/link.png", png_rgba(hand, [("HotSpotX", str(HAND_HOT_SPOT[0])),
                                              ("HotSpotY", str(HAND_HOT_SPOT[1]))]))


if __name__ == "__main__":
    main()
