// The authors' question sheet: UTF-8 text, tab-separated, one question a line
// under the header line "level question A B C D right", as a spreadsheet
// saves it. A text is taken only when the game shows it exactly as written
// and a player can answer it; a sheet with anything the question table could
// not hold faithfully is refused as a whole, every fault named.
#pragma once

#include "question_record.h"
#include "sheet_reader.h"

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

class QuestionSheet {
public:
    static const QByteArray& HeaderLine();

    // Fails with one line per fault: "line N: reason", or "line N, column C:
    // reason" for a single character.
    static std::vector<QuestionRecord> Parse(const QByteArray& sheet);

    // A text as a cell that reads back as that very text.
    static QByteArray Cell(const QString& text);

private:
    static QuestionRecord parseRow(const SheetRow& row, QStringList& problems);
    static QByteArray storedText(const SheetCell& cell, int text, int line, QStringList& problems);
};
