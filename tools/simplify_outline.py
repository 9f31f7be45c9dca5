#!/usr/bin/env python3
"""Writes the simplified outline of the national territory used by the
program's artwork.

Input: a GeoJSON MultiPolygon in longitude/latitude degrees (Natural Earth
1:10m Admin 0 countries, feature "Italy", public domain).
Output: one ring per block of "longitude latitude" lines, blocks separated by
an empty line; only outer rings, simplified with Douglas-Peucker.

Usage: simplify_outline.py INPUT.geojson OUTPUT.txt [TOLERANCE_DEGREES]
"""
import json
import sys


def douglas_peucker(points, tolerance):
    if len(points) < 3:
        return points
    (x1, y1), (x2, y2) = points[0], points[-1]
    dx, dy = x2 - x1, y2 - y1
    norm = (dx * dx + dy * dy) ** 0.5
    worst, index = -1.0, 0
    for i in range(1, len(points) - 1):
        px, py = points[i]
        if norm == 0:
            d = ((px - x1) ** 2 + (py - y1) ** 2) ** 0.5
        else:
            d = abs(dy * px - dx * py + x2 * y1 - y2 * x1) / norm
        if d > worst:
            worst, index = d, i
    if worst <= tolerance:
        return [points[0], points[-1]]
    left = douglas_peucker(points[: index + 1], tolerance)
    right = douglas_peucker(points[index:], tolerance)
    return left[:-1] + right


def ring_area(ring):
    return abs(sum(x1 * y2 - x2 * y1 for (x1, y1), (x2, y2) in zip(ring, ring[1:] + ring[:1]))) / 2


def main():
    source, target = sys.argv[1], sys.argv[2]
    tolerance = float(sys.argv[3]) if len(sys.argv) > 3 else 0.012
    geometry = json.load(open(source))["geometry"]
    rings = []
    for polygon in geometry["coordinates"]:
        outer = [tuple(p) for p in polygon[0]]
        if ring_area(outer) < 0.004:
            continue  # islets too small to see at the picture's scale
        simplified = douglas_peucker(outer, tolerance)
        if len(simplified) >= 4:
            rings.append(simplified)
    with open(target, "w") as out:
        out.write("# Outline of the national territory, simplified from Natural Earth 1:10m\n")
        out.write("# Admin 0 countries (public domain) with tools/simplify_outline.py.\n")
        for ring in rings:
            out.write("\n")
            for x, y in ring:
                out.write(f"{x:.3f} {y:.3f}\n")


if __name__ == "__main__":
    main()
