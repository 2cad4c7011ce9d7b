"""The hangman as two players and as one play it: the word typed into its box
or drawn by the program, letters clicked on the board, the figure growing,
and the game's end read out of its message box."""

import contextlib
import os
import time
import unittest

import pyatspi

from zelvo_e2e import (Desktop, accessible_centre, accessible_find, accessible_showing, main, px,
                       wait_until)

# The program's own word list for solo play.
PALAVRAS = ["VECTRA", "OMEGA", "SAVEIRO", "FIESTA", "PALIO", "CORSA", "SANTANA", "SIENA",
            "GOLF", "CIVIC", "UNO", "GOL", "FUSCA"]
# The figure's parts in the order wrong guesses show them, then the two that
# only a win shows.
PARTES = ["Cabeça enforcada, com a corda", "Tronco", "Braço esquerdo", "Braço direito",
          "Perna esquerda", "Perna direita"]
BANQUINHO, CABECA_SORRIDENTE = "Banquinho", "Cabeça sorridente"
WORD_BOX = (2640, 1080, 1695, 375)


def letter_button(letter):
    """The design rectangle of a letter's button."""
    i = ord(letter) - ord("A")
    return 240 + 480 * (i % 13), 3720 if i < 13 else 4200, 400, 400


class Board:
    """The hangman window, read from the screen and the accessibility tree."""

    def __init__(self, desktop, window):
        self.desktop = desktop
        self.window = window
        self.app = desktop.accessible_app()
        self.frame = wait_until(lambda: [a for a in self.app
                                         if a is not None and a.name == "Forca"],
                                what="the hangman in the accessibility tree")[0]

    def click_letter(self, letter):
        left, top, width, height = letter_button(letter)
        self.window.click(left + width // 2, top + height // 2)

    def places(self):
        """What a screen reader reads for each word place that is shown."""
        labels = accessible_find(self.frame, lambda a: a.getRoleName() == "label"
                                 and a.name.startswith("Letra ") and accessible_showing(a))
        return sorted((a.name for a in labels), key=lambda n: int(n.split()[1].rstrip(":")))

    def settled_places(self):
        """The places as read once two readings a moment apart agree: the
        tree hears of each change on its own."""
        def read():
            first = self.places()
            time.sleep(0.1)
            second = self.places()
            return (second,) if first == second else None
        return wait_until(read, timeout=3, what="the word places to settle")[0]

    def drawn_places(self):
        """For each of the eight word places, whether the screen shows
        something there: a white dash or letter on the board's blue."""
        at = self.window.grab(2640, 2880, 8 * 360, 345)
        drawn = []
        for i in range(8):
            x0 = px(2640 + 360 * i) - px(2640)
            white = sum(1 for x in range(x0, x0 + px(345)) for y in range(px(345))
                        if min(at(x, y)) > 200)
            drawn.append(white >= 3)
        return drawn

    def figure(self):
        """The names of the figure's parts that are shown."""
        images = accessible_find(self.frame, lambda a: a.getRoleName() == "image"
                                 and accessible_showing(a))
        return {a.name for a in images} - {"Forca"}

    def enabled_letters(self):
        buttons = accessible_find(self.frame, lambda a: a.getRoleName() == "push button"
                                  and a.name.startswith("Letra "))
        return "".join(sorted(a.name[-1] for a in buttons
                              if a.getState().contains(pyatspi.STATE_SENSITIVE)))

    def menu_checked(self, name):
        item = accessible_find(self.frame, lambda a: "menu item" in a.getRoleName()
                               and a.name == name)[0]
        return item.getState().contains(pyatspi.STATE_CHECKED)

    def choose_solo(self):
        """Opções → Solitário, by keys."""
        self.window.key("alt+o")
        wait_until(lambda: any(accessible_showing(a) for a in accessible_find(
            self.frame, lambda a: a.name == "Solitário")), what="the Opções menu")
        self.desktop.xdotool("key", "Down", "Return")
        wait_until(lambda: self.menu_checked("Solitário"), what="Solitário checked")

    def type_word(self, word):
        left, top, width, height = WORD_BOX
        self.window.click(left + width // 2, top + height // 2)
        self.window.type(word)

    def wait_places(self, expected, what="the word places"):
        return wait_until(lambda: self.places() == expected, timeout=3,
                          what=f"{what} to read {expected}; they read {self.places()}")


def hidden(n):
    return [f"Letra {i + 1}: oculta" for i in range(n)]


def open_hangman(desktop):
    launcher = desktop.start_zelvo()
    launcher.key("ctrl+f")
    return launcher, Board(desktop, desktop.window("Forca", 4860))


class ForcaTest(unittest.TestCase):
    def assertSoon(self, read, expected, msg=None, timeout=3):
        """What the program shows comes to `expected` within a moment: the
        screen is painted, and the accessibility tree told, a little after
        the program changes its controls."""
        with contextlib.suppress(AssertionError):
            wait_until(lambda: read() == expected, timeout)
        self.assertEqual(read(), expected, msg)

    def test_two_player_game_won(self):
        with Desktop() as desktop:
            _, board = open_hangman(desktop)
            self.assertSoon(board.enabled_letters, "", "no letter can be tried before a word")
            board.type_word("banana")
            board.window.key("alt+i")
            board.wait_places(hidden(6))
            self.assertSoon(board.drawn_places, [True] * 6 + [False] * 2)
            self.assertSoon(board.enabled_letters, "ABCDEFGHIJKLMNOPQRSTUVWXYZ")

            board.click_letter("E")
            self.assertSoon(board.figure, set(PARTES[:1]), "a wrong letter shows the first part")
            self.assertSoon(lambda: "E" in board.enabled_letters(), False)

            # Every place of a letter opens at once.
            board.click_letter("A")
            board.wait_places(["Letra 1: oculta", "Letra 2: A", "Letra 3: oculta",
                               "Letra 4: A", "Letra 5: oculta", "Letra 6: A"])
            board.click_letter("N")
            board.wait_places(["Letra 1: oculta", "Letra 2: A", "Letra 3: N",
                               "Letra 4: A", "Letra 5: N", "Letra 6: A"])
            board.click_letter("B")

            box = desktop.message_box()
            self.assertEqual((box.title, box.text, box.buttons),
                             ("Zelvo", "Parabéns você ganhou!!!", ["OK"]))
            box.answer("OK")
            self.assertSoon(board.places, ["Letra 1: B", "Letra 2: A", "Letra 3: N",
                                           "Letra 4: A", "Letra 5: N", "Letra 6: A"])
            # The whole figure stands on its bench, smiling.
            self.assertSoon(board.figure, set(PARTES[1:]) | {BANQUINHO, CABECA_SORRIDENTE})
            self.assertSoon(board.enabled_letters, "", "the game is over once it is won")
            self.assertTrue(board.window.exists())

    def test_two_player_games_lost(self):
        with Desktop() as desktop:
            launcher, board = open_hangman(desktop)
            board.type_word("sol")
            board.window.key("alt+i")
            board.wait_places(hidden(3))
            for wrong, letter in enumerate("ABCDE"):
                board.click_letter(letter)
                self.assertSoon(board.figure, set(PARTES[:wrong + 1]),
                                f"the figure after {wrong + 1} wrong letters")
            board.click_letter("F")
            box = desktop.message_box()
            self.assertEqual((box.title, box.text, box.buttons),
                             ("Jogo da Forca", "Infelizmente você perdeu. Deseja jogar novamente?",
                              ["Sim", "Não"]))

            # Yes: a clear board that waits for the next word, typed at once.
            box.answer("Sim")
            self.assertSoon(board.places, [], "a clear board")
            self.assertSoon(board.figure, set(), "a clear board")
            self.assertSoon(board.enabled_letters, "")
            self.assertSoon(board.drawn_places, [False] * 8)
            board.window.type("uva")
            board.window.key("alt+i")
            board.wait_places(hidden(3))
            for letter in "BCDEFG":
                board.click_letter(letter)
            box = desktop.message_box()
            self.assertEqual(box.text, "Infelizmente você perdeu. Deseja jogar novamente?")

            # No: the hangman closes and the launcher is back.
            box.answer("Não")
            board.window.gone()
            self.assertTrue(launcher.exists())
            wait_until(lambda: desktop.xdotool("getactivewindow").strip() == launcher.id,
                       what="the launcher to be active again")
            self.assertIsNone(desktop.program.poll(), "only the hangman closes")

    def test_solo_game_draws_a_listed_word(self):
        with Desktop() as desktop:
            _, board = open_hangman(desktop)
            board.choose_solo()
            self.assertFalse(board.menu_checked("Dupla"))
            board.window.key("alt+i")

            # The screen shows the places in one go; the accessibility tree
            # hears of them one by one.
            def row():
                drawn = board.drawn_places()
                n = drawn.count(True)
                return n if n and drawn == [True] * n + [False] * (8 - n) else None
            n = wait_until(row, timeout=3, what="a row of word places")
            self.assertIn(n, range(3, 8), "the listed words have 3 to 7 letters")
            self.assertSoon(board.places, hidden(n))

            # Play it out as a player who knows the list would: each guess is
            # a letter that splits the words still possible.
            candidates = [w for w in PALAVRAS if len(w) == n]
            self.assertTrue(candidates, f"no listed word has {n} letters")
            tried = set()
            now = board.settled_places()
            while any(name.endswith("oculta") for name in now):
                letters = sorted({c for w in candidates for c in w} - tried)
                self.assertTrue(letters, f"no letter left to try: {now}")
                guess = min(letters, key=lambda c: abs(2 * sum(c in w for w in candidates)
                                                       - len(candidates)))
                tried.add(guess)
                board.click_letter(guess)
                self.assertSoon(lambda: guess in board.enabled_letters(), False,
                                f"letter {guess} used")
                now = board.settled_places()
                candidates = [w for w in candidates
                              if all((w[i] == guess) == (f"Letra {i + 1}: {guess}" in now)
                                     for i in range(n))]
                self.assertTrue(candidates, f"the places {now} fit no listed word")
            box = desktop.message_box()
            self.assertEqual(box.text, "Parabéns você ganhou!!!")
            box.answer("OK")
            self.assertSoon(board.places,
                            [f"Letra {i + 1}: {c}" for i, c in enumerate(candidates[0])])
            self.assertSoon(board.figure, set(PARTES[1:]) | {BANQUINHO, CABECA_SORRIDENTE})

    def test_own_word_list_played(self):
        """A teacher's list with one playable word among bad lines: chosen
        from the menu, its skipped lines told once, its word drawn and won."""
        with Desktop() as desktop:
            data = os.path.join(desktop.tmp, "data")
            os.makedirs(os.path.join(data, "Zelvo", "palavras"))
            path = os.path.join(data, "Zelvo", "palavras", "Turma.txt")
            content = "# Palavras da turma\nguarda-chuva\n  Coração  \nabc1\n\nbom dia\n"
            with open(path, "w", encoding="utf-8") as f:
                f.write(content)
            desktop.env.update(XDG_DATA_HOME=data, XDG_CONFIG_HOME=desktop.tmp + "/config")
            _, board = open_hangman(desktop)

            def point_at(name, *click):
                item = wait_until(lambda: ([a for a in accessible_find(
                    board.frame, lambda a: a.name == name and "menu item" in a.getRoleName())
                    if accessible_showing(a)] or [None])[0], what=f"menu item {name}")
                desktop.xdotool("mousemove", "--sync", *map(str, accessible_centre(item)), *click)
            board.window.key("alt+o")
            point_at("Categoria")
            point_at("Turma", "click", "1")
            box = desktop.message_box()
            for part in (path, "3 palavras", "linha 2: 'guarda-chuva': hífen",
                         "linha 4: 'abc1': algarismo", "linha 6: 'bom dia': espaço"):
                self.assertIn(part, box.text)
            box.answer("OK")

            board.window.key("alt+o")
            point_at("Solitário", "click", "1")
            board.window.key("alt+i")
            board.wait_places(hidden(7))
            self.assertEqual([a.name for a in accessible_find(board.frame, lambda a: a.name
                                                              .startswith("Categoria:"))],
                             ["Categoria: Turma"])
            self.assertTrue(desktop.no_message_box(), "the skipped words are told once")
            for letter in "CORA":
                board.click_letter(letter)
            box = desktop.message_box()
            self.assertEqual(box.text, "Parabéns você ganhou!!!")
            box.answer("OK")
            self.assertSoon(board.places, [f"Letra {i + 1}: {c}" for i, c in enumerate("CORAÇÃO")])
            with open(path, encoding="utf-8") as f:
                self.assertEqual(f.read(), content, "the list is only read")

    def test_own_list_dealt_without_repeat_and_hinted(self):
        """A teacher's five words with hints: five solo games deal each word
        once, and each game's hint is shown on F3 and read by a screen
        reader."""
        turma = {"caderno": "Onde escrevemos a lição", "lápis": "Escreve e apaga",
                 "régua": "Mede e risca reto", "mochila": "Leva o material nas costas",
                 "giz": "Escreve no quadro-negro"}
        with Desktop() as desktop:
            data, config = os.path.join(desktop.tmp, "data"), os.path.join(desktop.tmp, "config")
            os.makedirs(os.path.join(data, "Zelvo", "palavras"))
            os.makedirs(os.path.join(config, "Zelvo"))
            with open(os.path.join(data, "Zelvo", "palavras", "Turma.txt"), "w",
                      encoding="utf-8") as f:
                f.write("".join(f"{word} | {hint}\n" for word, hint in turma.items()))
            with open(os.path.join(config, "Zelvo", "Zelvo.conf"), "w", encoding="utf-8") as f:
                f.write("[forca]\ncategoria=Turma\n")
            desktop.env.update(XDG_DATA_HOME=data, XDG_CONFIG_HOME=config)
            by_hint = {f"Dica: {hint}": word.upper() for word, hint in turma.items()}
            _, board = open_hangman(desktop)
            board.choose_solo()

            def shown_hints():
                return [a.name for a in accessible_find(
                    board.frame, lambda a: a.name.startswith("Dica:") and accessible_showing(a))]
            dealt = []
            for game in range(5):
                board.window.key("alt+i")
                wait_until(lambda: any(n.endswith("oculta") for n in board.places()),
                           what=f"game {game + 1} on the board")
                self.assertEqual(shown_hints(), [], "the hint waits to be asked for")
                board.window.key("F3")
                hint = wait_until(shown_hints, what="the hint")[0]
                self.assertIn(hint, by_hint)
                word = by_hint[hint]
                dealt.append(word)
                for letter in dict.fromkeys(word.replace("Á", "A").replace("É", "E")):
                    board.click_letter(letter)
                box = desktop.message_box()
                self.assertEqual(box.text, "Parabéns você ganhou!!!")
                box.answer("OK")
                self.assertEqual(shown_hints(), [hint], "the hint stays until the game ends")
                board.window.key("alt+n")
                wait_until(lambda: not shown_hints(), what="the board cleared")
            self.assertEqual(sorted(dealt), sorted(by_hint.values()), "no word twice")


if __name__ == "__main__":
    main()
