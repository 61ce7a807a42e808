// A question table the game cannot use ends the game at once, unbooked:
// no question is shown, no click is judged, no money moves.
#include "game_window_fixture.h"

#include "platform/game_timer.h"

#include <QAction>
#include <QDir>
#include <QFile>
#include <QPlainTextEdit>
#include <QRegularExpression>
#include <QTest>

#include <unistd.h>

namespace {

class BrokenQuestionTableTest : public GameWindowTest {
protected:
    QString table() const { return dataFile(QStringLiteral("TULIP.DBF")); }

    void cutTableTo(qint64 bytes)
    {
        QFile file(table());
        ASSERT_TRUE(file.resize(bytes));
    }

    // The player starts a game and, whatever happens, clicks "A" fifteen times.
    void playFifteenClicksOnA()
    {
        knownPlayer(QStringLiteral("Вася"), 5000, 3);
        m_form->resize(800, 600);
        m_form->newGameAction->trigger();
        for (int click = 0; click < 15; ++click)
            QTest::mouseClick(m_form->answerButtons[0], Qt::LeftButton);
    }

    void expectTheGameEndedUnbooked()
    {
        EXPECT_EQ(state().Level, 0);
        EXPECT_FALSE(m_form->questionText->isVisible());
        for (TGradButton* button : m_form->answerButtons)
            EXPECT_FALSE(button->isVisible());
        EXPECT_FALSE(m_form->takeMoneyAction->isEnabled());
        EXPECT_TRUE(m_messages.isEmpty()) << m_messages.join(u'\n').toStdString();
        EXPECT_TRUE(m_boards.isEmpty());
        EXPECT_EQ(IniReadInt(results(), "Вася", "Состояние", 0), 5000);
        EXPECT_EQ(IniReadInt(results(), "Вася", "Игра", 0), 3);
        EXPECT_EQ(IniReadStr(results(), "Вася", "DT", ""), "07.12.2026 10:00");
        const QStringList errors = m_fakes.dialogs.shown.filter(QRegularExpression("^(error|runtime): "));
        ASSERT_EQ(errors.size(), 1) << m_fakes.dialogs.shown.join(u'\n').toStdString();
        EXPECT_TRUE(errors.first().endsWith("Игра окончена без подсчёта результата."))
            << errors.first().toStdString();
        EXPECT_TRUE(m_form->idleAndPollTimer->isEnabled());
    }
};

TEST_F(BrokenQuestionTableTest, AMissingTableEndsTheGameUnbooked)
{
    ASSERT_TRUE(QFile::remove(table()));
    playFifteenClicksOnA();
    expectTheGameEndedUnbooked();
}

TEST_F(BrokenQuestionTableTest, AnEmptyTableFileEndsTheGameUnbooked)
{
    cutTableTo(0);
    playFifteenClicksOnA();
    expectTheGameEndedUnbooked();
}

TEST_F(BrokenQuestionTableTest, ATableCutInItsHeaderEndsTheGameUnbooked)
{
    cutTableTo(20);
    playFifteenClicksOnA();
    expectTheGameEndedUnbooked();
}

TEST_F(BrokenQuestionTableTest, AFolderInPlaceOfTheTableEndsTheGameUnbooked)
{
    ASSERT_TRUE(QFile::remove(table()));
    ASSERT_TRUE(QDir().mkdir(table()));
    playFifteenClicksOnA();
    expectTheGameEndedUnbooked();
}

TEST_F(BrokenQuestionTableTest, ATableThePlayerCannotWriteEndsTheGameUnbooked)
{
    if (::geteuid() == 0)
        GTEST_SKIP() << "the superuser writes read-only files";
    ASSERT_TRUE(QFile::setPermissions(table(), QFileDevice::ReadOwner));
    playFifteenClicksOnA();
    expectTheGameEndedUnbooked();
}

TEST_F(BrokenQuestionTableTest, ARightAnswerThatIsNoNumberEndsTheGameUnbooked)
{
    // Another program wrote letters into the numeric field of the right answer.
    QFile file(table());
    ASSERT_TRUE(file.open(QIODevice::ReadWrite));
    QByteArray bytes = file.readAll();
    const auto word = [&bytes](int at) { return quint8(bytes[at]) | quint8(bytes[at + 1]) << 8; };
    const int headerLength = word(8);
    const int recordLength = word(10);
    int offset = 1;  // after the deletion flag
    int width = 0;
    for (int field = 32; bytes[field] != '\r'; field += 32) {
        width = quint8(bytes[field + 16]);
        if (bytes.mid(field, 3) == QByteArray("ZN\0", 3))
            break;
        offset += width;
    }
    for (int record = headerLength; record + recordLength <= bytes.size(); record += recordLength)
        bytes.replace(record + offset, width, QByteArray(width, 'X'));
    ASSERT_TRUE(file.seek(0));
    ASSERT_EQ(file.write(bytes), bytes.size());
    file.close();

    playFifteenClicksOnA();
    expectTheGameEndedUnbooked();
}

// The same holds for a question further up the ladder: the game reached
// stays unbooked and nothing more is judged.
TEST_F(BrokenQuestionTableTest, ATableThatBreaksInTheMiddleOfAGameEndsItUnbooked)
{
    knownPlayer(QStringLiteral("Вася"), 5000, 3);
    m_form->resize(800, 600);
    m_form->newGameAction->trigger();
    climbTo(3);
    m_messages.clear();
    m_boards.clear();
    m_fakes.dialogs.shown.clear();
    IniWriteStr(results(), "Вася", "DT", "07.12.2026 10:00");
    ASSERT_TRUE(QFile::remove(table()));
    QTest::mouseClick(m_form->answerButtons[state().RightAnswer - 1], Qt::LeftButton);
    m_messages.clear();  // the praise of the answer given before the table broke
    m_boards.clear();
    IniWriteStr(results(), "Вася", "DT", "07.12.2026 10:00");
    for (int click = 0; click < 15; ++click)
        QTest::mouseClick(m_form->answerButtons[0], Qt::LeftButton);
    expectTheGameEndedUnbooked();
}

} // namespace
