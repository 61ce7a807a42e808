#include "lifelines/lcd99.h"

#include "controls/paint_counter.h"
#include "support/fake_services.h"
#include "support/modal_answer.h"

#include <QAbstractButton>
#include <QElapsedTimer>
#include <QMessageBox>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor Red(0xFF, 0x00, 0x00);
const QColor Lime(0x00, 0xFF, 0x00);
const QColor Dim(0x40, 0x40, 0x40);
const QColor Black(0x00, 0x00, 0x00);

const int PhoneCellLefts[] = {2, 17, 32, 47, 62, 77};

// The phone dialog's number display: 93 x 21, six cells 13 wide, red.
void makePhoneDisplay(TLCD99& display) {
    display.resize(93, 21);
    display.setDigitNum(6);
    display.setDigitSpacing(1);
    display.setGapX(1);
    display.setGapY(1);
    display.setOnColor(Red);
}

// A pixel well inside each slot of the phone display's cell at `left`.
QPoint probe(int left, int slot) {
    switch (slot) {
    case 1:
        return {left + 6, 0};
    case 2:
        return {left, 5};
    case 3:
        return {left + 13, 5};
    case 4:
        return {left + 6, 10};
    case 5:
        return {left, 15};
    case 6:
        return {left + 13, 15};
    case 7:
        return {left + 6, 20};
    default:
        return {left + 6, 7}; // upper colon dot
    }
}

// The slots of a phone display's cell (1..6) lit in the picture.
std::vector<int> litSlots(const QImage& image, int cell) {
    std::vector<int> lit;
    for (int slot = 1; slot <= 8; ++slot) {
        if (image.pixelColor(probe(PhoneCellLefts[cell - 1], slot)) == Red) {
            lit.push_back(slot);
        }
    }
    return lit;
}

// The slots of all six cells, as the player sees them.
std::vector<std::vector<int>> shown(TLCD99& display) {
    const QImage image = display.grab().toImage();
    std::vector<std::vector<int>> cells;
    for (int cell = 1; cell <= 6; ++cell) {
        cells.push_back(litSlots(image, cell));
    }
    return cells;
}

const std::vector<int> Blank{};
const std::vector<int> One{3, 6};
const std::vector<int> Two{1, 3, 4, 5, 7};
const std::vector<int> Three{1, 3, 4, 6, 7};
const std::vector<int> Four{2, 3, 4, 6};
const std::vector<int> Five{1, 2, 4, 6, 7};
const std::vector<int> Six{1, 2, 4, 5, 6, 7};
const std::vector<int> Eight{1, 2, 3, 4, 5, 6, 7};

// The default display, four cells with points 3 pixels square, with unlit
// segments in grey so that they stand out from the background.
struct PointDisplay {
    TLCD99 display;
    PointDisplay() { display.setOffColor(Dim); }

    // The colour of the point in the gap before cell 1..4.
    QColor point(int cell) { return display.grab().toImage().pixelColor((cell - 1) * 22 + 3, 31); }
};

// Records, at every paint of a shown display, the lit slots of one cell.
class StepRecorder : public QObject {
public:
    StepRecorder(TLCD99& display, int cell)
        : m_display(display)
        , m_cell(cell) {
        display.installEventFilter(this);
    }

    std::vector<std::vector<int>> steps;

protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            steps.push_back(litSlots(m_display.picture(), m_cell));
        }
        return false;
    }

private:
    TLCD99& m_display;
    int m_cell;
};

void showAndSettle(QWidget& widget) {
    widget.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&widget));
    QCoreApplication::processEvents();
}

} // namespace

TEST(TLCD99, NewDisplayIsFourBlankCellsOf92By34) {
    TLCD99 display;
    EXPECT_EQ(display.size(), QSize(92, 34));
    EXPECT_EQ(display.digitNum(), 4);
    EXPECT_EQ(display.digitSpacing(), 5);
    EXPECT_EQ(display.gapX(), 2);
    EXPECT_EQ(display.gapY(), 2);
    EXPECT_EQ(display.segmentSize(), 2);
    EXPECT_EQ(display.onColor(), Lime);
    EXPECT_EQ(display.offColor(), Black);
    EXPECT_EQ(display.color(), Black);
    EXPECT_EQ(display.animation(), TLCDAnimation::anNone);
    EXPECT_EQ(display.animationDelay(), 0);
    EXPECT_TRUE(display.value().isEmpty());
    const QImage image = display.grab().toImage();
    EXPECT_EQ(image.pixelColor(0, 0), Black);
    EXPECT_EQ(image.pixelColor(91, 33), Black);
}

