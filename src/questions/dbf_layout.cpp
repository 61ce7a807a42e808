#include "questions/dbf_layout.h"

#include "storage/app_error.h"
#include "questions/dbf_header.h"

#include <numeric>

namespace {

constexpr int DescriptorSize = 32;
constexpr int NameSize = 11;
constexpr int TypeAt = 11;
constexpr int LengthAt = 16;
constexpr int HighLengthAt = 17;
constexpr char Terminator = 0x0D;
constexpr quint8 BackLinkVersion = 0x30;
constexpr int BackLinkSize = 263;

struct Descriptor {
    QByteArray name;
    char type;
    int length;
    int extra; // decimals of a number, high length byte of a text, or neither
};

bool acceptedVersion(quint8 version) {
    return version == 0x03 || version == 0x30 || version == 0x83 || version == 0x8B ||
           version == 0xF5;
}

[[noreturn]] void damaged(const QString& path, const QString& reason) {
    throw AppError(
        QStringLiteral("dBase DBF file header invalid (%1) - %2").arg(reason, path.toUpper()));
}

int fieldLength(const Descriptor& field, bool highBytes) {
    return field.type == 'C' && highBytes ? field.length + 256 * field.extra : field.length;
}

int totalLength(const std::vector<Descriptor>& descriptors, bool highBytes) {
    return std::accumulate(descriptors.begin(), descriptors.end(), 1,
                           [highBytes](int sum, const Descriptor& field) {
                               return sum + fieldLength(field, highBytes);
                           });
}

std::vector<Descriptor> readDescriptors(const QByteArray& head, int count, const QString& path) {
    std::vector<Descriptor> descriptors;
    for (int i = 0; i < count; ++i) {
        const QByteArrayView at =
            QByteArrayView(head).sliced(DbfHeader::Size + i * DescriptorSize, DescriptorSize);
        if (at[0] == Terminator)
            break;
        const QByteArrayView raw = at.first(NameSize);
        const QByteArray name =
            raw.first(raw.indexOf('\0') < 0 ? NameSize : raw.indexOf('\0')).toByteArray();
        if (name.isEmpty())
            damaged(path, QStringLiteral("field %1 has no name").arg(i + 1));
        descriptors.push_back({name, at[TypeAt], quint8(at[LengthAt]), quint8(at[HighLengthAt])});
    }
    return descriptors;
}

} // namespace

DbfLayout::DbfLayout(int headerLength, int recordLength, std::vector<DbfField> fields)
    : m_headerLength(headerLength)
    , m_recordLength(recordLength)
    , m_fields(std::move(fields)) {}

DbfLayout DbfLayout::Parse(const QByteArray& head, qint64 fileSize, const QString& path) {
    if (fileSize == 0)
        damaged(path, QStringLiteral("the file is empty"));
    if (head.size() < DbfHeader::Size)
        damaged(path, QStringLiteral("the file is shorter than a table header"));
    const DbfHeader header(head);
    if (!acceptedVersion(header.version()))
        throw AppError(QStringLiteral("dBase DBF file header invalid - ") + path.toUpper());
    if (header.encrypted())
        throw AppError(QStringLiteral("No Password for encrypted file %1").arg(path));
    const int headerLength = header.headerLength();
    const int recordLength = header.recordLength();
    const int backLink = header.version() == BackLinkVersion ? BackLinkSize : 0;
    if (headerLength > fileSize || headerLength > head.size())
        damaged(path,
                QStringLiteral("header length %1 runs past the end of the file").arg(headerLength));
    if (headerLength < DbfHeader::Size + 1 + backLink)
        damaged(path, QStringLiteral("header length %1 is too short").arg(headerLength));
    if (recordLength == 0)
        damaged(path, QStringLiteral("record length is 0"));

    const int count = (headerLength - DbfHeader::Size - 1 - backLink) / DescriptorSize;
    const std::vector<Descriptor> descriptors = readDescriptors(head, count, path);
    // Some writers keep the decimals of a text field where its high length
    // byte belongs; the record length tells which reading is meant.
    const bool highBytes = totalLength(descriptors, true) == recordLength;
    if (!highBytes && totalLength(descriptors, false) != recordLength) {
        int end = 1;
        for (const Descriptor& field : descriptors) {
            end += fieldLength(field, false);
            if (end > recordLength)
                damaged(path, QStringLiteral("field %1 runs past the end of the record")
                                  .arg(QString::fromLatin1(field.name)));
        }
        damaged(path, QStringLiteral("the fields fill %1 of the %2 bytes of a record")
                          .arg(end)
                          .arg(recordLength));
    }

    std::vector<DbfField> fields;
    int offset = 1;
    for (const Descriptor& field : descriptors) {
        const int length = fieldLength(field, highBytes);
        fields.emplace_back(field.name, field.type, offset, length,
                            field.type == 'N' ? field.extra : 0);
        offset += length;
    }
    return DbfLayout(headerLength, recordLength, std::move(fields));
}

const DbfField* DbfLayout::find(QByteArrayView name) const {
    for (const DbfField& field : m_fields)
        if (field.name().compare(name, Qt::CaseInsensitive) == 0)
            return &field;
    return nullptr;
}

qint64 DbfLayout::recordCount(qint64 fileSize) const {
    return fileSize < m_headerLength ? 0 : (fileSize - m_headerLength) / m_recordLength;
}

qint64 DbfLayout::recordOffset(quint32 record) const {
    return m_headerLength + (qint64(record) - 1) * m_recordLength;
}

bool DbfLayout::sameRecords(const DbfLayout& other) const {
    return m_recordLength == other.m_recordLength && m_fields == other.m_fields;
}
