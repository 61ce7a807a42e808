#include "records/reading_table.h"

#include <utility>

void ReadingTable::place(const RankingRow& row) {
    // The bottom row is overwritten even when it holds a player: with all
    // rows filled, the lowest so far drops out of the table.
    m_rows.back() = row;
    for (int i = RowCount - 1; i > 0; --i) {
        if (m_rows[i].score < m_rows[i - 1].score)
            break;
        std::swap(m_rows[i], m_rows[i - 1]);
    }
}

QList<RankingRow> ReadingTable::shownRows() const {
    QList<RankingRow> shown;
    for (const RankingRow& row : m_rows)
        if (!row.isEmpty())
            shown.append(row);
    return shown;
}
