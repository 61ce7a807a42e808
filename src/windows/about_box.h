// The about box: the splash window with the program's own version facts,
// kept for six seconds in which the player's clicks wait, above the window
// it was asked from.
#pragma once

#include "platform/system_facts.h"

class QIcon;
class Waiter;

void showAboutBox(const QIcon& icon, const SystemFacts& facts, Waiter& waiter);
