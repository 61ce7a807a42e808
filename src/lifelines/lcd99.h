// The phone dialog's number display: a short text shown as a row of
// seven-segment cells, each with a colon and a decimal point in the gap
// before it, lit in `OnColor` and unlit in `OffColor` over `Color`. A new
// value redraws only the cells that changed, slot by slot in the order of
// `Animation`, paced over `AnimationDelay` milliseconds by a timer; a value
// arriving meanwhile first completes the change on show. The picture is kept
// in an image of its own, so an exposed area is always painted whole.
#pragma once

#include "lifelines/segment_display.h"

#include <QColor>
#include <QImage>
#include <QString>
#include <QTimer>
#include <QWidget>

#include <memory>
#include <optional>
#include <vector>

enum class TLCDAbout { abNone, abAbout };

class TLCD99 : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QString Value READ value WRITE setValue)
    Q_PROPERTY(int AnimationDelay READ animationDelay WRITE setAnimationDelay)
    Q_PROPERTY(int DigitNum READ digitNum WRITE setDigitNum)
    Q_PROPERTY(int DigitSpacing READ digitSpacing WRITE setDigitSpacing)
    Q_PROPERTY(int GapX READ gapX WRITE setGapX)
    Q_PROPERTY(int GapY READ gapY WRITE setGapY)
    Q_PROPERTY(int SegmentSize READ segmentSize WRITE setSegmentSize)
    Q_PROPERTY(QColor OnColor READ onColor WRITE setOnColor)
    Q_PROPERTY(QColor OffColor READ offColor WRITE setOffColor)
    Q_PROPERTY(QColor Color READ color WRITE setColor)

public:
    // `random` chooses the order of `anRandom`; by default one seeded from
    // the clock.
    explicit TLCD99(QWidget* parent = nullptr, RandomSource* random = nullptr);

    TLCDAbout about() const { return TLCDAbout::abNone; }
    // abAbout shows the display's about box.
    void setAbout(TLCDAbout about);
    TLCDAnimation animation() const { return m_animation; }
    void setAnimation(TLCDAnimation animation) { m_animation = animation; }
    int animationDelay() const { return m_animationDelay; }
    void setAnimationDelay(int milliseconds) { m_animationDelay = milliseconds; }

    QString value() const { return m_value; }
    void setValue(const QString& value);
    int digitNum() const { return m_digitNum; }
    void setDigitNum(int cells);
    int digitSpacing() const { return m_digitSpacing; }
    void setDigitSpacing(int pixels);
    int gapX() const { return m_gapX; }
    void setGapX(int pixels);
    int gapY() const { return m_gapY; }
    void setGapY(int pixels);
    int segmentSize() const { return m_segmentSize; }
    void setSegmentSize(int pixels);
    QColor onColor() const { return m_onColor; }
    void setOnColor(const QColor& color);
    QColor offColor() const { return m_offColor; }
    void setOffColor(const QColor& color);
    QColor color() const { return m_color; }
    void setColor(const QColor& color);

    // The picture as it stands, a change under way included.
    const QImage& picture() const { return m_picture; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // A change of the picture on its way to `value`: the cells whose digit
    // changed are drawn slot by slot.
    struct Change {
        QString value;
        segment_display::DotSplit text;
        std::vector<bool> cells;
        int order = segment_display::AtOnceOrder;
        int step = 0;
    };

    template <typename T> void change(T& member, const T& value);
    void redraw();
    void drawStep();
    void nextStep();
    void finishChange();
    void drawPoints(const segment_display::DotSplit& text, const std::vector<bool>& cells);
    void drawSlot(const segment_display::DotSplit& text, const std::vector<bool>& cells, int slot);
    int cellCount() const;
    segment_display::SegmentGeometry cellGeometry() const;

    std::unique_ptr<RandomSource> m_ownRandom;
    RandomSource& m_random;
    TLCDAnimation m_animation = TLCDAnimation::anNone;
    int m_animationDelay = 0;
    int m_digitNum = 4;
    int m_digitSpacing = 5;
    int m_gapX = 2;
    int m_gapY = 2;
    QColor m_offColor{0x00, 0x00, 0x00};
    QColor m_onColor{0x00, 0xFF, 0x00};
    int m_segmentSize = 2;
    QColor m_color{0x00, 0x00, 0x00};
    QString m_value;
    QString m_shown; // the value the last completed change drew
    QImage m_picture;
    std::optional<Change> m_change;
    QTimer m_stepTimer;
};
