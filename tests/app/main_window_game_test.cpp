// A game played through the main window's handlers, as the player and the
// clock would trigger them, on a machine of fakes.
#include "game_window_fixture.h"

#include "app/game_rules.h"
#include "app/ladder_bar.h"
#include "controls/progress_bar.h"
#include "platform/game_timer.h"

#include <QAction>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QToolButton>

namespace {

int notesFor(int amount)
{
    int notes = 0;
    for (const BanknoteRun& run : banknoteRuns(amount))
        notes += run.count;
    return notes;
}

TEST_F(GameWindowTest, AFirstGameGreetsWithTheLoanAndIsWonToTheMillion)
{
    m_fakes.dialogs.inputAnswers = {QStringLiteral("Вася"), QStringLiteral("Москва")};
    m_form->NewGame();
    ASSERT_TRUE(m_fakes.dialogs.shown.contains(
        "info: Привет Zambrel! Вася \rДаю тебе 100 рублей на раскрутку.\rНе забудь вернуть!"));
    EXPECT_EQ(m_fakes.dialogs.shown.first(), "input: Zambrel!|Как тебя называть?|Василий Пупкин");
    EXPECT_EQ(state().Balance, 100);
    EXPECT_EQ(state().GameNo, 1);

    climbTo(0);
    EXPECT_TRUE(m_messages.contains(
        "Этого не может быть, но это произошло! ТЫ ПОБЕДИТЕЛЬ!!!|#800000|#ffffff"));
    EXPECT_TRUE(m_messages.contains("1000 рублей, уже навсегда останется с Вами!|#00ff00|#000000"));
    EXPECT_TRUE(m_messages.contains("32000 рублей, уже навсегда останется с Вами!|#00ff00|#000000"));
    EXPECT_EQ(m_boards.last(), "Выигрыш: 1000000 руб!");
    EXPECT_EQ(state().Balance, 1000000);  // the 100 roubles lent are given back
    EXPECT_EQ(waitsOf(50), notesFor(1000) + notesFor(31000) + notesFor(968000));
    EXPECT_FALSE(m_fakes.dialogs.shown.last().startsWith("ask:"));

    EXPECT_EQ(IniReadInt(results(), "Вася", "Состояние", 0), 1000000);
    EXPECT_EQ(IniReadInt(results(), "Вася", "Игра", 0), 1);
    EXPECT_EQ(IniReadStr(results(), "Вася", "Инфо", ""), "vasya;vasya;studio");
    EXPECT_EQ(IniReadStr(results(), "Вася", "Место", ""), "Москва");
    EXPECT_EQ(IniReadStr(results(), "Вася", "DT", ""), "08.12.2026 12:00");
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Состояние", 0), 1000000);
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Игра", 0), 1);
    EXPECT_EQ(m_settings.ReadSettingStr(SettingsSection, "Игрок", ""), "Вася");
    EXPECT_EQ(state().Level, 0);
    EXPECT_TRUE(m_form->idleAndPollTimer->isEnabled());
    EXPECT_EQ(m_form->idleAndPollTimer->interval(), 300000);
}

TEST_F(GameWindowTest, AWrongAnswerAtLevelThreeLosesATenthOfTheBalance)
{
    knownPlayer("Вася", 1000, 4);
    m_form->NewGame();
    EXPECT_EQ(state().GameNo, 5);
    climbTo(3);
    answerWrong();
    EXPECT_EQ(m_boards.last(), "Проигрыш: -100 руб!");
    EXPECT_EQ(state().Balance, 900);
    EXPECT_EQ(IniReadInt(results(), "Вася", "Состояние", 0), 900);
    EXPECT_EQ(IniReadInt(results(), "Вася", "Игра", 0), 5);
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("ask: Вася! Cыграем еще?"));
    EXPECT_TRUE(state().PlayerName.isEmpty());  // "No": the next game asks again
    EXPECT_FALSE(m_form->answerButtons[0]->isVisible());
    EXPECT_FALSE(m_form->takeMoneyAction->isEnabled());
}

