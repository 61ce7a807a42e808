#include "lifelines/alpha_panel.h"

#include "controls/game_fonts.h"

#include <QAbstractButton>
#include <QImage>
#include <QKeyEvent>
#include <QTest>

#include <gtest/gtest.h>

#include <memory>

namespace {

const QColor White(0xFF, 0xFF, 0xFF);
const QColor Grey(0x80, 0x80, 0x80);
const QColor Face(0xC0, 0xC0, 0xC0);
const QColor Maroon(0x80, 0x00, 0x00);

const QStringList PhoneRows{"123", "456", "789", "*0#"};

// The phone dialog's keypad.
std::unique_ptr<TAlphaPanel> phoneKeypad(QWidget* parent = nullptr) {
    auto panel = std::make_unique<TAlphaPanel>(parent);
    panel->resize(55, 72);
    panel->setColor(Maroon);
    panel->setBevelInner(TPanelBevel::bvLowered);
    panel->setButtonFont(game_fonts::pixelFont(game_fonts::SansSerif, 13));
    panel->setAlphaButtons(PhoneRows);
    return panel;
}

// ActiveButton at every valueChange() of the panel.
struct ValueChanges {
    explicit ValueChanges(TAlphaPanel& panel) {
        QObject::connect(&panel, &TAlphaPanel::valueChange, &panel,
                         [this, &panel] { seen.push_back(panel.activeButton()); });
    }
    std::vector<QChar> seen;
};

void press(TAlphaPanel& panel, char key) {
    QAbstractButton* button = panel.FindButton(QLatin1Char(key));
    ASSERT_NE(button, nullptr) << key;
    QTest::mouseClick(button, Qt::LeftButton);
}

bool isDown(const TAlphaPanel& panel, char key) {
    return panel.FindButton(QLatin1Char(key))->isChecked();
}

QList<QAbstractButton*> keys(const TAlphaPanel& panel) {
    return panel.findChildren<QAbstractButton*>();
}

} // namespace

TEST(TAlphaPanel, NewPanelIsAnEmptyStrip448By22) {
    TAlphaPanel panel;
    EXPECT_EQ(panel.size(), QSize(448, 22));
    EXPECT_TRUE(keys(panel).isEmpty());
    EXPECT_TRUE(panel.activeButton().isNull());
    EXPECT_EQ(panel.buttonWidth(), 18);
    EXPECT_EQ(panel.buttonHeight(), 18);
    EXPECT_EQ(panel.buttonXSpacing(), -1);
    EXPECT_EQ(panel.buttonYSpacing(), -1);
    EXPECT_EQ(panel.blankXSize(), 9);
    EXPECT_EQ(panel.blankYSize(), 9);
    EXPECT_FALSE(panel.catchButtons());
    EXPECT_FALSE(panel.allowAllUp());
}

// Each key shows its white upper-left edge at its place; the last column's
// grey right edge closes the grid inside the panel's bevels.
TEST(TAlphaPanel, PhoneKeypadShowsTwelveKeysInItsFiftyFiveBySeventyTwoPanel) {
    const auto panel = phoneKeypad();
    ASSERT_EQ(keys(*panel).size(), 12);
    const QImage image = panel->grab().toImage();
    const int lefts[] = {2, 19, 36};
    const int tops[] = {2, 19, 36, 53};
    for (int row = 0; row < 4; ++row) {
        for (int column = 0; column < 3; ++column) {
            const QChar character = PhoneRows[row][column];
            const QAbstractButton* key = panel->FindButton(character);
            ASSERT_NE(key, nullptr);
            EXPECT_EQ(key->geometry(), QRect(lefts[column], tops[row], 18, 18)) << row << column;
            EXPECT_EQ(key->property("Tag").toInt(), character.unicode());
            EXPECT_EQ(key->text(), QString(character));
            EXPECT_EQ(image.pixelColor(lefts[column], tops[row] + 9), White) << row << column;
            EXPECT_EQ(image.pixelColor(lefts[column] + 9, tops[row]), White) << row << column;
            EXPECT_EQ(image.pixelColor(lefts[column] + 4, tops[row] + 3), Face) << row << column;
        }
    }
    EXPECT_EQ(image.pixelColor(53, 30), Grey);
    EXPECT_EQ(image.pixelColor(30, 70), Grey);
    EXPECT_EQ(image.pixelColor(0, 30), White); // outer bevel, raised
    EXPECT_EQ(image.pixelColor(1, 30), Grey);  // inner bevel, lowered
    EXPECT_EQ(image.pixelColor(54, 30), Grey);
    EXPECT_EQ(image.pixelColor(30, 71), Grey);
    for (const QAbstractButton* key : keys(*panel)) {
        EXPECT_EQ(key->font().pixelSize(), 13);
        EXPECT_EQ(key->focusPolicy(), Qt::NoFocus);
    }
}

