// The shape of a table's records as its header describes it: header and
// record length and the fields with their positions. A header whose lengths
// do not fit together is refused here, before any record is touched.
#pragma once

#include "questions/dbf_field.h"

#include <QByteArray>
#include <QString>

#include <vector>

class DbfLayout {
public:
    // `head` holds the file's first header-length bytes (or all of a shorter
    // file). Fails with a message naming `path` when the header is no valid
    // table header.
    static DbfLayout Parse(const QByteArray& head, qint64 fileSize, const QString& path);

    int headerLength() const { return m_headerLength; }
    int recordLength() const { return m_recordLength; }
    const std::vector<DbfField>& fields() const { return m_fields; }
    // Letter case does not count; nullptr when there is no such field.
    const DbfField* find(QByteArrayView name) const;

    qint64 recordCount(qint64 fileSize) const;
    qint64 recordOffset(quint32 record) const;

    // Records of the two layouts can be copied byte for byte.
    bool sameRecords(const DbfLayout& other) const;

private:
    DbfLayout(int headerLength, int recordLength, std::vector<DbfField> fields);

    int m_headerLength;
    int m_recordLength;
    std::vector<DbfField> m_fields;
};
