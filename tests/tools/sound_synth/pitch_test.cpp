#include "sound_synth/pitch.h"

#include <gtest/gtest.h>

#include <stdexcept>

TEST(Pitch, ConcertAIsFourHundredForty) {
    EXPECT_DOUBLE_EQ(noteHz("A4"), 440.0);
}

TEST(Pitch, MiddleCLiesNineSemitonesBelowA) {
    EXPECT_NEAR(noteHz("C4"), 261.6256, 1e-3);
    EXPECT_NEAR(noteHz("B3"), 246.9417, 1e-3);
}

TEST(Pitch, EachOctaveDoublesTheFrequency) {
    EXPECT_DOUBLE_EQ(noteHz("A5"), 880.0);
    EXPECT_DOUBLE_EQ(noteHz("A2"), 110.0);
    EXPECT_NEAR(noteHz("C7") / noteHz("C6"), 2.0, 1e-12);
}

TEST(Pitch, SharpAndFlatNameTheSameKey) {
    EXPECT_DOUBLE_EQ(noteHz("C#4"), noteHz("Db4"));
    EXPECT_DOUBLE_EQ(noteHz("Bb3"), noteHz("A#3"));
    EXPECT_NEAR(noteHz("F#3"), 184.9972, 1e-3);
}

// A typo in a tune must stop the build, not play a wrong note.
TEST(Pitch, NameThatIsNoNoteIsRefused) {
    for (const char* name : {"", "A", "H4", "C#", "Cx4", "C9", "c4", "C#45"})
        EXPECT_THROW(noteHz(name), std::invalid_argument) << '"' << name << '"';
}

TEST(Pitch, TransposeMovesBySemitones) {
    EXPECT_DOUBLE_EQ(transpose(440.0, 12.0), 880.0);
    EXPECT_DOUBLE_EQ(transpose(440.0, -24.0), 110.0);
    EXPECT_NEAR(transpose(440.0, 3.0), noteHz("C5"), 1e-9);
}
