// The main window on the screen it finds: the switch of a narrow screen, the
// windows that stand over it, and the end of the program.
#include "game_window_fixture.h"

TEST_F(GameWindowTest, ANarrowScreenSwitchedAtStartHasItsPicturesCentredForTheNewWidth)
{
    m_fakes.display.size = QSize(640, 480);
    startProgram();
    EXPECT_EQ(m_form->picture->pos(), QPoint((800 - 130) / 2, 55));
    EXPECT_TRUE(m_fakes.dialogs.shown.isEmpty());
    m_form->exitGame();
    EXPECT_EQ(m_fakes.display.size, QSize(640, 480));
}
