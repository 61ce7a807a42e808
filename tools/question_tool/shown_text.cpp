#include "shown_text.h"

#include "questions/question_codec.h"
#include "storage/code_page.h"

QString ShownText::FromStored(const QByteArray& stored) {
    return ShownQuestionText(stored);
}

QByteArray ShownText::ToStored(const QString& text) {
    return StoreStr(cp866::encode(text));
}
