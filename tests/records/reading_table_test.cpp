// The thirty rows of the ranking: each player enters at the bottom and climbs
// past every row whose score is not higher than his.
#include "print_qt.h"
#include "records/reading_table.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

RankingRow rowOf(const QString& name, qint64 score) {
    RankingRow row;
    row.name = name;
    row.score = score;
    return row;
}

QStringList namesOf(const QList<RankingRow>& rows) {
    QStringList names;
    for (const RankingRow& row : rows)
        names.append(row.name);
    return names;
}

TEST(ReadingTable, RowsAreOrderedByScoreAndOnATieThePlayerPlacedLaterStandsHigher) {
    ReadingTable<RankingRow> table;
    table.place(rowOf("P", 300));
    table.place(rowOf("Q", 300));
    table.place(rowOf("R", 100));
    table.place(rowOf("S", 500));
    table.place(rowOf("T", 100));
    EXPECT_EQ(namesOf(table.shownRows()), QStringList({"S", "Q", "P", "T", "R"}));
}

TEST(ReadingTable, AnEmptyTableShowsNothing) {
    EXPECT_TRUE(ReadingTable<RankingRow>().shownRows().isEmpty());
}

TEST(ReadingTable, AScoreOfZeroStandsAboveTheEmptyRowsAndBelowEveryHigherScore) {
    ReadingTable<RankingRow> table;
    table.place(rowOf("A", 7));
    table.place(rowOf("Zero", 0));
    table.place(rowOf("B", 1));
    EXPECT_EQ(namesOf(table.shownRows()), QStringList({"A", "B", "Zero"}));
}

TEST(ReadingTable, OnceFullEachNewPlayerPushesOutTheLowestSoFarAndTheLastPlacedIsAlwaysShown) {
    // Scores in a scrambled order; the last player placed has the lowest.
    QList<RankingRow> placed;
    for (int i = 0; i < 34; ++i)
        placed.append(rowOf(QStringLiteral("P%1").arg(i), 10 + (i * 13) % 34));
    placed.append(rowOf("Last", 1));
    ReadingTable<RankingRow> table;
    for (const RankingRow& row : placed)
        table.place(row);

    // The best 29 of all but the last, then the last one in its place.
    QList<RankingRow> expected = placed.mid(0, 34);
    std::stable_sort(expected.begin(), expected.end(),
                     [](const RankingRow& a, const RankingRow& b) { return a.score > b.score; });
    expected = expected.mid(0, 29);
    expected.append(placed.back());
    const QList<RankingRow> shown = table.shownRows();
    ASSERT_EQ(shown.size(), ReadingTable<RankingRow>::RowCount);
    EXPECT_EQ(namesOf(shown), namesOf(expected));
}

TEST(ReadingTable, ANegativeScoreStaysBelowTheEmptyRowsAndIsPushedOutByTheNextPlayer) {
    ReadingTable<RankingRow> table;
    table.place(rowOf("A", 5));
    table.place(rowOf("Minus", -3));
    EXPECT_EQ(namesOf(table.shownRows()), QStringList({"A", "Minus"}));
    table.place(rowOf("B", 2));
    EXPECT_EQ(namesOf(table.shownRows()), QStringList({"A", "B"}));
}

} // namespace
