#include "controls/grad_button.h"

#include "paint_counter.h"

#include <QImage>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

#include <set>
#include <utility>

namespace {

const QColor Red(0xFF, 0x00, 0x00);
const QColor Green(0x00, 0xFF, 0x00);
const QColor Yellow(0xFF, 0xFF, 0x00);
const QColor Aqua(0x00, 0xFF, 0xFF);

QColor pixel(const QImage& image, int x, int y) {
    return image.pixelColor(x, y);
}

QImage paint(TGradButton& button) {
    return button.grab().toImage();
}

// An answer button as the main window has it: 390 x 30, yellow 17 px Courier New.
void makeAnswerButton(TGradButton& button, const QString& caption = {}) {
    button.resize(390, 30);
    QFont font(QStringLiteral("Courier New"));
    font.setPixelSize(17);
    button.setFont(font);
    button.setFontColor(Yellow);
    button.setCaption(caption);
}

// The pixels drawn in the given colour.
std::set<std::pair<int, int>> inked(const QImage& image, const QColor& color) {
    std::set<std::pair<int, int>> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (pixel(image, x, y) == color) {
                points.insert({x, y});
            }
        }
    }
    return points;
}

// The caption's pixels on a face without red: letters are smoothed at their
// edges, so every pixel with a strong share of the yellow counts.
std::set<std::pair<int, int>> captionInk(const QImage& image) {
    std::set<std::pair<int, int>> points;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            if (pixel(image, x, y).red() >= 128) {
                points.insert({x, y});
            }
        }
    }
    return points;
}

void moveMouse(QWidget& widget, QPoint to) {
    QMouseEvent move(QEvent::MouseMove, to, widget.mapToGlobal(to), Qt::NoButton, Qt::LeftButton,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(&widget, &move);
}

} // namespace

TEST(TGradButton, NewButtonIs100By30WithBlueToBlackFaceWhiteCaptionAndSingleBevel) {
    TGradButton button;
    EXPECT_EQ(button.size(), QSize(100, 30));
    EXPECT_EQ(button.caption(), QStringLiteral("TGradButton"));
    EXPECT_EQ(button.fontColor(), QColor(Qt::white));
    EXPECT_EQ(button.gradColor(), QColor(0, 0, 255));
    EXPECT_EQ(button.faceColor(), QColor(0, 0, 0));
    EXPECT_EQ(button.highlightColor(), QColor(255, 255, 255));
    EXPECT_EQ(button.shadowColor(), QColor(0, 0, 0));
    EXPECT_EQ(button.bevelWidth(), 1);
    EXPECT_EQ(button.borderWidth(), 1);
    EXPECT_EQ(button.gradientBitmap().size(), QSize(98, 28));
}

TEST(TGradButton, AnswerButtonFaceShowsBandFourOnTopAndBand251AtTheBottom) {
    TGradButton button;
    makeAnswerButton(button);
    paint(button);
    const QImage& face = button.gradientBitmap();
    ASSERT_EQ(face.size(), QSize(388, 28));
    EXPECT_EQ(pixel(face, 0, 0), QColor(0, 0, 251));
    EXPECT_EQ(pixel(face, 387, 27), QColor(0, 0, 4));
}

TEST(TGradButton, ScoreBoardFaceShowsBandOneOnTopAndBand254AtTheBottom) {
    TGradButton board;
    board.resize(786, 114);
    board.setGradColor(QColor(0x00, 0x80, 0x00));
    board.setHighlightColor(Red);
    paint(board);
    const QImage& face = board.gradientBitmap();
    ASSERT_EQ(face.size(), QSize(784, 112));
    EXPECT_EQ(pixel(face, 10, 0), QColor(0, 127, 0));
    EXPECT_EQ(pixel(face, 10, 111), QColor(0, 1, 0));
}

