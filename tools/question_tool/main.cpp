// zambrel-questions: the authors' tool for the question table. It builds the
// table from a question sheet, dumps a table back to a sheet and checks that
// a table is fit to ship.
#include "storage/app_error.h"
#include "question_checker.h"
#include "sheet_review.h"
#include "question_dumper.h"
#include "question_sheet.h"
#include "question_table_writer.h"

#include <QDateTime>
#include <QFile>
#include <QStringList>

#include <cstdio>

namespace {

constexpr int Ok = 0;
constexpr int Failed = 1;
constexpr int Usage = 2;

const char UsageText[] =
    "Usage:\n"
    "  zambrel-questions build QUESTIONS.tsv OUT.dbf\n"
    "      Make a new question table from a question sheet (UTF-8, tab-separated,\n"
    "      header line: level question A B C D right; cells may be in double\n"
    "      quotes, as spreadsheets save them). Every character must show in the\n"
    "      game as written. Nothing is written when any line is refused.\n"
    "  zambrel-questions dump [--all] TABLE.dbf\n"
    "      Write the table's active questions, as the game shows them, as a\n"
    "      question sheet to standard output; --all adds deleted ones, marked\n"
    "      \"*\" in a last column.\n"
    "  zambrel-questions check TABLE.dbf\n"
    "      Count the active questions of each level; fail when a level has none\n"
    "      a player can answer, a record is malformed, or an answer is empty or\n"
    "      reads the same as another.\n"
    "  zambrel-questions review [--min N] QUESTIONS.tsv\n"
    "      Read a sheet as players meet it: questions and right letters per level;\n"
    "      fail when a level has fewer than N questions, a right letter under 20 %\n"
    "      of a level of 20 or more, a right answer more than twice in a level,\n"
    "      two questions of a level with the same four answers, or two questions\n"
    "      of the sheet that ask the same in other words.\n"
    "  zambrel-questions --help\n"
    "Exit status: 0 done, 1 failed, 2 wrong usage.\n";

void print(std::FILE* stream, const QByteArray& text) {
    std::fwrite(text.constData(), 1, size_t(text.size()), stream);
}

QByteArray readSheet(const QString& path) {
    QFile file(path);
    if (!file.exists())
        throw AppError(QStringLiteral("Cannot find file %1").arg(path));
    if (!file.open(QIODevice::ReadOnly))
        throw AppError(QStringLiteral("Cannot read %1: %2").arg(path, file.errorString()));
    return file.readAll();
}

int build(const QString& sheetPath, const QString& tablePath) {
    QuestionTableWriter::Write(tablePath, QuestionSheet::Parse(readSheet(sheetPath)),
                               QDateTime::currentDateTime());
    return Ok;
}

int dump(const QString& tablePath, bool withDeleted) {
    print(stdout, QuestionDumper::Dump(tablePath, withDeleted));
    return Ok;
}

int check(const QString& tablePath) {
    const QuestionCheckReport report = QuestionChecker::Check(tablePath);
    QByteArray counts = "level\tquestions\n";
    for (int level = 1; level < int(report.questionsPerLevel.size()); ++level)
        counts += QByteArray::number(level) + '\t' +
                  QByteArray::number(report.questionsPerLevel[level]) + '\n';
    print(stdout, counts);
    for (const QString& problem : report.problems)
        print(stderr, (problem + u'\n').toUtf8());
    return report.passed() ? Ok : Failed;
}

int review(const QString& sheetPath, int minimumPerLevel) {
    ReviewRules rules;
    rules.minimumPerLevel = minimumPerLevel;
    const SheetReview report = reviewSheet(QuestionSheet::Parse(readSheet(sheetPath)), rules);
    QByteArray counts = "level\tquestions\tA\tB\tC\tD\n";
    for (int level = 1; level <= QuestionRecord::MaxLevel; ++level) {
        counts += QByteArray::number(level) + '\t' + QByteArray::number(report.questions[level]);
        for (int letters : report.rightLetters[level])
            counts += '\t' + QByteArray::number(letters);
        counts += '\n';
    }
    print(stdout, counts);
    for (const QString& fault : report.faults)
        print(stderr, (fault + u'\n').toUtf8());
    return report.faults.isEmpty() ? Ok : Failed;
}

int run(const QStringList& args) {
    if (args.size() == 1 && args[0] == QStringLiteral("--help")) {
        print(stdout, UsageText);
        return Ok;
    }
    if (args.size() == 3 && args[0] == QStringLiteral("build"))
        return build(args[1], args[2]);
    if (args.size() == 2 && args[0] == QStringLiteral("dump"))
        return dump(args[1], false);
    if (args.size() == 3 && args[0] == QStringLiteral("dump") && args[1] == QStringLiteral("--all"))
        return dump(args[2], true);
    if (args.size() == 2 && args[0] == QStringLiteral("check"))
        return check(args[1]);
    if (args.size() == 2 && args[0] == QStringLiteral("review"))
        return review(args[1], 0);
    bool isNumber = false;
    if (args.size() == 4 && args[0] == QStringLiteral("review") && args[1] == QStringLiteral("--min")) {
        const int minimum = args[2].toInt(&isNumber);
        if (isNumber && minimum >= 0)
            return review(args[3], minimum);
    }
    print(stderr, UsageText);
    return Usage;
}

} // namespace

int main(int argc, char* argv[]) {
    QStringList args;
    for (int i = 1; i < argc; ++i)
        args << QString::fromLocal8Bit(argv[i]);
    try {
        return run(args);
    } catch (const AppError& error) {
        print(stderr, "zambrel-questions: " + (error.text() + u'\n').toUtf8());
        return Failed;
    }
}
