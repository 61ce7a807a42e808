#include "lifelines/poll_pie.h"

#include "controls/game_fonts.h"
#include "lifelines/pie_geometry.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

namespace {

const QColor Navy(0x00, 0x00, 0x80);
const QColor Aqua(0x00, 0xFF, 0xFF);
const QColor Outline(0x00, 0x00, 0x00);
const QColor Arrow(0xFF, 0xFF, 0xFF);
const QColor MarkFill(0xFF, 0xFF, 0xE1); // the pale yellow of a tooltip
const QColor MarkText(0x00, 0x00, 0x00);

const QString Title = QStringLiteral("Мнения зрителей:");
// The pie leaves room for the widest mark a poll can show, so it keeps its
// size whatever the votes.
const QString WidestMark = QStringLiteral("W 00,00 %");

constexpr int MarkFrame = 1;
constexpr int MarkPadding = 3; // between the frame of a mark and its text, left and right

QSize markBox(const QFontMetrics& metrics, const QString& text) {
    return {metrics.horizontalAdvance(text) + 2 * (MarkFrame + MarkPadding),
            metrics.height() + 2 * MarkFrame};
}

QColor shaded(const QColor& colour, double light) {
    return QColor::fromRgbF(colour.redF() * light, colour.greenF() * light, colour.blueF() * light);
}

// The wall takes the light from the front left and darkens towards the sides,
// always darker than the top, so the pie reads as a solid.
QBrush wallBrush(const QRectF& top, const QColor& colour) {
    QLinearGradient gradient(top.left(), 0, top.right(), 0);
    gradient.setColorAt(0.0, shaded(colour, 0.45));
    gradient.setColorAt(0.35, shaded(colour, 0.75));
    gradient.setColorAt(1.0, shaded(colour, 0.3));
    return gradient;
}

// The band of the wall below an arc of the top's rim.
QPainterPath wallPath(const QRectF& top, int depth, PieArc arc) {
    const QRectF bottom = top.translated(0, depth);
    const double start = arc.start / 16.0;
    const double sweep = arc.span / 16.0;
    QPainterPath path;
    path.arcMoveTo(top, start);
    path.arcTo(top, start, sweep);
    path.arcTo(bottom, start + sweep, -sweep);
    path.closeSubpath();
    return path;
}

} // namespace

PollPie::PollPie(QWidget* parent)
    : QWidget(parent)
    , m_titleFont(game_fonts::pixelFont(game_fonts::Arial, 13, true))
    , m_markFont(game_fonts::pixelFont(game_fonts::Arial, 11)) {
    // The chart paints every pixel, so a turn repaints it alone and nothing
    // behind it.
    setAttribute(Qt::WA_OpaquePaintEvent);
}

void PollPie::clear() {
    m_slices.clear();
    update();
}

void PollPie::addSlice(const QString& label, int value, const QColor& colour) {
    m_slices.push_back({label, value, colour});
    update();
}

QStringList PollPie::markTexts() const {
    int total = 0;
    for (const Slice& slice : m_slices) {
        total += slice.value;
    }
    QStringList texts;
    for (const Slice& slice : m_slices) {
        texts.append(markText(slice.label, slice.value, total));
    }
    return texts;
}

void PollPie::turn() {
    m_rotation = turnedRotation(m_rotation);
    repaint();
}

void PollPie::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), Navy);
    const PieLayout layout = pieLayout(size(), QFontMetrics(m_titleFont).height(),
                                       markBox(QFontMetrics(m_markFont), WidestMark));
    painter.setFont(m_titleFont);
    painter.setPen(Aqua);
    painter.drawText(layout.title, Qt::AlignCenter, Title);

    std::vector<int> values;
    for (const Slice& slice : m_slices) {
        values.push_back(slice.value);
    }
    const std::vector<PieArc> arcs = sliceArcs(values, m_rotation);
    painter.setRenderHint(QPainter::Antialiasing);
    drawWall(painter, layout, arcs);
    drawTop(painter, layout, arcs);
    drawMarks(painter, layout, arcs);
}

void PollPie::drawWall(QPainter& painter, const PieLayout& layout,
                       const std::vector<PieArc>& arcs) const {
    const QRectF top(layout.top);
    painter.setPen(Outline);
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        painter.setBrush(wallBrush(top, m_slices[i].colour));
        for (const PieArc& part : visibleWall(arcs[i])) {
            painter.drawPath(wallPath(top, layout.depth, part));
        }
    }
}

void PollPie::drawTop(QPainter& painter, const PieLayout& layout,
                      const std::vector<PieArc>& arcs) const {
    painter.setPen(Outline);
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        // A slice without votes would leave a stray radius on its neighbours.
        if (arcs[i].span > 0) {
            painter.setBrush(m_slices[i].colour);
            painter.drawPie(QRectF(layout.top), arcs[i].start, arcs[i].span);
        }
    }
}

void PollPie::drawMarks(QPainter& painter, const PieLayout& layout,
                        const std::vector<PieArc>& arcs) const {
    const QStringList texts = markTexts();
    const QFontMetrics metrics(m_markFont);
    painter.setFont(m_markFont);
    for (std::size_t i = 0; i < arcs.size(); ++i) {
        const QString& text = texts.at(static_cast<qsizetype>(i));
        const MarkPlace place = markPlace(layout, arcs[i], markBox(metrics, text));
        painter.setPen(Arrow);
        painter.drawLine(place.anchor, place.arrowEnd);
        painter.fillRect(place.box, Outline);
        painter.fillRect(place.box.adjusted(MarkFrame, MarkFrame, -MarkFrame, -MarkFrame),
                         MarkFill);
        painter.setPen(MarkText);
        painter.drawText(place.box, Qt::AlignCenter, text);
    }
}
