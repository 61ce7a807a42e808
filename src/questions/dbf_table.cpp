#include "questions/dbf_table.h"

#include "storage/app_error.h"
#include "questions/dbf_file.h"
#include "questions/dbf_header.h"
#include "questions/dbf_number.h"

#include <QFileInfo>

#include <algorithm>
#include <limits>

namespace {

// The filter pass reads this much of the file at a time.
constexpr qint64 FilterBlockBytes = qint64(1) << 20;
constexpr char DeletedFlag = '*';
constexpr char ActiveFlag = ' ';
constexpr char EndOfData = 0x1A;
constexpr qsizetype MaxNumberText = 31;

QString executableFolder() {
    return QFileInfo(QStringLiteral("/proc/self/exe")).canonicalPath();
}

quint32 clampedCount(qint64 count) {
    return quint32(std::min<qint64>(count, std::numeric_limits<quint32>::max()));
}

} // namespace

DbfTable::DbfTable()
    : m_clock([] { return QDateTime::currentDateTime(); }) {}

DbfTable::~DbfTable() = default;

void DbfTable::SetDatabaseName(const QString& name) {
    if (IsOpen())
        throw AppError("Cannot perform this operation on an open dataset");
    m_databaseName = name;
}

void DbfTable::SetTableName(const QString& name) {
    if (IsOpen())
        throw AppError("Cannot perform this operation on an open dataset");
    m_tableName = name;
}

QString DbfTable::FilePath() const {
    QString folder =
        m_databaseName.compare(QStringLiteral("Default Directory"), Qt::CaseInsensitive) == 0
            ? executableFolder()
            : m_databaseName;
    if (!folder.isEmpty() && !folder.endsWith(u'/'))
        folder += u'/';
    QString name = m_tableName;
    if (!QFileInfo(name).fileName().contains(u'.'))
        name += QStringLiteral(".DBF");
    return folder + name;
}

void DbfTable::SetFilter(const QString& expression) {
    m_filterText = expression;
    if (IsOpen() && m_filtered)
        applyFilter();
}

void DbfTable::SetFiltered(bool filtered) {
    m_filtered = filtered;
    if (!IsOpen())
        return;
    if (!filtered) {
        m_activeFilter.reset();
        m_filterField = nullptr;
        m_admitted = {};
        GoFirst();
    } else if (m_activeFilter) {
        GoFirst();
    } else {
        applyFilter();
    }
}

void DbfTable::OpenTable() {
    if (IsOpen())
        return;
    if (m_tableName.isEmpty())
        throw AppError("Table name missing");
    m_path = FilePath();
    auto file = std::make_unique<DbfFile>(m_path, m_readOnly, m_exclusive);
    const qint64 size = file->size();
    QByteArray head(std::min<qint64>(size, DbfHeader::Size), '\0');
    file->read(0, head.data(), head.size());
    if (head.size() == DbfHeader::Size) {
        const int headerLength = DbfHeader(head).headerLength();
        if (headerLength > DbfHeader::Size && headerLength <= size) {
            head.resize(headerLength);
            file->read(0, head.data(), head.size());
        }
    }
    m_layout = DbfLayout::Parse(head, size, m_path);
    m_file = std::move(file);
    m_lock.emplace(m_exclusive ? nullptr : m_file.get());
    m_journal.emplace(m_path);
    m_recordCount = clampedCount(m_layout->recordCount(size));
    try {
        if (!m_readOnly)
            finishPendingPosts();
        GoFirst();
    } catch (...) {
        CloseTable();
        throw;
    }
}

void DbfTable::CloseTable() {
    m_editing = false;
    m_lock.reset();
    m_journal.reset();
    m_file.reset();
    m_layout.reset();
    m_activeFilter.reset();
    m_filterField = nullptr;
    m_admitted = {};
    m_current = 0;
    m_record.clear();
    m_atEnd = true;
}

void DbfTable::GoFirst() {
    requireOpen();
    if (const auto first = nextVisible(0)) {
        load(*first);
        m_atEnd = false;
    } else {
        cancelEdit();
        m_current = 0;
        m_record.clear();
        m_atEnd = true;
    }
}

int DbfTable::Skip(int count) {
    requireOpen();
    if (count <= 0 || m_atEnd || m_current == 0)
        return 0;
    if (m_activeFilter) {
        const auto next = std::upper_bound(m_admitted.begin(), m_admitted.end(), m_current);
        const int steps = int(std::min<qint64>(count, m_admitted.end() - next));
        m_atEnd = steps < count;
        if (steps > 0)
            load(*(next + steps - 1));
        return steps;
    }
    int steps = 0;
    quint32 last = m_current;
    for (; steps < count; ++steps) {
        const auto next = nextVisible(last);
        if (!next) {
            m_atEnd = true;
            break;
        }
        last = *next;
    }
    if (steps > 0)
        load(last);
    return steps;
}

bool DbfTable::AtEnd() const {
    requireOpen();
    return m_atEnd;
}

