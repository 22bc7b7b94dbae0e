#!/usr/bin/env python3
"""Draws Ravoskel's icons and its hand cursor into resources/images/.

The icons are vector drawings rendered by ImageMagick's `convert`; the
cursor and the smallest popup icon are pixel art written straight to PNG,
and the Windows .ico files are written here too, so that each image keeps
the bits per pixel it is meant to have. Needs the Debian packages
imagemagick and fonts-wqy-zenhei. Output is byte-for-byte repeatable.
"""

import math
import struct
import subprocess
import tempfile
import zlib
from pathlib import Path

IMAGES = Path(__file__).resolve().parent / "images"
CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"

# Timestamps would make every run differ and dirty the tree for nothing.
REPEATABLE_PNG = ["-strip", "-define", "png:exclude-chunks=date,time"]


def render(path, steps, size=256, canvas=256):
    """Draws on a canvas x canvas image, then shrinks the result to size x size."""
    command = ["convert", "-size", f"{canvas}x{canvas}", "xc:none", *steps]
    if size != canvas:
        command += ["-resize", f"{size}x{size}"]
    subprocess.run([*command, *REPEATABLE_PNG, f"PNG32:{path}"], check=True)


def shape(fill, stroke, width, primitive):
    """One -draw primitive with its own fill and stroke, so no setting leaks into the next."""
    return ["-fill", fill, "-stroke", stroke, "-strokewidth", str(width),
            "-draw", primitive]


def polygon(points):
    return "polygon " + " ".join(f"{x:.1f},{y:.1f}" for x, y in points)


# ---- the program icon: a stack of books under a magnifying glass ----------

def book_spine(left, top, right, bottom, cover, edge, detailed):
    """A book lying flat with its spine towards us, gold bands near both ends."""
    steps = shape(cover, edge, 4, f"roundrectangle {left},{top} {right},{bottom} 7,7")
    # A lit top and a shaded bottom make the flat spine read as rounded.
    steps += shape("#ffffff40", "none", 0, f"rectangle {left + 4},{top + 4} {right - 4},{top + 9}")
    steps += shape("#00000030", "none", 0, f"rectangle {left + 4},{bottom - 10} {right - 4},{bottom - 4}")
    if detailed:
        for x in (left + 14, right - 18):
            steps += shape("#e8c45a", "none", 0,
                           f"rectangle {x},{top + 4} {x + 4},{bottom - 4}")
    return steps


def novel_label(left, top, right, bottom, with_characters):
    """The cream title label on the top book, carrying 小说 in red."""
    steps = shape("#fbf3dc", "#7a6a48", 3, f"roundrectangle {left},{top} {right},{bottom} 4,4")
    if with_characters:
        steps += ["-font", CJK_FONT, "-pointsize", "42", "-fill", "#d01010",
                  "-stroke", "#d01010", "-strokewidth", "1.5",
                  "-draw", f"text {left + 11},{bottom - 8} '小说'"]
    else:
        # Too small for strokes to survive: two red blocks stand in for them.
        for x in (left + 14, left + 58):
            steps += shape("#d01010", "none", 0, f"rectangle {x},{top + 10} {x + 34},{bottom - 10}")
    return steps


def magnifying_glass(detailed):
    centre_x, centre_y, radius = 172, 176, 46
    handle = f"stroke-linecap round line {centre_x + 33},{centre_y + 33} 230,230"
    steps = shape("none", "#5a3414", 26, handle)
    steps += shape("none", "#8b5a2b", 16, handle)
    steps += shape("#bfe3ff70", "#2d3440", 12,
                   f"circle {centre_x},{centre_y} {centre_x + radius},{centre_y}")
    if detailed:
        steps += shape("none", "#ffffffd0", 6,
                       f"arc {centre_x - 32},{centre_y - 32} {centre_x + 32},{centre_y + 32} 200,260")
    return steps


def program_icon_steps(detailed):
    steps = shape("#00000030", "none", 0, "ellipse 122,226 104,9 0,360")
    steps += book_spine(22, 178, 222, 222, "#2e7d4f", "#173f28", detailed)
    steps += book_spine(36, 132, 212, 178, "#e39b2d", "#7a4e0c", detailed)
    steps += book_spine(14, 62, 200, 132, "#27569a", "#122c52", detailed)
    steps += novel_label(42, 72, 150, 122, detailed)
    return steps + magnifying_glass(detailed)


def draw_program_icons():
    render(IMAGES / "ravoskel.png", program_icon_steps(detailed=True))
    render(IMAGES / "ravoskel_32.png", program_icon_steps(detailed=False), size=32)


# ---- the monitor window's icon: a bell over an open book on blue ---------

