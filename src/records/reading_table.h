// The thirty rows the ranking is sorted in. Every player placed goes into
// the bottom row and climbs past every row whose score is not higher, so
// among equal scores the player placed later stands higher, and once all
// rows are filled each new player pushes out the lowest one.
//
// A row is anything with a score and isEmpty(): the ranking places light
// rows of bytes and makes the texts of the shown ones only.
#pragma once

#include "records/ranking_row.h"

#include <QList>

#include <array>
#include <utility>

template <typename Row>
class ReadingTable {
public:
    static constexpr int RowCount = 30;

    void place(const Row& row) {
        // The bottom row is overwritten even when it holds a player: with all
        // rows filled, the lowest so far drops out of the table.
        m_rows.back() = row;
        for (int i = RowCount - 1; i > 0; --i) {
            if (m_rows[i].score < m_rows[i - 1].score)
                break;
            std::swap(m_rows[i], m_rows[i - 1]);
        }
    }

    // The filled rows, top down.
    QList<Row> shownRows() const {
        QList<Row> shown;
        for (const Row& row : m_rows)
            if (!row.isEmpty())
                shown.append(row);
        return shown;
    }

private:
    std::array<Row, RowCount> m_rows{};
};
