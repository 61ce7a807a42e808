// The reference for the exit: the smallest Qt widgets program with a main
// window over the screen that ends at a click on its status bar, as the game
// ends at a click on its own.
#include <QApplication>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QStatusBar>

namespace {

class QuitOnClick : public QObject {
public:
    explicit QuitOnClick(QWidget& widget) { widget.installEventFilter(this); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::MouseButtonRelease)
            QApplication::quit();
        return QObject::eventFilter(watched, event);
    }
};

} // namespace

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.setWindowTitle(QStringLiteral("Reference"));
    window.menuBar()->addMenu(QStringLiteral("Игра"));
    window.setCentralWidget(new QLabel(QStringLiteral("Zambrel!")));
    window.statusBar()->addWidget(new QLabel(QStringLiteral("Выход")));
    const QuitOnClick exit(*window.statusBar());
    window.setGeometry(QGuiApplication::primaryScreen()->availableGeometry());
    window.show();
    return QApplication::exec();
}
