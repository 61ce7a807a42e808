// The results file held in pieces must read and erase exactly as the whole
// file does, whatever odd headers, duplicates or line breaks it holds.
#include "storage/bounded_child.h"
#include "storage/code_page.h"
#include "storage/ini_file.h"
#include "print_qt.h"
#include "records/results_file.h"

#include <QDir>
#include <QTemporaryDir>

#include <sys/stat.h>

#include <gtest/gtest.h>

namespace {

// Headers indented, cased differently, repeated, cut short or followed by
// text; lines before the first header; CR, LF and CR LF endings; no ending
// at the end.
const QByteArray Tricky = cp1251::encode(QStringLiteral("k=orphan\r\n; note\r\n"
                                                        "[Вася]\r\nИгра=1\r\nfree text\r\n\r\n"
                                                        "  [Петя]\nИгра=2\n"
                                                        "[ВАСЯ]\rИгра=3\r"
                                                        "[Маша]  \r\nИгра=4\r\n"
                                                        "[Оля] team\r\nИгра=5\r\n"
                                                        "[]\r\nИгра=6\r\n"
                                                        "[\r\nИгра=7\r\n"
                                                        "[a]b]\r\nИгра=8\r\n"
                                                        "[ петя ]\r\nИгра=9\r\n;c\r\n"
                                                        "[Вася]\r\nИгра=10"));

QList<QString> lookups() {
    return {"Вася",     "вася", " ВАСЯ\t", "Петя", "Маша", "Маша] ", "Оля",
            "Оля] tea", "",     "a",       "a]b",  "Нет",  "k"};
}

TEST(ResultsFile, KeepsTheFileByteForByte) {
    EXPECT_EQ(ResultsFile(Tricky).toBytes(), Tricky);
    EXPECT_EQ(ResultsFile(QByteArray()).toBytes(), QByteArray());
}

TEST(ResultsFile, NamesEveryLineOpeningWithABracketByCuttingItsFirstAndLastCharacter) {
    EXPECT_EQ(ResultsFile(Tricky).playerNames(),
              QStringList({"Вася", "ВАСЯ", "Маша] ", "Оля] tea", "", "", "a]b", " петя ", "Вася"}));
}

TEST(ResultsFile, ReadsTheSameValuesAsTheWholeFile) {
    const ResultsFile pieces(Tricky);
    const IniDocument whole(Tricky);
    for (const QString& name : lookups()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(IniReadStr(pieces.sectionOf(name), name, "Игра", "none"),
                  IniReadStr(whole, name, "Игра", "none"));
    }
}

TEST(ResultsFile, ErasesTheSameSectionsAsTheWholeFileOneAfterAnother) {
    ResultsFile pieces(Tricky);
    IniDocument whole(Tricky);
    for (const QString& name : lookups() + lookups()) {
        SCOPED_TRACE(name.toStdString());
        EXPECT_EQ(pieces.eraseSection(name), whole.eraseSection(cp1251::encode(name)));
        EXPECT_EQ(pieces.toBytes(), whole.toBytes());
        for (const QString& other : lookups())
            EXPECT_EQ(IniReadStr(pieces.sectionOf(other), other, "Игра", "none"),
                      IniReadStr(whole, other, "Игра", "none"));
    }
}

TEST(ResultsFile, AMissingFileLoadsEmpty) {
    QTemporaryDir dir;
    const ResultsFile results = ResultsFile::load(dir.filePath("tulip.lst"));
    EXPECT_TRUE(results.playerNames().isEmpty());
    EXPECT_EQ(results.toBytes(), QByteArray());
}

TEST(ResultsFile, AFolderOrAPipeInPlaceOfTheFileIsAnErrorNotAnEmptyFile) {
    QTemporaryDir dir;
    const QString folder = dir.filePath("tulip.lst");
    ASSERT_TRUE(QDir().mkdir(folder));
    EXPECT_EQ(errorOf([&] { ResultsFile::load(folder); }), "Cannot open file " + folder);

    const QString pipe = dir.filePath("other.lst");
    ASSERT_EQ(::mkfifo(QFile::encodeName(pipe).constData(), 0644), 0);
    EXPECT_TRUE(holdsInBoundedChild(
        [&] { return errorOf([&] { ResultsFile::load(pipe); }) == "Cannot open file " + pipe; }));
}

} // namespace
