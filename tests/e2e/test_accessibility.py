"""What a blind player hears: every control a player can see has a Portuguese
name, read over AT-SPI from the real program."""

import unittest

import pyatspi

from zelvo_e2e import Desktop, accessible_find, main, wait_until


def showing(node):
    return node.getState().contains(pyatspi.STATE_SHOWING)


def frame(app, title):
    return wait_until(lambda: [a for a in app if a is not None and a.name == title],
                      what=f"the {title} window in the tree")[0]


def named(root, role, name=None):
    return accessible_find(root, lambda a: a.getRoleName() == role and showing(a)
                           and (name is None or a.name == name))


class AccessibilityTest(unittest.TestCase):
    def test_launcher_reads_as_zelvo(self):
        with Desktop() as desktop:
            desktop.start_zelvo()
            app = desktop.accessible_app()
            pictures = named(app, "image", "Zelvo")
            self.assertEqual(len(pictures), 1)
            self.assertIn("forca", pictures[0].description)
            # Whatever the title shows, each letter reads as the whole word.
            letters = accessible_find(app, lambda a: a.getRoleName() == "label")
            self.assertEqual(sorted({a.name for a in letters}), ["Zelvo"])

    def test_hangman_reads_letters_places_figure_and_boxes(self):
        with Desktop() as desktop:
            launcher = desktop.start_zelvo()
            launcher.key("ctrl+f")
            forca = desktop.window("Forca", 4860)
            app = desktop.accessible_app()
            game = frame(app, "Forca")
            buttons = {a.name for a in accessible_find(app, lambda a: a.getRoleName() == "push button")}
            for letter in "ABCDEFGHIJKLMNOPQRSTUVWXYZ":
                self.assertIn(f"Letra {letter}", buttons)

            # A message box reads out its text.
            forca.key("alt+i")
            alert = wait_until(lambda: named(app, "alert") or named(app, "dialog"), what="the box")[0]
            texts = [a.name for a in accessible_find(alert, lambda a: a.getRoleName() == "label")]
            self.assertIn("Digite primeiro a palavra", texts)
            desktop.xdotool("key", "Return")
            wait_until(lambda: not (named(app, "alert") or named(app, "dialog")), what="the box to close")

            forca.click(2640 + 400, 1080 + 187)
            forca.type("OVO")
            forca.key("alt+i")
            places = lambda: sorted(a.name for a in named(game, "label") if a.name.startswith("Letra "))
            wait_until(lambda: len(places()) == 3, what="three word places")
            self.assertEqual(places(), ["Letra 1: oculta", "Letra 2: oculta", "Letra 3: oculta"])

            forca.click(240 + 480 * 1 + 200, 4200 + 200)  # O
            wait_until(lambda: "Letra 1: O" in places(), what="the revealed O")
            self.assertEqual(places(), ["Letra 1: O", "Letra 2: oculta", "Letra 3: O"])

            figure = lambda: [a.name for a in named(game, "image") if a.name != "Forca"]
            self.assertEqual(figure(), [])
            forca.click(240 + 480 * 0 + 200, 3720 + 200)  # A: wrong
            forca.click(240 + 480 * 1 + 200, 3720 + 200)  # B: wrong
            wait_until(lambda: len(figure()) == 2, what="two figure parts")
            self.assertEqual(sorted(figure()), ["Cabeça enforcada, com a corda", "Tronco"])

    def test_memory_pads_read_by_colour_and_state(self):
        with Desktop() as desktop:
            launcher = desktop.start_zelvo()
            launcher.key("ctrl+m")
            desktop.window("Memory", 6390)
            game = frame(desktop.accessible_app(), "Memory")
            wait_until(lambda: len(named(game, "image")) == 4, what="four pads")
            pads = {(a.name, a.description) for a in named(game, "image")}
            self.assertEqual(pads, {("Azul", "apagada"), ("Vermelho", "apagada"),
                                    ("Amarelo", "apagada"), ("Verde", "apagada")})
            # The lit pictures are in the tree too, named for their state,
            # and take over when a pad lights.
            lit = accessible_find(game, lambda a: a.getRoleName() == "image" and a.description == "acesa")
            self.assertEqual(sorted(a.name for a in lit), ["Amarelo", "Azul", "Verde", "Vermelho"])


if __name__ == "__main__":
    main()
