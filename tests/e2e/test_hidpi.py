"""On a dense screen every picture is drawn for the screen's pixel ratio, from
the bitmaps the build drew at the common ratios or, at any other ratio, from
its vector source: the layout grows as a whole and edges stay sharp."""

import unittest

from zelvo_e2e import Desktop, main

# A busy part of the launcher's picture (the executioner), in logical pixels.
REGION = (300, 120, 160, 160)


def luminance(rgb):
    r, g, b = rgb
    return 0.299 * r + 0.587 * g + 0.114 * b


def sharpness(image, width, height):
    """Mean squared difference between horizontal and vertical neighbours: a
    step drawn across one pixel counts four times as much as the same step
    smeared across two."""
    total = 0.0
    for y in range(height - 1):
        row, below = image[y], image[y + 1]
        for x in range(width - 1):
            total += (row[x + 1] - row[x]) ** 2 + (below[x] - row[x]) ** 2
    return total / ((width - 1) * (height - 1))


def upscale(image, width, height, factor):
    """A bilinear enlargement: what a 1x bitmap looks like stretched."""
    out = []
    for y in range(int(height * factor)):
        sy = min((y + 0.5) / factor - 0.5, height - 1.0)
        sy = max(sy, 0.0)
        y0 = int(sy)
        y1 = min(y0 + 1, height - 1)
        fy = sy - y0
        row = []
        for x in range(int(width * factor)):
            sx = max(min((x + 0.5) / factor - 0.5, width - 1.0), 0.0)
            x0 = int(sx)
            x1 = min(x0 + 1, width - 1)
            fx = sx - x0
            top = image[y0][x0] * (1 - fx) + image[y0][x1] * fx
            bottom = image[y1][x0] * (1 - fx) + image[y1][x1] * fx
            row.append(top * (1 - fy) + bottom * fy)
        out.append(row)
    return out


def capture(scale):
    with Desktop(width=int(1280 * scale), height=int(800 * scale), accessibility=False,
                 scale=scale) as desktop:
        launcher = desktop.start_zelvo()
        x, y, w, h = launcher.client_rect()
        menu = h - round(379 * scale)
        left, top, width, height = (round(v * scale) for v in REGION)
        at = desktop.grab(x + left, y + menu + top, width, height)
        image = [[luminance(at(i, j)) for i in range(width)] for j in range(height)]
        return (w, h - menu), image


class HiDpiTest(unittest.TestCase):
    def test_layout_scales_as_a_whole(self):
        for scale in (1.25, 1.5, 2):
            size, _ = capture(scale)
            self.assertEqual(size, (round(500 * scale), round(379 * scale)), scale)

    def test_dense_screens_are_sharper_than_a_stretched_single(self):
        _, single = capture(1)
        w, h = REGION[2], REGION[3]
        # 1.75 is drawn by the program itself from the SVG, the others by the build.
        for scale in (1.25, 1.5, 1.75, 2):
            _, dense = capture(scale)
            width, height = len(dense[0]), len(dense)
            stretched = upscale(single, w, h, scale)
            native = sharpness(dense, width, height)
            blurred = sharpness(stretched, len(stretched[0]), len(stretched))
            print(f"sharpness at {scale}x: drawn {native:.2f}, stretched from 1x {blurred:.2f}")
            self.assertGreater(native, 1.3 * blurred, scale)


if __name__ == "__main__":
    main()
