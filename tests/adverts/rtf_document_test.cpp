// The rich-text view must show a clip's page as formatted: each paragraph a
// block aligned as written, each run in its own weight, slant, underline,
// size and colour, and the rest in the view's own font.
#include "adverts/rtf_document.h"
#include "controls/game_fonts.h"
#include "support/qt_printers.h"

#include <QAbstractTextDocumentLayout>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextEdit>
#include <QTextLayout>

#include <gtest/gtest.h>

namespace {

QFont viewFont() {
    return game_fonts::pixelFont(game_fonts::SansSerif, 11);
}

void fill(QTextDocument& document, const char* rtf) {
    fillRtfDocument(document, readRtf(QByteArray(rtf)), viewFont());
}

QList<QTextFragment> fragmentsOf(const QTextBlock& block) {
    QList<QTextFragment> fragments;
    for (auto it = block.begin(); !it.atEnd(); ++it)
        fragments.append(it.fragment());
    return fragments;
}

} // namespace

TEST(RtfDocument, ParagraphsBecomeBlocksWithTheirAlignment) {
    QTextDocument document;
    fill(document, "{\\rtf1 left\\par\\qc centre\\par\\qr right\\par\\qj justified\\par\\pard}");
    ASSERT_EQ(document.blockCount(), 4);
    EXPECT_EQ(document.toPlainText(), QStringLiteral("left\ncentre\nright\njustified"));
    EXPECT_EQ(document.findBlockByNumber(0).blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_EQ(document.findBlockByNumber(1).blockFormat().alignment(), Qt::AlignHCenter);
    EXPECT_EQ(document.findBlockByNumber(2).blockFormat().alignment(), Qt::AlignRight);
    EXPECT_EQ(document.findBlockByNumber(3).blockFormat().alignment(), Qt::AlignJustify);
}

TEST(RtfDocument, EachRunKeepsItsWeightSlantUnderlineSizeAndColour) {
    QTextDocument document;
    fill(document, "{\\rtf1{\\colortbl;\\red255\\green0\\blue0;}"
                   "\\b\\cf1\\fs28 Title\\plain  \\i slanted\\i0  \\ul word\\ulnone}");
    const QList<QTextFragment> fragments = fragmentsOf(document.firstBlock());
    ASSERT_EQ(fragments.size(), 5);

    const QTextCharFormat title = fragments[0].charFormat();
    EXPECT_EQ(fragments[0].text(), QStringLiteral("Title"));
    EXPECT_EQ(title.fontWeight(), QFont::Bold);
    EXPECT_EQ(title.fontPointSize(), 14.0);
    EXPECT_EQ(title.foreground().color(), QColor(255, 0, 0));
    EXPECT_FALSE(title.fontItalic());

    EXPECT_EQ(fragments[2].text(), QStringLiteral("slanted"));
    EXPECT_TRUE(fragments[2].charFormat().fontItalic());
    EXPECT_EQ(fragments[2].charFormat().fontWeight(), QFont::Normal);
    EXPECT_EQ(fragments[4].text(), QStringLiteral("word"));
    EXPECT_TRUE(fragments[4].charFormat().fontUnderline());
    EXPECT_FALSE(fragments[2].charFormat().fontUnderline());
}

TEST(RtfDocument, TextWithoutASizeOrColourOfItsOwnTakesTheViewsFontAndTextColour) {
    QTextDocument document;
    fill(document, "{\\rtf1{\\colortbl;\\red0\\green0\\blue255;}plain\\cf0 auto}");
    const QTextCharFormat format = fragmentsOf(document.firstBlock()).value(0).charFormat();
    EXPECT_FALSE(format.hasProperty(QTextFormat::FontPointSize));
    EXPECT_FALSE(format.hasProperty(QTextFormat::ForegroundBrush));
    EXPECT_EQ(document.defaultFont().pixelSize(), 11);
    EXPECT_EQ(document.defaultFont().families(), game_fonts::SansSerif);
}

TEST(RtfDocument, ALineBreakWrapsInsideItsBlock) {
    QTextDocument document;
    document.setTextWidth(385);
    fill(document, "{\\rtf1 one\\line two}");
    document.documentLayout()->documentSize();
    ASSERT_EQ(document.blockCount(), 1);
    EXPECT_EQ(document.firstBlock().layout()->lineCount(), 2);
}

TEST(RtfDocument, FillingReplacesTheEarlierPageAndLeavesNothingToUndo) {
    QTextEdit view;
    view.setPlainText(QStringLiteral("typed by the player"));
    fill(*view.document(), "{\\rtf1 \\qc first\\par second}");
    fill(*view.document(), "{\\rtf1 next clip}");
    EXPECT_EQ(view.toPlainText(), QStringLiteral("next clip"));
    EXPECT_EQ(view.document()->firstBlock().blockFormat().alignment(), Qt::AlignLeft);
    EXPECT_FALSE(view.document()->isUndoAvailable());
    EXPECT_TRUE(view.document()->isUndoRedoEnabled());
}

TEST(RtfDocument, AnEmptyPageLeavesOneEmptyBlock) {
    QTextDocument document;
    fill(document, "{\\rtf1 old text}");
    fill(document, "{\\rtf1}");
    EXPECT_EQ(document.blockCount(), 1);
    EXPECT_TRUE(document.isEmpty());
}
