#!/usr/bin/env python3
"""Checks that make_face_bitmaps.py is reproducible and writes well-formed 4-bpp BMP files:
two runs give the same bytes, and every file's header agrees with its length."""

import os
import struct
import sys
import tempfile

sys.dont_write_bytecode = True
sys.path.insert(0, os.path.dirname(os.path.abspath(__file__)))
from make_face_bitmaps import write_all  # noqa: E402


def read_all(directory):
    return {name: open(os.path.join(directory, name), "rb").read()
            for name in sorted(os.listdir(directory))}


def header_problem(data):
    magic, file_size, _, _, offset = struct.unpack_from("<2sIHHI", data, 0)
    _, width, height, _, bits, _, image_size = struct.unpack_from("<IiiHHII", data, 14)
    row = (width * bits + 31) // 32 * 4
    if magic != b"BM" or bits != 4:
        return "not a 4-bpp BMP"
    if file_size != len(data) or offset + image_size != len(data) or image_size != row * height:
        return "sizes in the header disagree with the file"
    return None


def main():
    with tempfile.TemporaryDirectory() as first, tempfile.TemporaryDirectory() as second:
        write_all(first)
        write_all(second)
        files, again = read_all(first), read_all(second)
    failures = []
    if len(files) != 46:
        failures.append(f"{len(files)} files, expected 46")
    if files != again:
        failures.append("two runs wrote different bytes")
    failures += [f"{name}: {problem}" for name, data in files.items()
                 if (problem := header_problem(data))]
    for failure in failures:
        print(failure, file=sys.stderr)
    return 1 if failures else 0


if __name__ == "__main__":
    sys.exit(main())
