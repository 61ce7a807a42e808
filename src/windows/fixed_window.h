// The small windows the game puts above everything else for a while: the
// splash and the coloured message. They have a caption but no title-bar
// buttons, stand in the centre of the screen, and keep an exact outer size,
// frame and caption included, with a window manager or without one.
#pragma once

#include <QFont>
#include <QWidget>

class FixedWindow : public QWidget {
public:
    explicit FixedWindow(const QString& caption);

    // The windows are laid out in the pixels of a 96-dpi screen, so their
    // fonts are sized in pixels too.
    static QFont dialogFont(int pointSize);

protected:
    void setOuterSize(QSize outerSize);
    bool event(QEvent* event) override;

private:
    void centre();

    QSize m_outerSize;
};
