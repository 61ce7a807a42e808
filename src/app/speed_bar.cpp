#include "app/speed_bar.h"

#include "app/pictures.h"

#include <QIcon>
#include <QToolButton>

namespace {
constexpr int ButtonWidth = 58;
constexpr int ButtonHeight = 32;
constexpr int Offset = 3;
constexpr int PictureSize = 26;
} // namespace

SpeedBar::SpeedBar(QWidget* parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("SpeedBar1"));
    setAttribute(Qt::WA_StyledBackground);
    setStyleSheet(QStringLiteral(
        "#SpeedBar1 { background: black; }"
        "QToolButton { background: transparent; border: 1px solid transparent; }"
        "QToolButton:hover:enabled { border: 1px solid #5060A0; border-radius: 3px; }"
        "QToolButton:pressed { background: #101840; }"));
}

QToolButton* SpeedBar::addButton(const QString& name, int left, const QString& hint,
                                 const QString& picture)
{
    auto* button = new QToolButton(this);
    button->setObjectName(name);
    button->setAutoRaise(true);
    button->setGeometry(left, Offset, ButtonWidth, ButtonHeight);
    button->setIconSize(QSize(PictureSize, PictureSize));
    button->setToolTip(hint);
    button->setFocusPolicy(Qt::NoFocus);
    setPicture(button, picture);
    return button;
}

void SpeedBar::setPicture(QToolButton* button, const QString& picture)
{
    // Drawn when first shown in that state, not before.
    QIcon icon;
    icon.addFile(picturePath(QStringLiteral("tb_") + picture), {}, QIcon::Normal);
    icon.addFile(picturePath(QStringLiteral("tb_") + picture + QStringLiteral("_off")), {},
                 QIcon::Disabled);
    button->setIcon(icon);
}
