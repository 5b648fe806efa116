#!/usr/bin/python3
"""The artwork in resources/ is exactly what tools/art/make_art.py draws, and
keeps the promises the windows rely on: strip sizes, opaque 24-bit pixels
with no pure magenta (the layered windows' transparency key), a baseline
three-component JPEG banner and a three-size icon.

The files are read with small hand-written parsers rather than Pillow, so a
check does not trust the library that wrote the file."""

import importlib.util
import os
import struct
import subprocess
import sys
import tempfile
import unittest

ROOT = os.path.normpath(os.path.join(os.path.dirname(__file__), "..", ".."))
RESOURCES = os.path.join(ROOT, "resources")
SCRIPT = os.path.join(ROOT, "tools", "art", "make_art.py")
_spec = importlib.util.spec_from_file_location("make_art", SCRIPT)
make_art = importlib.util.module_from_spec(_spec)
_spec.loader.exec_module(make_art)
SCALES = make_art.SCALES
strip_name = make_art.strip_name

STRIPS = [strip_name(stem, p) for p in SCALES
          for stem in ("playbutton", "playagain", "songtag")]
ARTWORK = STRIPS + ["plinkety.ico", "banner.jpg", "art_scales.h"]
# Drawn with FreeType's text and encoded by libjpeg: another version of
# either, on another machine, moves a few pixel values by a little. These are
# compared as pictures, the rest byte for byte.
COMPARED_AS_PICTURES = {"banner.jpg"}
BLACK, GRAY, BLUE, ORANGE, GREEN = range(5)


def read(name):
    with open(os.path.join(RESOURCES, name), "rb") as f:
        return f.read()


class Bmp:
    """An uncompressed 24-bit Windows bitmap: size and RGB rows, top first."""

    def __init__(self, data):
        assert data[:2] == b"BM", "not a BMP file"
        offset, = struct.unpack_from("<I", data, 10)
        (_, self.width, height, _, self.bits,
         self.compression) = struct.unpack_from("<IiiHHI", data, 14)
        self.height = abs(height)
        stride = (self.width * 3 + 3) & ~3
        self.rows = []
        for r in range(self.height):
            y = self.height - 1 - r if height > 0 else r
            row = data[offset + y * stride: offset + y * stride + self.width * 3]
            self.rows.append([(row[i + 2], row[i + 1], row[i])
                              for i in range(0, len(row), 3)])

    def pixels(self, left, top, width, height):
        for row in self.rows[top:top + height]:
            yield from row[left:left + width]


def luminance(rgb):
    """Relative luminance (sRGB), as used for text contrast ratios."""
    def lin(c):
        c /= 255
        return c / 12.92 if c <= 0.04045 else ((c + 0.055) / 1.055) ** 2.4
    r, g, b = (lin(c) for c in rgb)
    return 0.2126 * r + 0.7152 * g + 0.0722 * b


def mean_luminance(pixels):
    values = [luminance(p) for p in pixels]
    return sum(values) / len(values)


def contrast(l1, l2):
    hi, lo = max(l1, l2), min(l1, l2)
    return (hi + 0.05) / (lo + 0.05)


def jpeg_segments(data):
    """(marker, payload) of each segment up to the start of scan."""
    assert data[:2] == b"\xff\xd8", "no JPEG start-of-image marker"
    pos = 2
    while pos < len(data):
        assert data[pos] == 0xFF, "JPEG segments out of step"
        marker = data[pos + 1]
        length, = struct.unpack_from(">H", data, pos + 2)
        yield marker, data[pos + 4: pos + 2 + length]
        if marker == 0xDA:
            return
        pos += 2 + length


