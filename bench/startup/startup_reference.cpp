// The reference: the smallest Qt widgets program with a main window, a menu
// and a label, ended at its first paint.
#include "first_paint.h"

#include <QLabel>
#include <QMainWindow>
#include <QMenuBar>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    QMainWindow window;
    window.menuBar()->addMenu(QStringLiteral("Игра"));
    window.setCentralWidget(new QLabel(QStringLiteral("Zambrel!")));
    const QuitOnFirstPaint watch(window);
    window.show();
    return QApplication::exec();
}
