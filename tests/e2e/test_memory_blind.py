"""A whole game played as a player who cannot see the screen plays it: the
status line's changes come over AT-SPI, the sequence is learnt by ear from the
sound server's null sink, the pads are played with the keys 1 to 4. Three
sequences repeated, the fourth missed on purpose; no pixel is read."""

import array
import contextlib
import os
import time
import unittest

import pyatspi
from gi.repository import GLib

from test_audio import PAD_SOUNDS, WRONG_SOUND, Reference, references
from zelvo_e2e import Desktop, Recorder, accessible_find, main, wait_until

NAME_CHANGE = "object:property-change:accessible-name"
WATCH, PLAY = "Observe…", "Sua vez!"
# A press waits for the sound of the one before to be over (at most 0.36 s).
BETWEEN_PRESSES = 0.7


def pump():
    while GLib.MainContext.default().iteration(False):
        pass


class Ear:
    """The sounds the null sink has played, each named after the file it came
    from and placed on this process's monotonic clock."""

    def __init__(self, recorder, refs):
        self.recorder, self.refs = recorder, refs

    def heard(self, since, until):
        """The names of the sounds that started between two monotonic times,
        once the recording reaches past `until` and they are over. A sound
        broken by a dropout is still one sound: no two pads' sounds follow
        each other within 0.2 s."""
        rate = Recorder.RATE
        origin = self.recorder.clock.origin
        samples = array.array("h")
        wait_until(lambda: os.path.getsize(self.recorder.path) / 2 / rate + origin()
                   > until + 0.5, timeout=5, interval=0.05, what="the recording to catch up")
        with open(self.recorder.path, "rb") as f:
            raw = f.read()
        samples.frombytes(raw[: len(raw) // 2 * 2])
        self.recorder.samples = samples
        try:
            spans = self.recorder.sounds()
        finally:
            self.recorder.samples = array.array("h")
        names, last_end = [], None
        for start, end in spans:
            if not since <= origin() + start <= until:
                continue
            a, b = int(round(start * rate)), int(round(end * rate))
            probes = max(1, (b - a) // Reference.PROBE)
            found = {name: ref.heard(samples, a, b)[0] for name, ref in self.refs.items()}
            name = max(found, key=found.get)
            name = name if found[name] >= probes / 2 else "unknown"
            if not (names and names[-1] == name and start - last_end < 0.2):
                names.append(name)
            last_end = end
        return names


class MemoryBlindTest(unittest.TestCase):
    def test_a_game_by_ear_and_keys(self):
        refs = references()
        with Desktop(audio=True) as desktop:
            launcher = desktop.start_zelvo()
            launcher.key("ctrl+m")
            window = desktop.window("Memory", 6390)
            app = desktop.accessible_app()
            told = []  # (what, when)

            def heard(event):
                with contextlib.suppress(Exception):
                    if event.source.name in (WATCH, PLAY):
                        told.append((event.source.name, time.monotonic()))
            pyatspi.Registry.registerEventListener(heard, NAME_CHANGE)

            def when_told(what, count):
                """When the status line's count-th `what` was heard: events
                are handed over while waiting only, so one told while this
                was not waiting is heard late."""
                said = lambda: [t for w, t in told if w == what]  # noqa: E731
                wait_until(lambda: pump() or len(said()) >= count, timeout=3 + 0.65 * count,
                           interval=0.02, what=f"{what!r} to be told {count} times")
                return said()[count - 1]

            with Recorder(desktop) as recorder:
                ear = Ear(recorder, refs)
                since = time.monotonic()
                window.key("F2")
                for length in range(1, 5):
                    # The turn begins as the last pad lights; its sound follows.
                    sequence = ear.heard(since, when_told(PLAY, length) + 0.3)
                    self.assertEqual(len(sequence), length, sequence)
                    self.assertTrue(set(sequence) <= set(PAD_SOUNDS), sequence)
                    if length == 4:
                        # Missed on purpose: a pad that is not the first.
                        window.key(str((PAD_SOUNDS.index(sequence[0]) + 1) % 4 + 1))
                        missed = time.monotonic()
                        break
                    first = time.monotonic()
                    for name in sequence:
                        window.key(str(PAD_SOUNDS.index(name) + 1))
                        pressed = time.monotonic()
                        time.sleep(BETWEEN_PRESSES)
                    # Each key sounds its pad 0.15 s later; the next sequence
                    # starts 0.65 s after the last key.
                    since = pressed + 0.35
                    self.assertEqual(ear.heard(first, since), sequence, "the echo")
                box = desktop.message_box()
                self.assertEqual(box.text, "Infelizmente você errou! Tente novamente")
                self.assertEqual(ear.heard(missed - 0.1, missed + 0.6), [WRONG_SOUND])
            pyatspi.Registry.deregisterEventListener(heard, NAME_CHANGE)
            self.assertEqual([w for w, _ in told], [WATCH, PLAY] * 4)

            # Both boxes answered by Enter: the game's message, then the name.
            desktop.press_until("Return", desktop.name_box)
            desktop.press_until("Return", desktop.no_message_box)
            wait_until(lambda: accessible_find(app, lambda a: a.getRoleName() == "label"
                                               and a.name == "Recorde: 3"),
                       what="the record to read 3")


if __name__ == "__main__":
    main()
