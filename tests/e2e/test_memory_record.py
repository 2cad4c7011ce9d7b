"""A record of 3 as a player makes it: lit up and told to screen readers the
moment the game ends, on disk at once, and shown again after a restart."""

import configparser
import contextlib
import os
import unittest

import pyatspi
from gi.repository import GLib

from zelvo_e2e import Desktop, MemoryToy, accessible_find, main, wait_until

INICIO = (5040 + 1215 // 2, 1080 + 495 // 2)
RECORDE_FUNDO = (3090 + 150, 5760 + 247)  # the record label's background, clear of its text
NAME_CHANGE = "object:property-change:accessible-name"


def open_memory(desktop):
    launcher = desktop.start_zelvo()
    launcher.key("ctrl+m")
    return launcher, desktop.window("Memory", 6390)


def score_labels(desktop):
    found = accessible_find(desktop.accessible_app(), lambda a: a.getRoleName() == "label"
                            and a.getState().contains(pyatspi.STATE_SHOWING)
                            and a.name.split(":")[0] in ("Sequência", "Recorde"))
    return sorted(a.name for a in found)


def stored(desktop, key):
    config = configparser.ConfigParser()
    config.read(os.path.join(desktop.env["XDG_CONFIG_HOME"], "Zelvo", "Zelvo.conf"))
    return config.get("Memory", key, fallback=None)


def pump():
    """Hands over the accessibility events that have come."""
    while GLib.MainContext.default().iteration(False):
        pass


class MemoryRecordTest(unittest.TestCase):
    def test_a_record_of_three_survives_a_restart(self):
        with Desktop() as desktop:
            launcher, window = open_memory(desktop)
            toy = MemoryToy(window)
            wait_until(lambda: score_labels(desktop) == ["Recorde: –"], what="no record yet")
            # Listened to from the start: the program learns a moment later
            # that someone listens.
            told = []

            def heard(event):
                with contextlib.suppress(Exception):
                    if event.source.name.startswith("Novo recorde"):
                        told.append(event.source.name)
            pyatspi.Registry.registerEventListener(heard, NAME_CHANGE)

            window.click(*INICIO)
            for round_ in range(1, 4):
                shown = toy.watch(round_, timeout=3 + 0.65 * round_)
                self.assertEqual(score_labels(desktop), ["Recorde: –", f"Sequência: {round_}"])
                for pad, _, _ in shown:
                    toy.click(pad)
                    toy.watch(1, timeout=2)
            shown = toy.watch(4, timeout=3 + 0.65 * 4)
            pump()
            toy.click((shown[0][0] + 2) % 4)
            wait_until(lambda: window.pixel(*RECORDE_FUNDO) == (255, 255, 0), timeout=1.5,
                       interval=0.005, what="the record's label to light up")
            wait_until(lambda: pump() or told, timeout=1.5, interval=0.005,
                       what="screen readers to be told of the new record")
            pyatspi.Registry.deregisterEventListener(heard, NAME_CHANGE)
            self.assertEqual(set(told), {"Novo recorde: 3"})
            box = desktop.message_box()
            self.assertEqual(box.text, "Infelizmente você errou! Tente novamente")
            self.assertEqual(stored(desktop, "Recorde"), "3", "on disk before the box is answered")
            box.answer("OK")
            wait_until(lambda: window.pixel(*RECORDE_FUNDO) == (255, 255, 255), timeout=5,
                       what="the light to go out")
            self.assertEqual(score_labels(desktop), ["Recorde: 3", "Sequência: 4"])

            window.close_box()
            window.gone()
            launcher.close_box()
            self.assertTrue(desktop.program_ended())
            open_memory(desktop)
            wait_until(lambda: score_labels(desktop) == ["Recorde: 3"], what="3 after a restart")


if __name__ == "__main__":
    main()
