// The lines of an INI file's bytes one after another, as the profile
// functions split them, without copying any.
#pragma once

#include <QByteArrayView>

// Walks the lines of an INI file's bytes: a CR, an LF or a CR LF ends each
// line, and blank lines between breaks are lines of their own.
class IniLineWalker {
public:
    explicit IniLineWalker(QByteArrayView content, qsizetype from = 0);

    bool atEnd() const { return m_start >= m_content.size(); }
    // Where the present line begins and where the next one begins.
    qsizetype start() const { return m_start; }
    qsizetype next() const { return m_next; }
    // The present line without its break.
    QByteArrayView text() const { return m_content.sliced(m_start, m_textEnd - m_start); }
    // Its break: CR LF, CR, LF, or nothing at the end of the file.
    QByteArrayView ending() const { return m_content.sliced(m_textEnd, m_next - m_textEnd); }
    void advance();

private:
    void measure();

    QByteArrayView m_content;
    qsizetype m_start;
    qsizetype m_textEnd = 0;
    qsizetype m_next = 0;
};
