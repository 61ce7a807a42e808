#include "question_table_reader.h"

#include "question_record.h"
#include "shown_text.h"

#include <QFileInfo>

QuestionTableReader::QuestionTableReader(const QString& path, bool withDeleted) {
    const QFileInfo file(path);
    m_table.SetDatabaseName(file.absolutePath());
    m_table.SetTableName(file.fileName());
    m_table.SetReadOnly(true);
    m_table.SetUseDeleted(withDeleted);
    m_table.OpenTable();
}

QString QuestionTableReader::text(int which) const {
    const QByteArray stored =
        m_table.GetText(QString::fromLatin1(QuestionRecord::TextFields()[which]));
    return ShownText::FromStored(stored);
}