TEST(TGradButton, FaceLiesInsideABlackBorderAndUnderTheBevel) {
    TGradButton button;
    makeAnswerButton(button);
    button.setHighlightColor(Red);
    button.setShadowColor(Green);
    const QImage image = paint(button);
    EXPECT_EQ(pixel(image, 0, 0), QColor(Qt::black));
    EXPECT_EQ(pixel(image, 389, 29), QColor(Qt::black));
    EXPECT_EQ(pixel(image, 1, 1), Red);
    EXPECT_EQ(pixel(image, 1, 27), Red);
    EXPECT_EQ(pixel(image, 387, 1), Red);
    EXPECT_EQ(pixel(image, 388, 1), Green);
    EXPECT_EQ(pixel(image, 1, 28), Green);
    EXPECT_EQ(pixel(image, 388, 28), Green);
    // Face row 1 under widget row 2.
    EXPECT_EQ(pixel(image, 2, 2), pixel(button.gradientBitmap(), 1, 1));
}

TEST(TGradButton, WithoutBevelTheWholeFaceShowsAtTheBorderWidth) {
    TGradButton button;
    makeAnswerButton(button);
    button.setBevelWidth(0);
    button.setBorderWidth(3);
    const QImage image = paint(button);
    EXPECT_EQ(button.gradientBitmap().size(), QSize(384, 24));
    EXPECT_EQ(pixel(image, 2, 2), QColor(Qt::black));
    EXPECT_EQ(pixel(image, 3, 3), pixel(button.gradientBitmap(), 0, 0));
    EXPECT_EQ(pixel(image, 386, 26), pixel(button.gradientBitmap(), 383, 23));
}

TEST(TGradButton, ZeroBorderPutsTheFaceOnTheWholeButton) {
    TGradButton button;
    makeAnswerButton(button);
    button.setBorderWidth(0);
    button.setHighlightColor(Red);
    const QImage image = paint(button);
    EXPECT_EQ(button.gradientBitmap().size(), QSize(390, 30));
    EXPECT_EQ(pixel(image, 0, 0), Red);
    EXPECT_EQ(pixel(image, 5, 5), pixel(button.gradientBitmap(), 5, 5));
}

TEST(TGradButton, PressedButtonShiftsFaceAndCaptionByOnePixelAndSwapsTheBevel) {
    TGradButton button;
    makeAnswerButton(button, QStringLiteral("B"));
    button.setHighlightColor(Red);
    button.setShadowColor(Green);
    button.setFaceColor(QColor(0, 0, 64));
    button.show();
    const QImage normal = paint(button);
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(100, 15));
    ASSERT_TRUE(button.isPressed());
    const QImage pressed = paint(button);

    EXPECT_EQ(pixel(pressed, 1, 1), Green);
    EXPECT_EQ(pixel(pressed, 388, 28), QColor(0, 0, 64));
    EXPECT_EQ(pixel(pressed, 3, 3), pixel(button.gradientBitmap(), 1, 1));
    std::set<std::pair<int, int>> shifted;
    for (const auto& [x, y] : inked(normal, Yellow)) {
        shifted.insert({x + 1, y + 1});
    }
    EXPECT_FALSE(shifted.empty());
    EXPECT_EQ(inked(pressed, Yellow), shifted);
}

TEST(TGradButton, CaptionIsCentredInItsFontColourOverTheFace) {
    TGradButton button;
    makeAnswerButton(button, QStringLiteral("_____"));
    button.setBevelWidth(0);
    const QImage image = paint(button);
    const auto ink = captionInk(image);
    ASSERT_FALSE(ink.empty());
    const int left = ink.begin()->first;
    const int right = ink.rbegin()->first;
    EXPECT_LE(std::abs(left - (389 - right)), 2);
    // The middle row shows the face between the underscores, not a text background.
    EXPECT_EQ(pixel(image, 195, 15), pixel(button.gradientBitmap(), 194, 14));
}

TEST(TGradButton, CaptionWiderThanTheButtonRunsPastBothEdges) {
    TGradButton button;
    makeAnswerButton(button, QString(60, QLatin1Char('_')));
    button.setBevelWidth(0);
    const auto ink = captionInk(paint(button));
    ASSERT_FALSE(ink.empty());
    EXPECT_EQ(ink.begin()->first, 0);
    EXPECT_EQ(ink.rbegin()->first, 389);
}

