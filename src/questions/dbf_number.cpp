#include "questions/dbf_number.h"

namespace {

bool isDigit(char c) {
    return c >= '0' && c <= '9';
}

QByteArrayView trimmedSpaces(QByteArrayView text) {
    while (!text.isEmpty() && text.front() == ' ')
        text = text.sliced(1);
    while (!text.isEmpty() && text.back() == ' ')
        text.chop(1);
    return text;
}

qsizetype digitRun(QByteArrayView text, qsizetype from) {
    qsizetype end = from;
    while (end < text.size() && isDigit(text[end]))
        ++end;
    return end - from;
}

} // namespace

std::optional<DbfNumber> DbfNumber::Parse(QByteArrayView text) {
    text = trimmedSpaces(text);
    DbfNumber number;
    if (text.isEmpty())
        return number;
    qsizetype pos = 0;
    if (text[0] == '-' || text[0] == '+') {
        number.m_negative = text[0] == '-';
        ++pos;
    }
    const qsizetype wholeLength = digitRun(text, pos);
    QByteArrayView whole = text.sliced(pos, wholeLength);
    pos += wholeLength;
    qsizetype fractionLength = 0;
    if (pos < text.size() && text[pos] == '.') {
        ++pos;
        fractionLength = digitRun(text, pos);
        number.m_fraction = text.sliced(pos, fractionLength);
        pos += fractionLength;
    }
    if (pos != text.size() || wholeLength + fractionLength == 0)
        return std::nullopt;
    while (!whole.isEmpty() && whole.front() == '0')
        whole = whole.sliced(1);
    number.m_whole = whole;
    return number;
}

std::optional<qint64> DbfNumber::truncated() const {
    if (m_whole.size() > 18)
        return std::nullopt;
    qint64 value = 0;
    for (const char c : m_whole)
        value = value * 10 + (c - '0');
    return m_negative ? -value : value;
}

bool DbfNumber::hasFraction() const {
    for (const char c : m_fraction)
        if (c != '0')
            return true;
    return false;
}

QByteArray DbfNumber::format(int decimals) const {
    QByteArray fraction = m_fraction.first(std::min<qsizetype>(decimals, m_fraction.size()))
                              .toByteArray()
                              .leftJustified(decimals, '0');
    const bool zero = m_whole.isEmpty() && fraction.count('0') == fraction.size();
    QByteArray text = (m_negative && !zero) ? QByteArray("-") : QByteArray();
    text += m_whole.isEmpty() ? QByteArray("0") : m_whole.toByteArray();
    if (decimals > 0)
        text += '.' + fraction;
    return text;
}