BELL = ("path 'M 128,50 C 100,50 88,74 88,100 L 88,124 C 88,136 78,142 68,148 "
        "L 188,148 C 178,142 168,136 168,124 L 168,100 C 168,74 156,50 128,50 Z'")
LEFT_PAGE = "path 'M 124,190 C 104,178 74,176 46,184 L 46,224 C 74,216 104,218 124,228 Z'"
RIGHT_PAGE = "path 'M 132,190 C 152,178 182,176 210,184 L 210,224 C 182,216 152,218 132,228 Z'"


def ringing_waves():
    """Two arcs either side of the bell, so it reads as ringing, not just hanging."""
    steps = []
    for radius in (58, 76):
        box = f"{128 - radius},{104 - radius} {128 + radius},{104 + radius}"
        for start, end in ((200, 240), (300, 340)):
            steps += shape("none", "white", 8, f"stroke-linecap round arc {box} {start},{end}")
    return steps


def draw_monitor_icon():
    steps = shape("#1f6fd1", "#0f3f80", 6, "roundrectangle 10,10 246,246 40,40")
    steps += shape("#ffffff30", "none", 0, "roundrectangle 16,16 240,120 34,34")
    steps += shape("white", "none", 0, "circle 128,44 128,53")
    steps += shape("white", "none", 0, BELL)
    steps += shape("white", "none", 0, "circle 128,158 128,168")
    steps += ringing_waves()
    steps += shape("white", "none", 0, LEFT_PAGE)
    steps += shape("white", "none", 0, RIGHT_PAGE)
    render(IMAGES / "monitor.png", steps)


# ---- the popup's icon: two overlapping yellow speech bubbles ------------

def speech_bubble(centre, radii, tail_angles, tail_tip, corners=120):
    """An ellipse outline whose arc between tail_angles is swapped for a pointed tail."""
    (cx, cy), (rx, ry) = centre, radii
    first, last = tail_angles
    sweep = 360 - (last - first)
    points = []
    for corner in range(corners):
        radians = math.radians(last + sweep * corner / (corners - 1))
        points.append((cx + rx * math.cos(radians), cy + ry * math.sin(radians)))
    return polygon(points + [tail_tip])


POPUP_OUTLINE = "#3b2a06"


def popup_icon_steps(scale, outline_width, text_rows, dot_xs, dot_radius):
    """The two bubbles drawn straight at scale, so that small sizes get crisp outlines.

    text_rows are (y, length, half height) of the lines in the large bubble, dot_xs the dots
    in the small one, all in 256-pixel units; fewer and bolder as the icon shrinks.
    """
    def at(value):
        return f"{value * scale:g}"

    steps = shape("#ffd83a", POPUP_OUTLINE, outline_width,
                  speech_bubble((108 * scale, 96 * scale), (92 * scale, 70 * scale), (100, 125),
                                (38 * scale, 206 * scale)))
    for y, length, half in text_rows:
        steps += shape(POPUP_OUTLINE, "none", 0, f"roundrectangle {at(44)},{at(y - half)} "
                       f"{at(44 + length)},{at(y + half)} {at(5)},{at(5)}")
    steps += shape("#ffe872", POPUP_OUTLINE, outline_width,
                   speech_bubble((172 * scale, 168 * scale), (66 * scale, 48 * scale), (55, 80),
                                 (228 * scale, 236 * scale)))
    for x in dot_xs:
        steps += shape(POPUP_OUTLINE, "none", 0,
                       f"circle {at(x)},{at(168)} {at(x + dot_radius)},{at(168)}")
    return steps


THREE_LINES, THREE_DOTS = ((70, 96, 5), (94, 120, 5), (118, 70, 5)), (146, 172, 198)

# At 16 pixels no outline survives drawing and shrinking, so every pixel is placed by hand.
POPUP_COLOURS = {
    ".": (0, 0, 0, 0),
    "K": (0x3b, 0x2a, 0x06, 255),
    "Y": (0xff, 0xd8, 0x3a, 255),
    "L": (0xff, 0xe8, 0x72, 255),
}
POPUP_16 = """
................
...KKKKKKK......
.KKYYYYYYYKK....
KYYYYYYYYYYYK...
KYYKKKKKKKYYK...
KYYYYYYYYYYYK...
KYYKKKKKYYYYK...
.KYYYYYYKKKKKK..
..KKYYYKLLLLLLK.
...KYKKLLLLLLLLK
...KYKKLKLKLKLLK
...KK.KLLLLLLLLK
.......KLLLLLLK.
........KKKKLKK.
............KLK.
.............KK.
"""


