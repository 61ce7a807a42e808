#include "records/game_date.h"

#include "storage/app_error.h"

#include <QRegularExpression>

std::optional<QDate> TryStrToDate(const QString& text) {
    static const QRegularExpression form(
        QStringLiteral("^ *([0-9]{1,2})\\.([0-9]{1,2})\\.([0-9]{4}) *$"));
    const QRegularExpressionMatch match = form.match(text);
    if (!match.hasMatch())
        return std::nullopt;
    const QDate date(match.captured(3).toInt(), match.captured(2).toInt(),
                     match.captured(1).toInt());
    if (!date.isValid())
        return std::nullopt;
    return date;
}

QDate StrToDate(const QString& text) {
    const auto date = TryStrToDate(text);
    if (!date)
        throw AppError(QStringLiteral("'%1' is not a valid date").arg(text));
    return *date;
}

QString DateToStr(const QDate& date) {
    return date.toString(QStringLiteral("dd.MM.yyyy"));
}
