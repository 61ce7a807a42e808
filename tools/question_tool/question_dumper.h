// The question table written back as an authors' sheet, its texts as the
// game shows them, so that a table built from a sheet dumps to that very
// sheet.
#pragma once

#include <QByteArray>
#include <QString>

class QuestionDumper {
public:
    // Active records in file order; `withDeleted` adds the deleted ones and a
    // last column "deleted" holding "*" for them.
    static QByteArray Dump(const QString& path, bool withDeleted);
};
