#include "game/play/ArrowPool.h"

#include <gtest/gtest.h>

#include <cmath>
#include <initializer_list>

#include "platform/input/KeyCodes.h"
#include "support/PlayField.h"

using namespace Yorun;
using platform::DIK_A;
using platform::DIK_C;
using platform::DIK_LEFT;
using platform::DIK_S;
using platform::DIK_V;
using platform::DIK_X;
using platform::DIK_Z;
using play_testing::PlayField;

namespace {

class ArrowPool : public PlayField {
protected:
    // Holds the keys for one update, then lets go of them.
    void HoldForOneUpdate(std::initializer_list<int> keys) {
        for (int key : keys) {
            driver.keyboard.Press(key);
        }
        driver.Frame();
        driver.keyboard.ReleaseAll();
    }

    void TapEach(std::initializer_list<int> keys) {
        HoldForOneUpdate(keys);
        driver.Frame();
    }
};

struct Nudge {
    int code;
    float dx;
    float dy;
};

}  // namespace

TEST_F(ArrowPool, AnArrowStartsAtTheCursorsLowerRightCornerTenPixelsHigherNudgedTheWayTheCursorMoves) {
    const Nudge nudges[] = {{0, 0, 0}, {1, -5, -5}, {2, -5, 5}, {3, -5, 0}, {4, 5, -5}, {5, 5, 5},
                            {6, 5, 0}, {7, 0, -5},  {8, 0, 5},  {9, 0, 0},  {-1, 0, 0}};
    for (const Nudge& nudge : nudges) {
        Arrows().ResetSlots();
        Arrows().shotTimer = 0.5f;
        ASSERT_TRUE(Arrows().Fire(100.0f, 200.0f, 50.0f, 50.0f, nudge.code, COLOUR_BLUE));
        const CArrow& arrow = Arrows().slots[0];
        EXPECT_TRUE(arrow.picture.visible);
        EXPECT_FLOAT_EQ(arrow.picture.x, 150.0f + nudge.dx) << nudge.code;
        EXPECT_FLOAT_EQ(arrow.picture.y, 240.0f + nudge.dy) << nudge.code;
        EXPECT_FLOAT_EQ(arrow.trackX, arrow.picture.x);
        EXPECT_FLOAT_EQ(arrow.trackY, arrow.picture.y);
        EXPECT_FLOAT_EQ(arrow.picture.scaleX, 1.0f);
        EXPECT_FLOAT_EQ(arrow.vx, -3.0f);
        EXPECT_FLOAT_EQ(arrow.vy, -3.0f);
        EXPECT_FLOAT_EQ(arrow.shrinkFactor, 0.875f);
        EXPECT_EQ(arrow.colour, COLOUR_BLUE);
        EXPECT_EQ(arrow.picture.current, COLOUR_BLUE);
        EXPECT_FLOAT_EQ(Arrows().shotTimer, 0.0f);
    }
}

TEST_F(ArrowPool, AFlyingArrowShrinksByItsFactorAndDriftsUpAndLeftEveryUpdate) {
    ASSERT_TRUE(Arrows().Fire(100.0f, 200.0f, 50.0f, 50.0f, 0, COLOUR_RED));
    const CArrow& arrow = Arrows().slots[0];
    driver.Frames(9);
    EXPECT_NEAR(arrow.picture.scaleX, std::pow(0.875f, 9.0f), 1e-6f);  // in the near window
    EXPECT_GT(arrow.picture.scaleX, 0.28f);
    EXPECT_LT(arrow.picture.scaleX, 0.32f);
    EXPECT_FLOAT_EQ(arrow.picture.scaleY, arrow.picture.scaleX);
    EXPECT_FLOAT_EQ(arrow.picture.x, 150.0f - 27.0f);
    EXPECT_FLOAT_EQ(arrow.picture.y, 240.0f - 27.0f);
    EXPECT_FLOAT_EQ(arrow.trackX, 150.0f - 27.0f);
    EXPECT_FLOAT_EQ(arrow.trackY, 240.0f - 27.0f);
    driver.Frames(3);
    EXPECT_GT(arrow.picture.scaleX, 0.18f);  // the middle window at 12 updates
    EXPECT_LT(arrow.picture.scaleX, 0.22f);
}

