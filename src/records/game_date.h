// Dates as the game keeps them in its files and settings: "dd.mm.yyyy".
#pragma once

#include <QByteArrayView>
#include <QDate>
#include <QString>

#include <optional>

// Reads a day, a month and a four-digit year separated by dots, with blanks
// allowed around the whole. Throws AppError "'<text>' is not a valid date"
// for anything else, including a day the calendar does not have.
QDate StrToDate(const QString& text);
// The same, giving nothing instead of an error.
std::optional<QDate> TryStrToDate(const QString& text);
// The same for a date as a file stores it (code page 1251), read where it lies.
QDate StoredDate(QByteArrayView text);
std::optional<QDate> TryStoredDate(QByteArrayView text);

QString DateToStr(const QDate& date);