// Cells 13 wide at 2, 17, .. 77; top and bottom segments 11 long from one
// pixel in, side segments 8 long from one pixel down, the middle on line 10.
TEST(TLCD99, PhoneDisplayDrawsEachSegmentAlongItsCellEdge) {
    TLCD99 display;
    makePhoneDisplay(display);
    display.setValue("888888");
    const QImage image = display.grab().toImage();
    for (const int left : PhoneCellLefts) {
        for (const int y : {0, 10, 20}) {
            EXPECT_EQ(image.pixelColor(left, y), Black) << left << ", " << y;
            EXPECT_EQ(image.pixelColor(left + 1, y), Red) << left << ", " << y;
            EXPECT_EQ(image.pixelColor(left + 12, y), Red) << left << ", " << y;
            EXPECT_EQ(image.pixelColor(left + 13, y), Black) << left << ", " << y;
        }
        for (const int x : {left, left + 13}) {
            EXPECT_EQ(image.pixelColor(x, 1), Red) << x;
            EXPECT_EQ(image.pixelColor(x, 9), Red) << x;
            EXPECT_EQ(image.pixelColor(x, 11), Red) << x;
            EXPECT_EQ(image.pixelColor(x, 19), Red) << x;
        }
        EXPECT_EQ(image.pixelColor(left - 1, 5), Black) << left;
        EXPECT_EQ(image.pixelColor(left + 6, 5), Black) << left;
    }
    EXPECT_EQ(shown(display), std::vector<std::vector<int>>(6, Eight));
}

TEST(TLCD99, ShortValueIsRightAlignedAndLongOneCut) {
    TLCD99 display;
    makePhoneDisplay(display);
    display.setValue("12");
    EXPECT_EQ(shown(display),
              (std::vector<std::vector<int>>{Blank, Blank, Blank, Blank, One, Two}));
    display.setValue("1234567");
    EXPECT_EQ(display.value(), "1234567");
    EXPECT_EQ(shown(display), (std::vector<std::vector<int>>{One, Two, Three, Four, Five, Six}));
    display.setValue(QString(40, QLatin1Char('8')) + "1");
    EXPECT_EQ(shown(display), std::vector<std::vector<int>>(6, Eight));
}

TEST(TLCD99, LettersColonAndDashShowTheirPatterns) {
    TLCD99 display;
    makePhoneDisplay(display);
    display.setValue("ab:-");
    EXPECT_EQ(display.value(), "AB:-");
    EXPECT_EQ(shown(display), (std::vector<std::vector<int>>{
                                  Blank, Blank, {1, 2, 3, 4, 5, 6}, {2, 4, 5, 6, 7}, {8}, {4}}));
}

TEST(TLCD99, ValueWithAForeignCharacterBlanksTheDisplay) {
    TLCD99 display;
    makePhoneDisplay(display);
    display.setValue("12");
    display.setValue("12,3");
    EXPECT_TRUE(display.value().isEmpty());
    EXPECT_EQ(shown(display), std::vector<std::vector<int>>(6, Blank));
}

TEST(TLCD99, PointLightsTheGapBeforeTheCellAfterIt) {
    PointDisplay lcd;
    lcd.display.setValue("12.5");
    EXPECT_EQ(lcd.point(3), Dim);
    EXPECT_EQ(lcd.point(4), Lime);
    lcd.display.setValue("12.");
    EXPECT_EQ(lcd.display.value(), "12");
    EXPECT_EQ(lcd.point(4), Dim);
}

TEST(TLCD99, PointsInARowLightTheGapsAroundABlankCell) {
    PointDisplay lcd;
    lcd.display.setValue("1..2");
    EXPECT_EQ(lcd.point(2), Dim);
    EXPECT_EQ(lcd.point(3), Lime);
    EXPECT_EQ(lcd.point(4), Lime);
    const QImage image = lcd.display.grab().toImage();
    // Cells at 28, 50 and 72: 1, blank, 2 (right edge, lower right, top).
    EXPECT_EQ(image.pixelColor(44, 25), Lime);
    EXPECT_EQ(image.pixelColor(66, 25), Dim);
    EXPECT_EQ(image.pixelColor(80, 0), Lime);
}

TEST(TLCD99, OnlyPointsLightOnlyGaps) {
    PointDisplay lcd;
    lcd.display.setValue("...");
    EXPECT_EQ(lcd.display.value(), "..");
    EXPECT_EQ(lcd.point(2), Dim);
    EXPECT_EQ(lcd.point(3), Lime);
    EXPECT_EQ(lcd.point(4), Lime);
    EXPECT_EQ(lcd.display.grab().toImage().pixelColor(80, 0), Dim);
}

TEST(TLCD99, NewColoursAndSizesRedrawTheValue) {
    TLCD99 display;
    makePhoneDisplay(display);
    display.setValue("1");
    display.setOnColor(Lime);
    EXPECT_EQ(display.grab().toImage().pixelColor(90, 5), Lime);
    display.setColor(Dim);
    EXPECT_EQ(display.grab().toImage().pixelColor(0, 0), Dim);
    display.setDigitNum(1);
    // One cell over the whole width: (92 - 2) div 1 = 90 wide from 2.
    EXPECT_EQ(display.grab().toImage().pixelColor(92, 5), Lime);
    display.resize(200, 21);
    EXPECT_EQ(display.grab().toImage().pixelColor(199, 5), Lime);
}

