// Reading and writing the fields of the current record.
#include "table_maker.h"
#include "table_test_support.h"

#include <gtest/gtest.h>

namespace {

TableMaker numbersTable() {
    return TableMaker({{"NN", 'N', 2}, {"MONEY", 'N', 6, 2}, {"NAME", 'C', 10}, {"ZN", 'N', 1}});
}

TEST(DbfTableFields, NumericTextLosesItsLeadingSpaces) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable().record({{" 3", "  1.50", "x", "4"}}).write(dir));
    EXPECT_EQ(table.GetText("NN"), "3");
    EXPECT_EQ(table.GetText("MONEY"), "1.50");
}

TEST(DbfTableFields, BlankNumberReadsAsZeroWithItsDecimals) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable().record({{"", "", "", ""}}).write(dir));
    EXPECT_EQ(table.GetText("NN"), "0");
    EXPECT_EQ(table.GetText("MONEY"), "0.00");
    EXPECT_EQ(table.GetInteger("MONEY"), 0);
}

TEST(DbfTableFields, GetIntegerCutsTheFractionTowardZero) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable()
                      .record({{"", "  3.90", "", ""}})
                      .record({{"", " -3.90", "", ""}})
                      .write(dir));
    EXPECT_EQ(table.GetInteger("MONEY"), 3);
    table.GoNext();
    EXPECT_EQ(table.GetInteger("MONEY"), -3);
}

TEST(DbfTableFields, TextStopsAtNulAndLosesTrailingSpaces) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable().record({{"1", "", QByteArray(" ab \0cd", 7), "1"}}).write(dir));
    EXPECT_EQ(table.GetText("NAME"), " ab");
}

TEST(DbfTableFields, FieldNamesMatchWithoutRegardToLetterCase) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable().record({{"7", "", "x", "1"}}).write(dir));
    EXPECT_EQ(table.GetInteger("nn"), 7);
    EXPECT_EQ(table.GetText("Name"), "x");
}

TEST(DbfTableFields, UnknownFieldNameNamesTheFileAndTheField) {
    QTemporaryDir dir;
    DbfTable table;
    const QString path = numbersTable().record({{"7", "", "x", "1"}}).write(dir);
    openAt(table, path);
    EXPECT_EQ(errorOf([&] { table.GetText("Q9"); }),
              "dBase field name is invalid - " + path.toUpper() + "->Q9");
}

TEST(DbfTableFields, GetIntegerOfATextFieldIsOfIncorrectType) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable().record({{"7", "", "x", "1"}}).write(dir));
    EXPECT_EQ(errorOf([&] { table.GetInteger("NAME"); }),
              "dBase field is of incorrect type - NAME");
}

TEST(DbfTableFields, GetIntegerOfANonNumberNamesTheFileAndTheField) {
    QTemporaryDir dir;
    DbfTable table;
    const QString path = numbersTable().record({{"x7", "", "", "1"}}).write(dir);
    openAt(table, path);
    const QString error = errorOf([&] { table.GetInteger("NN"); });
    EXPECT_TRUE(error.contains(path.toUpper() + "->NN")) << error.toStdString();
}

TEST(DbfTableFields, TextLongerThanTheFieldIsCutToIt) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable().record({{"1", "", "old", "1"}}).write(dir));
    table.BeginEdit();
    table.SetText("NAME", "0123456789ABCDEF");
    table.PostRecord();
    table.CloseTable();
    table.OpenTable();
    EXPECT_EQ(table.GetText("NAME"), "0123456789");
    EXPECT_EQ(table.GetInteger("ZN"), 1);
}

TEST(DbfTableFields, ShorterTextBlanksTheRestOfTheField) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable().record({{"1", "", "long value", "1"}}).write(dir));
    table.BeginEdit();
    table.SetText("NAME", "ab");
    EXPECT_EQ(table.GetText("NAME"), "ab");
}

TEST(DbfTableFields, NumberTooWideFailsAndLeavesTheField) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable().record({{"1", "", "", "4"}}).write(dir));
    table.BeginEdit();
    EXPECT_EQ(errorOf([&] { table.SetInteger("ZN", 10); }),
              "Number too large to fit in field - 10 ZN");
    EXPECT_EQ(table.GetText("ZN"), "4");
}

TEST(DbfTableFields, IntegerIsWrittenRightAlignedWithTheFieldsDecimals) {
    QTemporaryDir dir;
    DbfTable table;
    const TableMaker maker = numbersTable().record({{"1", "", "", "4"}});
    const QString path = maker.write(dir);
    openAt(table, path);
    table.BeginEdit();
    table.SetInteger("MONEY", -7);
    table.PostRecord();
    const int moneyAt = maker.headerLength() + 1 + 2;
    EXPECT_EQ(readAll(path).mid(moneyAt, 6), " -7.00");
}

TEST(DbfTableFields, NumericTextKeepsItsFractionUpToTheDecimals) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable().record({{"1", "", "", "4"}}).write(dir));
    table.BeginEdit();
    table.SetText("MONEY", "3.14159 ");
    EXPECT_EQ(table.GetText("MONEY"), "3.14");
    table.SetText("MONEY", "");
    EXPECT_EQ(table.GetText("MONEY"), "0.00");
    EXPECT_EQ(errorOf([&] { table.SetText("MONEY", "abc"); }),
              "dBase field is of incorrect type - MONEY");
}

TEST(DbfTableFields, WritingOutsideTheEditStateIsRefused) {
    QTemporaryDir dir;
    DbfTable table;
    openAt(table, numbersTable().record({{"1", "", "", "4"}}).write(dir));
    EXPECT_EQ(errorOf([&] { table.SetText("NAME", "x"); }), "Dataset not in edit or insert mode");
    EXPECT_EQ(errorOf([&] { table.SetInteger("ZN", 1); }), "Dataset not in edit or insert mode");
    EXPECT_EQ(errorOf([&] { table.PostRecord(); }), "Dataset not in edit or insert mode");
}

TEST(DbfTableFields, CharacterFieldLongerThan255BytesUsesTheHighLengthByte) {
    QTemporaryDir dir;
    DbfTable table;
    const QByteArray longText(300, 'q');
    openAt(table,
           TableMaker({{"LONG", 'C', 300}, {"ZN", 'N', 1}}).record({{longText, "3"}}).write(dir));
    EXPECT_EQ(table.GetText("LONG"), longText.left(255));
    EXPECT_EQ(table.GetInteger("ZN"), 3);
    table.BeginEdit();
    table.SetText("LONG", QByteArray(400, 'w'));
    table.PostRecord();
    table.CloseTable();
    table.OpenTable();
    EXPECT_EQ(table.GetText("LONG"), QByteArray(255, 'w'));
    EXPECT_EQ(table.GetInteger("ZN"), 3);
}

} // namespace
