// Splits a question sheet into rows and cells the way spreadsheets save
// tab-separated text: UTF-8 with or without a byte order mark, LF or CRLF
// line ends, and cells in double quotes, where "" stands for one quote and
// tabs and line breaks are part of the cell. Every character keeps the line
// and column it was written at, so that refusals can point at it.
#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <vector>

// Counted from 1, a column being one character as an editor counts it.
struct SheetPlace {
    int line = 1;
    int column = 1;

    QString named() const;
};

struct SheetCell {
    QString text;
    std::vector<SheetPlace> places; // one per UTF-16 unit of `text`
};

struct SheetRow {
    int line = 0;
    std::vector<SheetCell> cells;
    QStringList problems; // quotes that leave the cells unclear

    bool isEmpty() const;
};

class SheetReader {
public:
    // Fails naming every line that is not valid UTF-8.
    static std::vector<SheetRow> Read(const QByteArray& sheet);

private:
    explicit SheetReader(const QString& text)
        : m_text(text) {}

    SheetRow row();
    SheetCell cell(SheetRow& row);
    void readQuoted(SheetCell& cell, SheetRow& row);
    void readPlain(SheetCell& cell);
    void take(SheetCell& cell, QChar ch, const SheetPlace& place);

    bool atEnd() const { return m_at >= m_text.size(); }
    QChar current() const { return m_text[m_at]; }
    bool ahead(QChar ch) const { return m_at + 1 < m_text.size() && m_text[m_at + 1] == ch; }
    bool atLineEnd() const;
    void advance();

    const QString m_text;
    qsizetype m_at = 0;
    SheetPlace m_place;
};
