#!/usr/bin/env python3
"""Writes resources/tervano1.svg, the desktop icon, from the simplified outline
(resources/italy-outline.txt). The same picture is drawn by the program itself
(IconPixmap in app/Artwork.cpp): a blue tile with a graticule, the territory in
ivory and the central meridians of the two Gauss-Boaga zones in red.

Usage: make_icon_svg.py OUTLINE.txt OUTPUT.svg
"""
import math
import sys

WEST, EAST, SOUTH, NORTH = 6.0, 19.0, 35.4, 47.2
ASPECT = math.cos(math.radians(41.5))


def frame(x0, y0, w, h):
    wide, tall = (EAST - WEST) * ASPECT, NORTH - SOUTH
    scale = min(w / wide, h / tall)
    ox = x0 + w / 2 - wide * scale / 2
    oy = y0 + h / 2 - tall * scale / 2
    return lambda lon, lat: (ox + (lon - WEST) * ASPECT * scale, oy + (NORTH - lat) * scale)


def main():
    rings, ring = [], []
    for line in open(sys.argv[1]):
        line = line.strip()
        if line.startswith("#"):
            continue
        if not line:
            if ring:
                rings.append(ring)
            ring = []
            continue
        lon, lat = map(float, line.split())
        ring.append((lon, lat))
    if ring:
        rings.append(ring)

    at = frame(6, 4, 52, 56)
    land = " ".join(
        "M" + " L".join(f"{x:.2f},{y:.2f}" for x, y in (at(*p) for p in r)) + " Z" for r in rings)
    grid = []
    for lon in range(8, 19, 2):
        (x1, y1), (x2, y2) = at(lon, SOUTH + 0.3), at(lon, NORTH - 0.3)
        grid.append(f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}"/>')
    for lat in range(37, 47, 2):
        (x1, y1), (x2, y2) = at(WEST + 0.3, lat), at(EAST - 0.3, lat)
        grid.append(f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}"/>')
    meridians = []
    for lon in (9, 15):
        (x1, y1), (x2, y2) = at(lon, SOUTH + 0.3), at(lon, NORTH - 0.3)
        meridians.append(f'<line x1="{x1:.2f}" y1="{y1:.2f}" x2="{x2:.2f}" y2="{y2:.2f}"/>')

    with open(sys.argv[2], "w") as out:
        out.write('<?xml version="1.0" encoding="UTF-8"?>\n')
        out.write('<!-- Tervano1 icon; outline from Natural Earth (public domain), '
                  'written by tools/make_icon_svg.py -->\n')
        out.write('<svg xmlns="http://www.w3.org/2000/svg" width="64" height="64" viewBox="0 0 64 64">\n')
        out.write('  <rect x="1" y="1" width="62" height="62" rx="12" fill="#275a8f"/>\n')
        out.write('  <g stroke="#6b93bb" stroke-width="0.8">' + "".join(grid) + '</g>\n')
        out.write(f'  <path fill="#f7f1e1" fill-rule="nonzero" d="{land}"/>\n')
        out.write('  <g stroke="#e04b3a" stroke-width="1.6">' + "".join(meridians) + '</g>\n')
        out.write('</svg>\n')


if __name__ == "__main__":
    main()
