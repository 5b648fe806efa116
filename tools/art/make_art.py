#!/usr/bin/python3
"""Draws Plinkety's artwork: the three theme strips, the program icon and the
About banner. The strips are drawn for each display scale the program shows
them at (100 % is NAME.bmp, the others NAME_PERCENT.bmp), at the picture
sizes the windows have at that scale.

    make_art.py [OUTPUT_FOLDER]      (default: the repository's resources/)

Every picture is drawn from geometry at SS times its size and box-filtered
down, so edges are anti-aliased the same way on every run; no randomness, no
timestamps, so the files come out byte for byte identical. Run it with
Debian's python3 (python3-pil, fonts-dejavu-core).

The windows that show the strips use magenta (255, 0, 255) as their
transparency key, so every strip is fully opaque and a final pass nudges any
pixel that happens to land on pure magenta.
"""

import math
import os
import struct
import sys

from PIL import Image, ImageChops, ImageDraw, ImageFilter, ImageFont

SS = 8  # supersampling factor

MAGENTA = (255, 0, 255)

FONT_DIR = "/usr/share/fonts/truetype/dejavu"


# --- Themes -----------------------------------------------------------------
# Index order is the stored theme number: 0 Black, 1 Gray, 2 Blue, 3 Orange,
# 4 Green.

class Theme:
    def __init__(self, name, top, bottom, glow, gloss, glyph, glyph_low,
                 glyph_shade, tag_top, tag_bottom):
        self.name = name
        self.gloss = gloss          # opacity of the white gloss at the top
        self.top = top              # button face, top edge
        self.bottom = bottom        # button face, bottom edge
        self.glow = glow            # light reflected up from below
        self.glyph = glyph          # play triangle / arrow, top
        self.glyph_low = glyph_low  # ... and bottom
        self.glyph_shade = glyph_shade  # (colour, opacity, dy): drop or emboss
        self.tag_top = tag_top      # Song Tag background, top
        self.tag_bottom = tag_bottom


THEMES = [
    Theme("Black", top=(70, 72, 78), bottom=(4, 4, 6), glow=(64, 68, 76),
          gloss=0.42,
          glyph=(255, 255, 255), glyph_low=(206, 208, 212),
          glyph_shade=((0, 0, 0), 0.75, 1),
          tag_top=(62, 63, 67), tag_bottom=(14, 14, 16)),
    Theme("Gray", top=(255, 255, 255), bottom=(194, 197, 203),
          glow=(255, 255, 255), gloss=0.8,
          glyph=(78, 80, 86), glyph_low=(36, 37, 40),
          glyph_shade=((255, 255, 255), 0.9, 1),
          tag_top=(253, 253, 253), tag_bottom=(222, 223, 226)),
    Theme("Blue", top=(92, 160, 240), bottom=(10, 52, 138),
          glow=(90, 170, 255), gloss=0.5,
          glyph=(255, 255, 255), glyph_low=(210, 226, 248),
          glyph_shade=((4, 24, 72), 0.7, 1),
          tag_top=(40, 98, 184), tag_bottom=(10, 42, 112)),
    Theme("Orange", top=(255, 178, 64), bottom=(196, 74, 0),
          glow=(255, 170, 60), gloss=0.45,
          glyph=(255, 255, 255), glyph_low=(255, 234, 206),
          glyph_shade=((110, 36, 0), 0.7, 1),
          tag_top=(180, 74, 0), tag_bottom=(140, 44, 0)),
    Theme("Green", top=(122, 206, 96), bottom=(22, 110, 34),
          glow=(120, 220, 110), gloss=0.5,
          glyph=(255, 255, 255), glyph_low=(216, 242, 212),
          glyph_shade=((6, 56, 14), 0.7, 1),
          tag_top=(38, 118, 40), tag_bottom=(12, 74, 22)),
]


# --- Drawing helpers ----------------------------------------------------------

def lerp(a, b, t):
    return tuple(round(x + (y - x) * t) for x, y in zip(a, b))


def vertical_gradient(size, stops):
    """An RGB image whose rows run through the (position 0..1, colour) stops."""
    w, h = size
    img = Image.new("RGB", size)
    draw = ImageDraw.Draw(img)
    for y in range(h):
        # Rows before the first stop or after the last keep that stop's colour.
        t = min(max((y + 0.5) / h, stops[0][0]), stops[-1][0])
        for (t0, c0), (t1, c1) in zip(stops, stops[1:]):
            if t0 <= t <= t1:
                draw.line([(0, y), (w - 1, y)],
                          fill=lerp(c0, c1, (t - t0) / (t1 - t0)))
                break
    return img


