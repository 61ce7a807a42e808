#include "windows/splash_window.h"

#include "platform/wait_scope.h"

#include <QApplication>
#include <QPainter>
#include <QPointer>

namespace {

constexpr int DefaultPointSize = 8;
const QColor ButtonFace(0xC0, 0xC0, 0xC0);
const QColor RuleShadow(0x80, 0x80, 0x80);
const QColor RuleLight(0xFF, 0xFF, 0xFF);
const QColor TextColour(0x00, 0x00, 0x00);
const QColor ProductColour(0xFF, 0x00, 0x00);

QPointer<SplashWindow>& theSplash() {
    static QPointer<SplashWindow> window;
    return window;
}

} // namespace

SplashWindow::SplashWindow(const QIcon& icon, const QString& caption, const SystemFacts& facts,
                           const VersionInfo& version, QWidget* owner)
    : FixedWindow(caption, owner)
    , m_icon(icon.pixmap(32, 32)) {
    setObjectName(QStringLiteral("EFD_Splash"));
    setOuterSize(QSize(349, 279));
    setCursor(Qt::WaitCursor);
    setFont(dialogFont(DefaultPointSize));
    QPalette colours = palette();
    colours.setColor(QPalette::Window, ButtonFace);
    setPalette(colours);
    setAutoFillBackground(true);
    m_texts = splashTexts(facts, version, splashLineStep(font().pixelSize()));
    if (owner != nullptr)
        setWindowModality(Qt::WindowModal);
    qApp->installEventFilter(this);
}

void SplashWindow::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.drawPixmap(16, 16, m_icon);
    drawRule(painter);
    for (const SplashText& line : m_texts)
        drawText(painter, line);
}

bool SplashWindow::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::Show && watched != this && watched->isWidgetType()) {
        const auto* window = static_cast<QWidget*>(watched);
        if (window->isWindow() && window->isModal())
            hide();
    }
    return false;
}

// An etched line: a shadow row over a light one.
void SplashWindow::drawRule(QPainter& painter) const {
    painter.fillRect(QRect(QPoint(80, 168), QPoint(328, 169)), RuleLight);
    painter.setPen(RuleShadow);
    painter.drawLine(80, 168, 328, 168);
}

void SplashWindow::drawText(QPainter& painter, const SplashText& line) const {
    const QFont textFont = line.pointSize == 0 ? font() : dialogFont(line.pointSize);
    const QFontMetrics metrics(textFont);
    painter.setFont(textFont);
    painter.setPen(line.red ? ProductColour : TextColour);
    const int x = line.rightAligned ? line.x - metrics.horizontalAdvance(line.text) : line.x;
    painter.drawText(x, line.y + metrics.ascent(), line.text);
}

void ShowSplash(const QIcon& icon, const QString& caption, const SystemFacts& facts,
                const VersionInfo& version, QWidget* owner) {
    CloseSplash();
    theSplash() = new SplashWindow(icon, caption, facts, version, owner);
    theSplash()->show();
    // The game goes on starting without an event loop: let the window come
    // up now, with the game's timers held and the player's input left queued.
    const WaitScope scope;
    QCoreApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CloseSplash() {
    delete theSplash();
}
