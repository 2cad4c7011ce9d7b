"""The memory game as a player plays it: watch the pads light, click the
sequence back, round after round, until a wrong click ends the game."""

import contextlib
import sys
import unittest

from zelvo_e2e import MEMORY_COLOURS, Desktop, MemoryToy, main, wait_until

INICIO = (5040 + 1215 // 2, 1080 + 495 // 2)
BLINK = 0.150   # how long a pad stays lit
STEP = 0.650    # from one pad of a playback lighting to the next: a blink and a pause
# Timers on a busy two-core machine come late by tens of milliseconds at worst.
SLACK = 0.060


def open_memory(desktop):
    launcher = desktop.start_zelvo()
    launcher.key("ctrl+m")
    window = desktop.window("Memory", 6390)
    return window, MemoryToy(window)


def dominant(rgb):
    r, g, b = rgb
    if r > 1.5 * b and g > 1.5 * b and min(r, g) > 0.6 * max(r, g):
        return "yellow"
    return {0: "red", 1: "green", 2: "blue"}[max(range(3), key=lambda i: rgb[i])]


class MemoryTest(unittest.TestCase):
    def assertPlayback(self, flashes, previous):
        pads = [pad for pad, _, _ in flashes]
        print(f"playback {[MEMORY_COLOURS[p] for p in pads]}: lit for "
              f"{[round(d - a, 3) for _, a, d in flashes]} s, "
              f"{[round(b[1] - a[1], 3) for a, b in zip(flashes, flashes[1:])]} s apart",
              file=sys.stderr)
        self.assertEqual(pads[:len(previous)], previous,
                         "a new round replays the old sequence before its new pad")
        for pad, lit, dark in flashes:
            self.assertLess(abs(dark - lit - BLINK), SLACK,
                            f"{MEMORY_COLOURS[pad]} lit {dark - lit:.3f} s")
        for (_, a, _), (_, b, _) in zip(flashes, flashes[1:]):
            self.assertLess(abs(b - a - STEP), 2 * SLACK, f"pads lit {b - a:.3f} s apart")
        return pads

    def click_back(self, toy, pads):
        for pad in pads:
            clicked = toy.click(pad)
            [(seen, lit, dark)] = toy.watch(1, timeout=2)
            self.assertEqual(seen, pad, "a click lights the pad clicked")
            self.assertLess(lit - clicked, SLACK, "a click lights its pad at once")
            self.assertLess(abs(dark - lit - BLINK), SLACK, f"a clicked pad lit {dark - lit:.3f} s")

    def test_three_rounds_then_a_wrong_click(self):
        with Desktop() as desktop:
            window, toy = open_memory(desktop)
            self.assertEqual([dominant(c) for c in toy.dark], list(MEMORY_COLOURS),
                             f"the pads' colours, clockwise from the top left: {toy.dark}")
            # Nothing happens before a game starts.
            toy.click(0)
            self.assertTrue(toy.stays_dark(0.3), "a pad clicked before the game must stay dark")

            window.click(*INICIO)
            sequence = []
            for round_ in (1, 2, 3):
                if round_ == 2:
                    # A click while the sequence is being shown is ignored: the
                    # next pad to light is the playback's, half a second later.
                    first = toy.watch(1, timeout=3)
                    clicked = toy.click((first[0][0] + 1) % 4)
                    rest = toy.watch(1, timeout=3)
                    self.assertGreater(rest[0][1] - clicked, 0.3,
                                       "a click during the playback must not light its pad")
                    flashes = first + rest
                else:
                    flashes = toy.watch(round_, timeout=3 + STEP * round_)
                sequence = self.assertPlayback(flashes, sequence)
                self.assertEqual(len(sequence), round_)
                self.click_back(toy, sequence)

            sequence = self.assertPlayback(toy.watch(4, timeout=3 + 4 * STEP), sequence)
            wrong = (sequence[0] + 2) % 4
            toy.click(wrong)
            box = desktop.message_box()
            self.assertEqual((box.title, box.text, box.buttons),
                             ("Zelvo", "Infelizmente você errou! Tente novamente", ["OK"]))
            box.answer("OK")
            desktop.keep_name()  # the first game of this desktop makes the top five
            # Where the box was, the window is painted again a moment later; a
            # pad left lit would stay lit, since no blink is timing it.
            with contextlib.suppress(AssertionError):
                wait_until(lambda: toy.lit() == (False,) * 4, timeout=1)
            self.assertEqual(toy.lit(), (False,) * 4, "the wrong pad goes dark at once")
            # The game is over: no replay, and clicks do nothing.
            toy.click(sequence[0])
            self.assertTrue(toy.stays_dark(1.0), "after a wrong click the game must be over")
            self.assertTrue(window.exists())


if __name__ == "__main__":
    main()
