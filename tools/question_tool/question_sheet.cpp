#include "question_sheet.h"

#include "playable_question.h"
#include "shown_text.h"
#include "storage/app_error.h"
#include "storage/code_page.h"

#include <algorithm>
#include <optional>

namespace {

constexpr int ColumnCount = 7;
const QByteArray RightLetters = "ABCD";

bool isHeader(const SheetRow& row) {
    QStringList cells;
    for (const SheetCell& cell : row.cells)
        cells << cell.text;
    return row.problems.isEmpty() && cells.join(u'\t').toUtf8() == QuestionSheet::HeaderLine();
}

std::optional<int> levelOf(const QString& text) {
    const bool digitsOnly =
        !text.isEmpty() && text.size() <= 2 &&
        std::all_of(text.begin(), text.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    const int level = digitsOnly ? text.toInt() : 0;
    if (level < 1 || level > QuestionRecord::MaxLevel)
        return std::nullopt;
    return level;
}

QString codePoint(char32_t ch) {
    return QStringLiteral("U+%1").arg(QString::number(ch, 16).toUpper().rightJustified(4, u'0'));
}

// Why a character cannot stand in a question text; empty when it can.
QString characterProblem(char32_t ch) {
    if (ch == u'\n' || ch == u'\r')
        return QStringLiteral("a line break cannot be shown in a question or an answer");
    if (ch == u'\t')
        return QStringLiteral("a tab cannot be shown in a question or an answer");
    if (ch < 0x20 || ch == 0x7F)
        return QStringLiteral("the control character %1 cannot be shown").arg(codePoint(ch));
    const QString written = QString::fromUcs4(&ch, 1);
    if (!cp866::canEncode(written))
        return QStringLiteral("the character '%1' (%2) has no place in code page 866")
            .arg(written, codePoint(ch));
    const QString shown = ShownText::FromStored(ShownText::ToStored(written));
    if (shown != written)
        return QStringLiteral("the character '%1' (%2) is shown as '%3' in the game")
            .arg(written, codePoint(ch), shown);
    return {};
}

} // namespace

const QByteArray& QuestionSheet::HeaderLine() {
    static const QByteArray header = "level\tquestion\tA\tB\tC\tD\tright";
    return header;
}

std::vector<QuestionRecord> QuestionSheet::Parse(const QByteArray& sheet) {
    std::vector<SheetRow> rows = SheetReader::Read(sheet);
    while (!rows.empty() && rows.back().isEmpty())
        rows.pop_back();
    QStringList problems;
    if (rows.empty() || !isHeader(rows.front()))
        problems
            << QStringLiteral("line 1: the header line must read '%1'")
                   .arg(QString::fromLatin1(HeaderLine()).replace(u'\t', QStringLiteral("<tab>")));
    std::vector<QuestionRecord> records;
    for (size_t row = 1; row < rows.size(); ++row)
        records.push_back(parseRow(rows[row], problems));
    if (rows.size() <= 1)
        problems << QStringLiteral("the sheet holds no questions");
    if (!problems.isEmpty())
        throw AppError(problems.join(u'\n'));
    return records;
}

QByteArray QuestionSheet::Cell(const QString& text) {
    const bool quoted = text.startsWith(u'"') || text.contains(u'\t') || text.contains(u'\n') ||
                        text.contains(u'\r');
    if (!quoted)
        return text.toUtf8();
    return '"' + QString(text).replace(u'"', QStringLiteral("\"\"")).toUtf8() + '"';
}

QuestionRecord QuestionSheet::parseRow(const SheetRow& row, QStringList& problems) {
    const QString line = QStringLiteral("line %1: ").arg(row.line);
    QuestionRecord record;
    if (!row.problems.isEmpty()) {
        problems << row.problems;
        return record;
    }
    if (row.isEmpty()) {
        problems << line + QStringLiteral("the line is empty");
        return record;
    }
    if (row.cells.size() != ColumnCount) {
        problems
            << line +
                   QStringLiteral("%1 columns, %2 expected").arg(row.cells.size()).arg(ColumnCount);
        return record;
    }
    const QString& levelText = row.cells[0].text;
    if (const auto level = levelOf(levelText))
        record.level = *level;
    else
        problems << line + QStringLiteral("level '%1' is not a number from 1 to 15").arg(levelText);
    PlayableQuestion::Texts texts;
    for (int text = 0; text < QuestionRecord::TextCount; ++text) {
        texts[text] = row.cells[text + 1].text;
        record.stored[text] = storedText(row.cells[text + 1], text, row.line, problems);
    }
    for (const QString& problem : PlayableQuestion::Problems(texts))
        problems << line + problem;
    const QString& right = row.cells[ColumnCount - 1].text;
    if (right.size() != 1 || !RightLetters.contains(right[0].toLatin1()))
        problems << line + QStringLiteral("right answer '%1' is not one of the letters A, B, C, D")
                               .arg(right);
    else
        record.right = int(RightLetters.indexOf(right[0].toLatin1())) + 1;
    return record;
}

QByteArray QuestionSheet::storedText(const SheetCell& cell, int text, int line,
                                     QStringList& problems) {
    const QString which = QuestionRecord::TextName(text) + QStringLiteral(": ");
    qsizetype characters = 0;
    for (qsizetype at = 0; at < cell.text.size(); ++at, ++characters) {
        char32_t ch = cell.text[at].unicode();
        const SheetPlace& place = cell.places[size_t(at)];
        if (cell.text[at].isHighSurrogate() && at + 1 < cell.text.size() &&
            cell.text[at + 1].isLowSurrogate()) {
            ch = QChar::surrogateToUcs4(cell.text[at], cell.text[at + 1]);
            ++at;
        }
        const QString problem = characterProblem(ch);
        if (!problem.isEmpty())
            problems << place.named() + QStringLiteral(": ") + which + problem;
    }
    if (characters > QuestionRecord::TextLength(text))
        problems << QStringLiteral("line %1: ").arg(line) + which +
                        QStringLiteral("the text is %1 characters long, the field holds %2")
                            .arg(characters)
                            .arg(QuestionRecord::TextLength(text));
    return ShownText::ToStored(cell.text);
}
