#include "windows/about_box.h"

#include "machine_facts.h"
#include "platform/waiter.h"
#include "top_level.h"
#include "windows/program_version.h"

#include <QIcon>
#include <QImage>
#include <QRegularExpression>

#include <gtest/gtest.h>

namespace {

// Looks at the screen while the game waits.
class WatchingWaiter : public Waiter {
public:
    void wait(int milliseconds) override {
        waited.append(milliseconds);
        QWidget* splash = topLevelNamed(QStringLiteral("EFD_Splash"));
        if (splash == nullptr)
            return;
        caption = splash->windowTitle();
        redPixels = countColour(splash->grab().toImage(), QRect(80, 16, 200, 28), Qt::red);
    }

    bool skippableWait(int milliseconds) override {
        wait(milliseconds);
        return false;
    }

    QList<int> waited;
    QString caption;
    int redPixels = 0;
};

} // namespace

TEST(AboutBox, ShowsTheSplashForSixSecondsThenClosesIt) {
    WatchingWaiter waiter;
    showAboutBox(QIcon(), sampleMachine(), waiter);
    EXPECT_EQ(waiter.waited, QList<int>{6000});
    EXPECT_EQ(waiter.caption, QStringLiteral("О программе.."));
    EXPECT_GT(waiter.redPixels, 100); // the product name
    EXPECT_TRUE(topLevelsNamed(QStringLiteral("EFD_Splash")).isEmpty());
}

TEST(ProgramVersion, NamesTheGameItsMakerAndTheBuildsVersion) {
    const VersionInfo version = programVersion();
    EXPECT_EQ(version.productName, QStringLiteral("Zambrel!"));
    EXPECT_EQ(version.companyName, QStringLiteral("ZeZoza"));
    EXPECT_EQ(version.legalCopyright, QStringLiteral("(C) 2026 ZeZoza"));
    EXPECT_TRUE(version.fileDescription.startsWith(QStringLiteral("Телевикторина")));
    EXPECT_TRUE(version.fileVersion.contains(QRegularExpression(QStringLiteral("^\\d+\\.\\d+"))))
        << version.fileVersion.toStdString();
}
