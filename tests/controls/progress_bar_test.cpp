#include "controls/progress_bar.h"

#include "paint_counter.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor FormColor(0x00, 0x28, 0x51);
const QColor Navy(0x00, 0x00, 0x80);
const QColor White(0xFF, 0xFF, 0xFF);
const QColor Black(0x00, 0x00, 0x00);

// A bar on a form of the main window's colour.
struct BarOnForm {
    QWidget form;
    QzProgressBar* bar = new QzProgressBar(&form);

    BarOnForm() {
        QPalette palette = form.palette();
        palette.setColor(QPalette::Window, FormColor);
        form.setPalette(palette);
        form.resize(800, 800);
        // A bar follows its shape once it is on screen, as the game's bar is.
        form.show();
    }

    QImage paint() const { return bar->grab().toImage(); }
};

// The game's thinking-time bar.
std::unique_ptr<BarOnForm> gameBar(int position) {
    auto bar = std::make_unique<BarOnForm>();
    bar->bar->resize(592, 18);
    bar->bar->setProgBarType(QzProgBarType::pbIntensity);
    bar->bar->setPosition(position);
    return bar;
}

// The face colour of block i (from 1) of a horizontal game bar.
QColor blockFace(const QImage& image, int i) {
    return image.pixelColor(2 + (i - 1) * 10 + 4, 8);
}

} // namespace

TEST(QzProgressBar, NewBarIs150By16HorizontalPlainBlocksFromZeroToHundred) {
    QzProgressBar bar;
    EXPECT_EQ(bar.size(), QSize(150, 16));
    EXPECT_EQ(bar.progOrientation(), QzProgOrientation::orHorizontal);
    EXPECT_EQ(bar.progBarType(), QzProgBarType::pbWin95);
    EXPECT_EQ(bar.min(), 0);
    EXPECT_EQ(bar.max(), 100);
    EXPECT_EQ(bar.position(), 0);
    EXPECT_EQ(bar.step(), 1);
    EXPECT_TRUE(bar.progFrame());
    EXPECT_EQ(bar.pieBkgColor(), Navy);
    EXPECT_EQ(bar.pieSliceColor(), White);
}

TEST(QzProgressBar, EmptyGameBarShows58DarkBlocksOnTheFormColour) {
    const QImage image = gameBar(0)->paint();
    EXPECT_EQ(blockFace(image, 1), QColor(0x00, 0x7F, 0x00));
    EXPECT_EQ(blockFace(image, 19), QColor(0x00, 0x7F, 0x00));
    EXPECT_EQ(blockFace(image, 20), QColor(0xBF, 0xBF, 0x00));
    EXPECT_EQ(blockFace(image, 39), QColor(0xBF, 0xBF, 0x00));
    EXPECT_EQ(blockFace(image, 40), QColor(0x7F, 0x00, 0x00));
    EXPECT_EQ(blockFace(image, 58), QColor(0x7F, 0x00, 0x00));
    EXPECT_EQ(blockFace(image, 59), FormColor); // no 59th block
    EXPECT_EQ(image.pixelColor(10, 8), FormColor);
}

