#include "lifelines/alpha_panel.h"

#include "controls/bevel.h"
#include "controls/game_fonts.h"
#include "controls/qt_paint.h"

#include <QKeyEvent>
#include <QPainter>
#include <QToolButton>

namespace {

const QColor ButtonHighlight{0xFF, 0xFF, 0xFF};
const QColor ButtonShadow{0x80, 0x80, 0x80};

// A key looks like a speed button of the classic desktop: grey face, a
// one-pixel bevel, sunk while it is down.
const QString KeyStyle = QStringLiteral(
    "QToolButton { background: #c0c0c0; color: black; padding: 0px; border: 1px solid;"
    " border-color: #ffffff #808080 #808080 #ffffff; }"
    "QToolButton:pressed, QToolButton:checked { border-color: #808080 #ffffff #ffffff #808080;"
    " padding-left: 1px; padding-top: 1px; }");

const char* const TagProperty = "Tag";

QChar keyCharacter(const QAbstractButton& button) {
    return QChar(static_cast<char16_t>(button.property(TagProperty).toInt()));
}

} // namespace

TAlphaPanel::TAlphaPanel(QWidget* parent)
    : QFrame(parent)
    // The font a fresh key of the classic desktop had.
    , m_buttonFont(game_fonts::pixelFont(game_fonts::SansSerif, 11)) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // The dialog hands the keypad the focus so that typed digits dial.
    setFocusPolicy(Qt::StrongFocus);
    resize(448, 22);
}

void TAlphaPanel::setActiveButton(QChar character) {
    if (!character.isNull() || !m_catchButtons) {
        m_activeButton = character;
        if (m_catchButtons) {
            pressDown(FindButton(character));
        }
    } else {
        if (QAbstractButton* button = FindButton(m_activeButton)) {
            button->setChecked(false);
        }
        m_activeButton = QChar();
    }
    emit valueChange();
}

void TAlphaPanel::setAlphaButtons(const QStringList& rows) {
    m_alphaButtons = rows;
    m_activeButton = QChar();
    BuildButtons();
    emit valueChange();
}

void TAlphaPanel::setButtonFont(const QFont& font) {
    m_buttonFont = font;
    for (QAbstractButton* button : buttons()) {
        button->setFont(font);
    }
}

template <typename T> void TAlphaPanel::changeGeometry(T KeypadGeometry::*member, T value) {
    if (m_geometry.*member != value) {
        m_geometry.*member = value;
        BuildButtons();
    }
}

void TAlphaPanel::setBlankXSize(quint16 size) {
    changeGeometry(&KeypadGeometry::blankXSize, size);
}

void TAlphaPanel::setBlankYSize(quint16 size) {
    changeGeometry(&KeypadGeometry::blankYSize, size);
}

void TAlphaPanel::setButtonHeight(quint16 height) {
    changeGeometry(&KeypadGeometry::buttonHeight, height);
}

void TAlphaPanel::setButtonLeftMargin(quint16 margin) {
    changeGeometry(&KeypadGeometry::buttonLeftMargin, margin);
}

void TAlphaPanel::setButtonTopMargin(quint16 margin) {
    changeGeometry(&KeypadGeometry::buttonTopMargin, margin);
}

void TAlphaPanel::setButtonWidth(quint16 width) {
    changeGeometry(&KeypadGeometry::buttonWidth, width);
}

void TAlphaPanel::setButtonXSpacing(qint32 spacing) {
    changeGeometry(&KeypadGeometry::buttonXSpacing, spacing);
}

void TAlphaPanel::setButtonYSpacing(qint32 spacing) {
    changeGeometry(&KeypadGeometry::buttonYSpacing, spacing);
}

void TAlphaPanel::setAllowAllUp(bool allow) {
    // Read at the next press; the keys' states stay as they are.
    m_allowAllUp = allow;
}

void TAlphaPanel::setCatchButtons(bool catchButtons) {
    if (m_catchButtons != catchButtons) {
        m_catchButtons = catchButtons;
        UpdateButtonStates();
    }
}

void TAlphaPanel::setColor(const QColor& color) {
    m_color = color;
    update();
}

void TAlphaPanel::setBevelInner(TPanelBevel bevel) {
    m_bevelInner = bevel;
    update();
}

void TAlphaPanel::setBevelOuter(TPanelBevel bevel) {
    m_bevelOuter = bevel;
    update();
}

