// A clip's page must read as its author formatted it, whatever else the RTF
// holds, and a broken or hostile clip must still give a page, quickly.
#include "adverts/rtf_reader.h"
#include "storage/code_page.h"
#include "support/qt_printers.h"

#include <gtest/gtest.h>

#include <chrono>
#include <ostream>

void PrintTo(const RtfRun& run, std::ostream* out) {
    const RtfFormat& f = run.format;
    *out << '"' << run.text.toStdString() << '"' << (f.bold ? " bold" : "")
         << (f.italic ? " italic" : "") << (f.underline ? " underlined" : "");
    if (f.pointSize)
        *out << ' ' << *f.pointSize << "pt";
    if (f.colour)
        *out << " rgb(" << int(f.colour->red) << ',' << int(f.colour->green) << ','
             << int(f.colour->blue) << ')';
}

void PrintTo(const RtfParagraph& paragraph, std::ostream* out) {
    *out << "paragraph aligned " << static_cast<int>(paragraph.alignment) << ':';
    for (const RtfRun& run : paragraph.runs) {
        *out << ' ';
        PrintTo(run, out);
    }
}

namespace {

RtfPage read(const char* rtf) {
    return readRtf(QByteArray(rtf));
}

// The text of each paragraph, its runs joined.
QStringList textsOf(const RtfPage& page) {
    QStringList texts;
    for (const RtfParagraph& paragraph : page.paragraphs) {
        QString text;
        for (const RtfRun& run : paragraph.runs)
            text += run.text;
        texts.append(text);
    }
    return texts;
}

QString textOf(const char* rtf) {
    return textsOf(read(rtf)).join(u'\n');
}

RtfRun run(const QString& text, RtfFormat format = {}) {
    return RtfRun{text, format};
}

RtfFormat bold() {
    return RtfFormat{true, false, false, {}, {}};
}
RtfFormat italic() {
    return RtfFormat{false, true, false, {}, {}};
}
RtfFormat underlined() {
    return RtfFormat{false, false, true, {}, {}};
}
RtfFormat sized(double points) {
    return RtfFormat{false, false, false, points, {}};
}
RtfFormat coloured(RtfColour colour) {
    return RtfFormat{false, false, false, {}, colour};
}

constexpr RtfColour Red{255, 0, 0};

template <typename Read> std::chrono::milliseconds timeOf(Read read) {
    const auto start = std::chrono::steady_clock::now();
    read();
    return std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() -
                                                                 start);
}

} // namespace

TEST(RtfReaderClip, ACentredBoldRedTitleStandsAboveAPlainParagraph) {
    const RtfPage page = read("{\\rtf1\\ansi\\ansicpg1251\\deff0"
                              "{\\fonttbl{\\f0\\fswiss\\fcharset204 MS Sans Serif;}}\r\n"
                              "{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                              "\\pard\\qc\\b\\cf1\\fs28 \\'cf\\'f0\\'e8\\'e7!\\par\r\n"
                              "\\pard\\plain Buy now.\\par\r\n"
                              "}");
    RtfFormat title = bold();
    title.pointSize = 14;
    title.colour = Red;
    ASSERT_EQ(page.paragraphs.size(), 2);
    EXPECT_EQ(page.paragraphs[0],
              (RtfParagraph{RtfAlignment::Centre, {run(QStringLiteral("Приз!"), title)}}));
    EXPECT_EQ(page.paragraphs[1], (RtfParagraph{RtfAlignment::Left, {run("Buy now.")}}));
}

TEST(RtfReaderClip, EachParagraphTakesTheAlignmentInForceAtItsEnd) {
    const RtfPage page = read("{\\rtf1 \\qr right\\par\\pard left\\par\\qj justified\\par"
                              "{\\qc centred\\par}\\ql\\qc centred at the end}");
    ASSERT_EQ(page.paragraphs.size(), 5);
    EXPECT_EQ(page.paragraphs[0].alignment, RtfAlignment::Right);
    EXPECT_EQ(page.paragraphs[1].alignment, RtfAlignment::Left);
    EXPECT_EQ(page.paragraphs[2].alignment, RtfAlignment::Justified);
    EXPECT_EQ(page.paragraphs[3].alignment, RtfAlignment::Centre);
    EXPECT_EQ(page.paragraphs[4].alignment, RtfAlignment::Centre);
}

