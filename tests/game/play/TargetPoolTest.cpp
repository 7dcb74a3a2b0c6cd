#include "game/play/TargetPool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "sprite/Rectangle.h"
#include "support/PlayField.h"

using namespace Yorun;
using play_testing::PlayField;

namespace {

class Launcher : public PlayField {
protected:
    struct Draws {
        int speed;
        int motion;
        int colour;
        int direction;
        int depth;
        int radius;
    };

    // What a launch on the difficulty will draw, in the order of the draws.
    static Draws Predict(int difficulty) {
        XorShift128 reference = GameRandom();
        Draws draws{};
        switch (difficulty) {
            case DIFFICULTY_EASY:
                draws.speed = 2 + static_cast<int>(reference.Next() & 1);
                draws.motion = static_cast<int>(reference.Next() & 1);
                draws.colour = static_cast<int>(reference.Next() & 1);
                break;
            case DIFFICULTY_NORMAL:
                draws.speed = 3 + static_cast<int>(reference.Next() & 1);
                draws.motion = static_cast<int>(reference.Next() % 6);
                draws.colour = static_cast<int>(reference.Next() & 3);
                break;
            default:
                draws.speed = 3 + static_cast<int>(reference.Next() % 3);
                draws.motion = static_cast<int>(reference.Next() % 9);
                draws.colour = static_cast<int>(reference.Next() & 3);
                draws.direction = static_cast<int>(reference.Next() & 1);
                break;
        }
        draws.depth = static_cast<int>(reference.Next() % 3);
        draws.radius = -1;
        if (draws.motion == MOTION_CIRCLE_CCW || draws.motion == MOTION_CIRCLE_CW) {
            draws.radius = static_cast<int>(reference.Next() % 30 + 20);
        }
        return draws;
    }

    // Launches `count` targets one by one into slot 0, checking each against the prediction, and reports
    // which values occurred.
    void LaunchMany(int difficulty, int count, bool (&speeds)[6], bool (&motions)[9], bool (&colours)[4],
                    bool (&directions)[2]) {
        StartPlaying(difficulty);
        Targets().launchInterval = 0;
        for (int launch = 0; launch < count; ++launch) {
            const Draws draws = Predict(difficulty);
            Targets().launchCounter = 0.0f;
            Targets().TryLaunch();
            const CTarget& target = Targets().slots[0];
            ASSERT_TRUE(target.IsVisible());
            ASSERT_EQ(std::fabs(target.speed), static_cast<float>(draws.speed));
            ASSERT_EQ(target.motion, draws.motion);
            ASSERT_EQ(target.colour, draws.colour);
            ASSERT_EQ(target.direction, draws.direction);
            ASSERT_EQ(target.depth, draws.depth);
            if (draws.radius >= 0) {
                ASSERT_EQ(target.radius, static_cast<float>(draws.radius));
            }
            speeds[draws.speed] = true;
            motions[draws.motion] = true;
            colours[draws.colour] = true;
            directions[draws.direction] = true;
            Targets().slots[0].Hide();
        }
    }
};

}  // namespace

TEST_F(Launcher, BelowTheIntervalTheCounterGrowsByARandomWholeNumberUpToFive) {
    Targets().launchInterval = 180;
    Targets().launchCounter = 0.0f;
    float expected = 0.0f;
    for (int update = 0; update < 20; ++update) {
        XorShift128 reference = GameRandom();
        expected += static_cast<float>(reference.Next() % 6);
        Targets().TryLaunch();
        EXPECT_FLOAT_EQ(Targets().launchCounter, expected);
    }
    for (const CTarget& target : Targets().slots) {
        EXPECT_FALSE(target.IsVisible());
    }
}

TEST_F(Launcher, ReachingTheIntervalLaunchesIntoTheLowestFreeSlotAndStartsTheCountAgain) {
    Targets().launchInterval = 180;
    Launch(0, 0, 3.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_FAR);
    Launch(1, 0, 3.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_FAR);
    Launch(3, 0, 3.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_FAR);
    Targets().launchCounter = 180.0f;
    Targets().TryLaunch();
    EXPECT_TRUE(Targets().slots[2].IsVisible());
    EXPECT_FALSE(Targets().slots[4].IsVisible());
    EXPECT_FLOAT_EQ(Targets().launchCounter, 0.0f);
}

