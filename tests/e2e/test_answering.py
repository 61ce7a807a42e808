"""The ways to answer: the number keys (used all through the suite), a
click on an answer button, and the letter keys (and P, the pause) as a
player with a Russian keyboard layout presses them."""


from game_case import GameTestCase
from game_files import LETTERS
from game_run import INFO_TITLE

PLAYER = "Анна Орлова"
# The keys A, B, C, D and P of a Russian layout.
RUSSIAN_LETTER_KEYS = dict(zip(LETTERS, ["Cyrillic_ef", "Cyrillic_i", "Cyrillic_es", "Cyrillic_ve"]))
RUSSIAN_P_KEY = "Cyrillic_ze"


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


class LetterKeysInTheRussianLayout(GameTestCase):
    # The game locks the Russian layout at a new game, where the keys A, B,
    # C, D and P give Ф, И, С, В and З; they answer and pause by the Latin
    # letters they stand on.
    def setUp(self):
        self.game = self.start_game()
        self.question = self.game.new_game(name=PLAYER, gift=True, city="Пермь")

    def test_the_letter_key_of_the_right_answer_answers(self):
        game, question = self.game, self.question
        before = game.files.setting_int("Реклама")
        game.player.key(RUSSIAN_LETTER_KEYS[question.letter_of(question.right_answer)])
        game.wait("the answer given by its letter taken",
                  lambda: game.files.setting_int("Реклама") != before, 5)

    def test_the_p_key_pauses(self):
        self.game.player.key(RUSSIAN_P_KEY)
        self.game.window(INFO_TITLE, 5)
