// One clip's page as tulip.dat carries it. Authors write the page as UTF-8
// RTF, Russian as it reads; the game's files are in code page 1251, so every
// character beyond ASCII becomes an RTF escape of its 1251 byte (\'hh), or
// of its UTF-16 unit (\uN?) when 1251 has no such character, and the page
// is plain ASCII whatever the file's code page is taken for.
#pragma once

#include <QByteArray>
#include <QByteArrayList>
#include <QString>
#include <QStringList>

class ClipPage {
public:
    // The page's lines, escaped, ready for the clip's section. Every line
    // the game could not read back as written adds a problem
    // "<pagePath>:<line>: <what>".
    static QByteArrayList FromSource(const QByteArray& source, const QString& pagePath,
                                     QStringList& problems);
    // One line with its characters beyond ASCII escaped.
    static QByteArray Escape(const QString& line);
};
