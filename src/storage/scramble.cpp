#include "storage/scramble.h"

#include "storage/app_error.h"

#include <limits>
#include <optional>

namespace {

// Value of a decimal or hex digit, -1 for any other character.
int digitValue(QChar c)
{
    const char16_t u = c.toLower().unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

std::optional<int> parseInteger(const QString& text)
{
    qsizetype i = 0;
    while (i < text.size() && text[i] == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == u'-' || text[i] == u'+'))
        negative = text[i++] == u'-';
    int base = 10;
    if (i < text.size() && text[i] == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && text[i] == u'0' && (text[i + 1] == u'x' || text[i + 1] == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i]);
        if (digit < 0 || digit >= base)
            return std::nullopt;
        value = value * base + digit;
        if (value > std::numeric_limits<int>::max() + 1LL)
            return std::nullopt;
    }
    value = negative ? -value : value;
    if (value > std::numeric_limits<int>::max() || value < std::numeric_limits<int>::min())
        return std::nullopt;
    return static_cast<int>(value);
}

} // namespace

QByteArray ScrambleText(const QByteArray& text)
{
    QByteArray out(text);
    for (char& c : out)
        c = static_cast<char>(c ^ ScrambleKey);
    return out;
}

int StrToInt(const QString& text)
{
    const auto value = parseInteger(text);
    if (!value)
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

int StrToIntDef(const QString& text, int fallback) { return parseInteger(text).value_or(fallback); }
