#include "controls/qz_gradient.h"

#include "paint_counter.h"

#include <QImage>
#include <QPainter>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

namespace {

const QColor FormColor(0x00, 0x28, 0x51);

// A form with painting of its own, so the order of painting shows.
class TestForm : public QWidget {
public:
    explicit TestForm(QStringList& log)
        : m_log(log) {
        QPalette palette = this->palette();
        palette.setColor(QPalette::Window, FormColor);
        setPalette(palette);
    }

protected:
    void paintEvent(QPaintEvent*) override {
        m_log << QStringLiteral("form");
        QPainter(this).fillRect(0, 0, 2, 2, Qt::red);
    }

private:
    QStringList& m_log;
};

class TestChild : public QWidget {
public:
    TestChild(QWidget* parent, QStringList& log)
        : QWidget(parent)
        , m_log(log) {}

protected:
    void paintEvent(QPaintEvent*) override {
        m_log << QStringLiteral("child");
        QPainter(this).fillRect(rect(), Qt::green);
    }

private:
    QStringList& m_log;
};

} // namespace

TEST(TQzGradient, NewGradientRunsFromNavyToBlue) {
    QWidget form;
    const TQzGradient gradient(&form);
    EXPECT_EQ(gradient.colorTop(), QColor(0x00, 0x00, 0x80));
    EXPECT_EQ(gradient.colorBottom(), QColor(0x00, 0x00, 0xFF));
    EXPECT_TRUE(gradient.isEnabled());
}

TEST(TQzGradient, TwoRowBlackToWhiteFormHas128OnItsSecondRow) {
    QWidget form;
    form.resize(10, 2);
    TQzGradient gradient(&form);
    gradient.setColorTop(Qt::black);
    gradient.setColorBottom(Qt::white);
    const QImage image = form.grab().toImage();
    EXPECT_EQ(image.pixelColor(5, 0), QColor(0, 0, 0));
    EXPECT_EQ(image.pixelColor(5, 1), QColor(128, 128, 128));
}

TEST(TQzGradient, GradientComesFirstThenTheFormsOwnPaintingThenItsControls) {
    QStringList log;
    TestForm form(log);
    form.resize(100, 100);
    auto* child = new TestChild(&form, log);
    child->setGeometry(50, 50, 10, 10);
    TQzGradient gradient(&form);
    gradient.setColorTop(Qt::black);
    gradient.setColorBottom(QColor(0, 0, 0x80));
    QObject::connect(&gradient, &TQzGradient::gradientBegin,
                     [&log] { log << QStringLiteral("begin"); });
    QObject::connect(&gradient, &TQzGradient::gradientEnd,
                     [&log] { log << QStringLiteral("end"); });

    const QImage image = form.grab().toImage();
    EXPECT_EQ(log, (QStringList{"begin", "end", "form", "child"}));
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
    EXPECT_EQ(image.pixelColor(55, 55), QColor(Qt::green));
    EXPECT_EQ(image.pixelColor(20, 50), QColor(0, 0, 64));
}

TEST(TQzGradient, DisabledGradientLeavesTheFormColourAndTheFormsOwnPainting) {
    QStringList log;
    TestForm form(log);
    form.resize(100, 100);
    TQzGradient gradient(&form);
    QObject::connect(&gradient, &TQzGradient::gradientBegin,
                     [&log] { log << QStringLiteral("begin"); });
    gradient.setEnabled(false);
    const QImage image = form.grab().toImage();
    EXPECT_EQ(log, (QStringList{"form"}));
    EXPECT_EQ(image.pixelColor(50, 90), FormColor);
    EXPECT_EQ(image.pixelColor(1, 1), QColor(Qt::red));
}

TEST(TQzGradient, EqualValueDoesNothingAndANewValueRepaintsTheForm) {
    QWidget form;
    form.resize(50, 50);
    TQzGradient gradient(&form);
    form.show();
    ASSERT_TRUE(QTest::qWaitForWindowExposed(&form));
    QCoreApplication::processEvents();
    const PaintCounter paints(&form);
    const char* const names[] = {"ColorTop", "ColorBottom", "Enabled"};
    for (const char* name : names) {
        SCOPED_TRACE(name);
        const int before = paints.count();
        gradient.setProperty(name, gradient.property(name));
        QCoreApplication::processEvents();
        EXPECT_EQ(paints.count(), before);
        const QVariant current = gradient.property(name);
        gradient.setProperty(name, current.typeId() == QMetaType::Bool
                                       ? QVariant(!current.toBool())
                                       : QVariant(QColor(Qt::yellow)));
        QCoreApplication::processEvents();
        EXPECT_EQ(paints.count(), before + 1);
    }
}
