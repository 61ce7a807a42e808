#include "records/ranking.h"

#include "storage/file_write_lock.h"
#include "storage/ini_file.h"
#include "records/game_date.h"
#include "records/reading_table.h"
#include "records/results_file.h"

#include <optional>

namespace {

// The player's row, or nothing when he is stale.
std::optional<RankingRow> readPlayer(const IniDocument& section, const QString& name,
                                     const QDate& today) {
    RankingRow row;
    row.name = name;
    // A player without any games booked yet counts as 9 roubles in 9 games.
    row.games = IniReadInt(section, name, QStringLiteral("Игра"), 9);
    row.money = IniReadInt(section, name, QStringLiteral("Состояние"), 9);
    row.score = row.games == 0 ? 0 : static_cast<qint64>(row.money) / row.games;
    // Without a right answer on record the player is long stale.
    row.date = IniReadStr(section, name, QStringLiteral("DT"), QStringLiteral("01.01.2000"));
    row.city = IniReadStr(section, name, QStringLiteral("Место"), QString());
    if (StrToDate(row.date.left(10)).daysTo(today) >= StaleAfterDays)
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
            IniSave(resultsFile, IniDocument(results.toBytes()), lock);
    };
    ReadingTable table;
    try {
        // A header with anything after its "]" names a section that is not
        // there: that player reads as all defaults and counts as stale.
        for (const QString& name : results.playerNames()) {
            if (const auto row = readPlayer(results.sectionOf(name), name, today))
                table.place(*row);
            else
                erased = results.eraseSection(name) || erased;
        }
    } catch (...) {
        saveErasures();
        throw;
    }
    saveErasures();
    return table.shownRows();
}
