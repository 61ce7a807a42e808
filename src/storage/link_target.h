// A player may keep the settings or the results file elsewhere and leave a
// symbolic link in its place. Writes go to the file at the end of the links,
// so the links stay as they are.
#pragma once

#include <QString>

#include <optional>

// path itself when it is no link, else the end of its chain of links, which
// need not exist yet; nothing when the chain loops or is too long.
std::optional<QString> finalLinkTarget(const QString& path);
