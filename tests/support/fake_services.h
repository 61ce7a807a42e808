// Fakes of the game's services for the window tests: waits that return at
// once and are recorded, scripted answers to the boxes, a fixed clock, a
// scripted random sequence.
#pragma once

#include "platform/services.h"
#include "platform/wait_scope.h"

#include <QDateTime>
#include <QStringList>
#include <QTimer>

#include <deque>
#include <functional>
#include <optional>
#include <vector>

class FakeWaiter : public Waiter {
public:
    void wait(int milliseconds) override
    {
        // A wait of the game, as the real one is: ticks are held meanwhile.
        const WaitScope scope;
        waits.push_back(milliseconds);
        if (onWait)
            onWait(milliseconds);
    }
    bool skippableWait(int milliseconds) override
    {
        wait(milliseconds);
        return playerSkips && playerSkips();
    }
    std::vector<int> waits;
    // Lets a test look at the screen while the game waits.
    std::function<void(int)> onWait;
    // Whether the player cuts the present skippable wait short.
    std::function<bool()> playerSkips;
};

class FakeSound : public SoundPlayer {
public:
    bool play(const QString& path, bool toEnd) override
    {
        played.append(path.section(u'/', -1) + (toEnd ? QStringLiteral(" to end") : QString()));
        if (toEnd && onPlayToEnd)
            onPlayToEnd();
        return playable;
    }
    QStringList played;
    // Lets a test look at the screen while a sound plays through.
    std::function<void()> onPlayToEnd;
    bool playable = true;
};

class FakeDialogs : public Dialogs {
public:
    void info(const QString& text) override { shown.append(QStringLiteral("info: ") + text); }
    void error(const QString& text) override { shown.append(QStringLiteral("error: ") + text); }
    bool askYesNo(const QString& text) override
    {
        shown.append(QStringLiteral("ask: ") + text);
        return take(yesNoAnswers, false);
    }
    void runtimeError(const QString& text) override
    {
        shown.append(QStringLiteral("runtime: ") + text);
    }
    QString inputText(const QString& caption, const QString& prompt,
                      const QString& defaultText) override
    {
        shown.append(QStringLiteral("input: ") + caption + u'|' + prompt + u'|' + defaultText);
        return take(inputAnswers, defaultText);
    }
    QString openFile(const QString& title, const QString&, const QString&,
                     const QString& folder) override
    {
        shown.append(QStringLiteral("open: ") + title);
        openedIn = folder;
        return take(fileAnswers, QString());
    }

    QStringList shown;
    QString openedIn;  // the folder the last file-open dialog started in
    std::deque<bool> yesNoAnswers;
    std::deque<QString> inputAnswers;
    std::deque<QString> fileAnswers;

private:
    template <typename T> static T take(std::deque<T>& answers, T fallback)
    {
        if (answers.empty())
            return fallback;
        T answer = answers.front();
        answers.pop_front();
        return answer;
    }
};

class FakeShell : public Shell {
public:
    void openDocument(const QString& nameOrAddress) override { opened.append(nameOrAddress); }
    QStringList opened;
};

class FakeClock : public Clock {
public:
    QDateTime now() const override { return current; }
    QDateTime current{QDate(2026, 12, 8), QTime(12, 0)};
};

// Draws from a scripted list; once it is used up, always 0.
class ScriptedRandom : public RandomSource {
public:
    void randomize() override { ++reseeds; }
    int random(int k) override
    {
        ranges.push_back(k);
        if (draws.empty())
            return 0;
        const int value = draws.front();
        draws.pop_front();
        return value;
    }
    std::deque<int> draws;
    std::vector<int> ranges;
    int reseeds = 0;
};

class FakeKeyboard : public KeyboardLayout {
public:
    void selectRussian() override { ++selections; }
    int selections = 0;
};

// As on X11: the display changes its mode at once and says so, while the
// size the program's screen reports catches up only when the event loop runs.
class FakeDisplay : public DisplayModes {
public:
    QSize screenSize() const override { return m_sizeBeforeChange.value_or(size); }
    std::optional<QSize> setMode(int width, int height, int bitsPerPixel, bool permanent) override
    {
        requests.push_back({width, height, bitsPerPixel, permanent});
        if (!allowChanges)
            return std::nullopt;
        if (!m_sizeBeforeChange) {
            m_sizeBeforeChange = size;
            QTimer::singleShot(0, &m_events, [this] { m_sizeBeforeChange.reset(); });
        }
        size = QSize(width, height);
        return size;
    }
    struct Request {
        int width, height, bits;
        bool permanent;
    };
    // The display's own size.
    QSize size{1024, 768};
    bool allowChanges = true;
    std::vector<Request> requests;

private:
    QObject m_events;
    std::optional<QSize> m_sizeBeforeChange;
};

// All fakes together, with the facts and folders of a test machine.
struct FakeServices {
    explicit FakeServices(const QString& folder)
        : services{waiter, sound, dialogs, shell, clock, random, keyboard, display, facts(),
                   paths(folder)}
    {
    }
    static SystemFacts facts()
    {
        SystemFacts f;
        f.loginName = QStringLiteral("vasya");
        f.networkUserName = QStringLiteral("vasya");
        f.computerName = QStringLiteral("studio");
        f.registeredOwner = QStringLiteral("Василий Пупкин");
        f.productId = QStringLiteral("0123456789abcdef");
        f.osName = QStringLiteral("Debian GNU/Linux 12 (bookworm)");
        f.osRelease = QStringLiteral("6.1.0");
        f.totalMemoryBytes = 8ULL << 30;
        return f;
    }
    static Paths paths(const QString& folder)
    {
        const QString base = folder.endsWith(u'/') ? folder : folder + u'/';
        return Paths{base + QStringLiteral("game/"), base + QStringLiteral("data/"),
                     base + QStringLiteral("config/Zambrel.ini"),
                     base + QStringLiteral("config/"), base + QStringLiteral("tmp/")};
    }

    FakeWaiter waiter;
    FakeSound sound;
    FakeDialogs dialogs;
    FakeShell shell;
    FakeClock clock;
    ScriptedRandom random;
    FakeKeyboard keyboard;
    FakeDisplay display;
    Services services;
};
