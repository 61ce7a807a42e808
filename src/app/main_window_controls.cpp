// The main window's menu, command bar and game controls, at their places
// with their captions, fonts and colours; the commands are bound elsewhere.
#include "app/main_window.h"

#include "controls/game_fonts.h"
#include "adverts/advert_window.h"
#include "app/ladder_bar.h"
#include "app/pictures.h"
#include "app/scene_scale.h"
#include "app/speed_bar.h"
#include "controls/grad_button.h"
#include "controls/progress_bar.h"
#include "lifelines/phone_dialog.h"
#include "lifelines/poll_pie.h"

#include <QAction>
#include <QFrame>
#include <QHeaderView>
#include <QLabel>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QStatusBar>
#include <QToolButton>
#include <QTreeWidget>

using namespace game_fonts;

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

    createPlayingKeys();

    // F1 opens the help page, wherever the focus is.
    m_helpKey = new QAction(this);
    m_helpKey->setShortcut(Qt::Key_F1);
    m_helpKey->setShortcutContext(Qt::ApplicationShortcut);
    addAction(m_helpKey);
}

void MainWindow::createPlayingKeys()
{
    // Latin letters only: in the Russian layout Qt matches a key by the
    // Latin letter it stands on too, so Ф, И, С and В answer as A, B, C and
    // D. Binding the Cyrillic letters as well would make each such key match
    // twice, and Qt runs no shortcut it finds ambiguous.
    for (int i = 0; i < 4; ++i) {
        auto* key = new QAction(this);
        key->setObjectName(QStringLiteral("answerKey%1").arg(i + 1));
        key->setShortcuts({QKeySequence(Qt::Key_1 + i), QKeySequence(Qt::KeypadModifier | (Qt::Key_1 + i)),
                           QKeySequence(Qt::Key_A + i)});
        key->setShortcutContext(Qt::ApplicationShortcut);
        addAction(key);
        answerKeys[i] = key;
    }
    pauseKey = new QAction(this);
    pauseKey->setObjectName(QStringLiteral("pauseKey"));
    pauseKey->setShortcuts({QKeySequence(Qt::Key_Space), QKeySequence(Qt::Key_P)});
    pauseKey->setShortcutContext(Qt::ApplicationShortcut);
    addAction(pauseKey);
}

void MainWindow::createSpeedBar()
{
    auto* bar = new SpeedBar(scene);
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
}

void MainWindow::createGameControls()
{
    picture = new QLabel(scene);
    picture->setObjectName(QStringLiteral("picture"));
    picture->move(36, 20);
    picture->setCursor(Qt::CrossCursor);
    picture->installEventFilter(this);

    questionText = new QPlainTextEdit(scene);
    questionText->setObjectName(QStringLiteral("questionText"));
    questionText->setGeometry(6, 374, 783, 76);
    questionText->setReadOnly(true);
    // The keys answer and pause: no text view may take them for itself.
    questionText->setFocusPolicy(Qt::NoFocus);
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
        auto* button = new TGradButton(scene);
        button->setObjectName(QStringLiteral("answerButton%1").arg(i + 1));
        button->setGeometry(QRect(answerPlaces[i], QSize(390, 30)));
        button->setCaption(QString(QChar(u'A' + i)));
        button->setTag(i + 1);
        button->setFont(pixelFont(CourierNew, 17));
        button->setFontColor(QColor(0xFF, 0xFF, 0x00));
        button->setToolTip(QStringLiteral("Клавиша %1 или %2").arg(i + 1).arg(QChar(u'A' + i)));
        button->hide();
        answerButtons[i] = button;
    }

    scoreBoard = new TGradButton(scene);
    scoreBoard->setObjectName(QStringLiteral("scoreBoard"));
    scoreBoard->setGeometry(5, 408, 786, 114);
    scoreBoard->setCaption(QStringLiteral("* 100 *"));
    scoreBoard->setFont(pixelFont(TimesNewRoman, 64, true));
    scoreBoard->setFontColor(QColor(0x00, 0xFF, 0xFF));
    scoreBoard->setGradColor(QColor(0x00, 0x80, 0x00));
    scoreBoard->setHighlightColor(QColor(0xFF, 0x00, 0x00));
    scoreBoard->setEnabled(false);
    scoreBoard->hide();

    thinkingBar = new QzProgressBar(scene);
    thinkingBar->setObjectName(QStringLiteral("thinkingBar"));
    thinkingBar->setProgBarType(QzProgBarType::pbIntensity);
    thinkingBar->setPosition(0);
    thinkingBar->setCursor(Qt::CrossCursor);
    thinkingBar->hide();

    ladder = new LadderBar(scene);
    ladder->setGeometry(591, 44, 193, 321);
    ladder->hide();

    topTenPanel = new QFrame(scene);
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
    topTenList->setFocusPolicy(Qt::NoFocus);
    topTenList->setSelectionMode(QAbstractItemView::SingleSelection);
    topTenList->setFont(pixelFont(SansSerif, 13));
    QPalette listColours = topTenList->palette();
    listColours.setColor(QPalette::Base, Qt::black);
    listColours.setColor(QPalette::Text, QColor(0x00, 0xFF, 0x00));
    topTenList->setPalette(listColours);
    topTenPanel->hide();

    pollPanel = new QFrame(scene);
    pollPanel->setObjectName(QStringLiteral("pollPanel"));
    pollPanel->setGeometry(269, 55, 268, 218);
    pollPanel->setFrameStyle(QFrame::Panel | QFrame::Raised);
    pollPanel->setLineWidth(2);
    pollPanel->setStyleSheet(QStringLiteral("#pollPanel { background: aqua; }"));
    pollPanel->hide();
    pollPie = new PollPie(pollPanel);
    pollPie->setObjectName(QStringLiteral("pollPie"));
    // Inside the panel's bevel.
    pollPie->setGeometry(pollPanel->rect().adjusted(2, 2, -2, -2));

    advertWindow = new AdvertWindow(m_services, renderPicture, this);
    advertWindow->setObjectName(QStringLiteral("advertWindow"));

    phoneDialog = new PhoneDialog(this);
    phoneDialog->setObjectName(QStringLiteral("phoneDialog"));
    connect(phoneDialog, &PhoneDialog::wave, this, [this](const QString& sound) { Wave(sound, false, false); });

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
    scene->setGeometry(sceneArea(m_client->size(), sceneWidth()));
    const QSize size = scene->size();
    m_speedBar->setGeometry(0, 0, size.width(), SpeedBar::BarHeight);
    thinkingBar->setGeometry(0, size.height() - 18, size.width(), 18);
}
