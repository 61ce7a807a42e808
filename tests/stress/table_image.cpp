#include "stress/table_image.h"

#include <QFile>

namespace {

constexpr int HeaderSize = 32;
constexpr int DateAt = 1;
constexpr int StampAt = 16;
constexpr int DescriptorSize = 32;
constexpr char FieldsEnd = 0x0D;
constexpr char EndOfData = 0x1A;

int le16(const QByteArray& bytes, int at)
{
    return quint8(bytes[at]) | quint8(bytes[at + 1]) << 8;
}

quint32 le32(const QByteArray& bytes, int at)
{
    return quint32(le16(bytes, at)) | quint32(le16(bytes, at + 2)) << 16;
}

QByteArray trimmed(QByteArray text)
{
    while (text.endsWith(' '))
        text.chop(1);
    return text;
}

} // namespace

std::optional<TableImage> TableImage::Read(const QString& path, QString& why)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        why = QStringLiteral("cannot open ") + path;
        return std::nullopt;
    }
    const QByteArray bytes = file.readAll();
    if (bytes.size() < HeaderSize) {
        why = QStringLiteral("the header is cut short");
        return std::nullopt;
    }
    TableImage image;
    const int headerLength = le16(bytes, 8);
    const int recordLength = le16(bytes, 10);
    if (bytes[0] != 0x03 || headerLength > bytes.size() || (headerLength - 1) % DescriptorSize != 0 ||
        bytes[headerLength - 1] != FieldsEnd) {
        why = QStringLiteral("the header or its field descriptors are broken");
        return std::nullopt;
    }
    int offset = 1;
    for (int at = HeaderSize; at < headerLength - 1; at += DescriptorSize) {
        const QByteArray name = bytes.mid(at, 11).split('\0').front();
        const int length = quint8(bytes[at + 16]);
        image.m_fields[name] = {offset, length};
        offset += length;
    }
    if (offset != recordLength) {
        why = QStringLiteral("the fields do not fill the record length");
        return std::nullopt;
    }
    const qsizetype data = bytes.size() - headerLength;
    const qsizetype whole = data / recordLength;
    const QByteArray tail = bytes.mid(headerLength + whole * recordLength);
    if (!tail.isEmpty() && tail != QByteArray(1, EndOfData)) {
        why = QStringLiteral("%1 bytes of a record cut short follow the last whole record")
                  .arg(tail.size());
        return std::nullopt;
    }
    for (qsizetype i = 0; i < whole; ++i) {
        const QByteArray record = bytes.mid(headerLength + i * recordLength, recordLength);
        if (record[0] != ' ' && record[0] != '*') {
            why = QStringLiteral("record %1 is flagged neither active nor deleted").arg(i + 1);
            return std::nullopt;
        }
        image.m_records.push_back(record);
    }
    image.m_header = bytes.left(headerLength);
    image.m_countInHeader = le32(bytes, 4);
    return image;
}

QByteArray TableImage::headerWithoutStamps() const
{
    QByteArray header = m_header;
    header.replace(DateAt, 3, QByteArray(3, '\0'));
    header.replace(StampAt, 4, QByteArray(4, '\0'));
    return header;
}

QByteArray TableImage::field(int index, const QByteArray& name) const
{
    const auto [offset, length] = m_fields.at(name);
    return trimmed(record(index).mid(offset, length));
}

StoredAnswers TableImage::answers(int index) const
{
    StoredAnswers stored;
    for (int i = 0; i < 4; ++i)
        stored.answers[size_t(i)] = field(index, "A" + QByteArray::number(i + 1));
    stored.right = field(index, "ZN").trimmed().toInt();
    return stored;
}

std::optional<int> rotationOf(const StoredAnswers& original, const StoredAnswers& now)
{
    for (int places = 0; places < 4; ++places) {
        bool moved = now.right == (original.right - 1 + places) % 4 + 1;
        for (int i = 0; i < 4 && moved; ++i)
            moved = now.answers[size_t((i + places) % 4)] == original.answers[size_t(i)];
        if (moved)
            return places;
    }
    return std::nullopt;
}

QString differenceFromRotated(const TableImage& original, const TableImage& now,
                              const std::vector<int>& rotations)
{
    if (now.headerWithoutStamps() != original.headerWithoutStamps())
        return QStringLiteral("the header changed beyond its stamps");
    if (now.recordCount() != original.recordCount() ||
        now.countInHeader() != quint32(now.recordCount()))
        return QStringLiteral("%1 records, %2 in the header, where there were %3")
            .arg(now.recordCount())
            .arg(now.countInHeader())
            .arg(original.recordCount());
    for (int i = 0; i < now.recordCount(); ++i) {
        for (const QByteArray& name : {QByteArray("NN"), QByteArray("QQ")})
            if (now.field(i, name) != original.field(i, name) ||
                now.record(i)[0] != original.record(i)[0])
                return QStringLiteral("record %1 lost its question or its level").arg(i + 1);
        const std::optional<int> places = rotationOf(original.answers(i), now.answers(i));
        if (!places)
            return QStringLiteral("record %1 holds no move of its answers").arg(i + 1);
        if (*places != rotations[size_t(i)] % 4)
            return QStringLiteral("record %1 moved on %2 places (mod 4) where %3 moves were made")
                .arg(i + 1)
                .arg(*places)
                .arg(rotations[size_t(i)]);
    }
    return {};
}