TEST_F(ArrowPool, AnArrowThatPassesEveryDepthIsAMissAfter27UpdatesAndEndsTheCombo) {
    HoldForOneUpdate({DIK_Z});
    const CArrow& arrow = Arrows().slots[0];
    ASSERT_TRUE(arrow.picture.visible);
    State().combo = 4;
    driver.Frames(26);
    EXPECT_TRUE(arrow.picture.visible);
    EXPECT_EQ(State().combo, 4);
    driver.Frame();
    EXPECT_FALSE(arrow.picture.visible);
    EXPECT_FLOAT_EQ(arrow.picture.scaleX, 1.0f);
    EXPECT_FLOAT_EQ(arrow.picture.scaleY, 1.0f);
    EXPECT_EQ(State().combo, 0);

    // Idle arrows never end a combo.
    State().combo = 4;
    driver.Frames(40);
    EXPECT_EQ(State().combo, 4);
}

TEST_F(ArrowPool, HoldingAFireKeyShootsAgainOnTheFirstUpdateAtOrAfterHalfASecond) {
    driver.keyboard.Press(DIK_Z);
    driver.Frame();
    EXPECT_EQ(Stock().GetCount(), 19);
    EXPECT_TRUE(Playing(Cue::kArrowRelease, 0));
    driver.Frames(30);  // 30 frames: 0.49 s since the shot
    EXPECT_EQ(Stock().GetCount(), 19);
    EXPECT_FALSE(Playing(Cue::kArrowRelease, 1));
    driver.Frame();  // 31 frames: 0.51 s
    EXPECT_EQ(Stock().GetCount(), 18);
    EXPECT_TRUE(Playing(Cue::kArrowRelease, 1));
    EXPECT_EQ(State().shotCueNext, 2);
}

TEST_F(ArrowPool, AShotIsRefusedWithinHalfASecondAndForAColourAboveGreenChangingNothing) {
    Arrows().shotTimer = 0.49f;
    EXPECT_FALSE(Arrows().Fire(100.0f, 200.0f, 50.0f, 50.0f, 0, COLOUR_RED));
    EXPECT_FLOAT_EQ(Arrows().shotTimer, 0.49f);
    Arrows().shotTimer = 0.5f;
    EXPECT_FALSE(Arrows().Fire(100.0f, 200.0f, 50.0f, 50.0f, 0, 4));
    EXPECT_EQ(VisibleArrows(), 0);
    EXPECT_FLOAT_EQ(Arrows().shotTimer, 0.5f);
    EXPECT_EQ(State().shotCueNext, 0);
    EXPECT_FALSE(Playing(Cue::kArrowRelease, 0));
}

TEST_F(ArrowPool, ASixthArrowIsRefusedWhileFiveFlyAndTheStockIsNotCharged) {
    for (CArrow& arrow : Arrows().slots) {
        ASSERT_TRUE(Arrows().Fire(100.0f, 200.0f, 50.0f, 50.0f, 0, COLOUR_RED));
        arrow.shrinkFactor = 1.0f;  // keeps flying
        Arrows().shotTimer = 1.0f;
    }
    State().StopAllCues();
    HoldForOneUpdate({DIK_Z});
    EXPECT_EQ(Stock().GetCount(), 20);
    EXPECT_FALSE(Playing(Cue::kArrowRelease, 0));
    EXPECT_FALSE(Playing(Cue::kArrowRelease, 1));
    EXPECT_GE(Arrows().shotTimer, 1.0f);
}

TEST_F(ArrowPool, TheLowestHeldFireKeyChoosesTheColour) {
    struct Case {
        std::initializer_list<int> keys;
        int colour;
    };
    const Case cases[] = {{{DIK_V, DIK_X}, COLOUR_YELLOW},
                          {{DIK_V, DIK_C}, COLOUR_BLUE},
                          {{DIK_V}, COLOUR_GREEN},
                          {{DIK_V, DIK_C, DIK_X, DIK_Z}, COLOUR_RED}};
    for (const Case& test : cases) {
        Arrows().ResetSlots();
        Arrows().shotTimer = 1.0f;
        HoldForOneUpdate(test.keys);
        ASSERT_TRUE(Arrows().slots[0].picture.visible);
        EXPECT_EQ(Arrows().slots[0].colour, test.colour);
    }
}

