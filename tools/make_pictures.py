#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Draws every built-in picture of Zentrova and the desktop icons.

Each picture is drawn SCALE times larger than its final size and reduced by
averaging, which gives clean anti-aliased edges. Nothing is random and PNG
files carry no time stamp, so running the script again writes the same bytes.
Pictures that the program shows twice over (dice 7 to 12, planets 11 and 12)
are written as byte-identical copies.

Usage: tools/make_pictures.py            (writes into resources/ and desktop/)
       tools/make_pictures.py --check    (fails if a committed file differs)
"""

import argparse
import io
import pathlib
import sys

from PIL import Image, ImageDraw, ImageFont

ROOT = pathlib.Path(__file__).resolve().parent.parent
RESOURCES = ROOT / "resources"
DESKTOP_ICONS = ROOT / "desktop" / "icons" / "hicolor"
FONT_PATH = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"

SCALE = 8
WHITE = (255, 255, 255)

# Die faces -----------------------------------------------------------------

DIE_SIZE = 42
DIE_EDGE = (190, 190, 190)
PIP_GREEN = (24, 150, 56)
PIP_GREEN_DARK = (14, 110, 40)
PIP_SIZE = 8
# Left edges of the three pip columns (and rows) on the 42-pixel face; the
# middle one is centred exactly.
PIP_SLOTS = (6, 17, 28)

# Pip positions as (column, row) indices into PIP_SLOTS.
PIP_LAYOUTS = {
    1: [(1, 1)],
    2: [(0, 0), (2, 2)],
    3: [(0, 0), (1, 1), (2, 2)],
    4: [(0, 0), (2, 0), (0, 2), (2, 2)],
    5: [(0, 0), (2, 0), (1, 1), (0, 2), (2, 2)],
    6: [(0, 0), (1, 0), (2, 0), (0, 2), (1, 2), (2, 2)],
}

# Planets: file stem, symbol, colour ---------------------------------------

PLANETS = [
    ("01_sun", "\u2609", (222, 160, 0)),        # gold
    ("02_moon", "\u263d", (96, 130, 178)),      # silver-blue
    ("03_mercury", "\u263f", (240, 118, 0)),    # orange
    ("04_venus", "\u2640", (30, 150, 60)),      # green
    ("05_mars", "\u2642", (208, 28, 28)),       # red
    ("06_jupiter", "\u2643", (122, 46, 168)),   # purple
    ("07_saturn", "\u2644", (139, 90, 43)),     # brown
    ("08_uranus", "\u2645", (0, 136, 136)),     # teal
    ("09_neptune", "\u2646", (30, 78, 206)),    # blue
    ("10_pluto", "\u2647", (140, 10, 16)),      # dark red
]
PLANET_REPEATS = {"11_mercury": "03_mercury", "12_venus": "04_venus"}
PLANET_SIZE = (73, 72)
SATURN_SIZE = (72, 72)

# Zodiac signs: file stem, symbol, picture size ---------------------------

ZODIAC = [
    ("01_aries", "\u2648", (75, 75)),
    ("02_taurus", "\u2649", (72, 74)),
    ("03_gemini", "\u264a", (70, 76)),
    ("04_cancer", "\u264b", (76, 70)),
    ("05_leo", "\u264c", (72, 76)),
    ("06_virgo", "\u264d", (74, 80)),
    ("07_libra", "\u264e", (77, 68)),
    ("08_scorpio", "\u264f", (78, 76)),
    ("09_sagittarius", "\u2650", (74, 74)),
    ("10_capricorn", "\u2651", (72, 78)),
    ("11_aquarius", "\u2652", (78, 66)),
    ("12_pisces", "\u2653", (72, 72)),
]

ICON_SIZES = (48, 64, 128, 256)
DESKTOP_ID = "org.quorvane.Zentrova"


def png_bytes(image):
    buffer = io.BytesIO()
    image.save(buffer, format="PNG", optimize=True)
    return buffer.getvalue()


def reduce(image):
    """Averages SCALE x SCALE blocks into one pixel."""
    return image.reduce(SCALE)


# Drawing ------------------------------------------------------------------


def draw_die_face(factor):
    """A white die face with green square pips for each value, at factor x size."""
    faces = {}
    for value, layout in PIP_LAYOUTS.items():
        unit = factor * SCALE
        size = DIE_SIZE * unit
        image = Image.new("RGB", (size, size), WHITE)
        draw = ImageDraw.Draw(image)
        # A thin light edge so the face reads as a die on a white page.
        draw.rectangle([0, 0, size - 1, size - 1], outline=DIE_EDGE, width=unit)
        for column, row in layout:
            left = PIP_SLOTS[column] * unit
            top = PIP_SLOTS[row] * unit
            side = PIP_SIZE * unit
            draw.rectangle([left, top, left + side - 1, top + side - 1], fill=PIP_GREEN_DARK)
            inset = unit
            draw.rectangle([left + inset, top + inset, left + side - 1 - inset,
                            top + side - 1 - inset], fill=PIP_GREEN)
        faces[value] = reduce(image)
    return faces


def glyph_mask(symbol, box, stroke_ratio):
    """An 8-bit mask of the symbol scaled to fit box (width, height) at high resolution.

    The glyph is measured at a reference size first, so the result fills the
    box on its longer side whatever the symbol's own proportions are.
    """
    reference = 1000
    font = ImageFont.truetype(FONT_PATH, reference)
    stroke = round(reference * stroke_ratio)
    left, top, right, bottom = font.getbbox(symbol, stroke_width=stroke)
    # getbbox includes the advance box; measure the real ink.
    probe = Image.new("L", (right + 2 * stroke + 10, bottom + 2 * stroke + 10), 0)
    ImageDraw.Draw(probe).text((stroke, stroke), symbol, font=font, fill=255,
                               stroke_width=stroke, stroke_fill=255)
    ink = probe.getbbox()
    ink_width = ink[2] - ink[0]
    ink_height = ink[3] - ink[1]
    ratio = min(box[0] / ink_width, box[1] / ink_height)
    size = max(1, int(reference * ratio))
    font = ImageFont.truetype(FONT_PATH, size)
    stroke = round(size * stroke_ratio)
    left, top, right, bottom = font.getbbox(symbol, stroke_width=stroke)
    canvas = Image.new("L", (right + 2 * stroke + 10, bottom + 2 * stroke + 10), 0)
    ImageDraw.Draw(canvas).text((stroke, stroke), symbol, font=font, fill=255,
                                stroke_width=stroke, stroke_fill=255)
    return canvas.crop(canvas.getbbox())


def draw_symbol(symbol, size, colour, margin, stroke_ratio, mode):
    """The symbol centred on white in a picture of the given size."""
    width, height = size[0] * SCALE, size[1] * SCALE
    box = (width - 2 * margin[0] * SCALE, height - 2 * margin[1] * SCALE)
    mask = glyph_mask(symbol, box, stroke_ratio)
    image = Image.new(mode, (width, height), WHITE if mode == "RGB" else 255)
    position = ((width - mask.width) // 2, (height - mask.height) // 2)
    ink = Image.new(mode, mask.size, colour)
    image.paste(ink, position, mask)
    return reduce(image)


def draw_icon(size):
    """The program's icon: a rounded white die with a dark outline and five black pips."""
    big = size * SCALE
    image = Image.new("RGBA", (big, big), (0, 0, 0, 0))
    draw = ImageDraw.Draw(image)
    inset = round(big * 0.04)
    outline = max(SCALE, round(big * 0.055))
    radius = round(big * 0.2)
    shadow = round(big * 0.035)
    # A soft grey under-edge gives the die some depth.
    draw.rounded_rectangle([inset + shadow, inset + shadow, big - 1 - inset + 0,
                            big - 1 - inset + 0], radius=radius, fill=(0, 0, 0, 90))
    face = [inset, inset, big - 1 - inset - shadow, big - 1 - inset - shadow]
    draw.rounded_rectangle(face, radius=radius, fill=(32, 32, 32, 255))
    draw.rounded_rectangle([face[0] + outline, face[1] + outline, face[2] - outline,
                            face[3] - outline], radius=max(1, radius - outline),
                           fill=(255, 255, 255, 255))
    # Five pips, on the face's own grid.
    face_size = face[2] - face[0]
    pip_radius = face_size * 0.095
    offsets = (0.27, 0.5, 0.73)
    for cx, cy in [(0, 0), (2, 0), (1, 1), (0, 2), (2, 2)]:
        x = face[0] + face_size * offsets[cx]
        y = face[1] + face_size * offsets[cy]
        draw.ellipse([round(x - pip_radius), round(y - pip_radius), round(x + pip_radius),
                      round(y + pip_radius)], fill=(16, 16, 16, 255))
    return reduce(image)


