// A main window on a test machine: fake services, a temporary program
// folder with a small question table, and what the player saw recorded.
#pragma once

#include "adverts/advert_window.h"
#include "storage/ini_file.h"
#include "app/main_window.h"
#include "storage/settings_store.h"
#include "controls/grad_button.h"
#include "question_table_fixture.h"
#include "support/fake_services.h"
#include "support/qt_printers.h"
#include "windows/message_window.h"

#include <QApplication>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>
#include <QDir>
#include <QTemporaryDir>

#include <gtest/gtest.h>

#include <memory>

// Presses OK in every advertisement break as soon as it shows, and counts
// the breaks and the clips they showed.
class BreakCloser {
public:
    BreakCloser()
    {
        m_poll.setInterval(5);
        QObject::connect(&m_poll, &QTimer::timeout, [this] {
            if (auto* advert = qobject_cast<AdvertWindow*>(QApplication::activeModalWidget())) {
                ++breaks;
                pages.append(advert->page->toPlainText());
                if (onBreak)
                    onBreak();
                advert->okButton->click();
            }
        });
        m_poll.start();
    }
    int breaks = 0;
    QStringList pages;
    // Lets a test look at the game while a break is on.
    std::function<void()> onBreak;

private:
    QTimer m_poll;
};

class GameWindowTest : public ::testing::Test {
protected:
    GameWindowTest()
    {
        QDir().mkpath(m_fakes.services.paths.programFolder);
        QDir().mkpath(m_fakes.services.paths.dataFolder);
        QDir().mkpath(m_fakes.services.paths.windowsFolder);
        QDir::setCurrent(m_dir.path());  // where lider.html is written
        writeQuestionTable(dataFile(QStringLiteral("TULIP.DBF")), twoQuestionsPerLevel());
        m_fakes.waiter.onWait = [this](int ms) { noteScreen(ms); };
        m_fakes.sound.onPlayToEnd = [this] { noteScreen(0); };
    }

    void SetUp() override { startProgram(); }

    // The program starts (again), reading its settings afresh.
    void startProgram()
    {
        m_form.reset();
        m_form = std::make_unique<MainWindow>(m_fakes.services, m_settings);
        m_form->show();
    }

    // What ships with the game and is only read: sounds, help pages.
    QString programFile(const QString& name) const
    {
        return m_fakes.services.paths.programFolder + name;
    }
    // What the game rewrites: the question table, the results, tulip.dat.
    QString dataFile(const QString& name) const { return m_fakes.services.paths.dataFolder + name; }
    QString results() const { return dataFile(QStringLiteral("tulip.lst")); }
    GameState& state() { return m_form->state(); }

    // A player with a record in the results file, remembered by name.
    void knownPlayer(const QString& name, int balance, int games)
    {
        IniWriteInt(results(), name, QStringLiteral("Состояние"), balance);
        IniWriteInt(results(), name, QStringLiteral("Игра"), games);
        IniWriteStr(results(), name, QStringLiteral("Место"), QStringLiteral("Тула"));
        IniWriteStr(results(), name, QStringLiteral("DT"), QStringLiteral("07.12.2026 10:00"));
        m_settings.WriteSettingStr(SettingsSection, QStringLiteral("Игрок"), name);
    }

    void answerRight() { m_form->answer(state().RightAnswer); }
    void answerWrong() { m_form->answer(state().RightAnswer % 4 + 1); }
    // Answers right until the level is reached, clicking again after a tease.
    void climbTo(int level)
    {
        for (int clicks = 0; state().Level != level && clicks < 40; ++clicks)
            answerRight();
        ASSERT_EQ(state().Level, level);
    }
    int waitsOf(int ms) const
    {
        return static_cast<int>(std::count(m_fakes.waiter.waits.begin(), m_fakes.waiter.waits.end(), ms));
    }

    // At every wait and every sound played through: the message window's
    // text and colours, and the score board.
    void noteScreen(int ms)
    {
        for (QWidget* window : QApplication::topLevelWidgets())
            if (auto* message = dynamic_cast<MessageWindow*>(window); message && message->isVisible())
                m_messages.append(message->text() + u'|' +
                                  message->palette().color(QPalette::Window).name() + u'|' +
                                  message->textColour().name());
        if (m_form && m_form->scoreBoard->isVisible() && ms != 50)
            m_boards.append(m_form->scoreBoard->caption());
    }

    QTemporaryDir m_dir;
    FakeServices m_fakes{m_dir.path()};
    SettingsStore m_settings{m_fakes.services.paths.settingsFile};
    std::unique_ptr<MainWindow> m_form;
    QStringList m_messages;
    QStringList m_boards;
    BreakCloser m_breaks;
};
