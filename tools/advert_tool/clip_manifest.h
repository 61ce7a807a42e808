// The list of advertisement clips an author keeps beside the clip pages,
// "clips.txt": one clip a line, in the order the game shows them, with its
// icon, its two links and the file of its page. A line reads
//     ICO3 | tulip.html#help | | lifelines.rtf
// blanks around a field do not count; a line whose first character other
// than a blank is "#" is a comment, and empty lines are skipped.
#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>

struct ClipEntry {
    QString icon;
    QString web;
    QString mail;
    QString pageFile;
    int line = 0; // in the manifest, for messages about the clip

    // The clip's "F<n>" value in tulip.dat: icon;web;mail.
    QString links() const;
};

class ClipManifest {
public:
    static constexpr int MaxClips = 999;

    // The clips of the manifest's text; every line the game could not read
    // back adds a problem "<manifestPath>:<line>: <what>".
    static QList<ClipEntry> Parse(const QByteArray& text, const QString& manifestPath,
                                  QStringList& problems);
};
