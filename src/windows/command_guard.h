// Every command and timer tick of the game's windows runs through here: a
// run-time error ends the command and is shown to the player, and never
// reaches the event loop.
#pragma once

#include <functional>

class Dialogs;

void runGuarded(Dialogs& dialogs, const std::function<void()>& command);
