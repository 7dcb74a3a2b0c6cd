#include "game/play/XorShift128.h"

#include <gtest/gtest.h>

#include <cstdint>

#include "support/PlayField.h"

using namespace Yorun;

TEST(XorShift128, ThePublishedSeedGivesTheKnownFirstValues) {
    XorShift128 generator;
    EXPECT_EQ(generator.Next(), 3701687786u);
    EXPECT_EQ(generator.Next(), 458299110u);
    EXPECT_EQ(generator.Next(), 2500872618u);
    EXPECT_EQ(generator.Next(), 3633119408u);
    EXPECT_EQ(generator.Next(), 516391518u);
}

TEST(XorShift128, BitsShiftedOutAreLostAndTheRightShiftsBringInZeros) {
    XorShift128 generator;
    generator.x = 0xFFFFFFFFu;
    generator.y = 1u;
    generator.z = 2u;
    generator.w = 0x80000000u;
    // t = 0xFFFFFFFF ^ 0xFFFFF800 = 0x7FF; w = 0x80000000 ^ 0x1000 ^ 0x7FF ^ 0x7.
    EXPECT_EQ(generator.Next(), 0x800017F8u);
    EXPECT_EQ(generator.x, 1u);
    EXPECT_EQ(generator.y, 2u);
    EXPECT_EQ(generator.z, 0x80000000u);
    EXPECT_EQ(generator.w, 0x800017F8u);
}

TEST(XorShift128, NextRandomDrawsFromTheOneGeneratorOfTheRun) {
    XorShift128 reference = GameRandom();
    EXPECT_EQ(NextRandom(), reference.Next());
    EXPECT_EQ(NextRandom(), reference.Next());
    EXPECT_EQ(GameRandom().w, reference.w);
    EXPECT_EQ(GameRandom().x, reference.x);
}

TEST(XorShift128, ANewGameGoesOnWithTheSequenceInsteadOfStartingItAgain) {
    testing_support::GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    NextRandom();
    XorShift128 reference = GameRandom();
    driver.State().difficulty = DIFFICULTY_HARD;
    driver.Game().StartNewGame();
    EXPECT_EQ(NextRandom(), reference.Next());
    EXPECT_NE(GameRandom().w, XorShift128().w);
}
