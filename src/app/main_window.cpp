#include "app/main_window.h"

#include "app/game_colours.h"
#include "app/command_guard.h"
#include "app/ladder_bar.h"
#include "app/pictures.h"
#include "app/settings_store.h"
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
#include <QToolButton>
#include <QTreeWidget>

namespace {

using namespace game_colours;

const QColor ListTextColor(0xFF, 0x9D, 0x6F);
constexpr int PictureTop = 55;

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

TForm1::TForm1(Services& services, SettingsStore& settings, QWidget* parent)
    : QMainWindow(parent)
    , m_services(services)
    , m_settings(settings)
    , m_ds(services.display)
{
    setObjectName(QStringLiteral("Form1"));
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

    TulipT.SetTableName(QStringLiteral("TULIP.DBF"));
    TulipT.SetLockProtocol(LockProtocol::ClipLock);

    Timer1 = new GameTimer(500, this);
    Timer2 = new GameTimer(300, this);
    createMenu();
    createSpeedBar();
    createGameControls(m_client);
    bind(Timer1, &GameTimer::tick, &TForm1::Timer1Timer);
    bind(Timer2, &GameTimer::tick, &TForm1::Timer2Timer);
    bindGameCommands();

    FormCreate();
}

TForm1::~TForm1() = default;

template <typename Sender, typename Signal>
void TForm1::bind(Sender* sender, Signal signal, void (TForm1::*command)())
{
    connect(sender, signal, this,
            [this, command] { runGuarded(m_services.dialogs, [this, command] { (this->*command)(); }); });
}

void TForm1::bindSwitch(QAction* action, void (TForm1::*command)())
{
    // The command toggles the check mark itself, as the command bar's button
    // does; the menu's own toggle is taken back first.
    connect(action, &QAction::triggered, this, [this, action, command](bool checked) {
        action->setChecked(!checked);
        runGuarded(m_services.dialogs, [this, command] { (this->*command)(); });
    });
}

void TForm1::bindGameCommands()
{
    bind(N2, &QAction::triggered, &TForm1::NewGame);
    bind(SI7, &QToolButton::clicked, &TForm1::NewGame);
    bind(N6, &QAction::triggered, &TForm1::N6Click);
    bind(SI4, &QToolButton::clicked, &TForm1::N6Click);
    bind(PzItem, &QToolButton::clicked, &TForm1::Button1Click);
    bind(N12, &QAction::triggered, &TForm1::Lider);
    bind(SI5, &QToolButton::clicked, &TForm1::Lider);
    bind(N13, &QAction::triggered, &TForm1::N13Click);
    for (TGradButton* button : FaqBtn)
        connect(button, &TGradButton::clicked, this, [this, button] {
            runGuarded(m_services.dialogs, [this, button] { FaqBtn1Click(button->tag()); });
        });
}

void TForm1::createMenu()
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
    game->setObjectName(QStringLiteral("N1"));
    item(game, N2, "N2", QStringLiteral("Новая игра"), Qt::Key_F2);
    item(game, N21, "N21", QStringLiteral("Реклама"));
    game->addSeparator();
    item(game, N4, "N4", QStringLiteral("Помощь зрителей"), Qt::Key_F3);
    item(game, N5, "N5", QStringLiteral("Звонок другу"), Qt::Key_F4);
    item(game, N50501, "N50501", QStringLiteral("50 х 50"), Qt::Key_F5);
    item(game, N6, "N6", QStringLiteral("Стоп, беру деньги!"), Qt::Key_F6);
    game->addSeparator();
    item(game, N8, "N8", QStringLiteral("Выход"), QKeySequence(Qt::ALT | Qt::Key_X));
    for (QAction* lifeline : {N4, N5, N50501, N6})
        lifeline->setEnabled(false);

    QMenu* setup = bar->addMenu(QStringLiteral("Настройка"));
    setup->setObjectName(QStringLiteral("N11"));
    setup->setToolTipsVisible(true);
    item(setup, N13, "N13", QStringLiteral("Обнулить результаты"));
    item(setup, MemoName, "MemoName", QStringLiteral("Помнить имя"));
    MemoName->setToolTip(QStringLiteral("Помнить имя последнего игрока"));
    MemoName->setCheckable(true);
    item(setup, MMZwuk, "MMZwuk", QStringLiteral("Звук"));
    MMZwuk->setToolTip(QStringLiteral("Включение/выключение звука"));
    MMZwuk->setCheckable(true);
    item(setup, N22, "N22", QStringLiteral("Новые вопросы"));
    N22->setToolTip(QStringLiteral("Загрузить вопросы из добавочных файлов!"));

