// Question texts are kept in the question table in the DOS Cyrillic code page
// with every byte raised by one fixed offset, so that the answers cannot be
// read off the file. The game only ever removes the offset; the question tool
// for authors adds it.
#pragma once

#include <QByteArray>
#include <QString>

#include <cstdint>

// 0x4B: the only plain bytes that would be stored as NUL (0xB5) or as a space
// (0xD5) are box-drawing characters, which no question text uses.
inline constexpr std::uint8_t QuestionTextOffset = 0x4B;

// Stored form to plain cp866 bytes, same length.
QByteArray LoadStr(const QByteArray& stored);

// Plain cp866 bytes to the stored form, same length.
QByteArray StoreStr(const QByteArray& plain);

// What the player reads of a stored text: the offset removed, then DOS
// Cyrillic turned into Windows Cyrillic the way Windows turns it.
QString ShownQuestionText(const QByteArray& stored);
