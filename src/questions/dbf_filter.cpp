#include "questions/dbf_filter.h"

#include "storage/app_error.h"
#include "questions/dbf_number.h"

#include <QRegularExpression>

DbfFilter DbfFilter::Parse(const QString& expression) {
    DbfFilter filter;
    QString text = expression.trimmed();
    if (text.isEmpty())
        return filter;
    if (text.startsWith(u'(') && text.endsWith(u')'))
        text = text.mid(1, text.size() - 2);
    static const QRegularExpression comparison(
        QStringLiteral(R"(^\s*([A-Za-z_][A-Za-z0-9_]{0,10})\s*=\s*([+-]?[0-9]{1,18})\s*$)"));
    const QRegularExpressionMatch match = comparison.match(text);
    if (!match.hasMatch())
        throw AppError("Filter expression must return boolean result");
    filter.m_fieldName = match.captured(1).toLatin1();
    filter.m_value = match.captured(2).toLongLong();
    return filter;
}

bool DbfFilter::admits(QByteArrayView fieldBytes) const {
    if (admitsAll())
        return true;
    const qsizetype nul = fieldBytes.indexOf('\0');
    const auto number = DbfNumber::Parse(nul >= 0 ? fieldBytes.first(nul) : fieldBytes);
    return number && !number->hasFraction() && number->truncated() == m_value;
}
