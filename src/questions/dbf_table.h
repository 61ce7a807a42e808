// Access to one dBASE table file: the question table `TULIP.DBF`, from which
// a question round reads one question of its level and into which it writes
// the question back with its answers moved on, and a question pack whose
// records are appended to it.
//
// The table is read record by record as the current record moves; setting the
// level filter reads the file once, front to back, and keeps only the numbers
// of the admitted records. Several copies of the game may share the file: the
// record count always comes from the file size, the header is read again
// before every write, records are rewritten only under their lock and appends
// run under the header lock. A record is kept whole beside the file while it
// is written, so that a copy killed in mid-write leaves no broken question:
// the next copy to open the file, or to edit the record, finishes the write.
#pragma once

#include "questions/dbf_filter.h"
#include "questions/dbf_layout.h"
#include "questions/dbf_lock.h"
#include "questions/dbf_record_journal.h"

#include <QByteArray>
#include <QDateTime>
#include <QString>

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <vector>

class DbfFile;

class DbfTable {
public:
    DbfTable();
    ~DbfTable();
    DbfTable(const DbfTable&) = delete;
    DbfTable& operator=(const DbfTable&) = delete;

    // Folder of the file; "Default Directory" stands for the folder of the
    // running executable (the game names its own folder of player files).
    const QString& DatabaseName() const { return m_databaseName; }
    void SetDatabaseName(const QString& name);
    // File name; ".DBF" is added when it has no extension.
    const QString& TableName() const { return m_tableName; }
    void SetTableName(const QString& name);

    bool Exclusive() const { return m_exclusive; }
    void SetExclusive(bool exclusive) { m_exclusive = exclusive; }
    bool ReadOnly() const { return m_readOnly; }
    void SetReadOnly(bool readOnly) { m_readOnly = readOnly; }
    LockProtocol GetLockProtocol() const { return m_lockProtocol; }
    void SetLockProtocol(LockProtocol protocol) { m_lockProtocol = protocol; }
    bool UseDeleted() const { return m_useDeleted; }
    void SetUseDeleted(bool useDeleted) { m_useDeleted = useDeleted; }
    quint32 UserID() const { return m_userId; }
    void SetUserID(quint32 userId) { m_userId = userId; }
    // Kept for the pack table's settings; no operation translates text.
    bool TranslateASCII() const { return m_translateAscii; }
    void SetTranslateASCII(bool translate) { m_translateAscii = translate; }

    const QString& Filter() const { return m_filterText; }
    void SetFilter(const QString& expression);
    bool Filtered() const { return m_filtered; }
    void SetFiltered(bool filtered);

    // How long a lock that another copy of the game holds is waited for. It
    // holds a record only while it writes it, and a round refused its lock
    // would leave the question unmoved: the wait is far longer than such a
    // write and short enough for a player to wait through.
    static constexpr std::chrono::milliseconds DefaultLockWait{2000};
    void SetLockWait(std::chrono::milliseconds wait) { m_lockWait = wait; }

    // The clock that dates the header on every write.
    void SetClock(std::function<QDateTime()> clock) { m_clock = std::move(clock); }

    bool IsOpen() const { return m_file != nullptr; }
    QString FilePath() const;

    void OpenTable();
    void CloseTable();

    void GoFirst();
    int Skip(int count);
    void GoNext() { Skip(1); }
    bool AtEnd() const;
    // Physical number from 1, deleted records counted; 0 without a record.
    quint32 RecordNumber() const;
    bool IsDeleted() const;

    QByteArray GetText(const QString& field) const;
    int GetInteger(const QString& field) const;

    bool LockRecord();
    void UnlockRecords();
    void BeginEdit();
    void SetText(const QString& field, const QByteArray& text);
    void SetInteger(const QString& field, qint64 value);
    void PostRecord();

    // Appends a byte copy of the current record, flagged active, to `target`.
    void AppendCopyTo(DbfTable& target);
    // Records of both open tables can be copied byte for byte.
    bool HasSameLayout(const DbfTable& other) const;
    bool IsSameFile(const DbfTable& other) const;

private:
    void requireOpen() const;
    void requireRecord() const;
    void requireEditing() const;
    const DbfField& field(const QString& name) const;
    [[noreturn]] void fail(const QString& text) const;

    void applyFilter();
    bool visible(QByteArrayView record, const DbfFilter* filter, const DbfField* by) const;
    void updateAdmitted(quint32 record, bool admittedNow);
    std::optional<quint32> nextVisible(quint32 after) const;
    void load(quint32 record);
    QByteArray readRecord(quint32 record) const;
    void cancelEdit();
    void finishPendingPosts();
    void finishPendingPost(quint32 record);

    qint64 recordsInFile() const;
    void rewriteHeader(qint64 recordCount);
    void appendRecord(const QByteArray& record);

    QString m_databaseName = QStringLiteral("Default Directory");
    QString m_tableName;
    bool m_exclusive = false;
    bool m_readOnly = false;
    LockProtocol m_lockProtocol = LockProtocol::Default;
    bool m_useDeleted = false;
    quint32 m_userId = 0;
    bool m_translateAscii = false;
    QString m_filterText;
    bool m_filtered = false;
    std::function<QDateTime()> m_clock;
    std::chrono::milliseconds m_lockWait = DefaultLockWait;

    QString m_path;
    std::unique_ptr<DbfFile> m_file;
    std::optional<DbfLayout> m_layout;
    std::optional<DbfLock> m_lock;
    std::optional<DbfRecordJournal> m_journal;
    quint32 m_recordCount = 0;
    std::optional<DbfFilter> m_activeFilter;
    const DbfField* m_filterField = nullptr;
    std::vector<quint32> m_admitted;
    quint32 m_current = 0;
    QByteArray m_record;
    bool m_atEnd = true;
    bool m_editing = false;
};
