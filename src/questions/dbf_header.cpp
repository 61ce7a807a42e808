#include "questions/dbf_header.h"

#include <QtEndian>

namespace {

constexpr int VersionAt = 0;
constexpr int DateAt = 1;
constexpr int CountAt = 4;
constexpr int HeaderLengthAt = 8;
constexpr int RecordLengthAt = 10;
constexpr int EncryptedAt = 15;
constexpr int StampAt = 16;
constexpr int UserAt = 20;
constexpr int FlagsAt = 28;
constexpr quint8 KeptFlags = 0x07;

quint32 changeStamp(const QTime& time) {
    const auto hms =
        (quint32(time.hour()) * 64 + quint32(time.minute())) * 64 + quint32(time.second());
    return hms * 1024 + quint32(time.msec());
}

} // namespace

DbfHeader::DbfHeader(const QByteArray& bytes)
    : m_bytes(bytes.first(Size)) {}

DbfHeader DbfHeader::Blank(quint8 version, quint16 headerLength, quint16 recordLength) {
    QByteArray bytes(Size, '\0');
    bytes[VersionAt] = char(version);
    qToLittleEndian<quint16>(headerLength, bytes.data() + HeaderLengthAt);
    qToLittleEndian<quint16>(recordLength, bytes.data() + RecordLengthAt);
    return DbfHeader(bytes);
}

quint8 DbfHeader::version() const {
    return quint8(m_bytes[VersionAt]);
}

quint32 DbfHeader::recordCount() const {
    return read32(CountAt);
}

quint16 DbfHeader::headerLength() const {
    return qFromLittleEndian<quint16>(m_bytes.constData() + HeaderLengthAt);
}

quint16 DbfHeader::recordLength() const {
    return qFromLittleEndian<quint16>(m_bytes.constData() + RecordLengthAt);
}

bool DbfHeader::encrypted() const {
    return m_bytes[EncryptedAt] != 0;
}

void DbfHeader::restamp(quint32 recordCount, const QDateTime& now, quint32 userId) {
    const QDate date = now.date();
    m_bytes[DateAt] = char(date.year() % 100);
    m_bytes[DateAt + 1] = char(date.month());
    m_bytes[DateAt + 2] = char(date.day());
    write32(CountAt, recordCount);
    m_bytes[FlagsAt] = char(quint8(m_bytes[FlagsAt]) & KeptFlags);
    write32(StampAt, changeStamp(now.time()));
    m_bytes[EncryptedAt] = 0;
    write32(UserAt, userId);
}

quint32 DbfHeader::read32(int offset) const {
    return qFromLittleEndian<quint32>(m_bytes.constData() + offset);
}

void DbfHeader::write32(int offset, quint32 value) {
    qToLittleEndian<quint32>(value, m_bytes.data() + offset);
}
