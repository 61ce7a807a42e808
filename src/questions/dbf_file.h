// An open table file. Reads and writes are positioned and exact: a read that
// would reach past the end of the file or a failed write is an error with the
// platform's text, never a partial result. Other copies of the game are kept
// apart by single-byte locks that belong to this open file alone, so two
// tables open on one file in one program exclude each other as two programs do.
#pragma once

#include <QString>

class DbfFile {
public:
    // Opens for reading and writing (reading only when `readOnly`). A shared
    // open is refused while another holds the file exclusively, and an
    // exclusive one while anybody else holds it at all.
    DbfFile(const QString& path, bool readOnly, bool exclusive);
    ~DbfFile();
    DbfFile(const DbfFile&) = delete;
    DbfFile& operator=(const DbfFile&) = delete;

    const QString& path() const { return m_path; }
    qint64 size() const;
    bool isSameFile(const DbfFile& other) const;

    void read(qint64 offset, char* data, qint64 length) const;
    // Each write passes one write point before it starts.
    void write(qint64 offset, const char* data, qint64 length);
    // The caller reads the whole file front to back next.
    void adviseSequential() const;

    // Single-byte locks; false when another open file holds the byte.
    bool tryLock(qint64 offset);
    void unlock(qint64 offset);

private:
    [[noreturn]] void fail(int error, const char* fallback) const;
    bool setLock(qint64 offset, short type);

    QString m_path;
    bool m_readOnly;
    int m_fd = -1;
};
