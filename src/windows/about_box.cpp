#include "windows/about_box.h"

#include "platform/waiter.h"
#include "windows/program_version.h"
#include "windows/splash_window.h"

void showAboutBox(const QIcon& icon, const SystemFacts& facts, Waiter& waiter) {
    ShowSplash(icon, QStringLiteral("О программе.."), facts, programVersion());
    waiter.wait(6000);
    CloseSplash();
}
