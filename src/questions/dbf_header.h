// The 32 bytes at the start of a table file. Every write to the table brings
// the record count, the date, the change stamp and the writer's number up to
// date here and keeps the reserved bytes as they were.
#pragma once

#include <QByteArray>
#include <QDateTime>

class DbfHeader {
public:
    static constexpr int Size = 32;

    // `bytes` holds at least Size bytes; only the first Size are kept.
    explicit DbfHeader(const QByteArray& bytes);
    static DbfHeader Blank(quint8 version, quint16 headerLength, quint16 recordLength);

    quint8 version() const;
    quint32 recordCount() const;
    quint16 headerLength() const;
    quint16 recordLength() const;
    bool encrypted() const;

    // Date and change stamp from `now`, the given count, no encryption, the
    // writer's number, and the table flags cut to their low three bits.
    void restamp(quint32 recordCount, const QDateTime& now, quint32 userId);

    const QByteArray& bytes() const { return m_bytes; }

private:
    quint32 read32(int offset) const;
    void write32(int offset, quint32 value);

    QByteArray m_bytes;
};
