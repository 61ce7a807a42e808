// The black command bar at the top of the main window (SpeedBar1): flat
// buttons with two-state pictures at fixed places.
#pragma once

#include <QWidget>

class QToolButton;

class SpeedBar : public QWidget {
    Q_OBJECT
public:
    static constexpr int BarHeight = 38;

    explicit SpeedBar(QWidget* parent);

    // A button at left with the pictures "tb_<picture>" (enabled) and
    // "tb_<picture>_off" (disabled).
    QToolButton* addButton(const QString& name, int left, const QString& hint,
                           const QString& picture);
    static void setPicture(QToolButton* button, const QString& picture);
};
