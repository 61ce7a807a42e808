// The text of a run-time error as the player reads it: a full stop closes it
// unless it already ends in a full stop or in punctuation that sorts before
// one ("!", ",", ")", a space).
#pragma once

#include <QString>

QString withFullStop(const QString& text);