    QMenu* help = bar->addMenu(QStringLiteral("Помощь"));
    help->setObjectName(QStringLiteral("N9"));
    item(help, N12, "N12", QStringLiteral("Десятка умников"));
    item(help, N10, "N10", QStringLiteral("О программе"));
    help->addSeparator();
    QMenu* links = help->addMenu(QStringLiteral("Ссылки"));
    links->setObjectName(QStringLiteral("N16"));
    item(links, N15, "N15", QStringLiteral("Поддержка программы"));
    item(links, N17, "N17", QStringLiteral("Пишите письма"));
    links->addSeparator();
    item(links, N18, "N18", QStringLiteral("ЗАО \"Тавлин\""));
    item(links, varnowebgroup1, "varnowebgroup1", QStringLiteral("varno web group"));
    item(links, N19, "N19", QStringLiteral("Правила участия в ТВ игре"));

    // F1 opens the help page, wherever the focus is.
    auto* helpKey = new QAction(this);
    helpKey->setShortcut(Qt::Key_F1);
    helpKey->setShortcutContext(Qt::ApplicationShortcut);
    addAction(helpKey);

    bind(N8, &QAction::triggered, &TForm1::SpeedItem1Click);
    bindSwitch(MemoName, &TForm1::MemoNameClick);
    bindSwitch(MMZwuk, &TForm1::MMZwukClick);
    bind(N10, &QAction::triggered, &TForm1::N10Click);
    bind(N15, &QAction::triggered, &TForm1::N15Click);
    bind(N17, &QAction::triggered, &TForm1::N17Click);
    bind(N18, &QAction::triggered, &TForm1::N18Click);
    bind(N19, &QAction::triggered, &TForm1::N19Click);
    bind(varnowebgroup1, &QAction::triggered, &TForm1::varnowebgroup1Click);
    bind(helpKey, &QAction::triggered, &TForm1::HelpClick);
}

void TForm1::createSpeedBar()
{
    auto* bar = new SpeedBar(m_client);
    m_speedBar = bar;
    SI7 = bar->addButton(QStringLiteral("SI7"), 3, QStringLiteral("Новая игра"), QStringLiteral("new"));
    SI8 = bar->addButton(QStringLiteral("SI8"), 61, QStringLiteral("Надоело! Выход."), QStringLiteral("exit"));
    SI5 = bar->addButton(QStringLiteral("SI5"), 148, QStringLiteral("Десятка умников"), QStringLiteral("top"));
    SI6 = bar->addButton(QStringLiteral("SI6"), 206, QStringLiteral("Звук"), QStringLiteral("sound"));
    PzItem = bar->addButton(QStringLiteral("PzItem"), 264,
                            QStringLiteral("Устал? \nНажми и отдохни, будет ПАУЗА"), QStringLiteral("pause"));
    SI4 = bar->addButton(QStringLiteral("SI4"), 554, QStringLiteral("Стоп игра, беру деньги!"), QStringLiteral("money"));
    Sl1 = bar->addButton(QStringLiteral("Sl1"), 612, QStringLiteral("Пятьдесят на пятдесят"), QStringLiteral("fifty"));
    Sl2 = bar->addButton(QStringLiteral("Sl2"), 670, QStringLiteral("Звонок другу"), QStringLiteral("phone"));
    Sl3 = bar->addButton(QStringLiteral("Sl3"), 728, QStringLiteral("Помощь зала"), QStringLiteral("audience"));
    for (QToolButton* lifeline : {SI4, Sl1, Sl2, Sl3})
        lifeline->setEnabled(false);

    bind(SI8, &QToolButton::clicked, &TForm1::SpeedItem1Click);
    bind(SI6, &QToolButton::clicked, &TForm1::MMZwukClick);
}

