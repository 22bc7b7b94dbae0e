#!/usr/bin/env python3
"""Draws Ravoskel's icons and its hand cursor into resources/images/.

The icons are vector drawings rendered by ImageMagick's `convert`; the
cursor is pixel art written straight to PNG. Needs the Debian packages
imagemagick and fonts-wqy-zenhei. Output is byte-for-byte repeatable.
"""

import math
import struct
import subprocess
import zlib
from pathlib import Path

IMAGES = Path(__file__).resolve().parent / "images"
CJK_FONT = "/usr/share/fonts/truetype/wqy/wqy-zenhei.ttc"

# Timestamps would make every run differ and dirty the tree for nothing.
REPEATABLE_PNG = ["-strip", "-define", "png:exclude-chunks=date,time"]


def render(path, steps, size=256):
    """Draws on a 256 x 256 canvas, then shrinks the result to size x size."""
    command = ["convert", "-size", "256x256", "xc:none", *steps]
    if size != 256:
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


def draw_popup_icon():
    outline = "#3b2a06"
    steps = shape("#ffd83a", outline, 7, speech_bubble((108, 96), (92, 70), (100, 125), (38, 206)))
    for y, length in ((70, 96), (94, 120), (118, 70)):
        steps += shape(outline, "none", 0, f"roundrectangle 44,{y - 5} {44 + length},{y + 5} 5,5")
    steps += shape("#ffe872", outline, 7, speech_bubble((172, 168), (66, 48), (55, 80), (228, 236)))
    for x in (146, 172, 198):
        steps += shape(outline, "none", 0, f"circle {x},168 {x + 8},168")
    render(IMAGES / "popup.png", steps)


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
    grid = HAND.strip("\n").split("\n")
    assert len(grid) == 32 and all(len(line) == 32 for line in grid)
    assert hot_spot_is_fingertip(grid)
    write_rgba_png(IMAGES / "hand.png", [[CURSOR_COLOURS[c] for c in line] for line in grid])


if __name__ == "__main__":
    IMAGES.mkdir(exist_ok=True)
    draw_program_icons()
    draw_monitor_icon()
    draw_popup_icon()
    draw_hand_cursor()
