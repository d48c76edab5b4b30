#!/usr/bin/env python3
"""Writes a PAK archive of N empty entries and a zip of the same names.

usage: make_list_inputs.py N ARCHIVE.pak ARCHIVE.zip [--no-zip]
"""
import struct
import sys
import zipfile


def names(count):
    for i in range(count):
        yield f"data{i % 97:02d}/models/part{i % 13}/item_{i:07d}.txt"


def write_pak(path, count):
    directory = bytearray()
    records = 0
    for name in names(count):
        units = name.encode("utf-16-le")
        header = struct.pack("<i5si", 14 + len(units), b"\0\0\0\0\0", 0) + bytes([len(name)]) + units
        directory += header
        records += len(header)
    with open(path, "wb") as out:
        out.write(b"KAPB" + struct.pack("<ii", 128 + records, len(directory)) + bytes(116))
        # The data area holds each record header again, followed by no data.
        out.write(directory)
        out.write(directory)


def write_zip(path, count):
    with zipfile.ZipFile(path, "w", zipfile.ZIP_STORED) as archive:
        for name in names(count):
            archive.writestr(zipfile.ZipInfo(name), b"")


if __name__ == "__main__":
    count = int(sys.argv[1])
    write_pak(sys.argv[2], count)
    if "--no-zip" not in sys.argv:
        write_zip(sys.argv[3], count)
