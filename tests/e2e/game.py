"""A game as the player plays it: a new game with the boxes it asks, each
question as shown (the suite knows the right answers of its table), the
answers by key or click, the lifelines' and the money's commands and the
end of a game."""

import time

from game_files import LETTERS
from game_run import INFO_TITLE, MAIN_TITLE, QUESTION_TITLE, GameError, GameRun

MONEY_TITLE = "Ваши денежки!"
ADVERT_TITLE = "Реклама"
PHONE_TITLE = "Звонок другу!"
ANSWER_PLACES = ((4, 452), (399, 452), (4, 485), (399, 485))
ANSWER_SIZE = (390, 30)
# The game is quiet this long when a key press did not reach it.
QUIET_BEFORE_RETRY = 1.5


class AnswerOutcome:
    """What came between an answer and its verdict."""

    def __init__(self):
        self.teases = 0
        self.advert_break = False


class Game(GameRun):
    def __init__(self, *args):
        super().__init__(*args)
        # Each level's question as the table held it when last read.
        self._known = {}

    def start(self):
        super().start()
        self._known = {q.level: q for q in self.files.table_now()}

    def answer_rect(self, letter):
        x, y = self.client_point(*ANSWER_PLACES[LETTERS.index(letter)])
        return x, y, *ANSWER_SIZE

    def say_no(self):
        """'Нет' to the question to play again."""
        self.answer_box(QUESTION_TITLE, ("Tab", "Return"))

    def stop_shower(self):
        """Waits for the banknote shower and ends it with a key."""
        money = self.window(MONEY_TITLE)
        self.player.key("shift")
        self.gone(money)

    def end_shower(self):
        """A key ends the banknote shower at once, if one is on."""
        money = next((w for w in self.other_windows() if w.name == MONEY_TITLE), None)
        if money is not None:
            self.player.key("shift")
        return money is not None

    def new_game(self, name=None, city=None, gift=False, by="key"):
        """Starts a game (F2, the button, or "Да" to the question to play
        again) and answers the boxes a new game asks: the name (when not
        remembered), the gift of the first game, the city (when none is
        known). Returns the first question."""
        if by == "again":
            self.answer_box(QUESTION_TITLE)
        elif by == "key":
            self.focus_main()
            self.player.key("F2")
        else:
            self.focus_main()
            self.click_speed_button("new")
        if name is not None:
            self._type_into_box("the box asking the name", name)
        if gift:
            self.answer_box(INFO_TITLE)
        if city is not None:
            self._type_into_box("the box asking the city", city)
        return self.wait_question(1)

    def _type_into_box(self, what, text):
        box = self.wait(what, lambda: next((w for w in self.other_windows() if w.name == MAIN_TITLE), None))
        if self.player.active_window() != box.wid:
            self.player.activate(box)
        self.player.type(text)  # over the proposed text, which stands selected
        self.player.key("Return")
        self.gone(box)

    def wait_question(self, level):
        """Waits until the question of a level is on show and returns it as
        shown. The game rotates the answers of a question it shows in the
        table, so the table read before shows the question's order now."""
        before = self._known[level]

        def shown():
            self.end_shower()
            now = self._table_question(level)
            if now.same_as(before):
                return None
            if now.right_answer != before.right_answer:
                return None  # caught mid-write; read again
            return now
        self._known[level] = self.wait(f"question {level} on show", shown)
        self.focus_main()
        return before

    def question_unshown(self, level):
        """The question of a level not shown since the table was last read."""
        return self._table_question(level).same_as(self._known[level])

    def _table_question(self, level):
        rows = [q for q in self.files.table_now() if q.level == level]
        if len(rows) != 1:
            raise GameError(f"the test table should hold one question of level {level}: {rows}")
        return rows[0]

    def answer(self, letter, by="key"):
        """Answers the question on show and returns once the game took the
        answer (it counts it towards the advertisement break in the
        settings). A press that came while the game was busy, or a click the
        game answered with a tease instead, is repeated once the game is
        quiet again; an advertisement break on the way is closed with Enter."""
        before = self.files.setting_int("Реклама", 5)
        outcome = AnswerOutcome()
        self._press_answer(letter, by)
        last_press, quiet_since, saw_message = time.monotonic(), None, False

        def taken():
            nonlocal last_press, quiet_since, saw_message
            if self.files.setting_int("Реклама", 5) != before:
                return True
            others = self.other_windows()
            advert = next((w for w in others if w.name == ADVERT_TITLE), None)
            if advert is not None:
                outcome.advert_break = True
                self.answer_box(ADVERT_TITLE)
                return False
            now = time.monotonic()
            if others:
                saw_message, quiet_since = True, None
            elif quiet_since is None:
                quiet_since = now
            elif now - quiet_since > QUIET_BEFORE_RETRY and now - last_press > QUIET_BEFORE_RETRY:
                if saw_message:
                    outcome.teases += 1
                    saw_message = False
                self.note(f"answer {letter} pressed again")
                self.focus_main()
                self._press_answer(letter, by)
                last_press, quiet_since = time.monotonic(), None
            return False
        self.wait(f"the game to take answer {letter}", taken)
        return outcome

    def _press_answer(self, letter, by):
        if by == "key":
            self.player.key(str(LETTERS.index(letter) + 1))
        else:
            x, y, width, height = self.answer_rect(letter)
            self.player.click(x + width // 2, y + height // 2)

    def answer_right(self, question, by="key"):
        return self.answer(question.letter_of(question.right_answer), by)

    def answer_wrong(self, question, by="key"):
        wrong = next(a for a in question.answers if a != question.right_answer)
        return self.answer(question.letter_of(wrong), by)

    def climb(self, question, to_level):
        """Answers right from the question on show until the question of
        `to_level` is on show; returns it."""
        while question.level < to_level:
            self.answer_right(question)
            question = self.wait_question(question.level + 1)
        return question

    def game_over(self):
        """Waits for the question to play again, ending a banknote shower on
        the way."""
        def asked():
            self.end_shower()
            return next((w for w in self.other_windows() if w.name == QUESTION_TITLE), None)
        return self.wait("the question to play again", asked)

    def take_money(self, by="key"):
        self.focus_main()
        if by == "key":
            self.player.key("F6")
        else:
            self.click_speed_button("money")
