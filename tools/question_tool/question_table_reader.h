// Walks a question table for the tool, front to back in file order, and
// gives each record's level, texts as the game shows them and right answer.
#pragma once

#include "questions/dbf_table.h"

#include <QString>

class QuestionTableReader {
public:
    // Opens for reading only; `withDeleted` visits records flagged deleted too.
    QuestionTableReader(const QString& path, bool withDeleted);

    bool atEnd() const { return m_table.AtEnd(); }
    void next() { m_table.GoNext(); }

    quint32 recordNumber() const { return m_table.RecordNumber(); }
    bool deleted() const { return m_table.IsDeleted(); }
    QByteArray levelText() const { return m_table.GetText(QStringLiteral("NN")); }
    QByteArray rightText() const { return m_table.GetText(QStringLiteral("ZN")); }
    int level() const { return m_table.GetInteger(QStringLiteral("NN")); }
    int right() const { return m_table.GetInteger(QStringLiteral("ZN")); }
    // 0 is the question, 1 to 4 the answers A to D; as the game shows them.
    QString text(int which) const;

private:
    DbfTable m_table;
};
