#!/usr/bin/env python3
"""Writes a few index files into a folder, as fuzzing seeds for the index
loader: plain records, full-length and stale-tailed paths, programs and odd
bytes in paths, a trailing fragment, and one record past the fuzz target's
limit of 32."""
import struct
import sys
from pathlib import Path


def record(number, path, tail=b"\0"):
    return struct.pack("<iB", number, len(path)) + path + tail * (255 - len(path))


def main(folder):
    out = Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    songs = [b"C:\\Music\\one.mp3", b"D:\\Music\\Two.OGG", b"\\\\server\\share\\three.wav"]
    seeds = {
        "plain.dat": b"".join(record(k + 1, p) for k, p in enumerate(songs)),
        "long.dat": record(1, b"C:\\" + b"x" * 248 + b".mp3") + record(2, b"C:\\a.mp3", b"T"),
        "programs.dat": record(1, b"C:\\Music\\setup.exe") + record(2, b"C:\\Music\\run.BAT. ")
                        + record(3, b"C:\\Music\\a.mp3\0.exe") + record(4, b"C:\\Music\\b.exe::$DATA"),
        "bytes.dat": record(0, bytes(range(1, 256))) + record(-1, b"\xff" * 200),
        "fragment.dat": record(1, songs[0]) + b"\x05\0\0\0\x09C:\\",
        "limit.dat": b"".join(record(k, songs[k % 3]) for k in range(33)),
    }
    for name, data in seeds.items():
        (out / name).write_bytes(data)


if __name__ == "__main__":
    main(sys.argv[1])
