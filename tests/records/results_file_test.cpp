// The results file read as its players must read and erase exactly as the
// whole file does, whatever odd headers, duplicates or line breaks it holds.
#include "storage/bounded_child.h"
#include "storage/code_page.h"
#include "storage/ini_document.h"
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
                                                        "  [Петя]\nИгра=2\nDT=x\n"
                                                        "[ВАСЯ]\rИгра=3\rМесто='Тула'\r"
                                                        "[Маша]  \r\nИгра=4\r\n"
                                                        "[Оля] team\r\nИгра=5\r\n"
                                                        "[]\r\nИгра=6\r\n"
                                                        "[\r\nИгра=7\r\n"
                                                        "[a]b]\r\nИгра=8\r\n"
                                                        "[ петя ]\r\nИгра=9\r\n;c\r\n"
                                                        "Состояние = 9 \r\n"
                                                        "[Вася]\r\nИгра=10"));

QString textOf(const std::optional<QByteArrayView>& value) {
    return value ? cp1251::decode(value->toByteArray()) : QStringLiteral("none");
}

QString textOf(const std::optional<QByteArray>& value) {
    return value ? cp1251::decode(*value) : QStringLiteral("none");
}

// A player's four values, as the results file gives them and as the whole
// file does for his name.
QStringList valuesOf(const PlayerRecord& player) {
    return {textOf(player.games), textOf(player.money), textOf(player.date), textOf(player.city)};
}

QStringList valuesOf(const IniDocument& whole, const QByteArray& name) {
    QStringList values;
    for (const char* key : {"Игра", "Состояние", "DT", "Место"})
        values.append(textOf(whole.value(name, cp1251::encode(QString::fromUtf8(key)))));
    return values;
}

TEST(ResultsFile, KeepsTheFileByteForByte) {
    EXPECT_EQ(ResultsFile(Tricky).toBytes(), Tricky);
    EXPECT_EQ(ResultsFile(QByteArray()).toBytes(), QByteArray());
}

TEST(ResultsFile, NamesEveryLineOpeningWithABracketByCuttingItsFirstAndLastCharacter) {
    const ResultsFile results(Tricky);
    QStringList names;
    for (int i = 0; i < results.playerCount(); ++i)
        names.append(cp1251::decode(results.player(i).name.toByteArray()));
    EXPECT_EQ(names,
              QStringList({"Вася", "ВАСЯ", "Маша] ", "Оля] tea", "", "", "a]b", " петя ", "Вася"}));
}

TEST(ResultsFile, ReadsEveryPlayerAsTheWholeFileReadsHisName) {
    const ResultsFile results(Tricky);
    const IniDocument whole(Tricky);
    for (int i = 0; i < results.playerCount(); ++i) {
        const PlayerRecord player = results.player(i);
        SCOPED_TRACE(i);
        EXPECT_EQ(valuesOf(player), valuesOf(whole, player.name.toByteArray()));
    }
    EXPECT_EQ(valuesOf(results.player(1)), QStringList({"1", "none", "none", "none"}));
    EXPECT_EQ(valuesOf(results.player(7)), QStringList({"2", "none", "x", "none"}));
}

TEST(ResultsFile, ErasesTheSameSectionsAsTheWholeFileOneAfterAnother) {
    ResultsFile results(Tricky);
    IniDocument whole(Tricky);
    for (int round = 0; round < 2; ++round) {
        for (int i = 0; i < results.playerCount(); ++i) {
            SCOPED_TRACE(i);
            const QByteArray name = results.player(i).name.toByteArray();
            EXPECT_EQ(results.erase(i), whole.eraseSection(name));
            EXPECT_EQ(ResultsFile(results).toBytes(), whole.toBytes());
            for (int other = 0; other < results.playerCount(); ++other) {
                const PlayerRecord player = results.player(other);
                EXPECT_EQ(valuesOf(player), valuesOf(whole, player.name.toByteArray()));
            }
        }
    }
}

TEST(ResultsFile, AMissingFileLoadsEmpty) {
    QTemporaryDir dir;
    ResultsFile results = ResultsFile::load(dir.filePath("tulip.lst"));
    EXPECT_EQ(results.playerCount(), 0);
    EXPECT_EQ(std::move(results).toBytes(), QByteArray());
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
