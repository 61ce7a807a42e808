// A virtual X screen of a test's own, for what the game hands to the window
// system: Xvfb picks a free display and names it once it is ready. The
// server ends with the object.
#pragma once

#include <QByteArray>

#include <gtest/gtest.h>

#include <iostream>

#include <csignal>
#include <fcntl.h>
#include <poll.h>
#include <sys/wait.h>
#include <unistd.h>

class VirtualScreen {
public:
    // geometry as Xvfb takes it, e.g. "1024x768x24"; an extension named
    // is left out of the server.
    explicit VirtualScreen(const char* geometry, const char* withoutExtension = nullptr)
    {
        int ready[2];
        if (pipe(ready) != 0)
            return;
        m_server = fork();
        if (m_server == 0) {
            close(ready[0]);
            const int quiet = open("/dev/null", O_WRONLY);
            dup2(quiet, STDOUT_FILENO);
            dup2(quiet, STDERR_FILENO);
            const QByteArray fd = QByteArray::number(ready[1]);
            if (withoutExtension)
                execlp("Xvfb", "Xvfb", "-displayfd", fd.constData(), "-screen", "0", geometry,
                       "-nolisten", "tcp", "-extension", withoutExtension, static_cast<char*>(nullptr));
            else
                execlp("Xvfb", "Xvfb", "-displayfd", fd.constData(), "-screen", "0", geometry,
                       "-nolisten", "tcp", static_cast<char*>(nullptr));
            _exit(127);
        }
        close(ready[1]);
        if (m_server > 0)
            m_display = readDisplay(ready[0]);
        close(ready[0]);
    }
    ~VirtualScreen()
    {
        if (m_server <= 0)
            return;
        kill(m_server, SIGTERM);
        for (int tries = 0; tries < 500 && waitpid(m_server, nullptr, WNOHANG) == 0; ++tries)
            usleep(10000);
        if (waitpid(m_server, nullptr, WNOHANG) == 0) {
            kill(m_server, SIGKILL);
            waitpid(m_server, nullptr, 0);
        }
    }
    VirtualScreen(const VirtualScreen&) = delete;
    VirtualScreen& operator=(const VirtualScreen&) = delete;

    bool isUp() const { return !m_display.isEmpty(); }
    // ":N", for DISPLAY.
    QByteArray display() const { return m_display; }

private:
    // The server writes its display number and a line break once it takes
    // connections; ten seconds is the most it is given.
    static QByteArray readDisplay(int fd)
    {
        QByteArray number;
        pollfd watch{fd, POLLIN, 0};
        char c = 0;
        while (poll(&watch, 1, 10000) > 0 && read(fd, &c, 1) == 1 && c != '\n')
            number.append(c);
        return c == '\n' && !number.isEmpty() ? ':' + number : QByteArray();
    }

    pid_t m_server = -1;
    QByteArray m_display;
};

// The main of a test that runs on a 1024 x 768 virtual screen of its own,
// its windows drawn at twice the scale. Application is QGuiApplication or
// QApplication, whichever the tests need.
template <typename Application>
int runTestsOnAScaledVirtualScreen(int argc, char** argv)
{
    const VirtualScreen screen("1024x768x24");
    if (!screen.isUp()) {
        std::cerr << "No virtual X screen: is Xvfb installed?\n";
        return 1;
    }
    qputenv("DISPLAY", screen.display());
    qputenv("QT_QPA_PLATFORM", "xcb");
    qputenv("QT_SCALE_FACTOR", "2");
    int result = 0;
    {
        Application app(argc, argv);
        ::testing::InitGoogleTest(&argc, argv);
        result = RUN_ALL_TESTS();
    }
    return result;
}
