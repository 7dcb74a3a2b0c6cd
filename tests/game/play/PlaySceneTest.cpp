#include "game/play/PlayScene.h"

#include <gtest/gtest.h>

#include "PlayField.h"

using namespace Yorun;
using play_testing::PlayField;

namespace {

class PlayScene : public PlayField {};

}  // namespace

TEST_F(PlayScene, TheClockShowsNinetyFromTheFirstUpdateOfTheGame) {
    driver.Frame();
    EXPECT_NEAR(Scene().elapsedTime, testing_support::GameDriver::kFrameSeconds, 1e-6);
    EXPECT_EQ(static_cast<int>(Scene().remainingTime), 90);
    EXPECT_EQ(State().scene, SCENE_PLAY);
}

TEST_F(PlayScene, TimeRunsOutOnTheFirstUpdateBelowZeroWithTheTimeUpCue) {
    // 364 quarter seconds make exactly 91: a remaining time of exactly zero still plays.
    for (int frame = 0; frame < 364; ++frame) {
        driver.Frame(0.25);
    }
    EXPECT_FLOAT_EQ(Scene().remainingTime, 0.0f);
    EXPECT_EQ(State().scene, SCENE_PLAY);
    EXPECT_FALSE(Playing(Cue::kTimeUp));
    driver.Frame(0.25);
    EXPECT_FLOAT_EQ(Scene().remainingTime, -0.25f);
    EXPECT_EQ(State().scene, SCENE_RESULT);
    EXPECT_TRUE(Playing(Cue::kTimeUp));
}

TEST_F(PlayScene, ALongFrameAdvancesTheClockByAllOfItButTargetsMoveOneStep) {
    CTarget& target = Launch(0, 0, 3.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_MIDDLE);
    driver.Frame(10.0);
    EXPECT_FLOAT_EQ(Scene().remainingTime, 81.0f);
    EXPECT_FLOAT_EQ(target.x, 797.0f);
}

TEST_F(PlayScene, WhenTimeRunsOutTheFieldStaysAsItIsUntilTheNextGame) {
    CTarget& target = Launch(0, 0, 3.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_MIDDLE);
    Scene().elapsedTime = 91.0f;
    driver.Frame();
    ASSERT_EQ(State().scene, SCENE_RESULT);
    const float x = target.x;
    driver.Frames(5);
    EXPECT_TRUE(target.IsVisible());
    EXPECT_FLOAT_EQ(target.x, x);
}
