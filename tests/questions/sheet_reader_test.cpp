// Splitting a sheet into rows and cells as spreadsheets save it, every
// character keeping the line and column it was written at.
#include "sheet_reader.h"
#include "storage/app_error.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

QStringList cellTexts(const SheetRow& row) {
    QStringList texts;
    for (const SheetCell& cell : row.cells)
        texts << cell.text;
    return texts;
}

TEST(SheetReader, SplitsRowsAtLineEndsAndCellsAtTabs) {
    const auto rows = SheetReader::Read("a\tb\r\n\tc\t\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(cellTexts(rows[0]), QStringList({"a", "b"}));
    EXPECT_EQ(cellTexts(rows[1]), QStringList({"", "c", ""}));
    EXPECT_EQ(rows[1].line, 2);
}

TEST(SheetReader, AQuotedCellHoldsTabsLineBreaksAndDoubledQuotes) {
    const auto rows = SheetReader::Read("\"a\tb\r\nc \"\"d\"\"\"\te\nf\n");
    ASSERT_EQ(rows.size(), 2u);
    EXPECT_EQ(cellTexts(rows[0]), QStringList({"a\tb\nc \"d\"", "e"}));
    EXPECT_EQ(rows[1].line, 3);
    EXPECT_TRUE(rows[0].problems.isEmpty());
}

TEST(SheetReader, EveryCharacterKeepsItsLineAndColumn) {
    const SheetCell cell = SheetReader::Read("x\t\"a\r\n\"\"b\"\n").at(0).cells.at(1);
    ASSERT_EQ(cell.text, "a\n\"b");
    const std::vector<std::pair<int, int>> expected{{1, 4}, {1, 5}, {2, 1}, {2, 3}};
    ASSERT_EQ(cell.places.size(), expected.size());
    for (size_t at = 0; at < expected.size(); ++at) {
        EXPECT_EQ(cell.places[at].line, expected[at].first) << at;
        EXPECT_EQ(cell.places[at].column, expected[at].second) << at;
    }
}

TEST(SheetReader, ACharacterBeyondSixteenBitsTakesOneColumn) {
    const SheetCell cell = SheetReader::Read("😀x").at(0).cells.at(0);
    ASSERT_EQ(cell.places.size(), 3u);
    EXPECT_EQ(cell.places[1].column, 1);
    EXPECT_EQ(cell.places[2].column, 2);
}

TEST(SheetReader, AByteOrderMarkIsNoPartOfTheFirstCell) {
    const SheetCell cell = SheetReader::Read("\xEF\xBB\xBFlevel\tq").at(0).cells.at(0);
    EXPECT_EQ(cell.text, "level");
    EXPECT_EQ(cell.places[0].column, 1);
}

TEST(SheetReader, ARowWithOnlyEmptyCellsIsEmpty) {
    const auto rows = SheetReader::Read("\t\t\n\"\"\n\" \"\n");
    ASSERT_EQ(rows.size(), 3u);
    EXPECT_TRUE(rows[0].isEmpty());
    EXPECT_TRUE(rows[1].isEmpty());
    EXPECT_FALSE(rows[2].isEmpty());
}

TEST(SheetReader, NamesEveryLineThatIsNotUtf8) {
    try {
        SheetReader::Read("ok\n\xC3\n\xFF\xFE\nok\n\x80");
        FAIL() << "read";
    } catch (const AppError& error) {
        EXPECT_EQ(error.text(), "line 2: the text is not valid UTF-8\n"
                                "line 3: the text is not valid UTF-8\n"
                                "line 5: the text is not valid UTF-8");
    }
}

} // namespace
