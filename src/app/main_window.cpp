#include "app/main_window.h"

#include "adverts/advert_window.h"
#include "app/game_colours.h"
#include "controls/game_fonts.h"
#include "windows/command_guard.h"
#include "app/ladder_bar.h"
#include "app/pictures.h"
#include "app/scene_scale.h"
#include "storage/settings_store.h"
#include "app/sound_file.h"
#include "app/speed_bar.h"
#include "controls/grad_button.h"
#include "controls/progress_bar.h"
#include "controls/qz_gradient.h"
#include "lifelines/poll_pie.h"
#include "platform/game_timer.h"
#include "platform/services.h"
#include "windows/about_box.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QLabel>
#include <QMouseEvent>
#include <QStatusBar>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

namespace {

using namespace game_colours;
using namespace game_fonts;

const QColor ListTextColor(0xFF, 0x9D, 0x6F);
constexpr int PictureTop = 55;
// Held input is a few clicks and keys: delivering it takes no longer.
constexpr int HeldInputBudgetMs = 100;

QString soundHint(bool on)
{
    return on ? QStringLiteral("Выключить звук!") : QStringLiteral("Включить звук!");
}

} // namespace

MainWindow::MainWindow(Services& services, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_settings(settings)
    , m_displaySwitcher(services.display)
{
    setObjectName(QStringLiteral("MainWindow"));
    setWindowTitle(QStringLiteral("Zambrel!"));
    setWindowFlag(Qt::FramelessWindowHint);
    // Hints show even before the window has the focus (no window manager gives it).
    setAttribute(Qt::WA_AlwaysShowToolTips);
    setFont(pixelFont(TimesNewRoman, 16, true));
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Navy);
    setPalette(palette);

    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("ClientArea"));
    m_client->installEventFilter(this);
    setCentralWidget(m_client);
    m_gradient = new TQzGradient(m_client);
    m_gradient->setColorTop(QColor(0x00, 0x00, 0x00));
    m_gradient->setColorBottom(QColor(0x00, 0x00, 0x80));
    scene = new QWidget(m_client);
    scene->setObjectName(QStringLiteral("Scene"));

    m_questionTable.SetTableName(QStringLiteral("TULIP.DBF"));
    m_questionTable.SetLockProtocol(LockProtocol::ClipLock);

    thinkingTimer = new GameTimer(500, this);
    idleAndPollTimer = new GameTimer(300, this);
    createMenu();
    createSpeedBar();
    createGameControls();
    bind(thinkingTimer, &GameTimer::tick, &MainWindow::thinkingTick);
    bind(idleAndPollTimer, &GameTimer::tick, &MainWindow::idleAndPollTick);
    bindCommands();

    prepareAtStart();
}

MainWindow::~MainWindow() = default;

template <typename Sender, typename Signal>
void MainWindow::bind(Sender* sender, Signal signal, void (MainWindow::*command)())
{
    connect(sender, signal, this,
            [this, command] { runCommand([this, command] { (this->*command)(); }); });
}

void MainWindow::runCommand(const std::function<void()>& command)
{
    const int waitsBefore = GameTimer::waitsBegun();
    runGuarded(m_services.dialogs, command);
    if (GameTimer::waitsBegun() == waitsBefore || m_deliveringHeldInput)
        return;
    // What the player did while the command waited reaches the windows now,
    // while the command is still under way: a click on an answer meanwhile
    // (the second click of a double-click, say) must not answer the question
    // shown after the wait, unseen.
    const QScopedValueRollback delivering(m_deliveringHeldInput, true);
    QCoreApplication::processEvents(QEventLoop::AllEvents, HeldInputBudgetMs);
}

void MainWindow::bindSwitch(QAction* action, void (MainWindow::*command)())
{
    // The command toggles the check mark itself, as the command bar's button
    // does; the menu's own toggle is taken back first.
    connect(action, &QAction::triggered, this, [this, action, command](bool checked) {
        action->setChecked(!checked);
        runCommand([this, command] { (this->*command)(); });
    });
}

