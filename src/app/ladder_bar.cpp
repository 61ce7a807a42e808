#include "app/ladder_bar.h"

#include "app/prize_ladder.h"

#include <QLineEdit>

namespace {
constexpr int RowWidth = 176;
constexpr int RowHeight = 20;
constexpr int BandHeight = 21;
constexpr int BandGrip = 11;  // room of a band's grip left of its row
} // namespace

LadderBar::LadderBar(QWidget* parent)
    : QFrame(parent)
{
    setObjectName(QStringLiteral("ladder"));
    setAutoFillBackground(true);
    setPalette(QPalette(Qt::black));
    setEnabled(false);

    QFont font;
    font.setFamilies({QStringLiteral("Terminal"), QStringLiteral("Liberation Mono"),
                      QStringLiteral("DejaVu Sans Mono")});
    font.setPixelSize(19);
    for (int level = 1; level <= TopLevel; ++level) {
        auto* edit = new QLineEdit(ladderRowText(level), this);
        edit->setObjectName(QStringLiteral("Edit%1").arg(level));
        edit->setReadOnly(true);
        edit->setFrame(false);
        edit->setFont(font);
        edit->setTextMargins(0, 0, 0, 0);
        edit->setGeometry(BandGrip, 3 + (TopLevel - level) * BandHeight, RowWidth, RowHeight);
        m_rows[level - 1] = edit;
        const LadderRowLook look = ladderRowLook(level, false);
        SetLadderRow(level, look.text, look.background, look.marker);
    }
}

void LadderBar::SetLadderRow(int level, const QColor& text, const QColor& background,
                             QChar marker)
{
    QLineEdit* edit = row(level);
    QPalette colours = edit->palette();
    colours.setColor(QPalette::Text, text);
    colours.setColor(QPalette::Base, background);
    edit->setPalette(colours);
    QString caption = edit->text();
    if (caption.size() >= 5)
        caption[4] = marker;
    edit->setText(caption);
}

void LadderBar::New(int n)
{
    const int restored = ladderRowToRestore(n);
    const LadderRowLook normal = ladderRowLook(restored, false);
    SetLadderRow(restored, normal.text, normal.background, normal.marker);
    if (n >= 1 && n <= TopLevel) {
        const LadderRowLook current = ladderRowLook(n, true);
        SetLadderRow(n, current.text, current.background, current.marker);
    }
}
