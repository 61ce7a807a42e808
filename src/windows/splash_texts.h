// The lines of the splash window and the about box: whom the computer is
// registered to, its system and memory, and the program's version facts, each
// with the place and the font it is drawn in. Places are pixels from the top
// left of the window's client area; a line's top left is its place unless it
// ends there.
#pragma once

#include "platform/system_facts.h"
#include "windows/version_info.h"

#include <QList>
#include <QString>

struct SplashText {
    QString text;
    int x = 0;
    int y = 0;
    int pointSize = 0;         // 0: the window's own font
    bool red = false;          // the product name
    bool rightAligned = false; // the line ends at x

    friend bool operator==(const SplashText&, const SplashText&) = default;
};

// Line step of the splash for a font of the given height in pixels.
int splashLineStep(int fontPixelHeight);

QList<SplashText> splashTexts(const SystemFacts& facts, const VersionInfo& version, int lineStep);
