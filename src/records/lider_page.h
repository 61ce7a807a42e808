// The ranking as the web page lider.html, which the top-ten command writes
// and opens in the browser. Its head declares code page 1251, the page's own
// encoding, and every value from the results file is HTML-escaped, so a name
// like "<b>" shows as typed instead of changing the page.
#pragma once

#include "records/ranking_row.h"

#include <QList>
#include <QString>
#include <QStringList>

inline constexpr auto LiderPageName = "lider.html";

// The page's lines: the head, one table row per shown row with an empty
// separator row after the tenth or after the first with score "0", the end.
QStringList LiderPageLines(const QList<RankingRow>& rows);

// Writes the page as lider.html in folder (lines ended by CR LF, code page
// 1251, "?" for what 1251 cannot hold), replacing the old page whole.
// Returns the page's path; throws AppError "Cannot create file <path>".
QString WriteLiderPage(const QString& folder, const QList<RankingRow>& rows);
