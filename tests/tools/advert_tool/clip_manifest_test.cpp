// The authors' list of clips: its lines read into clips, and every line the
// game could not read back refused with the manifest's name and the line.
#include "clip_manifest.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

namespace {

const QString Manifest = QStringLiteral("clips/clips.txt");

struct Parsed {
    QList<ClipEntry> entries;
    QStringList problems;
};

Parsed parse(const QByteArray& text) {
    Parsed parsed;
    parsed.entries = ClipManifest::Parse(text, Manifest, parsed.problems);
    return parsed;
}

} // namespace

TEST(ClipManifestReading, EachClipLineGivesItsFieldsWithoutTheBlanksAroundThem) {
    const Parsed parsed = parse("  ICO3 |tulip.html#help|  | lifelines.rtf  \n");
    ASSERT_TRUE(parsed.problems.isEmpty()) << parsed.problems.join(u'\n').toStdString();
    ASSERT_EQ(parsed.entries.size(), 1);
    const ClipEntry& clip = parsed.entries[0];
    EXPECT_EQ(clip.icon, "ICO3");
    EXPECT_EQ(clip.web, "tulip.html#help");
    EXPECT_EQ(clip.mail, "");
    EXPECT_EQ(clip.pageFile, "lifelines.rtf");
    EXPECT_EQ(clip.links(), "ICO3;tulip.html#help;");
}

TEST(ClipManifestReading, CommentsAndEmptyLinesAreSkippedAndTheClipsKeepTheirOrderAndLines) {
    const Parsed parsed =
        parse("\xEF\xBB\xBF# clips\r\n\r\n  # the first\r\nICO1|||a.rtf\r\n|x.html||b.rtf\r\n");
    ASSERT_TRUE(parsed.problems.isEmpty()) << parsed.problems.join(u'\n').toStdString();
    ASSERT_EQ(parsed.entries.size(), 2);
    EXPECT_EQ(parsed.entries[0].pageFile, "a.rtf");
    EXPECT_EQ(parsed.entries[0].line, 4);
    EXPECT_EQ(parsed.entries[1].links(), ";x.html;");
    EXPECT_EQ(parsed.entries[1].line, 5);
}

TEST(ClipManifestRefusals, ALineWithTooFewOrTooManyFieldsIsRefused) {
    const Parsed parsed = parse("ICO1 | | a.rtf\nICO1 | | | a.rtf | extra\n");
    EXPECT_EQ(parsed.problems,
              (QStringList{"clips/clips.txt:1: 3 fields, 4 expected: icon | web address | "
                           "e-mail address | clip file",
                           "clips/clips.txt:2: 5 fields, 4 expected: icon | web address | "
                           "e-mail address | clip file"}));
}

TEST(ClipManifestRefusals, AnIconOtherThanIco1ToIco8IsRefused) {
    for (const QByteArray icon : {"ICO9", "ICO0", "ico3", "ICO12", "Кофе"}) {
        const Parsed parsed = parse(icon + " | | | a.rtf\n");
        ASSERT_EQ(parsed.problems.size(), 1) << icon.toStdString();
        EXPECT_TRUE(parsed.problems[0].startsWith("clips/clips.txt:1: the icon \"" +
                                                  QString::fromUtf8(icon) +
                                                  "\" is none of ICO1 to ICO8"));
    }
}

TEST(ClipManifestRefusals, ASemicolonInsideALinkIsRefusedAsTheGameSplitsThereAtIt) {
    const Parsed parsed = parse("ICO1 | a.html;b | | a.rtf\nICO1 | | x;y@z | a.rtf\n");
    EXPECT_EQ(parsed.problems, (QStringList{"clips/clips.txt:1: the web address holds \";\", which "
                                            "the game takes for the end of it",
                                            "clips/clips.txt:2: the e-mail address holds \";\", "
                                            "which the game takes for the end of it"}));
}

TEST(ClipManifestRefusals, ALinkCharacterTheGamesFilesCannotHoldIsRefused) {
    EXPECT_EQ(parse("ICO1 | a→b.html | | a.rtf\n").problems,
              QStringList{"clips/clips.txt:1: the web address holds \"→\" (U+2192), which "
                          "tulip.dat cannot hold"});
}

TEST(ClipManifestRefusals, AMailtoPrefixIsRefusedSinceTheGameAddsIt) {
    EXPECT_EQ(parse("ICO1 | | mailto:a@b | a.rtf\n").problems.size(), 1);
}

TEST(ClipManifestRefusals, AClipWithoutAPageFileIsRefused) {
    EXPECT_EQ(parse("ICO1 | | |  \n").problems,
              QStringList{"clips/clips.txt:1: no clip file is named"});
}

TEST(ClipManifestRefusals, LinksLongerThanTheGameReadsAreRefused) {
    const QByteArray web(2043, 'w'); // with "ICO1;" and ";" one character too many
    EXPECT_EQ(
        parse("ICO1 | " + web + " | | a.rtf\n").problems,
        QStringList{
            "clips/clips.txt:1: the icon and the links make 2049 characters; the game reads 2047"});
    EXPECT_TRUE(parse("ICO1 | " + web.left(2041) + " | | a.rtf\n").problems.isEmpty());
}

TEST(ClipManifestRefusals, NineHundredNinetyNineClipsAreTheMostAndTheThousandthIsRefused) {
    QByteArray text;
    for (int i = 0; i < ClipManifest::MaxClips; ++i)
        text += "ICO1 | | | a.rtf\n";
    EXPECT_TRUE(parse(text).problems.isEmpty());
    const Parsed parsed = parse(text + "ICO2 | | | b.rtf\n");
    EXPECT_EQ(parsed.problems,
              QStringList{"clips/clips.txt:1000: more than 999 clips; the game numbers no more"});
}

TEST(ClipManifestRefusals, AManifestWithoutClipsIsRefused) {
    EXPECT_EQ(parse("# nothing yet\n").problems, QStringList{"clips/clips.txt: no clips"});
}

TEST(ClipManifestRefusals, ALineThatIsNotUtf8IsRefused) {
    EXPECT_EQ(parse("ICO1 | \xe0\xe1 | | a.rtf\n").problems,
              QStringList{"clips/clips.txt:1: not UTF-8 text"});
}