void MainWindow::bindCommands()
{
    bind(exitAction, &QAction::triggered, &MainWindow::exitGame);
    bind(exitButton, &QToolButton::clicked, &MainWindow::exitGame);
    bindSwitch(rememberNameAction, &MainWindow::toggleRememberName);
    bindSwitch(soundAction, &MainWindow::toggleSound);
    bind(soundButton, &QToolButton::clicked, &MainWindow::toggleSound);
    bind(aboutAction, &QAction::triggered, &MainWindow::showAbout);
    bind(supportLinkAction, &QAction::triggered, &MainWindow::openSupportPage);
    bind(mailLinkAction, &QAction::triggered, &MainWindow::writeLetter);
    bind(sponsorLinkAction, &QAction::triggered, &MainWindow::openSponsorPage);
    bind(rulesLinkAction, &QAction::triggered, &MainWindow::openRulesPage);
    bind(webGroupLinkAction, &QAction::triggered, &MainWindow::openWebGroupPage);
    bind(m_helpKey, &QAction::triggered, &MainWindow::openHelp);
    bind(newGameAction, &QAction::triggered, &MainWindow::NewGame);
    bind(newGameButton, &QToolButton::clicked, &MainWindow::NewGame);
    bind(takeMoneyAction, &QAction::triggered, &MainWindow::takeMoney);
    bind(takeMoneyButton, &QToolButton::clicked, &MainWindow::takeMoney);
    bind(pauseButton, &QToolButton::clicked, &MainWindow::togglePause);
    bind(rankingAction, &QAction::triggered, &MainWindow::showRanking);
    bind(rankingButton, &QToolButton::clicked, &MainWindow::showRanking);
    bind(resetResultsAction, &QAction::triggered, &MainWindow::resetResults);
    bind(newQuestionsAction, &QAction::triggered, &MainWindow::NewFaq);
    bind(advertAction, &QAction::triggered, &MainWindow::showAdvert);
    bind(fiftyFiftyAction, &QAction::triggered, &MainWindow::fiftyFifty);
    bind(fiftyFiftyButton, &QToolButton::clicked, &MainWindow::fiftyFifty);
    bind(pollAction, &QAction::triggered, &MainWindow::askAudience);
    bind(pollButton, &QToolButton::clicked, &MainWindow::askAudience);
    bind(phoneAction, &QAction::triggered, &MainWindow::callFriend);
    bind(phoneButton, &QToolButton::clicked, &MainWindow::callFriend);
    for (TGradButton* button : answerButtons)
        connect(button, &TGradButton::clicked, this, [this, button] {
            runCommand([this, button] { answer(button->tag()); });
        });
    for (int tag = 1; tag <= 4; ++tag)
        connect(answerKeys[tag - 1], &QAction::triggered, this, [this, tag] {
            runCommand([this, tag] { answer(tag); });
        });
    bind(pauseKey, &QAction::triggered, &MainWindow::togglePause);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        layoutClient();
    if (watched == exitStatusBar && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        runCommand([this] { exitGame(); });
    if (watched == picture && event->type() == QEvent::MouseButtonDblClick)
        runCommand([this] { showAdvert(); });
    return QMainWindow::eventFilter(watched, event);
}

void MainWindow::prepareAtStart()
{
    m_state.StartWidth = m_displaySwitcher.CurrentWidth();
    m_state.StartHeight = m_displaySwitcher.CurrentHeight();
    if (m_state.StartWidth < 800)
        m_displaySwitcher.SetDisplaySettings(800, 600, 16, false);
    m_state.PlayerName.clear();
    rememberNameAction->setChecked(m_settings.ReadSettingBool(SettingsSection, QStringLiteral("NameMNU"), true));
    soundAction->setChecked(m_settings.ReadSettingBool(SettingsSection, QStringLiteral("Звук вкл."), true));
    updateSoundHint();
    loadAnswerCounters();
    Wave(QStringLiteral("begin"), false, false);
    armIdleExit();
    ResImage(QStringLiteral("ways"));
    if (m_displaySwitcher.CurrentWidth() < 800)
        m_services.dialogs.info(
            QStringLiteral("Внимание: \rПрограмма расчитана для работы с экраном 800x600!"));
    QPalette list = topTenList->palette();
    list.setColor(QPalette::Text, ListTextColor);
    topTenList->setPalette(list);
    m_state.Paused = false;
}

void MainWindow::loadAnswerCounters()
{
    // Every New game first closes the game before it, which stores these
    // counters; read at start, they run on from run to run instead of
    // starting again from nothing.
    m_state.AdvertCount = m_settings.ReadSettingInt(SettingsSection, QStringLiteral("Реклама"), 5);
    m_state.ClickCount = m_settings.ReadSettingInt(SettingsSection, QStringLiteral("Ответ"), 0);
    m_state.PhraseNo = m_settings.ReadSettingInt(SettingsSection, QStringLiteral("Звук"), 0);
}

void MainWindow::updateSoundHint()
{
    const bool on = soundAction->isChecked();
    soundButton->setToolTip(soundHint(on));
    SpeedBar::setPicture(soundButton, on ? QStringLiteral("sound") : QStringLiteral("sound_mute"));
}

void MainWindow::exitGame()
{
    if (m_displaySwitcher.CurrentWidth() != m_state.StartWidth)
        m_displaySwitcher.SetDisplaySettings(m_state.StartWidth, m_state.StartHeight, 16, true);
    emit terminated();
}

void MainWindow::toggleRememberName()
{
    rememberNameAction->setChecked(!rememberNameAction->isChecked());
    if (rememberNameAction->isChecked())
        m_settings.WriteSettingStr(SettingsSection, QStringLiteral("Игрок"), m_state.PlayerName);
    m_settings.WriteSettingBool(SettingsSection, QStringLiteral("NameMNU"), rememberNameAction->isChecked());
}

void MainWindow::toggleSound()
{
    Wave(QStringLiteral("btnCLICK"), false, false);
    soundAction->setChecked(!soundAction->isChecked());
    // The menu and the command bar show the switch alike, stored or not.
    updateSoundHint();
    m_settings.WriteSettingBool(SettingsSection, QStringLiteral("Звук вкл."), soundAction->isChecked());
}

void MainWindow::Wave(const QString& name, bool wait, bool toEnd)
{
    const QString path = m_services.paths.programFolder + QStringLiteral("wav/") + name +
                         QStringLiteral(".wav");
    const bool played = PlaySoundFile(m_services.sound, path, soundAction->isChecked(), toEnd);
    if (!played && wait)
        m_services.waiter.wait(2000);
}

void MainWindow::ResImage(const QString& name)
{
    const QPixmap image = renderPicture(name);
    picture->setPixmap(image);
    picture->resize(image.deviceIndependentSize().toSize());
    picture->move((sceneWidth() - picture->width()) / 2, PictureTop);
    picture->repaint();
}

int MainWindow::sceneWidth() const
{
    // The switcher counts the screen's own pixels; the window may be scaled.
    return std::min(SceneSize.width(), qRound(m_displaySwitcher.CurrentWidth() / devicePixelRatioF()));
}

void MainWindow::idleAndPollTick()
{
    pollPie->turn();
    if (m_state.Level == 0)
        emit terminated();
}

void MainWindow::showAbout() { showAboutBox(QApplication::windowIcon(), m_services.facts, m_services.waiter); }

void MainWindow::openProgramDocument(const QString& page, const QString& part)
{
    // Built as an address, not as text: the folder's name may hold "#", "?" or "%".
    QUrl address = QUrl::fromLocalFile(m_services.paths.programFolder + page);
    if (!part.isEmpty())
        address.setFragment(part);
    m_services.shell.openDocument(address.toString(QUrl::FullyEncoded));
}

void MainWindow::showAdvert() { advertWindow->showBreak(); }

void MainWindow::openSupportPage() { openProgramDocument(QStringLiteral("support.html")); }
void MainWindow::writeLetter() { m_services.shell.openDocument(QStringLiteral("mailto:?subject=Zambrel!")); }
void MainWindow::openSponsorPage() { openProgramDocument(QStringLiteral("sponsors.html"), QStringLiteral("tavlin")); }
void MainWindow::openWebGroupPage() { openProgramDocument(QStringLiteral("sponsors.html"), QStringLiteral("varno")); }
void MainWindow::openRulesPage() { openProgramDocument(QStringLiteral("tulip.html"), QStringLiteral("rules")); }
void MainWindow::openHelp() { openProgramDocument(QStringLiteral("tulip.html")); }
