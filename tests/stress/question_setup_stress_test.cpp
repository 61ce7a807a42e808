// Two running copies of the game set up questions from one question table
// at the same time, each with its own settings, a thousand set-ups each.
// Every set-up moves the answers of its question on by one place in the
// table. The copies play in rounds of one game each (levels 1 to 15), both
// starting together, so that they meet on the same questions; each question
// is set up at most twice a round, so after every round the number of places
// each question moved on, modulo 4, must equal the number of its set-ups: a
// move undone by the other copy or skipped shows at once. What the players
// were shown must be whole questions, and no box may have been shown.
#include "question_sheet.h"
#include "question_table_writer.h"
#include "stress/table_image.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

namespace {

constexpr int Players = 2;
constexpr int Rounds = 67; // 67 games of 15 questions: 1005 set-ups a player
// Far more than a round takes even on a busy machine.
constexpr int RoundDeadlineMs = 30'000;

// Levels 1 to 5 hold one question, 6 to 10 two, 11 to 15 three, with the
// right answers spread over the four letters.
QByteArray sharedSheet()
{
    QByteArray sheet = "level\tquestion\tA\tB\tC\tD\tright\n";
    for (int level = 1; level <= 15; ++level)
        for (int n = 1; n <= (level + 4) / 5; ++n)
            sheet += QStringLiteral("%1\tВопрос %1.%2?\tОтвет А%1.%2\tОтвет Б%1.%2\tОтвет В%1.%2\t"
                                    "Ответ Г%1.%2\t%3\n")
                         .arg(level)
                         .arg(n)
                         .arg(QChar(u'A' + (level + n) % 4))
                         .toUtf8();
    return sheet;
}

struct ShownQuestion {
    int level = 0;
    int record = 0;
    StoredAnswers shown;
};

// One copy of the game, driven a round at a time.
class Player {
public:
    Player(const QString& dataFolder, const QString& home)
    {
        QDir().mkpath(home);
        m_process.setProgram(QStringLiteral(ZAMBREL_QUESTION_PLAYER));
        m_process.setArguments({dataFolder, home + QStringLiteral("/Zambrel.ini"), home});
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        m_process.start();
    }
    ~Player()
    {
        m_process.closeWriteChannel();
        if (!m_process.waitForFinished(5000))
            m_process.kill();
        m_process.waitForFinished(1000);
    }

    bool startRound()
    {
        m_setUps.clear();
        m_boxes.clear();
        m_done = false;
        // Written at once, not when this player is next waited for.
        return m_process.waitForStarted(5000) && m_process.write("play\n") == 5 &&
               m_process.waitForBytesWritten(5000);
    }
    // Reads what arrived within waitMs; true once the round is over.
    bool poll(int waitMs)
    {
        if (!m_done && !m_process.canReadLine())
            m_process.waitForReadyRead(waitMs);
        while (!m_done && m_process.canReadLine())
            take(QString::fromUtf8(m_process.readLine()).trimmed());
        return m_done;
    }
    bool finished() const { return m_process.state() == QProcess::NotRunning; }
    const std::vector<ShownQuestion>& setUps() const { return m_setUps; }
    const QStringList& boxes() const { return m_boxes; }

private:
    void take(const QString& line)
    {
        if (line == QStringLiteral("done")) {
            m_done = true;
        } else if (line.startsWith(QStringLiteral("box "))) {
            m_boxes.append(line.mid(4));
        } else {
            const QStringList words = line.split(u' ');
            if (words.size() != 8 || words[0] != QStringLiteral("setup")) {
                m_boxes.append(QStringLiteral("unreadable report: ") + line);
                return;
            }
            ShownQuestion setUp{words[1].toInt(), words[2].toInt(), {}};
            setUp.shown.right = words[3].toInt();
            for (int i = 0; i < 4; ++i)
                setUp.shown.answers[size_t(i)] = QByteArray::fromHex(words[4 + i].toLatin1());
            m_setUps.push_back(setUp);
        }
    }

    QProcess m_process;
    std::vector<ShownQuestion> m_setUps;
    QStringList m_boxes;
    bool m_done = false;
};

TEST(TwoCopiesOfTheGame, ShareTheQuestionTableWithoutLosingOrBreakingAQuestion)
{
    QTemporaryDir dir;
    const QString programFolder = dir.filePath(QStringLiteral("game")) + u'/';
    QDir().mkpath(programFolder);
    const QString tablePath = programFolder + QStringLiteral("TULIP.DBF");
    QuestionTableWriter::Write(tablePath, QuestionSheet::Parse(sharedSheet()),
                               QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
    QString why;
    const std::optional<TableImage> original = TableImage::Read(tablePath, why);
    ASSERT_TRUE(original) << why.toStdString();

    std::vector<std::unique_ptr<Player>> players;
    for (int p = 0; p < Players; ++p)
        players.push_back(
            std::make_unique<Player>(programFolder, dir.filePath(QStringLiteral("home%1").arg(p))));

    std::vector<int> setUpsOf(size_t(original->recordCount()), 0);
    int setUpsOfFirstPlayer = 0;
    for (int round = 1; round <= Rounds; ++round) {
        for (const auto& player : players)
            ASSERT_TRUE(player->startRound()) << "a player did not start";
        QElapsedTimer clock;
        clock.start();
        for (size_t p = 0; p < players.size();) {
            if (players[p]->poll(20))
                ++p;
            else
                ASSERT_FALSE(players[p]->finished() || clock.hasExpired(RoundDeadlineMs))
                    << "player " << p << " did not finish round " << round;
        }

        for (const auto& player : players) {
            ASSERT_EQ(player->boxes(), QStringList()) << "round " << round;
            ASSERT_EQ(player->setUps().size(), 15u) << "round " << round;
            for (const ShownQuestion& setUp : player->setUps()) {
                ASSERT_GE(setUp.record, 1) << "round " << round;
                ASSERT_LE(setUp.record, original->recordCount()) << "round " << round;
                ++setUpsOf[size_t(setUp.record - 1)];
                ASSERT_TRUE(rotationOf(original->answers(setUp.record - 1), setUp.shown))
                    << "round " << round << ": the player was shown a broken question "
                    << setUp.record;
            }
        }
        setUpsOfFirstPlayer += int(players.front()->setUps().size());
        const std::optional<TableImage> now = TableImage::Read(tablePath, why);
        ASSERT_TRUE(now) << "round " << round << ": " << why.toStdString();
        ASSERT_EQ(differenceFromRotated(*original, *now, setUpsOf), QString())
            << "after round " << round;
    }
    EXPECT_GE(setUpsOfFirstPlayer, 1000);
}

} // namespace
