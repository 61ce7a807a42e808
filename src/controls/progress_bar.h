// The game's progress indicator: a row of plain blocks, a row of raised
// green, yellow and red blocks (the thinking-time bar) or a pie. It stands on
// the colour of the form it sits on and turns itself horizontal or vertical
// to follow its shape.
#pragma once

#include "controls/progress_blocks.h"

#include <QColor>
#include <QWidget>

class QPainter;

class QzProgressBar : public QWidget {
    Q_OBJECT
    Q_PROPERTY(int Min READ min WRITE setMin)
    Q_PROPERTY(int Max READ max WRITE setMax)
    Q_PROPERTY(int Position READ position WRITE setPosition)
    Q_PROPERTY(int Step READ step WRITE setStep)
    Q_PROPERTY(bool ProgFrame READ progFrame WRITE setProgFrame)
    Q_PROPERTY(QColor PieBkgColor READ pieBkgColor WRITE setPieBkgColor)
    Q_PROPERTY(QColor PieSliceColor READ pieSliceColor WRITE setPieSliceColor)

public:
    explicit QzProgressBar(QWidget* parent = nullptr);

    int min() const { return m_range.min; }
    void setMin(int min);
    int max() const { return m_range.max; }
    void setMax(int max);
    int position() const { return m_range.position; }
    void setPosition(int position);
    int step() const { return m_step; }
    void setStep(int step);
    QzProgOrientation progOrientation() const { return m_orientation; }
    void setProgOrientation(QzProgOrientation orientation);
    QzProgBarType progBarType() const { return m_type; }
    void setProgBarType(QzProgBarType type);
    bool progFrame() const { return m_frame; }
    void setProgFrame(bool frame);
    QColor pieBkgColor() const { return m_pieBkgColor; }
    void setPieBkgColor(const QColor& color);
    QColor pieSliceColor() const { return m_pieSliceColor; }
    void setPieSliceColor(const QColor& color);

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage render() const;
    void drawFrame(QPainter& painter) const;
    void drawWin95(QPainter& painter) const;
    void drawIntensity(QPainter& painter) const;
    void drawPie(QPainter& painter) const;

    ProgressRange m_range;
    int m_step = 1;
    QzProgOrientation m_orientation = QzProgOrientation::orHorizontal;
    QzProgBarType m_type = QzProgBarType::pbWin95;
    bool m_frame = true;
    QColor m_pieBkgColor{0x00, 0x00, 0x80}; // active caption colour
    QColor m_pieSliceColor{0xFF, 0xFF, 0xFF};
};
