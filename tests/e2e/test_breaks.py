"""The pauses of a game: the pause (the button or Space) takes effect
after the answer, minimising the game until the player comes back and
lifts it; and the advertisement break, from the menu "Реклама" or a
double-click on the picture, shows the next clip each time and closes with
OK or Enter."""

from game import ADVERT_TITLE
from game_run import INFO_TITLE
from game_case import GameTestCase
from game_files import read_ini, unscramble

PLAYER = "Пётр Кузнецов"
# The picture above the question, centred in the client area.
PICTURE_MIDDLE = (400, 55 + 60)


class PauseAfterTheAnswer(GameTestCase):
    def pause_round(self, question, pause_by, resume_by):
        game = self.game
        self.toggle_pause(pause_by)
        game.answer_box(INFO_TITLE)
        game.answer_right(question)
        game.wait("the game minimised for the pause", lambda: not game.main_on_show())
        following = question.level + 1
        game.holds(f"question {following} held back by the pause",
                   lambda: not game.main_on_show() and game.question_unshown(following), 1)
        game.restore()
        self.toggle_pause(resume_by)
        return game.wait_question(following)

    def toggle_pause(self, by):
        if by == "button":
            self.game.click_speed_button("pause")
        else:
            self.game.player.key("space")

    def test_the_button_pauses_and_space_resumes_then_space_pauses_and_the_button_resumes(self):
        self.game = self.start_game()
        question = self.game.new_game(name=PLAYER, gift=True, city="Самара")
        question = self.pause_round(question, "button", "space")
        question = self.pause_round(question, "space", "button")
        self.game.answer_right(question)
        self.game.wait_question(4)


class AdvertisementBreak(GameTestCase):
    def clip_counter(self, game):
        counters = read_ini(game.files.clip_counter_file).get("zambrel!", {})
        return unscramble(counters["ролик"]) if "ролик" in counters else 1

    def test_each_break_shows_the_next_clip_and_closes_with_ok(self):
        game = self.start_game()
        clips = unscramble(read_ini(game.files.clips_file)["common"]["max"])
        self.assertGreater(clips, 1)
        game.choose_menu(0, 1)  # Игра → Реклама
        game.answer_box(ADVERT_TITLE)
        self.assertEqual(self.clip_counter(game), 2)
        x, y = game.client_point(*PICTURE_MIDDLE)
        game.player.double_click(x, y)
        game.answer_box(ADVERT_TITLE, ("space",))  # the OK button has the focus
        self.assertEqual(self.clip_counter(game), 3 if clips > 2 else 1)
        game.exit()
