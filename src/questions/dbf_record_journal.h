// A record on its way into a table file, kept whole beside the file until
// the file holds it. The system may stop a copy of the game that is killed
// in the middle of writing a record between two pages of the file, leaving
// the record half old, half new; the next copy to open the file, or to edit
// that record, finishes the write from here. One small file per record being
// written, ".<table file name>.<record number>.post", written under the
// record's lock and applied only by a holder of that lock.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>
#include <vector>

class DbfRecordJournal {
public:
    explicit DbfRecordJournal(const QString& tablePath);

    // Keeps the record whole beside the table; false when the folder cannot
    // be written (the write of the table then goes on without it).
    bool keep(quint32 record, const QByteArray& bytes) const;
    // The table holds the record now; an unfinished copy goes too.
    void drop(quint32 record) const;
    // Whether a write of the record left anything, whole or not.
    bool left(quint32 record) const;
    // The bytes of a write that did not end, when there is one whole.
    std::optional<QByteArray> pending(quint32 record) const;
    // The records whose writes did not end, their journals whole or not.
    std::vector<quint32> pendingRecords() const;

private:
    QString pathOf(quint32 record) const;

    QString m_folder;
    QString m_prefix;
};