def draw_popup_icons():
    render(IMAGES / "popup.png", popup_icon_steps(1, 7, THREE_LINES, THREE_DOTS, 8))
    render(IMAGES / "popup_48.png",
           popup_icon_steps(48 / 256, 2, [(y, length, 6) for y, length, _ in THREE_LINES],
                            THREE_DOTS, 10), size=48, canvas=48)
    render(IMAGES / "popup_32.png",
           popup_icon_steps(32 / 256, 1.5, ((78, 110, 6), (110, 80, 6)), (154, 190), 10),
           size=32, canvas=32)
    write_rgba_png(IMAGES / "popup_16.png",
                   [[POPUP_COLOURS[c] for c in line] for line in pixel_art(POPUP_16, 16)])


# ---- the pointing-hand cursor, one character per pixel -----------------

# Only the sixteen classic colours, so the cursor looks the same on any display.
CURSOR_COLOURS = {
    ".": (0, 0, 0, 0),
    "K": (0, 0, 0, 255),
    "W": (255, 255, 255, 255),
    "S": (192, 192, 192, 255),
    "G": (128, 128, 128, 255),
    "B": (0, 0, 255, 255),
    "N": (0, 0, 128, 255),
}

# The cursor clicks with its fingertip's top pixel; the application sets the same point.
HOT_SPOT = (12, 1)
HAND = """
................................
............K...................
...........KWK..................
..........KWWWK.................
..........KWWWK.................
..........KWWWK.................
..........KWWWK.................
..........KWWWK.................
..........KWWWK.................
..........KWWWKKKK..............
..........KWWWKWWWKKKK..........
..........KWWWKWWWKWWWKKK.......
..........KWWWKWWWKWWWKWWK......
.......KK.KWWWGWWWGWWWGWWK......
......KWWKKWWWGWWWGWWWGWWK......
......KWWWKWWWWWWWWWWWWWWK......
.......KWWWGWWWWWWWWWWWWWK......
.......KWWWWGWWWWWWWWWWWWK......
........KWWWWWWWWWWWWWWWWK......
.........KWWWWWWWWWWWWWWSK......
..........KWWWWWWWWWWWWWSK......
..........KWWWWWWWWWWWWSK.......
...........KWWWWWWWWWWWSK.......
...........KKKKKKKKKKKKKK.......
...........KBBBBBBBBBBBBK.......
...........KBBBBBBBBBBBBK.......
...........KBBBBBBBBBBBBK.......
...........KNNNNNNNNNNNNK.......
...........KKKKKKKKKKKKKK.......
................................
................................
................................
"""


def png_chunk(kind, data):
    body = kind + data
    return struct.pack(">I", len(data)) + body + struct.pack(">I", zlib.crc32(body))


def pixel_art(drawing, size):
    """The rows of a drawing written one character per pixel, checked to be size x size."""
    grid = drawing.strip("\n").split("\n")
    assert len(grid) == size and all(len(line) == size for line in grid)
    return grid


def write_rgba_png(path, rows):
    """Writes rows of (r, g, b, a) pixels as an 8-bit RGBA PNG."""
    header = struct.pack(">IIBBBBB", len(rows[0]), len(rows), 8, 6, 0, 0, 0)
    raw = b"".join(b"\0" + bytes(channel for pixel in row for channel in pixel) for row in rows)
    path.write_bytes(b"\x89PNG\r\n\x1a\n" + png_chunk(b"IHDR", header)
                     + png_chunk(b"IDAT", zlib.compress(raw, 9)) + png_chunk(b"IEND", b""))


def hot_spot_is_fingertip(grid):
    """The hot spot must be the one top-most opaque pixel, or clicks land off the finger."""
    x, y = HOT_SPOT
    opaque_above = any(c != "." for line in grid[:y] for c in line)
    others_in_row = [c for i, c in enumerate(grid[y]) if i != x and c != "."]
    return grid[y][x] != "." and not opaque_above and not others_in_row


def draw_hand_cursor():
    grid = pixel_art(HAND, 32)
    assert hot_spot_is_fingertip(grid)
    write_rgba_png(IMAGES / "hand.png", [[CURSOR_COLOURS[c] for c in line] for line in grid])


# ---- the Windows icon files of the two programs -------------------------

# The sixteen colours every Windows display shows the same; a 4-bit icon image uses exactly these.
CLASSIC_COLOURS = [
    (0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0),
    (0, 0, 128), (128, 0, 128), (0, 128, 128), (192, 192, 192),
    (128, 128, 128), (255, 0, 0), (0, 255, 0), (255, 255, 0),
    (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255),
]


def rgba_pixels(path, *steps):
    """The image's pixels, top row first, as (r, g, b, a), after the given convert steps."""
    raw = subprocess.run(["convert", str(path), *steps, "-depth", "8", "RGBA:-"],
                         check=True, capture_output=True).stdout
    return [tuple(raw[i:i + 4]) for i in range(0, len(raw), 4)]


def padded_rows(rows):
    """Bitmap rows run bottom-up, each padded to whole 32-bit words."""
    return b"".join(row + b"\0" * (-len(row) % 4) for row in reversed(rows))


