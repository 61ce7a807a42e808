#include "question_record.h"

const QByteArrayList& QuestionRecord::TextFields() {
    static const QByteArrayList names{"QQ", "A1", "A2", "A3", "A4"};
    return names;
}

QChar QuestionRecord::AnswerLetter(int text) {
    return QChar(u'A' + text - 1);
}

QString QuestionRecord::TextName(int text) {
    return text == 0 ? QStringLiteral("the question")
                     : QStringLiteral("answer %1").arg(AnswerLetter(text));
}
