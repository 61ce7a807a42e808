#include "sheet_review.h"

#include "shown_text.h"

#include <QHash>
#include <QRegularExpression>

#include <algorithm>

namespace {

struct Shown {
    int line = 0;
    int level = 0;
    QString question;
    QStringList words; // sorted, without repeats
    std::array<QString, 4> answers;
    int right = 0;
};

QString compared(const QString& text) { return comparedWords(text).join(u' '); }

std::vector<Shown> shownQuestions(const std::vector<QuestionRecord>& records)
{
    std::vector<Shown> shown;
    int line = 2;
    for (const QuestionRecord& record : records) {
        Shown question{line++, record.level, ShownText::FromStored(record.stored[0]), {}, {}, record.right};
        question.words = comparedWords(question.question);
        std::sort(question.words.begin(), question.words.end());
        question.words.erase(std::unique(question.words.begin(), question.words.end()), question.words.end());
        for (int i = 0; i < 4; ++i)
            question.answers[i] = ShownText::FromStored(record.stored[i + 1]);
        shown.push_back(std::move(question));
    }
    return shown;
}

double overlap(const QStringList& a, const QStringList& b)
{
    if (a.isEmpty() || b.isEmpty())
        return 0;
    QStringList shared;
    std::set_intersection(a.begin(), a.end(), b.begin(), b.end(), std::back_inserter(shared));
    return double(shared.size()) / double(a.size() + b.size() - shared.size());
}

QString lineList(const QList<int>& lines)
{
    QStringList numbers;
    for (int line : lines)
        numbers << QString::number(line);
    return numbers.join(QStringLiteral(", "));
}

void countLevels(const std::vector<Shown>& questions, SheetReview& review)
{
    for (const Shown& question : questions) {
        ++review.questions[question.level];
        ++review.rightLetters[question.level][question.right - 1];
    }
}

void checkCounts(const ReviewRules& rules, SheetReview& review)
{
    for (int level = 1; level <= QuestionRecord::MaxLevel; ++level) {
        const int count = review.questions[level];
        if (count < rules.minimumPerLevel)
            review.faults << QStringLiteral("level %1: %2 questions, fewer than %3")
                                 .arg(level).arg(count).arg(rules.minimumPerLevel);
        if (count < rules.spreadFrom)
            continue;
        for (int letter = 0; letter < 4; ++letter) {
            const double share = double(review.rightLetters[level][letter]) / count;
            if (share < rules.minimumLetterShare)
                review.faults << QStringLiteral("level %1: only %2 % of the right answers are %3")
                                     .arg(level).arg(qRound(share * 100)).arg(QChar(u'A' + letter));
        }
    }
}

void checkLevels(const std::vector<Shown>& questions, const ReviewRules& rules, SheetReview& review)
{
    QHash<QString, QList<int>> rightAnswers;
    QHash<QString, QList<int>> answerSets;
    for (const Shown& question : questions) {
        const QString level = QString::number(question.level) + u'|';
        rightAnswers[level + compared(question.answers[question.right - 1])].append(question.line);
        QStringList set;
        for (const QString& answer : question.answers)
            set << compared(answer);
        set.sort();
        answerSets[level + set.join(u'|')].append(question.line);
    }
    for (auto repeated = rightAnswers.cbegin(); repeated != rightAnswers.cend(); ++repeated)
        if (repeated->size() > rules.maximumRepeatsOfARightAnswer)
            review.faults << QStringLiteral("level %1: the right answer \"%2\" on %3 lines (%4)")
                                 .arg(repeated.key().section(u'|', 0, 0), repeated.key().section(u'|', 1))
                                 .arg(repeated->size())
                                 .arg(lineList(*repeated));
    for (auto shared = answerSets.cbegin(); shared != answerSets.cend(); ++shared)
        if (shared->size() > 1)
            review.faults << QStringLiteral("level %1: lines %2 share their four answers")
                                 .arg(shared.key().section(u'|', 0, 0), lineList(*shared));
}

// Nearly the same words, or many of them shared on the way to the same answer.
bool askTheSame(const Shown& a, const Shown& b, const ReviewRules& rules)
{
    const double shared = overlap(a.words, b.words);
    if (shared >= rules.nearDuplicate)
        return true;
    return shared >= rules.sameFact &&
           compared(a.answers[a.right - 1]) == compared(b.answers[b.right - 1]);
}

void checkDuplicates(const std::vector<Shown>& questions, const ReviewRules& rules, SheetReview& review)
{
    for (std::size_t i = 0; i < questions.size(); ++i)
        for (std::size_t j = i + 1; j < questions.size(); ++j)
            if (askTheSame(questions[i], questions[j], rules))
                review.faults << QStringLiteral("lines %1 and %2 ask the same: \"%3\" / \"%4\"")
                                     .arg(questions[i].line).arg(questions[j].line)
                                     .arg(questions[i].question, questions[j].question);
}

} // namespace

QStringList comparedWords(const QString& text)
{
    static const QRegularExpression notLetters(QStringLiteral("[^\\w]+"),
                                               QRegularExpression::UseUnicodePropertiesOption);
    QString lower = text.toLower();
    lower.replace(u'ё', u'е');
    return lower.split(notLetters, Qt::SkipEmptyParts);
}

SheetReview reviewSheet(const std::vector<QuestionRecord>& records, const ReviewRules& rules)
{
    const std::vector<Shown> questions = shownQuestions(records);
    SheetReview review;
    countLevels(questions, review);
    checkCounts(rules, review);
    checkLevels(questions, rules, review);
    checkDuplicates(questions, rules, review);
    // The same sheet is always reported the same way.
    review.faults.sort();
    return review;
}
