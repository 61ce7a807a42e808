// tulip.dat as the advertisement window reads it: in section COMMON the
// number of clips "MAX" (scrambled like every integer of the game's INI
// files) and "F<n>" = icon;web;mail for each clip, then a section "[F<n>]"
// per clip holding its page line by line. The same file keeps the names of
// the question packs a player has merged ("AddFaq-1-4"), so writing the
// clips leaves every other key of COMMON, and every section that is not a
// clip's, as it was.
#pragma once

#include <QByteArrayList>
#include <QList>
#include <QString>

struct AdvertClip {
    QString links;       // icon;web;mail
    QByteArrayList page; // ASCII lines
};

class AdvertDataFile {
public:
    // Replaces the clips of the file at path (created when missing). Throws
    // AppError "Unable to write to <path>" when it cannot be written, and
    // "Cannot open file <path>" when it is there but cannot be read.
    static void Write(const QString& path, const QList<AdvertClip>& clips);
};
