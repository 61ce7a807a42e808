// How long one turn of the audience poll's pie takes, repaint included, as a
// multiple of repainting the same panel with one plain fill in the same run.
// The game turns the pie every 300 ms; a turn should stay well under 5 ms.
#include "lifelines/poll_pie.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QPainter>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <vector>

namespace {

constexpr int Turns = 720; // ten whole turns of the pie
constexpr int Runs = 7;
const QSize Chart(264, 214);

// The reference: the chart's panel in its background colour and nothing more.
class PlainPanel : public QWidget {
public:
    PlainPanel() { setAttribute(Qt::WA_OpaquePaintEvent); }

protected:
    void paintEvent(QPaintEvent*) override { QPainter(this).fillRect(rect(), Qt::darkBlue); }
};

// Shows the widget and waits, at most five seconds, until it is on screen.
void showOnScreen(QWidget& widget) {
    widget.resize(Chart);
    widget.show();
    QElapsedTimer waited;
    waited.start();
    while (!(widget.windowHandle() && widget.windowHandle()->isExposed())) {
        if (waited.elapsed() > 5000)
            qFatal("the widget never came on screen");
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);
    }
    QCoreApplication::processEvents();
}

// Median of the runs, in nanoseconds per repaint.
double medianNsPer(const std::function<void()>& repaint) {
    std::vector<qint64> times;
    for (int run = 0; run < Runs; ++run) {
        QElapsedTimer timer;
        timer.start();
        for (int turn = 0; turn < Turns; ++turn)
            repaint();
        times.push_back(timer.nsecsElapsed());
    }
    std::sort(times.begin(), times.end());
    return static_cast<double>(times[times.size() / 2]) / Turns;
}

} // namespace

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    std::setvbuf(stdout, nullptr, _IONBF, 0);

    PollPie pie;
    pie.addSlice(QStringLiteral("A"), 20, Qt::red);
    pie.addSlice(QStringLiteral("B"), 13, Qt::green);
    pie.addSlice(QStringLiteral("C"), 17, Qt::blue);
    pie.addSlice(QStringLiteral("D"), 0, Qt::yellow);
    showOnScreen(pie);
    PlainPanel panel;
    showOnScreen(panel);

    std::printf("one turn of the poll's pie (%dx%d, four slices), against a plain fill of the "
                "same panel, each repainted %d times\n",
                Chart.width(), Chart.height(), Turns);
    const double plain = medianNsPer([&] { panel.repaint(); });
    const double turn = medianNsPer([&] { pie.turn(); });
    std::printf("plain fill %.1f us, pie turn %.1f us per repaint; turn / plain fill %.1f\n",
                plain / 1e3, turn / 1e3, turn / plain);
    return 0;
}
