"""The launcher as a player meets it: centred, its title spelling itself out,
the games opening from the keyboard, and the program ending with it."""

import contextlib
import sys
import time
import unittest

import pyatspi

from zelvo_e2e import Desktop, accessible_find, main, px, wait_until

# Where each title letter's label starts, in twips; every label is 1095 high.
LETTER_LEFTS = [1560, 2400, 3480, 4560, 5760]
LETTERS = "ZELVO"
TICK = 0.5
# A tick may come late on a busy machine, but never by anything like a tick.
TICK_SLACK = 0.15


class Title:
    """The launcher's title as the screen shows it: which of its five letters
    are drawn, read from the blue of their glyphs."""

    def __init__(self, launcher):
        self.launcher = launcher
        self.height = px(1095)

    @staticmethod
    def blue(rgb):
        """The letters' blue, rgb(0, 0, 192), or near it at a glyph's edge."""
        r, g, b = rgb
        return b >= 140 and r < 70 and g < 70

    def letters(self):
        """The letters drawn now, as a string such as "ZEL"."""
        at = self.launcher.grab(0, 0, 7500, 1095)
        shown = ""
        for letter, left in zip(LETTERS, LETTER_LEFTS):
            x0 = px(left)
            # A sparse grid over the glyph's box is plenty: a drawn letter
            # covers dozens of these points, the picture behind has no such blue.
            hits = sum(self.blue(at(x, y)) for x in range(x0, x0 + 44, 2)
                       for y in range(8, self.height - 8, 3))
            if hits >= 8:
                shown += letter
        return shown

    def follow(self, until, timeout=6.0, interval=0.005):
        """[(monotonic time, letters)] at every change, from now until
        `until(timeline)` holds."""
        timeline = [(time.monotonic(), self.letters())]
        deadline = timeline[0][0] + timeout
        while not until(timeline):
            if time.monotonic() > deadline:
                raise AssertionError(f"the title did not get there: {readable(timeline)}")
            time.sleep(interval)
            shown = self.letters()
            if shown != timeline[-1][1]:
                timeline.append((time.monotonic(), shown))
        return timeline


def readable(timeline):
    t0 = timeline[0][0]
    return [(round(t - t0, 3), shown or "-") for t, shown in timeline]


def settled(read, pause=0.1):
    """A reading once two of them a moment apart agree: the accessibility
    tree hears of each change on its own."""
    def twice():
        first = read()
        time.sleep(pause)
        second = read()
        return (second,) if first == second else None
    return wait_until(twice, timeout=3, what="a settled reading")[0]


def accessible_title(desktop):
    """The title letters the program shows, as the accessibility tree has
    them: readable while a game window covers the launcher."""
    app = desktop.accessible_app()
    labels = accessible_find(app, lambda a: a.getRoleName() == "label"
                             and a.description.startswith("Título, letra "))
    labels.sort(key=lambda a: a.description)
    assert len(labels) == 5, [a.description for a in labels]
    return "".join(letter for letter, a in zip(LETTERS, labels)
                   if a.getState().contains(pyatspi.STATE_SHOWING))


