"""Games played to their end: a wrong answer in each band of the prize
ladder keeps the milestone below it, and the fifteenth right answer wins
the million. A player's first game is booked less the 100 roubles he was
given to start with."""

from game_case import GameTestCase

PLAYER = "Иван Петров"
CITY = "Тула"


class WrongAnswerKeepsTheMilestoneBelowIt(GameTestCase):
    def lose_at(self, level):
        game = self.start_game()
        question = game.new_game(name=PLAYER, gift=True, city=CITY)
        question = game.climb(question, level)
        game.answer_wrong(question)
        game.game_over()
        return game

    def test_below_the_first_milestone_the_balance_loses_a_tenth(self):
        game = self.lose_at(3)
        self.assertBooked(game, PLAYER, 90)
        game.say_no()
        game.exit()

    def test_between_the_milestones_1000_roubles_stay_won(self):
        game = self.lose_at(7)
        self.assertBooked(game, PLAYER, 1000)
        game.say_no()
        game.exit()

    def test_above_the_second_milestone_32000_roubles_stay_won(self):
        game = self.lose_at(12)
        self.assertBooked(game, PLAYER, 32000)
        game.say_no()
        game.exit()


class FifteenRightAnswersWinTheMillion(GameTestCase):
    def test_the_million_is_booked_after_a_tease_and_an_advertisement_break(self):
        # One answer before the break at the fourteenth; the clicks count
        # from nothing, so the fourteenth click, at level 14, is the fifth
        # of its round of nine and only teases.
        game = self.start_game(settings={"Реклама": 1, "Ответ": 0})
        question = game.new_game(name=PLAYER, gift=True, city=CITY)
        breaks, teases = [], []
        while True:
            outcome = game.answer_right(question)
            if outcome.advert_break:
                breaks.append(question.level)
            teases += [question.level] * outcome.teases
            if question.level == 15:
                break
            question = game.wait_question(question.level + 1)
        self.assertEqual(breaks, [13])
        self.assertEqual(teases, [14])
        # The million is booked before the banknotes rain.
        game.stop_shower()
        self.assertBooked(game, PLAYER, 1_000_000)
        self.assertEqual(game.files.player(PLAYER).city, CITY)
        game.exit()
