// The ranking of the players in the results file tulip.lst, rebuilt afresh
// at every new game and for the top-ten page. A rebuild also drops the
// players who have not answered a question right for a month.
#pragma once

#include "records/ranking_row.h"

#include <QDate>
#include <QList>
#include <QString>

// A player whose latest right answer lies this many days back is dropped.
inline constexpr int StaleAfterDays = 31;

// The shown rows, top down (thirty at most). A missing results file is an
// empty one; one that cannot be read throws AppError "Cannot open file
// <file>" and is left alone. Stale players are erased from the file, which is written once.
// Throws AppError for a "DT" that is no date or an integer that is no
// integer; the players erased before it stay erased.
QList<RankingRow> RebuildRanking(const QString& resultsFile, const QDate& today);
