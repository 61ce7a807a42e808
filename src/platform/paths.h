// Where the game finds its files and keeps its players' data.
#pragma once

#include <QString>

struct Paths {
    QString programFolder;  // ends in "/": what ships with the game and is only read
    QString dataFolder;     // ends in "/": the question table, results and tulip.dat it rewrites
    QString settingsFile;   // the per-user settings store
    QString windowsFolder;  // ends in "/": the per-user folder of tulip.ini
    QString tempFolder;     // ends in "/"
};
