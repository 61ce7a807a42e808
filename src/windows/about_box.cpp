#include "windows/about_box.h"

#include "platform/waiter.h"
#include "windows/program_version.h"
#include "windows/splash_window.h"

#include <QApplication>

void showAboutBox(const QIcon& icon, const SystemFacts& facts, Waiter& waiter) {
    // The window the player asked from owns the box, which then stays above it.
    ShowSplash(icon, QStringLiteral("О программе.."), facts, programVersion(),
               QApplication::activeWindow());
    waiter.wait(6000);
    CloseSplash();
}