TEST(TLCD99, NoCellsOrNoRoomDrawOnlyTheBackground) {
    TLCD99 display;
    display.setValue("88");
    display.setDigitNum(0);
    EXPECT_EQ(display.grab().toImage().pixelColor(80, 5), Black);
    display.setDigitNum(-3);
    display.setDigitNum(1000000000);
    display.resize(0, 0);
    display.resize(3, 3);
    display.setDigitSpacing(1000000000);
    EXPECT_EQ(display.value(), "88");
}

TEST(TLCD99, ValueAlreadyShownIsNotRedrawn) {
    TLCD99 display;
    makePhoneDisplay(display);
    showAndSettle(display);
    const PaintCounter paints(&display);
    display.setValue("12");
    EXPECT_EQ(paints.count(), 1);
    display.setValue("12");
    display.setValue("12.");
    display.setOnColor(Red);
    EXPECT_EQ(paints.count(), 1);
    display.setValue(".");
    EXPECT_EQ(paints.count(), 2);
    display.setValue("");
    EXPECT_EQ(paints.count(), 2);
}

// Each step draws one slot of the changing cells, in the animation's order,
// and the change is complete within its time budget.
TEST(TLCD99, AnimationDrawsTheSlotsOfChangedCellsInItsOrderWithinTheBudget) {
    ScriptedRandom random;
    random.draws = {0, 1};
    TLCD99 display(nullptr, &random);
    makePhoneDisplay(display);
    display.setAnimation(TLCDAnimation::anRandom);
    const int budget = 7 * 30;
    display.setAnimationDelay(budget);
    showAndSettle(display);
    StepRecorder recorder(display, 6);

    QElapsedTimer clock;
    clock.start();
    display.setValue("8");
    ASSERT_EQ(recorder.steps.size(), 1u); // the first step at once
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.steps.size() == 8; }, 5000));
    const qint64 spent = clock.elapsed();
    EXPECT_GE(spent, budget - 30);
    EXPECT_LE(spent, budget + 500);
    // Spiral: colon, middle, upper left, top, upper right, lower right,
    // bottom, lower left.
    EXPECT_EQ(
        recorder.steps,
        (std::vector<std::vector<int>>{
            {}, {4}, {2, 4}, {1, 2, 4}, {1, 2, 3, 4}, {1, 2, 3, 4, 6}, {1, 2, 3, 4, 6, 7}, Eight}));

    recorder.steps.clear();
    display.setValue("1");
    ASSERT_TRUE(QTest::qWaitFor([&] { return recorder.steps.size() == 8; }, 5000));
    // Up: bottom, lower right, lower left, colon, middle, upper right, upper
    // left, top.
    EXPECT_EQ(recorder.steps, (std::vector<std::vector<int>>{{1, 2, 3, 4, 5, 6},
                                                             {1, 2, 3, 4, 5, 6},
                                                             {1, 2, 3, 4, 6},
                                                             {1, 2, 3, 4, 6},
                                                             {1, 2, 3, 6},
                                                             {1, 2, 3, 6},
                                                             {1, 3, 6},
                                                             One}));
    EXPECT_EQ(random.ranges, (std::vector<int>{5, 5}));
    QTest::qWait(60);
    EXPECT_EQ(recorder.steps.size(), 8u);
}

// A changed cell turns from its old character into the new one; an
// unchanged cell stands whole from the start.
TEST(TLCD99, ChangeStartsFromTheOldPicture) {
    TLCD99 display;
    makePhoneDisplay(display);
    display.setValue("18");
    display.setAnimation(TLCDAnimation::anDown);
    display.setAnimationDelay(7000);
    display.setValue("88");
    EXPECT_EQ(shown(display),
              (std::vector<std::vector<int>>{Blank, Blank, Blank, Blank, {1, 3, 6}, Eight}));
}

TEST(TLCD99, NewValueDuringAChangeCompletesItFirst) {
    TLCD99 display;
    makePhoneDisplay(display);
    display.setAnimation(TLCDAnimation::anDown);
    display.setAnimationDelay(7000);
    display.setValue("88");
    EXPECT_EQ(shown(display),
              (std::vector<std::vector<int>>{Blank, Blank, Blank, Blank, {1}, {1}}));
    display.setValue("81");
    // Down starts with the top, which 1 does not light.
    EXPECT_EQ(shown(display), (std::vector<std::vector<int>>{
                                  Blank, Blank, Blank, Blank, Eight, {2, 3, 4, 5, 6, 7}}));
}

TEST(TLCD99, AboutBoxNamesTheDisplayAndItsMakers) {
    TLCD99 display;
    QString text;
    const ModalAnswer ok(QStringLiteral("the about box"), [&](QWidget& modal) {
        auto& box = dynamic_cast<QMessageBox&>(modal);
        text = box.text();
        box.button(QMessageBox::Ok)->click();
    });
    display.setAbout(TLCDAbout::abAbout);
    EXPECT_TRUE(ok.answered());
    EXPECT_TRUE(text.contains("TLCD99 1.0"));
    EXPECT_TRUE(text.contains("Zambrel!"));
    EXPECT_EQ(display.about(), TLCDAbout::abNone);
}