TEST_F(GameWindowTest, TheWrongAnswerShowsItsMessageAndTheRightAnswerTurnsGreen)
{
    knownPlayer("Вася", 1000, 4);
    m_form->NewGame();
    const int right = state().RightAnswer;
    const int wrong = right % 4 + 1;
    m_form->answer(wrong);
    EXPECT_EQ(m_form->answerButtons[wrong - 1]->gradColor(), QColor(0xFF, 0x00, 0x00));
    EXPECT_EQ(m_form->answerButtons[right - 1]->gradColor(), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(m_messages.first(), "Эх ты, вундеркинд! Проиграл!|#8080ff|#ffffff");
    EXPECT_TRUE(m_fakes.sound.played.contains("oshibka.wav"));
}

TEST_F(GameWindowTest, TheThinkingTimeRunsOutAtLevelEight)
{
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    climbTo(8);
    EXPECT_EQ(m_form->thinkingTimer->interval(), 1000);
    for (int tick = 0; tick < 99; ++tick)
        m_form->thinkingTick();
    EXPECT_TRUE(m_form->thinkingTimer->isEnabled());
    m_form->thinkingTick();
    EXPECT_TRUE(m_messages.contains("Игра окончена, Ваше время истекло!|#ffffff|#000000"));
    EXPECT_EQ(m_boards.last(), "Выигрыш: 1000 руб!");
    EXPECT_EQ(state().Balance, 6000);
}

TEST_F(GameWindowTest, TakingTheMoneyAtLevelTwelveRainsTheNotesNotShownYet)
{
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    climbTo(13);
    EXPECT_EQ(state().Winnings, 125000);
    const int notesBefore = waitsOf(50);
    m_form->takeMoney();
    EXPECT_EQ(waitsOf(50) - notesBefore, notesFor(93000));
    EXPECT_EQ(m_boards.last(), "Выигрыш: 125000 руб!");
    EXPECT_EQ(state().Balance, 130000);
    EXPECT_TRUE(m_fakes.sound.played.contains("true.wav to end"));
}

TEST_F(GameWindowTest, TakingTheMoneyBeforeAnyRightAnswerDoesNothing)
{
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    m_form->takeMoney();
    EXPECT_EQ(state().Level, 1);
    EXPECT_TRUE(m_boards.isEmpty());
}

// The tease is chosen by the level: "А подсказкой воспользоваться не хотите?" at 7.
TEST_F(GameWindowTest, TheFifthClickAboveLevelFiveIsATeaseAndNotAnAnswer)
{
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    climbTo(7);
    state().ClickCount = 4;
    m_form->thinkingBar->setPosition(40);
    const int bookedBefore = m_boards.size();
    answerWrong();
    EXPECT_EQ(m_messages.last(), "А подсказкой воспользоваться не хотите?|#0000ff|#ffff00");
    EXPECT_EQ(state().Level, 7);
    EXPECT_EQ(m_form->thinkingBar->position(), 0);
    EXPECT_TRUE(m_form->thinkingTimer->isEnabled());
    EXPECT_EQ(m_boards.size(), bookedBefore);
    EXPECT_TRUE(m_fakes.sound.played.contains("MILLION.wav to end"));
}

TEST_F(GameWindowTest, TheFifthClickAtLevelsOneToFiveIsJudgedWithItsPraise)
{
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    state().ClickCount = 4;
    answerRight();
    EXPECT_EQ(m_messages.last(), "В е р н о!|#ff0000|#ffffff");
    EXPECT_EQ(state().Level, 2);
}

TEST_F(GameWindowTest, EveryFourteenthAnswerBreaksForAdvertisingAndTheCountRunsOn)
{
    knownPlayer("Вася", 5000, 3);
    m_settings.WriteSettingInt(SettingsSection, "Реклама", 13);
    startProgram();
    m_form->NewGame();
    answerRight();
    EXPECT_EQ(m_messages.first(),
              "А правильный это ответ или нет, Вы узнаете после РЕКЛАМЫ!|#ffff00|#000000");
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Реклама", 5), 0);
    answerRight();
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Реклама", 5), 1);
}

TEST_F(GameWindowTest, PauseHoldsBackTheNextQuestionUntilPressedAgain)
{
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    m_form->togglePause();
    EXPECT_EQ(m_fakes.dialogs.shown.last(),
              "info: После ответа на вопрос программа перейдет в режим паузы!");
    EXPECT_EQ(m_form->pauseButton->toolTip(), "Программа находится в режиме ПАУЗЫ");
    answerRight();
    EXPECT_EQ(state().Level, 2);
    EXPECT_FALSE(m_form->questionText->isVisible());
    EXPECT_FALSE(m_form->thinkingTimer->isEnabled());
    EXPECT_TRUE(m_form->isMinimized());

    m_form->togglePause();
    EXPECT_TRUE(m_form->questionText->isVisible());
    EXPECT_TRUE(m_form->questionText->toPlainText().startsWith("Вопрос 2."));
    EXPECT_TRUE(m_form->thinkingTimer->isEnabled());
    EXPECT_EQ(m_form->pauseButton->toolTip(), "Устал? Нажми и отдохни, будет ПАУЗА");
}

TEST_F(GameWindowTest, PausePressedTwiceBeforeAnsweringShowsAnotherQuestionWithFullTime)
{
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    const QString first = m_form->questionText->toPlainText();
    m_form->thinkingBar->setPosition(30);
    m_form->togglePause();
    m_form->togglePause();
    EXPECT_NE(m_form->questionText->toPlainText(), first);
    EXPECT_EQ(m_form->thinkingBar->position(), 0);
    EXPECT_EQ(state().Level, 1);
}

TEST_F(GameWindowTest, PauseWhileNoGameRunsDoesNothing)
{
    m_form->togglePause();
    EXPECT_FALSE(state().Paused);
    EXPECT_TRUE(m_fakes.dialogs.shown.isEmpty());
}

TEST_F(GameWindowTest, ANewGameInTheMiddleOfAGameBooksNothing)
{
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    climbTo(7);
    m_form->NewGame();
    EXPECT_EQ(state().Level, 1);
    EXPECT_EQ(IniReadInt(results(), "Вася", "Состояние", 0), 5000);
    EXPECT_EQ(IniReadInt(results(), "Вася", "Игра", 0), 3);
    EXPECT_TRUE(m_boards.filter("руб!").isEmpty());
}

TEST_F(GameWindowTest, APlayerWithoutMoneyIsRefused)
{
    knownPlayer("Вася", 0, 4);
    m_settings.WriteSettingInt(SettingsSection, "Игра", 4);
    m_form->NewGame();
    EXPECT_EQ(m_fakes.dialogs.shown.last(), "info: Вася\rТы БАНКРОТ!!\rАзартные игры не для тебя!");
    EXPECT_FALSE(m_form->questionText->isVisible());
    EXPECT_EQ(state().Level, 0);
    EXPECT_FALSE(m_form->idleAndPollTimer->isEnabled());

    // No game runs: the pause, pressed twice, sets up no question for him.
    m_form->pauseButton->click();
    m_form->pauseButton->click();
    EXPECT_FALSE(m_form->questionText->isVisible());
    EXPECT_FALSE(m_form->answerButtons[0]->isVisible());
    EXPECT_FALSE(m_form->thinkingTimer->isEnabled());
    m_form->answer(1);
    EXPECT_TRUE(m_boards.isEmpty());
    EXPECT_EQ(IniReadInt(results(), "Вася", "Состояние", -1), 0);
    EXPECT_EQ(IniReadInt(results(), "Вася", "Игра", -1), 4);
}

TEST_F(GameWindowTest, AnEmptyCityAfterTenGamesBecomesTheComputerName)
{
    IniWriteInt(results(), "Вася", "Состояние", 500);
    IniWriteInt(results(), "Вася", "Игра", 10);
    IniWriteStr(results(), "Вася", "DT", "01.12.2026 09:30");
    m_settings.WriteSettingStr(SettingsSection, "Игрок", "Вася");
    m_form->NewGame();
    EXPECT_EQ(state().PlayerCity, "studio");
    EXPECT_EQ(IniReadStr(results(), "Вася", "Место", ""), "studio");
}

TEST_F(GameWindowTest, ANewGameMarksRowOneAndSweepsTheLadder)
{
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    for (int level = 1; level <= 15; ++level) {
        const QLineEdit* row = m_form->ladder->row(level);
        EXPECT_EQ(row->text()[4], level == 1 ? u'>' : u'-') << level;
        const QColor expected = level == 1 ? QColor(0xFF, 0xFF, 0xAA)
                                : (level == 5 || level == 10 || level == 15) ? QColor(0xFF, 0xFF, 0x97)
                                                                             : QColor(0xFF, 0x9D, 0x6F);
        EXPECT_EQ(row->palette().color(QPalette::Text), expected) << level;
        EXPECT_EQ(row->palette().color(QPalette::Base),
                  level == 1 ? QColor(0xFF, 0x68, 0x20) : QColor(0, 0, 0)) << level;
    }
}

TEST_F(GameWindowTest, TheQuestionIsShownDecodedAndItsRecordRotated)
{
    knownPlayer("Вася", 5000, 3);
    m_fakes.random.draws = {0};
    m_form->NewGame();
    EXPECT_EQ(m_form->questionText->toPlainText(), "Вопрос 1.1?");
    EXPECT_EQ(m_form->answerButtons[0]->caption(), "A.  Ответ А1");
    EXPECT_EQ(m_form->answerButtons[3]->caption(), "D.  Ответ Г1");
    EXPECT_EQ(state().RightAnswer, 1);
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "1", -1), 1);
    EXPECT_EQ(m_settings.ReadSettingInt(SettingsSection, "Rec1", -1), 1);

    // The same level next game: the next question; its predecessor rotated.
    m_form->NewGame();
    EXPECT_EQ(m_form->questionText->toPlainText(), "Вопрос 1.2?");
    m_form->NewGame();
    EXPECT_EQ(m_form->questionText->toPlainText(), "Вопрос 1.1?");
    EXPECT_EQ(m_form->answerButtons[1]->caption(), "B.  Ответ А1");
    EXPECT_EQ(m_form->answerButtons[0]->caption(), "A.  Ответ Г1");
    EXPECT_EQ(state().RightAnswer, 2);
}

