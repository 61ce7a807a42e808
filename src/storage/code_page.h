// Conversions between the texts of the game and the bytes of its files:
// Windows Cyrillic (1251) for INI files and pages, DOS Cyrillic (866) for
// question texts, converted byte for byte the way Windows converts them.
#pragma once

#include <QByteArray>
#include <QString>

// Direction "D..." (any case) turns 1251 into 866; every other letter turns
// 866 into 1251. Same length in and out.
QByteArray ConvertCodePage(const QByteArray& text, const QString& direction);

namespace cp1251 {
QString decode(const QByteArray& bytes);
// A character 1251 cannot hold becomes "?".
QByteArray encode(const QString& text);
bool canEncode(const QString& text);
} // namespace cp1251

namespace cp866 {
QString decode(const QByteArray& bytes);
// A character 866 cannot hold becomes "?".
QByteArray encode(const QString& text);
bool canEncode(const QString& text);
} // namespace cp866
