// The main of the window tests: one application for all of them, offscreen
// unless the run asks for a platform of its own (a player's desktop under
// Xvfb: QT_QPA_PLATFORM=xcb).
#include <QApplication>

#include <gtest/gtest.h>

int main(int argc, char** argv) {
    if (!qEnvironmentVariableIsSet("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
