#include "records/ranking.h"

#include "storage/code_page.h"
#include "storage/file_write_lock.h"
#include "storage/ini_file.h"
#include "storage/scramble.h"
#include "records/game_date.h"
#include "records/reading_table.h"
#include "records/results_file.h"

#include <algorithm>
#include <optional>
#include <utility>

namespace {

// A player's row while the table is sorted: his values still the file's
// bytes, made texts only if he is shown.
struct PlacedRow {
    qint64 score = 0;
    int games = 0;
    int money = 0;
    QByteArrayView name;
    QByteArrayView date;
    QByteArrayView city;

    bool isEmpty() const { return name.isEmpty(); }
    RankingRow shown() const {
        return {score, cp1251::decode(name.toByteArray()), games, money,
                cp1251::decode(date.toByteArray()), cp1251::decode(city.toByteArray())};
    }
};

// The player's row, or nothing when he is stale.
std::optional<PlacedRow> readPlayer(const PlayerRecord& player, const QDate& today) {
    PlacedRow row;
    row.name = player.name;
    // A player without any games booked yet counts as 9 roubles in 9 games.
    row.games = StoredInt(player.games.value_or(QByteArrayView()), 9);
    row.money = StoredInt(player.money.value_or(QByteArrayView()), 9);
    row.score = row.games == 0 ? 0 : static_cast<qint64>(row.money) / row.games;
    // Without a right answer on record the player is long stale.
    row.date = player.date.value_or("01.01.2000");
    row.city = player.city.value_or(QByteArrayView());
    if (StoredDate(row.date.first(std::min<qsizetype>(row.date.size(), 10))).daysTo(today) >=
        StaleAfterDays)
        return std::nullopt;
    return row;
}

} // namespace

QList<RankingRow> RebuildRanking(const QString& resultsFile, const QDate& today) {
    // Held from the load, so that what another copy of the game writes
    // meanwhile is not undone when the erasures are saved.
    const FileWriteLock lock(resultsFile);
    ResultsFile results = ResultsFile::load(resultsFile);
    bool erased = false;
    const auto saveErasures = [&] {
        if (erased)
            IniSave(resultsFile, std::move(results).toBytes(), lock);
    };
    ReadingTable<PlacedRow> table;
    try {
        for (int index = 0; index < results.playerCount(); ++index) {
            if (const auto row = readPlayer(results.player(index), today))
                table.place(*row);
            else
                erased = results.erase(index) || erased;
        }
    } catch (...) {
        saveErasures();
        throw;
    }
    // Made before the save, which reuses the bytes the rows still point into.
    QList<RankingRow> rows;
    for (const PlacedRow& row : table.shownRows())
        rows.append(row.shown());
    saveErasures();
    return rows;
}
