// The question table after its writes are cut short at any of their steps,
// or killed at any moment: a question round's rewrite of a record and a
// pack import appending records. The table the game opens is always whole:
// the header and its fields as they were, each record its old self or its
// new one, never a part of each. (The system may stop a killed write between
// two pages of the file; the record kept beside the table lets the next copy
// of the game to open it finish the write.) The import goes record by record
// (other copies of the game may play meanwhile), so a cut import keeps the
// records appended before the cut; its header may lag one record behind the
// file, whose size counts, until the next write of the table.
#include "app/game_rules.h"
#include "question_sheet.h"
#include "question_table_writer.h"
#include "questions/dbf_table.h"
#include "stress/table_image.h"
#include "stress/write_cut.h"
#include "support/qt_printers.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <random>
#include <stdexcept>

namespace {

constexpr int Questions = 10;
constexpr int PackQuestions = 12;

QByteArray sheet(const QString& name, int count)
{
    QByteArray text = "level\tquestion\tA\tB\tC\tD\tright\n";
    for (int n = 1; n <= count; ++n)
        text += QStringLiteral("%1\t%2 %3?\tА%3\tБ%3\tВ%3\tГ%3\t%4\n")
                    .arg(n % 15 + 1)
                    .arg(name)
                    .arg(n)
                    .arg(QChar(u'A' + n % 4))
                    .toUtf8();
    return text;
}

void openTable(DbfTable& table, const QString& path)
{
    table.SetDatabaseName(QFileInfo(path).absolutePath());
    table.SetTableName(QFileInfo(path).fileName());
    table.OpenTable();
}

// The question round's rewrite of a record: its answers moved on one place.
void moveAnswersOn(const QString& path, int record)
{
    DbfTable table;
    table.SetLockProtocol(LockProtocol::ClipLock);
    openTable(table, path);
    table.Skip(record - 1);
    if (!table.LockRecord())
        throw std::runtime_error("the record is held by another copy");
    table.BeginEdit();
    std::array<QByteArray, 4> answers;
    for (int i = 0; i < 4; ++i)
        answers[size_t(i)] = table.GetText(QStringLiteral("A%1").arg(i + 1));
    const RotatedAnswers rotated = rotateAnswers(answers, table.GetInteger(QStringLiteral("ZN")));
    for (int i = 0; i < 4; ++i)
        table.SetText(QStringLiteral("A%1").arg(i + 1), rotated.answers[size_t(i)]);
    table.SetInteger(QStringLiteral("ZN"), rotated.rightAnswer);
    table.PostRecord();
    table.UnlockRecords();
}

// The pack import: every record of the pack appended to the question table.
void importPack(const QString& path, const QString& packPath)
{
    DbfTable pack;
    DbfTable questions;
    questions.SetLockProtocol(LockProtocol::ClipLock);
    openTable(pack, packPath);
    openTable(questions, path);
    for (; !pack.AtEnd(); pack.GoNext())
        pack.AppendCopyTo(questions);
}

// Every field of every record reads through the game's own table.
void readsThroughTheGame(const QString& path, int records)
{
    DbfTable table;
    table.SetUseDeleted(true);
    openTable(table, path);
    int read = 0;
    for (; !table.AtEnd(); table.GoNext(), ++read) {
        for (const char* field : {"QQ", "A1", "A2", "A3", "A4"})
            EXPECT_FALSE(table.GetText(QString::fromLatin1(field)).isEmpty()) << field;
        EXPECT_GE(table.GetInteger(QStringLiteral("NN")), 1);
        EXPECT_GE(table.GetInteger(QStringLiteral("ZN")), 1);
    }
    EXPECT_EQ(read, records);
}

class TableWriteCut : public ::testing::Test {
protected:
    void SetUp() override
    {
        const QDateTime written(QDate(2026, 1, 1), QTime(0, 0));
        QuestionTableWriter::Write(m_path, QuestionSheet::Parse(sheet("Вопрос", Questions)),
                                   written);
        QuestionTableWriter::Write(m_packPath,
                                   QuestionSheet::Parse(sheet("Новый", PackQuestions)), written);
        m_bytes = readFile(m_path);
        QString why;
        m_original = TableImage::Read(m_path, why);
        m_pack = TableImage::Read(m_packPath, why);
        ASSERT_TRUE(m_original && m_pack) << why.toStdString();
    }