TEST_F(Launcher, OnEasyOnlyRedAndYellowStraightOrBobbingTargetsAtTwoOrThreePixelsFromTheRight) {
    bool speeds[6] = {}, motions[9] = {}, colours[4] = {}, directions[2] = {};
    LaunchMany(DIFFICULTY_EASY, 200, speeds, motions, colours, directions);
    EXPECT_TRUE(speeds[2] && speeds[3]);
    EXPECT_FALSE(speeds[4] || speeds[5]);
    EXPECT_TRUE(motions[0] && motions[1]);
    for (int motion = 2; motion < 9; ++motion) {
        EXPECT_FALSE(motions[motion]) << motion;
    }
    EXPECT_TRUE(colours[0] && colours[1]);
    EXPECT_FALSE(colours[2] || colours[3]);
    EXPECT_FALSE(directions[1]);
}

TEST_F(Launcher, OnNormalNoTargetEntersFromTheLeftAndNoneFleesBlinksOrVanishes) {
    bool speeds[6] = {}, motions[9] = {}, colours[4] = {}, directions[2] = {};
    LaunchMany(DIFFICULTY_NORMAL, 300, speeds, motions, colours, directions);
    EXPECT_TRUE(speeds[3] && speeds[4]);
    EXPECT_FALSE(speeds[2] || speeds[5]);
    for (int motion = 0; motion < 6; ++motion) {
        EXPECT_TRUE(motions[motion]) << motion;
    }
    EXPECT_FALSE(motions[6] || motions[7] || motions[8]);
    EXPECT_TRUE(colours[0] && colours[1] && colours[2] && colours[3]);
    EXPECT_FALSE(directions[1]);
}

TEST_F(Launcher, OnHardEverySpeedMotionColourAndEdgeOccurs) {
    bool speeds[6] = {}, motions[9] = {}, colours[4] = {}, directions[2] = {};
    LaunchMany(DIFFICULTY_HARD, 400, speeds, motions, colours, directions);
    EXPECT_TRUE(speeds[3] && speeds[4] && speeds[5]);
    EXPECT_FALSE(speeds[2]);
    for (int motion = 0; motion < 9; ++motion) {
        EXPECT_TRUE(motions[motion]) << motion;
    }
    EXPECT_TRUE(colours[0] && colours[1] && colours[2] && colours[3]);
    EXPECT_TRUE(directions[0] && directions[1]);
}

TEST_F(Launcher, WithThirtyTargetsTheLauncherWaitsAndFillsTheSlotThatFreesFirst) {
    for (int slot = 0; slot < CTargetPool::kSlots; ++slot) {
        Launch(slot, 0, 0.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_MIDDLE);
    }
    Targets().launchInterval = 150;
    Targets().launchCounter = 152.0f;
    const XorShift128 before = GameRandom();
    Targets().TryLaunch();
    Targets().TryLaunch();
    EXPECT_FLOAT_EQ(Targets().launchCounter, 152.0f);
    EXPECT_EQ(GameRandom().w, before.w);

    Targets().slots[17].Hide();
    Targets().TryLaunch();
    EXPECT_TRUE(Targets().slots[17].IsVisible());
    EXPECT_FLOAT_EQ(Targets().slots[17].x, 800.0f);
    EXPECT_FLOAT_EQ(Targets().launchCounter, 0.0f);
}

TEST_F(Launcher, AVanishedTargetIsReplacedByAStraightOneEnteringFromItsOwnEdge) {
    CTarget& vanished = Launch(3, 1, 4.0f, COLOUR_YELLOW, MOTION_VANISH, DEPTH_NEAR);
    vanished.x = 300.0f;
    vanished.switched = true;
    vanished.alpha = 0.05f;
    vanished.picture.alpha = 0.05f;
    Targets().Update();
    EXPECT_FALSE(vanished.IsVisible());
    EXPECT_FALSE(vanished.shadow.visible);
    const CTarget& replacement = Targets().slots[0];
    ASSERT_TRUE(replacement.IsVisible());
    EXPECT_EQ(replacement.motion, MOTION_STRAIGHT);
    EXPECT_EQ(replacement.colour, COLOUR_YELLOW);
    EXPECT_EQ(replacement.direction, 1);
    EXPECT_FLOAT_EQ(replacement.x, -150.0f);
    EXPECT_FLOAT_EQ(replacement.speed, -4.0f);
    Targets().Update();
    EXPECT_FLOAT_EQ(replacement.x, -146.0f);
}

