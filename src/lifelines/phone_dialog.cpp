#include "lifelines/phone_dialog.h"

#include "controls/game_fonts.h"
#include "controls/grad_button.h"
#include "controls/qz_gradient.h"
#include "lifelines/alpha_panel.h"
#include "lifelines/lcd99.h"
#include "lifelines/phone_call.h"
#include "platform/game_timer.h"
#include "windows/centred_dialog.h"

#include <QKeyEvent>
#include <QLabel>

using namespace game_fonts;

namespace {

const QColor PromptColour(0x00, 0xFF, 0x00);
const QColor ReplyColour(0x00, 0xFF, 0xFF);
constexpr int PromptLeft = 88;
constexpr int ReplyLeft = 70;
constexpr int TopMargin = 8;

// The game's texts break their lines with a carriage return.
QString withLineBreaks(QString text) { return text.replace(u'\r', u'\n'); }

} // namespace

PhoneDialog::PhoneDialog(QWidget* parent)
    // The close button is the only one: X11 window managers give a window
    // without any every button. Closing the dialog hangs up.
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint |
                          Qt::WindowCloseButtonHint | Qt::WindowStaysOnTopHint)
{
    setWindowTitle(QStringLiteral("Звонок другу!"));
    setFixedSize(365, 118);
    QFont dialogFont = font();
    dialogFont.setPointSize(13);
    setFont(dialogFont);
    m_background = new TQzGradient(this);

    friendPicture = new QLabel(this);
    friendPicture->setObjectName(QStringLiteral("friendPicture"));
    friendPicture->move(8, TopMargin);
    friendPicture->setCursor(Qt::CrossCursor);

    prompt = new QLabel(this);
    prompt->setObjectName(QStringLiteral("prompt"));
    prompt->setFont(pixelFont(SansSerif, 16, true));
    prompt->setAttribute(Qt::WA_TranslucentBackground);

    keypad = new TAlphaPanel(this);
    keypad->setObjectName(QStringLiteral("keypad"));
    keypad->setGeometry(27, TopMargin, 55, 72);
    keypad->setColor(QColor(0x80, 0x00, 0x00));
    keypad->setBevelInner(TPanelBevel::bvLowered);
    keypad->setButtonFont(pixelFont(SansSerif, 13));
    keypad->setCatchButtons(false);
    keypad->setAlphaButtons({QStringLiteral("123"), QStringLiteral("456"), QStringLiteral("789"),
                             QStringLiteral("*0#")});
    connect(keypad, &TAlphaPanel::valueChange, this, &PhoneDialog::dial);

    numberDisplay = new TLCD99(this);
    numberDisplay->setObjectName(QStringLiteral("numberDisplay"));
    numberDisplay->setGeometry(11, 85, 93, 21);
    numberDisplay->setColor(Qt::black);
    numberDisplay->setDigitNum(6);
    numberDisplay->setDigitSpacing(1);
    numberDisplay->setGapX(1);
    numberDisplay->setGapY(1);
    numberDisplay->setOnColor(QColor(0xFF, 0x00, 0x00));

    hangUpButton = new TGradButton(this);
    hangUpButton->setObjectName(QStringLiteral("hangUpButton"));
    hangUpButton->setGeometry(283, 79, 73, 30);
    hangUpButton->setCaption(QString::number(CallSeconds));
    hangUpButton->setFont(pixelFont(SansSerif, 11));
    hangUpButton->setFontColor(Qt::white);
    hangUpButton->setGradColor(QColor(0xFF, 0x00, 0x00));
    connect(hangUpButton, &TGradButton::clicked, this, &PhoneDialog::hangUp);

    callCountdown = new GameTimer(1000, this);
    connect(callCountdown, &GameTimer::tick, this, &PhoneDialog::countdownTick);
    connect(this, &QDialog::finished, callCountdown, [this] { callCountdown->setEnabled(false); });
}

void PhoneDialog::setUpCall(const QPixmap& picture, const QString& number, const QString& reply)
{
    m_reply = reply;
    friendPicture->setPixmap(picture);
    friendPicture->adjustSize();
    friendPicture->hide();
    showPrompt(QStringLiteral("Наберите номер телефона: \r\r") + number, PromptLeft, PromptColour);
    keypad->show();
    numberDisplay->show();
    numberDisplay->setValue(QStringLiteral("."));
}

void PhoneDialog::call()
{
    execCentred(*this);
}

void PhoneDialog::showEvent(QShowEvent* event)
{
    // Each call has its thirty seconds from the moment the dialog opens.
    m_countdown = CallSeconds;
    hangUpButton->setCaption(QString::number(m_countdown));
    callCountdown->setEnabled(true);
    keypad->setFocus();
    QDialog::showEvent(event);
}

void PhoneDialog::keyPressEvent(QKeyEvent* event)
{
    // Escape hangs up, as the button does; the digits go to the keypad.
    if (event->key() == Qt::Key_Escape) {
        hangUp();
        return;
    }
    QDialog::keyPressEvent(event);
}

void PhoneDialog::dial()
{
    const QChar key = keypad->activeButton();
    if (key == u'*' || key == u'#')
        numberDisplay->setValue(QStringLiteral("."));
    else
        numberDisplay->setValue(numberDisplay->value() + key);
    // The last digits of the number shown: of a seven-digit one, the last six.
    if (numberDisplay->value() == prompt->text().right(DialledDigits))
        connectCall();
}

void PhoneDialog::connectCall()
{
    emit wave(QStringLiteral("zvonok"));
    keypad->hide();
    friendPicture->show();
    numberDisplay->hide();
    showPrompt(m_reply, ReplyLeft, ReplyColour);
}

void PhoneDialog::showPrompt(const QString& text, int left, const QColor& colour)
{
    prompt->setText(withLineBreaks(text));
    QPalette palette = prompt->palette();
    palette.setColor(QPalette::WindowText, colour);
    prompt->setPalette(palette);
    prompt->move(left, TopMargin);
    prompt->adjustSize();
}

void PhoneDialog::countdownTick()
{
    --m_countdown;
    hangUpButton->setCaption(QString::number(m_countdown));
    hangUpButton->repaint();
    if (m_countdown <= 0)
        hangUp();
}

void PhoneDialog::hangUp()
{
    callCountdown->setEnabled(false);
    done(QDialog::Accepted);
}
