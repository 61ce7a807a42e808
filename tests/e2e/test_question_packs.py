"""A question pack made with the authors' tool and merged through
"Настройка → Новые вопросы": its questions are appended to the question
table, its name is remembered in tulip.dat and the pack is deleted; the
same name is refused the second time, with nothing changed."""

import os

from game_run import INFO_TITLE
from game_case import GameTestCase
from game_files import known_questions, read_ini, write_sheet

PACK = "faq01.dbf"
FILE_DIALOG_TITLE = "Новые вопросы"


class MergingAQuestionPack(GameTestCase):
    def make_pack(self, game, prefix):
        questions = known_questions(prefix=prefix, right_letters={level: "D" for level in range(1, 16)})
        sheet = os.path.join(game.files.root, f"{prefix}.tsv")
        write_sheet(sheet, questions)
        game.files.tool.build(sheet, os.path.join(game.files.folder, PACK))
        return questions

    def choose_pack(self, game):
        game.choose_menu(1, 3)  # Настройка → Новые вопросы
        dialog = game.window(FILE_DIALOG_TITLE)
        game.player.type(PACK)  # the file name field has the focus
        game.player.key("Return")
        game.gone(dialog)

    def test_a_pack_is_appended_once_and_deleted(self):
        game = self.start_game()
        table_before = game.files.table_now()
        pack = self.make_pack(game, "Новый вопрос")
        self.choose_pack(game)
        game.answer_box(INFO_TITLE)

        table = game.files.table_now()
        self.assertEqual(len(table), len(table_before) + len(pack))
        self.assertTrue(all(a.same_as(b) for a, b in zip(table, table_before)), "the table's own questions changed")
        self.assertTrue(all(a.same_as(b) for a, b in zip(table[len(table_before):], pack)), "the pack's questions")
        self.assertFalse(os.path.exists(os.path.join(game.files.folder, PACK)), "the merged pack is still there")
        merged = read_ini(game.files.clips_file)["common"]["addfaq-1-4"]
        self.assertIn(PACK, merged.split(";"))

        self.make_pack(game, "Ещё вопрос")
        self.choose_pack(game)
        game.answer_box("Ошибка")  # "Эта порция вопросов уже загружена!"
        self.assertEqual(len(game.files.table_now()), len(table))
        self.assertTrue(os.path.exists(os.path.join(game.files.folder, PACK)), "a refused pack was deleted")
        game.exit()
