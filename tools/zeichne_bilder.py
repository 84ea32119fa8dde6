#!/usr/bin/env python3
"""Draws the program's icon and the about picture as PNG files.

One design, scaled to every size: a dark green board with a row of four
coloured pegs and a column of answer pins. Run from the repository root:
    python3 tools/zeichne_bilder.py
"""
import struct
import zlib
from pathlib import Path

PALETTE = [(0, 0, 0), (0, 0, 128), (0, 128, 0), (0, 128, 128), (128, 0, 0), (128, 0, 128),
           (128, 128, 0), (192, 192, 192), (128, 128, 128), (0, 0, 255), (0, 255, 0),
           (0, 255, 255), (255, 0, 0), (255, 0, 255), (255, 255, 0), (255, 255, 255)]


def png(path, breite, hoehe, pixel):
    roh = b"".join(b"\0" + bytes(c for p in pixel[y * breite:(y + 1) * breite] for c in p)
                   for y in range(hoehe))

    def block(art, daten):
        return (struct.pack(">I", len(daten)) + art + daten
                + struct.pack(">I", zlib.crc32(art + daten) & 0xFFFFFFFF))

    Path(path).write_bytes(b"\x89PNG\r\n\x1a\n"
                           + block(b"IHDR", struct.pack(">IIBBBBB", breite, hoehe, 8, 6, 0, 0, 0))
                           + block(b"IDAT", zlib.compress(roh, 9)) + block(b"IEND", b""))


def icon_farbe(x, y):
    """Colour of the design at (x, y) in the unit square, or None outside."""
    # Rounded board.
    r = 0.12
    dx = max(r - x, 0, x - (1 - r))
    dy = max(r - y, 0, y - (1 - r))
    if dx * dx + dy * dy > r * r:
        return None
    # Four pegs in a row, each with a dark rim.
    for i, farbe in enumerate([(255, 0, 0), (255, 255, 0), (0, 0, 255), (255, 255, 255)]):
        cx, cy = 0.16 + i * 0.19, 0.30
        d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
        if d < 0.075:
            return farbe
        if d < 0.092:
            return (0, 0, 0)
    # Answer pins: two black, one white.
    for i, farbe in enumerate([(0, 0, 0), (0, 0, 0), (255, 255, 255)]):
        cx, cy = 0.30 + i * 0.2, 0.70
        if abs(x - cx) < 0.06 and abs(y - cy) < 0.06:
            return farbe
    # A groove between the two.
    if 0.49 < y < 0.52 and 0.08 < x < 0.92:
        return (0, 64, 0)
    return (0, 128, 0)


def info_farbe(x, y):
    """The about picture: a question mark over a peg on light grey."""
    hinten = (192, 192, 192)
    cx, cy = 0.5, 0.36
    d = ((x - cx) ** 2 + (y - cy) ** 2) ** 0.5
    if 0.16 < d < 0.26 and not (y > cy and x < cx):
        return (0, 0, 255)
    if abs(x - 0.5) < 0.05 and 0.55 < y < 0.7:
        return (0, 0, 255)
    d = ((x - 0.5) ** 2 + (y - 0.85) ** 2) ** 0.5
    if d < 0.08:
        return (255, 0, 0)
    return hinten


def zeichne(breite, hoehe, farbe, palette=False, ueber=4):
    pixel = []
    for y in range(hoehe):
        for x in range(breite):
            summe = [0, 0, 0, 0]
            for sy in range(ueber):
                for sx in range(ueber):
                    c = farbe((x + (sx + 0.5) / ueber) / breite, (y + (sy + 0.5) / ueber) / hoehe)
                    if c is not None:
                        summe = [summe[0] + c[0], summe[1] + c[1], summe[2] + c[2], summe[3] + 1]
            n = summe[3]
            if n == 0:
                pixel.append((0, 0, 0, 0))
                continue
            rgb = (summe[0] // n, summe[1] // n, summe[2] // n)
            if palette:
                rgb = min(PALETTE, key=lambda p: sum((a - b) ** 2 for a, b in zip(p, rgb)))
            alpha = 255 if palette and n * 2 >= ueber * ueber else (255 * n) // (ueber * ueber)
            if palette and n * 2 < ueber * ueber:
                alpha = 0
            pixel.append(rgb + (alpha,))
    return pixel


def main():
    ziel = Path("resources")
    png(ziel / "quorbix.png", 32, 32, zeichne(32, 32, icon_farbe, palette=True))
    png(ziel / "info.png", 32, 31, zeichne(32, 31, info_farbe, palette=True, ueber=1))
    for groesse in (16, 24, 32, 48, 64, 128, 256):
        ordner = ziel / "icons" / f"{groesse}x{groesse}"
        ordner.mkdir(parents=True, exist_ok=True)
        png(ordner / "quorbix.png", groesse, groesse,
            zeichne(groesse, groesse, icon_farbe, palette=groesse <= 32))


if __name__ == "__main__":
    main()
