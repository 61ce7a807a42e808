// The top-ten page: its fixed head, one row per player with the separator
// under the top ten, values escaped, written in code page 1251 with CR LF.
#include "support/test_folders.h"
#include "storage/app_error.h"
#include "storage/code_page.h"
#include "print_qt.h"
#include "records/lider_page.h"
#include "records/ranking.h"
#include "results_builder.h"

#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <sys/stat.h>

namespace {

const QString Separator = QStringLiteral("<tr><td></td><td></td><td></td><td></td><td></td></tr>");
constexpr int HeadLines = 17;

QString testData(const QString& name) {
    return QDir(testDataFolder()).filePath("records/" + name);
}

RankingRow rowOf(const QString& name, qint64 score) {
    RankingRow row;
    row.name = name;
    row.score = score;
    row.money = static_cast<int>(score);
    row.date = answeredDaysAgo(0);
    return row;
}

QList<QByteArray> linesOf(const QByteArray& bytes) {
    return bytes.split('\n');
}

void expectSameLines(const QByteArray& written, const QByteArray& golden) {
    const QList<QByteArray> got = linesOf(written);
    const QList<QByteArray> want = linesOf(golden);
    for (qsizetype i = 0; i < std::min(got.size(), want.size()); ++i)
        EXPECT_EQ(cp1251::decode(got[i]), cp1251::decode(want[i])) << "line " << i + 1;
    EXPECT_EQ(got.size(), want.size());
}

class LiderPageTest : public ::testing::Test {
protected:
    QByteArray writtenPage(const QList<RankingRow>& rows) {
        const QString path = WriteLiderPage(m_dir.path(), rows);
        EXPECT_EQ(path, m_dir.filePath("lider.html"));
        return readBytes(path);
    }
    QString writeError(const QString& folder) {
        try {
            WriteLiderPage(folder, {});
        } catch (const AppError& e) {
            return e.text();
        }
        return "no error";
    }

    QTemporaryDir m_dir;
};

TEST_F(LiderPageTest, TwelvePlayersFromAResultsFileGiveTheKnownPage) {
    const QString results = m_dir.filePath("tulip.lst");
    ASSERT_TRUE(QFile::copy(testData("twelve.lst"), results));
    expectSameLines(writtenPage(RebuildRanking(results, TestToday)),
                    readBytes(testData("lider_twelve.html")));
}

TEST_F(LiderPageTest, AnEmptyRankingGivesTheHeadAndTheEndWithoutSeparator) {
    expectSameLines(writtenPage({}), readBytes(testData("lider_empty.html")));
}

TEST_F(LiderPageTest, EveryLineEndsInCrLfAndTextIsInCodePage1251) {
    const QByteArray page = writtenPage({rowOf("Вася", 5)});
    EXPECT_EQ(page.count("\r\n"), page.count('\n'));
    EXPECT_EQ(page.count("\r\n"), HeadLines + 3);
    EXPECT_TRUE(page.endsWith("</HTML>\r\n"));
    EXPECT_TRUE(page.contains("<td>\xc2\xe0\xf1\xff</td>"));
}

TEST_F(LiderPageTest, CharactersOutsideCodePage1251BecomeQuestionMarks) {
    EXPECT_TRUE(writtenPage({rowOf("日本", 5)})
                    .contains("<td>?"
                              "?</td>"));
}

TEST_F(LiderPageTest, TheSeparatorFollowsTheFirstRowScoringZeroAndNotAlsoTheTenth) {
    QList<RankingRow> rows{rowOf("A", 9), rowOf("B", 8), rowOf("Zero", 0)};
    for (int i = 0; i < 9; ++i)
        rows.append(rowOf(QStringLiteral("Z%1").arg(i), 0));
    const QStringList lines = LiderPageLines(rows);
    EXPECT_EQ(lines.count(Separator), 1);
    EXPECT_EQ(lines.indexOf(Separator), HeadLines + 3);
    EXPECT_TRUE(lines[HeadLines + 2].contains("<td>Zero</td>"));
}

TEST_F(LiderPageTest, ANegativeScoreIsNoZeroAndGetsNoSeparator) {
    EXPECT_EQ(LiderPageLines({rowOf("A", 9), rowOf("M", -1)}).count(Separator), 0);
}

TEST_F(LiderPageTest, NamesDatesAndCitiesCannotBreakThePage) {
    RankingRow row = rowOf("<b>\"Bold\" & co</b>", 3);
    row.date = "<i>";
    row.city = "a&b";
    const QStringList lines = LiderPageLines({row});
    EXPECT_EQ(lines[HeadLines],
              "<tr><td>3</td><td>&lt;b&gt;&quot;Bold&quot; &amp; co&lt;/b&gt;</td>"
              "<td>3</td><td>&lt;i&gt;</td><td>a&amp;b</td></tr>");
}

TEST_F(LiderPageTest, AFolderThatCannotBeWrittenIsTheCreateError) {
    const QString missing = m_dir.filePath("no/such/folder");
    EXPECT_EQ(writeError(missing), "Cannot create file " + missing + "/lider.html");
    ASSERT_TRUE(writeBytes(m_dir.filePath("plain"), "a file, not a folder"));
    EXPECT_EQ(writeError(m_dir.filePath("plain")),
              "Cannot create file " + m_dir.filePath("plain/lider.html"));
}

TEST_F(LiderPageTest, AReadOnlyOldPageIsTheCreateErrorAndStaysAsItWas) {
    const QString page = m_dir.filePath("lider.html");
    ASSERT_TRUE(writeBytes(page, "old"));
    ASSERT_EQ(::chmod(QFile::encodeName(page).constData(), 0444), 0);
    EXPECT_EQ(writeError(m_dir.path()), "Cannot create file " + page);
    EXPECT_EQ(readBytes(page), "old");
}

TEST_F(LiderPageTest, EachExportReplacesTheWholeOldPage) {
    ASSERT_TRUE(writeBytes(m_dir.filePath("lider.html"), QByteArray(10000, '~')));
    EXPECT_FALSE(writtenPage({}).contains('~'));
}

} // namespace
