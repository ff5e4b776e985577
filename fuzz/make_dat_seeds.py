#!/usr/bin/env python3
"""Writes the seed inputs of the grid-cache fuzzer into the folder given.

Each seed is the expected grid size (two little-endian i16) followed by a ".DAT" file:
good caches of a few sizes, and the damaged kinds the reader must turn down.
"""
import struct
import sys
from pathlib import Path


def cache(width, height, cells=None):
    if cells is None:
        cells = [(-1 if (x + y) % 3 == 0 else 0) for y in range(height) for x in range(width)]
    return struct.pack("<hh", width, height) + struct.pack("<%dh" % len(cells), *cells)


def seed(expected_w, expected_h, body):
    return struct.pack("<hh", expected_w, expected_h) + body


def main():
    out = Path(sys.argv[1])
    out.mkdir(parents=True, exist_ok=True)
    good = cache(6, 5)
    seeds = {
        "good_6x5": seed(6, 5, good),
        "good_1x1": seed(1, 1, cache(1, 1, [-1])),
        "good_44x34": seed(44, 34, cache(44, 34)),
        "empty": seed(6, 5, b""),
        "header_only": seed(6, 5, good[:4]),
        "half_header": seed(6, 5, good[:3]),
        "truncated": seed(6, 5, good[:-7]),
        "over_long": seed(6, 5, good + b"\0\0"),
        "zero_width": seed(0, 5, cache(0, 5, [])),
        "negative": seed(6, 5, struct.pack("<hh", -6, 5) + good[4:]),
        "min_i16": seed(6, 5, struct.pack("<hh", -32768, -32768) + good[4:]),
        "huge": seed(32767, 32767, struct.pack("<hh", 32767, 32767) + good[4:]),
        "other_map": seed(7, 5, good),
    }
    for name, data in seeds.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main()
