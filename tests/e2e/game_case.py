"""The base of the suite's test cases: each test plays in a fresh
installation of its own, on the desktop the suite runner started."""

import os
import re
import unittest

from game import Game
from game_files import Installation, known_questions

# Set by the suite runner before the tests run.
desktop = None
build = None
output = None

# Counters as a player's earlier runs left them: no advertisement break
# and no tease within the first answers unless a test asks for one.
QUIET_COUNTERS = {"Реклама": 0, "Ответ": 0}


class GameTestCase(unittest.TestCase):
    def start_game(self, settings=None):
        """The game started in an installation of this test, with the
        settings given (by default the quiet counters) and the suite's
        question table."""
        tag = re.sub(r"\W+", "-", self._testMethodName.removeprefix("test_"))
        root = os.path.join(output, tag)
        installation = Installation(build, root, known_questions())
        installation.seed_settings(QUIET_COUNTERS if settings is None else settings)
        game = Game(desktop, installation, output, tag)
        self.addCleanup(game.stop)
        game.start()
        return game

    def assertBooked(self, game, name, balance, games=1):
        record = game.files.player(name)
        self.assertIsNotNone(record, f"{name} has no section in tulip.lst: {game.files.results()}")
        self.assertEqual((record.balance, record.games), (balance, games),
                         f"booking of {name}: {record}")