quint32 DbfTable::RecordNumber() const {
    requireOpen();
    return m_current;
}

bool DbfTable::IsDeleted() const {
    requireRecord();
    return m_record[0] == DeletedFlag;
}

QByteArray DbfTable::GetText(const QString& name) const {
    requireRecord();
    return field(name).text(m_record);
}

int DbfTable::GetInteger(const QString& name) const {
    requireRecord();
    const DbfField& numeric = field(name);
    if (!numeric.isNumeric())
        throw AppError(QStringLiteral("dBase field is of incorrect type - ") +
                       QString::fromLatin1(numeric.name()));
    const QByteArray text = numeric.text(m_record).left(MaxNumberText);
    const auto number = DbfNumber::Parse(text);
    const auto value = number ? number->truncated() : std::nullopt;
    if (!value || *value < std::numeric_limits<int>::min() ||
        *value > std::numeric_limits<int>::max())
        throw AppError(QStringLiteral("'%1' is not a valid integer value - %2->%3")
                           .arg(QString::fromLatin1(text), m_path.toUpper(),
                                QString::fromLatin1(numeric.name())));
    return int(*value);
}

bool DbfTable::LockRecord() {
    requireOpen();
    return m_current != 0 &&
           m_lock->acquire(RecordLockOffset(m_lockProtocol, m_current, m_layout->headerLength(),
                                            m_layout->recordLength()),
                           m_lockWait);
}

void DbfTable::UnlockRecords() {
    requireOpen();
    m_lock->release();
}

void DbfTable::BeginEdit() {
    requireRecord();
    if (m_readOnly)
        fail(QStringLiteral("Cannot modify a read-only dataset"));
    if (m_editing)
        return;
    if (!LockRecord())
        throw AppError("Record is locked by another user");
    // Another copy of the game may have rewritten the record before the lock,
    // or have been killed while it did.
    try {
        finishPendingPost(m_current);
        m_record = readRecord(m_current);
    } catch (...) {
        m_lock->release();
        throw;
    }
    m_editing = true;
}

void DbfTable::SetText(const QString& name, const QByteArray& text) {
    requireEditing();
    field(name).setText(m_record, text);
}

void DbfTable::SetInteger(const QString& name, qint64 value) {
    requireEditing();
    field(name).setInteger(m_record, value);
}

void DbfTable::PostRecord() {
    requireEditing();
    const qint64 inFile = recordsInFile();
    if (m_current > inFile)
        fail(QStringLiteral("Record %1 lies beyond the end of the file").arg(m_current));
    const bool kept = m_journal->keep(m_current, m_record);
    try {
        m_file->write(m_layout->recordOffset(m_current), m_record.constData(), m_record.size());
    } catch (...) {
        // A write the file refused is not finished later.
        m_journal->drop(m_current);
        throw;
    }
    rewriteHeader(inFile);
    if (kept)
        m_journal->drop(m_current);
    m_editing = false;
    m_lock->release();
    if (m_activeFilter)
        updateAdmitted(m_current, visible(m_record, &*m_activeFilter, m_filterField));
}

void DbfTable::AppendCopyTo(DbfTable& target) {
    requireRecord();
    target.requireOpen();
    if (&target == this || IsSameFile(target))
        fail(QStringLiteral("Cannot append a table to itself"));
    if (!HasSameLayout(target))
        fail(QStringLiteral("Records do not fit the table %1").arg(target.m_path.toUpper()));
    if (target.m_readOnly)
        target.fail(QStringLiteral("Cannot modify a read-only dataset"));
    // The append goes on without the header lock when another copy holds it
    // past the wait.
    const bool headerLocked =
        target.m_lock->acquire(HeaderLockOffset(target.m_lockProtocol), target.m_lockWait);
    try {
        target.appendRecord(m_record);
    } catch (...) {
        if (headerLocked)
            target.m_lock->release();
        throw;
    }
    if (headerLocked)
        target.m_lock->release();
}

bool DbfTable::HasSameLayout(const DbfTable& other) const {
    return IsOpen() && other.IsOpen() && m_layout->sameRecords(*other.m_layout);
}

bool DbfTable::IsSameFile(const DbfTable& other) const {
    return IsOpen() && other.IsOpen() && m_file->isSameFile(*other.m_file);
}

void DbfTable::requireOpen() const {
    if (!IsOpen())
        throw AppError("Cannot perform this operation on a closed dataset");
}

void DbfTable::requireRecord() const {
    requireOpen();
    if (m_current == 0)
        throw AppError("Cannot perform this operation on an empty dataset");
}

void DbfTable::requireEditing() const {
    requireOpen();
    if (!m_editing)
        throw AppError("Dataset not in edit or insert mode");
}

const DbfField& DbfTable::field(const QString& name) const {
    if (const DbfField* found = m_layout->find(name.toLatin1()))
        return *found;
    throw AppError(
        QStringLiteral("dBase field name is invalid - %1->%2").arg(m_path.toUpper(), name));
}