TEST_F(ArrowPool, AShotLeavesFromWhereTheCursorStoodWithTheDirectionOfTheUpdateBefore) {
    HoldForOneUpdate({DIK_Z, DIK_LEFT});
    const CArrow& first = Arrows().slots[0];
    EXPECT_FLOAT_EQ(first.picture.x, 375.0f + 50.0f);
    EXPECT_FLOAT_EQ(first.picture.y, 275.0f + 50.0f - 10.0f);
    EXPECT_FLOAT_EQ(Cursor().x, 367.0f);
    EXPECT_EQ(Scene().aimDirection, 3);

    Arrows().shotTimer = 1.0f;
    HoldForOneUpdate({DIK_X});
    const CArrow& second = Arrows().slots[1];
    EXPECT_FLOAT_EQ(second.picture.x, 367.0f + 50.0f - 5.0f);
    EXPECT_FLOAT_EQ(second.picture.y, 275.0f + 50.0f - 10.0f);
}

TEST_F(ArrowPool, AAndSStepTheSpeedForwardAndBackAndAWinsWhenBothArePressed) {
    TapEach({DIK_A});
    EXPECT_EQ(Arrows().speed, SLOW);
    EXPECT_FLOAT_EQ(Arrows().shrinkFactor, 0.9f);
    TapEach({DIK_A});
    EXPECT_EQ(Arrows().speed, FAST);
    EXPECT_FLOAT_EQ(Arrows().shrinkFactor, 0.855f);
    TapEach({DIK_A});
    EXPECT_EQ(Arrows().speed, NORMAL);
    EXPECT_FLOAT_EQ(Arrows().shrinkFactor, 0.875f);
    TapEach({DIK_S});
    EXPECT_EQ(Arrows().speed, FAST);
    TapEach({DIK_S});
    EXPECT_EQ(Arrows().speed, SLOW);
    TapEach({DIK_S});
    EXPECT_EQ(Arrows().speed, NORMAL);
    TapEach({DIK_A, DIK_S});
    EXPECT_EQ(Arrows().speed, SLOW);
}

TEST_F(ArrowPool, ArrowsInFlightKeepTheFactorTheyWereLoosedWith) {
    HoldForOneUpdate({DIK_Z});
    TapEach({DIK_A});
    EXPECT_FLOAT_EQ(Arrows().slots[0].shrinkFactor, 0.875f);
    Arrows().shotTimer = 1.0f;
    HoldForOneUpdate({DIK_Z});
    EXPECT_FLOAT_EQ(Arrows().slots[1].shrinkFactor, 0.9f);
    const float before = Arrows().slots[0].picture.scaleX;
    driver.Frame();
    EXPECT_FLOAT_EQ(Arrows().slots[0].picture.scaleX, before * 0.875f);
}

TEST_F(ArrowPool, ANewGameIdlesEveryArrowAndGoesBackToNormalSpeedButKeepsTheShotTimer) {
    TapEach({DIK_A});
    HoldForOneUpdate({DIK_Z});
    Arrows().shotTimer = 0.25f;
    driver.Game().StartNewGame();
    EXPECT_EQ(VisibleArrows(), 0);
    EXPECT_EQ(Arrows().speed, NORMAL);
    EXPECT_FLOAT_EQ(Arrows().shrinkFactor, 0.875f);
    EXPECT_FLOAT_EQ(Arrows().slots[0].picture.scaleX, 1.0f);
    EXPECT_FLOAT_EQ(Arrows().slots[0].shrinkFactor, 0.0f);
    EXPECT_FLOAT_EQ(Arrows().shotTimer, 0.25f);
}

TEST_F(ArrowPool, AShotScaresTheFleeingTargetsUnderTheCursor) {
    CTarget& fleeing = Launch(0, 0, 3.0f, COLOUR_RED, MOTION_FLEE, DEPTH_MIDDLE);
    fleeing.x = 360.0f;
    Arrows().shotTimer = 0.0f;
    HoldForOneUpdate({DIK_Z});  // refused: too soon after the last shot
    EXPECT_FLOAT_EQ(fleeing.speed, 3.0f);
    Arrows().shotTimer = 1.0f;
    HoldForOneUpdate({DIK_Z});
    EXPECT_FLOAT_EQ(fleeing.speed, -10.0f);
}
