#include "playable_question.h"

namespace {

// Spaces at the ends and runs of spaces inside do not show on a button.
QString asSeen(const QString& text) {
    return text.simplified();
}

} // namespace

QStringList PlayableQuestion::Problems(const Texts& texts) {
    QStringList problems;
    for (int text = 0; text < QuestionRecord::TextCount; ++text)
        if (asSeen(texts[text]).isEmpty())
            problems << QuestionRecord::TextName(text) +
                            (texts[text].isEmpty()
                                 ? QStringLiteral(": the text is empty")
                                 : QStringLiteral(": the text shows nothing but spaces"));
    for (int first = 1; first < QuestionRecord::TextCount; ++first)
        for (int second = first + 1; second < QuestionRecord::TextCount; ++second)
            if (!asSeen(texts[first]).isEmpty() && asSeen(texts[first]) == asSeen(texts[second]))
                problems << QStringLiteral("answers %1 and %2 read the same")
                                .arg(QuestionRecord::AnswerLetter(first))
                                .arg(QuestionRecord::AnswerLetter(second));
    return problems;
}