TEST_F(GameWindowTest, TheHolidayBoardGreetsOnFourteenthJanuary2001Only)
{
    knownPlayer("Вася", 5000, 3);
    m_fakes.clock.current = QDateTime(QDate(2001, 1, 14), QTime(20, 0));
    IniWriteStr(results(), "Вася", "DT", "13.01.2001 10:00");
    m_form->NewGame();
    climbTo(5);
    answerRight();
    EXPECT_TRUE(m_boards.contains("* С Новым годом! *"));

    m_boards.clear();
    m_fakes.clock.current = QDateTime(QDate(2001, 1, 15), QTime(20, 0));
    m_form->NewGame();
    climbTo(5);
    answerRight();
    EXPECT_TRUE(m_boards.contains("* 1000 *"));
    EXPECT_FALSE(m_boards.contains("* С Новым годом! *"));
}

TEST_F(GameWindowTest, TheWaitsOfARightAnswerAreAskedForAndNotSlept)
{
    knownPlayer("Вася", 5000, 3);
    m_fakes.sound.playable = false;
    m_form->NewGame();
    m_fakes.waiter.waits.clear();
    answerRight();
    // Half a second after the click, two seconds in place of the praise sound.
    EXPECT_EQ(m_fakes.waiter.waits, std::vector<int>({500, 2000}));
}

