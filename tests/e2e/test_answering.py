"""The ways to answer: the number keys (used all through the suite), a
click on an answer button, and the letter keys as a player with a Russian
keyboard layout presses them."""

import unittest

from game_case import GameTestCase
from game_files import LETTERS

PLAYER = "Анна Орлова"
# The keys A, B, C and D of a Russian layout.
RUSSIAN_LETTER_KEYS = dict(zip(LETTERS, ["Cyrillic_ef", "Cyrillic_i", "Cyrillic_es", "Cyrillic_ve"]))


class Answering(GameTestCase):
    def test_a_click_on_an_answer_button_answers(self):
        game = self.start_game()
        question = game.new_game(name=PLAYER, gift=True, city="Пермь")
        game.answer_right(question, by="click")
        question = game.wait_question(2)
        game.answer_wrong(question, by="click")
        game.game_over()
        self.assertBooked(game, PLAYER, 90)
        game.say_no()
        game.exit()



class AnsweringByLetterInTheRussianLayout(GameTestCase):
    # The game locks the Russian layout at a new game, where the letter
    # keys give Ф, И, С and В. Known fault: each answer command carries both
    # the Latin and the Cyrillic letter, and Qt's X11 keyboard matches the
    # key to both, finds the shortcut ambiguous and runs neither (the same
    # for the pause's P and З). Only the letter key is inside the expected
    # failure: the game and its question are set up before.
    def setUp(self):
        self.game = self.start_game()
        self.question = self.game.new_game(name=PLAYER, gift=True, city="Пермь")

    @unittest.expectedFailure
    def test_the_letter_key_of_the_right_answer_answers(self):
        game, question = self.game, self.question
        before = game.files.setting_int("Реклама")
        game.player.key(RUSSIAN_LETTER_KEYS[question.letter_of(question.right_answer)])
        game.wait("the answer given by its letter taken",
                  lambda: game.files.setting_int("Реклама") != before, 5)
