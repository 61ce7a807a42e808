#include "adverts/advert_window.h"

#include "adverts/clip_links.h"
#include "adverts/rtf_document.h"
#include "adverts/rtf_reader.h"
#include "adverts/shadow_label.h"
#include "controls/game_fonts.h"
#include "controls/qz_gradient.h"
#include "platform/services.h"
#include "storage/code_page.h"
#include "storage/ini_file.h"
#include "windows/centred_dialog.h"
#include "windows/command_guard.h"

#include <QFrame>
#include <QLabel>
#include <QMouseEvent>
#include <QPushButton>
#include <QTextEdit>

using namespace game_fonts;

namespace {

QLabel* caption(const QString& text, QPoint place, QWidget* parent)
{
    auto* label = new QLabel(text, parent);
    label->setFont(pixelFont(SansSerif, 11));
    label->setStyleSheet(QStringLiteral("color: black; background: transparent;"));
    label->move(place);
    label->adjustSize();
    return label;
}

QLabel* link(QPoint place, QWidget* parent)
{
    auto* label = new QLabel(parent);
    QFont font = pixelFont(TimesNewRoman, 19, true);
    font.setUnderline(true);
    label->setFont(font);
    label->setStyleSheet(QStringLiteral("color: blue; background: transparent;"));
    label->setCursor(Qt::PointingHandCursor);
    label->move(place);
    return label;
}

} // namespace

AdvertWindow::AdvertWindow(Services& services, std::function<QPixmap(const QString&)> icons, QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint)
    , m_services(services)
    , m_icons(std::move(icons))
{
    setWindowTitle(QStringLiteral("Реклама"));
    setFixedSize(451, 315);
    setFont(pixelFont(SansSerif, 11));
    m_background = new TQzGradient(this);
    m_background->setColorTop(QColor(0xFF, 0xFF, 0x00));
    m_background->setColorBottom(QColor(0xFF, 0x00, 0x00));

    auto* bevel = new QFrame(this);
    bevel->setGeometry(3, 4, 444, 265);
    bevel->setFrameStyle(QFrame::Box | QFrame::Sunken);

    title = new ShadowLabel(QStringLiteral("Реклама"), this);
    title->setObjectName(QStringLiteral("title"));
    title->setGeometry(21, 54, 16, 168);

    icon = new QLabel(this);
    icon->setObjectName(QStringLiteral("icon"));
    icon->setGeometry(8, 11, 40, 40);
    icon->setAlignment(Qt::AlignCenter);

    page = new QTextEdit(this);
    page->setObjectName(QStringLiteral("page"));
    page->setGeometry(56, 11, 385, 209);

    webCaption = caption(QStringLiteral("World Wide Web:"), QPoint(151, 229), this);
    mailCaption = caption(QStringLiteral("Internet e-mail"), QPoint(168, 244), this);
    webLink = link(QPoint(240, 223), this);
    webLink->setObjectName(QStringLiteral("webLink"));
    mailLink = link(QPoint(240, 240), this);
    mailLink->setObjectName(QStringLiteral("mailLink"));
    webLink->installEventFilter(this);
    mailLink->installEventFilter(this);

    auto* buttonBar = new QFrame(this);
    buttonBar->setGeometry(0, height() - 41, width(), 41);
    buttonBar->setFrameStyle(QFrame::Panel | QFrame::Raised);
    buttonBar->setAutoFillBackground(true);
    buttonBar->setStyleSheet(QStringLiteral("background: #C0C0C0;"));
    okButton = new QPushButton(QStringLiteral("OK"), buttonBar);
    okButton->setObjectName(QStringLiteral("okButton"));
    okButton->setGeometry(359, 8, 75, 25);
    okButton->setDefault(true);
    okButton->setCursor(Qt::PointingHandCursor);
    connect(okButton, &QPushButton::clicked, this, &QDialog::accept);
}

QString AdvertWindow::advertFile() const { return ::advertFile(m_services.paths.dataFolder); }
QString AdvertWindow::counterFile() const { return m_services.paths.windowsFolder + QStringLiteral("tulip.ini"); }

void AdvertWindow::showBreak()
{
    execCentred(*this);
}

void AdvertWindow::showEvent(QShowEvent* event)
{
    // Every showing brings the next clip.
    runGuarded(m_services.dialogs, [this] { loadNextClip(); });
    okButton->setFocus();
    QDialog::showEvent(event);
}

void AdvertWindow::loadNextClip()
{
    const QString section = QStringLiteral("Zambrel!");
    const QString key = QStringLiteral("Ролик");
    const int number = clipToShow(IniReadInt(counterFile(), section, key, 1),
                                  IniReadInt(advertFile(), CommonSection, QStringLiteral("MAX"), 1));
    IniWriteInt(counterFile(), section, key, number + 1);
    showClip(number);
}

void AdvertWindow::showClip(int number)
{
    const QString clip = QStringLiteral("F%1").arg(number);
    QStringList lines;
    IniSectionLines(advertFile(), clip, lines);
    page->clear();
    fillRtfDocument(*page->document(), readRtf(cp1251::encode(lines.join(QStringLiteral("\r\n")))), font());

    const ClipLinks links = splitClipLinks(IniReadStr(advertFile(), CommonSection, clip, QStringLiteral(";;")));
    webLink->setText(links.web);
    webLink->adjustSize();
    mailLink->setText(links.mail);
    mailLink->adjustSize();
    webCaption->setVisible(!links.web.isEmpty());
    mailCaption->setVisible(!links.mail.isEmpty());
    icon->setPixmap(m_icons(links.icon));
}

void AdvertWindow::openWebLink()
{
    m_services.shell.openDocument(webLinkTarget(webLink->text(), m_services.paths.programFolder));
}

void AdvertWindow::writeMail()
{
    m_services.shell.openDocument(QStringLiteral("mailto:") + mailLink->text());
}

bool AdvertWindow::eventFilter(QObject* watched, QEvent* event)
{
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        if (watched == webLink && !webLink->text().isEmpty())
            runGuarded(m_services.dialogs, [this] { openWebLink(); });
        else if (watched == mailLink && !mailLink->text().isEmpty())
            runGuarded(m_services.dialogs, [this] { writeMail(); });
    }
    return QDialog::eventFilter(watched, event);
}
