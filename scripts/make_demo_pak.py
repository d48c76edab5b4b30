#!/usr/bin/env python3
"""Writes a small PAK archive with entries that look like a game's files.

usage: make_demo_pak.py ARCHIVE.pak
"""
import struct
import sys

ENTRIES = [
    ("textures/walls/stone_wall01.bmp", 49206),
    ("textures/walls/stone_wall02.bmp", 49206),
    ("textures/floors/moss_floor.tga", 65554),
    ("textures/sky/night_sky.jpg", 131072),
    ("models/creatures/marrow_wolf.md3", 284160),
    ("models/items/lantern.md3", 40960),
    ("sound/ambient/wind_cave.wav", 882044),
    ("sound/voices/keeper_greeting.mp3", 96512),
    ("music/theme_dunmarrow.ogg", 2621440),
    ("maps/level01_ravine.bsp", 1887436),
    ("maps/level02_tombs.bsp", 2411724),
    ("scripts/quests/lost_lantern.txt", 3112),
    ("scripts/dialog/keeper.txt", 8740),
    ("video/intro.bik", 7340032),
    ("fonts/runes.fnt", 12288),
    ("config/default.cfg", 1024),
    ("readme", 512),
]


def record_header(name, size):
    units = name.encode("utf-16-le")
    header_length = 14 + len(units)
    return struct.pack("<i5sib", header_length + size, bytes([0x10, 0x20, 0x30, 0x40, 0x50]), size, len(name)) + units


def main(path):
    data_area = bytearray()
    directory = bytearray()
    for index, (name, size) in enumerate(ENTRIES):
        header = record_header(name, size)
        data_area += header + bytes((index * 7 + i) & 0xFF for i in range(size))
        directory += header
    with open(path, "wb") as out:
        out.write(b"KAPB" + struct.pack("<ii", 128 + len(data_area), len(directory)) + bytes(116))
        out.write(data_area)
        out.write(directory)


if __name__ == "__main__":
    main(sys.argv[1])