TEST(RtfReaderClip, FormatChangesSplitAParagraphIntoRunsAndEqualNeighboursJoin) {
    const RtfPage page =
        read("{\\rtf1 Plain {\\i slanted} and \\ul one\\ulnone  word, \\ul0 \\ul1 two\\ul0  "
             "\\b bold\\b0  \\i1 end\\i0 .\\par}");
    ASSERT_EQ(page.paragraphs.size(), 1);
    EXPECT_EQ(
        page.paragraphs[0].runs,
        (QList<RtfRun>{run("Plain "), run("slanted", italic()), run(" and "),
                       run("one", underlined()), run(" word, "), run("two", underlined()), run(" "),
                       run("bold", bold()), run(" "), run("end", italic()), run(".")}));
}

TEST(RtfReaderClip, SizesAreInHalfPointsAndTextWithoutOneKeepsTheViewsSize) {
    const RtfPage page = read("{\\rtf1 \\fs21 a\\fs48 b\\fs0 c\\fs20 d\\plain e\\fs-4 f"
                              "\\fs99999999999999999999999999999999999999999999999999 g}");
    EXPECT_EQ(page.paragraphs.value(0).runs,
              (QList<RtfRun>{run("a", sized(10.5)), run("b", sized(24)), run("c"),
                             run("d", sized(10)), run("ef"), run("g", sized(1638))}));
}

TEST(RtfReaderClip, GroupsRestoreTheFormattingAroundThem) {
    const RtfPage page = read("{\\rtf1 a{\\b b{\\i\\fs30 c}d}e}");
    RtfFormat boldItalic = bold();
    boldItalic.italic = true;
    boldItalic.pointSize = 15;
    EXPECT_EQ(page.paragraphs.value(0).runs,
              (QList<RtfRun>{run("a"), run("b", bold()), run("c", boldItalic), run("d", bold()),
                             run("e")}));
}

TEST(RtfReaderClip, PlainAndPardResetCharacterAndParagraphFormatting) {
    const RtfPage page = read("{\\rtf1 \\qc\\b\\i\\ul\\fs40 x\\plain y\\pard\\par}");
    ASSERT_EQ(page.paragraphs.size(), 1);
    EXPECT_EQ(page.paragraphs[0].alignment, RtfAlignment::Left);
    RtfFormat all{true, true, true, 20, {}};
    EXPECT_EQ(page.paragraphs[0].runs, (QList<RtfRun>{run("x", all), run("y")}));
}

TEST(RtfReaderColours, ColoursComeFromTheTableAndAnEmptyEntryIsTheViewsOwn) {
    const RtfPage page = read("{\\rtf1{\\colortbl ;\\red255\\green0\\blue0;\\blue300;;}"
                              "\\cf1 a\\cf2 b\\cf3 c\\cf0 d\\cf9 e\\cf-1 f\\cf1 g\\plain h}");
    EXPECT_EQ(page.paragraphs.value(0).runs,
              (QList<RtfRun>{run("a", coloured(Red)), run("b", coloured(RtfColour{0, 0, 255})),
                             run("cdef"), run("g", coloured(Red)), run("h")}));
}

TEST(RtfReaderColours, AnEntryZeroWithComponentsIsARealColour) {
    const RtfPage page = read("{\\rtf1{\\colortbl\\red0\\green0\\blue0;\\red0\\green128\\blue0;}"
                              "a\\cf1 b}");
    EXPECT_EQ(page.paragraphs.value(0).runs,
              (QList<RtfRun>{run("a", coloured(RtfColour{0, 0, 0})),
                             run("b", coloured(RtfColour{0, 128, 0}))}));
}

TEST(RtfReaderText, CyrillicComesFromHexEscapesAndRawBytesInCodePage1251) {
    const QByteArray rtf =
        "{\\rtf1 \\'c0\\'e1\\'C2 " + cp1251::encode(QStringLiteral("гдеЁё")) + "\\'b9}";
    EXPECT_EQ(textsOf(readRtf(rtf)), QStringList{QStringLiteral("АбВ гдеЁё№")});
}

TEST(RtfReaderText, AUnicodeCharacterSkipsTheReplacementThatFollowsIt) {
    EXPECT_EQ(textOf("{\\rtf1 \\u1071?\\u1103 ?ok}"), QStringLiteral("Яяok"));
    EXPECT_EQ(textOf("{\\rtf1 \\uc2\\u1071\\'df\\'df\\u-3913?\?!}"), QStringLiteral("Я\uF0B7!"));
    EXPECT_EQ(textOf("{\\rtf1 {\\uc0\\u1071 b}\\u1071?c}"), QStringLiteral("ЯbЯc"));
}

