#!/usr/bin/env python3
"""Writes a few small ASF headers into the folder given, as seeds for the ASF
fuzz target (the peer corpus has no ASF file): a Header Object holding a File
Properties stand-in, an Extended Content Description Object and a Content
Description Object with a title and an author."""
import os
import struct
import sys
import uuid


def guid(text):
    return uuid.UUID(text).bytes_le


def obj(guid_text, body):
    return guid(guid_text) + struct.pack("<Q", 24 + len(body)) + body


def utf16(text):
    return text.encode("utf-16-le") + b"\0\0"


def description(title, author):
    strings = [utf16(title), utf16(author), b"\0\0", b"", b""]
    return obj("75B22633-668E-11CF-A6D9-00AA0062CE6C",
               struct.pack("<5H", *map(len, strings)) + b"".join(strings))


def extended(name, value):
    body = struct.pack("<H", 1) + struct.pack("<H", len(utf16(name))) + utf16(name)
    return obj("D2D0A440-E307-11D2-97F0-00A0C95EA850", body + struct.pack("<HH", 0, len(utf16(value))) + utf16(value))


def header(objects):
    body = b"".join(objects)
    return guid("75B22630-668E-11CF-A6D9-00AA0062CE6C") + struct.pack("<QIBB", 30 + len(body), len(objects), 1, 2) + body


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    properties = obj("8CABDCA1-A947-11CF-8EE4-00C00C205365", bytes(80))
    seeds = {
        "plain.wma": header([properties, description("Title", "Author")]),
        "cyrillic.wma": header([properties, extended("WM/AlbumArtist", "Album"), description("Дыхание", "Автор")]),
        "empty.wma": header([properties, description("", "")]),
    }
    for name, data in seeds.items():
        with open(os.path.join(folder, name), "wb") as out:
            out.write(data + bytes(64))


if __name__ == "__main__":
    main()
