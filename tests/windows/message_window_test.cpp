#include "windows/message_window.h"

#include "top_level.h"

#include <QFontMetrics>
#include <QImage>
#include <QPixmap>
#include <QScreen>

#include <gtest/gtest.h>

namespace {

const QColor Navy(0x00, 0x00, 0x80);
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor IconColour(0x00, 0x80, 0x40);

QWidget* messageWindow() {
    return topLevelNamed(QStringLiteral("EFD_Msg"));
}

QFontMetrics messageMetrics() {
    return QFontMetrics(FixedWindow::dialogFont(11));
}

struct ShownMessage {
    explicit ShownMessage(const QString& text) {
        ShowMessageWindow(QStringLiteral("Zambrel!"), text, Navy, Yellow);
    }
    ~ShownMessage() { CloseMessageWindow(); }
};

} // namespace

TEST(MessageWindow, ShortTextGetsTheNarrowestWindowFiveLinesHigh) {
    const ShownMessage message(QStringLiteral("Да"));
    QWidget* window = messageWindow();
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->windowTitle(), QStringLiteral("Zambrel!"));
    EXPECT_EQ(window->frameGeometry().size(), QSize(168, 5 * messageMetrics().height()));
}

TEST(MessageWindow, LongTextWidensTheWindowByHalfItsWidth) {
    const QString text = QStringLiteral("Это правильный ответ! Вы выиграли 1000 рублей!");
    const ShownMessage message(text);
    const int width = messageMetrics().horizontalAdvance(text);
    ASSERT_GT(width, 128);
    EXPECT_EQ(messageWindow()->frameGeometry().width(), width + width / 2 + 40);
}

TEST(MessageWindow, StandsCentredOnTopWithoutTitleButtons) {
    const ShownMessage message(QStringLiteral("Время истекло!"));
    QWidget* window = messageWindow();
    const QRect screen = window->screen()->geometry();
    const QRect frame = window->frameGeometry();
    EXPECT_EQ(frame.left() - screen.left(), (screen.width() - frame.width()) / 2);
    EXPECT_EQ(frame.top() - screen.top(), (screen.height() - frame.height()) / 2);
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::WindowStaysOnTopHint));
    EXPECT_FALSE(window->windowFlags().testFlag(Qt::WindowCloseButtonHint));
    // No frame: a window manager would give a framed one its buttons back.
    EXPECT_TRUE(window->windowFlags().testFlag(Qt::FramelessWindowHint));
}

// A line break in the text does not start a second line.
TEST(MessageWindow, LineBreakKeepsTheTextOnOneLine) {
    const ShownMessage broken(QStringLiteral("Верно!\nВерно!"));
    const QSize brokenSize = messageWindow()->frameGeometry().size();
    CloseMessageWindow();
    const ShownMessage joined(QStringLiteral("Верно! Верно!"));
    EXPECT_EQ(brokenSize, messageWindow()->frameGeometry().size());
    const QImage image = messageWindow()->grab().toImage();
    const int t = messageMetrics().height();
    EXPECT_GT(countColour(image, QRect(0, t, image.width(), t), Yellow), 20);
    EXPECT_EQ(countColour(image, QRect(0, 2 * t, image.width(), image.height() - 2 * t), Yellow),
              0);
}

// Yellow text on navy, one line down, with the game's icon at (10, 10).
TEST(MessageWindow, PaintsTextColourOnBackgroundWithTheIcon) {
    QPixmap icon(32, 32);
    icon.fill(IconColour);
    const QIcon previous = QApplication::windowIcon();
    QApplication::setWindowIcon(QIcon(icon));
    const QString text = QStringLiteral("Подумайте ещё!");
    const ShownMessage message(text);
    QApplication::setWindowIcon(previous);
    const QImage image = messageWindow()->grab().toImage();
    EXPECT_EQ(image.pixelColor(image.width() - 2, image.height() - 2), Navy);
    EXPECT_EQ(image.pixelColor(10, 10), IconColour);
    EXPECT_EQ(image.pixelColor(41, 41), IconColour);
    EXPECT_EQ(image.pixelColor(9, 9), Navy);
    const int t = messageMetrics().height();
    const int w = messageMetrics().horizontalAdvance(text);
    const int x = (image.width() - w) / 2 + 5;
    EXPECT_GT(countColour(image, QRect(x, t, w, t), Yellow), 20);
    EXPECT_EQ(countColour(image, QRect(0, 0, x - 1, image.height()), Yellow), 0);
    EXPECT_EQ(countColour(image, QRect(0, 0, image.width(), t), Yellow), 0);
}

TEST(MessageWindow, ShowingAgainKeepsOneWindowAndClosingTwiceIsHarmless) {
    ShowMessageWindow(QStringLiteral("Zambrel!"), QStringLiteral("Раз"), Navy, Yellow);
    ShowMessageWindow(QStringLiteral("Zambrel!"), QStringLiteral("Два"), Navy, Yellow);
    EXPECT_EQ(topLevelsNamed(QStringLiteral("EFD_Msg")).size(), 1);
    CloseMessageWindow();
    CloseMessageWindow();
    EXPECT_TRUE(topLevelsNamed(QStringLiteral("EFD_Msg")).isEmpty());
}
