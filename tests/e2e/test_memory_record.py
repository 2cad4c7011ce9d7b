"""A record as a player makes it at the Easy level: lit up and told to screen
readers the moment the game ends, then named; on disk at once, so a kill right
after the name is typed loses nothing, and shown again after a restart."""

import configparser
import contextlib
import os
import signal
import time
import unittest

import pyatspi
from gi.repository import GLib

from zelvo_e2e import Desktop, MemoryToy, accessible_find, main, wait_until

INICIO = (5040 + 1215 // 2, 1080 + 495 // 2)
RECORDE_FUNDO = (3090 + 150, 5760 + 247)  # the record label's background, clear of its text
NAME_CHANGE = "object:property-change:accessible-name"
# Easy: a pad lights 750 ms after the one before went dark, for 225 ms.
STEP = 0.975
# Typed by keys: xdotool drops a character outside the keyboard's map now and
# then, so the name is plain; names in any script are the unit tests' part.
NAME = "Ze da Luz"


def open_memory(desktop):
    launcher = desktop.start_zelvo()
    launcher.key("ctrl+m")
    return launcher, desktop.window("Memory", 6390)


def score_labels(desktop):
    found = accessible_find(desktop.accessible_app(), lambda a: a.getRoleName() == "label"
                            and a.getState().contains(pyatspi.STATE_SHOWING)
                            and a.name.split(":")[0] in ("Sequência", "Recorde"))
    return sorted(a.name for a in found)


def players_turn(desktop):
    """The status line says so, a moment after the last pad went dark."""
    return accessible_find(desktop.accessible_app(), lambda a: a.getRoleName() == "label"
                           and a.getState().contains(pyatspi.STATE_SHOWING)
                           and a.name == "Sua vez!")


def stored(desktop, key):
    config = configparser.ConfigParser(interpolation=None)
    config.read(os.path.join(desktop.env["XDG_CONFIG_HOME"], "Zelvo", "Zelvo.conf"),
                encoding="utf-8")
    return config.get("Memory", key, fallback=None)


def pump():
    """Hands over the accessibility events that have come."""
    while GLib.MainContext.default().iteration(False):
        pass


class MemoryRecordTest(unittest.TestCase):
    def test_an_easy_record_named_survives_a_kill(self):
        with Desktop() as desktop:
            launcher, window = open_memory(desktop)
            toy = MemoryToy(window)
            wait_until(lambda: score_labels(desktop) == ["Recorde: –"], what="no record yet")
            for key in ("alt+j", "v", "f"):  # Jogo → Nível → Fácil
                window.key(key)
                time.sleep(0.3)
            wait_until(lambda: stored(desktop, r"Nivel") == "Facil", what="Easy to be kept")
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
                shown = toy.watch(round_, timeout=3 + STEP * round_)
                wait_until(lambda: players_turn(desktop), what="the player's turn")
                self.assertEqual(score_labels(desktop), ["Recorde: –", f"Sequência: {round_}"])
                for pad, _, _ in shown:
                    toy.click(pad)
                    toy.watch(1, timeout=2)
            shown = toy.watch(4, timeout=3 + STEP * 4)
            wait_until(lambda: players_turn(desktop), what="the player's turn")
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
            entry = r"Recordes\Facil\1"
            self.assertEqual(stored(desktop, entry + r"\Pontos"), "3",
                             "on disk before the box is answered")
            # OK, by Enter: a click would wait for no box at all, and the
            # name's box follows at once.
            desktop.press_until("Return", desktop.name_box)
            field = wait_until(lambda: accessible_find(
                desktop.accessible_app(), lambda a: a.getRoleName() == "text"
                and a.getState().contains(pyatspi.STATE_FOCUSED)), what="the name's field")[0]
            desktop.xdotool("key", "--clearmodifiers", "ctrl+a", "BackSpace")
            desktop.xdotool("type", "--delay", "40", "  " + NAME + " ")
            wait_until(lambda: field.queryText().getText(0, -1) == "  " + NAME + " ",
                       what="the name to be typed")
            desktop.press_until("Return", desktop.no_message_box)
            # Killed at once, as a power cut would: the name is already there.
            os.killpg(desktop.program.pid, signal.SIGKILL)
            self.assertTrue(desktop.program_ended())
            self.assertEqual(stored(desktop, entry + r"\Nome"), NAME)
            self.assertEqual(stored(desktop, entry + r"\Pontos"), "3")
            self.assertEqual(stored(desktop, "Nome"), NAME)

            # The level and its record come back.
            desktop.processes.remove(desktop.program)
            open_memory(desktop)
            wait_until(lambda: score_labels(desktop) == ["Recorde: 3"], what="3 after a restart")


if __name__ == "__main__":
    main()