TEST(TAlphaPanel, GapsOfSpacesAndEmptyRowsShowThePanelColour) {
    TAlphaPanel panel;
    panel.resize(60, 60);
    panel.setColor(Maroon);
    panel.setAlphaButtons({"1 2", "", "3"});
    const QImage image = panel.grab().toImage();
    EXPECT_EQ(panel.FindButton('2')->geometry().topLeft(), QPoint(28, 2));
    EXPECT_EQ(image.pixelColor(24, 8), Maroon);
    EXPECT_EQ(image.pixelColor(28, 8), White);
    // The empty row: 2 + 18 - 1, then 9 - 1 more.
    EXPECT_EQ(panel.FindButton('3')->geometry().topLeft(), QPoint(2, 27));
    EXPECT_EQ(image.pixelColor(8, 23), Maroon);
    EXPECT_EQ(image.pixelColor(8, 27), White);
}

TEST(TAlphaPanel, PressingTheSameKeyTwiceReportsItTwice) {
    const auto panel = phoneKeypad();
    ValueChanges changes(*panel);
    press(*panel, '5');
    press(*panel, '5');
    EXPECT_EQ(changes.seen, (std::vector<QChar>{'5', '5'}));
    EXPECT_FALSE(isDown(*panel, '5'));
}

TEST(TAlphaPanel, CaughtKeyStaysDownUntilAnotherIsPressed) {
    const auto panel = phoneKeypad();
    panel->setCatchButtons(true);
    ValueChanges changes(*panel);
    press(*panel, '5');
    press(*panel, '5');
    EXPECT_TRUE(isDown(*panel, '5'));
    press(*panel, '7');
    EXPECT_TRUE(isDown(*panel, '7'));
    EXPECT_FALSE(isDown(*panel, '5'));
    EXPECT_EQ(changes.seen, (std::vector<QChar>{'5', '5', '7'}));
    // A key that is down looks sunk: grey above and left.
    const QImage image = panel->grab().toImage();
    EXPECT_EQ(image.pixelColor(2, 45), Grey);
    EXPECT_EQ(image.pixelColor(19, 28), White);
}

TEST(TAlphaPanel, WithAllowAllUpASecondPressReleasesTheKey) {
    const auto panel = phoneKeypad();
    panel->setCatchButtons(true);
    panel->setAllowAllUp(true);
    ValueChanges changes(*panel);
    press(*panel, '5');
    press(*panel, '5');
    EXPECT_FALSE(isDown(*panel, '5'));
    EXPECT_EQ(changes.seen, (std::vector<QChar>{'5', QChar()}));
}

TEST(TAlphaPanel, AssigningActiveButtonPutsItsKeyDownOnlyWhenCaught) {
    const auto panel = phoneKeypad();
    ValueChanges changes(*panel);
    panel->setActiveButton('3');
    EXPECT_FALSE(isDown(*panel, '3'));
    panel->setCatchButtons(true);
    EXPECT_TRUE(isDown(*panel, '3'));
    panel->setActiveButton('9');
    EXPECT_TRUE(isDown(*panel, '9'));
    EXPECT_FALSE(isDown(*panel, '3'));
    panel->setActiveButton(QChar());
    EXPECT_FALSE(isDown(*panel, '9'));
    // A character without a key is only recorded; every assignment reports.
    panel->setActiveButton('X');
    EXPECT_EQ(panel->activeButton(), QLatin1Char('X'));
    EXPECT_EQ(changes.seen, (std::vector<QChar>{'3', '9', QChar(), 'X'}));
}

