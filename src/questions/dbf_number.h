// The decimal text of a numeric dBASE field: optional spaces around an
// optional sign, digits and an optional fraction. A blank field is zero.
// The parsed number points into the text it was read from, so reading a
// level during the filter pass costs no allocation.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <optional>

class DbfNumber {
public:
    // nullopt when the text is no decimal number.
    static std::optional<DbfNumber> Parse(QByteArrayView text);

    // The value cut toward zero; nullopt when it needs more than 18 digits.
    std::optional<qint64> truncated() const;
    bool hasFraction() const;

    // Decimal text with exactly `decimals` fraction digits; surplus fraction
    // digits are cut, not rounded.
    QByteArray format(int decimals) const;

private:
    bool m_negative = false;
    QByteArrayView m_whole;    // without leading zeros, empty for zero
    QByteArrayView m_fraction; // as written
};
