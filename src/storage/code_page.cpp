#include "storage/code_page.h"

#include "storage/code_page_tables.h"

#include <array>

namespace {

using UnicodeTable = std::array<char16_t, 128>;

QByteArray mapBytes(const QByteArray& text, const std::array<std::uint8_t, 128>& upper)
{
    QByteArray out(text);
    for (char& c : out) {
        const auto b = static_cast<std::uint8_t>(c);
        if (b >= 0x80)
            c = static_cast<char>(upper[b - 0x80]);
    }
    return out;
}

QString decodeWith(const QByteArray& bytes, const UnicodeTable& upper)
{
    QString out;
    out.reserve(bytes.size());
    for (const char c : bytes) {
        const auto b = static_cast<std::uint8_t>(c);
        out.append(b < 0x80 ? QChar(b) : QChar(upper[b - 0x80]));
    }
    return out;
}

int byteOf(QChar ch, const UnicodeTable& upper)
{
    if (ch.unicode() < 0x80)
        return ch.unicode();
    for (int i = 0; i < 128; ++i)
        if (upper[i] == ch.unicode())
            return 0x80 + i;
    return -1;
}

QByteArray encodeWith(const QString& text, const UnicodeTable& upper)
{
    QByteArray out;
    out.reserve(text.size());
    for (const QChar ch : text) {
        const int b = byteOf(ch, upper);
        out.append(b < 0 ? '?' : static_cast<char>(b));
    }
    return out;
}

bool encodableWith(const QString& text, const UnicodeTable& upper)
{
    for (const QChar ch : text)
        if (byteOf(ch, upper) < 0)
            return false;
    return true;
}

} // namespace

QByteArray ConvertCodePage(const QByteArray& text, const QString& direction)
{
    if (text.isEmpty())
        return text;
    const bool toDos = !direction.isEmpty() && direction.front().toUpper() == u'D';
    return mapBytes(text, toDos ? code_page_tables::Ansi1251ToOem866
                                : code_page_tables::Oem866ToAnsi1251);
}

namespace cp1251 {
QString decode(const QByteArray& bytes) { return decodeWith(bytes, code_page_tables::Ansi1251ToUnicode); }
QByteArray encode(const QString& text) { return encodeWith(text, code_page_tables::Ansi1251ToUnicode); }
bool canEncode(const QString& text) { return encodableWith(text, code_page_tables::Ansi1251ToUnicode); }
} // namespace cp1251

namespace cp866 {
QString decode(const QByteArray& bytes) { return decodeWith(bytes, code_page_tables::Oem866ToUnicode); }
QByteArray encode(const QString& text) { return encodeWith(text, code_page_tables::Oem866ToUnicode); }
bool canEncode(const QString& text) { return encodableWith(text, code_page_tables::Oem866ToUnicode); }
} // namespace cp866