def alpha_ramp(size, top, bottom):
    """A greyscale mask fading from opacity `top` to `bottom` down the rows."""
    g = vertical_gradient(size, [(0, (round(top * 255),) * 3),
                                 (1, (round(bottom * 255),) * 3)])
    return g.convert("L")


def shape_mask(size, draw_shape):
    """Coverage mask of a shape drawn in supersampled pixel coordinates.

    draw_shape(draw, s) gets a drawer and the scale; it draws in 255 with
    coordinates multiplied by s, so (x, y) = pixel corner x, y."""
    w, h = size
    big = Image.new("L", (w * SS, h * SS), 0)
    draw_shape(ImageDraw.Draw(big), SS)
    return big.reduce(SS)


def shape_mask_at(base, size, draw_shape):
    """shape_mask for a picture drawn in base-size coordinates but shown at
    size: drawn supersampled and box-filtered down to size, so x and y may
    scale by different factors."""
    if size == base:
        return shape_mask(size, draw_shape)
    k = SS * math.ceil(max(size[0] / base[0], size[1] / base[1]))
    big = Image.new("L", (base[0] * k, base[1] * k), 0)
    draw_shape(ImageDraw.Draw(big), k)
    return big.resize(size, Image.BOX)


def scaled(points, s):
    return [(x * s, y * s) for x, y in points]


def faded(mask, opacity):
    return mask.point(lambda v: round(v * opacity))


def paint(img, colour, mask, opacity=1.0):
    """Lay `colour` over img through mask (0..255) times opacity."""
    if opacity != 1.0:
        mask = faded(mask, opacity)
    img.paste(Image.new(img.mode, img.size, colour), (0, 0), mask)


def shifted(mask, dx, dy):
    """mask moved by (dx, dy); what moves off the edge is dropped, not wrapped."""
    out = Image.new("L", mask.size, 0)
    out.paste(mask, (dx, dy))
    return out


def paint_image(img, layer, mask):
    img.paste(layer, (0, 0), mask)


def without_magenta(img):
    """The windows key out pure magenta; keep every pixel clear of it."""
    px = img.load()
    w, h = img.size
    for y in range(h):
        for x in range(w):
            if px[x, y][:3] == MAGENTA:
                px[x, y] = (254, 0, 254) + px[x, y][3:]
    return img


def hstrip(images):
    w, h = images[0].size
    strip = Image.new("RGB", (w * len(images), h))
    for i, im in enumerate(images):
        strip.paste(im, (i * w, 0))
    return strip


# --- Glossy face shared by the buttons ------------------------------------------

def glossy_face(size, theme, gloss_bottom):
    """A square glossy face: a vertical gradient, a soft glow rising from
    the bottom edge, a bright gloss cap ending in a gentle curve at
    gloss_bottom rows, and a one-pixel bevel."""
    w, h = size
    face = vertical_gradient(size, [(0, theme.top),
                                    (0.5, lerp(theme.top, theme.bottom, 0.55)),
                                    (1, theme.bottom)])

    # Glow from below: a wide blurred ellipse hugging the bottom edge.
    glow = shape_mask(size, lambda d, s: d.ellipse(
        [(-0.1 * w * s, (h - h * 0.42) * s), (1.1 * w * s, (h + h * 0.35) * s)],
        fill=255))
    glow = glow.filter(ImageFilter.GaussianBlur(max(1.0, h / 12)))
    paint(face, theme.glow, glow, 0.5)

    # The gloss cap: a very wide ellipse whose lower arc is the gloss edge.
    cap = shape_mask(size, lambda d, s: d.ellipse(
        [(-0.3 * w * s, -gloss_bottom * 1.4 * s),
         ((w + 0.3 * w) * s, gloss_bottom * s)], fill=255))
    cap = ImageChops.multiply(cap, alpha_ramp(size, theme.gloss, 0.08))
    paint(face, (255, 255, 255), cap)

    # Bevel: light along the top and left, shade along the bottom and right.
    edge = ImageDraw.Draw(face)
    for x in range(w):
        c = face.getpixel((x, 0))
        edge.point((x, 0), fill=lerp(c, (255, 255, 255), 0.45))
        c = face.getpixel((x, h - 1))
        edge.point((x, h - 1), fill=lerp(c, (0, 0, 0), 0.35))
    for y in range(1, h - 1):
        c = face.getpixel((0, y))
        edge.point((0, y), fill=lerp(c, (255, 255, 255), 0.25))
        c = face.getpixel((w - 1, y))
        edge.point((w - 1, y), fill=lerp(c, (0, 0, 0), 0.25))
    return face


