// Checks a question table before it ships: every level from 1 to 15 needs an
// active question a player can answer, and every active record a level, a
// right answer from 1 to 4, texts that decode to printable characters, and
// answers that show something and differ from one another on screen.
#pragma once

#include <QString>
#include <QStringList>

#include <array>

struct QuestionCheckReport {
    std::array<int, 16> questionsPerLevel{}; // index 1 to 15
    QStringList problems;

    bool passed() const { return problems.isEmpty(); }
};

class QuestionChecker {
public:
    static QuestionCheckReport Check(const QString& path);
};
