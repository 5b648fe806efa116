#!/usr/bin/env python3
"""Writes a few tags larger than the reader's 64 KiB buffer into a folder, as
fuzzing seeds: the peer corpus has none, and the buffer's refills, wrap and
whole-tag unsynchronisation only run for tags that large."""
import random
import struct
import sys
from pathlib import Path


def synchsafe(n):
    return bytes([(n >> 21) & 0x7F, (n >> 14) & 0x7F, (n >> 7) & 0x7F, n & 0x7F])


def frame(version, frame_id, body, flags=b"\0\0"):
    size = synchsafe(len(body)) if version == 4 else struct.pack(">I", len(body))
    return frame_id + size + flags + body


def unsynchronise(data):
    out = bytearray()
    for k, b in enumerate(data):
        out.append(b)
        if b == 0xFF and (k + 1 == len(data) or data[k + 1] == 0 or data[k + 1] >= 0xE0):
            out.append(0)
    return bytes(out)


def tag(version, body, flags=0):
    return b"ID3" + bytes([version, 0, flags]) + synchsafe(len(body)) + body


def tricky(rng, n):
    return bytes(rng.choice(b"\xff\xff\xff\x00\x00\xe0\xf3\x41") for _ in range(n))


def main(folder):
    out = Path(folder)
    out.mkdir(parents=True, exist_ok=True)
    rng = random.Random(1)
    text = frame(3, b"TIT2", b"\0Title") + frame(3, b"TPE1", b"\0Artist")
    body = text + frame(3, b"PRIV", tricky(rng, 90000)) + bytes(200)
    (out / "large-v3-unsync.mp3").write_bytes(tag(3, unsynchronise(body), 0x80))
    body = frame(4, b"APIC", bytes(rng.randrange(256) for _ in range(100000))) + frame(4, b"TIT2", b"\3Title")
    (out / "large-v4-picture.mp3").write_bytes(tag(4, body + bytes(50)))
    body = b"".join(frame(3, b"TXXX", tricky(rng, 7000)) for _ in range(12)) + text
    (out / "large-v3-many.mp3").write_bytes(tag(3, body))


if __name__ == "__main__":
    main(sys.argv[1])
