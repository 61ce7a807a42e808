// The advertisement break: one clip of tulip.dat at a time, its page of rich
// text, its icon and up to two links, under the word "Реклама" on end. Each
// showing presents the next clip, counted in tulip.ini so the clips take
// turns across games and runs. The OK button (or Enter) ends the break.
#pragma once

#include <QDialog>
#include <QPixmap>

#include <functional>

class QLabel;
class QPushButton;
class QTextEdit;
class ShadowLabel;
class TQzGradient;
struct Services;

class AdvertWindow : public QDialog {
    Q_OBJECT
public:
    // `icons` draws an icon of the game by its name ("ICO1".."ICO8"): an
    // empty picture for any other name.
    AdvertWindow(Services& services, std::function<QPixmap(const QString&)> icons,
                 QWidget* parent = nullptr);

    // The break, until the player closes it.
    void showBreak();

    // The handlers: the next clip on each showing, the two links.
    void loadNextClip();
    void openWebLink();
    void writeMail();

    ShadowLabel* title = nullptr;
    QLabel* icon = nullptr;
    QTextEdit* page = nullptr;
    QLabel* webCaption = nullptr;
    QLabel* mailCaption = nullptr;
    QLabel* webLink = nullptr;
    QLabel* mailLink = nullptr;
    QPushButton* okButton = nullptr;

protected:
    void showEvent(QShowEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QString advertFile() const;
    QString counterFile() const;
    void showClip(int number);

    Services& m_services;
    std::function<QPixmap(const QString&)> m_icons;
    TQzGradient* m_background = nullptr;
};
