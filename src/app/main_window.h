// The main window of the game: the menu, the command bar, the
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
#include <functional>
#include <memory>

class AdvertWindow;
class GameTimer;
class LadderBar;
class PhoneDialog;
class PollPie;
class QAction;
class QFileInfo;
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

class MainWindow : public QMainWindow {
    Q_OBJECT
public:
    MainWindow(Services& services, SettingsStore& settings, QWidget* parent = nullptr);
    ~MainWindow() override;

    // Commands and timer ticks, as the player and the clock trigger them.
    void exitGame();
    void toggleRememberName();
    void toggleSound();
    void showAbout();
    void openSupportPage();
    void writeLetter();
    void openSponsorPage();
    void openRulesPage();
    void openWebGroupPage();
    void openHelp();
    void idleAndPollTick();

    // The game: its start, each question, the answers, its end, the ranking.
    void NewGame();
    void GameEnable(bool on);
    void Bancrot();
    void SetGame(int n);
    void thinkingTick();
    void answer(int tag);
    void showScoreBoard(int level, bool show);
    void togglePause();
    void CloseGame(bool book, GameEnd end = GameEnd::Lost);
    void takeMoney();
    void Dollar(int amount);
    void Lider2(bool exportPage);
    void showRanking();
    void resetResults();
    void NewFaq();
    void showAdvert();

    // The lifelines, once each per game.
    void fiftyFifty();
    void askAudience();
    void callFriend();

    // The sounds and pictures of the game.
    void Wave(const QString& name, bool wait, bool toEnd);
    void ResImage(const QString& name);

    GameState& state() { return m_state; }
    const GameState& state() const { return m_state; }
    const TDisplaySwitcher& displaySwitcher() const { return m_displaySwitcher; }

    // Menu items.
    QAction* newGameAction = nullptr;
    QAction* advertAction = nullptr;
    QAction* pollAction = nullptr;
    QAction* phoneAction = nullptr;
    QAction* fiftyFiftyAction = nullptr;
    QAction* takeMoneyAction = nullptr;
    QAction* exitAction = nullptr;
    QAction* resetResultsAction = nullptr;
    QAction* rememberNameAction = nullptr;
    QAction* soundAction = nullptr;
    QAction* newQuestionsAction = nullptr;
    QAction* rankingAction = nullptr;
    QAction* aboutAction = nullptr;
    QAction* supportLinkAction = nullptr;
    QAction* mailLinkAction = nullptr;
    QAction* sponsorLinkAction = nullptr;
    QAction* webGroupLinkAction = nullptr;
    QAction* rulesLinkAction = nullptr;
    // Command bar buttons.
    QToolButton* newGameButton = nullptr;
    QToolButton* exitButton = nullptr;
    QToolButton* rankingButton = nullptr;
    QToolButton* soundButton = nullptr;
    QToolButton* pauseButton = nullptr;
    QToolButton* takeMoneyButton = nullptr;
    QToolButton* fiftyFiftyButton = nullptr;
    QToolButton* phoneButton = nullptr;
    QToolButton* pollButton = nullptr;
    // The game's controls, laid out on the 800 × 600 scene in the middle of
    // the client area; the background's gradient fills the rest.
    QWidget* scene = nullptr;
    QLabel* picture = nullptr;
    QPlainTextEdit* questionText = nullptr;
    std::array<TGradButton*, 4> answerButtons{};
    TGradButton* scoreBoard = nullptr;
    QzProgressBar* thinkingBar = nullptr;
    LadderBar* ladder = nullptr;
    QFrame* topTenPanel = nullptr;
    QTreeWidget* topTenList = nullptr;
    QFrame* pollPanel = nullptr;
    PollPie* pollPie = nullptr;
    PhoneDialog* phoneDialog = nullptr;
    AdvertWindow* advertWindow = nullptr;
    QStatusBar* exitStatusBar = nullptr;
    // Keyboard play: 1-4 or A-D answer, Space or P pauses.
    std::array<QAction*, 4> answerKeys{};
    QAction* pauseKey = nullptr;
    GameTimer* thinkingTimer = nullptr;
    GameTimer* idleAndPollTimer = nullptr;
    DbfTable m_questionTable;
    DbfTable m_packTable;

signals:
    // The program ends: by the exit command or by the idle exit.
    void terminated();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void createMenu();
    void createPlayingKeys();
    void createSpeedBar();
    void createGameControls();
    void layoutClient();
    void prepareAtStart();
    // Connects a trigger to a command that runs through the error wrapper.
    template <typename Sender, typename Signal>
    void bind(Sender* sender, Signal signal, void (MainWindow::*command)());
    void bindSwitch(QAction* action, void (MainWindow::*command)());
    void bindCommands();
    void openProgramDocument(const QString& page, const QString& part = {});
    void updateSoundHint();
    void fitTopTenColumns();
    void loadAnswerCounters();
    // Asks the player's name, or takes the remembered one.
    void settlePlayerName();
    QString rememberedPlayer() const;
    // False when the player has no money (the game is then refused).
    bool settleBalance(const QString& lastBookedPlayer);
    void settlePlayerCity();
    // False when no question could be set up (the game is then closed).
    bool setUpQuestion(int n);
    bool loadQuestion(int n);
    void showQuestion();
    // The game cannot go on: the player is told why, nothing is booked.
    void abandonGame(const QString& reason);
    void armIdleExit();
    void rotateQuestion();
    void rightAnswer();
    void wrongAnswer();
    void millionEnding();
    void rainBanknotesAfterGame(int amount);
    void askPlayAgain();
    // A verdict: the message window stays while the sound plays.
    void timedMessage(const QString& text, const QColor& background, const QColor& textColor,
                      const QString& sound, int extraWaitMs = 0);
    QString resultsFile() const;
    QString advertFile() const;
    // Appends the pack's active records to the question table; false when
    // the pack is refused.
    bool appendPack(const QFileInfo& pack);
    // A lifeline helps with the question on show only: at any other moment
    // it is refused and stays unused.
    bool lifelineApplies() const;
    void disableLifeline(QAction* action, QToolButton* button);
    void showPollPanel();
    // The scene's width in the window's own pixels: the screen's, up to 800.
    int sceneWidth() const;

    // Runs a command or tick through the error wrapper; input held back by
    // its waits is delivered afterwards, without its answer clicks.
    void runCommand(const std::function<void()>& command);

    Services& m_services;
    SettingsStore& m_settings;
    GameState m_state;
    TDisplaySwitcher m_displaySwitcher;
    QWidget* m_client = nullptr;
    QWidget* m_speedBar = nullptr;
    QAction* m_helpKey = nullptr;
    TQzGradient* m_gradient = nullptr;
    // A question is on show and its answer not yet taken.
    bool m_answerAwaited = false;
    bool m_deliveringHeldInput = false;
};
