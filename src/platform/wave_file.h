// What the game needs to know of a wave file before playing it.
#pragma once

#include <QString>

// Playing time in milliseconds of a RIFF/WAVE file, or -1 when the file is
// missing or no wave file.
int waveDurationMs(const QString& path);
