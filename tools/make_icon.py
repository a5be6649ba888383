#!/usr/bin/python3
"""Renders app/resources/quorlin.svg into the Windows icon app/resources/quorlin.ico
(PNG images of 16, 24, 32, 48, 64 and 256 pixels). Run with Debian's python3,
which has GdkPixbuf: /usr/bin/python3 tools/make_icon.py"""
import os
import struct

import gi

gi.require_version("GdkPixbuf", "2.0")
from gi.repository import GdkPixbuf  # noqa: E402

SIZES = [16, 24, 32, 48, 64, 256]
here = os.path.join(os.path.dirname(os.path.abspath(__file__)), "..", "app", "resources")


def png_of(size):
    pixbuf = GdkPixbuf.Pixbuf.new_from_file_at_size(os.path.join(here, "quorlin.svg"), size, size)
    ok, data = pixbuf.save_to_bufferv("png", [], [])
    assert ok
    return data


def main():
    images = [png_of(size) for size in SIZES]
    header = struct.pack("<HHH", 0, 1, len(images))
    offset = len(header) + 16 * len(images)
    entries = b""
    for size, image in zip(SIZES, images):
        edge = 0 if size == 256 else size  # 0 stands for 256
        entries += struct.pack("<BBBBHHII", edge, edge, 0, 0, 1, 32, len(image), offset)
        offset += len(image)
    with open(os.path.join(here, "quorlin.ico"), "wb") as out:
        out.write(header + entries + b"".join(images))


if __name__ == "__main__":
    main()
