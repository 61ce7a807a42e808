#include "app/money_window.h"

#include "app/game_colours.h"

#include <QPainter>

namespace {

using namespace game_colours;
constexpr int TopOffset = 290;
} // namespace

MoneyWindow::MoneyWindow(const QRect& mainWindowGeometry)
    : QWidget(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                           Qt::WindowStaysOnTopHint)
{
    setObjectName(QStringLiteral("FDol1"));
    setWindowTitle(QStringLiteral("Ваши денежки!"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    setGeometry(mainWindowGeometry.left(), mainWindowGeometry.top() + TopOffset,
                mainWindowGeometry.width(), std::max(mainWindowGeometry.height() - TopOffset, 1));
}

void MoneyWindow::resizeEvent(QResizeEvent* /*event*/)
{
    // In the screen's own pixels, so the notes stay sharp on a magnified screen.
    QPixmap canvas(size() * devicePixelRatioF());
    canvas.setDevicePixelRatio(devicePixelRatioF());
    canvas.fill(Navy);
    if (!m_canvas.isNull()) {
        QPainter painter(&canvas);
        painter.drawPixmap(0, 0, m_canvas);
    }
    m_canvas = canvas;
}

void MoneyWindow::dropNote(const QPixmap& note, const QPoint& at)
{
    QPainter painter(&m_canvas);
    painter.drawPixmap(at, note);
    ++m_notes;
    update();
}

void MoneyWindow::paintEvent(QPaintEvent* /*event*/)
{
    QPainter painter(this);
    painter.drawPixmap(0, 0, m_canvas);
}