TEST(RtfReaderText, ABraceOrControlWordEndsTheReplacementEarly) {
    EXPECT_EQ(textOf("{\\rtf1 \\uc3\\u1071{x}y\\u1071\\tab z}"), QStringLiteral("ЯxyЯ\tz"));
}

TEST(RtfReaderText, ALineBreakAndATabStayInsideTheirParagraph) {
    EXPECT_EQ(textsOf(read("{\\rtf1 one\\line two\\tab three\\par four}")),
              (QStringList{QStringLiteral("one\u2028two\tthree"), QStringLiteral("four")}));
}

TEST(RtfReaderText, EscapesAndSpecialCharactersShowTheirCharacters) {
    EXPECT_EQ(textOf("{\\rtf1 \\\\\\{\\}\\~\\_x\\-y\\emdash\\endash\\bullet"
                     "\\lquote\\rquote\\ldblquote\\rdblquote}"),
              QStringLiteral("\\{}\u00A0\u2011xy\u2014\u2013\u2022\u2018\u2019\u201C\u201D"));
}

TEST(RtfReaderText, AControlWordEatsOneSpaceAfterItAndNoMore) {
    EXPECT_EQ(textOf("{\\rtf1 \\b  x\\b0\\i y\\i0 1}"), QStringLiteral(" xy1"));
}

TEST(RtfReaderText, LineEndsInTheTextAreIgnoredButABackslashBeforeOneEndsTheParagraph) {
    EXPECT_EQ(textsOf(read("{\\rtf1 Hel\r\nlo\nthere\\\r\nnext}")),
              (QStringList{QStringLiteral("Hellothere"), QStringLiteral("next")}));
}

TEST(RtfReaderText, EmptyParagraphsBetweenParagraphMarksAreKept) {
    EXPECT_EQ(textsOf(read("{\\rtf1 a\\par\\par b\\par}")),
              (QStringList{QStringLiteral("a"), QString(), QStringLiteral("b")}));
}

TEST(RtfReaderSkipped, UnknownControlWordsAndSymbolsAreNeverShown) {
    EXPECT_EQ(textOf("{\\rtf1\\ansi\\deff0 \\foo12 a\\zzz-3 b\\| c\\:d\\sa200\\sl276\\slmult1 "
                     "e\\widctlpar\\lang1049\\f0\\fcharset204 f}"),
              QStringLiteral("ab cdef"));
}

TEST(RtfReaderSkipped, TablesInformationAndStarredDestinationsShowNothing) {
    EXPECT_EQ(textOf("{\\rtf1{\\fonttbl{\\f0\\fnil\\fcharset204 Arial;}{\\f1 Times;}}"
                     "{\\stylesheet{\\s0 Normal;}}{\\info{\\title T}{\\author A}}"
                     "{\\*\\generator Riched20 10.0;}{\\header head}{\\footer foot}"
                     "{\\*\\unknown {\\b nested} text}body}"),
              QStringLiteral("body"));
}

TEST(RtfReaderSkipped, AFieldShowsItsResultButNotItsInstruction) {
    EXPECT_EQ(textOf("{\\rtf1 Visit {\\field{\\*\\fldinst{HYPERLINK \"http://x.ru\"}}"
                     "{\\fldrslt{\\ul\\cf1 our site}}} today}"),
              QStringLiteral("Visit our site today"));
}

TEST(RtfReaderSkipped, APictureIsSkippedWithItsData) {
    EXPECT_EQ(textOf("{\\rtf1 a{\\pict\\wmetafile8\\picw100\\pich100 "
                     "0100090000035a00\r\n00000000{}}b{\\*\\shppict{\\pict\\pngblip 89504e47}}c"
                     "{\\object{\\objdata 01050000}{\\result x}}d}"),
              QStringLiteral("abcd"));
}

TEST(RtfReaderSkipped, BinaryDataIsSkippedEvenWhenItHoldsBracesAndBackslashes) {
    EXPECT_EQ(textOf("{\\rtf1 a{\\pict\\bin6 }}{\\\\x}b}"), QStringLiteral("ab"));
}

