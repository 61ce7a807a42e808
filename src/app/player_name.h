// A player's name is the name of his section in the results file, and his
// city a value in it: each must read back from every file exactly as it was
// written, so that one player stays one section and one row of the ranking
// from game to game, whether typed or remembered.
#pragma once

#include <QString>

// As much of a name or a city as the input box takes.
inline constexpr int PlayerTextMaxLength = 40;

// One line, no surrounding blanks or quotes (a read strips them), only
// characters the files can hold, at most PlayerTextMaxLength long.
QString cleanPlayerText(const QString& text);
// A city, and also no brackets, which would end the section's name early.
QString cleanPlayerName(const QString& text);
// Names of sections are matched without regard to case.
bool isSamePlayer(const QString& name, const QString& other);
