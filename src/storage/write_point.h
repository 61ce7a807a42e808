// The steps of the writes of the game's files (an INI file replaced whole, a
// question table record or header written in place) at which a crash could
// cut a write short. Each write passes them in order; the game sets no
// watcher, while a test sets one to count them or to end its process at one
// of them, and proves that every file is whole after a crash at any step.
#pragma once

class WritePoint {
public:
    using Watcher = void (*)();

    static void setWatcher(Watcher watcher) { s_watcher = watcher; }
    static void pass()
    {
        if (s_watcher)
            s_watcher();
    }

private:
    static inline Watcher s_watcher = nullptr;
};