TEST_F(GameWindowTest, ALevelWithoutQuestionsEndsTheGameUnbooked)
{
    writeQuestionTable(dataFile("TULIP.DBF"),
                       "level\tquestion\tA\tB\tC\tD\tright\n2\tВопрос?\tа\tб\tв\tг\tA\n");
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith(
        "error: В таблице вопросов нет ни одного вопроса 1-го уровня."));
    EXPECT_EQ(state().Level, 0);
    EXPECT_FALSE(m_form->questionText->isVisible());
    EXPECT_EQ(IniReadInt(results(), "Вася", "Состояние", 0), 5000);
}

TEST_F(GameWindowTest, AQuestionWithoutAValidRightAnswerEndsTheGameUnbooked)
{
    DbfTable table;
    table.SetDatabaseName(m_fakes.services.paths.dataFolder);
    table.SetTableName("TULIP.DBF");
    table.OpenTable();
    for (; !table.AtEnd(); table.GoNext()) {
        table.BeginEdit();
        table.SetInteger("ZN", table.GetInteger("NN") == 1 ? 7 : 1);
        table.PostRecord();
        table.UnlockRecords();
    }
    table.CloseTable();
    knownPlayer("Вася", 5000, 3);
    m_form->NewGame();
    EXPECT_TRUE(m_fakes.dialogs.shown.last().startsWith("error: Вопрос "));
    EXPECT_EQ(state().Level, 0);
    EXPECT_FALSE(m_form->answerButtons[0]->isVisible());
}

} // namespace
