// One line of an INI file as the Windows profile functions read it, and how
// they match names. The parts of a line are views into its own bytes, so a
// pass over a large file copies nothing.
#pragma once

#include <QByteArray>
#include <QByteArrayView>

#include <cstddef>

// Longest value a reader gets (the 2048-byte buffer of the profile functions).
inline constexpr int IniMaxValueLength = 2047;

struct IniLine {
    enum class Kind { Blank, Comment, Header, Key, Other };

    // text is one line without its line break.
    static IniLine parse(QByteArrayView text);

    // Erasing a section takes its header, keys and comments; blank lines and
    // lines without "=" stay.
    bool outlivesItsSection() const { return kind == Kind::Blank || kind == Kind::Other; }

    Kind kind = Kind::Blank;
    QByteArrayView name;   // section or key name, trimmed
    QByteArrayView value;  // key value, trimmed, quotes kept
};

// Lines, names and values lose the blanks (spaces and tabs) around them.
inline bool isIniBlank(char c) { return c == ' ' || c == '\t'; }
QByteArrayView trimIniBlanks(QByteArrayView text);

// A key's value as a reader gets it: one level of matching quotes dropped,
// cut to IniMaxValueLength.
QByteArrayView iniReaderValue(QByteArrayView value);

// A name or value as written: a line break inside it would start a new
// line, so it becomes a space.
QByteArray singleIniLine(QByteArrayView text);

// Folds Latin and Cyrillic (1251) letters to lower case for name matching.
QByteArray foldIniName(const QByteArray& name);
// Whether two names match without regard to letter case.
bool iniNamesMatch(QByteArrayView a, QByteArrayView b);
// Equal for names that match.
size_t iniNameHash(QByteArrayView name, size_t seed = 0);
