// The call to a friend: the number to dial on the keypad and its display,
// then, once the number is dialled, the friend's picture and his reply. The
// countdown on the hang-up button ends the call after thirty seconds in any
// case; a click on it hangs up at once.
#pragma once

#include <QDialog>
#include <QString>

class GameTimer;
class QLabel;
class TAlphaPanel;
class TGradButton;
class TLCD99;
class TQzGradient;

class PhoneDialog : public QDialog {
    Q_OBJECT
public:
    static constexpr int CallSeconds = 30;

    explicit PhoneDialog(QWidget* parent = nullptr);

    // Everything one call shows is set up afresh for it.
    void setUpCall(const QPixmap& friendPicture, const QString& number, const QString& reply);
    // Rings through until the player hangs up or the countdown ends.
    void call();

    // The dialog's handlers: a key of the keypad, the countdown's second,
    // the hang-up button.
    void dial();
    void countdownTick();
    void hangUp();

    QLabel* friendPicture = nullptr;
    QLabel* prompt = nullptr;
    TAlphaPanel* keypad = nullptr;
    TLCD99* numberDisplay = nullptr;
    TGradButton* hangUpButton = nullptr;
    GameTimer* callCountdown = nullptr;

signals:
    // A sound to play, not waited for.
    void wave(const QString& sound);

protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void connectCall();
    void showPrompt(const QString& text, int left, const QColor& colour);

    TQzGradient* m_background = nullptr;
    QString m_reply;
    int m_countdown = CallSeconds;
};
