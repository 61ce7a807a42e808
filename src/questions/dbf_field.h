// One field of a table record: where its bytes lie in the record and how its
// value is read and written there. A question has the level `NN`, the texts
// `QQ` and `A1` to `A4` and the number `ZN` of the right answer.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

class DbfField {
public:
    DbfField(QByteArray name, char type, int offset, int length, int decimals);

    const QByteArray& name() const { return m_name; }
    char type() const { return m_type; }
    int offset() const { return m_offset; }
    int length() const { return m_length; }
    int decimals() const { return m_decimals; }
    bool isNumeric() const { return m_type == 'N'; }

    bool operator==(const DbfField&) const = default;

    QByteArrayView bytes(const QByteArray& record) const;

    // Up to the first NUL, trailing spaces removed; a numeric value loses its
    // leading spaces too and a blank one reads as zero. At most 255 bytes.
    QByteArray text(const QByteArray& record) const;

    // A character field is blanked and the text copied to its start, cut to the
    // field. A numeric field takes the text as a number (empty is zero).
    void setText(QByteArray& record, QByteArrayView text) const;
    void setInteger(QByteArray& record, qint64 value) const;

private:
    void storeNumber(QByteArray& record, const QByteArray& digits) const;

    QByteArray m_name;
    char m_type;
    int m_offset;
    int m_length;
    int m_decimals;
};