TEST_F(Launcher, AVanishedTargetWaitsForAFreeSlotAndIsNotReplacedWhileStillShowing) {
    for (int slot = 0; slot < CTargetPool::kSlots; ++slot) {
        Launch(slot, 0, 0.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_MIDDLE);
    }
    CTarget& vanished = Launch(5, 0, 1.0f, COLOUR_BLUE, MOTION_VANISH, DEPTH_MIDDLE);
    vanished.x = 300.0f;
    vanished.switched = true;
    vanished.alpha = 0.2f;
    vanished.picture.alpha = 0.2f;
    Targets().Update();
    EXPECT_TRUE(vanished.IsVisible()) << "still at 0.2";
    vanished.picture.alpha = 0.1f;
    Targets().Update();
    EXPECT_TRUE(vanished.IsVisible()) << "no free slot";
    Targets().slots[20].Hide();
    Targets().Update();
    EXPECT_FALSE(vanished.IsVisible());
    EXPECT_TRUE(Targets().slots[20].IsVisible());
    EXPECT_EQ(Targets().slots[20].colour, COLOUR_BLUE);
    // A higher slot moves in the same update it was launched in.
    EXPECT_FLOAT_EQ(Targets().slots[20].x, 799.0f);
}

TEST_F(Launcher, AScareSendsOnlyFleeingTargetsUnderTheRectangleRightAtTenPixels) {
    CTarget& fromRight = Launch(0, 0, 3.0f, COLOUR_RED, MOTION_FLEE, DEPTH_MIDDLE);
    CTarget& fromLeft = Launch(1, 1, 3.0f, COLOUR_RED, MOTION_FLEE, DEPTH_MIDDLE);
    CTarget& straight = Launch(2, 0, 3.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_MIDDLE);
    CTarget& elsewhere = Launch(3, 0, 3.0f, COLOUR_RED, MOTION_FLEE, DEPTH_NEAR);
    fromRight.x = 400.0f;
    fromLeft.x = 420.0f;
    straight.x = 410.0f;
    elsewhere.x = 100.0f;
    Targets().Update();
    Targets().Scare(Corvane::CRectangle(390, 240, 460, 300));
    EXPECT_FLOAT_EQ(fromRight.speed, -10.0f);
    EXPECT_FLOAT_EQ(fromLeft.speed, -10.0f);
    EXPECT_FLOAT_EQ(straight.speed, 3.0f);
    EXPECT_FLOAT_EQ(elsewhere.speed, 3.0f);
    Targets().Update();
    EXPECT_FLOAT_EQ(fromRight.x, 407.0f);
    EXPECT_FLOAT_EQ(fromLeft.x, 433.0f);
}

TEST_F(Launcher, ANewGameFreesEverySlotAndKeepsTheBobCounterAndBlinkHold) {
    CTarget& target = Launch(4, 0, 3.0f, COLOUR_RED, MOTION_CIRCLE_CW, DEPTH_MIDDLE);
    target.Move();
    target.bobCounter = 12;
    target.blinkHold = 7;
    target.blinkStep = -0.02f;
    Targets().launchCounter = 33.0f;
    StartPlaying(DIFFICULTY_HARD);
    EXPECT_FALSE(target.IsVisible());
    EXPECT_FALSE(target.shadow.visible);
    EXPECT_EQ(target.difficulty, DIFFICULTY_HARD);
    EXPECT_FLOAT_EQ(target.angle, 0.0f);
    EXPECT_FLOAT_EQ(target.radius, 40.0f);
    EXPECT_FLOAT_EQ(target.blinkStep, 0.02f);
    EXPECT_FLOAT_EQ(target.speed, 0.0f);
    EXPECT_FLOAT_EQ(target.shadowX, 800.0f);
    EXPECT_EQ(target.bobCounter, 12);
    EXPECT_EQ(target.blinkHold, 7);
}

TEST_F(Launcher, TheLaunchCounterCarriesOverToTheNextGame) {
    Targets().launchCounter = 42.0f;
    driver.Game().StartNewGame();
    EXPECT_FLOAT_EQ(Targets().launchCounter, 42.0f);
}
