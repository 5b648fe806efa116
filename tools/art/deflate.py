#!/usr/bin/python3
"""Deflates one file into a zlib stream (RFC 1950), as the program's
resources carry the display-scale strips: deflate.py IN OUT."""

import sys
import zlib


def main(argv):
    with open(argv[1], "rb") as f:
        data = f.read()
    with open(argv[2], "wb") as f:
        f.write(zlib.compress(data, 9))


if __name__ == "__main__":
    main(sys.argv)
