// A player's name is the name of his section in the results file: brackets
// and line breaks in it would break the file apart, so they are replaced.
#pragma once

#include <QString>

QString sanitizePlayerName(const QString& typed);
