// What a break shows and where its links lead: the clip in turn, and a
// clip's icon, web address and e-mail address as tulip.dat keeps them
// ("icon;web;mail").
#pragma once

#include <QString>

// tulip.dat in the folder of the files the game rewrites: the clips, and in
// the same section "COMMON" the record of the question packs merged.
QString advertFile(const QString& dataFolder);
inline const QString CommonSection = QStringLiteral("COMMON");

// The clip a break shows: the stored counter, or the first when the counter
// has run past the clips there are (or was never a clip number).
int clipToShow(int counter, int clipCount);

struct ClipLinks {
    QString icon;
    QString web;
    QString mail;
};

// Text before the first ";" is the icon, the rest is split again at its
// first ";" into web and mail. Without a ";" the icon is empty and the rest
// is all of the text; the same holds for web and mail.
ClipLinks splitClipLinks(const QString& stored);

// Where a click on the web address leads: an address with a scheme as it
// stands, "www." with http in front, and a bare page name (with an optional
// "#part") to that page among the game's own files.
QString webLinkTarget(const QString& web, const QString& programFolder);
