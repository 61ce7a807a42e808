#include "adverts/rtf_document.h"

#include <QColor>
#include <QFont>
#include <QTextBlockFormat>
#include <QTextCharFormat>
#include <QTextCursor>
#include <QTextDocument>

namespace {

Qt::Alignment alignmentOf(RtfAlignment alignment) {
    switch (alignment) {
    case RtfAlignment::Centre:
        return Qt::AlignHCenter;
    case RtfAlignment::Right:
        return Qt::AlignRight;
    case RtfAlignment::Justified:
        return Qt::AlignJustify;
    case RtfAlignment::Left:
        break;
    }
    return Qt::AlignLeft;
}

QTextBlockFormat blockFormatOf(const RtfParagraph& paragraph) {
    QTextBlockFormat format;
    format.setAlignment(alignmentOf(paragraph.alignment));
    return format;
}

QTextCharFormat charFormatOf(const RtfFormat& run) {
    QTextCharFormat format;
    format.setFontWeight(run.bold ? QFont::Bold : QFont::Normal);
    format.setFontItalic(run.italic);
    format.setFontUnderline(run.underline);
    if (run.pointSize)
        format.setFontPointSize(*run.pointSize);
    if (run.colour)
        format.setForeground(QColor(run.colour->red, run.colour->green, run.colour->blue));
    return format;
}

void insertPage(QTextDocument& document, const RtfPage& page) {
    QTextCursor cursor(&document);
    for (qsizetype i = 0; i < page.paragraphs.size(); ++i) {
        const RtfParagraph& paragraph = page.paragraphs.at(i);
        if (i == 0)
            cursor.setBlockFormat(blockFormatOf(paragraph));
        else
            cursor.insertBlock(blockFormatOf(paragraph), QTextCharFormat());
        for (const RtfRun& run : paragraph.runs)
            cursor.insertText(run.text, charFormatOf(run.format));
    }
}

} // namespace

void fillRtfDocument(QTextDocument& document, const RtfPage& page, const QFont& defaultFont) {
    const bool undoable = document.isUndoRedoEnabled();
    document.setUndoRedoEnabled(false);
    document.clear();
    document.setDefaultFont(defaultFont);
    insertPage(document, page);
    document.setUndoRedoEnabled(undoable);
}
