#include "sound_synth/game_sounds.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

// The game plays its sounds by these names; one missing or misspelt is a silent moment.
TEST(GameSounds, AreTheSixteenTheGamePlays) {
    const std::set<std::string> expected{
        "begin",  "gong",   "change", "btnclick", "MILLION", "RECLAMA",  "appl", "yes",
        "ugadal", "winner", "summa",  "false",    "oshibka", "stoptime", "true", "zvonok"};
    std::set<std::string> names;
    for (const GameSound& sound : gameSounds())
        names.insert(std::string(sound.name));
    EXPECT_EQ(names, expected);
    EXPECT_EQ(gameSounds().size(), expected.size());
}

// Every build writes the same files: nothing in a recipe may depend on chance or time.
TEST(GameSounds, RenderTheSameEveryTime) {
    for (const GameSound& sound : gameSounds()) {
        const StereoMix first = sound.render();
        const StereoMix second = sound.render();
        EXPECT_EQ(first.left(), second.left()) << sound.name;
        EXPECT_EQ(first.right(), second.right()) << sound.name;
    }
}

TEST(GameSounds, PeaksStayBelowFullScale) {
    for (const GameSound& sound : gameSounds()) {
        EXPECT_GT(sound.peak, 0.2) << sound.name;
        EXPECT_LT(sound.peak, 0.95) << sound.name;
    }
}
