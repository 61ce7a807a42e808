// The results file tulip.lst, loaded once for a pass over all its players.
// Erasing a section from one IniDocument re-reads the whole document, which
// makes dropping hundreds of stale players out of thousands take minutes; so
// the file is held in pieces, cut before every line that opens with "[", and
// an erasure touches one piece only. Reads and erasures find the same section
// as they would in the whole file: the first one of that name.
#pragma once

#include "storage/ini_document.h"

#include <QByteArray>
#include <QHash>
#include <QList>
#include <QString>
#include <QStringList>

class ResultsFile {
public:
    explicit ResultsFile(const QByteArray& content);
    // A missing file is an empty one; throws AppError "Cannot open file
    // <file>" when it is there but cannot be read.
    static ResultsFile load(const QString& file);

    // One name per line opening with "[": the line without its first and
    // last character, in file order, as loaded.
    const QStringList& playerNames() const { return m_playerNames; }
    // The piece holding the first section of that name, read like the whole
    // file; an empty document when there is no such section.
    const IniDocument& sectionOf(const QString& name) const;
    // False when there is no such section.
    bool eraseSection(const QString& name);

    QByteArray toBytes() const;

private:
    // The first piece holding a section of that folded name, or -1.
    int firstHolder(const QByteArray& key) const;

    QList<IniDocument> m_pieces;
    // Folded section name -> the pieces holding such a section, in file order.
    QHash<QByteArray, QList<int>> m_holders;
    QStringList m_playerNames;
    IniDocument m_empty;
};
