// The call to a friend as the player makes it: the number dialled on the
// keypad with the mouse or the keyboard, the friend's reply, the countdown
// on the hang-up button.
#include "lifelines/phone_dialog.h"

#include "controls/grad_button.h"
#include "lifelines/alpha_panel.h"
#include "lifelines/lcd99.h"
#include "platform/game_timer.h"
#include "support/modal_answer.h"
#include "support/qt_printers.h"

#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QString Reply = QStringLiteral("Я думаю, \rчто правильный ответ:\r\"Нева\"!");

class PhoneDialogTest : public ::testing::Test {
protected:
    PhoneDialogTest()
    {
        QPixmap face(50, 50);
        face.fill(Qt::green);
        m_dialog.setUpCall(face, QStringLiteral("1121099"), Reply);
        m_dialog.show();
    }

    void press(const QString& keys)
    {
        for (QChar key : keys) {
            QAbstractButton* button = m_dialog.keypad->FindButton(key);
            ASSERT_NE(button, nullptr) << int(key.unicode());
            QTest::mouseClick(button, Qt::LeftButton);
        }
    }
    bool connected() const { return m_dialog.friendPicture->isVisible(); }
    QColor promptColour() const { return m_dialog.prompt->palette().color(QPalette::WindowText); }

    PhoneDialog m_dialog;
};

TEST_F(PhoneDialogTest, OpensWithTheNumberToDialTheKeypadAnEmptyDisplayAndThirtySeconds)
{
    EXPECT_EQ(m_dialog.windowTitle(), "Звонок другу!");
    EXPECT_EQ(m_dialog.size(), QSize(365, 118));
    EXPECT_EQ(m_dialog.keypad->geometry(), QRect(27, 8, 55, 72));
    EXPECT_EQ(m_dialog.numberDisplay->geometry(), QRect(11, 85, 93, 21));
    EXPECT_EQ(m_dialog.hangUpButton->geometry(), QRect(283, 79, 73, 30));
    EXPECT_EQ(m_dialog.hangUpButton->caption(), "30");
    EXPECT_EQ(m_dialog.prompt->text(), "Наберите номер телефона: \n\n1121099");
    EXPECT_EQ(m_dialog.prompt->pos(), QPoint(88, 8));
    EXPECT_EQ(promptColour(), QColor(0x00, 0xFF, 0x00));
    EXPECT_TRUE(m_dialog.keypad->isVisible());
    EXPECT_TRUE(m_dialog.numberDisplay->isVisible());
    EXPECT_EQ(m_dialog.numberDisplay->value(), "");
    EXPECT_FALSE(connected());
    EXPECT_TRUE(m_dialog.callCountdown->isEnabled());
    EXPECT_EQ(m_dialog.callCountdown->interval(), 1000);
}

TEST_F(PhoneDialogTest, DiallingTheLastSixDigitsConnectsToTheFriendAndHisReply)
{
    QSignalSpy sounds(&m_dialog, &PhoneDialog::wave);
    press(QStringLiteral("12109"));
    EXPECT_EQ(m_dialog.numberDisplay->value(), "12109");
    EXPECT_FALSE(connected());
    press(QStringLiteral("9"));
    EXPECT_TRUE(connected());
    EXPECT_FALSE(m_dialog.keypad->isVisible());
    EXPECT_FALSE(m_dialog.numberDisplay->isVisible());
    EXPECT_EQ(m_dialog.prompt->text(), "Я думаю, \nчто правильный ответ:\n\"Нева\"!");
    EXPECT_EQ(m_dialog.prompt->pos(), QPoint(70, 8));
    EXPECT_EQ(promptColour(), QColor(0x00, 0xFF, 0xFF));
    ASSERT_EQ(sounds.size(), 1);
    EXPECT_EQ(sounds.at(0).at(0).toString(), "zvonok");
    // The reply stays until the countdown ends.
    EXPECT_TRUE(m_dialog.isVisible());
}

