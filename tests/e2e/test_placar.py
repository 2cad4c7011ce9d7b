"""Two hangman games, the program started again, and the scoreboard read back
as a screen reader reads its table."""

import unittest

from test_forca import hidden, open_hangman
from zelvo_e2e import Desktop, accessible_find, accessible_showing, main, wait_until


def scoreboard_cells(desktop):
    tables = accessible_find(desktop.accessible_app(), lambda a: a.getRoleName() == "table"
                             and a.name == "Placar" and accessible_showing(a))
    return [a.name for a in accessible_find(tables[0], lambda a: a.getRoleName() == "table cell")
            ] if tables else None


class PlacarTest(unittest.TestCase):
    def test_scoreboard_read_back_after_a_restart(self):
        with Desktop() as desktop:
            launcher, board = open_hangman(desktop)
            for word, letters, answer in (("sol", "SOL", "OK"), ("uva", "BCDEFG", "Não")):
                board.window.key("alt+n")
                board.type_word(word)
                board.window.key("alt+i")
                board.wait_places(hidden(3))
                for letter in letters:
                    board.click_letter(letter)
                desktop.message_box().answer(answer)
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
                       what=f"the scoreboard to read {expected}: {scoreboard_cells(desktop)}")


if __name__ == "__main__":
    main()
