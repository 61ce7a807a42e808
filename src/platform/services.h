// Everything with a side effect that the windows reach, handed to them at
// construction: the real ones in the game, fakes in the tests.
#pragma once

#include "platform/clock.h"
#include "platform/dialogs.h"
#include "platform/display_modes.h"
#include "platform/keyboard_layout.h"
#include "platform/paths.h"
#include "platform/random_source.h"
#include "platform/shell.h"
#include "platform/sound_player.h"
#include "platform/system_facts.h"
#include "platform/waiter.h"

struct Services {
    Waiter& waiter;
    SoundPlayer& sound;
    Dialogs& dialogs;
    Shell& shell;
    const Clock& clock;
    RandomSource& random;
    KeyboardLayout& keyboard;
    DisplayModes& display;
    SystemFacts facts;
    Paths paths;
};