TEST_F(PhoneDialogTest, AllSevenDigitsOfAPaddedNumberNeverConnect)
{
    press(QStringLiteral("1121099"));
    EXPECT_FALSE(connected());
    EXPECT_EQ(m_dialog.numberDisplay->value(), "1121099");
}

TEST_F(PhoneDialogTest, StarOrHashClearsTheDisplayToDialAgain)
{
    press(QStringLiteral("11"));
    EXPECT_EQ(m_dialog.numberDisplay->value(), "11");
    press(QStringLiteral("*"));
    EXPECT_EQ(m_dialog.numberDisplay->value(), "");
    press(QStringLiteral("7#121099"));
    EXPECT_TRUE(connected());
}

TEST_F(PhoneDialogTest, TheNumberCanBeTypedOnTheKeyboard)
{
    m_dialog.activateWindow();
    QTest::keyClicks(m_dialog.keypad, QStringLiteral("121099"));
    EXPECT_TRUE(connected());
}

TEST_F(PhoneDialogTest, TheCountdownClosesTheCallAfterThirtySecondsAlsoAfterTheReply)
{
    press(QStringLiteral("121099"));
    for (int second = 1; second < 30; ++second)
        m_dialog.countdownTick();
    EXPECT_EQ(m_dialog.hangUpButton->caption(), "1");
    EXPECT_TRUE(m_dialog.isVisible());
    m_dialog.countdownTick();
    EXPECT_EQ(m_dialog.hangUpButton->caption(), "0");
    EXPECT_FALSE(m_dialog.isVisible());
    EXPECT_FALSE(m_dialog.callCountdown->isEnabled());
}

TEST_F(PhoneDialogTest, TheHangUpButtonAndEscapeEndTheCallAtOnce)
{
    QTest::mouseClick(m_dialog.hangUpButton, Qt::LeftButton);
    EXPECT_FALSE(m_dialog.isVisible());
    m_dialog.show();
    QTest::keyClick(&m_dialog, Qt::Key_Escape);
    EXPECT_FALSE(m_dialog.isVisible());
}

TEST_F(PhoneDialogTest, TheNextCallIsSetUpAfreshWithItsOwnThirtySeconds)
{
    press(QStringLiteral("121099"));
    for (int second = 0; second < 12; ++second)
        m_dialog.countdownTick();
    m_dialog.hangUp();

    m_dialog.setUpCall(QPixmap(), QStringLiteral("332720"), QStringLiteral("Скорее всего, \r   ответ \"Обь\"!"));
    m_dialog.show();
    EXPECT_FALSE(connected());
    EXPECT_TRUE(m_dialog.keypad->isVisible());
    EXPECT_EQ(m_dialog.numberDisplay->value(), "");
    EXPECT_EQ(m_dialog.prompt->pos(), QPoint(88, 8));
    EXPECT_EQ(promptColour(), QColor(0x00, 0xFF, 0x00));
    EXPECT_EQ(m_dialog.hangUpButton->caption(), "30");
    press(QStringLiteral("332720"));
    EXPECT_TRUE(connected());
}

TEST(PhoneDialog, ACallIsModalCentredOnTheScreenAndEndsOnItsOwn)
{
    PhoneDialog dialog;
    dialog.setUpCall(QPixmap(), QStringLiteral("514126"), QStringLiteral("Зря ты мне позвонил,\r       Я ответа не знаю!"));
    QPoint centre;
    const ModalAnswer countdown(QStringLiteral("the phone call"), [&](QWidget& box) {
        centre = box.geometry().center();
        EXPECT_EQ(&box, &dialog);
        for (int second = 0; second < PhoneDialog::CallSeconds; ++second)
            dialog.countdownTick();
    });
    dialog.call();
    EXPECT_TRUE(countdown.answered());
    // Within the width of a window frame, which is the window system's.
    EXPECT_LE((centre - QGuiApplication::primaryScreen()->geometry().center()).manhattanLength(), 8);
}

} // namespace