void TForm1::createGameControls(QWidget* client)
{
    Image1 = new QLabel(client);
    Image1->setObjectName(QStringLiteral("Image1"));
    Image1->move(36, 20);
    Image1->setCursor(Qt::CrossCursor);

    Memo1 = new QPlainTextEdit(client);
    Memo1->setObjectName(QStringLiteral("Memo1"));
    Memo1->setGeometry(6, 374, 783, 76);
    Memo1->setReadOnly(true);
    Memo1->setFont(pixelFont(CourierNew, 21));
    QPalette memoColours = Memo1->palette();
    memoColours.setColor(QPalette::Base, Qt::black);
    memoColours.setColor(QPalette::Text, QColor(0x00, 0xFF, 0x00));
    Memo1->setPalette(memoColours);
    QTextOption centred = Memo1->document()->defaultTextOption();
    centred.setAlignment(Qt::AlignHCenter);
    Memo1->document()->setDefaultTextOption(centred);
    Memo1->hide();

    const std::array<QPoint, 4> answerPlaces{QPoint(4, 452), QPoint(399, 452), QPoint(4, 485),
                                             QPoint(399, 485)};
    for (int i = 0; i < 4; ++i) {
        auto* button = new TGradButton(client);
        button->setObjectName(QStringLiteral("FaqBtn%1").arg(i + 1));
        button->setGeometry(QRect(answerPlaces[i], QSize(390, 30)));
        button->setCaption(QString(QChar(u'A' + i)));
        button->setTag(i + 1);
        button->setFont(pixelFont(CourierNew, 17));
        button->setFontColor(QColor(0xFF, 0xFF, 0x00));
        button->hide();
        FaqBtn[i] = button;
    }

    Tablo = new TGradButton(client);
    Tablo->setObjectName(QStringLiteral("Tablo"));
    Tablo->setGeometry(5, 408, 786, 114);
    Tablo->setCaption(QStringLiteral("* 100 *"));
    Tablo->setFont(pixelFont(TimesNewRoman, 64, true));
    Tablo->setFontColor(QColor(0x00, 0xFF, 0xFF));
    Tablo->setGradColor(QColor(0x00, 0x80, 0x00));
    Tablo->setHighlightColor(QColor(0xFF, 0x00, 0x00));
    Tablo->setEnabled(false);
    Tablo->hide();

    ProgBar = new QzProgressBar(client);
    ProgBar->setObjectName(QStringLiteral("ProgBar"));
    ProgBar->setProgBarType(QzProgBarType::pbIntensity);
    ProgBar->setPosition(0);
    ProgBar->setCursor(Qt::CrossCursor);
    ProgBar->hide();

    CoolBar1 = new LadderBar(client);
    CoolBar1->setGeometry(591, 44, 193, 321);
    CoolBar1->hide();

    Panel1 = new QFrame(client);
    Panel1->setObjectName(QStringLiteral("Panel1"));
    Panel1->setGeometry(6, 44, 193, 321);
    ListView1 = new QTreeWidget(Panel1);
    ListView1->setObjectName(QStringLiteral("ListView1"));
    ListView1->setGeometry(0, 0, 193, 321);
    ListView1->setRootIsDecorated(false);
    ListView1->setHeaderLabels({QStringLiteral("Очки"), QStringLiteral("Игрок")});
    ListView1->setColumnWidth(1, 140);
    ListView1->setColumnWidth(0, 193 - 140 - 4);
    ListView1->setEditTriggers(QAbstractItemView::NoEditTriggers);
    ListView1->setSelectionMode(QAbstractItemView::SingleSelection);
    ListView1->setFont(pixelFont(SansSerif, 13));
    QPalette listColours = ListView1->palette();
    listColours.setColor(QPalette::Base, Qt::black);
    listColours.setColor(QPalette::Text, QColor(0x00, 0xFF, 0x00));
    ListView1->setPalette(listColours);
    Panel1->hide();

    Panel2 = new QFrame(client);
    Panel2->setObjectName(QStringLiteral("Panel2"));
    Panel2->setGeometry(269, 55, 268, 218);
    Panel2->setFrameStyle(QFrame::Panel | QFrame::Raised);
    Panel2->setLineWidth(2);
    Panel2->setStyleSheet(QStringLiteral("#Panel2 { background: aqua; }"));
    Panel2->hide();

    // The whole bar is the exit; its one panel says so.
    StatusBar1 = statusBar();
    StatusBar1->setObjectName(QStringLiteral("StatusBar1"));
    StatusBar1->setCursor(Qt::PointingHandCursor);
    StatusBar1->installEventFilter(this);
    auto* exitPanel = new QLabel(QStringLiteral("Выход"));
    exitPanel->setAlignment(Qt::AlignCenter);
    exitPanel->setFixedWidth(100);
    StatusBar1->addWidget(exitPanel);
    StatusBar1->setSizeGripEnabled(false);
    StatusBar1->setFont(pixelFont(SansSerif, 13));
    StatusBar1->setStyleSheet(QStringLiteral(
        "QStatusBar { background: #C0C0C0; }"
        "QStatusBar QLabel { color: black; border: 1px solid; border-color: #808080 white white #808080; }"));
}

void TForm1::layoutClient()
{
    const QSize size = m_client->size();
    m_speedBar->setGeometry(0, 0, size.width(), SpeedBar::BarHeight);
    ProgBar->setGeometry(0, size.height() - 18, size.width(), 18);
}

bool TForm1::eventFilter(QObject* watched, QEvent* event)
{
    if (watched == m_client && event->type() == QEvent::Resize)
        layoutClient();
    if (watched == StatusBar1 && event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton)
        runGuarded(m_services.dialogs, [this] { SpeedItem1Click(); });
    return QMainWindow::eventFilter(watched, event);
}

