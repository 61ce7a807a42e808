#include "windows/balloon_tool_tips.h"

#include <QApplication>
#include <QCursor>
#include <QElapsedTimer>
#include <QHelpEvent>
#include <QTest>
#include <QToolTip>

#include <gtest/gtest.h>

#include <memory>

namespace {

// A toolbar-like window: one button with a hint inside a panel with another.
struct HintedWindow {
    QWidget window;
    QWidget* panel = new QWidget(&window);
    QWidget* button = new QWidget(panel);
    QWidget* plain = new QWidget(&window);

    HintedWindow() {
        window.resize(300, 200);
        panel->setGeometry(0, 0, 300, 100);
        button->setGeometry(10, 10, 40, 40);
        plain->setGeometry(0, 100, 300, 100);
        panel->setToolTip(QStringLiteral("Панель"));
        button->setToolTip(QStringLiteral("Новая игра"));
        window.show();
    }
};

// The desktop asks a control for its hint as the mouse rests on it.
void restMouseOn(QWidget* widget) {
    const QPoint local(5, 5);
    QHelpEvent event(QEvent::ToolTip, local, widget->mapToGlobal(local));
    QApplication::sendEvent(widget, &event);
}

bool balloonShows(const BalloonToolTips& tips, const QString& text) {
    return tips.balloon() != nullptr && tips.balloon()->isVisible() &&
           tips.balloon()->text() == text;
}

struct InstalledTips {
    BalloonToolTips tips;
    InstalledTips() { qApp->installEventFilter(&tips); }
};

} // namespace

TEST(BalloonToolTips, ShowTheHintInABalloonInsteadOfTheDesktopsTip) {
    InstalledTips installed;
    HintedWindow hinted;
    restMouseOn(hinted.button);
    EXPECT_TRUE(balloonShows(installed.tips, QStringLiteral("Новая игра")));
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST(BalloonToolTips, ControlWithoutHintShowsTheHintOfItsParent) {
    InstalledTips installed;
    HintedWindow hinted;
    hinted.button->setToolTip(QString());
    restMouseOn(hinted.button);
    EXPECT_TRUE(balloonShows(installed.tips, QStringLiteral("Панель")));
    EXPECT_FALSE(QToolTip::isVisible());
}

TEST(BalloonToolTips, NoHintAnywhereShowsNoBalloon) {
    InstalledTips installed;
    HintedWindow hinted;
    restMouseOn(hinted.plain);
    EXPECT_TRUE(installed.tips.balloon() == nullptr || !installed.tips.balloon()->isVisible());
}

TEST(BalloonToolTips, BalloonGoesWhenTheMouseLeavesItsControl) {
    InstalledTips installed;
    HintedWindow hinted;
    restMouseOn(hinted.button);
    QEvent leaveOther(QEvent::Leave);
    QApplication::sendEvent(hinted.plain, &leaveOther);
    EXPECT_TRUE(balloonShows(installed.tips, QStringLiteral("Новая игра")));
    QCursor::setPos(hinted.plain->mapToGlobal(QPoint(5, 5)));
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(hinted.button, &leave);
    EXPECT_FALSE(installed.tips.balloon()->isVisible());
}

// On X11 the balloon appearing under the pointer makes the control see the
// pointer leave; that must not take the balloon away again.
TEST(BalloonToolTips, BalloonStaysWhileThePointerIsStillOverItsControl) {
    InstalledTips installed;
    HintedWindow hinted;
    QCursor::setPos(hinted.button->mapToGlobal(QPoint(5, 5)));
    restMouseOn(hinted.button);
    QEvent leave(QEvent::Leave);
    QApplication::sendEvent(hinted.button, &leave);
    EXPECT_TRUE(balloonShows(installed.tips, QStringLiteral("Новая игра")));
}

TEST(BalloonToolTips, BalloonGoesOnAClickOrAKey) {
    InstalledTips installed;
    HintedWindow hinted;
    restMouseOn(hinted.button);
    QTest::mousePress(hinted.plain, Qt::LeftButton);
    EXPECT_FALSE(installed.tips.balloon()->isVisible());
    restMouseOn(hinted.button);
    QTest::keyClick(hinted.plain, Qt::Key_A);
    EXPECT_FALSE(installed.tips.balloon()->isVisible());
}

TEST(BalloonToolTips, BalloonGoesByItselfAfterFiveSeconds) {
    InstalledTips installed;
    HintedWindow hinted;
    restMouseOn(hinted.button);
    QElapsedTimer clock;
    clock.start();
    EXPECT_TRUE(QTest::qWaitFor([&] { return !installed.tips.balloon()->isVisible(); }, 8000));
    EXPECT_GE(clock.elapsed(), 4700); // a coarse timer may end up to 5 % early
}

TEST(BalloonToolTips, InstalledForTheWholeApplication) {
    HintedWindow hinted;
    const std::unique_ptr<BalloonToolTips> tips(&installBalloonToolTips(*qApp));
    EXPECT_EQ(tips->parent(), qApp);
    restMouseOn(hinted.button);
    EXPECT_TRUE(balloonShows(*tips, QStringLiteral("Новая игра")));
}