def glyph(face, theme, mask, k=1.0):
    """Lay a glyph (triangle, arrow) with its shade and its own gradient;
    k is the display scale, which thickens the rim and the shade."""
    colour, opacity, dy = theme.glyph_shade
    dy = round(dy * k)
    # A faint rim all round keeps the glyph's edge where it crosses the
    # bright gloss; the stronger shade below lifts it off the face.
    rim = ImageChops.subtract(
        mask.filter(ImageFilter.MaxFilter(3 if k < 1.5 else 5)), mask)
    paint(face, colour, rim, opacity * 0.45)
    paint(face, colour, shifted(mask, 0, dy), opacity)
    fill = vertical_gradient(face.size, [(0.2, theme.glyph),
                                         (0.8, theme.glyph_low)])
    paint_image(face, fill, mask)


# --- Play button: five 35 x 35 pictures ---------------------------------------

PLAY = (35, 35)


def play_button(theme, size=PLAY):
    k = size[1] / PLAY[1]
    face = glossy_face(size, theme, gloss_bottom=17 * k)
    # The triangle's left edge sits on a pixel boundary so it stays sharp;
    # its centroid is a touch right of the middle, as the eye expects.
    tri = [(13, 9), (13, 26), (26.5, 17.5)]
    glyph(face, theme, shape_mask_at(PLAY, size, lambda d, s: d.polygon(
        scaled(tri, s), fill=255)), k)
    return face


# --- Play Again button: five 35 x 13 pictures ---------------------------------

AGAIN = (35, 13)


def loop_back_arrow(d, s):
    """A hooked arrow: from the upper stroke the line turns down round the
    right-hand end and runs back left along the bottom into an arrowhead."""
    stroke = 2.0
    top, bottom = 2.0, 7.0           # upper edges of the two strokes
    hook = 22.0                      # where the straight parts meet the turn
    radius = (bottom + stroke - top) / 2
    ring = Image.new("L", (AGAIN[0] * s, AGAIN[1] * s), 0)
    rd = ImageDraw.Draw(ring)
    rd.ellipse([((hook - radius) * s, top * s),
                ((hook + radius) * s, (bottom + stroke) * s)], fill=255)
    rd.ellipse([((hook - radius + stroke) * s, (top + stroke) * s),
                ((hook + radius - stroke) * s, bottom * s)], fill=0)
    rd.rectangle([(0, 0), (hook * s - 1, ring.size[1])], fill=0)
    d.bitmap((0, 0), ring, fill=255)
    d.rectangle([(17 * s, top * s), (hook * s - 1, (top + stroke) * s - 1)],
                fill=255)
    d.rectangle([(13 * s, bottom * s),
                 (hook * s - 1, (bottom + stroke) * s - 1)], fill=255)
    mid = bottom + stroke / 2
    d.polygon(scaled([(8.5, mid), (14, mid - 3.5), (14, mid + 3.5)], s),
              fill=255)


def play_again(theme, size=AGAIN):
    k = size[1] / AGAIN[1]
    face = glossy_face(size, theme, gloss_bottom=6.5 * k)
    glyph(face, theme, shape_mask_at(AGAIN, size, loop_back_arrow), k)
    return face


# --- Song Tag popup: five 150 x 35 backgrounds -------------------------------

TAG = (150, 35)