class Reproducible(unittest.TestCase):
    def test_script_redraws_every_committed_file(self):
        with tempfile.TemporaryDirectory() as out:
            subprocess.run([sys.executable, SCRIPT, out], check=True)
            self.assertEqual(sorted(os.listdir(out)), sorted(ARTWORK))
            for name in ARTWORK:
                drawn = os.path.join(out, name)
                if name in COMPARED_AS_PICTURES:
                    self.assertLooksTheSame(drawn, os.path.join(RESOURCES, name))
                    continue
                with open(drawn, "rb") as f:
                    self.assertTrue(f.read() == read(name),
                                    name + " differs from what make_art.py "
                                    "draws; re-run tools/art/make_art.py")

    def assertLooksTheSame(self, drawn, committed):
        """Same size, a mean difference under 1 of 255 per channel, and no more
        than one channel value in a thousand off by more than 40 (a changed
        word of the banner's text is some 3 in a thousand)."""
        from PIL import Image, ImageChops
        with Image.open(drawn) as a, Image.open(committed) as b:
            self.assertEqual(a.size, b.size, committed)
            histogram = ImageChops.difference(a.convert("RGB"),
                                              b.convert("RGB")).histogram()
        values = sum(histogram)
        mean = sum((i % 256) * n for i, n in enumerate(histogram)) / values
        far = sum(n for i, n in enumerate(histogram) if i % 256 > 40)
        self.assertLess(mean, 1.0, committed + ": re-run tools/art/make_art.py")
        self.assertLessEqual(far, values // 1000, committed)


class Strips(unittest.TestCase):
    SIZES = {"playbutton.bmp": (35, 35), "playagain.bmp": (35, 13),
             "songtag.bmp": (150, 35)}

    def strip(self, name):
        return Bmp(read(name))

    def theme(self, bmp, name, index):
        w, h = self.SIZES[name]
        return list(bmp.pixels(index * w, 0, w, h))

    def test_five_theme_pictures_side_by_side_in_24_bits(self):
        for name, (w, h) in self.SIZES.items():
            bmp = self.strip(name)
            self.assertEqual((bmp.width, bmp.height), (5 * w, h), name)
            self.assertEqual((bmp.bits, bmp.compression), (24, 0), name)

    # The windows' picture sizes at each scale (the frame grows with the
    # scale: 2 pixels from 150 %, 3 from 250 %).
    SCALED = {125: ((44, 44), (44, 17), (188, 44)),
              150: ((52, 52), (52, 19), (224, 52)),
              175: ((61, 61), (61, 22), (262, 61)),
              200: ((70, 70), (70, 26), (300, 70)),
              250: ((87, 87), (87, 32), (374, 87)),
              300: ((105, 105), (105, 39), (450, 105))}

    def test_each_scale_has_the_windows_picture_sizes(self):
        for percent, sizes in self.SCALED.items():
            for stem, (w, h) in zip(("playbutton", "playagain", "songtag"),
                                    sizes):
                name = strip_name(stem, percent)
                bmp = self.strip(name)
                self.assertEqual((bmp.width, bmp.height), (5 * w, h), name)
                self.assertEqual((bmp.bits, bmp.compression), (24, 0), name)

    def test_scaled_themes_look_like_the_drawn_ones(self):
        # Each scale's picture has about the 100 % picture's mean colour.
        base = self.strip("playbutton.bmp")
        for percent, sizes in self.SCALED.items():
            w, h = sizes[0]
            bmp = self.strip(strip_name("playbutton", percent))
            for t in range(5):
                want = mean_luminance(self.theme(base, "playbutton.bmp", t))
                got = mean_luminance(bmp.pixels(t * w, 0, w, h))
                self.assertAlmostEqual(got, want, delta=0.05,
                                       msg="%d %% theme %d" % (percent, t))

    def test_no_pixel_is_the_magenta_colour_key(self):
        for name in STRIPS:
            bmp = self.strip(name)
            keyed = [(x, y) for y, row in enumerate(bmp.rows)
                     for x, p in enumerate(row) if p == (255, 0, 255)]
            self.assertEqual(keyed, [], name)

    def test_black_is_the_darkest_theme_and_gray_near_white(self):
        for name in ("playbutton.bmp", "playagain.bmp"):
            bmp = self.strip(name)
            means = [mean_luminance(self.theme(bmp, name, t))
                     for t in range(5)]
            self.assertEqual(min(means), means[BLACK], name)
            self.assertGreater(means[GRAY], 0.6, name)

    def test_play_button_themes_look_different(self):
        bmp = self.strip("playbutton.bmp")
        averages = []
        for t in range(5):
            px = self.theme(bmp, "playbutton.bmp", t)
            averages.append(tuple(sum(c[i] for c in px) // len(px)
                                  for i in range(3)))
        self.assertEqual(len(set(averages)), 5, averages)

    def test_song_tag_labels_stay_readable(self):
        # Labels: title at rows 3..15, artist at rows 19..32 from column 7;
        # black on Gray, white on the other themes.
        bmp = self.strip("songtag.bmp")
        for t in range(5):
            for top, height in ((3, 13), (19, 14)):
                bg = mean_luminance(bmp.pixels(t * 150 + 7, top, 137, height))
                text = 0.0 if t == GRAY else 1.0
                self.assertGreaterEqual(contrast(bg, text), 4.5,
                                        "theme %d rows %d+" % (t, top))


class Banner(unittest.TestCase):
    def test_baseline_jfif_500_by_150_with_three_8_bit_components(self):
        segments = list(jpeg_segments(read("banner.jpg")))
        markers = [m for m, _ in segments]
        self.assertEqual(markers[0], 0xE0)
        self.assertEqual(segments[0][1][:5], b"JFIF\0")
        frames = [(m, p) for m, p in segments
                  if 0xC0 <= m <= 0xCF and m not in (0xC4, 0xC8, 0xCC)]
        self.assertEqual([m for m, _ in frames], [0xC0],
                         "one baseline frame, not progressive")
        precision, height, width, components = struct.unpack_from(
            ">BHHB", frames[0][1])
        self.assertEqual((precision, width, height, components),
                         (8, 500, 150, 3))


class Icon(unittest.TestCase):
    def test_icon_holds_16_32_and_48_pixel_images(self):
        data = read("plinkety.ico")
        reserved, kind, count = struct.unpack_from("<HHH", data)
        self.assertEqual((reserved, kind), (0, 1))
        sizes = []
        for i in range(count):
            w, h, _, _, _, bits, length, offset = struct.unpack_from(
                "<BBBBHHII", data, 6 + 16 * i)
            self.assertLessEqual(offset + length, len(data))
            header_w, header_h = struct.unpack_from("<ii", data, offset + 4)
            self.assertEqual((header_w, header_h), (w, 2 * h),
                             "DIB entry carries colour and mask")
            sizes.append((w, h, bits))
        self.assertEqual(sizes, [(16, 16, 32), (32, 32, 32), (48, 48, 32)])


if __name__ == "__main__":
    unittest.main()
