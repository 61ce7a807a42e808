#include "questions/dbf_field.h"

#include "storage/app_error.h"
#include "questions/dbf_number.h"

#include <algorithm>

namespace {

constexpr qsizetype MaxTextLength = 255;

} // namespace

DbfField::DbfField(QByteArray name, char type, int offset, int length, int decimals)
    : m_name(std::move(name))
    , m_type(type)
    , m_offset(offset)
    , m_length(length)
    , m_decimals(decimals) {}

QByteArrayView DbfField::bytes(const QByteArray& record) const {
    return QByteArrayView(record).sliced(m_offset, m_length);
}

QByteArray DbfField::text(const QByteArray& record) const {
    QByteArrayView value = bytes(record);
    const qsizetype nul = value.indexOf('\0');
    if (nul >= 0)
        value = value.first(nul);
    while (!value.isEmpty() && value.back() == ' ')
        value.chop(1);
    if (isNumeric()) {
        while (!value.isEmpty() && value.front() == ' ')
            value = value.sliced(1);
        if (value.isEmpty())
            return DbfNumber::Parse({})->format(m_decimals);
    }
    return value.first(std::min(value.size(), MaxTextLength)).toByteArray();
}

void DbfField::setText(QByteArray& record, QByteArrayView text) const {
    if (!isNumeric()) {
        char* start = record.data() + m_offset;
        std::fill_n(start, m_length, ' ');
        std::copy_n(text.data(), std::min<qsizetype>(text.size(), m_length), start);
        return;
    }
    const auto number = DbfNumber::Parse(text);
    if (!number)
        throw AppError(QString::fromLatin1("dBase field is of incorrect type - " + m_name));
    storeNumber(record, number->format(m_decimals));
}

void DbfField::setInteger(QByteArray& record, qint64 value) const {
    if (!isNumeric())
        throw AppError(QString::fromLatin1("dBase field is of incorrect type - " + m_name));
    const QByteArray digits = QByteArray::number(value);
    storeNumber(record, DbfNumber::Parse(digits)->format(m_decimals));
}

void DbfField::storeNumber(QByteArray& record, const QByteArray& digits) const {
    if (digits.size() > m_length)
        throw AppError(
            QString::fromLatin1("Number too large to fit in field - " + digits + " " + m_name));
    const QByteArray aligned = digits.rightJustified(m_length, ' ');
    std::copy_n(aligned.data(), m_length, record.data() + m_offset);
}
