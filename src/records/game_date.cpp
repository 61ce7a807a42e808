#include "records/game_date.h"

#include "storage/app_error.h"
#include "storage/code_page.h"

#include <algorithm>

namespace {

// Reads a run of at least min and at most max ASCII digits at pos.
std::optional<int> digits(QByteArrayView text, qsizetype& pos, int min, int max) {
    int value = 0;
    int count = 0;
    while (pos < text.size() && count < max && text[pos] >= '0' && text[pos] <= '9') {
        value = value * 10 + (text[pos++] - '0');
        ++count;
    }
    if (count < min)
        return std::nullopt;
    return value;
}

bool skip(QByteArrayView text, qsizetype& pos, char c) {
    if (pos >= text.size() || text[pos] != c)
        return false;
    ++pos;
    return true;
}

} // namespace

std::optional<QDate> TryStoredDate(QByteArrayView text) {
    qsizetype pos = 0;
    while (skip(text, pos, ' ')) {
    }
    const auto day = digits(text, pos, 1, 2);
    if (!day || !skip(text, pos, '.'))
        return std::nullopt;
    const auto month = digits(text, pos, 1, 2);
    if (!month || !skip(text, pos, '.'))
        return std::nullopt;
    const auto year = digits(text, pos, 4, 4);
    if (!year)
        return std::nullopt;
    while (skip(text, pos, ' ')) {
    }
    if (pos != text.size())
        return std::nullopt;
    const QDate date(*year, *month, *day);
    if (!date.isValid())
        return std::nullopt;
    return date;
}

std::optional<QDate> TryStrToDate(const QString& text) {
    // Dates are ASCII: any other character makes the text no date.
    if (std::any_of(text.cbegin(), text.cend(), [](QChar c) { return c.unicode() > 0x7F; }))
        return std::nullopt;
    return TryStoredDate(text.toLatin1());
}

QDate StoredDate(QByteArrayView text) {
    const auto date = TryStoredDate(text);
    if (!date)
        throw AppError(QStringLiteral("'%1' is not a valid date").arg(cp1251::decode(text.toByteArray())));
    return *date;
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