    static QByteArray readFile(const QString& path)
    {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
    }
    // The table as it was before a cut write, with nothing left of the write.
    void restore(const QByteArray& bytes) const
    {
        for (const QString& name : writesLeft())
            QFile::remove(m_dir.filePath(name));
        QFile file(m_path);
        ASSERT_TRUE(file.open(QIODevice::WriteOnly | QIODevice::Truncate));
        ASSERT_EQ(file.write(bytes), bytes.size());
    }
    // What cut writes left beside the table for the next copy to finish.
    QStringList writesLeft() const
    {
        return QDir(m_dir.path()).entryList({QStringLiteral(".TULIP.DBF.*")},
                                            QDir::Files | QDir::Hidden);
    }
    std::optional<TableImage> image() const
    {
        QString why;
        std::optional<TableImage> now = TableImage::Read(m_path, why);
        EXPECT_TRUE(now) << why.toStdString();
        return now;
    }
    // The table holds its questions with the answers of each moved on the
    // places of `moves` or, for `either`, one place more, as the cut left it;
    // the same once the game opened the table and finished what was left.
    void expectMoved(const std::vector<int>& moves, int either = -1) const
    {
        expectImageMoved(moves, either);
        readsThroughTheGame(m_path, Questions);
        expectImageMoved(moves, either);
        EXPECT_EQ(writesLeft(), QStringList());
    }
    void expectImageMoved(std::vector<int> moves, int either) const
    {
        const std::optional<TableImage> now = image();
        ASSERT_TRUE(now);
        const QString asMoved = differenceFromRotated(*m_original, *now, moves);
        if (!asMoved.isEmpty() && either >= 0) {
            ++moves[size_t(either)];
            EXPECT_EQ(differenceFromRotated(*m_original, *now, moves), QString());
        } else {
            EXPECT_EQ(asMoved, QString());
        }
    }

    QTemporaryDir m_dir;
    QString m_path = m_dir.filePath(QStringLiteral("TULIP.DBF"));
    QString m_packPath = m_dir.filePath(QStringLiteral("faq01.dbf"));
    QByteArray m_bytes;
    std::optional<TableImage> m_original;
    std::optional<TableImage> m_pack;
};

TEST_F(TableWriteCut, ARecordRewriteCutAtAnyStepLeavesTheOldRecordOrTheNew)
{
    std::vector<int> moves(Questions, 0);
    int cuts = 0;
    for (int record = 1; record <= Questions; ++record) {
        const QByteArray before = readFile(m_path);
        cuts += cutAtEveryPoint([&] { moveAnswersOn(m_path, record); }, [&](bool cut) {
            moves[size_t(record - 1)] += cut ? 0 : 1;
            expectMoved(moves, cut ? record - 1 : -1);
            if (cut)
                restore(before);
        });
    }
    // Each rewrite: the record kept beside the table, the record, the header
    // and the kept record let go.
    EXPECT_EQ(cuts, 4 * Questions);
}

TEST_F(TableWriteCut, APackImportCutAtAnyStepKeepsWholeRecordsAndTheNextWriteCountsThem)
{
    const int cuts = cutAtEveryPoint([&] { importPack(m_path, m_packPath); }, [&](bool cut) {
        const std::optional<TableImage> now = image();
        ASSERT_TRUE(now);
        const int appended = now->recordCount() - Questions;
        ASSERT_GE(appended, 0);
        ASSERT_LE(appended, PackQuestions);
        if (!cut) {
            EXPECT_EQ(appended, PackQuestions);
        }
        EXPECT_EQ(now->headerWithoutStamps().mid(32), m_original->headerWithoutStamps().mid(32));
        for (int i = 0; i < Questions; ++i)
            EXPECT_EQ(now->record(i), m_original->record(i)) << "record " << i + 1;
        for (int i = 0; i < appended; ++i)
            EXPECT_EQ(now->record(Questions + i), m_pack->record(i)) << "appended " << i + 1;
        const int lag = now->recordCount() - int(now->countInHeader());
        EXPECT_TRUE(lag == 0 || (cut && lag == 1)) << "header lags " << lag;
        readsThroughTheGame(m_path, Questions + appended);
        // The next round's rewrite counts the records anew.
        moveAnswersOn(m_path, 1);
        EXPECT_EQ(image()->countInHeader(), quint32(Questions + appended));
        restore(m_bytes);
    });
    EXPECT_EQ(cuts, 2 * PackQuestions);
}

// Fifty kills at random moments of a game moving the answers of its
// questions on, one after the other, over and over.
TEST_F(TableWriteCut, RoundsKilledAtRandomMomentsLeaveEveryQuestionWhole)
{
    std::mt19937 random(20261208);
    std::uniform_int_distribution<int> delayUs(0, 4000);
    for (int kill = 0; kill < 50; ++kill) {
        const auto delay = std::chrono::microseconds(delayUs(random));
        const CutOutcome outcome = killAfter(delay, [&, next = 0]() mutable {
            moveAnswersOn(m_path, next++ % Questions + 1);
        });
        ASSERT_EQ(outcome, CutOutcome::Killed) << "kill " << kill;
        readsThroughTheGame(m_path, Questions);
        EXPECT_EQ(writesLeft(), QStringList()) << "kill " << kill;
        const std::optional<TableImage> now = image();
        ASSERT_TRUE(now) << "kill " << kill;
        EXPECT_EQ(now->headerWithoutStamps(), m_original->headerWithoutStamps()) << "kill " << kill;
        for (int i = 0; i < Questions; ++i)
            ASSERT_TRUE(rotationOf(m_original->answers(i), now->answers(i)))
                << "kill " << kill << ", record " << i + 1;
    }
}

} // namespace
