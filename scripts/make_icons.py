#!/usr/bin/env python3
"""Draws the program's 32 x 32 pictures and writes them as .ico files (32-bit with alpha).

Run again after changing a drawing; the .ico files are committed.
    scripts/make_icons.py src/ui/shared/res
"""
import struct
import sys

SIZE = 32
CLEAR = (0, 0, 0, 0)


def canvas():
    return [[CLEAR] * SIZE for _ in range(SIZE)]


def rect(px, x0, y0, x1, y1, color):
    """Fills x0..x1, y0..y1 inclusive."""
    for y in range(max(0, y0), min(SIZE, y1 + 1)):
        for x in range(max(0, x0), min(SIZE, x1 + 1)):
            px[y][x] = color


def frame(px, x0, y0, x1, y1, color):
    rect(px, x0, y0, x1, y0, color)
    rect(px, x0, y1, x1, y1, color)
    rect(px, x0, y0, x0, y1, color)
    rect(px, x1, y0, x1, y1, color)


def rgb(r, g, b):
    return (r, g, b, 255)


PCB = rgb(20, 120, 60)
PCB_DARK = rgb(10, 80, 40)
CHIP = rgb(30, 30, 35)
CHIP_EDGE = rgb(90, 90, 100)
GOLD = rgb(230, 180, 40)
SLOT = rgb(50, 50, 55)
SLOT_INNER = rgb(120, 120, 130)
PLUS = rgb(40, 170, 60)
ARROW = rgb(30, 100, 210)


def memory_module(px, top):
    rect(px, 1, top, 30, top + 13, PCB)
    frame(px, 1, top, 30, top + 13, PCB_DARK)
    for x in (3, 10, 17, 24):
        rect(px, x, top + 2, x + 4, top + 7, CHIP)
        frame(px, x, top + 2, x + 4, top + 7, CHIP_EDGE)
    for x in range(3, 29, 2):
        rect(px, x, top + 10, x, top + 12, GOLD)
    rect(px, 15, top + 10, 16, top + 13, CLEAR)  # key notch


def program_icon():
    px = canvas()
    memory_module(px, 9)
    return px


def empty_slot_icon():
    px = canvas()
    rect(px, 12, 2, 19, 17, PLUS)  # vertical bar of the plus
    rect(px, 8, 6, 23, 13, PLUS)   # horizontal bar
    rect(px, 14, 2, 17, 17, rgb(60, 200, 80))
    rect(px, 8, 8, 23, 11, rgb(60, 200, 80))
    rect(px, 0, 22, 31, 29, SLOT)
    rect(px, 2, 24, 29, 27, SLOT_INNER)
    rect(px, 15, 24, 16, 27, SLOT)  # key of the empty socket
    return px


def drivers_icon():
    px = canvas()
    memory_module(px, 17)
    rect(px, 13, 1, 18, 9, ARROW)
    for i in range(6):
        rect(px, 10 + i, 10 + i, 21 - i, 10 + i, ARROW)
    return px


def ico_bytes(px):
    xor = bytearray()
    for row in reversed(px):
        for r, g, b, a in row:
            xor += bytes((b, g, r, a))
    row_bytes = 4  # 32 mask bits, already a multiple of 4 bytes
    mask = bytearray()
    for row in reversed(px):
        bits = 0
        for x, (_, _, _, a) in enumerate(row):
            if a == 0:
                bits |= 1 << (31 - x)
        mask += bits.to_bytes(row_bytes, "big")
    header = struct.pack("<IiiHHIIiiII", 40, SIZE, SIZE * 2, 1, 32, 0, len(xor) + len(mask),
                         0, 0, 0, 0)
    image = header + xor + mask
    directory = struct.pack("<HHH", 0, 1, 1)
    entry = struct.pack("<BBBBHHII", SIZE, SIZE, 0, 0, 1, 32, len(image), 6 + 16)
    return directory + entry + image


def main():
    out = sys.argv[1] if len(sys.argv) > 1 else "."
    for name, draw in (("modulix.ico", program_icon), ("empty_slot.ico", empty_slot_icon),
                       ("drivers.ico", drivers_icon)):
        with open(f"{out}/{name}", "wb") as f:
            f.write(ico_bytes(draw()))


if __name__ == "__main__":
    main()
