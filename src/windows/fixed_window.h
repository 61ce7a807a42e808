// The small windows the game puts above everything else for a while: the
// splash, the about box and the coloured message. They stand without a
// frame, so no window manager gives them title-bar buttons or changes their
// size, in the centre of the screen.
#pragma once

#include <QFont>
#include <QWidget>

class FixedWindow : public QWidget {
public:
    // An owner keeps the window above it; without one it stands above all.
    explicit FixedWindow(const QString& caption, QWidget* owner = nullptr);

    // The windows are laid out in the pixels of a 96-dpi screen, so their
    // fonts are sized in pixels too.
    static QFont dialogFont(int pointSize);

protected:
    void setOuterSize(QSize outerSize);
};
