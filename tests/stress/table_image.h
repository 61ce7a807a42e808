// A question table read byte by byte, apart from the code under test, to
// judge what copies of the game left in it: whether the file is whole, and
// how far the answers of each question have been moved on.
#pragma once

#include <QByteArray>
#include <QString>

#include <array>
#include <map>
#include <optional>
#include <vector>

// The four answers of a question as stored, and the number of the right one.
struct StoredAnswers {
    std::array<QByteArray, 4> answers;
    int right = 0;
};

class TableImage {
public:
    // The table at path, or nothing with the reason in why when the file is
    // not a whole table: a header with sound field descriptors, then whole
    // records flagged active or deleted, then at most the end marker.
    static std::optional<TableImage> Read(const QString& path, QString& why);

    quint32 countInHeader() const { return m_countInHeader; }
    int recordCount() const { return int(m_records.size()); }
    const QByteArray& record(int index) const { return m_records[size_t(index)]; }
    // The header and its field descriptors but for the date and the change
    // stamp of the last write, which every write renews.
    QByteArray headerWithoutStamps() const;
    // A field of a record without its trailing spaces.
    QByteArray field(int index, const QByteArray& name) const;
    StoredAnswers answers(int index) const;

private:
    QByteArray m_header;
    quint32 m_countInHeader = 0;
    std::map<QByteArray, std::pair<int, int>> m_fields; // name: offset, length
    std::vector<QByteArray> m_records;
};

// How many places the answers of `original` were moved on, one place being
// the game's move (first to second, ..., fourth to first, the right number
// following its answer), or nothing when `now` is no such move of them.
std::optional<int> rotationOf(const StoredAnswers& original, const StoredAnswers& now);

// The reason why `now` is not `original` with the answers of record i moved
// on rotations[i] places and nothing else changed; empty when it is.
QString differenceFromRotated(const TableImage& original, const TableImage& now,
                              const std::vector<int>& rotations);
