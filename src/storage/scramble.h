// The integers of the game's INI files are stored as decimal text with every
// byte XOR-ed with one fixed key, so a player cannot simply edit his balance.
#pragma once

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

// The key turns every digit and the minus sign into a lower-case letter.
inline constexpr char ScrambleKey = 0x5A;

QByteArray ScrambleText(const QByteArray& text);

// Reads an integer the way the game always has: optional leading spaces, an
// optional sign, decimal digits (or "$"/"0x" and hex digits), nothing after.
// Throws AppError "'<text>' is not a valid integer value" otherwise.
int StrToInt(const QString& text);
// The same, giving fallback instead of an error.
int StrToIntDef(const QString& text, int fallback);
// An integer as an INI file stores it, scrambled, read where it lies:
// an empty text gives defaultValue, any other is read by StrToInt.
int StoredInt(QByteArrayView scrambled, int defaultValue);