TEST(TAlphaPanel, NewGeometryRebuildsTheKeysAndKeepsTheCaughtOneDown) {
    const auto panel = phoneKeypad();
    panel->setCatchButtons(true);
    press(*panel, '2');
    panel->setButtonWidth(20);
    ASSERT_EQ(keys(*panel).size(), 12);
    EXPECT_EQ(panel->FindButton('2')->geometry(), QRect(21, 2, 20, 18));
    EXPECT_TRUE(isDown(*panel, '2'));
    EXPECT_EQ(panel->activeButton(), QLatin1Char('2'));
    panel->setButtonTopMargin(5);
    panel->setButtonYSpacing(3);
    EXPECT_EQ(panel->FindButton('5')->geometry().top(), 26);
}

TEST(TAlphaPanel, NewFontRestylesTheSameKeys) {
    const auto panel = phoneKeypad();
    const QAbstractButton* before = panel->FindButton('1');
    panel->setButtonFont(game_fonts::pixelFont(game_fonts::SansSerif, 20));
    EXPECT_EQ(panel->FindButton('1'), before);
    EXPECT_EQ(before->font().pixelSize(), 20);
}

TEST(TAlphaPanel, NewRowsReplaceTheKeysAndClearTheActiveButton) {
    const auto panel = phoneKeypad();
    press(*panel, '4');
    ValueChanges changes(*panel);
    panel->setAlphaButtons({});
    EXPECT_TRUE(keys(*panel).isEmpty());
    EXPECT_EQ(panel->FindButton('4'), nullptr);
    EXPECT_EQ(changes.seen, (std::vector<QChar>{QChar()}));
}

TEST(TAlphaPanel, DuplicateCharactersMakeKeysAndTheLastOneIsFound) {
    TAlphaPanel panel;
    panel.setAlphaButtons({"1&1"});
    ASSERT_EQ(keys(panel).size(), 3);
    EXPECT_EQ(panel.FindButton('1')->geometry().left(), 36);
    // The ampersand shows as itself, not as a mnemonic marker.
    EXPECT_EQ(panel.FindButton('&')->text(), QStringLiteral("&&"));
}

TEST(TAlphaPanel, KeyCanReplaceTheRowsFromItsOwnPress) {
    const auto panel = phoneKeypad();
    QObject::connect(panel.get(), &TAlphaPanel::valueChange, panel.get(), [&panel] {
        if (panel->activeButton() == QLatin1Char('#')) {
            panel->setAlphaButtons({"AB"});
        }
    });
    press(*panel, '#');
    ASSERT_EQ(keys(*panel).size(), 2);
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    EXPECT_NE(panel->FindButton('A'), nullptr);
}

// The phone dialog gives the keypad the focus; typed characters then press
// their keys as a click would, a held key presses once, and others pass on.
TEST(TAlphaPanel, TypedCharactersPressTheirKeysWhenThePanelHasTheFocus) {
    QWidget window;
    window.resize(100, 100);
    TAlphaPanel* panel = phoneKeypad(&window).release();
    window.show();
    window.activateWindow();
    ASSERT_TRUE(QTest::qWaitForWindowActive(&window));
    panel->setFocus();
    ASSERT_TRUE(panel->hasFocus());
    ValueChanges changes(*panel);
    QTest::keyClick(window.windowHandle(), '1');
    QTest::keyClick(window.windowHandle(), '*');
    QTest::keyClick(window.windowHandle(), 'a');
    QTest::keyClick(window.windowHandle(), '#');
    QKeyEvent held(QEvent::KeyPress, Qt::Key_0, Qt::NoModifier, QStringLiteral("0"), true);
    QCoreApplication::sendEvent(panel, &held);
    QTest::keyClick(window.windowHandle(), '0');
    EXPECT_EQ(changes.seen, (std::vector<QChar>{'1', '*', '#', '0'}));
}