# Output ---------------------------------------------------------------------


def build_all():
    """Maps each output path to its PNG bytes."""
    files = {}

    def add(relative_stem, normal, double, base=RESOURCES):
        files[base / f"{relative_stem}.png"] = png_bytes(normal)
        files[base / f"{relative_stem}@2x.png"] = png_bytes(double)

    faces = draw_die_face(1)
    faces2 = draw_die_face(2)
    for value in range(1, 13):
        face = (value - 1) % 6 + 1
        add(f"dice/{value}", faces[face], faces2[face])

    for stem, symbol, colour in PLANETS:
        size = SATURN_SIZE if stem == "07_saturn" else PLANET_SIZE
        pictures = [draw_symbol(symbol, (size[0] * k, size[1] * k), colour, (7 * k, 7 * k),
                                0.022, "RGB") for k in (1, 2)]
        add(f"planets/{stem}", *pictures)
    for stem, original in PLANET_REPEATS.items():
        files[RESOURCES / f"planets/{stem}.png"] = files[RESOURCES / f"planets/{original}.png"]
        files[RESOURCES / f"planets/{stem}@2x.png"] = files[
            RESOURCES / f"planets/{original}@2x.png"]

    for stem, symbol, size in ZODIAC:
        pictures = [draw_symbol(symbol, (size[0] * k, size[1] * k), 0, (7 * k, 7 * k),
                                0.018, "L") for k in (1, 2)]
        add(f"zodiac/{stem}", *pictures)

    add("icon/zentrova", draw_icon(32), draw_icon(64))
    for size in ICON_SIZES:
        path = DESKTOP_ICONS / f"{size}x{size}" / "apps" / f"{DESKTOP_ID}.png"
        files[path] = png_bytes(draw_icon(size))
    return files


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the files on disk instead of writing them")
    arguments = parser.parse_args()

    files = build_all()
    stale = []
    for path, data in sorted(files.items()):
        if arguments.check:
            if not path.exists() or path.read_bytes() != data:
                stale.append(path)
            continue
        path.parent.mkdir(parents=True, exist_ok=True)
        if not path.exists() or path.read_bytes() != data:
            path.write_bytes(data)
    if stale:
        for path in stale:
            print(f"out of date: {path.relative_to(ROOT)}", file=sys.stderr)
        return 1
    print(f"{len(files)} pictures {'checked' if arguments.check else 'written'}")
    return 0


if __name__ == "__main__":
    sys.exit(main())
