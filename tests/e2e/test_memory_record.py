"""The memory game's score and record as a player meets them: the sequence's
length while a game runs, a record of 3 shown, lit up and told to screen
readers the moment the game ends, written to the settings file at once, and
shown again after the program is closed and started anew."""

import configparser
import contextlib
import os
import unittest

import pyatspi
from gi.repository import GLib

from zelvo_e2e import Desktop, MemoryToy, accessible_find, main, wait_until

INICIO = (5040 + 1215 // 2, 1080 + 495 // 2)
# A point of the record's label clear of its text: white, yellow while lit up.
RECORDE_FUNDO = (3090 + 150, 5760 + 247)
YELLOW = (255, 255, 0)


def open_memory(desktop):
    launcher = desktop.start_zelvo()
    launcher.key("ctrl+m")
    window = desktop.window("Memory", 6390)
    return launcher, window


def score_labels(desktop):
    """The names of the score's labels on the screen, sorted."""
    app = desktop.accessible_app()
    found = accessible_find(app, lambda a: a.getRoleName() == "label"
                            and a.getState().contains(pyatspi.STATE_SHOWING)
                            and a.name.split(":")[0] in ("Sequência", "Recorde", "Novo recorde"))
    return sorted(a.name for a in found)


def pump():
    """Lets the accessibility library hand over the events that have come."""
    context = GLib.MainContext.default()
    while context.iteration(False):
        pass


def stored_record(desktop):
    config = configparser.ConfigParser()
    config.read(os.path.join(desktop.env["XDG_CONFIG_HOME"], "Zelvo", "Zelvo.conf"))
    return config.get("Memory", "Recorde", fallback=None)


class MemoryRecordTest(unittest.TestCase):
    def test_a_record_of_three_survives_a_restart(self):
        with Desktop() as desktop:
            launcher, window = open_memory(desktop)
            toy = MemoryToy(window)
            # What a screen reader hears of the record's label: its new name.
            # Listened to from the start, since the program learns only a
            # moment later that someone listens.
            told = []

            def heard(event):
                with contextlib.suppress(Exception):
                    if event.source.name.startswith("Novo recorde"):
                        told.append(event.source.name)
            pyatspi.Registry.registerEventListener(heard, "object:property-change:accessible-name")
            wait_until(lambda: score_labels(desktop) == ["Recorde: –"],
                       what="the record's label alone, with no record yet")
            self.assertEqual(window.pixel(*RECORDE_FUNDO), (255, 255, 255))

            window.click(*INICIO)
            for round_ in range(1, 4):
                shown = toy.watch(round_, timeout=3 + 0.65 * round_)
                self.assertEqual(score_labels(desktop),
                                 ["Recorde: –", f"Sequência: {round_}"])
                for pad, _, _ in shown:
                    toy.click(pad)
                    toy.watch(1, timeout=2)
            shown = toy.watch(4, timeout=3 + 0.65 * 4)
            pump()
            del told[:]
            toy.click((shown[0][0] + 2) % 4)
            # Lit up and told at once, behind the game's own message.
            wait_until(lambda: window.pixel(*RECORDE_FUNDO) == YELLOW, timeout=1.5,
                       interval=0.005, what="the record's label to light up")
            wait_until(lambda: pump() or told, timeout=1.5, interval=0.005,
                       what="screen readers to be told of the new record")
            pyatspi.Registry.deregisterEventListener(heard, "object:property-change:accessible-name")
            self.assertEqual(set(told), {"Novo recorde: 3"})
            box = desktop.message_box()
            self.assertEqual(box.text, "Infelizmente você errou! Tente novamente")
            self.assertEqual(stored_record(desktop), "3",
                             "the record is on disk while the game's message is still open")
            desktop.screenshot(desktop.artefact("new-record.png"))
            box.answer("OK")
            wait_until(lambda: window.pixel(*RECORDE_FUNDO) == (255, 255, 255), timeout=5,
                       what="the record's label to go back to white")
            wait_until(lambda: score_labels(desktop) == ["Recorde: 3", "Sequência: 4"],
                       what="the record of 3 beside the sequence that was lost")

            window.close_box()
            window.gone()
            launcher.close_box()
            self.assertTrue(desktop.program_ended(), "the program ends with its launcher")

            _, window = open_memory(desktop)
            wait_until(lambda: score_labels(desktop) == ["Recorde: 3"],
                       what="the record of 3 after a restart")
            desktop.screenshot(desktop.artefact("record-after-restart.png"))


if __name__ == "__main__":
    main()
