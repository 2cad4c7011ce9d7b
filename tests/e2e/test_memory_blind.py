"""A whole game played as a player who cannot see the screen plays it: the
status line's changes come over AT-SPI, the sequence is learnt by ear from the
sound server's null sink, the pads are played with the keys 1 to 4. Three
sequences repeated, the fourth missed on purpose; no pixel is read."""

import array
import contextlib
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
    """The sounds the null sink has played so far, each named after the file
    it came from, once it is over."""

    def __init__(self, recorder, refs):
        self.recorder, self.refs = recorder, refs
        self.names = {}  # a sound's first sample -> its name

    def sounds(self):
        samples = array.array("h")
        with open(self.recorder.path, "rb") as f:
            raw = f.read()
        samples.frombytes(raw[: len(raw) // 2 * 2])
        self.recorder.samples = samples
        try:
            spans = self.recorder.sounds()
        finally:
            self.recorder.samples = array.array("h")
        rate = Recorder.RATE
        heard = []
        for start, end in spans:
            if end > len(samples) / rate - 0.1:
                break  # may still be sounding
            a, b = int(round(start * rate)), int(round(end * rate))
            if a not in self.names:
                probes = max(1, (b - a) // Reference.PROBE)
                found = {name: ref.heard(samples, a, b)[0] for name, ref in self.refs.items()}
                best = max(found, key=found.get)
                self.names[a] = best if found[best] >= probes / 2 else "unknown"
            heard.append(self.names[a])
        return heard

    def next(self, after, count, timeout=4):
        """The `count` sounds heard after the first `after`, once all are over."""
        wait_until(lambda: len(self.sounds()) >= after + count, timeout, interval=0.05,
                   what=f"{count} sound(s) after the first {after}")
        return self.sounds()[after:after + count]


class MemoryBlindTest(unittest.TestCase):
    def test_a_game_by_ear_and_keys(self):
        refs = references()
        with Desktop(audio=True) as desktop:
            launcher = desktop.start_zelvo()
            launcher.key("ctrl+m")
            window = desktop.window("Memory", 6390)
            app = desktop.accessible_app()
            told = []

            def heard(event):
                with contextlib.suppress(Exception):
                    name = event.source.name
                    if name in (WATCH, PLAY):
                        told.append(name)
            pyatspi.Registry.registerEventListener(heard, NAME_CHANGE)
            turns = lambda: pump() or told.count(PLAY)  # noqa: E731

            with Recorder(desktop) as recorder:
                ear = Ear(recorder, refs)
                window.key("F2")
                done = 0
                for length in range(1, 5):
                    wait_until(lambda: turns() >= length, timeout=3 + 0.65 * length,
                               interval=0.02, what=f"turn {length} to be told")
                    sequence = ear.next(done, length)
                    done += length
                    self.assertTrue(set(sequence) <= set(PAD_SOUNDS), sequence)
                    if length == 4:
                        # Missed on purpose: a pad that is not the first.
                        window.key(str((PAD_SOUNDS.index(sequence[0]) + 1) % 4 + 1))
                        break
                    for name in sequence:
                        window.key(str(PAD_SOUNDS.index(name) + 1))
                        time.sleep(BETWEEN_PRESSES)
                    self.assertEqual(ear.next(done, length), sequence, "the keys' echo")
                    done += length
                self.assertEqual(ear.next(done, 1), [WRONG_SOUND])
                box = desktop.message_box()
                self.assertEqual(box.text, "Infelizmente você errou! Tente novamente")
            pyatspi.Registry.deregisterEventListener(heard, NAME_CHANGE)
            self.assertEqual(told, [WATCH, PLAY] * 4)

            # Both boxes answered by Enter: the game's message, then the name.
            desktop.xdotool("key", "Return")
            wait_until(lambda: desktop.message_box().text == "Seu nome:", what="the name's box")
            desktop.xdotool("key", "Return")
            wait_until(desktop.no_message_box, what="the name's box to close")
            wait_until(lambda: accessible_find(app, lambda a: a.getRoleName() == "label"
                                               and a.name == "Recorde: 3"),
                       what="the record to read 3")


if __name__ == "__main__":
    main()
