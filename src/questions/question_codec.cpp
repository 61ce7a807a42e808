#include "questions/question_codec.h"

#include "storage/code_page.h"

namespace {

QByteArray shifted(const QByteArray& text, std::uint8_t by) {
    QByteArray out(text);
    for (char& c : out)
        c = static_cast<char>(static_cast<std::uint8_t>(static_cast<std::uint8_t>(c) + by));
    return out;
}

} // namespace

QByteArray LoadStr(const QByteArray& stored) {
    return shifted(stored, static_cast<std::uint8_t>(256 - QuestionTextOffset));
}

QByteArray StoreStr(const QByteArray& plain) {
    return shifted(plain, QuestionTextOffset);
}

QString ShownQuestionText(const QByteArray& stored) {
    return cp1251::decode(ConvertCodePage(LoadStr(stored), QStringLiteral("w")));
}
