// The chart of the audience poll: a three-dimensional pie of the votes on
// navy under the title "Мнения зрителей:", each slice marked with its letter
// and its share of the votes shown. The poll adds a slice for each answer on
// show and turns the pie on every tick of the game's timer; the pie keeps its
// angle from one use of the poll to the next.
#pragma once

#include <QColor>
#include <QFont>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <vector>

class QPainter;
struct PieLayout;
struct PieArc;

class PollPie : public QWidget {
    Q_OBJECT

public:
    explicit PollPie(QWidget* parent = nullptr);

    void clear();
    // A slice of value votes (never negative) after those already added; a
    // slice without votes has no area but still its mark.
    void addSlice(const QString& label, int value, const QColor& colour);
    // What the slices' marks read, in the order the slices were added.
    QStringList markTexts() const;
    // Degrees, 0 to 355 in steps of 5.
    int rotation() const { return m_rotation; }
    // Turns the pie by 5 degrees and repaints it at once.
    void turn();

protected:
    void paintEvent(QPaintEvent* event) override;

private:
    struct Slice {
        QString label;
        int value = 0;
        QColor colour;
    };

    void drawWall(QPainter& painter, const PieLayout& layout,
                  const std::vector<PieArc>& arcs) const;
    void drawTop(QPainter& painter, const PieLayout& layout, const std::vector<PieArc>& arcs) const;
    void drawMarks(QPainter& painter, const PieLayout& layout,
                   const std::vector<PieArc>& arcs) const;

    std::vector<Slice> m_slices;
    int m_rotation = 0;
    const QFont m_titleFont;
    const QFont m_markFont;
};