TEST(RtfReaderBadInput, BinaryCountsBeyondTheEndOrBelowZeroSkipNoMoreThanIsThere) {
    EXPECT_EQ(textOf("{\\rtf1 a\\bin99999999999999999999999999999999999999999999999999 xyz}"),
              QStringLiteral("a"));
    EXPECT_EQ(textOf("{\\rtf1 a\\bin-5 b\\bin c}"), QStringLiteral("abc"));
}

TEST(RtfReaderBadInput, MissingClosingBracesEndThePageWithTheTextSoFar) {
    const RtfPage page = read("{\\rtf1 first\\par{\\qc{\\b bold");
    ASSERT_EQ(page.paragraphs.size(), 2);
    EXPECT_EQ(page.paragraphs[1], (RtfParagraph{RtfAlignment::Centre, {run("bold", bold())}}));
}

TEST(RtfReaderBadInput, TheDocumentsClosingBraceEndsThePage) {
    EXPECT_EQ(textOf("{\\rtf1 a}}} b{c}"), QStringLiteral("a"));
}

TEST(RtfReaderBadInput, AnUnfinishedControlAtTheEndIsDropped) {
    EXPECT_EQ(textOf("{\\rtf1 a\\"), QStringLiteral("a"));
    EXPECT_EQ(textOf("{\\rtf1 a\\'e"), QStringLiteral("a"));
    EXPECT_EQ(textOf("{\\rtf1 a\\'zzb}"), QStringLiteral("azzb"));
}

TEST(RtfReaderBadInput, ControlCharactersNeverReachTheText) {
    const QByteArray rtf("{\\rtf1 a\\u0 \\'01\\u8233?\\u-1?\x01\x7f"
                         "b\\u65533?}");
    EXPECT_EQ(textsOf(readRtf(rtf)), QStringList{QStringLiteral("ab\uFFFD")});
}

TEST(RtfReaderBadInput, HugeNumbersAreClampedNotWrapped) {
    EXPECT_EQ(read("{\\rtf1 \\cf99999999999999999999999999999999999999999999999999 a"
                   "\\u99999999999999999999999999999999999999999999999999 b"
                   "\\b-99999999999999999999999999999999999999999999999999 c}")
                  .paragraphs.value(0)
                  .runs,
              (QList<RtfRun>{run("a"), run("c", bold())}));
}

TEST(RtfReaderBadInput, TenThousandNestedGroupsAreReadWellUnderASecond) {
    const QByteArray rtf =
        "{\\rtf1 " + QByteArray(10'000, '{') + "\\b deep" + QByteArray(10'000, '}') + " tail}";
    RtfPage page;
    EXPECT_LT(timeOf([&] { page = readRtf(rtf); }), std::chrono::milliseconds(500));
    EXPECT_EQ(page.paragraphs.value(0).runs, (QList<RtfRun>{run("deep", bold()), run(" tail")}));
}

TEST(RtfReaderBadInput, AMegabyteOfTinyGroupsIsReadWellUnderASecond) {
    QByteArray rtf = "{\\rtf1{\\colortbl;\\red1;}";
    for (int i = 0; i < 50'000; ++i)
        rtf += "{\\b\\cf1 x}\\u1071?\\par ";
    RtfPage page;
    EXPECT_LT(timeOf([&] { page = readRtf(rtf + "}"); }), std::chrono::milliseconds(1000));
    EXPECT_EQ(page.paragraphs.size(), 50'000);
}

TEST(RtfReaderPlainText, BytesThatAreNotRtfAreShownAsPlainLeftAlignedLines) {
    const RtfPage page = readRtf(cp1251::encode(QStringLiteral("Привет\r\n{\\b мир}\n\rend\r\n")));
    EXPECT_EQ(textsOf(page), (QStringList{QStringLiteral("Привет"), QStringLiteral("{\\b мир}"),
                                          QString(), QStringLiteral("end")}));
    for (const RtfParagraph& paragraph : page.paragraphs) {
        EXPECT_EQ(paragraph.alignment, RtfAlignment::Left);
        for (const RtfRun& r : paragraph.runs)
            EXPECT_EQ(r.format, RtfFormat{});
    }
}

TEST(RtfReaderPlainText, NoBytesGiveAnEmptyPage) {
    EXPECT_TRUE(readRtf(QByteArray()).paragraphs.isEmpty());
    EXPECT_TRUE(read("{\\rtf1}").paragraphs.isEmpty());
}
