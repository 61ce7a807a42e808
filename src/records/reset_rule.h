// When a player may wipe his own result again: five days after the last
// wipe, whose date the settings keep under "Сброс".
#pragma once

#include <QDate>
#include <QString>

#include <optional>

inline constexpr int ResetWaitDays = 5;
// What "Сброс" holds before the first wipe.
inline constexpr auto NeverResetText = "01.01.2000";

// Nothing when the wipe is allowed today, else the text refusing it, which
// names the last day it is refused ("\r" breaks the line). A stored text that
// is no date counts as no wipe at all: the wipe is allowed, and writes a
// proper date.
std::optional<QString> ResetRefusal(const QString& lastReset, const QDate& today);
