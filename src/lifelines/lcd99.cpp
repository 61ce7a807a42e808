#include "lifelines/lcd99.h"

#include "controls/qt_paint.h"
#include "platform/clock_seeded_random.h"

#include <QElapsedTimer>
#include <QMessageBox>
#include <QPainter>
#include <QResizeEvent>

#include <algorithm>

using namespace segment_display;

namespace {

const QString AboutTitle = QStringLiteral("TLCD99");
const QString AboutText =
    QStringLiteral("TLCD99 1.0\nСемисегментный индикатор\n\nКоманда Zambrel!");

} // namespace

TLCD99::TLCD99(QWidget* parent, RandomSource* random)
    : QWidget(parent)
    , m_ownRandom(random == nullptr ? std::make_unique<ClockSeededRandom>() : nullptr)
    , m_random(random == nullptr ? *m_ownRandom : *random) {
    // The picture covers the whole area: nothing to erase first.
    setAttribute(Qt::WA_OpaquePaintEvent);
    m_stepTimer.setTimerType(Qt::PreciseTimer);
    connect(&m_stepTimer, &QTimer::timeout, this, &TLCD99::nextStep);
    resize(92, 34);
    redraw();
}

void TLCD99::setAbout(TLCDAbout about) {
    if (about == TLCDAbout::abAbout) {
        QMessageBox::information(this, AboutTitle, AboutText, QMessageBox::Ok);
        redraw();
    }
}

void TLCD99::setValue(const QString& value) {
    const QString text = normalizedValue(value);
    if (text != m_value) {
        m_value = text;
        redraw();
    }
}

template <typename T> void TLCD99::change(T& member, const T& value) {
    if (member != value) {
        member = value;
        redraw();
    }
}

void TLCD99::setDigitNum(int cells) {
    change(m_digitNum, cells);
}

void TLCD99::setDigitSpacing(int pixels) {
    change(m_digitSpacing, pixels);
}

void TLCD99::setGapX(int pixels) {
    change(m_gapX, pixels);
}

void TLCD99::setGapY(int pixels) {
    change(m_gapY, pixels);
}

void TLCD99::setSegmentSize(int pixels) {
    change(m_segmentSize, pixels);
}

void TLCD99::setOnColor(const QColor& color) {
    change(m_onColor, color);
}

void TLCD99::setOffColor(const QColor& color) {
    change(m_offColor, color);
}

void TLCD99::setColor(const QColor& color) {
    change(m_color, color);
}

// More cells than pixel columns could not be drawn apart.
int TLCD99::cellCount() const {
    return std::clamp(m_digitNum, 0, std::max(width(), 0));
}

SegmentGeometry TLCD99::cellGeometry() const {
    return SegmentGeometry(width(), height(), cellCount(), m_digitSpacing, m_gapX, m_gapY,
                           m_segmentSize);
}

// Draws the value last shown at once, then starts the change to the current
// value: every cell when the display goes blank, else the cells that differ.
void TLCD99::redraw() {
    QElapsedTimer spent;
    spent.start();
    finishChange();
    const int order = segmentOrder(m_animation, m_random);
    const int cells = cellCount();
    if (!isCanvasOf(m_picture, *this)) {
        m_picture = widgetCanvas(*this);
    }
    m_picture.fill(m_color);

    const std::vector<bool> everyCell(cells, true);
    Change next{m_value, cellText(m_value, cells), everyCell, order, 0};
    std::vector<bool> points = everyCell;
    if (!m_value.isEmpty()) {
        const DotSplit old = cellText(m_shown, cells);
        drawPoints(old, everyCell);
        for (const int slot : SegmentOrder[AtOnceOrder - 1]) {
            drawSlot(old, everyCell, slot);
        }
        for (int cell = 0; cell < cells; ++cell) {
            next.cells[cell] = next.text.digits[cell] != old.digits[cell];
            points[cell] = next.text.points[cell] != old.points[cell];
        }
    }
    drawPoints(next.text, points);
    m_change = std::move(next);

    const qint64 budget = std::max<qint64>(0, m_animationDelay - spent.elapsed());
    const int stepDelay = static_cast<int>(budget / 7);
    if (m_animation == TLCDAnimation::anNone || stepDelay <= 0) {
        finishChange();
    } else {
        drawStep();
        m_stepTimer.start(stepDelay);
    }
    repaint();
}

void TLCD99::drawStep() {
    const int slot = SegmentOrder[m_change->order - 1][m_change->step];
    drawSlot(m_change->text, m_change->cells, slot);
    ++m_change->step;
}

void TLCD99::nextStep() {
    drawStep();
    if (m_change->step == SlotCount) {
        finishChange();
    }
    repaint();
}

// Draws what remains of a change under way at once.
void TLCD99::finishChange() {
    m_stepTimer.stop();
    if (!m_change) {
        return;
    }
    while (m_change->step < SlotCount) {
        drawStep();
    }
    m_shown = m_change->value;
    m_change.reset();
}

void TLCD99::drawSlot(const DotSplit& text, const std::vector<bool>& cells, int slot) {
    if (m_picture.isNull()) {
        return;
    }
    QPainter painter(&m_picture);
    const SegmentGeometry shape = cellGeometry();
    for (int cell = 1; cell <= static_cast<int>(cells.size()); ++cell) {
        if (!cells[cell - 1]) {
            continue;
        }
        const QColor colour = lightsSlot(text.digits[cell - 1], slot) ? m_onColor : m_offColor;
        painter.setBrush(colour);
        if (slot == Colon) {
            painter.setPen(Qt::NoPen);
            for (const QRect& dot : shape.colonDots(cell)) {
                if (!dot.isEmpty()) {
                    painter.drawEllipse(dot);
                }
            }
        } else {
            painter.setPen(QPen(colour, 0));
            const std::array<QPoint, 6> corners = shape.segment(cell, slot);
            painter.drawPolygon(corners.data(), static_cast<int>(corners.size()));
            // Qt's outline may leave out a corner pixel; a segment has them all.
            painter.drawPoints(corners.data(), static_cast<int>(corners.size()));
        }
    }
}

void TLCD99::drawPoints(const DotSplit& text, const std::vector<bool>& cells) {
    if (m_picture.isNull()) {
        return;
    }
    QPainter painter(&m_picture);
    const SegmentGeometry shape = cellGeometry();
    for (int cell = 1; cell <= static_cast<int>(cells.size()); ++cell) {
        const QRect point = shape.decimalPoint(cell);
        if (cells[cell - 1] && !point.isEmpty()) {
            const bool lit = text.points[cell - 1] == QLatin1Char('.');
            painter.fillRect(point, lit ? m_onColor : m_offColor);
        }
    }
}

void TLCD99::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    if (!isCanvasOf(m_picture, *this)) {
        redraw();
    }
}

void TLCD99::paintEvent(QPaintEvent*) {
    QPainter(this).drawImage(0, 0, m_picture);
}