def song_tag(theme, size=TAG):
    """A quiet gloss: the labels (title at rows 3..15, artist at 19..32 at
    100 %) sit on it, so the face stays even and a shade darker than the
    buttons."""
    w, h = TAG
    k = size[1] / TAG[1]
    face = vertical_gradient(size, [(0, theme.tag_top), (1, theme.tag_bottom)])
    cap = shape_mask_at(TAG, size, lambda d, s: d.ellipse(
        [(-0.3 * w * s, -34 * s), (1.3 * w * s, 18 * s)], fill=255))
    cap = ImageChops.multiply(cap, alpha_ramp(size, 0.18, 0.04))
    paint(face, (255, 255, 255), cap)
    glow = shape_mask_at(TAG, size, lambda d, s: d.ellipse(
        [(-0.1 * w * s, 26 * s), (1.1 * w * s, 46 * s)], fill=255))
    glow = glow.filter(ImageFilter.GaussianBlur(3 * k))
    paint(face, theme.glow, glow, 0.25)
    w, h = size
    edge = ImageDraw.Draw(face)
    for x in range(w):
        edge.point((x, 0), fill=lerp(face.getpixel((x, 0)), (255,) * 3, 0.35))
        edge.point((x, h - 1),
                   fill=lerp(face.getpixel((x, h - 1)), (0,) * 3, 0.25))
    return face


# --- Program icon -------------------------------------------------------------

def icon_image(px):
    """The Black play button as a rounded tile with soft alpha corners."""
    theme = THEMES[0]
    size = (px, px)
    face = glossy_face(size, theme, gloss_bottom=px * 0.49).convert("RGBA")
    radius = max(2.0, px * 0.2)
    inset = 0 if px <= 16 else px / 48
    tile = shape_mask(size, lambda d, s: d.rounded_rectangle(
        [(inset * s, inset * s), ((px - inset) * s - 1, (px - inset) * s - 1)],
        radius=radius * s, fill=255))
    # A dark rim keeps the tile readable on dark and light desktops alike.
    rim_w = max(1.0, px / 32)
    inner = shape_mask(size, lambda d, s: d.rounded_rectangle(
        [((inset + rim_w) * s, (inset + rim_w) * s),
         ((px - inset - rim_w) * s - 1, (px - inset - rim_w) * s - 1)],
        radius=(radius - rim_w) * s, fill=255))
    rim = ImageChops.subtract(tile, inner)
    paint(face, (0, 0, 0, 255), rim, 0.85)
    # Just inside the rim, a highlight that fades down the sides: the edge
    # catches the light, so the tile stands out on a dark desktop too.
    sheen = ImageChops.subtract(inner, inner.filter(ImageFilter.MinFilter(3)))
    sheen = ImageChops.multiply(sheen, alpha_ramp(size, 0.55, 0.0))
    paint(face, (255, 255, 255, 255), sheen)
    k = px / 35.0
    tri = [(13 * k, 9 * k), (13 * k, 26 * k), (26.5 * k, 17.5 * k)]
    if px == 16:
        tri = [(5.5, 3.5), (5.5, 12.5), (12.5, 8)]
    mask = shape_mask(size, lambda d, s: d.polygon(scaled(tri, s), fill=255))
    glyph(face, theme, mask)
    face.putalpha(tile)
    return face


