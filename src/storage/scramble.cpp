#include "storage/scramble.h"

#include "storage/app_error.h"
#include "storage/code_page.h"

#include <QVarLengthArray>

#include <limits>
#include <optional>

namespace {

// The characters of a text: a QString's, or the bytes of a file read as
// ASCII, every other byte taken for no digit.
char16_t charAt(QStringView text, qsizetype i) { return text[i].unicode(); }
char16_t charAt(QByteArrayView text, qsizetype i)
{
    const auto byte = static_cast<unsigned char>(text[i]);
    return byte < 0x80 ? byte : u'\uFFFF';
}

// Value of a decimal or hex digit, -1 for any other character.
int digitValue(char16_t c)
{
    const char16_t u = QChar(c).toLower().unicode();
    if (u >= u'0' && u <= u'9')
        return u - u'0';
    if (u >= u'a' && u <= u'f')
        return u - u'a' + 10;
    return -1;
}

template <typename Text>
std::optional<int> parseInteger(Text text)
{
    qsizetype i = 0;
    while (i < text.size() && charAt(text, i) == u' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (charAt(text, i) == u'-' || charAt(text, i) == u'+'))
        negative = charAt(text, i++) == u'-';
    int base = 10;
    if (i < text.size() && charAt(text, i) == u'$') {
        base = 16;
        ++i;
    } else if (i + 1 < text.size() && charAt(text, i) == u'0' &&
               (charAt(text, i + 1) == u'x' || charAt(text, i + 1) == u'X')) {
        base = 16;
        i += 2;
    }
    if (i == text.size())
        return std::nullopt;
    long long value = 0;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(charAt(text, i));
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
    const auto value = parseInteger(QStringView(text));
    if (!value)
        throw AppError(QStringLiteral("'%1' is not a valid integer value").arg(text));
    return *value;
}

int StoredInt(QByteArrayView scrambled, int defaultValue)
{
    if (scrambled.isEmpty())
        return defaultValue;
    QVarLengthArray<char, 32> text;
    for (const char c : scrambled)
        text.append(static_cast<char>(c ^ ScrambleKey));
    if (const auto value = parseInteger(QByteArrayView(text)))
        return *value;
    // Refused as bytes: read again as text, which names the text in its error.
    return StrToInt(cp1251::decode(QByteArray(text.data(), text.size())));
}

int StrToIntDef(const QString& text, int fallback)
{
    return parseInteger(QStringView(text)).value_or(fallback);
}
