#include "question_record.h"

const QByteArrayList& QuestionRecord::TextFields() {
    static const QByteArrayList names{"QQ", "A1", "A2", "A3", "A4"};
    return names;
}
