#!/usr/bin/env python3
"""Draws the pictures of the MDI child frames' title-bar buttons and writes
them as 24-bit Windows BMP files into images/:

    I_MinimizeWindow, I_MaximizeWindow, I_RestoreWindow, I_CloseWindow
    (12 x 12) and ncurwin, the window-menu button (16 x 16).

The grey 153, 153, 153 is the background: the client reads the pictures
with that colour replaced by the button's own background.

    python3 scripts/draw_mdi_buttons.py images
"""
import os
import struct
import sys

GREY = (153, 153, 153)
INK = (0, 0, 0)
PAPER = (255, 255, 255)
BAR = (36, 72, 122)


def canvas(n):
    return [[GREY] * n for _ in range(n)]


def fill(img, x0, y0, x1, y1, colour):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            img[y][x] = colour


def box(img, x0, y0, x1, y1, top=1):
    """An outlined window: a thin frame with a title bar `top` pixels thick."""
    fill(img, x0, y0, x1, y0 + top - 1, INK)
    fill(img, x0, y1, x1, y1, INK)
    fill(img, x0, y0, x0, y1, INK)
    fill(img, x1, y0, x1, y1, INK)


def minimize():
    img = canvas(12)
    fill(img, 2, 8, 9, 9, INK)
    return img


def maximize():
    img = canvas(12)
    box(img, 1, 1, 10, 10, top=2)
    return img


def restore():
    img = canvas(12)
    box(img, 4, 1, 10, 7, top=2)
    fill(img, 1, 4, 7, 10, GREY)
    box(img, 1, 4, 7, 10, top=2)
    return img


def close():
    img = canvas(12)
    for i in range(2, 10):
        for d in (0, 1):
            if i + d <= 9:
                img[i][i + d] = INK
                img[i][11 - i - d] = INK
    return img


def window_menu():
    img = canvas(16)
    fill(img, 1, 2, 14, 13, PAPER)
    box(img, 1, 2, 14, 13, top=1)
    fill(img, 2, 3, 13, 5, BAR)
    fill(img, 3, 8, 12, 8, INK)
    fill(img, 3, 10, 9, 10, INK)
    return img


def write_bmp(path, img):
    """Bottom-up rows, each padded to four bytes, pixels stored blue first."""
    h, w = len(img), len(img[0])
    row = w * 3
    pad = (4 - row % 4) % 4
    data = b"".join(
        b"".join(bytes((b, g, r)) for r, g, b in img[y]) + b"\0" * pad for y in range(h - 1, -1, -1))
    header = struct.pack("<2sIHHI", b"BM", 54 + len(data), 0, 0, 54)
    info = struct.pack("<IiiHHIIiiII", 40, w, h, 1, 24, 0, len(data), 2835, 2835, 0, 0)
    with open(path, "wb") as f:
        f.write(header + info + data)


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "images"
    os.makedirs(out, exist_ok=True)
    for name, draw in (("I_MinimizeWindow", minimize), ("I_MaximizeWindow", maximize),
                       ("I_RestoreWindow", restore), ("I_CloseWindow", close), ("ncurwin", window_menu)):
        write_bmp(os.path.join(out, name + ".bmp"), draw())


if __name__ == "__main__":
    main()