def ico_bytes(images):
    """An .ico with classic 32-bit DIB entries (colour + alpha, plus the 1-bit
    AND mask older shells still read), written by hand so no encoder or
    timestamp can vary."""
    entries, blobs = [], []
    offset = 6 + 16 * len(images)
    for im in images:
        w, h = im.size
        header = struct.pack("<IiiHHIIiiII", 40, w, h * 2, 1, 32, 0, 0,
                             0, 0, 0, 0)
        rows = []
        px = im.load()
        for y in range(h - 1, -1, -1):  # DIB rows run bottom-up
            rows.append(b"".join(struct.pack("BBBB", px[x, y][2], px[x, y][1],
                                             px[x, y][0], px[x, y][3])
                                 for x in range(w)))
        stride = ((w + 31) // 32) * 4
        mask_rows = []
        for y in range(h - 1, -1, -1):
            bits = bytearray(stride)
            for x in range(w):
                if px[x, y][3] < 128:
                    bits[x // 8] |= 0x80 >> (x % 8)
            mask_rows.append(bytes(bits))
        blob = header + b"".join(rows) + b"".join(mask_rows)
        entries.append(struct.pack("<BBBBHHII", w % 256, h % 256, 0, 0, 1, 32,
                                   len(blob), offset))
        blobs.append(blob)
        offset += len(blob)
    return (struct.pack("<HHH", 0, 1, len(images)) + b"".join(entries)
            + b"".join(blobs))


# --- About banner -------------------------------------------------------------

BANNER = (500, 150)
# The dialog shows the banner at (-20, -8) in a 449-wide client area: only
# columns 20..468 and rows 8..149 are seen.
SEEN_LEFT, SEEN_TOP, SEEN_RIGHT = 20, 8, 469


def font(name, px):
    return ImageFont.truetype(os.path.join(FONT_DIR, name), px)


STAFF_TOP, STAFF_GAP = 108, 6.5


def staff_y(x, line):
    """Height of staff line `line` (0 top .. 4 bottom) at column x: the
    staff rises and falls gently across the banner."""
    return (STAFF_TOP + STAFF_GAP * line - 4 * math.sin((x - 60) / 110.0)
            - 2 * math.sin(x / 47.0))


def note_y(x, step):
    """Centre of a note `step` half-spaces above the bottom line."""
    return staff_y(x, 4) - step * STAFF_GAP / 2


def ellipse_points(cx, cy, rx, ry, tilt, n=48):
    pts = []
    for k in range(n):
        a = 2 * math.pi * k / n
        ex, ey = rx * math.cos(a), ry * math.sin(a)
        pts.append((cx + ex * math.cos(tilt) - ey * math.sin(tilt),
                    cy + ex * math.sin(tilt) + ey * math.cos(tilt)))
    return pts


# (column, half-spaces above the bottom line, kind): q quarter, h half,
# b eighths joined by a beam with the next note.
TUNE = [(196, 1, "q"), (224, 3, "q"), (252, 5, "b"), (272, 4, "b"),
        (304, 2, "h"), (340, 4, "q"), (366, 6, "b"), (386, 7, "b"),
        (418, 5, "h")]
STEM = 19


def draw_tune(d, s):
    """Note heads, stems and beams of TUNE; stems point down for notes on
    the upper half of the staff, as engravers do."""
    heads = []
    for x, step, kind in TUNE:
        cy = note_y(x, step)
        d.polygon(scaled(ellipse_points(x, cy, 4.6, 3.3, -0.35), s), fill=255)
        if kind == "h":
            d.polygon(scaled(ellipse_points(x, cy, 2.9, 1.3, -0.35), s),
                      fill=0)
        heads.append((x, cy, kind, step))
    i = 0
    while i < len(heads):
        x, cy, kind, step = heads[i]
        group = heads[i:i + 2] if kind == "b" else heads[i:i + 1]
        down = sum(g[3] for g in group) / len(group) >= 4
        ends = []
        for gx, gcy, _, _ in group:
            sx = gx - 4.3 if down else gx + 3.2
            tip = gcy + STEM if down else gcy - STEM
            y0, y1 = sorted((gcy, tip))
            d.rectangle([(sx * s, y0 * s), ((sx + 1.2) * s, y1 * s)],
                        fill=255)
            ends.append((sx, tip))
        if len(ends) == 2:
            (ax, ay), (bx, by) = ends
            thick = -3.2 if down else 3.2
            d.polygon(scaled([(ax, ay), (bx + 1.2, by), (bx + 1.2, by + thick),
                              (ax, ay + thick)], s), fill=255)
        i += len(group)


def banner():
    w, h = BANNER
    img = vertical_gradient(BANNER, [(0, (30, 34, 44)), (0.55, (16, 18, 26)),
                                     (1, (6, 7, 10))])
    # A faint spotlight behind the title.
    spot = shape_mask(BANNER, lambda d, s: d.ellipse(
        [(150 * s, -60 * s), (520 * s, 150 * s)], fill=255))
    paint(img, (70, 110, 180), spot.filter(ImageFilter.GaussianBlur(40)), 0.35)

    # A five-line staff flowing across, fading in from the left.
    staff = Image.new("L", (w * SS, h * SS), 0)
    sd = ImageDraw.Draw(staff)
    for line in range(5):
        pts = [(x * SS, staff_y(x, line) * SS) for x in range(0, w + 1, 2)]
        sd.line(pts, fill=255, width=SS)
    staff = staff.reduce(SS)
    fade = Image.new("L", BANNER)
    fd = ImageDraw.Draw(fade)
    for x in range(w):
        t = min(1.0, max(0.0, (x - 20) / 200.0))
        fd.line([(x, 0), (x, h - 1)], fill=round(255 * (0.15 + 0.85 * t)))
    paint(img, (120, 140, 170), ImageChops.multiply(staff, fade), 0.5)

    notes = shape_mask(BANNER, draw_tune)
    paint(img, (90, 160, 255), notes.filter(ImageFilter.GaussianBlur(3)), 0.5)
    paint(img, (226, 234, 246), notes)

    # The program's own face on the left: the Black play button, large.
    button = icon_image(84)
    bx, by = 38, 18
    shadow = Image.new("L", BANNER, 0)
    shadow.paste(button.getchannel("A"), (bx + 3, by + 5))
    paint(img, (0, 0, 0), shadow.filter(ImageFilter.GaussianBlur(5)), 0.8)
    img.paste(button, (bx, by), button)

    # The name, and a line saying what it does.
    title_font = font("DejaVuSans-Bold.ttf", 54)
    tag_font = font("DejaVuSans.ttf", 15)
    text = Image.new("L", BANNER, 0)
    ImageDraw.Draw(text).text((140, 14), "Plinkety", font=title_font, fill=255)
    paint(img, (0, 0, 0), shifted(text, 2, 3).filter(
        ImageFilter.GaussianBlur(2)), 0.7)
    title_fill = vertical_gradient(BANNER, [(0.12, (255, 255, 255)),
                                            (0.55, (178, 200, 232))])
    paint_image(img, title_fill, text)
    sub = Image.new("L", BANNER, 0)
    ImageDraw.Draw(sub).text((144, 78), "one click, one song from your own "
                             "music", font=tag_font, fill=255)
    paint(img, (160, 176, 200), sub)
    return img


# --- Display scales -------------------------------------------------------------
# The windows' sizes at a DPI follow the program's rule: each 96-DPI length
# times DPI / 96, rounded half away from zero; the frame is such a length of
# 1 and the picture fills the window inside it.

# The one list of the scales the strips are drawn at. The program learns it
# from art_scales.h, written from it below; the build makes the resource
# lines of the scaled strips from that header.
SCALES = [100, 125, 150, 175, 200, 250, 300]


def px(length, percent):
    dpi = 96 * percent // 100
    return (length * dpi + 48) // 96


def picture_sizes(percent):
    """(Play button, Play Again, Song Tag) picture sizes at a scale."""
    frame = max(1, px(1, percent))
    side = px(37, percent) - 2 * frame
    return ((side, side), (side, px(15, percent) - 2 * frame),
            (px(152, percent) - 2 * frame, side))


def scales_header():
    return ("// Written by tools/art/make_art.py: the display scales, in per cent,\n"
            "// that the theme strips are drawn at, smallest first.\n"
            "#pragma once\n\n"
            "#define PLINKETY_ART_SCALES %s\n" % ", ".join(str(p) for p in SCALES))


def strip_name(stem, percent):
    return stem + (".bmp" if percent == 100 else "_%d.bmp" % percent)


# --- Output -------------------------------------------------------------------

def write_all(out):
    os.makedirs(out, exist_ok=True)
    strips = {}
    for percent in SCALES:
        play, again, tag = picture_sizes(percent)
        strips[strip_name("playbutton", percent)] = [play_button(t, play)
                                                     for t in THEMES]
        strips[strip_name("playagain", percent)] = [play_again(t, again)
                                                    for t in THEMES]
        strips[strip_name("songtag", percent)] = [song_tag(t, tag)
                                                  for t in THEMES]
    for name, images in strips.items():
        without_magenta(hstrip(images)).save(os.path.join(out, name), "BMP")
    with open(os.path.join(out, "art_scales.h"), "w", newline="\n") as f:
        f.write(scales_header())
    with open(os.path.join(out, "plinkety.ico"), "wb") as f:
        f.write(ico_bytes([icon_image(px) for px in (16, 32, 48)]))
    # Baseline (not progressive), default Huffman tables, full-resolution
    # colour so the lettering keeps clean edges.
    banner().save(os.path.join(out, "banner.jpg"), "JPEG", quality=92,
                  subsampling=0, progressive=False, optimize=False)


def main(argv):
    here = os.path.dirname(os.path.abspath(__file__))
    out = argv[1] if len(argv) > 1 else os.path.join(here, "..", "..",
                                                     "resources")
    write_all(os.path.normpath(out))


if __name__ == "__main__":
    main(sys.argv)
