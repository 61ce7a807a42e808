// Question tables for the window tests, written as the authors' tool writes them.
#pragma once

#include "question_sheet.h"
#include "question_table_writer.h"

#include <QDateTime>
#include <QString>

// Two questions per level; the first has its right answer at A, the second at B.
inline QByteArray twoQuestionsPerLevel()
{
    QByteArray sheet = "level\tquestion\tA\tB\tC\tD\tright\n";
    for (int level = 1; level <= 15; ++level)
        for (int n = 1; n <= 2; ++n)
            sheet += QStringLiteral("%1\tВопрос %1.%2?\tОтвет А%2\tОтвет Б%2\tОтвет В%2\tОтвет Г%2\t%3\n")
                         .arg(level)
                         .arg(n)
                         .arg(QChar(n == 1 ? u'A' : u'B'))
                         .toUtf8();
    return sheet;
}

inline void writeQuestionTable(const QString& path, const QByteArray& sheet)
{
    QuestionTableWriter::Write(path, QuestionSheet::Parse(sheet),
                               QDateTime(QDate(2026, 1, 1), QTime(0, 0)));
}