TEST(QzProgressBar, GameBarAtHalfTimeLightsThirtyBlocksAndAtFullTimeAll) {
    const QImage half = gameBar(50)->paint();
    EXPECT_EQ(blockFace(half, 19), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(blockFace(half, 30), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(blockFace(half, 31), QColor(0xBF, 0xBF, 0x00));
    EXPECT_EQ(blockFace(half, 40), QColor(0x7F, 0x00, 0x00));
    const QImage full = gameBar(100)->paint();
    EXPECT_EQ(blockFace(full, 31), QColor(0xFF, 0xFF, 0x00));
    EXPECT_EQ(blockFace(full, 58), QColor(0xFF, 0x00, 0x00));
}

TEST(QzProgressBar, BlocksAreRaisedWhiteAboveLeftAndBlackBelowRight) {
    const QImage image = gameBar(0)->paint();
    EXPECT_EQ(image.pixelColor(2, 5), White);
    EXPECT_EQ(image.pixelColor(5, 2), White);
    EXPECT_EQ(image.pixelColor(9, 10), Black);
    EXPECT_EQ(image.pixelColor(6, 15), Black);
}

TEST(QzProgressBar, FrameIsSunkenGreyAboveLeftAndWhiteBelowRight) {
    const QImage image = gameBar(0)->paint();
    const QColor grey(0x80, 0x80, 0x80);
    EXPECT_EQ(image.pixelColor(0, 8), grey);
    EXPECT_EQ(image.pixelColor(300, 0), grey);
    EXPECT_EQ(image.pixelColor(591, 8), White);
    EXPECT_EQ(image.pixelColor(300, 17), White);
    EXPECT_EQ(image.pixelColor(0, 17), White);

    auto bar = gameBar(0);
    bar->bar->setProgFrame(false);
    EXPECT_EQ(bar->paint().pixelColor(0, 8), FormColor);
}

TEST(QzProgressBar, TurningTheGameBarUprightMakesItGrowUpward) {
    auto bar = gameBar(50);
    bar->bar->resize(18, 592);
    EXPECT_EQ(bar->bar->progOrientation(), QzProgOrientation::orVertical);
    const QImage image = bar->paint();
    EXPECT_EQ(image.pixelColor(8, 585), QColor(0x00, 0xFF, 0x00)); // block 1
    EXPECT_EQ(image.pixelColor(8, 295), QColor(0xFF, 0xFF, 0x00)); // block 30
    EXPECT_EQ(image.pixelColor(8, 285), QColor(0xBF, 0xBF, 0x00)); // block 31
    EXPECT_EQ(image.pixelColor(8, 15), QColor(0x7F, 0x00, 0x00));  // block 58
    bar->bar->resize(592, 18);
    EXPECT_EQ(bar->bar->progOrientation(), QzProgOrientation::orHorizontal);
}

TEST(QzProgressBar, PlainBlocksFillInTheActiveCaptionColour) {
    BarOnForm bar;
    bar.bar->setPosition(50);
    const QImage image = bar.paint();
    EXPECT_EQ(image.pixelColor(5, 8), Navy);
    EXPECT_EQ(image.pixelColor(80, 8), Navy);
    EXPECT_EQ(image.pixelColor(100, 8), FormColor);
}

TEST(QzProgressBar, PositionOutsideTheRangeIsIgnoredButRedraws) {
    QzProgressBar bar;
    bar.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&bar));
    QCoreApplication::processEvents();
    const PaintCounter paints(&bar);
    bar.setPosition(40);
    EXPECT_EQ(bar.position(), 40);
    EXPECT_EQ(paints.count(), 1);
    bar.setPosition(101);
    EXPECT_EQ(bar.position(), 40);
    EXPECT_EQ(paints.count(), 2);
    bar.setPosition(40);
    EXPECT_EQ(paints.count(), 2);
}

TEST(QzProgressBar, StepIsTakenOnlyStrictlyInsideTheRange) {
    QzProgressBar bar;
    bar.setStep(10);
    bar.setStep(0);
    bar.setStep(100);
    EXPECT_EQ(bar.step(), 10);
}

TEST(QzProgressBar, PieBarKeepsItselfSquare) {
    QzProgressBar bar;
    bar.show();
    bar.setProgBarType(QzProgBarType::pbPie);
    EXPECT_EQ(bar.size(), QSize(150, 150));
    bar.resize(100, 50);
    EXPECT_EQ(bar.size(), QSize(100, 100));
}

TEST(QzProgressBar, PieIsOneEllipseAtEitherEnd) {
    BarOnForm bar;
    bar.bar->setProgBarType(QzProgBarType::pbPie);
    bar.bar->resize(100, 100);
    QImage image = bar.paint();
    EXPECT_EQ(image.pixelColor(30, 30), Navy);
    EXPECT_EQ(image.pixelColor(70, 70), Navy);
    EXPECT_EQ(image.pixelColor(1, 1), FormColor); // outside the ellipse
    bar.bar->setPosition(100);
    image = bar.paint();
    EXPECT_EQ(image.pixelColor(30, 30), White);
    EXPECT_EQ(image.pixelColor(70, 70), White);
    EXPECT_EQ(image.pixelColor(50, 0), Black); // outline
}

TEST(QzProgressBar, PieAtAQuarterFillsTwelveToThreeOClock) {
    BarOnForm bar;
    bar.bar->setProgBarType(QzProgBarType::pbPie);
    bar.bar->resize(100, 100);
    bar.bar->setPosition(25);
    const QImage image = bar.paint();
    EXPECT_EQ(image.pixelColor(70, 30), White);
    EXPECT_EQ(image.pixelColor(30, 30), Navy);
    EXPECT_EQ(image.pixelColor(70, 70), Navy);
    // Either side of the twelve o'clock radial, then of the three o'clock one.
    EXPECT_EQ(image.pixelColor(46, 20), Navy);
    EXPECT_EQ(image.pixelColor(54, 20), White);
    EXPECT_EQ(image.pixelColor(80, 46), White);
    EXPECT_EQ(image.pixelColor(80, 54), Navy);
}
