#!/usr/bin/env python3
"""Writes a PAK archive of about SIZE_MB megabytes: a few large entries and
many small ones, with varied bytes.

usage: make_big_archive.py ARCHIVE SIZE_MB [SMALL_ENTRIES]
"""
import os
import struct
import sys


def record_header(name, size):
    units = name.encode("utf-16-le")
    return struct.pack("<i5si", 14 + len(units) + size, b"\x10\x20\x30\x40\x50", size) + bytes([len(name)]) + units


def main():
    path, size_mb = sys.argv[1], int(sys.argv[2])
    small = int(sys.argv[3]) if len(sys.argv) > 3 else 200
    big_count = 4
    big_size = max(1, (size_mb * 1024 * 1024) // big_count)
    block = os.urandom(1 << 20)
    entries = [(f"data/big_{i}.dat", big_size) for i in range(big_count)]
    entries += [(f"misc/small_{i:05d}.txt", 100 + i % 900) for i in range(small)]
    directory = b"".join(record_header(name, size) for name, size in entries)
    data_length = sum(len(record_header(name, size)) + size for name, size in entries)
    with open(path, "wb") as out:
        out.write(b"KAPB" + struct.pack("<ii", 128 + data_length, len(directory)) + bytes(range(116)))
        for index, (name, size) in enumerate(entries):
            out.write(record_header(name, size))
            left = size
            shift = (index * 7919) % len(block)
            while left > 0:
                piece = block[shift:shift + min(left, len(block) - shift)]
                out.write(piece)
                left -= len(piece)
                shift = 0
        out.write(directory)


if __name__ == "__main__":
    main()
