#!/usr/bin/env python3
"""Draws the toolkit's 12 object cursors (32 x 32) and writes them as the
compiled-in table dialog/src/QORDlgCursorTable.cpp.

'*' is a foreground (black) pixel, '.' a background (white) one, ' ' is
transparent. Filled shapes are drawn white with a black border; thin ones
black with a white halo so they show on any background.

    python3 scripts/draw_cursors.py > dialog/src/QORDlgCursorTable.cpp

With --drag it writes the four drag cursors instead, in effect order (none,
move, copy, link):

    python3 scripts/draw_cursors.py --drag > dialog/src/QORDlgDragCursorTable.cpp
"""
import sys
import math

N = 32


def blank():
    return [[0] * N for _ in range(N)]


def on_segment(px, py, ax, ay, bx, by):
    cross = (bx - ax) * (py - ay) - (by - ay) * (px - ax)
    length = math.hypot(bx - ax, by - ay) or 1
    if abs(cross) / length > 0.5:
        return False
    return min(ax, bx) - 0.5 <= px <= max(ax, bx) + 0.5 and min(ay, by) - 0.5 <= py <= max(ay, by) + 0.5


def polygon(mask, pts):
    for y in range(N):
        for x in range(N):
            inside = False
            for i in range(len(pts)):
                ax, ay = pts[i]
                bx, by = pts[(i + 1) % len(pts)]
                if on_segment(x, y, ax, ay, bx, by):
                    inside = True
                    break
                if (ay > y) != (by > y) and x < (bx - ax) * (y - ay) / (by - ay) + ax:
                    inside = not inside
            if inside:
                mask[y][x] = 1


def disc(mask, cx, cy, r, value=1):
    for y in range(N):
        for x in range(N):
            if (x - cx) ** 2 + (y - cy) ** 2 <= r * r + r * 0.8:
                mask[y][x] = value


def ring(mask, cx, cy, r):
    for y in range(N):
        for x in range(N):
            d = math.hypot(x - cx, y - cy)
            if r - 0.5 <= d < r + 0.5:
                mask[y][x] = 1


def line(mask, x0, y0, x1, y1, width=1):
    steps = max(abs(x1 - x0), abs(y1 - y0), 1) * 4
    for i in range(steps + 1):
        t = i / steps
        x = x0 + (x1 - x0) * t
        y = y0 + (y1 - y0) * t
        for dy in range(width):
            for dx in range(width):
                xi, yi = round(x + dx - (width - 1) / 2), round(y + dy - (width - 1) / 2)
                if 0 <= xi < N and 0 <= yi < N:
                    mask[yi][xi] = 1


def rect(mask, x0, y0, x1, y1):
    for y in range(y0, y1 + 1):
        for x in range(x0, x1 + 1):
            mask[y][x] = 1


def neighbours(x, y):
    for dy in (-1, 0, 1):
        for dx in (-1, 0, 1):
            if (dx or dy) and 0 <= x + dx < N and 0 <= y + dy < N:
                yield x + dx, y + dy


def outlined(mask):
    """White shape with a black border."""
    out = blank()
    for y in range(N):
        for x in range(N):
            if not mask[y][x]:
                continue
            edge = x in (0, N - 1) or y in (0, N - 1) or any(not mask[j][i] for i, j in neighbours(x, y))
            out[y][x] = 1 if edge else 2
    return out


def haloed(mask):
    """Black shape with a white halo."""
    out = [[1 if v else 0 for v in row] for row in mask]
    for y in range(N):
        for x in range(N):
            if not mask[y][x] and any(mask[j][i] for i, j in neighbours(x, y)):
                out[y][x] = 2
    return out


def merge(base, top):
    """Draws the black pixels of `top` over `base`."""
    for y in range(N):
        for x in range(N):
            if top[y][x] == 1:
                base[y][x] = 1
    return base


def north_west_arrow():
    m = blank()
    polygon(m, [(0, 0), (0, 21), (5, 16), (9, 25), (12, 24), (8, 15), (15, 15)])
    return outlined(m)


def cross():
    m = blank()
    line(m, 15, 1, 15, 29)
    line(m, 1, 15, 29, 15)
    return haloed(m)