def bitmap_image(size, pixels, bits):
    """One icon image as a bitmap: header, palette, colour bits, then the transparency mask.

    Palette images have no alpha, so the mask alone makes pixels transparent; a 32-bit
    image carries both, for the systems that draw with one or the other.
    """
    rows = [pixels[y * size:(y + 1) * size] for y in range(size)]
    if bits == 32:
        palette = []
        colour_rows = [bytes(c for r, g, b, a in row for c in (b, g, r, a)) for row in rows]
    else:
        palette = CLASSIC_COLOURS if bits == 4 else sorted({p[:3] for p in pixels if p[3] >= 128})
        assert len(palette) <= 1 << bits, f"{len(palette)} colours do not fit in {bits} bits"
        index = {colour: i for i, colour in enumerate(palette)}
        indexes = [[index[p[:3]] if p[3] >= 128 else 0 for p in row] for row in rows]
        if bits == 4:
            colour_rows = [bytes(row[x] << 4 | row[x + 1] for x in range(0, size, 2))
                           for row in indexes]
        else:
            colour_rows = [bytes(row) for row in indexes]
    mask_rows = [bytes(sum(0x80 >> bit for bit in range(8) if row[x + bit][3] < 128)
                       for x in range(0, size, 8)) for row in rows]
    # The colour table always has all 2^bits entries; readers differ on shorter ones.
    header = struct.pack("<IiiHHIIiiII", 40, size, 2 * size, 1, bits, 0, 0, 0, 0, 0, 0)
    colours = b"".join(bytes((b, g, r, 0)) for r, g, b in palette)
    colours += b"\0\0\0\0" * ((1 << bits if bits < 32 else 0) - len(palette))
    return header + colours + padded_rows(colour_rows) + padded_rows(mask_rows)


def write_icon(path, images):
    """Writes an .ico file from (size, bits per pixel, image data) entries, in that order."""
    directory = struct.pack("<HHH", 0, 1, len(images))
    offset = 6 + 16 * len(images)
    for size, bits, data in images:
        directory += struct.pack("<BBBBHHII", size % 256, size % 256, 16 if bits == 4 else 0, 0,
                                 1, bits, len(data), offset)
        offset += len(data)
    path.write_bytes(directory + b"".join(data for _, _, data in images))


# The classic colours the bubbles keep at 4 bits. The nearest of all sixteen would turn the pale
# bubble grey.
BUBBLE_COLOURS_4_BITS = [(0, 0, 0), (128, 128, 0), (255, 255, 0), (255, 255, 255)]


def palette_image(path, size, bits, remap_palette):
    """The drawing in the four bubble colours or in 256 of its own, transparent where it is."""
    colours = ["-remap", str(remap_palette)] if bits == 4 else ["-colors", "256"]
    quantized = rgba_pixels(path, "-background", "white", "-alpha", "remove", "+dither", *colours)
    alpha = [pixel[3] for pixel in rgba_pixels(path)]
    return bitmap_image(size, [(*q[:3], a) for q, a in zip(quantized, alpha)], bits)


def write_windows_icons():
    # Windows shows the 256-pixel image as the PNG it is; the smaller ones are bitmaps.
    write_icon(IMAGES / "ravoskel.ico", [
        (256, 32, (IMAGES / "ravoskel.png").read_bytes()),
        (48, 32, bitmap_image(48, rgba_pixels(IMAGES / "ravoskel.png", "-resize", "48x48"), 32)),
        (32, 32, bitmap_image(32, rgba_pixels(IMAGES / "ravoskel_32.png"), 32)),
        (16, 32, bitmap_image(16, rgba_pixels(IMAGES / "ravoskel_32.png", "-resize", "16x16"), 32)),
    ])
    with tempfile.TemporaryDirectory() as scratch:
        remap_palette = Path(scratch) / "bubble_colours.gif"
        swatches = [f"xc:rgb{colour}".replace(" ", "") for colour in BUBBLE_COLOURS_4_BITS]
        subprocess.run(["convert", *swatches, "+append", str(remap_palette)], check=True)
        images = []
        for size in (48, 32, 16):
            drawing = IMAGES / f"popup_{size}.png"
            images += [(size, 4, palette_image(drawing, size, 4, remap_palette)),
                       (size, 8, palette_image(drawing, size, 8, remap_palette)),
                       (size, 32, bitmap_image(size, rgba_pixels(drawing), 32))]
    write_icon(IMAGES / "popup.ico", images)

if __name__ == "__main__":
    IMAGES.mkdir(exist_ok=True)
    draw_program_icons()
    draw_monitor_icon()
    draw_popup_icons()
    draw_hand_cursor()
    write_windows_icons()
