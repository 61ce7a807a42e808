// Opens arbitrary bytes as a question table: walks every record, reads every
// field, sets level filters and rewrites a record. A broken file must end in
// an AppError, never in a crash, a hang or a read outside the file.
#include "storage/app_error.h"
#include "questions/dbf_layout.h"
#include "questions/dbf_table.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <cstddef>
#include <cstdint>

namespace {

const QTemporaryDir& workDir() {
    static const QTemporaryDir dir;
    return dir;
}

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
    const QByteArray bytes(reinterpret_cast<const char*>(data), qsizetype(size));
    const QString path = workDir().filePath(QStringLiteral("TULIP.DBF"));
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate) || file.write(bytes) != bytes.size())
        return 0;
    file.close();
    const QStringList fields = fieldNames(bytes);

    DbfTable table;
    table.SetDatabaseName(workDir().path());
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
