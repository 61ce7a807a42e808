"""The ranking "Десятка умников": the game writes lider.html into the folder
it was started from and has the desktop open it; the page, read by a real
browser, lists the players of the games just played with their money."""

import html.parser
import os
import subprocess
import urllib.parse
import urllib.request

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


def browser_rows(url, profile):
    """The page's rows as headless Chromium builds its document."""
    done = subprocess.run(["chromium", "--headless", "--no-sandbox", "--disable-gpu",
                           f"--user-data-dir={profile}", "--dump-dom", url],
                          capture_output=True, timeout=90)
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
        page = os.path.join(game.files.started_from, "lider.html")
        self.assertEqual(opened, [urllib.parse.urljoin("file:", urllib.request.pathname2url(page))])
        rows = browser_rows(opened[0], os.path.join(game.files.root, "browser"))
        self.assertEqual([row[:3] for row in rows], [["300", FIRST, "300"], ["90", SECOND, "90"]])
        self.assertEqual({row[4] for row in rows}, {CITY})
        game.exit()