def north_hand_mask():
    m = blank()
    # Index finger up, its tip at (5, 0); the other fingers folded in a fist.
    rect(m, 3, 1, 7, 12)
    rect(m, 4, 0, 6, 0)
    rect(m, 3, 11, 19, 24)
    for x0 in (8, 12, 16):  # knuckles of the folded fingers
        rect(m, x0, 9, x0 + 3, 11)
    polygon(m, [(3, 14), (0, 11), (0, 14), (3, 19)])  # thumb
    rect(m, 5, 25, 17, 28)  # wrist
    return m


def hand_details(out, dx=0, dy=0):
    # Creases between the folded fingers.
    for x in (11, 15):
        for y in range(12, 17):
            if 0 <= y + dy < N and 0 <= x + dx < N:
                out[y + dy][x + dx] = 1
    return out


def north_hand():
    return hand_details(outlined(north_hand_mask()))


def north_west_hand():
    # The north hand turned 45 degrees to the left about its finger tip, which
    # lands on (1, 3).
    src = north_hand_mask()
    m = blank()
    c, s = math.cos(math.radians(45)), math.sin(math.radians(45))
    for y in range(N):
        for x in range(N):
            # Inverse rotation of (x, y) relative to the tip at (1, 3), back to the source around (5, 0).
            rx, ry = x - 1, y - 3
            sx = c * rx - s * ry + 5
            sy = s * rx + c * ry + 0
            xi, yi = round(sx), round(sy)
            if 0 <= xi < N and 0 <= yi < N and src[yi][xi]:
                m[y][x] = 1
    m[3][1] = 1
    return outlined(m)


def no_arrow():
    # An arrow pointing up at a no-entry sign centred on the hot spot (16, 8).
    m = blank()
    polygon(m, [(16, 17), (11, 23), (14, 23), (14, 31), (18, 31), (18, 23), (21, 23)])
    out = outlined(m)
    sign = blank()
    ring(sign, 16, 8, 7)
    ring(sign, 16, 8, 6)
    line(sign, 11, 3, 21, 13, 2)
    out = merge(out, haloed(sign))
    return out


def move_arrow():
    # Four arrow heads around (9, 9).
    m = blank()
    c = 9
    line(m, c, 2, c, 2 * c - 2)
    line(m, 2, c, 2 * c - 2, c)
    polygon(m, [(c, 0), (c - 3, 3), (c + 3, 3)])
    polygon(m, [(c, 2 * c), (c - 3, 2 * c - 3), (c + 3, 2 * c - 3)])
    polygon(m, [(0, c), (3, c - 3), (3, c + 3)])
    polygon(m, [(2 * c, c), (2 * c - 3, c - 3), (2 * c - 3, c + 3)])
    return haloed(m)


def north_south_arrow():
    m = blank()
    rect(m, 14, 6, 16, 26)
    polygon(m, [(15, 1), (9, 7), (21, 7)])
    polygon(m, [(15, 31), (9, 25), (21, 25)])
    return haloed(m)


def target():
    m = blank()
    ring(m, 7, 7, 6)
    ring(m, 7, 7, 3)
    line(m, 7, 0, 7, 14)
    line(m, 0, 7, 14, 7)
    return haloed(m)


def forward():
    # Pointing right, tip on (14, 7).
    m = blank()
    rect(m, 1, 6, 9, 8)
    polygon(m, [(14, 7), (8, 1), (8, 13)])
    return haloed(m)


def backward():
    # Pointing left, tip on (14, 24).
    m = blank()
    rect(m, 19, 23, 29, 25)
    polygon(m, [(14, 24), (20, 18), (20, 30)])
    return haloed(m)


def opened_hand():
    # An open palm, fingers spread, the middle finger's tip on (7, 0).
    m = blank()
    fingers = [(2, 4), (6, 0), (10, 1), (14, 4)]  # left column and top of each finger
    out = blank()
    for x0, top in fingers:
        f = blank()
        rect(f, x0, top + 1, x0 + 2, 14)
        rect(f, x0 + 1, top, x0 + 1, top)
        for y in range(N):
            for x in range(N):
                m[y][x] |= f[y][x]
    rect(m, 2, 13, 17, 25)
    polygon(m, [(2, 15), (-1, 11), (-1, 14), (2, 21)])  # thumb
    rect(m, 4, 26, 15, 29)
    out = outlined(m)
    # The gaps between the fingers down to the palm stay open.
    for x0, top in fingers[:-1]:
        for y in range(top + 1, 14):
            out[y][x0 + 3] = 0
    return out