class LauncherTest(unittest.TestCase):
    def assertSoon(self, read, expected, msg=None, timeout=3):
        """The accessibility tree hears of a change a moment after it."""
        with contextlib.suppress(AssertionError):
            wait_until(lambda: read() == expected, timeout)
        self.assertEqual(read(), expected, msg)

    def assertCentred(self, desktop, window):
        x, y, w, h = window.frame_rect()
        sw, sh = desktop.size
        self.assertLessEqual(abs(x - (sw - w) / 2), 1, window.frame_rect())
        self.assertLessEqual(abs(y - (sh - h) / 2), 1, window.frame_rect())

    def assertRestartsFromBlank(self, title, timeline):
        """After a game closes, the title is blank and spells itself out
        again from Z, one tick later."""
        self.assertEqual([shown for _, shown in timeline][:3], ["", "Z", "ZE"], readable(timeline))
        z_after = timeline[1][0] - timeline[0][0]
        e_after = timeline[2][0] - timeline[1][0]
        print(f"title after a game: blank, Z {z_after:.3f} s later, E {e_after:.3f} s after Z",
              file=sys.stderr)
        # The blank is seen only once the game window has gone, which is just
        # after the launcher's activation restarted the timer.
        self.assertLess(z_after, TICK + TICK_SLACK, readable(timeline))
        self.assertGreater(z_after, TICK - 2 * TICK_SLACK, readable(timeline))
        self.assertLess(abs(e_after - TICK), TICK_SLACK, readable(timeline))

    def test_launcher_is_centred_and_ends_the_program(self):
        with Desktop() as desktop:
            launcher = desktop.start_zelvo()
            self.assertCentred(desktop, launcher)
            self.assertEqual(launcher.client_rect()[2], 500)
            launcher.close_box()
            self.assertTrue(desktop.program_ended(), "closing the launcher must end the program")

    def test_title_spells_itself_out_then_vanishes(self):
        with Desktop(accessibility=False) as desktop:
            launcher = desktop.start_zelvo()
            title = Title(launcher)
            # From a Z seen coming (not one already there at the first look)
            # until Z comes again after a blank: a whole cycle.
            def cycle_of(timeline):
                shown = [s for _, s in timeline]
                starts = [i for i, s in enumerate(shown) if s == "Z" and i > 0]
                return timeline[starts[0]:] if starts else []

            def whole_cycle(timeline):
                cycle = [s for _, s in cycle_of(timeline)]
                return "" in cycle and len(cycle) > 1 and cycle[-1] == "Z"
            timeline = title.follow(whole_cycle, timeout=8.0)
            cycle = cycle_of(timeline)
            self.assertEqual([s for _, s in cycle], ["Z", "ZE", "ZEL", "ZELV", "ZELVO", "", "Z"],
                             f"letters must come one a tick, in order, then go together: "
                             f"{readable(timeline)}")
            steps = [b[0] - a[0] for a, b in zip(cycle, cycle[1:])]
            print(f"title steps: {[round(s, 3) for s in steps]} s", file=sys.stderr)
            for step in steps:
                self.assertLess(abs(step - TICK), TICK_SLACK, readable(cycle))
            # Six ticks from Z to Z: lateness on one tick is not carried on.
            self.assertLess(abs(cycle[-1][0] - cycle[0][0] - 6 * TICK), 0.1, readable(cycle))

    def test_games_open_centred_and_closing_one_restarts_the_title(self):
        with Desktop() as desktop:
            launcher = desktop.start_zelvo()
            title = Title(launcher)

            # The hangman: the title is completed and stopped while it is open.
            title.follow(lambda t: t[-1][1] == "ZE")
            launcher.key("ctrl+f")
            forca = desktop.window("Forca", 4860)
            self.assertCentred(desktop, forca)
            self.assertSoon(lambda: accessible_title(desktop), "ZELVO",
                            "opening the hangman completes the title")
            forca.close_box()
            forca.gone()
            self.assertTrue(launcher.exists())
            timeline = title.follow(lambda t: t[-1][1] == "ZE", timeout=3)
            self.assertRestartsFromBlank(title, timeline)

            # Memory: opened just after a tick, the title stays frozen as it
            # was (a key held up on a busy machine may let one more tick in),
            # and the launcher's shortcuts do nothing meanwhile.
            title.follow(lambda t: t[-1][1] == "ZEL")
            launcher.key("ctrl+m")
            memory = desktop.window("Memory", 6390)
            self.assertCentred(desktop, memory)
            frozen = settled(lambda: accessible_title(desktop))
            self.assertIn(frozen, ("ZEL", "ZELV"), "opening Memory freezes the title as it was")
            memory.key("ctrl+f")
            deadline = time.monotonic() + 3 * TICK
            while time.monotonic() < deadline:
                self.assertEqual(desktop.windows_named("Forca"), [],
                                 "a second game must not open over the first")
                time.sleep(0.05)
            self.assertEqual(accessible_title(desktop), frozen, "the title must stay frozen")
            memory.close_box()
            memory.gone()
            timeline = title.follow(lambda t: t[-1][1] == "ZE", timeout=3)
            self.assertRestartsFromBlank(title, timeline)

            # A game opens centred again, and afresh, the second time.
            launcher.key("ctrl+f")
            forca = desktop.window("Forca", 4860)
            self.assertCentred(desktop, forca)
            forca.close_box()
            forca.gone()
            wait_until(lambda: title.letters() == "Z", timeout=2, what="the title to restart")
            launcher.close_box()
            self.assertTrue(desktop.program_ended())


if __name__ == "__main__":
    main()
