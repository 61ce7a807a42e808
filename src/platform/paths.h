// Where the game finds its files and keeps its players' data.
#pragma once

#include <QString>

struct Paths {
    QString programFolder;  // ends in "/": the game and everything it reads
    QString settingsFile;   // the per-user settings store
    QString windowsFolder;  // ends in "/": the per-user folder of tulip.ini
    QString tempFolder;     // ends in "/"
};
