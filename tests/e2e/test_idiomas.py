"""Zelvo in English and in Spanish, as the desktop asks for them: translated
menus, and a solo game of the hangman won with that language's words."""

import os
import unicodedata
import unittest

import pyatspi

from zelvo_e2e import Desktop, accessible_find, accessible_showing, main, wait_until

from test_forca import letter_button

LISTAS = os.path.join(os.path.dirname(__file__), "..", "..", "assets", "palavras")

# What each language calls the texts the game is played through.
IDIOMAS = {
    "en_US.UTF-8": dict(pasta="en", janela="Hangman", menus=["Game", "Options"],
                        opcoes="alt+o", solitario="One player", inicio="alt+s",
                        letra="Letter", oculta="hidden", ganhou="Well done, you won!!!",
                        ok="OK"),
    "es_ES.UTF-8": dict(pasta="es", janela="Ahorcado", menus=["Juego", "Opciones"],
                        opcoes="alt+o", solitario="Un jugador", inicio="alt+e",
                        letra="Letra", oculta="oculta", ganhou="¡¡¡Muy bien, has ganado!!!",
                        ok="Aceptar"),
}


def button(letter):
    """The letter of the 26 that plays `letter`: Ñ is played by N, Á by A."""
    return unicodedata.normalize("NFD", letter)[0]


def first_list(folder):
    """The words of the language's first category, the one a new player gets."""
    with open(os.path.join(LISTAS, folder, "categorias.txt"), encoding="utf-8") as index:
        name = next(line.split("|")[0].strip() for line in index
                    if "|" in line and not line.startswith("#"))
    with open(os.path.join(LISTAS, folder, name + ".txt"), encoding="utf-8") as words:
        return [line.split("|")[0].strip().upper() for line in words
                if line.strip() and not line.startswith("#")]


class IdiomasTest(unittest.TestCase):
    def test_solo_game_won_in_each_language(self):
        for lang, texts in IDIOMAS.items():
            with self.subTest(lang=lang), Desktop() as desktop:
                desktop.env["LANG"] = lang
                self.play(desktop, texts)

    def play(self, desktop, t):
        launcher = desktop.start_zelvo()
        launcher.key("ctrl+f")
        window = desktop.window(t["janela"], 4860)
        app = desktop.accessible_app()
        frame = wait_until(lambda: [a for a in app if a is not None and a.name == t["janela"]],
                           what="the hangman in the accessibility tree")[0]
        menus = {a.name for a in accessible_find(frame, lambda a: "menu" in a.getRoleName())}
        self.assertTrue(set(t["menus"]) <= menus, f"menus {menus}")

        window.key(t["opcoes"])
        wait_until(lambda: any(accessible_showing(a) for a in accessible_find(
            frame, lambda a: a.name == t["solitario"])), what="the options menu")
        desktop.xdotool("key", "Down", "Return")
        window.key(t["inicio"])

        def places():
            labels = accessible_find(frame, lambda a: a.getRoleName() == "label"
                                     and a.name.startswith(t["letra"] + " ")
                                     and ":" in a.name and accessible_showing(a))
            return sorted((a.name.split(": ", 1) for a in labels),
                          key=lambda p: int(p[0].split()[1]))

        shown = wait_until(lambda: places() if places() and all(
            p[1] == t["oculta"] for p in places()) else None, what="the hidden word")
        # Each guess is the letter most of the words still possible have, so
        # few guesses miss.
        candidates = [w for w in first_list(t["pasta"]) if len(w) == len(shown)]
        tried = set()
        while any(p[1] == t["oculta"] for p in shown):
            letters = {button(c) for w in candidates for c in w} - tried
            self.assertTrue(letters, f"no letter left to try: {shown}")
            guess = max(sorted(letters), key=lambda c: sum(c in map(button, w) for w in candidates))
            tried.add(guess)
            left, top, width, height = letter_button(guess)
            window.click(left + width // 2, top + height // 2)
            key = accessible_find(frame, lambda a: a.getRoleName() == "push button"
                                  and a.name == f"{t['letra']} {guess}")[0]
            wait_until(lambda: not key.getState().contains(pyatspi.STATE_SENSITIVE), timeout=3,
                       what=f"{guess} to be played")
            shown = wait_until(lambda: (lambda a, b: a if a == b else None)(places(), places()),
                               what="the places to settle")
            candidates = [w for w in candidates if all(
                (button(w[i]) == guess) == (button(p[1][0]) == guess and p[1] != t["oculta"])
                for i, p in enumerate(shown))]
            self.assertTrue(candidates, f"the places {shown} fit no listed word")
        box = desktop.message_box()
        self.assertEqual(box.text, t["ganhou"])
        box.answer(t["ok"])
        self.assertIn("".join(p[1] for p in shown), candidates)


if __name__ == "__main__":
    main()
