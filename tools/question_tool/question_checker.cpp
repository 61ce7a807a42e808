#include "question_checker.h"

#include "storage/app_error.h"
#include "playable_question.h"
#include "question_record.h"
#include "question_table_reader.h"

#include <algorithm>

namespace {

bool printable(const QString& text) {
    return std::all_of(text.begin(), text.end(),
                       [](QChar ch) { return ch.unicode() >= 0x20 && ch.unicode() != 0x7F; });
}

// Problems of one record; an empty list for a sound one.
QStringList recordProblems(const QuestionTableReader& table) {
    QStringList problems;
    try {
        const int level = table.level();
        if (level < 1 || level > QuestionRecord::MaxLevel)
            problems << QStringLiteral("level %1 is outside 1..15").arg(level);
    } catch (const AppError& error) {
        problems << error.text();
    }
    try {
        const int right = table.right();
        if (right < 1 || right > 4)
            problems << QStringLiteral("right answer %1 is outside 1..4").arg(right);
    } catch (const AppError& error) {
        problems << error.text();
    }
    PlayableQuestion::Texts texts;
    for (int text = 0; text < QuestionRecord::TextCount; ++text) {
        texts[text] = table.text(text);
        if (!printable(texts[text]))
            problems << QuestionRecord::TextName(text) +
                            QStringLiteral(" does not decode to printable text");
    }
    return problems + PlayableQuestion::Problems(texts);
}

} // namespace

QuestionCheckReport QuestionChecker::Check(const QString& path) {
    QuestionCheckReport report;
    QuestionTableReader table(path, false);
    for (; !table.atEnd(); table.next()) {
        const QStringList problems = recordProblems(table);
        for (const QString& problem : problems)
            report.problems
                << QStringLiteral("record %1: %2").arg(table.recordNumber()).arg(problem);
        if (problems.isEmpty())
            ++report.questionsPerLevel[table.level()];
    }
    for (int level = 1; level <= QuestionRecord::MaxLevel; ++level)
        if (report.questionsPerLevel[level] == 0)
            report.problems << QStringLiteral("level %1 has no question").arg(level);
    return report;
}
