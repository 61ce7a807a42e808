// The authors' question sheet: UTF-8 text, tab-separated, one question a line
// under the header line "level question A B C D right". Every text is encoded
// the way the game reads it, and a sheet with any line the question table
// could not hold faithfully is refused as a whole.
#pragma once

#include "question_record.h"

#include <QByteArray>

#include <vector>

class QuestionSheet {
public:
    static const QByteArray& HeaderLine();

    // Fails with one line per refused sheet line: "line N: reason".
    static std::vector<QuestionRecord> Parse(const QByteArray& sheet);

private:
    static QuestionRecord parseLine(const QByteArray& line);
    static QByteArray encodeText(const QByteArray& utf8, int maxLength);
};
