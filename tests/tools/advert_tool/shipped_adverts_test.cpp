// The tulip.dat the build put into the game folder: the game's own clips,
// each a page the advertisement window can show, with an icon it has and a
// link to a page that ships beside the game.
#include "storage/ini_file.h"
#include "storage/whole_file.h"
#include "support/qt_printers.h"
#include "support/test_folders.h"

#include <QFile>
#include <QRegularExpression>
#include <QSet>

#include <gtest/gtest.h>

namespace {

QString shippedData() {
    return buildFolder() + "/tulip.dat";
}

int clipCount() {
    return IniReadInt(shippedData(), "COMMON", "MAX", 0);
}

QStringList linksOf(int n) {
    return IniReadStr(shippedData(), "COMMON", "F" + QString::number(n), ";;").split(u';');
}

QString pageOf(int n) {
    QStringList lines;
    IniSectionLines(shippedData(), "F" + QString::number(n), lines);
    return lines.join(u'\n');
}

// The control words of the rich text the game's clips are written in.
const QSet<QString> ClipWords = {"rtf",      "ansi", "ansicpg", "deff", "fonttbl", "f",
                                 "colortbl", "red",  "green",   "blue", "pard",    "qc",
                                 "ql",       "qr",   "b",       "i",    "ul",      "ulnone",
                                 "fs",       "cf",   "par",     "line", "u"};

} // namespace

TEST(ShippedAdverts, TheGameHasAtLeastEightClips) {
    ASSERT_TRUE(QFile::exists(shippedData()));
    EXPECT_GE(clipCount(), 8);
}

TEST(ShippedAdverts, EveryClipIsABalancedRtfPage) {
    for (int n = 1; n <= clipCount(); ++n) {
        const QString page = pageOf(n);
        EXPECT_TRUE(page.startsWith("{\\rtf1")) << "clip " << n;
        const QString bare = QString(page).remove(QRegularExpression(R"(\\[\\{}])"));
        EXPECT_EQ(bare.count(u'{'), bare.count(u'}')) << "clip " << n;
    }
}

TEST(ShippedAdverts, EveryClipUsesOnlyTheRichTextOfTheClips) {
    static const QRegularExpression word(R"(\\([a-z]+)-?[0-9]*)");
    for (int n = 1; n <= clipCount(); ++n)
        for (const auto& match : word.globalMatch(pageOf(n))) {
            EXPECT_TRUE(ClipWords.contains(match.captured(1)))
                << "clip " << n << ": \\" << match.captured(1).toStdString();
        }
}

TEST(ShippedAdverts, EveryClipNamesAnIconOfTheGame) {
    static const QRegularExpression icon(QStringLiteral("^ICO[1-8]$"));
    for (int n = 1; n <= clipCount(); ++n) {
        const QStringList links = linksOf(n);
        ASSERT_EQ(links.size(), 3) << "clip " << n;
        EXPECT_TRUE(icon.match(links[0]).hasMatch())
            << "clip " << n << ": " << links[0].toStdString();
    }
}

TEST(ShippedAdverts, EveryWebLinkNamesAShippedPageAndAnAnchorItHas) {
    for (int n = 1; n <= clipCount(); ++n) {
        const QString web = linksOf(n).value(1);
        if (web.isEmpty())
            continue;
        const QString page = web.section(u'#', 0, 0);
        const QString anchor = web.section(u'#', 1);
        const auto html = readWholeFile(buildFolder() + "/" + page);
        ASSERT_TRUE(html.has_value()) << "clip " << n << ": " << web.toStdString();
        if (!anchor.isEmpty()) {
            EXPECT_TRUE(html->contains("id=\"" + anchor.toUtf8() + '"'))
                << "clip " << n << ": " << web.toStdString();
        }
    }
}

TEST(ShippedAdverts, NoClipGivesAnEMailAddress) {
    for (int n = 1; n <= clipCount(); ++n)
        EXPECT_EQ(linksOf(n).value(2, "missing"), "") << "clip " << n;
}
