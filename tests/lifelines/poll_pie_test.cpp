#include "lifelines/poll_pie.h"

#include "controls/paint_counter.h"

#include <QImage>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

const QColor Red(0xFF, 0x00, 0x00);
const QColor Lime(0x00, 0xFF, 0x00);
const QColor Blue(0x00, 0x00, 0xFF);
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Aqua(0x00, 0xFF, 0xFF);
const QColor MarkFill(0xFF, 0xFF, 0xE1);
const QColor SliceColours[] = {Red, Lime, Blue, Yellow};
const QString Labels[] = {"A", "B", "C", "D"};

// The chart inside the poll's panel, with a slice for each value in the
// game's order of answers.
std::unique_ptr<PollPie> pollPie(const std::vector<int>& values, QSize size = {264, 214}) {
    auto pie = std::make_unique<PollPie>();
    pie->resize(size);
    for (std::size_t i = 0; i < values.size(); ++i) {
        pie->addSlice(Labels[i], values[i], SliceColours[i]);
    }
    return pie;
}

QImage picture(PollPie& pie) {
    return pie.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

int pixelsOf(const QImage& image, const QColor& colour) {
    int count = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            count += image.pixelColor(x, y) == colour;
        }
    }
    return count;
}

// The rows and columns where a colour appears.
QRect extentOf(const QImage& image, const QColor& colour) {
    QRect extent;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (image.pixelColor(x, y) == colour) {
                extent |= QRect(x, y, 1, 1);
            }
        }
    }
    return extent;
}

// Whether a pixel is the colour at a lower light: the same hue, darker.
bool isShadeOf(const QColor& pixel, const QColor& colour) {
    const int lit = std::max({pixel.red(), pixel.green(), pixel.blue()});
    const auto channel = [lit](int shade, int full) {
        return full == 0 ? shade == 0 : std::abs(shade - lit) <= 1;
    };
    return lit > 0 && lit < 0xFF && channel(pixel.red(), colour.red()) &&
           channel(pixel.green(), colour.green()) && channel(pixel.blue(), colour.blue());
}

// The pixels in a column of the picture, below the lowest of a slice's
// colour, that are a shade of it: the slice's wall.
int wallBelow(const QImage& image, int x, const QColor& colour) {
    int lowest = -1;
    for (int y = 0; y < image.height(); ++y) {
        if (image.pixelColor(x, y) == colour) {
            lowest = y;
        }
    }
    int wall = 0;
    for (int y = lowest + 1; lowest >= 0 && y < image.height(); ++y) {
        wall += isShadeOf(image.pixelColor(x, y), colour);
    }
    return wall;
}

} // namespace

// The exact slice colours fill the inside of each slice; only the outline,
// one or two pixels along each slice's two radii and its arc, is blended.
// For pies this size that is under a tenth of the smallest slice here, hence
// the tolerance.
TEST(PollPie, TopColoursShareThePieAsTheVotesAtAnySize) {
    for (const QSize size : {QSize(264, 214), QSize(528, 428)}) {
        const QImage image = picture(*pollPie({20, 10, 10, 10}, size));
        const double red = pixelsOf(image, Red);
        EXPECT_NEAR(red / pixelsOf(image, Lime), 2.0, 0.2) << size.width();
        EXPECT_NEAR(red / pixelsOf(image, Blue), 2.0, 0.2) << size.width();
        EXPECT_NEAR(red / pixelsOf(image, Yellow), 2.0, 0.2) << size.width();
        EXPECT_GT(red, size.width() * size.height() / 20);
    }
}

TEST(PollPie, TwoSlicesLeftByFiftyFiftyShowOnlyTheirColoursTwoToOne) {
    const QImage image = picture(*pollPie({20, 10}));
    EXPECT_NEAR(static_cast<double>(pixelsOf(image, Red)) / pixelsOf(image, Lime), 2.0, 0.2);
    EXPECT_EQ(pixelsOf(image, Blue), 0);
    EXPECT_EQ(pixelsOf(image, Yellow), 0);
}

