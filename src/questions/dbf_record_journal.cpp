#include "questions/dbf_record_journal.h"

#include "storage/write_point.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <algorithm>
#include <cerrno>
#include <fcntl.h>
#include <unistd.h>

namespace {

const QString Suffix = QStringLiteral(".post");
const QString Unfinished = QStringLiteral(".part");

bool writeWhole(const QByteArray& path, const QByteArray& bytes)
{
    const int fd = ::open(path.constData(), O_WRONLY | O_CREAT | O_TRUNC | O_NOFOLLOW | O_CLOEXEC,
                          0644);
    if (fd < 0)
        return false;
    const char* data = bytes.constData();
    qsizetype left = bytes.size();
    while (left > 0) {
        const ssize_t put = ::write(fd, data, size_t(left));
        if (put < 0 && errno == EINTR)
            continue;
        if (put <= 0)
            break;
        data += put;
        left -= put;
    }
    return ::close(fd) == 0 && left == 0;
}

} // namespace

DbfRecordJournal::DbfRecordJournal(const QString& tablePath)
    : m_folder(QFileInfo(tablePath).absolutePath())
    , m_prefix(u'.' + QFileInfo(tablePath).fileName() + u'.') {}

bool DbfRecordJournal::keep(quint32 record, const QByteArray& bytes) const {
    // Only the holder of the record's lock writes its journal, so the name
    // of the unfinished copy is never shared; the rename makes it whole.
    const QByteArray path = QFile::encodeName(pathOf(record));
    const QByteArray unfinished = path + QFile::encodeName(Unfinished);
    bool kept = writeWhole(unfinished, bytes);
    if (kept) {
        WritePoint::pass();
        kept = ::rename(unfinished.constData(), path.constData()) == 0;
    }
    if (!kept)
        ::unlink(unfinished.constData());
    return kept;
}

void DbfRecordJournal::drop(quint32 record) const {
    WritePoint::pass();
    const QByteArray path = QFile::encodeName(pathOf(record));
    ::unlink(path.constData());
    ::unlink((path + QFile::encodeName(Unfinished)).constData());
}

bool DbfRecordJournal::left(quint32 record) const {
    const QString path = pathOf(record);
    return QFile::exists(path) || QFile::exists(path + Unfinished);
}

std::optional<QByteArray> DbfRecordJournal::pending(quint32 record) const {
    QFile file(pathOf(record));
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    return file.readAll();
}

std::vector<quint32> DbfRecordJournal::pendingRecords() const {
    std::vector<quint32> records;
    const QStringList names = QDir(m_folder).entryList(
        {m_prefix + u'*' + Suffix, m_prefix + u'*' + Suffix + Unfinished}, QDir::Files | QDir::Hidden);
    for (QString name : names) {
        if (name.endsWith(Unfinished))
            name.chop(Unfinished.size());
        bool number = false;
        const quint32 record =
            name.mid(m_prefix.size(), name.size() - m_prefix.size() - Suffix.size()).toUInt(&number);
        if (number && record > 0 && std::find(records.begin(), records.end(), record) == records.end())
            records.push_back(record);
    }
    return records;
}

QString DbfRecordJournal::pathOf(quint32 record) const {
    return m_folder + u'/' + m_prefix + QString::number(record) + Suffix;
}
