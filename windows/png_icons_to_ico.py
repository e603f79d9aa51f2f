#!/usr/bin/env python3
"""Packs PNG icons into one Windows .ico file, each kept as a PNG (as Windows
has read them since Vista): png_icons_to_ico.py OUT.ico ICON.png..."""
import struct
import sys


def png_size(data):
    if data[:8] != b"\x89PNG\r\n\x1a\n":
        raise SystemExit("not a PNG")
    return struct.unpack(">II", data[16:24])


def main():
    out, pngs = sys.argv[1], [open(p, "rb").read() for p in sys.argv[2:]]
    header = struct.pack("<HHH", 0, 1, len(pngs))
    offset = len(header) + 16 * len(pngs)
    entries, images = b"", b""
    for data in pngs:
        width, height = png_size(data)
        # 256 is written as 0: the entry has one byte for each side.
        entries += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        images += data
        offset += len(data)
    with open(out, "wb") as ico:
        ico.write(header + entries + images)


main()
