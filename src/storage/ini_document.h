// One INI file in memory, read and changed the way the Windows profile
// functions do it: names matched without regard to case (Latin and Cyrillic),
// values trimmed and unquoted, untouched lines kept byte for byte. Texts are
// the file's own bytes (code page 1251).
#pragma once

#include "storage/ini_line.h"

#include <QByteArray>
#include <QByteArrayList>
#include <QHash>

#include <optional>

class IniDocument {
public:
    IniDocument() = default;
    explicit IniDocument(const QByteArray& content);

    // The value as a reader sees it, or nothing when the section or key is missing.
    std::optional<QByteArray> value(const QByteArray& section, const QByteArray& key) const;
    void setValue(const QByteArray& section, const QByteArray& key, const QByteArray& value);
    // False when there is no such section.
    bool eraseSection(const QByteArray& section);
    // The section names of the header lines, in file order.
    QByteArrayList sectionNames() const;
    // Every line as it stands, without its line break.
    QByteArrayList lineTexts() const;

    QByteArray toBytes() const;

private:
    struct Line {
        QByteArray text;    // without its line break
        QByteArray ending;  // "\r\n", "\n", "\r" or nothing at the end of the file
    };
    // Index of the header line of the first section with that name, or -1.
    int findSection(const QByteArray& section) const;
    // Index of the first line after the section that starts at header.
    int sectionEnd(int header) const;
    void rebuildIndex();

    QList<Line> m_lines;
    QHash<QByteArray, int> m_firstSection;  // folded name -> header line
};
