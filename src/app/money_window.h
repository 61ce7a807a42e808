// The money window ("Ваши денежки!") over the lower part of the main window,
// on which banknotes rain when the player wins money.
#pragma once

#include <QPixmap>
#include <QWidget>

class MoneyWindow : public QWidget {
    Q_OBJECT
public:
    // Covers the main window's width, from 290 pixels below its top down.
    explicit MoneyWindow(const QRect& mainWindowGeometry);

    // Notes stay where they fell: each is drawn once on top of the others.
    void dropNote(const QPixmap& note, const QPoint& at);
    int noteCount() const { return m_notes; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QPixmap m_canvas;
    int m_notes = 0;
};
