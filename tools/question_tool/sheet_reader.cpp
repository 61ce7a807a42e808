#include "sheet_reader.h"

#include "storage/app_error.h"

#include <QStringDecoder>

#include <algorithm>

namespace {

constexpr QChar Quote = u'"';
constexpr QChar Tab = u'\t';
constexpr QChar LineFeed = u'\n';
constexpr QChar CarriageReturn = u'\r';

// The decoder leaves out a byte order mark at the start; stateless, it takes
// a character cut off at the end for an error instead of waiting for more.
QString decodedOrRefused(const QByteArray& sheet) {
    QStringDecoder decoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
    const QString text = decoder(sheet);
    if (!decoder.hasError())
        return text;
    QStringList problems;
    const QByteArrayList lines = sheet.split('\n');
    for (qsizetype line = 0; line < lines.size(); ++line) {
        QStringDecoder lineDecoder(QStringDecoder::Utf8, QStringDecoder::Flag::Stateless);
        const QString decoded = lineDecoder(lines[line]); // decodes only when taken
        if (lineDecoder.hasError())
            problems << QStringLiteral("line %1: the text is not valid UTF-8").arg(line + 1);
    }
    throw AppError(problems.join(u'\n'));
}

} // namespace

QString SheetPlace::named() const {
    return QStringLiteral("line %1, column %2").arg(line).arg(column);
}

bool SheetRow::isEmpty() const {
    return problems.isEmpty() && std::all_of(cells.begin(), cells.end(), [](const SheetCell& cell) {
               return cell.text.isEmpty();
           });
}

std::vector<SheetRow> SheetReader::Read(const QByteArray& sheet) {
    SheetReader reader(decodedOrRefused(sheet));
    std::vector<SheetRow> rows;
    while (!reader.atEnd())
        rows.push_back(reader.row());
    return rows;
}

SheetRow SheetReader::row() {
    SheetRow row;
    row.line = m_place.line;
    for (;;) {
        row.cells.push_back(cell(row));
        if (atEnd())
            return row;
        if (current() == Tab) {
            advance();
            continue;
        }
        if (current() == CarriageReturn)
            advance();
        advance();
        return row;
    }
}

SheetCell SheetReader::cell(SheetRow& row) {
    SheetCell cell;
    if (!atEnd() && current() == Quote)
        readQuoted(cell, row);
    else
        readPlain(cell);
    return cell;
}

void SheetReader::readQuoted(SheetCell& cell, SheetRow& row) {
    const SheetPlace opened = m_place;
    advance();
    for (;;) {
        if (atEnd()) {
            row.problems << opened.named() +
                                QStringLiteral(": the quote opened here is never closed");
            return;
        }
        const SheetPlace place = m_place;
        if (current() == Quote) {
            advance();
            if (atEnd() || current() != Quote)
                break;
        } else if (current() == CarriageReturn && ahead(LineFeed)) {
            advance(); // one line break, at the place of its CR
        }
        take(cell, current(), place);
        advance();
    }
    if (!atEnd() && current() != Tab && !atLineEnd()) {
        row.problems << m_place.named() +
                            QStringLiteral(": text after the closing quote; a quote inside a "
                                           "quoted cell is written twice");
        readPlain(cell);
    }
}

void SheetReader::readPlain(SheetCell& cell) {
    while (!atEnd() && current() != Tab && !atLineEnd()) {
        take(cell, current(), m_place);
        advance();
    }
}

void SheetReader::take(SheetCell& cell, QChar ch, const SheetPlace& place) {
    cell.text += ch;
    cell.places.push_back(place);
}

bool SheetReader::atLineEnd() const {
    return current() == LineFeed || (current() == CarriageReturn && ahead(LineFeed));
}

void SheetReader::advance() {
    const QChar passed = m_text[m_at++];
    if (passed == LineFeed) {
        ++m_place.line;
        m_place.column = 1;
    } else if (!(passed.isHighSurrogate() && !atEnd() && current().isLowSurrogate())) {
        ++m_place.column; // the two halves of a character beyond 16 bits share a column
    }
}
