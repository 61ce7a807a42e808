// The results file tulip.lst read as its players, for a pass over all of
// them at every new game. The file is read once and indexed in one pass
// (IniSections); a player's values stay the file's bytes until the ranking
// shows them. Reads and erasures find the same section as they would in the
// whole file: the first one of the player's name.
#pragma once

#include "storage/ini_sections.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

#include <optional>
#include <utility>
#include <vector>

// What the results file holds for one player, as a reader gets it; nothing
// where a value is missing. Code page 1251.
struct PlayerRecord {
    QByteArrayView name;
    std::optional<QByteArrayView> games;  // "Игра", scrambled
    std::optional<QByteArrayView> money;  // "Состояние", scrambled
    std::optional<QByteArrayView> date;   // "DT"
    std::optional<QByteArrayView> city;   // "Место"
};

class ResultsFile {
public:
    explicit ResultsFile(QByteArray content);
    // A missing file is an empty one; throws AppError "Cannot open file
    // <file>" when it is there but cannot be read.
    static ResultsFile load(const QString& file);

    // A player per line opening with "[", in file order.
    int playerCount() const { return static_cast<int>(m_players.size()); }
    // His name is that line without its first and last character; he reads
    // as the first section of that name.
    PlayerRecord player(int index) const;
    // Erases the first section of the player's name; false when there is none.
    bool erase(int index);

    // The file as it stands after the erasures; the players are gone afterwards.
    QByteArray toBytes() && { return std::move(m_sections).toBytes(); }

private:
    QByteArrayView nameOf(int index) const;
    // The first section of the player's name not erased, or -1.
    int sectionOf(int index) const;

    IniSections m_sections;
    std::vector<int> m_players;  // their header lines among the sections
};
