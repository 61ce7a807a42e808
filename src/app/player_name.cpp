#include "app/player_name.h"

#include "storage/code_page.h"

#include <QList>

namespace {

bool isQuote(QChar c) { return c == u'"' || c == u'\''; }

QString stripSurroundingQuotes(QString text)
{
    while (text.size() >= 2 && isQuote(text.front()) && text.back() == text.front())
        text = text.mid(1, text.size() - 2).trimmed();
    return text;
}

// Each character the files cannot hold becomes one "?", as a write makes it.
QString asTheFilesHoldIt(const QString& text)
{
    QString oneUnitEach;
    for (const char32_t c : text.toUcs4())
        oneUnitEach += QChar::requiresSurrogates(c) ? QChar(u'?') : QChar(static_cast<char16_t>(c));
    return cp1251::decode(cp1251::encode(oneUnitEach));
}

} // namespace

QString cleanPlayerText(const QString& text)
{
    QString line = asTheFilesHoldIt(text);
    for (QChar& c : line)
        if (c == u'\r' || c == u'\n' || c == u'\t')
            c = u' ';
    line = stripSurroundingQuotes(line.trimmed());
    // Cutting may leave blanks or a lone quote at either end again.
    while (line.size() > PlayerTextMaxLength)
        line = stripSurroundingQuotes(line.left(PlayerTextMaxLength).trimmed());
    return line;
}

QString cleanPlayerName(const QString& text)
{
    QString name = text;
    name.replace(u'[', u'(').replace(u']', u')');
    return cleanPlayerText(name);
}

bool isSamePlayer(const QString& name, const QString& other)
{
    return QString::compare(name, other, Qt::CaseInsensitive) == 0;
}
