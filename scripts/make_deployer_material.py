#!/usr/bin/env python3
"""Draws the neutral deployer material shipped with the programs into resources/deployer/:

  emblem_left.bmp, emblem_right.bmp   500 x 500, 24 bits: Fresnel zone plates (bitmaps 301, 302)
  portrait_first.bmp                  300 x 348, 24 bits: a plain silhouette (bitmap 303)
  portrait_second.bmp                 287 x 400, 24 bits: a plain silhouette (bitmap 304)
  icon.ico                            16, 32 and 48 pixels: a zone plate (icon 305)

An institution replaces these files with its own (same names, sizes and depth) and rebuilds; this
script only makes the placeholders. Pure Python, no imaging library needed.
"""
import math
import os
import struct

OUT = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "resources", "deployer")
BACKGROUND = (205, 206, 255)  # the pages' own background, so the emblems' corners disappear


def write_bmp(path, width, height, pixel):
    """A bottom-up 24-bit BMP; pixel(x, y) gives (r, g, b) with y from the top."""
    row_size = (width * 3 + 3) & ~3
    rows = []
    for y in range(height - 1, -1, -1):
        row = bytearray()
        for x in range(width):
            r, g, b = pixel(x, y)
            row += bytes((b, g, r))
        row += b"\0" * (row_size - len(row))
        rows.append(bytes(row))
    data = b"".join(rows)
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, width, height, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def supersampled(shade, samples=3):
    """Averages shade(x, y) -> (r, g, b) over samples x samples points of each pixel."""
    def pixel(x, y):
        acc = [0.0, 0.0, 0.0]
        for i in range(samples):
            for j in range(samples):
                c = shade(x + (i + 0.5) / samples, y + (j + 0.5) / samples)
                for k in range(3):
                    acc[k] += c[k]
        n = samples * samples
        return tuple(int(round(v / n)) for v in acc)
    return pixel


def mix(a, b, t):
    return tuple(a[k] + (b[k] - a[k]) * t for k in range(3))


def zone_plate(size, zones, odd, even, rim, centre_offset=(0.0, 0.0)):
    """Fresnel zones of a circular aperture: zone n ends at radius R*sqrt(n/zones). The zones may be
    seen from a point off the axis (centre_offset, in units of R), as on the radial screen."""
    c = size / 2.0
    R = size * 0.44
    rim_width = size * 0.035

    def shade(x, y):
        d = math.hypot(x - c, y - c)
        if d > R + rim_width:
            return BACKGROUND
        if d > R:
            return rim
        zx = x - (c + centre_offset[0] * R)
        zy = y - (c + centre_offset[1] * R)
        n = int(zones * (zx * zx + zy * zy) / (R * R))  # zone index from 0
        base = odd if n % 2 == 0 else even
        return mix(base, (255, 255, 255), 0.25 * (1 - d / R))
    return supersampled(shade)


def silhouette(width, height, body, background):
    """A plain head-and-shoulders outline, no likeness of anyone."""
    head_x, head_y = width / 2.0, height * 0.36
    head_r = width * 0.2

    def shade(x, y):
        t = y / height
        paper = mix(background, (255, 255, 255), 0.5 * (1 - t))
        if math.hypot((x - head_x) / 0.92, y - head_y) < head_r:
            return body
        shoulders_top = height * 0.62
        if y > shoulders_top:
            half = width * 0.18 + (y - shoulders_top) * 1.3
            if abs(x - width / 2.0) < min(half, width * 0.46):
                return body
        if abs(x - width / 2.0) < width * 0.08 and head_y < y <= shoulders_top + 2:
            return body
        return paper
    return supersampled(shade, 2)


def icon_image(size):
    """32-bit BGRA rows, bottom-up, plus the AND mask, for one ICO entry."""
    pixel = zone_plate(size, 5, (40, 60, 200), (250, 250, 250), (20, 20, 20))
    c = size / 2.0
    rows = bytearray()
    for y in range(size - 1, -1, -1):
        for x in range(size):
            r, g, b = pixel(x, y)
            inside = math.hypot(x + 0.5 - c, y + 0.5 - c) <= size * 0.475 + 0.5
            rows += bytes((b, g, r, 255 if inside else 0))
    mask_row = ((size + 31) // 32) * 4
    mask = b"\0" * (mask_row * size)  # alpha decides; the mask keeps everything
    info = struct.pack("<IiiHHIIiiII", 40, size, size * 2, 1, 32, 0, len(rows) + len(mask), 0, 0, 0, 0)
    return info + bytes(rows) + mask


def write_ico(path, sizes):
    images = [icon_image(s) for s in sizes]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    entries = b""
    for s, data in zip(sizes, images):
        entries += struct.pack("<BBBBHHII", s % 256, s % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(path, "wb") as f:
        f.write(header + entries + b"".join(images))


def main():
    os.makedirs(OUT, exist_ok=True)
    write_bmp(os.path.join(OUT, "emblem_left.bmp"), 500, 500,
              zone_plate(500, 8, (30, 50, 170), (235, 238, 255), (25, 25, 60)))
    write_bmp(os.path.join(OUT, "emblem_right.bmp"), 500, 500,
              zone_plate(500, 6, (200, 120, 20), (255, 244, 214), (70, 40, 10), centre_offset=(0.35, 0.0)))
    write_bmp(os.path.join(OUT, "portrait_first.bmp"), 300, 348,
              silhouette(300, 348, (96, 104, 128), (176, 186, 214)))
    write_bmp(os.path.join(OUT, "portrait_second.bmp"), 287, 400,
              silhouette(287, 400, (112, 96, 120), (206, 190, 214)))
    write_ico(os.path.join(OUT, "icon.ico"), [16, 32, 48])


if __name__ == "__main__":
    main()
