// The keypad of the phone-a-friend dialog: a bevelled panel that lays out a
// grid of small push buttons, one per character of its rows (a space leaves
// a gap, an empty row a gap row). A press on a key, with the mouse or by
// typing its character while the panel has the focus, records the key in
// `ActiveButton` and emits valueChange(), also when the same key is pressed
// again. With `CatchButtons` the keys form one radio group and the pressed
// key stays down; `AllowAllUp` lets a second press release it.
#pragma once

#include "lifelines/keypad_layout.h"

#include <QChar>
#include <QColor>
#include <QFont>
#include <QFrame>
#include <QStringList>

class QAbstractButton;
class QPainter;

enum class TPanelBevel { bvNone, bvLowered, bvRaised, bvSpace };

class TAlphaPanel : public QFrame {
    Q_OBJECT
    Q_PROPERTY(QChar ActiveButton READ activeButton WRITE setActiveButton)
    Q_PROPERTY(QStringList AlphaButtons READ alphaButtons WRITE setAlphaButtons)
    Q_PROPERTY(QFont ButtonFont READ buttonFont WRITE setButtonFont)
    Q_PROPERTY(quint16 BlankXSize READ blankXSize WRITE setBlankXSize)
    Q_PROPERTY(quint16 BlankYSize READ blankYSize WRITE setBlankYSize)
    Q_PROPERTY(quint16 ButtonHeight READ buttonHeight WRITE setButtonHeight)
    Q_PROPERTY(quint16 ButtonLeftMargin READ buttonLeftMargin WRITE setButtonLeftMargin)
    Q_PROPERTY(quint16 ButtonTopMargin READ buttonTopMargin WRITE setButtonTopMargin)
    Q_PROPERTY(quint16 ButtonWidth READ buttonWidth WRITE setButtonWidth)
    Q_PROPERTY(qint32 ButtonXSpacing READ buttonXSpacing WRITE setButtonXSpacing)
    Q_PROPERTY(qint32 ButtonYSpacing READ buttonYSpacing WRITE setButtonYSpacing)
    Q_PROPERTY(bool AllowAllUp READ allowAllUp WRITE setAllowAllUp)
    Q_PROPERTY(bool CatchButtons READ catchButtons WRITE setCatchButtons)
    Q_PROPERTY(QColor Color READ color WRITE setColor)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)

public:
    explicit TAlphaPanel(QWidget* parent = nullptr);

    // QChar() when no key is recorded.
    QChar activeButton() const { return m_activeButton; }
    void setActiveButton(QChar character);
    const QStringList& alphaButtons() const { return m_alphaButtons; }
    void setAlphaButtons(const QStringList& rows);
    const QFont& buttonFont() const { return m_buttonFont; }
    void setButtonFont(const QFont& font);

    quint16 blankXSize() const { return m_geometry.blankXSize; }
    void setBlankXSize(quint16 size);
    quint16 blankYSize() const { return m_geometry.blankYSize; }
    void setBlankYSize(quint16 size);
    quint16 buttonHeight() const { return m_geometry.buttonHeight; }
    void setButtonHeight(quint16 height);
    quint16 buttonLeftMargin() const { return m_geometry.buttonLeftMargin; }
    void setButtonLeftMargin(quint16 margin);
    quint16 buttonTopMargin() const { return m_geometry.buttonTopMargin; }
    void setButtonTopMargin(quint16 margin);
    quint16 buttonWidth() const { return m_geometry.buttonWidth; }
    void setButtonWidth(quint16 width);
    qint32 buttonXSpacing() const { return m_geometry.buttonXSpacing; }
    void setButtonXSpacing(qint32 spacing);
    qint32 buttonYSpacing() const { return m_geometry.buttonYSpacing; }
    void setButtonYSpacing(qint32 spacing);

    bool allowAllUp() const { return m_allowAllUp; }
    void setAllowAllUp(bool allow);
    bool catchButtons() const { return m_catchButtons; }
    void setCatchButtons(bool catchButtons);

    QColor color() const { return m_color; }
    void setColor(const QColor& color);
    TPanelBevel bevelInner() const { return m_bevelInner; }
    void setBevelInner(TPanelBevel bevel);
    TPanelBevel bevelOuter() const { return m_bevelOuter; }
    void setBevelOuter(TPanelBevel bevel);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);

    // Replaces every child of the panel by the keys of the rows, then brings
    // their states in line.
    void BuildButtons();
    // The key of the character, the one made last when several share it.
    QAbstractButton* FindButton(QChar character) const;
    // Down states and grouping of all keys after `CatchButtons`, `AllowAllUp`
    // and `ActiveButton`.
    void UpdateButtonStates();

signals:
    // A key was pressed or `ActiveButton` assigned; read activeButton().
    void valueChange();

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;

private:
    void ButtonClick(QAbstractButton* button);
    void makeButton(const KeypadKey& key);
    QList<QAbstractButton*> buttons() const;
    void pressDown(const QAbstractButton* button);
    void removeChildren();
    template <typename T> void changeGeometry(T KeypadGeometry::*member, T value);
    void drawBevel(QPainter& painter, QRect& area, TPanelBevel bevel) const;

    QChar m_activeButton;
    QStringList m_alphaButtons;
    QFont m_buttonFont;
    KeypadGeometry m_geometry;
    bool m_allowAllUp = false;
    bool m_catchButtons = false;
    QColor m_color{0xC0, 0xC0, 0xC0}; // the button-face grey of a plain panel
    TPanelBevel m_bevelInner = TPanelBevel::bvNone;
    TPanelBevel m_bevelOuter = TPanelBevel::bvRaised;
    int m_bevelWidth = 1;
};
