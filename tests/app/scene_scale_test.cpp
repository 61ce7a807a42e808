// How large the 800 × 600 scene is shown on a screen, and where it lies in
// the window.
#include "app/scene_scale.h"

#include <gtest/gtest.h>

namespace {

// The scene as the player sees it: the screen's pixels over the whole
// magnification, preset and ours.
QSizeF shownScene(QSize screen, double preset, std::optional<double> global)
{
    return QSizeF(screen) / (global ? *global : preset);
}

} // namespace

TEST(SceneScaleTest, TheSceneFillsTheScreenAsFarAsItsShapeAllows)
{
    struct Case {
        QSize screen;
        double magnification;
    };
    for (const Case& c : {Case{{1366, 768}, 1.28}, Case{{1920, 1080}, 1.8}, Case{{1024, 768}, 1.28},
                          Case{{1280, 1024}, 1.6}, Case{{2560, 1440}, 2.4}}) {
        const std::optional<double> factor = magnifiedGlobalFactor(c.screen, u"", 1.0);
        ASSERT_TRUE(factor) << c.screen.width();
        EXPECT_DOUBLE_EQ(*factor, c.magnification) << c.screen.width();
        const QSizeF shown = shownScene(c.screen, 1.0, factor);
        // Whole on the screen, one side of it filled.
        EXPECT_GE(shown.width(), 800 - 1e-9);
        EXPECT_GE(shown.height(), 600 - 1e-9);
        EXPECT_TRUE(shown.toSize().width() == 800 || shown.toSize().height() == 600) << c.screen.width();
    }
}

TEST(SceneScaleTest, AnOddScreenIsFittedAShadeUnderSoTheSceneIsNeverCut)
{
    const QSize screen(1366, 767);
    const std::optional<double> factor = magnifiedGlobalFactor(screen, u"", 1.0);
    ASSERT_TRUE(factor);
    EXPECT_GE(screen.height() / *factor, 600.0);
    EXPECT_LT(screen.height() / *factor, 601.0);
}

TEST(SceneScaleTest, ScreensTheSceneAlreadyFillsAreLeftAlone)
{
    EXPECT_FALSE(magnifiedGlobalFactor({800, 600}, u"", 1.0));
    // Smaller screens are switched to 800 × 600 at start, never shrunk into.
    EXPECT_FALSE(magnifiedGlobalFactor({640, 480}, u"", 1.0));
    // Wide but no taller than the scene: the scene is centred at its size.
    EXPECT_FALSE(magnifiedGlobalFactor({1024, 600}, u"", 1.0));
    // The player's own magnification fills the screen already.
    EXPECT_FALSE(magnifiedGlobalFactor({1600, 1200}, u"2", 2.0));
}

TEST(SceneScaleTest, ThePlayersOwnMagnificationIsKeptAndMultiplied)
{
    // A 3840 × 2160 screen at scale 2 shows 1920 × 1080 of its own pixels.
    const std::optional<double> doubled = magnifiedGlobalFactor({3840, 2160}, u"2", 2.0);
    ASSERT_TRUE(doubled);
    EXPECT_DOUBLE_EQ(*doubled, 3.6);
    EXPECT_EQ(shownScene({3840, 2160}, 2.0, doubled).toSize(), QSize(1067, 600));

    // A screen factor is not Qt's global one: only the global is ours to set.
    const double preset = presetScale(u"", u"1.5", u"HDMI-1");
    ASSERT_DOUBLE_EQ(preset, 1.5);
    const std::optional<double> global = magnifiedGlobalFactor({1920, 1080}, u"", preset);
    ASSERT_TRUE(global);
    EXPECT_DOUBLE_EQ(*global, 1.2);
    EXPECT_EQ((QSizeF(1920, 1080) / (*global * preset)).toSize(), QSize(1067, 600));
}

TEST(SceneScaleTest, ThePresetIsReadAsQtReadsItsVariables)
{
    EXPECT_DOUBLE_EQ(presetScale(u"", u"", u"screen"), 1.0);
    EXPECT_DOUBLE_EQ(presetScale(u" 1.25 ", u"", u"screen"), 1.25);
    // By position the first factor is the primary screen's.
    EXPECT_DOUBLE_EQ(presetScale(u"2", u"1.5;1", u"screen"), 3.0);
    // By name, the primary output's own entry.
    EXPECT_DOUBLE_EQ(presetScale(u"", u"HDMI-1=1.5;DP-2=2", u"DP-2"), 2.0);
    EXPECT_DOUBLE_EQ(presetScale(u"", u"HDMI-1=1.5", u"DP-2"), 1.0);
    // Nonsense counts as no magnification, never as zero or less.
    EXPECT_DOUBLE_EQ(presetScale(u"abc", u"-2", u"screen"), 1.0);
    EXPECT_DOUBLE_EQ(presetScale(u"0", u"DP-2=x", u"DP-2"), 1.0);
}

TEST(SceneScaleTest, TheSceneLiesAcrossTheMiddleOfTheClientArea)
{
    EXPECT_EQ(sceneArea({800, 556}, 800), QRect(0, 0, 800, 556));
    EXPECT_EQ(sceneArea({1067, 556}, 1067), QRect(133, 0, 800, 556));
    // A screen narrower than the scene, left unswitched: the scene is the screen.
    EXPECT_EQ(sceneArea({640, 436}, 640), QRect(0, 0, 640, 436));
    // A window not yet as wide as its screen keeps the scene at the left.
    EXPECT_EQ(sceneArea({400, 300}, 1067), QRect(0, 0, 800, 300));
}
