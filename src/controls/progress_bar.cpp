#include "controls/progress_bar.h"

#include "controls/bevel.h"
#include "controls/pie_shape.h"
#include "controls/qt_paint.h"

#include <QImage>
#include <QPainter>
#include <QResizeEvent>

namespace {

// Windows classic system colours, fixed so the bar looks the same everywhere.
const QColor ButtonShadow{0x80, 0x80, 0x80};
const QColor ButtonHighlight{0xFF, 0xFF, 0xFF};
const QColor ActiveCaption{0x00, 0x00, 0x80};

} // namespace

QzProgressBar::QzProgressBar(QWidget* parent)
    : QWidget(parent) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    resize(150, 16);
}

void QzProgressBar::setMin(int min) {
    if (m_range.min != min) {
        m_range.min = min;
        repaint();
    }
}

void QzProgressBar::setMax(int max) {
    if (m_range.max != max) {
        m_range.max = max;
        repaint();
    }
}

void QzProgressBar::setPosition(int position) {
    if (m_range.position == position) {
        return;
    }
    // A value out of range is dropped, but the bar still redraws.
    if (position >= m_range.min && position <= m_range.max) {
        m_range.position = position;
    }
    repaint();
}

void QzProgressBar::setStep(int step) {
    if (step > m_range.min && step < m_range.max) {
        m_step = step;
    }
}

void QzProgressBar::setProgOrientation(QzProgOrientation orientation) {
    m_orientation = orientation;
    repaint();
}

void QzProgressBar::setProgBarType(QzProgBarType type) {
    m_type = type;
    if (type == QzProgBarType::pbPie) {
        resize(width(), width());
    }
    repaint();
}

void QzProgressBar::setProgFrame(bool frame) {
    m_frame = frame;
    repaint();
}

void QzProgressBar::setPieBkgColor(const QColor& color) {
    m_pieBkgColor = color;
    repaint();
}

void QzProgressBar::setPieSliceColor(const QColor& color) {
    m_pieSliceColor = color;
    repaint();
}

void QzProgressBar::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    setProgOrientation(width() >= height() ? QzProgOrientation::orHorizontal
                                           : QzProgOrientation::orVertical);
    if (m_type == QzProgBarType::pbPie && height() != width()) {
        resize(width(), width());
    }
}

void QzProgressBar::paintEvent(QPaintEvent*) {
    // Drawn off screen first, so the bar never flickers between styles.
    QPainter(this).drawImage(0, 0, render());
}

QImage QzProgressBar::render() const {
    QImage image = widgetCanvas(*this);
    if (image.isNull()) {
        return image;
    }
    image.fill(window()->palette().color(QPalette::Window));
    QPainter painter(&image);
    if (m_frame) {
        drawFrame(painter);
    }
    switch (m_type) {
    case QzProgBarType::pbWin95:
        drawWin95(painter);
        break;
    case QzProgBarType::pbIntensity:
        drawIntensity(painter);
        break;
    case QzProgBarType::pbPie:
        drawPie(painter);
        break;
    }
    return image;
}

void QzProgressBar::drawFrame(QPainter& painter) const {
    for (const BevelStroke& stroke : bevelStrokes({0, 0, width(), height()}, 1)) {
        fillPixelRect(painter, stroke.area, stroke.upperLeft ? ButtonShadow : ButtonHighlight);
    }
}

void QzProgressBar::drawWin95(QPainter& painter) const {
    for (const PixelRect& block : win95Blocks(width(), height(), m_orientation, m_range)) {
        fillPixelRect(painter, block, ActiveCaption);
    }
}

void QzProgressBar::drawIntensity(QPainter& painter) const {
    for (const IntensityBlock& block : intensityBlocks(width(), height(), m_orientation, m_range)) {
        const RaisedBlockLayers layers = raisedBlockLayers(block.area);
        fillPixelRect(painter, layers.highlight, Qt::white);
        fillPixelRect(painter, layers.shadow, Qt::black);
        fillPixelRect(painter, layers.face, toQColor(block.color));
    }
}

void QzProgressBar::drawPie(QPainter& painter) const {
    const PieShape shape = pieShape(width(), height(), m_range);
    // The outline lies on the last row and column inside the bar.
    const QRect ellipse(0, 0, width() - 1, height() - 1);
    painter.setPen(Qt::black);
    painter.setBrush(shape.sliceFill ? m_pieSliceColor : m_pieBkgColor);
    painter.drawEllipse(ellipse);
    if (shape.hasSector) {
        painter.setBrush(m_pieBkgColor);
        painter.drawPie(ellipse, PieStartAngle, shape.sectorSpan);
    }
}