TEST(TGradButton, AmpersandIsDrawnAsALetter) {
    TGradButton withAmpersand;
    makeAnswerButton(withAmpersand, QStringLiteral("&A"));
    withAmpersand.setBevelWidth(0);
    TGradButton plain;
    makeAnswerButton(plain, QStringLiteral("A"));
    plain.setBevelWidth(0);
    const auto ampersandInk = captionInk(paint(withAmpersand));
    const auto plainInk = captionInk(paint(plain));
    ASSERT_FALSE(plainInk.empty());
    const int ampersandWidth = ampersandInk.rbegin()->first - ampersandInk.begin()->first;
    const int plainWidth = plainInk.rbegin()->first - plainInk.begin()->first;
    EXPECT_GT(ampersandWidth, plainWidth + 5);
}

TEST(TGradButton, DisabledScoreBoardIsDrawnInItsFontColourWithTheNormalBevel) {
    TGradButton board;
    board.resize(786, 114);
    QFont font(QStringLiteral("Times New Roman"));
    font.setPixelSize(64);
    font.setBold(true);
    board.setFont(font);
    board.setFontColor(Aqua);
    board.setCaption(QStringLiteral("* 100 *"));
    board.setHighlightColor(Red);
    board.setEnabled(false);
    const QImage image = paint(board);
    EXPECT_GT(inked(image, Aqua).size(), 100u);
    EXPECT_EQ(pixel(image, 1, 1), Red);
}

TEST(TGradButton, ClickComesWhenReleasedOverTheButton) {
    TGradButton button;
    button.show();
    QSignalSpy clicks(&button, &TGradButton::clicked);
    QTest::mouseClick(&button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 15));
    EXPECT_EQ(clicks.count(), 1);
    EXPECT_FALSE(button.isPressed());
}

TEST(TGradButton, MovingOutReleasesTheFaceAndMovingBackPressesItAgain) {
    TGradButton button;
    button.show();
    QSignalSpy clicks(&button, &TGradButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 15));
    moveMouse(button, QPoint(100, 15));
    EXPECT_FALSE(button.isPressed());
    moveMouse(button, QPoint(99, 30)); // the bottom edge still counts as over
    EXPECT_TRUE(button.isPressed());
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(99, 29));
    EXPECT_FALSE(button.isPressed());
    EXPECT_EQ(clicks.count(), 1);
}

TEST(TGradButton, ReleaseOutsideGivesNoClick) {
    TGradButton button;
    button.show();
    QSignalSpy clicks(&button, &TGradButton::clicked);
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 15));
    moveMouse(button, QPoint(50, -1));
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(50, -1));
    EXPECT_EQ(clicks.count(), 0);
    EXPECT_FALSE(button.isPressed());
}

TEST(TGradButton, DisabledOrRightButtonTakesNoPress) {
    TGradButton button;
    button.show();
    QSignalSpy clicks(&button, &TGradButton::clicked);
    QTest::mouseClick(&button, Qt::RightButton, Qt::NoModifier, QPoint(50, 15));
    button.setEnabled(false);
    QTest::mousePress(&button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 15));
    EXPECT_FALSE(button.isPressed());
    QTest::mouseRelease(&button, Qt::LeftButton, Qt::NoModifier, QPoint(50, 15));
    EXPECT_EQ(clicks.count(), 0);
}

TEST(TGradButton, EqualValueNeitherRendersNorRedrawsAndANewOneRedrawsAtOnce) {
    TGradButton button;
    button.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&button));
    QCoreApplication::processEvents();
    const PaintCounter paints(&button);
    const struct {
        const char* name;
        QVariant changed;
        bool renders;
    } properties[] = {
        {"GradColor", Red, true},
        {"FaceColor", Green, true},
        {"HighlightColor", Green, false},
        {"ShadowColor", Red, false},
        // A new border changes the size of the face, so the redraw renders it.
        {"BevelWidth", 2, false},
        {"BorderWidth", 2, true},
        {"Caption", QStringLiteral("A"), false},
        {"FontColor", Yellow, false},
    };
    for (const auto& property : properties) {
        SCOPED_TRACE(property.name);
        const qint64 faceKey = button.gradientBitmap().cacheKey();
        const int before = paints.count();
        button.setProperty(property.name, button.property(property.name));
        EXPECT_EQ(paints.count(), before);
        EXPECT_EQ(button.gradientBitmap().cacheKey(), faceKey);
        button.setProperty(property.name, property.changed);
        EXPECT_EQ(paints.count(), before + 1);
        EXPECT_EQ(button.gradientBitmap().cacheKey() != faceKey, property.renders);
    }
}
