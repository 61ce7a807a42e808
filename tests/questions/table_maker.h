// Writes small dBASE tables for the tests byte by byte, independently of the
// code under test: the fields, the records (values given as stored text,
// padded here) and deleted flags.
#pragma once

#include <QByteArray>
#include <QString>
#include <QTemporaryDir>

#include <vector>

struct MadeField {
    QByteArray name;
    char type;
    int length;
    int decimals = 0;
};

struct MadeRecord {
    std::vector<QByteArray> values;
    bool deleted = false;
};

class TableMaker {
public:
    explicit TableMaker(std::vector<MadeField> fields);
    // The question table's fields: NN N 2, QQ C 254, A1..A4 C 100, ZN N 1.
    static TableMaker Questions();

    // A question of `level` with plain-looking texts and right answer 1.
    TableMaker& question(int level, const QByteArray& text, bool deleted = false);
    TableMaker& record(MadeRecord record);

    int headerLength() const;
    int recordLength() const;
    QByteArray bytes() const;
    // Written into `dir`; returns the path.
    QString write(const QTemporaryDir& dir,
                  const QString& name = QStringLiteral("TULIP.DBF")) const;

private:
    QByteArray recordBytes(const MadeRecord& record) const;

    std::vector<MadeField> m_fields;
    std::vector<MadeRecord> m_records;
};

// Test helpers for files and headers.
QByteArray readAll(const QString& path);
void writeAll(const QString& path, const QByteArray& bytes);
quint32 le32(const QByteArray& bytes, int offset);
quint16 le16(const QByteArray& bytes, int offset);
