"""The memory game with its sound switched off (Jogo → Som, F3): the pads
light on their usual beat and a wrong click ends the game, and the sound
server's null sink hears nothing at all; switched on again, it hears them."""

import configparser
import os
import time
import unittest

from zelvo_e2e import Desktop, MemoryToy, Recorder, main, wait_until

INICIO = (5040 + 1215 // 2, 1080 + 495 // 2)
STEP = 0.650    # from one pad of a playback lighting to the next
SLACK = 0.060


def stored(desktop, key):
    config = configparser.ConfigParser()
    config.read(os.path.join(desktop.env["XDG_CONFIG_HOME"], "Zelvo", "Zelvo.conf"))
    return config.get("Memory", key, fallback=None)


class MemorySilenceTest(unittest.TestCase):
    def test_sound_off_is_silent_and_keeps_the_beat(self):
        with Desktop(audio=True) as desktop:
            launcher = desktop.start_zelvo()
            launcher.key("ctrl+m")
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
                # The groan would last 0.72 s.
                time.sleep(max(0.0, wrong_at + 1.0 - time.monotonic()))
            box.answer("OK")
            self.assertEqual(recorder.sounds(), [], "a pad or the wrong click was heard")
            (_, a, _), (_, b, _) = shown
            self.assertLess(abs(b - a - STEP), 2 * SLACK, f"pads lit {b - a:.3f} s apart")

            # Switched back on, the next game is heard.
            window.key("F3")
            wait_until(lambda: stored(desktop, "Som") == "true", what="the sound switched on")
            with Recorder(desktop) as recorder:
                window.click(*INICIO)
                toy.watch(1, timeout=3)
                time.sleep(0.6)
            self.assertEqual(len(recorder.sounds()), 1, "the pad's sound, switched back on")


if __name__ == "__main__":
    main()
