"""The launcher as a player meets it: centred, its title spelling itself out,
the games opening from the keyboard, and the program ending with it."""

import time
import unittest

from zelvo_e2e import Desktop, main, px, wait_until

BLUE = (0, 0, 192)
# Where each title letter's glyph is solid: a point on its stem, in twips.
LETTER_LEFTS = [1560, 2400, 3480, 4560, 5760]


class LauncherTest(unittest.TestCase):
    def test_launcher_is_centred_and_ends_the_program(self):
        with Desktop() as desktop:
            launcher = desktop.start_zelvo()
            x, y, w, h = launcher.frame_rect()
            sw, sh = desktop.size
            self.assertLessEqual(abs(x - (sw - w) / 2), 1, launcher.frame_rect())
            self.assertLessEqual(abs(y - (sh - h) / 2), 1, launcher.frame_rect())
            self.assertEqual(launcher.client_rect()[2], 500)
            launcher.close_box()
            self.assertTrue(desktop.program_ended(), "closing the launcher must end the program")


if __name__ == "__main__":
    main()
