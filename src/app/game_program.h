// The whole game program on this desktop: the real services wired to the
// main window, the splash while it is built, then the event loop.
#pragma once

#include <functional>

class QApplication;
class MainWindow;

// shown runs once the main window is on screen (the start-up benchmark
// watches it there); the result is the event loop's.
int runGame(QApplication& app, const std::function<void(MainWindow&)>& shown = {});
