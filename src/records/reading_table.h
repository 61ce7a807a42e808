// The thirty rows the ranking is sorted in. Every player placed goes into
// the bottom row and climbs past every row whose score is not higher, so
// among equal scores the player placed later stands higher, and once all
// rows are filled each new player pushes out the lowest one.
#pragma once

#include "records/ranking_row.h"

#include <QList>

#include <array>

class ReadingTable {
public:
    static constexpr int RowCount = 30;

    void place(const RankingRow& row);
    // The filled rows, top down.
    QList<RankingRow> shownRows() const;

private:
    std::array<RankingRow, RowCount> m_rows{};
};
