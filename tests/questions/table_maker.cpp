#include "table_maker.h"

#include <QFile>
#include <QtEndian>

#include <stdexcept>

TableMaker::TableMaker(std::vector<MadeField> fields)
    : m_fields(std::move(fields)) {}

TableMaker TableMaker::Questions() {
    return TableMaker({{"NN", 'N', 2},
                       {"QQ", 'C', 254},
                       {"A1", 'C', 100},
                       {"A2", 'C', 100},
                       {"A3", 'C', 100},
                       {"A4", 'C', 100},
                       {"ZN", 'N', 1}});
}

TableMaker& TableMaker::question(int level, const QByteArray& text, bool deleted) {
    return record(
        {{QByteArray::number(level), text, text + " a", text + " b", text + " c", text + " d", "1"},
         deleted});
}

TableMaker& TableMaker::record(MadeRecord record) {
    m_records.push_back(std::move(record));
    return *this;
}

int TableMaker::headerLength() const {
    return 32 + 32 * int(m_fields.size()) + 1;
}

int TableMaker::recordLength() const {
    int length = 1;
    for (const MadeField& field : m_fields)
        length += field.length;
    return length;
}

QByteArray TableMaker::bytes() const {
    QByteArray out(32, '\0');
    out[0] = 0x03;
    out[1] = char(99);
    out[2] = 1;
    out[3] = 2;
    qToLittleEndian<quint32>(quint32(m_records.size()), out.data() + 4);
    qToLittleEndian<quint16>(quint16(headerLength()), out.data() + 8);
    qToLittleEndian<quint16>(quint16(recordLength()), out.data() + 10);
    for (const MadeField& field : m_fields) {
        QByteArray descriptor(32, '\0');
        descriptor.replace(0, field.name.size(), field.name);
        descriptor[11] = field.type;
        descriptor[16] = char(field.length & 0xFF);
        descriptor[17] = char(field.type == 'C' ? field.length >> 8 : field.decimals);
        out += descriptor;
    }
    out += char(0x0D);
    for (const MadeRecord& record : m_records)
        out += recordBytes(record);
    out += char(0x1A);
    return out;
}

QString TableMaker::write(const QTemporaryDir& dir, const QString& name) const {
    const QString path = dir.filePath(name);
    writeAll(path, bytes());
    return path;
}

QByteArray TableMaker::recordBytes(const MadeRecord& record) const {
    QByteArray out(1, record.deleted ? '*' : ' ');
    for (size_t i = 0; i < m_fields.size(); ++i) {
        const MadeField& field = m_fields[i];
        const QByteArray value = i < record.values.size() ? record.values[i] : QByteArray();
        out += field.type == 'N' ? value.rightJustified(field.length, ' ', true)
                                 : value.leftJustified(field.length, ' ', true);
    }
    return out;
}

QByteArray readAll(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw std::runtime_error("cannot read " + path.toStdString());
    return file.readAll();
}

void writeAll(const QString& path, const QByteArray& bytes) {
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
        throw std::runtime_error("cannot write " + path.toStdString());
}

quint32 le32(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint32>(bytes.constData() + offset);
}

quint16 le16(const QByteArray& bytes, int offset) {
    return qFromLittleEndian<quint16>(bytes.constData() + offset);
}
