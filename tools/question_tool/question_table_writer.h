// Writes a new question table: a dBASE III file with the fields NN, QQ,
// A1 to A4 and ZN, one active record per question in sheet order. The file
// appears whole or not at all.
#pragma once

#include "question_record.h"

#include <QDateTime>
#include <QString>

#include <vector>

class QuestionTableWriter {
public:
    static void Write(const QString& path, const std::vector<QuestionRecord>& records,
                      const QDateTime& now);

private:
    static QByteArray header(int recordCount, const QDateTime& now);
    static QByteArray record(const QuestionRecord& question);
};
