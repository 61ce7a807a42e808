// The game's windows as the window system gets them, on a virtual 1024 x 768
// X screen the test starts itself, its windows drawn at twice the scale: the
// titles a window manager shows, and the pictures on a scaled screen.
#include "game_window_fixture.h"

#include "app/game_program.h"
#include "platform/x11_connection.h"
#include "support/modal_answer.h"
#include "support/virtual_screen.h"
#include "windows/qt_dialogs.h"
#include "windows/splash_window.h"

#include <QDialog>
#include <QLabel>

#include <X11/Xatom.h>
#include <X11/Xlib.h>


namespace {

// The title a window manager reads (the EWMH name in UTF-8).
QString titleOnTheDesktop(const QWidget& window)
{
    Display* display = x11Display();
    const Atom name = XInternAtom(display, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(display, "UTF8_STRING", False);
    Atom type = None;
    int format = 0;
    unsigned long length = 0;
    unsigned long remaining = 0;
    unsigned char* data = nullptr;
    if (XGetWindowProperty(display, window.winId(), name, 0, 1024, False, utf8, &type, &format,
                           &length, &remaining, &data) != Success)
        return {};
    const QString title = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<int>(length));
    XFree(data);
    return title;
}

} // namespace

// Titles stay the captions the game gives its windows: nothing is added.
TEST_F(GameWindowTest, WindowTitlesAreExactlyTheGamesCaptions)
{
    nameProgram();
    startProgram();  // its window made after the name was given
    ShowSplash(QIcon(), QStringLiteral("Добро пожаловать"), m_fakes.services.facts, VersionInfo{});
    const QWidget* splash = nullptr;
    for (QWidget* window : QApplication::topLevelWidgets())
        if (window->objectName() == QStringLiteral("EFD_Splash"))
            splash = window;
    ASSERT_NE(splash, nullptr);
    EXPECT_EQ(titleOnTheDesktop(*splash), QStringLiteral("Добро пожаловать"));
    CloseSplash();

    EXPECT_EQ(titleOnTheDesktop(*m_form), QStringLiteral("Zambrel!"));

    QString boxTitle;
    const ModalAnswer answer(
        QStringLiteral("the information box"),
        [&](QWidget& box) {
            boxTitle = titleOnTheDesktop(box);
            static_cast<QDialog&>(box).accept();
        },
        std::chrono::milliseconds(3000));
    QtDialogs().info(QStringLiteral("Вопросов больше нет."));
    ASSERT_TRUE(answer.answered());
    EXPECT_EQ(boxTitle, QStringLiteral("Информация"));
}

// The display counts 1024 pixels; the window 512 of its own.
TEST_F(GameWindowTest, OnAScaledScreenPicturesAreCentredInTheWindowsOwnPixels)
{
    ASSERT_EQ(m_form->devicePixelRatio(), 2);
    EXPECT_EQ(m_form->picture->pos(), QPoint((512 - 130) / 2, 55));
}

int main(int argc, char** argv)
{
    return runTestsOnAScaledVirtualScreen<QApplication>(argc, argv);
}
