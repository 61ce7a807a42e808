#include "clip_page.h"

#include "storage/code_page.h"
#include "storage/ini_document.h"

#include <QStringDecoder>

namespace {

const QString PageStart = QStringLiteral("{\\rtf1");

// Follows the page's groups over one line; false when the line closes a
// group that was never opened, which the reader would take for the page's end.
bool followGroups(const QString& line, int& open) {
    for (qsizetype i = 0; i < line.size(); ++i) {
        if (line[i] == u'\\')
            ++i; // an escaped brace or backslash opens and closes nothing
        else if (line[i] == u'{')
            ++open;
        else if (line[i] == u'}' && --open < 0)
            return false;
    }
    return true;
}

// The game's INI reader takes a line whose first character after blanks is
// "[" for the header of the next section.
bool looksLikeHeader(const QString& line) {
    for (const QChar ch : line)
        if (ch != u' ' && ch != u'\t')
            return ch == u'[';
    return false;
}

} // namespace

QByteArray ClipPage::Escape(const QString& line) {
    QByteArray out;
    out.reserve(line.size());
    for (const QChar ch : line) {
        if (ch.unicode() < 0x80)
            out += char(ch.unicode());
        else if (cp1251::canEncode(QString(ch)))
            out += "\\'" + cp1251::encode(QString(ch)).toHex();
        else // RTF takes \u as a signed 16-bit number, "?" for readers without Unicode
            out += "\\u" + QByteArray::number(qint16(ch.unicode())) + '?';
    }
    return out;
}

QByteArrayList ClipPage::FromSource(const QByteArray& source, const QString& pagePath,
                                    QStringList& problems) {
    QByteArray text = source;
    if (text.startsWith("\xEF\xBB\xBF"))
        text.remove(0, 3);
    const QString where = pagePath + QStringLiteral(":%1: ");
    if (!text.startsWith(PageStart.toLatin1()))
        problems << where.arg(1) + QStringLiteral("a clip's page begins with %1").arg(PageStart);

    QByteArrayList page;
    int openGroups = 0;
    const QByteArrayList lines = IniDocument(text).lineTexts();
    for (int i = 0; i < lines.size(); ++i) {
        QStringDecoder utf8(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString line = utf8.decode(lines[i]);
        if (utf8.hasError())
            problems << where.arg(i + 1) + QStringLiteral("not UTF-8 text");
        else if (looksLikeHeader(line))
            problems << where.arg(i + 1) +
                            QStringLiteral(
                                "a line may not begin with \"[\": the game would take "
                                "it for the end of the clip (join it to the line before)");
        else if (!followGroups(line, openGroups))
            problems << where.arg(i + 1) +
                            QStringLiteral("\"}\" closes a group that was never opened");
        page.append(Escape(line));
    }
    if (openGroups > 0)
        problems
            << where.arg(lines.size()) +
                   QStringLiteral("%1 group(s) still open at the end of the page").arg(openGroups);
    return page;
}
