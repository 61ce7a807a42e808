// The game's push button with a graded face and a bevelled frame: the four
// answer buttons, the score board and the phone dialog's countdown button.
// It paints its whole area itself from the state its setters hold, and
// reports a click when the left button is released over it after being
// pressed on it.
#pragma once

#include <QColor>
#include <QImage>
#include <QString>
#include <QWidget>

class TGradButton : public QWidget {
    Q_OBJECT
    Q_PROPERTY(QColor GradColor READ gradColor WRITE setGradColor)
    Q_PROPERTY(QColor FaceColor READ faceColor WRITE setFaceColor)
    Q_PROPERTY(QColor HighlightColor READ highlightColor WRITE setHighlightColor)
    Q_PROPERTY(QColor ShadowColor READ shadowColor WRITE setShadowColor)
    Q_PROPERTY(int BevelWidth READ bevelWidth WRITE setBevelWidth)
    Q_PROPERTY(int BorderWidth READ borderWidth WRITE setBorderWidth)
    Q_PROPERTY(QString Caption READ caption WRITE setCaption)
    Q_PROPERTY(QColor FontColor READ fontColor WRITE setFontColor)
    Q_PROPERTY(int Tag READ tag WRITE setTag)

public:
    explicit TGradButton(QWidget* parent = nullptr);

    QColor gradColor() const { return m_gradColor; }
    void setGradColor(const QColor& color);
    QColor faceColor() const { return m_faceColor; }
    void setFaceColor(const QColor& color);
    QColor highlightColor() const { return m_highlightColor; }
    void setHighlightColor(const QColor& color);
    QColor shadowColor() const { return m_shadowColor; }
    void setShadowColor(const QColor& color);
    int bevelWidth() const { return m_bevelWidth; }
    void setBevelWidth(int width);
    int borderWidth() const { return m_borderWidth; }
    void setBorderWidth(int width);

    QString caption() const { return m_caption; }
    void setCaption(const QString& caption);
    QColor fontColor() const { return m_fontColor; }
    void setFontColor(const QColor& color);
    int tag() const { return m_tag; }
    void setTag(int tag) { m_tag = tag; }

    bool isPressed() const { return m_pressed; }
    // The face as last rendered, at the size of the area inside the border.
    const QImage& gradientBitmap() const { return m_gradient; }

signals:
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize gradientSize() const;
    void renderGradient();
    bool isOver(const QPoint& point) const;
    void setPressed(bool pressed);
    // Stores a new value and redraws at once; an equal value changes nothing.
    template <typename T> bool change(T& member, const T& value);

    QColor m_gradColor{0x00, 0x00, 0xFF};
    QColor m_faceColor{0x00, 0x00, 0x00};
    QColor m_highlightColor{0xFF, 0xFF, 0xFF};
    QColor m_shadowColor{0x00, 0x00, 0x00};
    int m_bevelWidth = 1;
    int m_borderWidth = 1;
    QString m_caption{QStringLiteral("TGradButton")};
    QColor m_fontColor{0xFF, 0xFF, 0xFF};
    int m_tag = 0;
    QImage m_gradient;
    bool m_pressed = false;
    bool m_tracking = false;
};
