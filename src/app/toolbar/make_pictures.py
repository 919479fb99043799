#!/usr/bin/env python3
"""Writes the toolbar's eleven pictures: 24 x 22 pixel, 16-colour Windows bitmaps in greys, black
and white. Each symbol is drawn once below; the raised, pressed and greyed buttons are made from it.
Run from this folder; the bitmaps are kept beside it."""

import struct

WIDTH, HEIGHT = 24, 22
# The standard 16-colour palette; only black, dark grey, light grey and white are used.
PALETTE = [(0, 0, 0), (128, 0, 0), (0, 128, 0), (128, 128, 0), (0, 0, 128), (128, 0, 128),
           (0, 128, 128), (192, 192, 192), (128, 128, 128), (255, 0, 0), (0, 255, 0),
           (255, 255, 0), (0, 0, 255), (255, 0, 255), (0, 255, 255), (255, 255, 255)]
BLACK, LIGHT, DARK, WHITE = 0, 7, 8, 15
INK = {'#': BLACK, '+': DARK, 'o': WHITE}

SYMBOLS = {
    'open': [
        "................",
        ".........####...",
        "........#....#.#",
        ".............##.",
        ".####.......###.",
        "#oooo#######....",
        "#oooooooooo#....",
        "#ooo############",
        "#oo#+++++++++++#",
        "#oo#++++++++++#.",
        "#o#++++++++++#..",
        "#o#+++++++++#...",
        "##+++++++++#....",
        "############....",
    ],
    'save': [
        "..##############",
        "..#+#oooooooo#+#",
        "..#+#oooooooo#+#",
        "..#+#oooooooo#+#",
        "..#+#oooooooo#+#",
        "..#++########++#",
        "..#++++++++++++#",
        "..#++#######+++#",
        "..#++#oo##o#+++#",
        "..#++#oo##o#+++#",
        "..#++#oo##o#+++#",
        "..#++#oooooo#++#",
        "...#############",
    ],
    'print': [
        "....#########...",
        "....#ooooooo#...",
        "....#o#####o#...",
        "....#ooooooo#...",
        "....#o#####o#...",
        "..############..",
        ".#oooooooooooo#.",
        ".#ooooooooo#o##.",
        ".#oooooooooooo#.",
        ".##############.",
        ".#++++++++++++#.",
        ".##oooooooooo##.",
        "...#oooooooo#...",
        "...##########...",
    ],
    'help': [
        ".....######.....",
        "....########....",
        "...###....###...",
        "...###....###...",
        "..........###...",
        ".........###....",
        ".......####.....",
        "......###.......",
        "......###.......",
        "................",
        "......###.......",
        "......###.......",
        "......###.......",
    ],
}


def button(pressed):
    """A blank button face with its bevel: raised (light top-left) or pressed (dark top-left)."""
    rows = [[LIGHT] * WIDTH for _ in range(HEIGHT)]
    outer_top, inner_top = (BLACK, DARK) if pressed else (WHITE, LIGHT)
    outer_bottom, inner_bottom = (WHITE, LIGHT) if pressed else (BLACK, DARK)
    for x in range(WIDTH):
        rows[0][x], rows[1][x] = outer_top, inner_top
        rows[HEIGHT - 1][x], rows[HEIGHT - 2][x] = outer_bottom, inner_bottom
    for y in range(HEIGHT):
        rows[y][0], rows[y][1] = outer_top, inner_top
        rows[y][WIDTH - 1], rows[y][WIDTH - 2] = outer_bottom, inner_bottom
    return rows


def place(rows, symbol, shift, colour=None):
    left = (WIDTH - len(symbol[0])) // 2 + shift
    top = (HEIGHT - len(symbol)) // 2 + shift
    for y, line in enumerate(symbol):
        for x, mark in enumerate(line):
            if colour is None and mark != '.':
                rows[top + y][left + x] = INK[mark]
            elif mark == '#':
                rows[top + y][left + x] = colour


def picture(symbol, state):
    rows = button(state == 'pressed')
    if state == 'greyed':
        # Embossed: the black lines alone, in dark grey over a white shadow one pixel down and right.
        place(rows, symbol, 1, WHITE)
        place(rows, symbol, 0, DARK)
    else:
        place(rows, symbol, 1 if state == 'pressed' else 0)
    return rows


def write_bmp(path, rows):
    stride = WIDTH // 2
    pixels = b''.join(bytes((row[x] << 4) | row[x + 1] for x in range(0, WIDTH, 2)) for row in reversed(rows))
    palette = b''.join(struct.pack('<BBBB', b, g, r, 0) for r, g, b in PALETTE)
    offset = 14 + 40 + len(palette)
    header = struct.pack('<2sIHHI', b'BM', offset + len(pixels), 0, 0, offset)
    info = struct.pack('<IiiHHIIiiII', 40, WIDTH, HEIGHT, 1, 4, 0, stride * HEIGHT, 3780, 3780, 16, 16)
    with open(path, 'wb') as out:
        out.write(header + info + palette + pixels)


for name, symbol in SYMBOLS.items():
    states = ['raised', 'pressed'] + (['greyed'] if name != 'help' else [])
    for state in states:
        write_bmp(f'{name}-{state}.bmp', picture(symbol, state))
