#include "app/main_window.h"

#include "app/game_colours.h"
#include "app/command_guard.h"
#include "app/ladder_bar.h"
#include "app/pictures.h"
#include "storage/settings_store.h"
#include "app/sound_file.h"
#include "app/speed_bar.h"
#include "controls/grad_button.h"
#include "controls/progress_bar.h"
#include "controls/qz_gradient.h"
#include "platform/game_timer.h"
#include "platform/services.h"
#include "windows/about_box.h"

#include <QAction>
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QMouseEvent>
#include <QScreen>
#include <QStatusBar>
#include <QPlainTextEdit>
#include <QScopedValueRollback>
#include <QToolButton>
#include <QTreeWidget>
#include <QUrl>

namespace {

using namespace game_colours;

const QColor ListTextColor(0xFF, 0x9D, 0x6F);
constexpr int PictureTop = 55;
// Held input is a few clicks and keys: delivering it takes no longer.
constexpr int HeldInputBudgetMs = 100;

QFont pixelFont(const QStringList& families, int pixels, bool bold = false)
{
    QFont font;
    font.setFamilies(families);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

const QStringList TimesNewRoman{QStringLiteral("Times New Roman"),
                                QStringLiteral("Liberation Serif")};
const QStringList CourierNew{QStringLiteral("Courier New"), QStringLiteral("Liberation Mono")};
const QStringList SansSerif{QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans"),
                            QStringLiteral("DejaVu Sans")};

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

    m_questionTable.SetTableName(QStringLiteral("TULIP.DBF"));
    m_questionTable.SetLockProtocol(LockProtocol::ClipLock);

    thinkingTimer = new GameTimer(500, this);
    idleAndPollTimer = new GameTimer(300, this);
    createMenu();
    createSpeedBar();
    createGameControls(m_client);
    bind(thinkingTimer, &GameTimer::tick, &MainWindow::thinkingTick);
    bind(idleAndPollTimer, &GameTimer::tick, &MainWindow::idleAndPollTick);
    bindGameCommands();

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

void MainWindow::bindGameCommands()
{
    bind(newGameAction, &QAction::triggered, &MainWindow::NewGame);
    bind(newGameButton, &QToolButton::clicked, &MainWindow::NewGame);
    bind(takeMoneyAction, &QAction::triggered, &MainWindow::takeMoney);
    bind(takeMoneyButton, &QToolButton::clicked, &MainWindow::takeMoney);
    bind(pauseButton, &QToolButton::clicked, &MainWindow::togglePause);
    bind(rankingAction, &QAction::triggered, &MainWindow::showRanking);
    bind(rankingButton, &QToolButton::clicked, &MainWindow::showRanking);
    bind(resetResultsAction, &QAction::triggered, &MainWindow::resetResults);
    for (TGradButton* button : answerButtons)
        connect(button, &TGradButton::clicked, this, [this, button] {
            runCommand([this, button] { answer(button->tag()); });
        });
}

void MainWindow::createMenu()
{
    QMenuBar* bar = menuBar();
    bar->setObjectName(QStringLiteral("MainMenu"));
    bar->setFont(pixelFont(SansSerif, 13));
    bar->setStyleSheet(QStringLiteral(
        "QMenuBar { background: #C0C0C0; color: black; }"
        "QMenuBar::item { padding: 2px 8px; margin: 1px; border: 1px solid;"
        " border-color: white #404040 #404040 white; }"
        "QMenuBar::item:selected { border-color: #404040 white white #404040; }"));
    auto item = [this](QMenu* menu, QAction*& action, const char* name, const QString& caption,
                       const QKeySequence& shortcut = {}) {
        action = menu->addAction(caption);
        action->setObjectName(QString::fromLatin1(name));
        action->setShortcut(shortcut);
        action->setShortcutContext(Qt::ApplicationShortcut);
    };

    QMenu* game = bar->addMenu(QStringLiteral("Игра"));
    game->setObjectName(QStringLiteral("gameMenu"));
    item(game, newGameAction, "newGameAction", QStringLiteral("Новая игра"), Qt::Key_F2);
    item(game, advertAction, "advertAction", QStringLiteral("Реклама"));
    game->addSeparator();
    item(game, pollAction, "pollAction", QStringLiteral("Помощь зрителей"), Qt::Key_F3);
    item(game, phoneAction, "phoneAction", QStringLiteral("Звонок другу"), Qt::Key_F4);
    item(game, fiftyFiftyAction, "fiftyFiftyAction", QStringLiteral("50 х 50"), Qt::Key_F5);
    item(game, takeMoneyAction, "takeMoneyAction", QStringLiteral("Стоп, беру деньги!"), Qt::Key_F6);
    game->addSeparator();
    item(game, exitAction, "exitAction", QStringLiteral("Выход"), QKeySequence(Qt::ALT | Qt::Key_X));
    for (QAction* lifeline : {pollAction, phoneAction, fiftyFiftyAction, takeMoneyAction})
        lifeline->setEnabled(false);

    QMenu* setup = bar->addMenu(QStringLiteral("Настройка"));
    setup->setObjectName(QStringLiteral("setupMenu"));
    setup->setToolTipsVisible(true);
    item(setup, resetResultsAction, "resetResultsAction", QStringLiteral("Обнулить результаты"));
    item(setup, rememberNameAction, "rememberNameAction", QStringLiteral("Помнить имя"));
    rememberNameAction->setToolTip(QStringLiteral("Помнить имя последнего игрока"));
    rememberNameAction->setCheckable(true);
    item(setup, soundAction, "soundAction", QStringLiteral("Звук"));
    soundAction->setToolTip(QStringLiteral("Включение/выключение звука"));
    soundAction->setCheckable(true);
    item(setup, newQuestionsAction, "newQuestionsAction", QStringLiteral("Новые вопросы"));
    newQuestionsAction->setToolTip(QStringLiteral("Загрузить вопросы из добавочных файлов!"));

    QMenu* help = bar->addMenu(QStringLiteral("Помощь"));
    help->setObjectName(QStringLiteral("helpMenu"));
    item(help, rankingAction, "rankingAction", QStringLiteral("Десятка умников"));
    item(help, aboutAction, "aboutAction", QStringLiteral("О программе"));
    help->addSeparator();
    QMenu* links = help->addMenu(QStringLiteral("Ссылки"));
    links->setObjectName(QStringLiteral("linksMenu"));
    item(links, supportLinkAction, "supportLinkAction", QStringLiteral("Поддержка программы"));
    item(links, mailLinkAction, "mailLinkAction", QStringLiteral("Пишите письма"));
    links->addSeparator();
    item(links, sponsorLinkAction, "sponsorLinkAction", QStringLiteral("ЗАО \"Тавлин\""));
    item(links, webGroupLinkAction, "webGroupLinkAction", QStringLiteral("varno web group"));
    item(links, rulesLinkAction, "rulesLinkAction", QStringLiteral("Правила участия в ТВ игре"));

    // F1 opens the help page, wherever the focus is.
    auto* helpKey = new QAction(this);
    helpKey->setShortcut(Qt::Key_F1);
    helpKey->setShortcutContext(Qt::ApplicationShortcut);
    addAction(helpKey);

    bind(exitAction, &QAction::triggered, &MainWindow::exitGame);
    bindSwitch(rememberNameAction, &MainWindow::toggleRememberName);
    bindSwitch(soundAction, &MainWindow::toggleSound);
    bind(aboutAction, &QAction::triggered, &MainWindow::showAbout);
    bind(supportLinkAction, &QAction::triggered, &MainWindow::openSupportPage);
    bind(mailLinkAction, &QAction::triggered, &MainWindow::writeLetter);
    bind(sponsorLinkAction, &QAction::triggered, &MainWindow::openSponsorPage);
    bind(rulesLinkAction, &QAction::triggered, &MainWindow::openRulesPage);
    bind(webGroupLinkAction, &QAction::triggered, &MainWindow::openWebGroupPage);
    bind(helpKey, &QAction::triggered, &MainWindow::openHelp);
}

void MainWindow::createSpeedBar()
{
    auto* bar = new SpeedBar(m_client);
    m_speedBar = bar;
    newGameButton = bar->addButton(QStringLiteral("newGameButton"), 3, QStringLiteral("Новая игра"), QStringLiteral("new"));
    exitButton = bar->addButton(QStringLiteral("exitButton"), 61, QStringLiteral("Надоело! Выход."), QStringLiteral("exit"));
    rankingButton = bar->addButton(QStringLiteral("rankingButton"), 148, QStringLiteral("Десятка умников"), QStringLiteral("top"));
    soundButton = bar->addButton(QStringLiteral("soundButton"), 206, QStringLiteral("Звук"), QStringLiteral("sound"));
    pauseButton = bar->addButton(QStringLiteral("pauseButton"), 264,
                            QStringLiteral("Устал? \nНажми и отдохни, будет ПАУЗА"), QStringLiteral("pause"));
    takeMoneyButton = bar->addButton(QStringLiteral("takeMoneyButton"), 554, QStringLiteral("Стоп игра, беру деньги!"), QStringLiteral("money"));
    fiftyFiftyButton = bar->addButton(QStringLiteral("fiftyFiftyButton"), 612, QStringLiteral("Пятьдесят на пятдесят"), QStringLiteral("fifty"));
    phoneButton = bar->addButton(QStringLiteral("phoneButton"), 670, QStringLiteral("Звонок другу"), QStringLiteral("phone"));
    pollButton = bar->addButton(QStringLiteral("pollButton"), 728, QStringLiteral("Помощь зала"), QStringLiteral("audience"));
    for (QToolButton* lifeline : {takeMoneyButton, fiftyFiftyButton, phoneButton, pollButton})
        lifeline->setEnabled(false);

    bind(exitButton, &QToolButton::clicked, &MainWindow::exitGame);
    bind(soundButton, &QToolButton::clicked, &MainWindow::toggleSound);
}

void MainWindow::createGameControls(QWidget* client)
{
    picture = new QLabel(client);
    picture->setObjectName(QStringLiteral("picture"));
    picture->move(36, 20);
    picture->setCursor(Qt::CrossCursor);

    questionText = new QPlainTextEdit(client);
    questionText->setObjectName(QStringLiteral("questionText"));
    questionText->setGeometry(6, 374, 783, 76);
    questionText->setReadOnly(true);
    questionText->setFont(pixelFont(CourierNew, 21));
    QPalette memoColours = questionText->palette();
    memoColours.setColor(QPalette::Base, Qt::black);
    memoColours.setColor(QPalette::Text, QColor(0x00, 0xFF, 0x00));
    questionText->setPalette(memoColours);
    QTextOption centred = questionText->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    questionText->document()->setDefaultTextOption(centred);
    questionText->hide();

    const std::array<QPoint, 4> answerPlaces{QPoint(4, 452), QPoint(399, 452), QPoint(4, 485),
                                             QPoint(399, 485)};
    for (int i = 0; i < 4; ++i) {
        auto* button = new TGradButton(client);
        button->setObjectName(QStringLiteral("answerButton%1").arg(i + 1));
        button->setGeometry(QRect(answerPlaces[i], QSize(390, 30)));
        button->setCaption(QString(QChar(u'A' + i)));
        button->setTag(i + 1);
        button->setFont(pixelFont(CourierNew, 17));
        button->setFontColor(QColor(0xFF, 0xFF, 0x00));
        button->hide();
        answerButtons[i] = button;
    }

    scoreBoard = new TGradButton(client);
    scoreBoard->setObjectName(QStringLiteral("scoreBoard"));
    scoreBoard->setGeometry(5, 408, 786, 114);
    scoreBoard->setCaption(QStringLiteral("* 100 *"));
    scoreBoard->setFont(pixelFont(TimesNewRoman, 64, true));
    scoreBoard->setFontColor(QColor(0x00, 0xFF, 0xFF));
    scoreBoard->setGradColor(QColor(0x00, 0x80, 0x00));
    scoreBoard->setHighlightColor(QColor(0xFF, 0x00, 0x00));
    scoreBoard->setEnabled(false);
    scoreBoard->hide();

    thinkingBar = new QzProgressBar(client);
    thinkingBar->setObjectName(QStringLiteral("thinkingBar"));
    thinkingBar->setProgBarType(QzProgBarType::pbIntensity);
    thinkingBar->setPosition(0);
    thinkingBar->setCursor(Qt::CrossCursor);
    thinkingBar->hide();

    ladder = new LadderBar(client);
    ladder->setGeometry(591, 44, 193, 321);
    ladder->hide();

    topTenPanel = new QFrame(client);
    topTenPanel->setObjectName(QStringLiteral("topTenPanel"));
    topTenPanel->setGeometry(6, 44, 193, 321);
    topTenList = new QTreeWidget(topTenPanel);
    topTenList->setObjectName(QStringLiteral("topTenList"));
    topTenList->setGeometry(0, 0, 193, 321);
    topTenList->setRootIsDecorated(false);
    topTenList->setHeaderLabels({QStringLiteral("Очки"), QStringLiteral("Игрок")});
    topTenList->header()->setStretchLastSection(false);
    topTenList->header()->setMinimumSectionSize(0);
    fitTopTenColumns();
    topTenList->setEditTriggers(QAbstractItemView::NoEditTriggers);
    topTenList->setSelectionMode(QAbstractItemView::SingleSelection);
    topTenList->setFont(pixelFont(SansSerif, 13));
    QPalette listColours = topTenList->palette();
    listColours.setColor(QPalette::Base, Qt::black);
    listColours.setColor(QPalette::Text, QColor(0x00, 0xFF, 0x00));
    topTenList->setPalette(listColours);
    topTenPanel->hide();

    pollPanel = new QFrame(client);
    pollPanel->setObjectName(QStringLiteral("pollPanel"));
    pollPanel->setGeometry(269, 55, 268, 218);
    pollPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pollPanel->setLineWidth(2);
    pollPanel->setStyleSheet(QStringLiteral("#pollPanel { background: aqua; }"));
    pollPanel->hide();

    // The whole bar is the exit; its one panel says so.
    exitStatusBar = statusBar();
    exitStatusBar->setObjectName(QStringLiteral("exitStatusBar"));
    exitStatusBar->setCursor(Qt::PointingHandCursor);
    exitStatusBar->installEventFilter(this);
    auto* exitPanel = new QLabel(QStringLiteral("Выход"));
    exitPanel->setAlignment(Qt::AlignCenter);
    exitPanel->setFixedWidth(100);
    exitStatusBar->addWidget(exitPanel);
    exitStatusBar->setSizeGripEnabled(false);
    exitStatusBar->setFont(pixelFont(SansSerif, 13));
    exitStatusBar->setStyleSheet(QStringLiteral(
        "QStatusBar { background: #C0C0C0; }"
        "QStatusBar QLabel { color: black; border: 1px solid; border-color: #808080 white white #808080; }"));
}

void MainWindow::layoutClient()
{
    const QSize size = m_client->size();
    m_speedBar->setGeometry(0, 0, size.width(), SpeedBar::BarHeight);
    thinkingBar->setGeometry(0, size.height() - 18, size.width(), 18);
}

bool MainWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        layoutClient();
    if (watched == exitStatusBar && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        runCommand([this] { exitGame(); });
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
    picture->resize(image.size());
    // The switcher counts the screen's own pixels; the window may be scaled.
    const int screenWidth = qRound(m_displaySwitcher.CurrentWidth() / devicePixelRatioF());
    picture->move((screenWidth - image.width()) / 2, PictureTop);
    picture->repaint();
}

void MainWindow::idleAndPollTick()
{
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

void MainWindow::openSupportPage() { openProgramDocument(QStringLiteral("support.html")); }
void MainWindow::writeLetter() { m_services.shell.openDocument(QStringLiteral("mailto:?subject=Zambrel!")); }
void MainWindow::openSponsorPage() { openProgramDocument(QStringLiteral("sponsors.html"), QStringLiteral("tavlin")); }
void MainWindow::openWebGroupPage() { openProgramDocument(QStringLiteral("sponsors.html"), QStringLiteral("varno")); }
void MainWindow::openRulesPage() { openProgramDocument(QStringLiteral("tulip.html"), QStringLiteral("rules")); }
void MainWindow::openHelp() { openProgramDocument(QStringLiteral("tulip.html")); }
