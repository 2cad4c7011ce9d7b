"""With Jogo → Som switched off (F3) the null sink hears nothing of a playback
or a wrong click, on the usual beat; switched on again, it hears the pads."""

import time
import unittest

from test_memory_record import INICIO, stored
from zelvo_e2e import Desktop, MemoryToy, Recorder, main, wait_until

STEP, SLACK = 0.650, 0.060


class MemorySilenceTest(unittest.TestCase):
    def test_sound_off_is_silent_and_keeps_the_beat(self):
        with Desktop(audio=True) as desktop:
            desktop.start_zelvo().key("ctrl+m")
            window = desktop.window("Memory", 6390)
            toy = MemoryToy(window)
            window.key("F3")
            wait_until(lambda: stored(desktop, "Som") == "false", what="the sound switched off")
            with Recorder(desktop) as recorder:
                window.click(*INICIO)
                [(first, _, _)] = toy.watch(1, timeout=3)
                toy.click(first)
                toy.watch(1, timeout=2)
                shown = toy.watch(2, timeout=3 + 2 * STEP)
                wrong_at = toy.click((shown[0][0] + 2) % 4)
                box = desktop.message_box()
                time.sleep(max(0.0, wrong_at + 1.0 - time.monotonic()))  # the groan's length
            box.answer("OK")
            desktop.keep_name()
            self.assertEqual(recorder.sounds(), [])
            (_, a, _), (_, b, _) = shown
            self.assertLess(abs(b - a - STEP), 2 * SLACK, f"pads lit {b - a:.3f} s apart")

            window.key("F3")
            wait_until(lambda: stored(desktop, "Som") == "true", what="the sound switched on")
            with Recorder(desktop) as recorder:
                window.click(*INICIO)
                toy.watch(1, timeout=3)
                time.sleep(0.6)
            self.assertEqual(len(recorder.sounds()), 1, "the pad's sound, switched back on")


if __name__ == "__main__":
    main()
