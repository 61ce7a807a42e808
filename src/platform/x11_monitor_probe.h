// The primary monitor of the X server that DISPLAY names, asked over a
// connection of its own before Qt has one: the program's scale must be set
// before its application object exists.
#pragma once

#include <QSize>
#include <QString>

#include <optional>

struct PrimaryMonitor {
    QSize pixels;
    QString output;  // the output's name, as Qt names the screen; empty without RandR
};

// None without an X server to connect to.
std::optional<PrimaryMonitor> probePrimaryMonitor();