void DbfTable::fail(const QString& text) const {
    throw AppError(text + QStringLiteral(" - ") + m_path.toUpper());
}

void DbfTable::applyFilter() {
    m_activeFilter.reset();
    m_filterField = nullptr;
    m_admitted = {};
    const DbfFilter filter = DbfFilter::Parse(m_filterText);
    const DbfField* by =
        filter.admitsAll() ? nullptr : &field(QString::fromLatin1(filter.fieldName()));

    const int length = m_layout->recordLength();
    const qint64 perBlock = std::max<qint64>(1, FilterBlockBytes / length);
    QByteArray block(perBlock * length, Qt::Uninitialized);
    m_file->adviseSequential();
    for (qint64 first = 1; first <= m_recordCount; first += perBlock) {
        const qint64 count = std::min<qint64>(perBlock, m_recordCount - first + 1);
        m_file->read(m_layout->recordOffset(quint32(first)), block.data(), count * length);
        for (qint64 i = 0; i < count; ++i)
            if (visible(QByteArrayView(block).sliced(i * length, length), &filter, by))
                m_admitted.push_back(quint32(first + i));
    }
    m_activeFilter = filter;
    m_filterField = by;
    GoFirst();
}

bool DbfTable::visible(QByteArrayView record, const DbfFilter* filter, const DbfField* by) const {
    if (!m_useDeleted && record[0] == DeletedFlag)
        return false;
    return !by || filter->admits(record.sliced(by->offset(), by->length()));
}

void DbfTable::updateAdmitted(quint32 record, bool admittedNow) {
    const auto at = std::lower_bound(m_admitted.begin(), m_admitted.end(), record);
    const bool present = at != m_admitted.end() && *at == record;
    if (admittedNow && !present)
        m_admitted.insert(at, record);
    else if (!admittedNow && present)
        m_admitted.erase(at);
}

std::optional<quint32> DbfTable::nextVisible(quint32 after) const {
    if (m_activeFilter) {
        const auto next = std::upper_bound(m_admitted.begin(), m_admitted.end(), after);
        return next == m_admitted.end() ? std::nullopt : std::optional<quint32>(*next);
    }
    for (qint64 record = qint64(after) + 1; record <= m_recordCount; ++record)
        if (m_useDeleted || visible(readRecord(quint32(record)), nullptr, nullptr))
            return quint32(record);
    return std::nullopt;
}

void DbfTable::load(quint32 record) {
    cancelEdit();
    m_record = readRecord(record);
    m_current = record;
}

QByteArray DbfTable::readRecord(quint32 record) const {
    QByteArray bytes(m_layout->recordLength(), Qt::Uninitialized);
    m_file->read(m_layout->recordOffset(record), bytes.data(), bytes.size());
    return bytes;
}

void DbfTable::cancelEdit() {
    if (!m_editing)
        return;
    m_editing = false;
    m_lock->release();
}

void DbfTable::finishPendingPosts() {
    for (const quint32 record : m_journal->pendingRecords()) {
        // A record whose lock another copy holds is being written right now.
        const qint64 lock = RecordLockOffset(m_lockProtocol, record, m_layout->headerLength(),
                                             m_layout->recordLength());
        if (!m_file->tryLock(lock))
            continue;
        try {
            finishPendingPost(record);
        } catch (...) {
            m_file->unlock(lock);
            throw;
        }
        m_file->unlock(lock);
    }
}

// The caller holds the record's lock.
void DbfTable::finishPendingPost(quint32 record) {
    if (!m_journal->left(record))
        return;
    const std::optional<QByteArray> bytes = m_journal->pending(record);
    if (bytes && bytes->size() == m_layout->recordLength() && record <= recordsInFile())
        m_file->write(m_layout->recordOffset(record), bytes->constData(), bytes->size());
    m_journal->drop(record);
}

qint64 DbfTable::recordsInFile() const {
    return m_layout->recordCount(m_file->size());
}

void DbfTable::rewriteHeader(qint64 recordCount) {
    QByteArray bytes(DbfHeader::Size, Qt::Uninitialized);
    m_file->read(0, bytes.data(), bytes.size());
    DbfHeader header(bytes);
    if (header.headerLength() != m_layout->headerLength() ||
        header.recordLength() != m_layout->recordLength())
        fail(QStringLiteral("The table was restructured by another program"));
    header.restamp(clampedCount(recordCount), m_clock(), m_userId);
    m_file->write(0, header.bytes().constData(), DbfHeader::Size);
}

void DbfTable::appendRecord(const QByteArray& record) {
    const qint64 count = recordsInFile();
    QByteArray bytes = record;
    bytes[0] = ActiveFlag;
    bytes.append(EndOfData);
    m_file->write(m_layout->recordOffset(quint32(count + 1)), bytes.constData(), bytes.size());
    rewriteHeader(count + 1);
    m_recordCount = clampedCount(count + 1);
    if (m_activeFilter)
        updateAdmitted(m_recordCount,
                       visible(bytes.first(record.size()), &*m_activeFilter, m_filterField));
}