void TAlphaPanel::setBevelWidth(int width) {
    m_bevelWidth = width;
    update();
}

void TAlphaPanel::BuildButtons() {
    removeChildren();
    for (const KeypadKey& key : keypadKeys(m_alphaButtons, m_geometry)) {
        makeButton(key);
    }
    UpdateButtonStates();
}

void TAlphaPanel::makeButton(const KeypadKey& key) {
    auto* button = new QToolButton(this);
    // "&" would be taken for a mnemonic marker and vanish from the face.
    button->setText(key.character == QLatin1Char('&') ? QStringLiteral("&&")
                                                      : QString(key.character));
    button->setProperty(TagProperty, static_cast<int>(key.character.unicode()));
    button->setFocusPolicy(Qt::NoFocus);
    button->setStyleSheet(KeyStyle);
    button->setFont(m_buttonFont);
    button->setGeometry(key.area);
    connect(button, &QAbstractButton::clicked, this, [this, button] { ButtonClick(button); });
    button->show();
}

QList<QAbstractButton*> TAlphaPanel::buttons() const {
    return findChildren<QAbstractButton*>(Qt::FindDirectChildrenOnly);
}

QAbstractButton* TAlphaPanel::FindButton(QChar character) const {
    const QList<QAbstractButton*> keys = buttons();
    for (auto key = keys.rbegin(); key != keys.rend(); ++key) {
        if (keyCharacter(**key) == character) {
            return *key;
        }
    }
    return nullptr;
}

void TAlphaPanel::UpdateButtonStates() {
    for (QAbstractButton* button : buttons()) {
        button->setChecked(false);
        button->setCheckable(m_catchButtons);
    }
    if (!m_activeButton.isNull()) {
        pressDown(FindButton(m_activeButton));
    }
}

// Down in the group releases every other key; without `CatchButtons` no key
// stays down.
void TAlphaPanel::pressDown(const QAbstractButton* button) {
    if (button == nullptr) {
        return;
    }
    for (QAbstractButton* key : buttons()) {
        key->setChecked(key == button);
    }
}

void TAlphaPanel::ButtonClick(QAbstractButton* button) {
    if (!m_catchButtons) {
        m_activeButton = keyCharacter(*button);
    } else {
        // The click has already toggled the key.
        if (button->isChecked()) {
            pressDown(button);
        } else if (!m_allowAllUp) {
            button->setChecked(true);
        }
        m_activeButton = button->isChecked() ? keyCharacter(*button) : QChar();
    }
    emit valueChange();
}

void TAlphaPanel::removeChildren() {
    for (QWidget* child : findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        // A key may be removed from its own click: it leaves the panel now
        // and is destroyed once its click is over.
        child->hide();
        child->setParent(nullptr);
        child->deleteLater();
    }
}

void TAlphaPanel::keyPressEvent(QKeyEvent* event) {
    // A held key dials once, as a held mouse button does.
    const QString text = event->text();
    if (text.size() == 1 && !event->isAutoRepeat()) {
        if (QAbstractButton* button = FindButton(text.front())) {
            button->click();
            return;
        }
    }
    QFrame::keyPressEvent(event);
}

void TAlphaPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), m_color);
    QRect area = rect();
    drawBevel(painter, area, m_bevelOuter);
    drawBevel(painter, area, m_bevelInner);
}

// Draws one bevel ring inside the area and shrinks the area to within it.
void TAlphaPanel::drawBevel(QPainter& painter, QRect& area, TPanelBevel bevel) const {
    if (bevel == TPanelBevel::bvNone) {
        return;
    }
    QColor upperLeft = m_color;
    QColor lowerRight = m_color;
    if (bevel == TPanelBevel::bvRaised) {
        upperLeft = ButtonHighlight;
        lowerRight = ButtonShadow;
    } else if (bevel == TPanelBevel::bvLowered) {
        upperLeft = ButtonShadow;
        lowerRight = ButtonHighlight;
    }
    const PixelRect pixels{area.left(), area.top(), area.right() + 1, area.bottom() + 1};
    for (const BevelStroke& stroke : bevelStrokes(pixels, m_bevelWidth)) {
        fillPixelRect(painter, stroke.area, stroke.upperLeft ? upperLeft : lowerRight);
    }
    area.adjust(m_bevelWidth, m_bevelWidth, -m_bevelWidth, -m_bevelWidth);
}
