#!/usr/bin/env python3
"""Writes a PAK archive and a tar holding the same files: many small files in
a hundred directories and a few large ones.

usage: make_extract_inputs.py SMALL LARGE LARGE_MIB ARCHIVE.pak ARCHIVE.tar
"""
import io
import os
import random
import struct
import sys
import tarfile

PIECE = 1 << 20


def files(small, large, large_mib):
    """(name, size, seed) of every file, in archive order."""
    rng = random.Random(1)
    for i in range(small):
        yield f"data{i % 100:02d}/sub{i % 7}/item_{i:06d}.dat", rng.randint(1, 4096), i
    for i in range(large):
        yield f"movies/large_{i}.bik", large_mib * PIECE + 12345, small + i


class content(io.RawIOBase):
    """The bytes of one file, made on the fly from a shared random block."""

    block = os.urandom(PIECE + 4096)

    def __init__(self, size, seed):
        self.left, self.shift = size, seed % 4096

    def readable(self):
        return True

    def readinto(self, buffer):
        n = min(len(buffer), self.left, PIECE)
        buffer[:n] = content.block[self.shift:self.shift + n]
        self.left -= n
        return n


def copy(size, seed, out):
    source = content(size, seed)
    while chunk := source.read(PIECE):
        out.write(chunk)


def write_pak(path, entries):
    directory = bytearray()
    offset = 128
    with open(path, "wb") as out:
        out.write(bytes(128))  # the header, filled in at the end
        for name, size, seed in entries:
            units = name.encode("utf-16-le")
            record = struct.pack("<i5si", 14 + len(units) + size, b"\0\0\0\0\0", size) + bytes([len(name)]) + units
            out.write(record)
            copy(size, seed, out)
            directory += record
            offset += len(record) + size
        out.write(directory)
        out.seek(0)
        out.write(b"KAPB" + struct.pack("<ii", offset, len(directory)))


def write_tar(path, entries):
    with tarfile.open(path, "w", format=tarfile.GNU_FORMAT) as archive:
        made = set()
        for name, size, seed in entries:
            parts = name.split("/")[:-1]
            for k in range(1, len(parts) + 1):
                directory = "/".join(parts[:k])
                if directory not in made:
                    made.add(directory)
                    info = tarfile.TarInfo(directory)
                    info.type, info.mode = tarfile.DIRTYPE, 0o755
                    archive.addfile(info)
            info = tarfile.TarInfo(name)
            info.size, info.mode = size, 0o644
            archive.addfile(info, io.BufferedReader(content(size, seed), PIECE))


if __name__ == "__main__":
    small, large, large_mib = (int(x) for x in sys.argv[1:4])
    entries = list(files(small, large, large_mib))
    write_pak(sys.argv[4], entries)
    write_tar(sys.argv[5], entries)
