#!/usr/bin/env python3
"""Draws the payload editor's artwork as 24-bit BMPs: the cabin floor plan (nose to the left)
and the occupied and free seat icons. Usage: make_artwork.py OUTPUT_FOLDER

The floor plan leaves the cabin between x 116 and 450 clear: the program puts its 50 seats there.
"""
import os
import struct
import sys

FLOOR = (245, 242, 232)
BACKGROUND = (212, 208, 200)
OUTLINE = (60, 62, 72)
AISLE = (226, 222, 212)
WING = (150, 154, 162)
GLASS = (40, 70, 120)
DOOR = (190, 60, 50)
FITTING = (200, 196, 186)


class Canvas:
    def __init__(self, width, height, colour):
        self.width, self.height = width, height
        self.pixels = [[colour] * width for _ in range(height)]

    def fill(self, inside, colour):
        for y in range(self.height):
            for x in range(self.width):
                if inside(x + 0.5, y + 0.5):
                    self.pixels[y][x] = colour

    def rect(self, x0, y0, x1, y1, colour):
        self.fill(lambda x, y: x0 <= x < x1 and y0 <= y < y1, colour)

    def save(self, path):
        stride = (self.width * 3 + 3) & ~3
        rows = []
        for row in reversed(self.pixels):
            data = b"".join(struct.pack("BBB", b, g, r) for (r, g, b) in row)
            rows.append(data + b"\0" * (stride - len(data)))
        image = b"".join(rows)
        header = struct.pack("<2sIHHI", b"BM", 54 + len(image), 0, 0, 54)
        info = struct.pack("<IiiHHIIiiII", 40, self.width, self.height, 1, 24, 0, len(image), 2835, 2835, 0, 0)
        with open(path, "wb") as out:
            out.write(header + info + image)


def fuselage(margin):
    """Inside test of the fuselage seen from above, shrunk by `margin` pixels."""
    top, bottom, centre = 10 + margin, 108 - margin, 59

    def inside(x, y):
        if x < 70:  # the nose: half an ellipse
            rx, ry = 62 - margin, 49 - margin
            return rx > 0 and ((x - 70) / rx) ** 2 + ((y - centre) / ry) ** 2 <= 1
        if x <= 470:
            return top <= y <= bottom
        # the tail cone narrows to a 36 pixel stub at x 512
        half = 49 - margin - (x - 470) * (31 / 42)
        return x <= 512 - margin and abs(y - centre) <= half
    return inside


def floor_plan():
    c = Canvas(520, 118, BACKGROUND)
    c.rect(230, 0, 300, 118, WING)
    c.fill(fuselage(0), OUTLINE)
    c.fill(fuselage(2), FLOOR)
    for y0 in (38, 62):  # cockpit windows
        c.rect(18, y0, 30, y0 + 18, GLASS)
    c.rect(84, 12, 86, 106, OUTLINE)      # flight deck bulkhead
    c.rect(90, 14, 112, 44, FITTING)      # galley
    c.rect(454, 70, 476, 100, FITTING)    # lavatory
    c.rect(116, 51, 450, 67, AISLE)
    for x0 in (96, 440):                  # doors, both sides
        c.rect(x0, 8, x0 + 12, 12, DOOR)
        c.rect(x0, 106, x0 + 12, 110, DOOR)
    return c


def seat(occupied):
    c = Canvas(14, 14, FLOOR)
    frame = OUTLINE if occupied else (150, 150, 150)
    cushion = (70, 100, 170) if occupied else (232, 230, 224)
    c.rect(1, 1, 13, 13, frame)
    c.rect(2, 2, 10, 12, cushion)
    c.rect(10, 2, 12, 12, (40, 50, 100) if occupied else (200, 200, 196))  # seat back, facing the nose
    if occupied:
        c.fill(lambda x, y: (x - 7) ** 2 + (y - 7) ** 2 <= 7.5, (230, 190, 150))
    return c


def main():
    folder = sys.argv[1]
    os.makedirs(folder, exist_ok=True)
    floor_plan().save(os.path.join(folder, "floor_plan.bmp"))
    seat(True).save(os.path.join(folder, "seat_taken.bmp"))
    seat(False).save(os.path.join(folder, "seat_free.bmp"))


if __name__ == "__main__":
    main()
