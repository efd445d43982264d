#!/usr/bin/env python3
"""Draws the Zielmark application icon: a clock at a quarter past twelve, the quarter in red.

Every size is drawn from the same shapes with per-pixel supersampling, so the result is
anti-aliased and byte-for-byte the same on every run. Writes a Windows .ico with 32-bit
BMP entries (alpha plus AND mask); with --png it also writes one PNG per size to look at.

    make_icon.py OUTPUT.ico [--png PREFIX]
"""

import math
import struct
import sys
import zlib

SIZES = (16, 32, 48)
SAMPLES = 8  # per axis: 64 samples per pixel

RIM_TOP = (0x2F, 0x5F, 0x96)
RIM_BOTTOM = (0x16, 0x2E, 0x52)
FACE = (0xFB, 0xFA, 0xF5)
SECTOR = (0xE5, 0x48, 0x2A)
INK = (0x1B, 0x2A, 0x41)

# The minute hand and the end of the red sector point at three o'clock, the hour hand at twelve:
# both then lie on the pixel grid and stay sharp at 16 px. Angles run clockwise from twelve.
HAND_ANGLE = 90.0
HOUR_HAND = 0.62  # length of the hour hand relative to the minute hand


def clamp(value, low, high):
    return max(low, min(high, value))


def segment_distance(px, py, ax, ay, bx, by):
    """Distance from point p to the segment a-b."""
    dx, dy = bx - ax, by - ay
    t = clamp(((px - ax) * dx + (py - ay) * dy) / (dx * dx + dy * dy), 0.0, 1.0)
    return math.hypot(px - ax - t * dx, py - ay - t * dy)


def clock_angle(x, y):
    """Clockwise angle in degrees from twelve o'clock of the vector (x, y), y pointing down."""
    return math.degrees(math.atan2(x, -y)) % 360.0


class Clock:
    """The shapes of one icon size, in pixel units with the origin at the centre."""

    def __init__(self, size):
        self.size = size
        # Thin parts get a minimum width in pixels so that they survive at 16 px.
        self.radius = size / 2.0 - max(0.25, size * 0.02)
        self.rim = max(1.5, size * 0.085)
        self.gap = max(0.75, size * 0.05)
        # Hands through the centre are an even number of pixels wide: no half-covered columns.
        self.hand = max(2.0, 2.0 * round(size * 0.035))
        self.hub = max(1.35, size * 0.065)
        rad = math.radians(HAND_ANGLE)
        self.hand_dir = (math.sin(rad), -math.cos(rad))
        self.ticks = []
        if size >= 32:
            # Marks at twelve, three, six and nine; small ones between them from 48 px up.
            inner = self.radius - self.rim - self.gap * 0.6
            for hour in range(12):
                major = hour % 3 == 0
                if not major and size < 48:
                    continue
                length = size * (0.11 if major else 0.05)
                width = 2.0 if major else max(1.2, size * 0.03)
                a = math.radians(hour * 30.0)
                ux, uy = math.sin(a), -math.cos(a)
                self.ticks.append((ux * inner, uy * inner, ux * (inner - length),
                                   uy * (inner - length), width / 2.0))

    def colour_at(self, x, y):
        """Colour (r, g, b) and opacity of the sample at (x, y), or None where transparent."""
        r = math.hypot(x, y)
        if r > self.radius:
            return None
        face = self.radius - self.rim
        if r > face:
            t = clamp((y + self.radius) / (2.0 * self.radius), 0.0, 1.0)
            return tuple(round(a + (b - a) * t) for a, b in zip(RIM_TOP, RIM_BOTTOM))
        hx, hy = self.hand_dir
        hand_len = face - self.gap
        half = self.hand / 2.0
        if (r <= self.hub or
                segment_distance(x, y, 0.0, 0.0, hx * hand_len, hy * hand_len) <= half or
                segment_distance(x, y, 0.0, 0.0, 0.0, -hand_len * HOUR_HAND) <= half):
            return INK
        for ax, ay, bx, by, half in self.ticks:
            if segment_distance(x, y, ax, ay, bx, by) <= half:
                return INK
        if r <= face - self.gap and clock_angle(x, y) <= HAND_ANGLE:
            return SECTOR
        return FACE


def render(size):
    """Rows of (r, g, b, a) pixels, top row first, colours not premultiplied."""
    clock = Clock(size)
    centre = size / 2.0
    rows = []
    step = 1.0 / SAMPLES
    for py in range(size):
        row = []
        for px in range(size):
            sr = sg = sb = 0
            hits = 0
            for sy in range(SAMPLES):
                y = py + (sy + 0.5) * step - centre
                for sx in range(SAMPLES):
                    x = px + (sx + 0.5) * step - centre
                    colour = clock.colour_at(x, y)
                    if colour is not None:
                        sr += colour[0]
                        sg += colour[1]
                        sb += colour[2]
                        hits += 1
            if hits == 0:
                row.append((0, 0, 0, 0))
            else:
                alpha = round(255 * hits / (SAMPLES * SAMPLES))
                row.append((round(sr / hits), round(sg / hits), round(sb / hits), alpha))
        rows.append(row)
    return rows


def bmp_entry(rows):
    """A 32-bit icon image: BITMAPINFOHEADER, BGRA rows bottom-up, then the 1-bit AND mask."""
    size = len(rows)
    mask_stride = ((size + 31) // 32) * 4
    pixels = bytearray()
    mask = bytearray()
    for row in reversed(rows):
        for r, g, b, a in row:
            pixels += bytes((b, g, r, a))
        bits = bytearray(mask_stride)
        for x, (_, _, _, a) in enumerate(row):
            if a < 128:  # transparent for systems that ignore the alpha channel
                bits[x // 8] |= 0x80 >> (x % 8)
        mask += bits
    header = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0,
                         len(pixels) + len(mask), 0, 0, 0, 0)
    return header + bytes(pixels) + bytes(mask)


def ico_file(images):
    """ICONDIR, one ICONDIRENTRY per image, then the images."""
    out = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    data = b""
    for size, entry in images:
        out += struct.pack("<BBBBHHII", size % 256, size % 256, 0, 0, 1, 32, len(entry), offset)
        offset += len(entry)
        data += entry
    return out + data


def png_file(rows):
    """An RGBA PNG, for looking at the icon."""
    size = len(rows)

    def chunk(kind, payload):
        return (struct.pack(">I", len(payload)) + kind + payload +
                struct.pack(">I", zlib.crc32(kind + payload) & 0xFFFFFFFF))

    raw = b"".join(b"\0" + bytes(v for pixel in row for v in pixel) for row in rows)
    return (b"\x89PNG\r\n\x1a\n" +
            chunk(b"IHDR", struct.pack(">IIBBBBB", size, size, 8, 6, 0, 0, 0)) +
            chunk(b"IDAT", zlib.compress(raw, 9)) + chunk(b"IEND", b""))


def main(argv):
    if len(argv) not in (2, 4) or (len(argv) == 4 and argv[2] != "--png"):
        sys.stderr.write(__doc__)
        return 2
    rendered = [(size, render(size)) for size in SIZES]
    with open(argv[1], "wb") as out:
        out.write(ico_file([(size, bmp_entry(rows)) for size, rows in rendered]))
    if len(argv) == 4:
        for size, rows in rendered:
            with open("%s%d.png" % (argv[3], size), "wb") as out:
                out.write(png_file(rows))
    return 0


if __name__ == "__main__":
    sys.exit(main(sys.argv))
