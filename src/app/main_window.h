// The main window of the game (TForm1): the menu, the command bar, the
// question with its answers, the prize ladder, the thinking-time bar, the
// pictures and sounds. Its handlers keep the order of steps of the game;
// the arithmetic lives in the rules they call.
#pragma once

#include "controls/display_switcher.h"
#include "app/game_rules.h"
#include "app/game_state.h"
#include "questions/dbf_table.h"

#include <QMainWindow>

#include <array>
#include <memory>

class GameTimer;
class LadderBar;
class QAction;
class QFrame;
class QLabel;
class QStatusBar;
class QPlainTextEdit;
class QToolButton;
class QTreeWidget;
class QzProgressBar;
class SettingsStore;
class TGradButton;
class TQzGradient;
struct Services;

class TForm1 : public QMainWindow {
    Q_OBJECT
public:
    TForm1(Services& services, SettingsStore& settings, QWidget* parent = nullptr);
    ~TForm1() override;

    // Commands and timer ticks, as the player and the clock trigger them.
    void SpeedItem1Click();
    void MemoNameClick();
    void MMZwukClick();
    void N10Click();
    void N15Click();
    void N17Click();
    void N18Click();
    void N19Click();
    void varnowebgroup1Click();
    void HelpClick();
    void Timer2Timer();

    // The game: its start, each question, the answers, its end, the ranking.
    void NewGame();
    void GameEnable(bool on);
    void Bancrot();
    void SetGame(int n);
    void Timer1Timer();
    void FaqBtn1Click(int tag);
    void TabloV(int level, bool show);
    void Button1Click();
    void CloseGame(bool book, GameEnd end = GameEnd::Lost);
    void N6Click();
    void Dollar(int amount);
    void Lider2(bool exportPage);
    void Lider();
    void N13Click();

    // The sounds and pictures of the game.
    void Wave(const QString& name, bool wait, bool toEnd);
    void ResImage(const QString& name);

    GameState& state() { return m_state; }
    const GameState& state() const { return m_state; }
    const TDisplaySwitcher& DS() const { return m_ds; }

    // Menu items.
    QAction* N2 = nullptr;
    QAction* N21 = nullptr;
    QAction* N4 = nullptr;
    QAction* N5 = nullptr;
    QAction* N50501 = nullptr;
    QAction* N6 = nullptr;
    QAction* N8 = nullptr;
    QAction* N13 = nullptr;
    QAction* MemoName = nullptr;
    QAction* MMZwuk = nullptr;
    QAction* N22 = nullptr;
    QAction* N12 = nullptr;
    QAction* N10 = nullptr;
    QAction* N15 = nullptr;
    QAction* N17 = nullptr;
    QAction* N18 = nullptr;
    QAction* varnowebgroup1 = nullptr;
    QAction* N19 = nullptr;
    // Command bar buttons.
    QToolButton* SI7 = nullptr;
    QToolButton* SI8 = nullptr;
    QToolButton* SI5 = nullptr;
    QToolButton* SI6 = nullptr;
    QToolButton* PzItem = nullptr;
    QToolButton* SI4 = nullptr;
    QToolButton* Sl1 = nullptr;
    QToolButton* Sl2 = nullptr;
    QToolButton* Sl3 = nullptr;
    // The game's controls.
    QLabel* Image1 = nullptr;
    QPlainTextEdit* Memo1 = nullptr;
    std::array<TGradButton*, 4> FaqBtn{};
    TGradButton* Tablo = nullptr;
    QzProgressBar* ProgBar = nullptr;
    LadderBar* CoolBar1 = nullptr;
    QFrame* Panel1 = nullptr;
    QTreeWidget* ListView1 = nullptr;
    QFrame* Panel2 = nullptr;
    QStatusBar* StatusBar1 = nullptr;
    GameTimer* Timer1 = nullptr;
    GameTimer* Timer2 = nullptr;
    DbfTable TulipT;

signals:
    // The program ends: by the exit command or by the idle exit.
    void terminated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenu();
    void createSpeedBar();
    void createGameControls(QWidget* client);
    void layoutClient();
    void FormCreate();
    // Connects a trigger to a command that runs through the error wrapper.
    template <typename Sender, typename Signal>
    void bind(Sender* sender, Signal signal, void (TForm1::*command)());
    void bindSwitch(QAction* action, void (TForm1::*command)());
    void bindGameCommands();
    void openProgramDocument(const QString& page);
    void updateSoundHint();
    void loadAnswerCounters();
    // Asks the player's name, or takes the remembered one.
    void settlePlayerName();
    void settlePlayerCity();
    // False when the level has no question (the game is then closed).
    bool loadQuestion(int n);
    void showQuestion();
    // The game cannot go on: the player is told why, nothing is booked.
    void abandonGame(const QString& reason);
    void armIdleExit();
    void rotateQuestion();
    void rightAnswer();
    void wrongAnswer();
    void millionEnding();
    void askPlayAgain();
    // A verdict: the message window stays while the sound plays.
    void timedMessage(const QString& text, const QColor& background, const QColor& textColor,
                      const QString& sound, int extraWaitMs = 0);
    QString resultsFile() const;

    Services& m_services;
    SettingsStore& m_settings;
    GameState m_state;
    TDisplaySwitcher m_ds;
    QWidget* m_client = nullptr;
    QWidget* m_speedBar = nullptr;
    TQzGradient* m_gradient = nullptr;
};