def magnifier():
    m = blank()
    disc(m, 7, 7, 7)
    glass = outlined(m)
    handle = blank()
    line(handle, 13, 13, 24, 24, 4)
    for y in range(N):
        for x in range(N):
            if handle[y][x] and not m[y][x]:
                glass[y][x] = 1
    ring(glass, 7, 7, 7)
    # A glint in the glass.
    for x, y in ((4, 5), (5, 4), (4, 6), (6, 4)):
        glass[y][x] = 1
    return glass


CURSORS = [
    ("NorthWestArrow", (0, 0), north_west_arrow),
    ("Cross", (15, 15), cross),
    ("NorthHand", (5, 0), north_hand),
    ("NorthWestHand", (1, 3), north_west_hand),
    ("NoArrow", (16, 8), no_arrow),
    ("MoveArrow", (9, 9), move_arrow),
    ("NorthSouthArrow", (15, 16), north_south_arrow),
    ("Target", (7, 7), target),
    ("Forward", (14, 7), forward),
    ("Backward", (14, 24), backward),
    ("OpenedHand", (7, 0), opened_hand),
    ("Magnifier", (7, 7), magnifier),
]


def drag_arrow():
    """The arrow of the drag cursors, with a page below it on the right."""
    m = blank()
    polygon(m, [(0, 0), (0, 16), (4, 12), (7, 19), (9, 18), (6, 11), (11, 11)])
    out = outlined(m)
    page = blank()
    rect(page, 12, 14, 25, 27)
    return merge_outlined(out, page)


def merge_outlined(base, mask):
    """Draws `mask` as a white shape with a black border over `base`."""
    top = outlined(mask)
    for y in range(N):
        for x in range(N):
            if top[y][x]:
                base[y][x] = top[y][x]
    return base


def drag_none():
    # A no-entry sign centred on the hot spot (15, 15).
    sign = blank()
    ring(sign, 15, 15, 10)
    ring(sign, 15, 15, 9)
    line(sign, 9, 9, 21, 21, 2)
    return haloed(sign)


def drag_move():
    return drag_arrow()


def drag_copy():
    out = drag_arrow()
    plus = blank()
    line(plus, 18, 16, 18, 25, 2)
    line(plus, 14, 20, 23, 20, 2)
    return merge(out, [[1 if v else 0 for v in row] for row in plus])


def drag_link():
    out = drag_arrow()
    bend = blank()
    # A curved arrow: down the left of the page, then right to its head.
    line(bend, 15, 16, 15, 23)
    line(bend, 15, 23, 21, 23)
    polygon(bend, [(23, 23), (20, 20), (20, 26)])
    return merge(out, bend)


DRAG_CURSORS = [
    ("DragNoneCursor", (15, 15), drag_none),
    ("DragMoveCursor", (0, 0), drag_move),
    ("DragCopyCursor", (0, 0), drag_copy),
    ("DragLinkCursor", (0, 0), drag_link),
]


def write_table(cursors):
    for name, (hx, hy), draw in cursors:
        pic = draw()
        assert pic[hy][hx] != 0, name + ": hot spot on a transparent pixel"
        print("    // %s" % name)
        print("    {32, 32, %d, %d," % (hx, hy))
        for row in pic:
            print('     "%s"' % "".join(" *."[v] for v in row))
        print("    },")


def main():
    if "--drag" in sys.argv[1:]:
        print("// Generated by scripts/draw_cursors.py --drag: edit the drawing there.")
        print("// '*' foreground (black), '.' background (white), ' ' transparent.")
        print('#include "QORDlgCursorDefinition.h"')
        print()
        print("const CursorDefinition QORDlgDragCursorTable[QORDlgDragCursorCount] = {")
        write_table(DRAG_CURSORS)
        print("};")
        return
    print("// Generated by scripts/draw_cursors.py: edit the drawing there.")
    print("// '*' foreground (black), '.' background (white), ' ' transparent.")
    print('#include "QORDlgCursorDefinition.h"')
    print()
    print("const CursorDefinition QORDlgCursorTable[QORDlgCursorCount] = {")
    write_table(CURSORS)
    print("};")


if __name__ == "__main__":
    main()
