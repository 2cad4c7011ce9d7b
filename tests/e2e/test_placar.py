"""The hangman's scoreboard as a player meets it: two games played, the
program closed and started again, and the games read back from the
scoreboard's table as a screen reader reads it."""

import unittest

from test_forca import hidden, open_hangman
from zelvo_e2e import Desktop, accessible_find, accessible_showing, main, wait_until


def scoreboard_cells(desktop):
    """The scoreboard dialog's cells, row after row, as a screen reader reads
    them; None while the dialog is not on the screen."""
    dialogs = [a for a in desktop.accessible_app()
               if a is not None and a.name == "Placar" and accessible_showing(a)]
    if not dialogs:
        return None
    tables = accessible_find(dialogs[0], lambda a: a.getRoleName() == "table")
    if not tables:
        return None
    return [a.name for a in accessible_find(tables[0],
                                            lambda a: a.getRoleName() == "table cell")]


class PlacarTest(unittest.TestCase):
    def test_scoreboard_read_back_after_a_restart(self):
        with Desktop() as desktop:
            launcher, board = open_hangman(desktop)
            board.type_word("sol")
            board.window.key("alt+i")
            board.wait_places(hidden(3))
            for letter in "SOL":
                board.click_letter(letter)
            box = desktop.message_box()
            self.assertEqual(box.text, "Parabéns você ganhou!!!")
            box.answer("OK")

            board.window.key("alt+n")
            board.type_word("uva")
            board.window.key("alt+i")
            board.wait_places(hidden(3))
            for letter in "BCDEFG":
                board.click_letter(letter)
            box = desktop.message_box()
            self.assertEqual(box.text, "Infelizmente você perdeu. Deseja jogar novamente?")
            box.answer("Não")
            board.window.gone()
            launcher.close_box()
            self.assertTrue(desktop.program_ended())

            _, board = open_hangman(desktop)
            board.window.key("alt+j")
            wait_until(lambda: any(accessible_showing(a) for a in accessible_find(
                board.frame, lambda a: a.name == "Placar")), what="the Jogo menu")
            board.window.key("p")
            expected = ["Dupla", "Vitórias: 1", "Derrotas: 1", "Sequência: 0",
                        "Melhor sequência: 1", "Com dica: 0"]
            wait_until(lambda: scoreboard_cells(desktop) == expected,
                       what=f"the scoreboard to read {expected}; "
                            f"it reads {scoreboard_cells(desktop)}")
            desktop.screenshot(desktop.artefact("placar.png"))


if __name__ == "__main__":
    main()
