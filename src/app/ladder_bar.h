// The prize ladder beside the game: fifteen rows, the top one the
// million, the current question marked with ">".
#pragma once

#include <QColor>
#include <QFrame>

#include <array>

class QLineEdit;

class LadderBar : public QFrame {
    Q_OBJECT
public:
    explicit LadderBar(QWidget* parent);

    // Edit1 .. Edit15: row n is the question of level n.
    QLineEdit* row(int level) const { return m_rows.at(level - 1); }

    void SetLadderRow(int level, const QColor& text, const QColor& background, QChar marker);
    // Moves the marker to row n (1..15); n = 0 only restores row 1.
    void New(int n);

private:
    std::array<QLineEdit*, 15> m_rows{};
};
