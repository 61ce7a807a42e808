"""The ranking "Десятка умников": the game writes lider.html into the folder
it was started from and has the desktop open it; the page, read by a real
browser, lists the players of the games just played with their money."""

import html.parser
import os
import pathlib
import subprocess

from game_case import GameTestCase

FIRST, SECOND, CITY = "Иван Петров", "Мария Сидорова", "Тула"


class PageRows(html.parser.HTMLParser):
    """The cells of every table row of a page."""

    def __init__(self):
        super().__init__()
        self.rows, self._cell = [], None

    def handle_starttag(self, tag, attrs):
        if tag == "tr":
            self.rows.append([])
        elif tag == "td":
            self._cell = ""

    def handle_endtag(self, tag):
        if tag == "td" and self._cell is not None:
            self.rows[-1].append(self._cell.strip())
            self._cell = None

    def handle_data(self, data):
        if self._cell is not None:
            self._cell += data


def browser_rows(url, home):
    """The page's rows as headless Chromium builds its document."""
    done = subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu",
                           f"--user-data-dir={os.path.join(home, 'chromium')}", "--dump-dom", url],
                          env=dict(os.environ, HOME=home), capture_output=True, timeout=90)
    if done.returncode != 0:
        raise AssertionError(f"chromium failed: {done.stderr.decode(errors='replace')[-800:]}")
    rows = PageRows()
    rows.feed(done.stdout.decode("utf-8"))
    return [row for row in rows.rows if any(row)]


class RankingPage(GameTestCase):
    def test_the_page_lists_the_players_just_played_with_their_money(self):
        game = self.start_game()
        question = game.new_game(name=FIRST, gift=True, city=CITY)
        question = game.climb(question, 4)
        game.take_money()
        game.game_over()
        game.say_no()

        game.choose_menu(1, 1)  # Настройка → Помнить имя: off, so the next game asks
        game.wait("the name no longer remembered", lambda: game.files.setting_int("NameMNU") == 0)
        question = game.new_game(name=SECOND, gift=True, by="button")
        question = game.climb(question, 2)
        game.answer_wrong(question)
        game.game_over()
        game.say_no()

        game.click_speed_button("ranking")
        opened = game.wait("the desktop asked to open the page", lambda: open(game.opened_log).read().split())
        page = pathlib.Path(game.files.started_from, "lider.html")
        self.assertEqual(opened, [page.as_uri()])
        rows = browser_rows(opened[0], game.files.home)
        # Score (money a game), name, money, the time of the last right answer, city.
        self.assertEqual(rows, [["300", FIRST, "300", game.files.player(FIRST).last_right_answer, CITY],
                                ["90", SECOND, "90", game.files.player(SECOND).last_right_answer, CITY]])
        game.exit()
