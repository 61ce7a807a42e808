// The whole game program on this desktop: the real services wired to the
// main window, the splash while it is built, then the event loop.
#pragma once

#include <functional>

class QApplication;
class MainWindow;

// Shows the game's scene as large as the primary screen holds it, through
// Qt's own scaling, so every window and box grows alike. Called before the
// application object exists: Qt reads its scale only then.
void magnifySceneToScreen();

// The program's name on the desktop, given as it starts.
void nameProgram();

// The program ends when its main window says so, whatever box is open then.
void endProgramWith(MainWindow& form);

// shown runs once the main window is on screen (the start-up benchmark
// watches it there); the result is the event loop's.
int runGame(QApplication& app, const std::function<void(MainWindow&)>& shown = {});