TEST(PollPie, SliceWithoutVotesHasNoAreaButStillItsMark) {
    const QImage withZero = picture(*pollPie({25, 15, 10, 0}));
    const QImage without = picture(*pollPie({25, 15, 10}));
    EXPECT_EQ(pixelsOf(withZero, Yellow), 0);
    // The mark of the empty slice, "D 0 %", is one more pale box.
    EXPECT_GT(pixelsOf(withZero, MarkFill), pixelsOf(without, MarkFill) + 150);
}

TEST(PollPie, WallBelowTheFrontSlicesIsADarkerShadeOfEach) {
    // Four equal slices: at rotation 0 the last one lies front right; half a
    // turn on the first two lie in front, left and right.
    const auto pie = pollPie({10, 10, 10, 10});
    const QImage atStart = picture(*pie);
    QRect top;
    for (const QColor& colour : SliceColours) {
        top |= extentOf(atStart, colour);
    }
    const int frontLeft = top.center().x() - top.width() / 4;
    const int frontRight = top.center().x() + top.width() / 4;
    EXPECT_GT(wallBelow(atStart, frontRight, Yellow), 8);
    for (int turn = 0; turn < 36; ++turn) {
        pie->turn();
    }
    const QImage halfTurned = picture(*pie);
    EXPECT_GT(wallBelow(halfTurned, frontLeft, Red), 8);
    EXPECT_GT(wallBelow(halfTurned, frontRight, Lime), 8);
}

TEST(PollPie, TitleIsAquaCentredAboveThePie) {
    const QImage image = picture(*pollPie({20, 10, 10, 10}));
    const QRect title = extentOf(image, Aqua);
    ASSERT_GT(pixelsOf(image, Aqua), 100);
    EXPECT_NEAR(title.center().x(), image.width() / 2, 2);
    EXPECT_LT(title.top(), 10);
    for (const QColor& colour : SliceColours) {
        EXPECT_LT(title.bottom(), extentOf(image, colour).top());
    }
}

TEST(PollPie, EachTurnMovesThePieAnd72TurnsBringBackTheSamePicture) {
    const auto pie = pollPie({20, 13, 17, 0});
    const QImage start = picture(*pie);
    pie->turn();
    EXPECT_EQ(pie->rotation(), 5);
    EXPECT_NE(picture(*pie), start);
    for (int turn = 1; turn < 72; ++turn) {
        pie->turn();
    }
    EXPECT_EQ(pie->rotation(), 0);
    EXPECT_EQ(picture(*pie), start);
}

TEST(PollPie, KeepsItsAngleWhenTheSlicesAreAddedAnew) {
    const auto pie = pollPie({20, 10, 10, 10});
    const auto kept = pollPie({25, 25});
    for (int turn = 0; turn < 3; ++turn) {
        pie->turn();
        kept->turn();
    }
    pie->clear();
    pie->addSlice("A", 25, Red);
    pie->addSlice("B", 25, Lime);
    EXPECT_EQ(pie->rotation(), 15);
    EXPECT_EQ(picture(*pie), picture(*kept));
}

TEST(PollPie, TurnRepaintsTheChartAtOnceAndNothingAroundIt) {
    QWidget window;
    window.resize(600, 400);
    QWidget panel(&window);
    panel.setGeometry(166, 55, 268, 218);
    PollPie* pie = new PollPie(&panel);
    pie->setGeometry(2, 2, 264, 214);
    pie->addSlice("A", 20, Red);
    pie->addSlice("B", 30, Lime);
    QWidget sibling(&window);
    sibling.setGeometry(10, 300, 100, 50);
    window.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&window));
    QCoreApplication::processEvents();

    const PaintCounter piePaints(pie);
    const PaintCounter panelPaints(&panel);
    const PaintCounter windowPaints(&window);
    const PaintCounter siblingPaints(&sibling);
    pie->turn();
    EXPECT_EQ(piePaints.count(), 1);
    QCoreApplication::processEvents();
    EXPECT_EQ(piePaints.count(), 1);
    EXPECT_EQ(panelPaints.count(), 0);
    EXPECT_EQ(windowPaints.count(), 0);
    EXPECT_EQ(siblingPaints.count(), 0);
}
