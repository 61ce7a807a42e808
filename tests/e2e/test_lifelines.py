"""The lifelines, each once a game: fifty-fifty (F5) takes two wrong
answers away, the audience poll (F3) shows its pie of the answers left, the
call to a friend (F4) rings through once the number shown is dialled, and
hangs up by the button or Escape."""

from game import PHONE_TITLE
from game_case import GameTestCase
from game_files import LETTERS

PLAYER = "Ольга Смирнова"
YELLOW = (0xFF, 0xFF, 0x00)  # the answers' captions
AQUA = (0x00, 0xFF, 0xFF)  # the poll panel's frame and heading
SLICE_COLOURS = dict(zip(LETTERS, [(0xFF, 0, 0), (0, 0xFF, 0), (0, 0, 0xFF), (0xFF, 0xFF, 0)]))
# The poll panel, centred on the 800-pixel screen, inside the client area.
POLL_PANEL = ((800 - 268) // 2, 55, 268, 218)
# Inside the call dialog: the keypad, and the hang-up button's middle.
KEYPAD = (27, 8, 55, 72)
HANG_UP = (283 + 73 // 2, 79 + 30 // 2)


def friend_number(friend, phrase, right, level, winnings):
    """The last six digits of the number the friend shows: his number, the
    reply's template (the phrase's, or the answer after the right one when
    friend and phrase add up to ten and he misleads), the right answer's
    place, the level and the winnings; a shorter one is padded with nines
    to seven."""
    template = right % 4 + 1 if friend + phrase == 10 else phrase
    number = f"{friend}{template}{right}{level}{winnings}"[:6]
    return (number if len(number) == 6 else number.ljust(7, "9"))[-6:]


class Lifelines(GameTestCase):
    def setUp(self):
        self.game = self.start_game()
        self.question = self.game.new_game(name=PLAYER, gift=True, city="Казань")

    def captions_shown(self):
        shot = self.game.player.screenshot()
        return {letter for letter in LETTERS
                if shot.count(*self.game.answer_rect(letter), YELLOW, 40) > 50}

    def poll_panel(self):
        x, y = self.game.client_point(*POLL_PANEL[:2])
        return x, y, *POLL_PANEL[2:]

    def poll_on_show(self):
        return self.game.player.screenshot().count(*self.poll_panel(), AQUA, 8) > 100

    def test_fifty_fifty_leaves_the_right_answer_and_one_other_and_the_poll_shows_only_those(self):
        game, question = self.game, self.question
        right = question.letter_of(question.right_answer)
        self.assertEqual(self.captions_shown(), set(LETTERS))
        game.player.key("F5")

        def two_left():
            shown = self.captions_shown()
            return shown if len(shown) == 2 else None
        left = game.wait("two answers taken away", two_left)
        self.assertIn(right, left)
        game.player.key("F5")  # spent: nothing more goes
        game.no_window_within(1)
        self.assertEqual(self.captions_shown(), left)

        game.player.key("F3")
        game.wait("the audience poll on show", self.poll_on_show)
        shot = game.player.screenshot()
        slices = {letter: shot.count(*self.poll_panel(), colour, 8) for letter, colour in SLICE_COLOURS.items()}
        self.assertTrue(all(slices[letter] == 0 for letter in set(LETTERS) - left), slices)
        self.assertGreater(sum(slices.values()), 1000, slices)

        game.answer_right(question)
        question = game.wait_question(2)
        self.assertFalse(self.poll_on_show(), "the poll stays after the answer")
        self.assertEqual(self.captions_shown(), set(LETTERS))
        game.player.key("F3")
        game.player.key("F5")
        game.no_window_within(1)
        self.assertFalse(self.poll_on_show(), "a second poll in one game")
        self.assertEqual(self.captions_shown(), set(LETTERS), "a second fifty-fifty in one game")

    def test_the_friend_answers_once_his_number_is_dialled_and_the_button_hangs_up(self):
        game = self.game
        question = game.climb(self.question, 3)
        game.player.key("F4")
        phone = game.window(PHONE_TITLE)
        friend, phrase = game.files.setting_int("Друг"), game.files.setting_int("Фраза")
        number = friend_number(friend, phrase, LETTERS.index(question.letter_of(question.right_answer)) + 1,
                               level=3, winnings=200)

        def keypad():
            return game.player.screenshot().region(phone.x + KEYPAD[0], phone.y + KEYPAD[1], *KEYPAD[2:])
        game.wait("the keypad drawn", lambda: keypad() == keypad())
        before = keypad()
        wrong = "".join(str((int(digit) + 1) % 10) for digit in number)
        game.player.type(wrong)
        game.player.type("*")  # clears the display
        game.holds("the keypad after a wrong number", lambda: keypad() == before, 0.5)
        game.player.type(number)
        # Before the countdown of the call ends it.
        game.wait("the friend's reply instead of the keypad",
                  lambda: keypad() != before and phone in game.other_windows(), 20)

        game.player.click(phone.x + HANG_UP[0], phone.y + HANG_UP[1])
        game.gone(phone)
        game.focus_main()
        game.player.key("F4")
        game.no_window_within(1.5)
        game.answer_right(question)
        game.wait_question(4)

    def test_escape_hangs_up_before_dialling(self):
        game, question = self.game, self.question
        game.player.key("F4")
        phone = game.window(PHONE_TITLE)
        game.player.key("Escape")
        game.gone(phone)
        game.answer_right(question)
        game.wait_question(2)
