// Small helpers shared by the question table tests.
#pragma once

#include "storage/app_error.h"
#include "support/qt_printers.h"
#include "questions/dbf_table.h"

#include <QFileInfo>
#include <QString>

#include <functional>

inline void openAt(DbfTable& table, const QString& path) {
    const QFileInfo file(path);
    table.SetDatabaseName(file.absolutePath());
    table.SetTableName(file.fileName());
    table.OpenTable();
}

inline void filterLevel(DbfTable& table, int level) {
    table.SetFiltered(false);
    table.SetFilter(QStringLiteral("(NN = %1)").arg(level));
    table.SetFiltered(true);
}

// The text of the error `action` fails with; empty when it does not fail.
inline QString errorOf(const std::function<void()>& action) {
    try {
        action();
    } catch (const AppError& error) {
        return error.text();
    }
    return {};
}
