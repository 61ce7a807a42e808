// The game, ended at the first paint of its main window.
#include "app/game_program.h"
#include "app/main_window.h"
#include "first_paint.h"

#include <memory>

int main(int argc, char* argv[])
{
    QApplication app(argc, argv);
    std::unique_ptr<QuitOnFirstPaint> watch;
    return runGame(app, [&](MainWindow& form) { watch = std::make_unique<QuitOnFirstPaint>(form); });
}
