// The ranking rebuilt from the results file: the order of the players, the
// dropping of stale ones, and what a broken record does to the file.
#include "storage/app_error.h"
#include "storage/bounded_child.h"
#include "storage/ini_file.h"
#include "print_qt.h"
#include "records/ranking.h"
#include "results_builder.h"

#include <QFileInfo>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <climits>

#include <sys/stat.h>

namespace {

class RankingTest : public ::testing::Test {
protected:
    QString path() const { return m_dir.filePath("tulip.lst"); }
    void store(const QList<StoredPlayer>& players) {
        ASSERT_TRUE(writeBytes(path(), resultsBytes(players)));
    }
    QList<RankingRow> rebuild() const { return RebuildRanking(path(), TestToday); }
    bool stored(const QString& name) const {
        return IniReadStr(path(), name, "Инфо", "missing") != "missing";
    }
    // The error text of a rebuild that must fail.
    QString rebuildError() const {
        try {
            rebuild();
        } catch (const AppError& e) {
            return e.text();
        }
        return "no error";
    }

    QTemporaryDir m_dir;
};

QStringList scoresAndNames(const QList<RankingRow>& rows) {
    QStringList out;
    for (const RankingRow& row : rows)
        out.append(row.scoreText() + u' ' + row.name);
    return out;
}

StoredPlayer recent(const QString& name, int games, int money) {
    return {name, games, money, answeredDaysAgo(1), {}};
}

TEST_F(RankingTest, EqualScoresListThePlayerWhoseSectionComesLaterFirst) {
    store({recent("P", 3, 900), recent("Q", 2, 600), recent("R", 1, 100)});
    EXPECT_EQ(scoresAndNames(rebuild()), QStringList({"300 Q", "300 P", "100 R"}));
}

TEST_F(RankingTest, RowsCarryTheStoredValuesOfEachPlayer) {
    store({{"Вася", 4, 1003, "14.03.2024 09:05 утра", "Тула"}});
    const QList<RankingRow> rows = rebuild();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].score, 250);
    EXPECT_EQ(rows[0].games, 4);
    EXPECT_EQ(rows[0].money, 1003);
    EXPECT_EQ(rows[0].date, "14.03.2024 09:05 утра");
    EXPECT_EQ(rows[0].city, "Тула");
}

TEST_F(RankingTest, ScoreIsTheQuotientTruncatedTowardZeroAndZeroWithoutGames) {
    // Below the empty rows, a negative score is only shown when placed last.
    store({recent("NoGames", 0, 500), recent("Huge", -1, INT_MIN), recent("Minus", 2, -7)});
    EXPECT_EQ(scoresAndNames(rebuild()), QStringList({"2147483648 Huge", "0 NoGames", "-3 Minus"}));
}

TEST_F(RankingTest, APlayerWithoutGamesOrMoneyCountsNineRoublesInNineGames) {
    store({{"New", {}, {}, answeredDaysAgo(0), {}}});
    const QList<RankingRow> rows = rebuild();
    ASSERT_EQ(rows.size(), 1);
    EXPECT_EQ(rows[0].scoreText(), "1");
    EXPECT_EQ(rows[0].games, 9);
    EXPECT_EQ(rows[0].money, 9);
}

TEST_F(RankingTest, APlayerThirtyOneDaysPastHisLastRightAnswerIsErasedAtThirtyHeStays) {
    store({{"Stale", 1, 10, answeredDaysAgo(31), {}},
           {"Kept", 1, 20, answeredDaysAgo(30), {}},
           {"Future", 1, 30, answeredDaysAgo(-3), {}}});
    EXPECT_EQ(scoresAndNames(rebuild()), QStringList({"30 Future", "20 Kept"}));
    EXPECT_FALSE(stored("Stale"));
    EXPECT_TRUE(stored("Kept"));
}

TEST_F(RankingTest, APlayerWhoNeverAnsweredRightIsErasedAndTheRestOfTheFileKept) {
    store({recent("Before", 1, 10), {"NoDT", 5, 50, {}, "Омск"}, recent("After", 1, 20)});
    const QByteArray before = readBytes(path());
    EXPECT_EQ(scoresAndNames(rebuild()), QStringList({"20 After", "10 Before"}));
    QByteArray expected = before;
    expected.remove(before.indexOf("[NoDT]"), before.indexOf("[After]") - before.indexOf("[NoDT]"));
    EXPECT_EQ(readBytes(path()), expected);
}

TEST_F(RankingTest, ThirtyFivePlayersShowThirtySortedWithTheLastSectionAmongThem) {
    QList<StoredPlayer> players;
    for (int i = 0; i < 35; ++i)
        players.append(recent(QStringLiteral("P%1").arg(i), 1, 100 + i));
    players.back().money = 1;
    store(players);
    const QList<RankingRow> rows = rebuild();
    ASSERT_EQ(rows.size(), 30);
    EXPECT_EQ(rows.front().name, "P33");
    EXPECT_EQ(rows[28].name, "P5");
    EXPECT_EQ(rows.back().name, "P34");
    for (int i = 1; i < 29; ++i)
        EXPECT_GT(rows[i - 1].score, rows[i].score);
    for (const StoredPlayer& p : players)
        EXPECT_TRUE(stored(p.name)) << p.name.toStdString();
}

