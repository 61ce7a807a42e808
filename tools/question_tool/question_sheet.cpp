#include "question_sheet.h"

#include "storage/app_error.h"
#include "storage/code_page.h"
#include "questions/question_codec.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr int ColumnCount = 7;
const QByteArray RightLetters = "ABCD";

int parseLevel(const QByteArray& text) {
    const bool digitsOnly =
        !text.isEmpty() && text.size() <= 2 &&
        std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
    const int level = digitsOnly ? text.toInt() : 0;
    if (level < 1 || level > QuestionRecord::MaxLevel)
        throw AppError(
            QStringLiteral("level '%1' is not a number from 1 to 15").arg(QString::fromUtf8(text)));
    return level;
}

} // namespace

const QByteArray& QuestionSheet::HeaderLine() {
    static const QByteArray header = "level\tquestion\tA\tB\tC\tD\tright";
    return header;
}

std::vector<QuestionRecord> QuestionSheet::Parse(const QByteArray& sheet) {
    QByteArrayList lines = sheet.split('\n');
    if (lines.size() > 1 && lines.back().isEmpty())
        lines.removeLast();
    QStringList problems;
    if (lines.front().chopped(lines.front().endsWith('\r') ? 1 : 0) != HeaderLine())
        problems
            << QStringLiteral("line 1: the header line must read '%1'")
                   .arg(QString::fromLatin1(HeaderLine()).replace(u'\t', QStringLiteral("<tab>")));
    std::vector<QuestionRecord> records;
    for (qsizetype i = 1; i < lines.size(); ++i) {
        QByteArray line = lines[i];
        if (line.endsWith('\r'))
            line.chop(1);
        try {
            records.push_back(parseLine(line));
        } catch (const AppError& error) {
            problems << QStringLiteral("line %1: %2").arg(i + 1).arg(error.text());
        }
    }
    if (!problems.isEmpty())
        throw AppError(problems.join(u'\n'));
    return records;
}

QuestionRecord QuestionSheet::parseLine(const QByteArray& line) {
    const QByteArrayList columns = line.split('\t');
    if (columns.size() != ColumnCount)
        throw AppError(
            QStringLiteral("%1 columns, %2 expected").arg(columns.size()).arg(ColumnCount));
    QuestionRecord record;
    record.level = parseLevel(columns[0]);
    for (int text = 0; text < QuestionRecord::TextCount; ++text) {
        const QString which = text == 0 ? QStringLiteral("the question")
                                        : QStringLiteral("answer %1").arg(QChar(u'A' + text - 1));
        try {
            record.stored[text] = encodeText(columns[text + 1], QuestionRecord::TextLength(text));
        } catch (const AppError& error) {
            throw AppError(which + QStringLiteral(": ") + error.text());
        }
    }
    const QByteArray& right = columns[ColumnCount - 1];
    if (right.size() != 1 || !RightLetters.contains(right[0]))
        throw AppError(QStringLiteral("right answer '%1' is not one of the letters A, B, C, D")
                           .arg(QString::fromUtf8(right)));
    record.right = int(RightLetters.indexOf(right[0])) + 1;
    return record;
}

QByteArray QuestionSheet::encodeText(const QByteArray& utf8, int maxLength) {
    QStringDecoder decoder(QStringDecoder::Utf8);
    const QString text = decoder(utf8);
    if (decoder.hasError())
        throw AppError("the text is not valid UTF-8");
    if (text.isEmpty())
        throw AppError("the text is empty");
    for (const QChar ch : text)
        if (!cp866::canEncode(ch))
            throw AppError(QStringLiteral("the character '%1' (U+%2) has no place in code page 866")
                               .arg(ch)
                               .arg(ch.unicode(), 4, 16, QChar(u'0')));
    const QByteArray stored = StoreStr(cp866::encode(text));
    if (stored.size() > maxLength)
        throw AppError(QStringLiteral("the text is %1 characters long, the field holds %2")
                           .arg(stored.size())
                           .arg(maxLength));
    if (stored.contains('\0'))
        throw AppError("the text holds a character whose stored form is a NUL byte");
    if (stored.endsWith(' '))
        throw AppError("the text ends in a character whose stored form is a space");
    return stored;
}
