// Reading one of the game's files whole. A missing file is simply not there
// (a fresh installation has none yet); a file that is there but cannot be
// read is an error and is never taken for an empty one, or the next write
// would replace every record in it.
#pragma once

#include <QByteArray>
#include <QString>

#include <optional>

// The file's bytes, or nothing when there is no such file. Throws AppError
// "Cannot open file <path>" when it cannot be read or is no regular file (a
// folder, a pipe or a device): a pipe is never waited on.
std::optional<QByteArray> readWholeFile(const QString& path);