TEST_F(RankingTest, AMissingResultsFileIsAnEmptyRankingAndIsNotCreated) {
    EXPECT_TRUE(rebuild().isEmpty());
    EXPECT_FALSE(QFile::exists(path()));
}

TEST_F(RankingTest, AHeaderWithTextAfterItsBracketReadsAsNobodyAndStaysInTheFile) {
    ASSERT_TRUE(writeBytes(path(), resultsBytes({recent("A", 1, 10)}) + "[Spaced]  \r\nDT=" +
                                       answeredDaysAgo(0).toLatin1() + "\r\n"));
    const QByteArray before = readBytes(path());
    EXPECT_EQ(scoresAndNames(rebuild()), QStringList({"10 A"}));
    EXPECT_EQ(readBytes(path()), before);
}

TEST_F(RankingTest, AShortOrEmptyHeaderDoesNoHarm) {
    ASSERT_TRUE(writeBytes(path(), "[\r\n[]\r\nDT=" + answeredDaysAgo(0).toLatin1() + "\r\n"));
    EXPECT_TRUE(rebuild().isEmpty());
}

TEST_F(RankingTest, AStoredIntegerThatIsNoIntegerStopsTheRebuildKeepingEarlierErasures) {
    QList<StoredPlayer> players{{"Old", 1, 10, answeredDaysAgo(40), {}}, recent("Good", 1, 10)};
    ASSERT_TRUE(writeBytes(
        path(), resultsBytes(players) + cp1251::encode(QStringLiteral("[Broken]\r\nИгра=12\r\n")) +
                    resultsBytes({{"OldToo", 1, 10, {}, {}}, recent("Late", 2, 4)})));
    // "12" unscrambles to no digits at all.
    EXPECT_EQ(rebuildError(), QStringLiteral("'%1' is not a valid integer value")
                                  .arg(QString::fromLatin1(ScrambleText("12"))));
    EXPECT_FALSE(stored("Old"));
    EXPECT_TRUE(stored("Good"));
    EXPECT_TRUE(stored("OldToo"));
    EXPECT_TRUE(stored("Late"));
    EXPECT_EQ(IniReadInt(path(), "Late", "Состояние", 0), 4);
}

TEST_F(RankingTest, ADateThatIsNoDateStopsTheRebuildNamingItsFirstTenCharacters) {
    store({{"Old", 1, 10, answeredDaysAgo(40), {}},
           {"Bad", 1, 10, "31.02.2024 10:00", {}},
           recent("Good", 1, 10)});
    EXPECT_EQ(rebuildError(), "'31.02.2024' is not a valid date");
    EXPECT_FALSE(stored("Old"));
    EXPECT_TRUE(stored("Bad"));
    EXPECT_TRUE(stored("Good"));
}

TEST_F(RankingTest, AnEmptyDateIsNoDate) {
    store({{"Blank", 1, 10, "", {}}});
    EXPECT_EQ(rebuildError(), "'' is not a valid date");
}

TEST_F(RankingTest, AResultsFileThatCannotBeWrittenFailsTheRebuildOnlyWhenSomeoneIsErased) {
    store({recent("Fresh", 1, 10)});
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0444), 0);
    EXPECT_EQ(rebuild().size(), 1);
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0644), 0);
    store({{"Stale", 1, 10, answeredDaysAgo(31), {}}});
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0444), 0);
    EXPECT_EQ(rebuildError(), "Unable to write to " + path());
    EXPECT_TRUE(stored("Stale"));
}

TEST_F(RankingTest, DroppingAStalePlayerWritesThroughALinkToTheResultsFile) {
    const QString shared = m_dir.filePath("shared.lst");
    ASSERT_TRUE(writeBytes(shared, resultsBytes({{"Stale", 1, 10, answeredDaysAgo(40), {}},
                                                 recent("Fresh", 1, 10)})));
    ASSERT_TRUE(QFile::link(shared, path()));
    EXPECT_EQ(scoresAndNames(rebuild()), QStringList({"10 Fresh"}));
    EXPECT_TRUE(QFileInfo(path()).isSymLink());
    EXPECT_EQ(readBytes(shared), resultsBytes({recent("Fresh", 1, 10)}));
}

TEST_F(RankingTest, AnUnreadableResultsFileStopsTheRebuildAndIsNeverWritten) {
    if (runningAsRoot())
        GTEST_SKIP() << "permission bits do not keep root from reading";
    store({{"Stale", 1, 10, answeredDaysAgo(40), {}}, recent("Fresh", 1, 10)});
    const QByteArray before = readBytes(path());
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0), 0);
    EXPECT_EQ(rebuildError(), "Cannot open file " + path());
    ASSERT_EQ(::chmod(QFile::encodeName(path()).constData(), 0644), 0);
    EXPECT_EQ(readBytes(path()), before);
}

TEST_F(RankingTest, APipeInPlaceOfTheResultsFileStopsTheRebuildAtOnce) {
    ASSERT_EQ(::mkfifo(QFile::encodeName(path()).constData(), 0644), 0);
    EXPECT_TRUE(
        holdsInBoundedChild([&] { return rebuildError() == "Cannot open file " + path(); }));
}

} // namespace
