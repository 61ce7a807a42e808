// Starts the game.
#include "app/game_program.h"

#include <QApplication>

int main(int argc, char* argv[])
{
    magnifySceneToScreen();
    QApplication app(argc, argv);
    return runGame(app);
}