void TForm1::FormCreate()
{
    m_state.StartWidth = m_ds.CurrentWidth();
    m_state.StartHeight = m_ds.CurrentHeight();
    if (m_state.StartWidth < 800)
        m_ds.SetDisplaySettings(800, 600, 16, false);
    m_state.PlayerName.clear();
    MemoName->setChecked(m_settings.ReadSettingBool(SettingsSection, QStringLiteral("NameMNU"), true));
    MMZwuk->setChecked(m_settings.ReadSettingBool(SettingsSection, QStringLiteral("Звук вкл."), true));
    updateSoundHint();
    loadAnswerCounters();
    Wave(QStringLiteral("begin"), false, false);
    armIdleExit();
    ResImage(QStringLiteral("ways"));
    if (m_ds.CurrentWidth() < 800)
        m_services.dialogs.info(
            QStringLiteral("Внимание: \rПрограмма расчитана для работы с экраном 800x600!"));
    QPalette list = ListView1->palette();
    list.setColor(QPalette::Text, ListTextColor);
    ListView1->setPalette(list);
    m_state.Paused = false;
}

void TForm1::loadAnswerCounters()
{
    // Every New game first closes the game before it, which stores these
    // counters; read at start, they run on from run to run instead of
    // starting again from nothing.
    m_state.AdvertCount = m_settings.ReadSettingInt(SettingsSection, QStringLiteral("Реклама"), 5);
    m_state.ClickCount = m_settings.ReadSettingInt(SettingsSection, QStringLiteral("Ответ"), 0);
    m_state.PhraseNo = m_settings.ReadSettingInt(SettingsSection, QStringLiteral("Звук"), 0);
}

void TForm1::updateSoundHint()
{
    const bool on = MMZwuk->isChecked();
    SI6->setToolTip(soundHint(on));
    SpeedBar::setPicture(SI6, on ? QStringLiteral("sound") : QStringLiteral("sound_mute"));
}

void TForm1::SpeedItem1Click()
{
    if (m_ds.CurrentWidth() != m_state.StartWidth)
        m_ds.SetDisplaySettings(m_state.StartWidth, m_state.StartHeight, 16, true);
    emit terminated();
}

void TForm1::MemoNameClick()
{
    MemoName->setChecked(!MemoName->isChecked());
    if (MemoName->isChecked())
        m_settings.WriteSettingStr(SettingsSection, QStringLiteral("Игрок"), m_state.PlayerName);
    m_settings.WriteSettingBool(SettingsSection, QStringLiteral("NameMNU"), MemoName->isChecked());
}

void TForm1::MMZwukClick()
{
    Wave(QStringLiteral("btnCLICK"), false, false);
    MMZwuk->setChecked(!MMZwuk->isChecked());
    m_settings.WriteSettingBool(SettingsSection, QStringLiteral("Звук вкл."), MMZwuk->isChecked());
    updateSoundHint();
}

void TForm1::Wave(const QString& name, bool wait, bool toEnd)
{
    const QString path = m_services.paths.programFolder + QStringLiteral("wav/") + name +
                         QStringLiteral(".wav");
    const bool played = PlaySoundFile(m_services.sound, path, MMZwuk->isChecked(), toEnd);
    if (!played && wait)
        m_services.waiter.wait(2000);
}

void TForm1::ResImage(const QString& name)
{
    const QPixmap picture = renderPicture(name);
    Image1->setPixmap(picture);
    Image1->resize(picture.size());
    const int screenWidth = m_ds.CurrentWidth();
    Image1->move((screenWidth - picture.width()) / 2, PictureTop);
    Image1->repaint();
}

void TForm1::Timer2Timer()
{
    if (m_state.Level == 0)
        emit terminated();
}

void TForm1::N10Click() { showAboutBox(QApplication::windowIcon(), m_services.facts, m_services.waiter); }

void TForm1::openProgramDocument(const QString& page)
{
    m_services.shell.openDocument(QStringLiteral("file://") + m_services.paths.programFolder + page);
}

void TForm1::N15Click() { openProgramDocument(QStringLiteral("support.html")); }
void TForm1::N17Click() { m_services.shell.openDocument(QStringLiteral("mailto:?subject=Zambrel!")); }
void TForm1::N18Click() { openProgramDocument(QStringLiteral("sponsors.html#tavlin")); }
void TForm1::varnowebgroup1Click() { openProgramDocument(QStringLiteral("sponsors.html#varno")); }
void TForm1::N19Click() { openProgramDocument(QStringLiteral("tulip.html#rules")); }
void TForm1::HelpClick() { openProgramDocument(QStringLiteral("tulip.html")); }
