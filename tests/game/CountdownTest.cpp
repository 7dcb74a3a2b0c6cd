#include <gtest/gtest.h>

#include "platform/input/KeyCodes.h"
#include "support/PlayField.h"

using namespace Yorun;
using platform::DIK_DOWN;
using platform::DIK_RETURN;
using play_testing::kPlaying;
using testing_support::GameDriver;

namespace {

// Frames of a quarter of a second add up to whole seconds without rounding.
constexpr double kQuarter = 0.25;

class Countdown : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(driver.Initialize());
        driver.Frame();
    }

    // From the title's main menu: opens the difficulty menu, moves to the difficulty and confirms it.
    void ConfirmDifficulty(int difficulty) {
        driver.Tap(DIK_RETURN);
        for (int step = 0; step < difficulty; ++step) {
            driver.Tap(DIK_DOWN);
        }
        driver.keyboard.Press(DIK_RETURN);
        driver.Frame();
        driver.keyboard.Release(DIK_RETURN);
        ASSERT_EQ(driver.State().scene, SCENE_COUNTDOWN);
        ASSERT_EQ(driver.State().difficulty, difficulty);
    }

    void QuarterFrames(int count) {
        for (int frame = 0; frame < count; ++frame) {
            driver.Frame(kQuarter);
        }
    }

    bool Playing(CueSlot cue, int slotOffset = 0) { return driver.CueState(cue, slotOffset) == kPlaying; }
    CGame& Game() { return driver.Game(); }

    GameDriver driver;
};

}  // namespace

TEST_F(Countdown, TheFirstCountdownUpdateTicksAtOnceAndShowsThreeAtScaleOnePointSeven) {
    ConfirmDifficulty(DIFFICULTY_EASY);
    // The confirming update only prepares the count: nothing is shown yet.
    EXPECT_EQ(Game().countdownValue, 4);
    EXPECT_FLOAT_EQ(Game().countdownScale, 1.5f);
    EXPECT_FLOAT_EQ(Game().countdownTime, 1.0f);
    driver.State().StopAllCues();
    driver.Frame();
    EXPECT_EQ(Game().countdownValue, 3);
    EXPECT_FLOAT_EQ(Game().countdownTime, 0.0f);
    EXPECT_FLOAT_EQ(Game().countdownScale, 1.7f);
    EXPECT_FLOAT_EQ(driver.State().figures.scaleX, 1.7f);
    EXPECT_FLOAT_EQ(driver.State().figures.scaleY, 1.7f);
    EXPECT_TRUE(Playing(Cue::kCountdownTick));
}

TEST_F(Countdown, EachDigitStaysAFullSecondGrowingByATwoTenthsPerUpdateThenPlayStarts) {
    ConfirmDifficulty(DIFFICULTY_NORMAL);
    for (int digit = 3; digit >= 1; --digit) {
        driver.State().StopAllCues();
        driver.Frame(kQuarter);
        EXPECT_EQ(Game().countdownValue, digit);
        EXPECT_FLOAT_EQ(Game().countdownScale, 1.7f);
        EXPECT_TRUE(Playing(Cue::kCountdownTick) || Playing(Cue::kCountdownTick, 1)) << digit;
        for (int update = 1; update <= 3; ++update) {
            driver.Frame(kQuarter);
            EXPECT_EQ(Game().countdownValue, digit);
            EXPECT_FLOAT_EQ(Game().countdownScale, 1.7f + 0.2f * static_cast<float>(update));
        }
        EXPECT_EQ(driver.State().scene, SCENE_COUNTDOWN);
    }
    driver.State().StopAllCues();
    driver.Frame(kQuarter);
    EXPECT_EQ(driver.State().scene, SCENE_PLAY);
    EXPECT_EQ(Game().countdownValue, 0);
    EXPECT_FALSE(driver.State().sceneChanged);
    EXPECT_TRUE(Playing(Cue::kStartOfPlay));
    EXPECT_FALSE(Playing(Cue::kCountdownTick));
    EXPECT_FALSE(Playing(Cue::kCountdownTick, 1));
    // The play scene has not run yet: its clock starts with the next update.
    EXPECT_FLOAT_EQ(Game().playScene.elapsedTime, 0.0f);
}

TEST_F(Countdown, TheLaunchIntervalOfTheDifficultyIsWrittenOnlyInTheUpdateThatStartsPlay) {
    const int intervals[3] = {220, 180, 150};
    for (int difficulty = DIFFICULTY_EASY; difficulty <= DIFFICULTY_HARD; ++difficulty) {
        ConfirmDifficulty(difficulty);
        Game().playScene.targets.launchInterval = 7;
        QuarterFrames(12);
        EXPECT_EQ(Game().playScene.targets.launchInterval, 7);
        driver.Frame(kQuarter);
        ASSERT_EQ(driver.State().scene, SCENE_PLAY);
        EXPECT_EQ(Game().playScene.targets.launchInterval, intervals[difficulty]);
        // Back to the title for the next difficulty.
        driver.State().scene = SCENE_TITLE;
        Game().titleScene.ResetMenu();
        driver.Frame();
    }
}

TEST_F(Countdown, ADifficultyOutsideTheThreeLeavesTheLaunchIntervalAsItWas) {
    ConfirmDifficulty(DIFFICULTY_HARD);
    Game().playScene.targets.launchInterval = 7;
    driver.State().difficulty = 5;
    driver.State().StopAllCues();
    QuarterFrames(13);
    ASSERT_EQ(driver.State().scene, SCENE_PLAY);
    EXPECT_EQ(Game().playScene.targets.launchInterval, 7);
    EXPECT_TRUE(Playing(Cue::kStartOfPlay));
}

TEST_F(Countdown, ALongFrameAdvancesTheCountByOneOnly) {
    ConfirmDifficulty(DIFFICULTY_EASY);
    driver.Frame(kQuarter);
    ASSERT_EQ(Game().countdownValue, 3);
    driver.Frame(5.0);
    EXPECT_EQ(Game().countdownValue, 2);
    EXPECT_FLOAT_EQ(Game().countdownTime, 0.0f);
    driver.Frame(kQuarter);
    EXPECT_EQ(Game().countdownValue, 2);
    EXPECT_FLOAT_EQ(Game().countdownTime, 0.25f);
}

TEST_F(Countdown, TheDigitKeepsGrowingUntilTheNextTickHoweverManyUpdatesItStays) {
    ConfirmDifficulty(DIFFICULTY_EASY);
    driver.Frame(kQuarter);
    for (int update = 0; update < 50; ++update) {
        driver.Frame(0.01);
    }
    EXPECT_EQ(Game().countdownValue, 3);
    EXPECT_NEAR(Game().countdownScale, 1.7f + 0.2f * 50.0f, 1e-4f);
    EXPECT_NEAR(driver.State().figures.scaleX, Game().countdownScale, 1e-6f);
}
