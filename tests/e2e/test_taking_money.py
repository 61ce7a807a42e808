"""Taking the money (F6 or the button) just before and just after each
milestone: the winnings of the question before are booked, in full. The
second game of the same player adds to his balance."""

from game_case import GameTestCase

PLAYER = "Мария Сидорова"


class TakingTheMoneyBooksTheWinnings(GameTestCase):
    def take_at(self, game, question, level, by):
        question = game.climb(question, level)
        game.take_money(by)
        game.game_over()

    def test_around_the_first_milestone(self):
        game = self.start_game()
        question = game.new_game(name=PLAYER, gift=True, city="Омск")
        # Question 5 on show: 500 won; the gift goes back after the first game.
        self.take_at(game, question, 5, by="key")
        self.assertBooked(game, PLAYER, 500)
        question = game.new_game(by="again")
        # Question 6 on show: the milestone's 1.000 won.
        self.take_at(game, question, 6, by="button")
        self.assertBooked(game, PLAYER, 500 + 1000, games=2)
        game.say_no()
        game.exit()

    def test_around_the_second_milestone(self):
        game = self.start_game()
        question = game.new_game(name=PLAYER, gift=True, city="Омск")
        self.take_at(game, question, 10, by="button")
        self.assertBooked(game, PLAYER, 16000)
        question = game.new_game(by="again")
        self.take_at(game, question, 11, by="key")
        self.assertBooked(game, PLAYER, 16000 + 32000, games=2)
        game.say_no()
        game.exit()

    def test_nothing_won_nothing_to_take(self):
        game = self.start_game()
        game.new_game(name=PLAYER, gift=True, city="Омск")
        game.take_money("key")
        game.no_window_within(2)
        self.assertIsNone(game.files.player(PLAYER).balance)
        game.exit()
