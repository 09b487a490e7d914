#!/usr/bin/python3
# SPDX-License-Identifier: MIT
"""Makes the Windows program icon, packaging/windows/zentrova.ico, from the
program's committed icon pictures (drawn by make_pictures.py).

Each size the icon holds comes from the picture of that size where there is
one, else from the nearest larger one, reduced. PNG entries keep the alpha
edges; Pillow writes no time stamp, so the bytes are the same each run.

Usage: tools/make_icon.py            (writes the .ico)
       tools/make_icon.py --check    (fails if the committed .ico differs)
"""

import argparse
import io
import pathlib
import sys

from PIL import Image

ROOT = pathlib.Path(__file__).resolve().parent.parent
ICON = ROOT / "packaging" / "windows" / "zentrova.ico"
# The sizes Windows picks from: the title bar, the taskbar, Explorer's views.
SIZES = (16, 24, 32, 48, 64, 128, 256)


def pictures():
    """The committed icon pictures, by their size."""
    found = {}
    for path in [ROOT / "resources" / "icon" / "zentrova.png",
                 ROOT / "resources" / "icon" / "zentrova@2x.png",
                 *(ROOT / "desktop" / "icons" / "hicolor").glob("*/apps/*.png")]:
        image = Image.open(path).convert("RGBA")
        found[image.width] = image
    return found


def icon_bytes():
    sources = pictures()
    images = []
    for size in SIZES:
        source = sources.get(size) or sources[min(s for s in sources if s > size)]
        images.append(source if source.width == size
                      else source.resize((size, size), Image.Resampling.LANCZOS))
    out = io.BytesIO()
    largest = images[-1]
    largest.save(out, format="ICO", sizes=[(s, s) for s in SIZES],
                 append_images=images[:-1])
    return out.getvalue()


def main():
    parser = argparse.ArgumentParser(description=__doc__.splitlines()[0])
    parser.add_argument("--check", action="store_true",
                        help="compare with the committed file instead of writing it")
    data = icon_bytes()
    if parser.parse_args().check:
        if not ICON.exists() or ICON.read_bytes() != data:
            print(f"{ICON} differs from what tools/make_icon.py makes", file=sys.stderr)
            return 1
        return 0
    ICON.write_bytes(data)
    return 0


if __name__ == "__main__":
    sys.exit(main())
