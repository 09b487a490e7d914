#!/usr/bin/env bash
# SPDX-License-Identifier: MIT
# The installed program on a dense Windows screen: at 192 dpi (Wine's
# LogPixels) its main window opens at twice the size it has at 96 dpi, its
# pictures are the twice-size "@2x" ones, drawn pixel for pixel at twice
# their place, and what it shows is the 96-dpi view at twice the size.
# Usage: hidpi.sh build-windows/zentrova-<version>-setup.exe [SCREENSHOT_DIR]
set -uo pipefail
source "$(dirname "${BASH_SOURCE[0]}")/winelib.sh"
SHOTS="${2:-}"
PICTURES="$(cd "$(dirname "${BASH_SOURCE[0]}")/../../resources" && pwd)"

# Where a picture appears, unscaled, in a screenshot: "x y", or nothing.
find_picture() { # screenshot picture
    /usr/bin/python3 - "$1" "$2" <<'PY'
import sys
from PIL import Image
shot = Image.open(sys.argv[1]).convert("RGB")
picture = Image.open(sys.argv[2]).convert("RGB")
width, height = shot.size
w, h = picture.size
rows = [shot.crop((0, y, width, y + 1)).tobytes() for y in range(height)]
wanted = [picture.crop((0, y, w, y + 1)).tobytes() for y in range(h)]
for y in range(height - h + 1):
    start = rows[y].find(wanted[0])
    while start >= 0:
        if start % 3 == 0:
            x = start // 3
            if all(rows[y + i][start:start + 3 * w] == wanted[i] for i in range(1, h)):
                print(x, y)
                sys.exit(0)
        start = rows[y].find(wanted[0], start + 1)
PY
}

# How far the shot at 192 dpi, halved, is from the one at 96 dpi: the mean
# difference of their pixels, 0 to 255, above the promotional label at the
# bottom, which each start chooses at random.
difference() { # shot-96 shot-192
    /usr/bin/python3 - "$1" "$2" <<'PY'
import sys
from PIL import Image, ImageChops, ImageStat
small = Image.open(sys.argv[1]).convert("L")
large = Image.open(sys.argv[2]).convert("L").resize(small.size, Image.Resampling.BOX)
above_label = (0, 0, small.width, small.height * 4 // 5)
difference = ImageChops.difference(small.crop(above_label), large.crop(above_label))
print(round(ImageStat.Stat(difference).mean[0], 1))
PY
}

# Starts the installed program at a resolution, screenshots its main window
# and ends it; sets width, height and shot.
at_dpi() { # dpi
    in_wine reg add 'HKCU\Control Panel\Desktop' /v LogPixels /t REG_DWORD /d "$1" /f
    wineserver -w
    launch_installed
    local window
    window=$(wait_window 60 "$MAIN_TITLE")
    width=0 height=0 shot="$WORK/main-$1.png"
    if [ -n "$window" ]; then
        eval "$(xdotool getwindowgeometry --shell "$window" | grep -E '^(WIDTH|HEIGHT)=' | tr 'A-Z' 'a-z')"
        # The first paint done: the dice view's frames shown.
        wait_until 10 bash -c "import -window $window -depth 8 -format %c histogram:info:- 2>/dev/null | grep -q '#FF8080'"
        import -window "$window" "$shot" 2>/dev/null
        [ -n "$SHOTS" ] && cp "$shot" "$SHOTS/windows-$1dpi.png"
    fi
    wineserver -k 2>/dev/null
    wineserver -w 2>/dev/null
}
# Whether a length at 192 dpi is twice the one at 96, give or take.
twice() { # length-192 length-96 tolerance
    [ "$1" -ge $((2 * $2 - $3)) ] && [ "$1" -le $((2 * $2 + $3)) ]
}
size_doubled() { twice "$width" "$width96" 4 && twice "$height" "$height96" 4; }
place_doubled() { twice "$x192" "$x96" 2 && twice "$y192" "$y96" 2; }

start_desktop
make_prefix
install_silently

at_dpi 96
width96=$width height96=$height shot96=$shot
check "at 96 dpi the main window opens (${width}x$height)" test "$width" -gt 0
at_dpi 192
check "at 192 dpi it opens at twice the size: ${width}x$height" size_doubled
[ "$width96" -gt 0 ] && [ "$width" -gt 0 ] || finish_with_log

# The dice view shows each die with one pip: dice/1.png, and dice/1@2x.png
# on the dense screen, each pixel for pixel.
read -r x96 y96 < <(find_picture "$shot96" "$PICTURES/dice/1.png")
read -r x192 y192 < <(find_picture "$shot" "$PICTURES/dice/1@2x.png")
check "at 96 dpi the die is dice/1.png, unscaled (at ${x96:-?},${y96:-?})" test -n "${x96:-}"
check "at 192 dpi it is dice/1@2x.png, unscaled (at ${x192:-?},${y192:-?})" test -n "${x192:-}"
if [ -n "${x96:-}" ] && [ -n "${x192:-}" ]; then
    check "... at twice its place" place_doubled
fi
# Texts drawn at 192 dpi differ a little from the 96-dpi ones halved (about
# 8), but the view three pixels out of place differs by 15, and texts left
# at the 96-dpi size by far more.
distance=$(difference "$shot96" "$shot")
check "halved, the 192-dpi window looks like the 96-dpi one (mean difference $distance of 255)" \
    awk -v d="$distance" 'BEGIN { exit !(d < 12) }'
finish_with_log
