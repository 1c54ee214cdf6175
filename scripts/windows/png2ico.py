#!/usr/bin/python3
"""Writes a Windows icon (.ico) holding the given PNG files as they are (Windows Vista and later
read PNG images inside an icon): png2ico.py OUT.ico IN.png ..."""
import struct
import sys


def main(out, pngs):
    images = []
    for path in pngs:
        data = open(path, "rb").read()
        if data[:8] != b"\x89PNG\r\n\x1a\n":
            sys.exit(f"{path}: no PNG file")
        width, height = struct.unpack(">II", data[16:24])
        images.append((width, height, data))
    offset = 6 + 16 * len(images)
    head = struct.pack("<HHH", 0, 1, len(images))
    for width, height, data in images:
        # 256 pixels are written as 0 in the one-byte size fields.
        head += struct.pack("<BBBBHHII", width % 256, height % 256, 0, 0, 1, 32, len(data), offset)
        offset += len(data)
    with open(out, "wb") as f:
        f.write(head + b"".join(data for _, _, data in images))


if __name__ == "__main__":
    main(sys.argv[1], sys.argv[2:])
