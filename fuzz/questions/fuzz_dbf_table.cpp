// Opens arbitrary bytes as a question table: walks every record, reads every
// field, sets level filters and rewrites a record. A broken file must end in
// an AppError, never in a crash, a hang or a read outside the file.
//
// The bytes lie in a file in memory (memfd), which a link named TULIP.DBF
// leads to through /proc/self/fd: the table opens, locks, reads and writes
// it as it does a file on disk, without waiting on a disk for every input.
#include "storage/app_error.h"
#include "questions/dbf_layout.h"
#include "questions/dbf_table.h"

#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>
#include <cstdlib>

#include <sys/mman.h>
#include <unistd.h>

namespace {

// A folder with the link TULIP.DBF to a file in memory, open for the whole run.
class MemoryTable {
public:
    MemoryTable()
        : m_fd(::memfd_create("TULIP.DBF", MFD_CLOEXEC)) {
        const QString target = QStringLiteral("/proc/self/fd/%1").arg(m_fd);
        if (m_fd < 0 || !m_dir.isValid() || !QFile::link(target, m_dir.filePath("TULIP.DBF")))
            std::abort();
    }
    QString folder() const { return m_dir.path(); }
    bool hold(const std::uint8_t* data, std::size_t size) const {
        return ::ftruncate(m_fd, 0) == 0 &&
               ::pwrite(m_fd, data, size, 0) == static_cast<ssize_t>(size);
    }

private:
    QTemporaryDir m_dir;
    int m_fd;
};

QStringList fieldNames(const QByteArray& bytes) {
    QStringList names;
    try {
        const DbfLayout layout = DbfLayout::Parse(bytes, bytes.size(), "fuzz");
        for (const DbfField& field : layout.fields())
            names << QString::fromLatin1(field.name());
    } catch (const AppError&) {
    }
    return names;
}

void readRecord(DbfTable& table, const QStringList& fields) {
    table.RecordNumber();
    table.IsDeleted();
    for (const QString& field : fields) {
        table.GetText(field);
        try {
            table.GetInteger(field);
        } catch (const AppError&) {
        }
    }
}

void walk(DbfTable& table, const QStringList& fields) {
    for (table.GoFirst(); !table.AtEnd(); table.GoNext())
        readRecord(table, fields);
}

void rewriteCurrent(DbfTable& table, const QStringList& fields) {
    if (!table.LockRecord())
        return;
    table.BeginEdit();
    for (const QString& field : fields) {
        try {
            table.SetText(field, table.GetText(field));
        } catch (const AppError&) {
        }
    }
    table.PostRecord();
    table.UnlockRecords();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static const MemoryTable memory;
    if (!memory.hold(data, size))
        return 0;
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QStringList fields = fieldNames(bytes);

    DbfTable table;
    table.SetDatabaseName(memory.folder());
    table.SetTableName(QStringLiteral("TULIP.DBF"));
    table.SetLockProtocol(LockProtocol::ClipLock);
    try {
        table.OpenTable();
        walk(table, fields);
        table.SetUseDeleted(true);
        walk(table, fields);
        for (const QString& field : fields) {
            table.SetFiltered(false);
            table.SetFilter(QStringLiteral("(%1 = %2)").arg(field).arg(size % 16));
            table.SetFiltered(true);
            walk(table, fields);
        }
        table.GoFirst();
        if (!table.AtEnd()) {
            table.Skip(int(size % 7));
            rewriteCurrent(table, fields);
        }
    } catch (const AppError&) {
    }
    return 0;
}
