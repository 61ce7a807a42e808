// The game's INI files (tulip.lst, tulip.dat, tulip.ini): each operation
// reads the file afresh, does one read or write and, for a write, replaces
// the file whole. Texts on disk are in code page 1251.
#pragma once

#include "storage/ini_document.h"

#include <QString>
#include <QStringList>

#include <functional>

class FileWriteLock;

QString IniReadStr(const QString& file, const QString& section, const QString& key,
                   const QString& defaultText);
// Throws AppError "Unable to write to <file>" when the file cannot be written.
void IniWriteStr(const QString& file, const QString& section, const QString& key,
                 const QString& text);
// Integers are kept as scrambled decimal text.
int IniReadInt(const QString& file, const QString& section, const QString& key, int defaultValue);
void IniWriteInt(const QString& file, const QString& section, const QString& key, int value);
void IniEraseSection(const QString& file, const QString& section);
// Appends the lines of the section whose header is exactly "[section]"
// (letter case counts). Throws AppError "Cannot open file <file>" when the
// file cannot be read.
void IniSectionLines(const QString& file, const QString& section, QStringList& list);

// For passes over many sections: the file loaded once (a missing file is an
// empty one), read like the file itself, and saved whole. Every read, and so
// every write, of a file that is there but cannot be read throws AppError
// "Cannot open file <file>". A save needs the file's write lock, taken before
// the load; without it the save fails like one that cannot write.
IniDocument IniLoad(const QString& file);
void IniSave(const QString& file, const IniDocument& document, const FileWriteLock& lock);
// The same for content already in the file's bytes.
void IniSave(const QString& file, const QByteArray& content, const FileWriteLock& lock);
// One read, change and write of the file under its write lock: change edits
// the loaded file and says whether it changed anything; only then is the
// file replaced. Throws AppError "Unable to write to <file>" when it cannot
// be written or another copy of the game keeps it locked for too long.
void IniEdit(const QString& file, const std::function<bool(IniDocument&)>& change);
QString IniReadStr(const IniDocument& document, const QString& section, const QString& key,
                   const QString& defaultText);
int IniReadInt(const IniDocument& document, const QString& section, const QString& key,
               int defaultValue);

// The whole file as its lines (a CR, an LF or a CR LF ends a line).
QStringList IniFileLines(const QString& file);
