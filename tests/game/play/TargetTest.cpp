#include "game/play/Target.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>

#include "support/PlayField.h"

using namespace Yorun;
using play_testing::PlayField;

namespace {

class Target : public PlayField {};

struct Placement {
    float y;
    float shadowY;
    float scale;
};

constexpr Placement kPlacements[3] = {{130.0f, 330.0f, 0.6f}, {230.0f, 380.0f, 1.0f}, {330.0f, 430.0f, 1.2f}};

}  // namespace

TEST_F(Target, ALaunchFromTheRightStandsAtTheRightEdgeWithItsPicturesOffScreenUntilItFirstMoves) {
    for (int depth = 0; depth < 3; ++depth) {
        CTarget& target = Launch(0, 0, 3.0f, COLOUR_BLUE, MOTION_STRAIGHT, depth);
        EXPECT_EQ(target.depth, depth);
        EXPECT_FLOAT_EQ(target.x, 800.0f);
        EXPECT_FLOAT_EQ(target.shadowX, 800.0f);
        EXPECT_FLOAT_EQ(target.speed, 3.0f);
        EXPECT_FLOAT_EQ(target.picture.x, -200.0f);
        EXPECT_FLOAT_EQ(target.shadow.x, -200.0f);
        EXPECT_FLOAT_EQ(target.y, kPlacements[depth].y);
        EXPECT_FLOAT_EQ(target.shadowY, kPlacements[depth].shadowY);
        EXPECT_FLOAT_EQ(target.picture.scaleX, kPlacements[depth].scale);
        EXPECT_FLOAT_EQ(target.picture.scaleY, kPlacements[depth].scale);
        EXPECT_FLOAT_EQ(target.shadow.scaleX, kPlacements[depth].scale);
        EXPECT_EQ(target.picture.current, COLOUR_BLUE);
        EXPECT_TRUE(target.picture.visible);
        EXPECT_TRUE(target.shadow.visible);
        EXPECT_FLOAT_EQ(target.shadow.alpha, 0.5f);

        target.Move();
        EXPECT_FLOAT_EQ(target.x, 797.0f);
        EXPECT_FLOAT_EQ(target.picture.x, 797.0f);
        EXPECT_FLOAT_EQ(target.picture.y, kPlacements[depth].y);
        EXPECT_FLOAT_EQ(target.shadow.x, 797.0f);
        EXPECT_FLOAT_EQ(target.shadow.y, kPlacements[depth].shadowY);
    }
}

TEST_F(Target, ALaunchFromTheLeftStartsAtMinus150MovingRightAndIsNotRemovedThere) {
    CTarget& target = Launch(0, 1, 4.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_NEAR);
    EXPECT_FLOAT_EQ(target.x, -150.0f);
    EXPECT_FLOAT_EQ(target.speed, -4.0f);
    EXPECT_EQ(target.direction, 1);
    target.Move();
    EXPECT_FLOAT_EQ(target.x, -146.0f);
    EXPECT_TRUE(target.IsVisible());

    CTarget& still = Launch(1, 1, 0.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_NEAR);
    still.Move();
    EXPECT_FLOAT_EQ(still.x, -150.0f);
    EXPECT_TRUE(still.IsVisible());
}

TEST_F(Target, TheExitTestIsStrictAt150PixelsBeyondEitherEdge) {
    CTarget& target = Launch(0, 0, 1.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_MIDDLE);
    target.x = -149.0f;
    target.Move();
    EXPECT_TRUE(target.IsVisible());
    target.Move();
    EXPECT_FALSE(target.IsVisible());
    EXPECT_FALSE(target.shadow.visible);

    CTarget& right = Launch(1, 1, 2.0f, COLOUR_RED, MOTION_STRAIGHT, DEPTH_MIDDLE);
    right.x = 948.0f;
    right.Move();
    EXPECT_FLOAT_EQ(right.x, 950.0f);
    EXPECT_TRUE(right.IsVisible());
    right.Move();
    EXPECT_FALSE(right.IsVisible());
}

TEST_F(Target, ABobbingTargetRisesFor41UpdatesThenSinksFor40) {
    CTarget& target = Launch(0, 0, 2.0f, COLOUR_RED, MOTION_BOB, DEPTH_MIDDLE);
    float previous = target.y;
    for (int update = 1; update <= 163; ++update) {
        target.Move();
        const int inCycle = (update - 1) % 81;
        const float expected = inCycle < 41 ? previous - 1.0f : previous + 1.0f;
        ASSERT_FLOAT_EQ(target.y, expected) << "update " << update;
        previous = target.y;
    }
    EXPECT_FLOAT_EQ(target.x, 800.0f - 2.0f * 163.0f);
    EXPECT_FLOAT_EQ(target.picture.y, target.y);
}

TEST_F(Target, OnEasyABobbingTargetStepsOneAndAQuarterPixels) {
    StartPlaying(DIFFICULTY_EASY);
    CTarget& target = Launch(0, 0, 2.0f, COLOUR_RED, MOTION_BOB, DEPTH_FAR);
    for (int update = 0; update < 41; ++update) {
        target.Move();
    }
    EXPECT_FLOAT_EQ(target.y, 130.0f - 41.0f * 1.25f);
    EXPECT_FLOAT_EQ(target.bobStep, 1.25f);
    for (int update = 0; update < 40; ++update) {
        target.Move();
    }
    EXPECT_FLOAT_EQ(target.y, 130.0f - 1.25f);
}

TEST_F(Target, ARecolouringTargetFadesOnlyInsideTheMidScreenZoneThenTakesARandomColour) {
    CTarget& target = Launch(0, 0, 4.0f, COLOUR_RED, MOTION_RECOLOUR, DEPTH_MIDDLE);
    // 800 down to 640: still outside the zone, which ends short of 640.
    for (int update = 0; update < 40; ++update) {
        target.Move();
    }
    EXPECT_FLOAT_EQ(target.x, 640.0f);
    EXPECT_FLOAT_EQ(target.alpha, 1.0f);

    bool switched = false;
    for (int update = 0; update < 21 && !switched; ++update) {
        const float before = target.alpha;
        const XorShift128 reference = GameRandom();
        target.Move();
        ASSERT_FLOAT_EQ(target.alpha, before - 0.05f);
        EXPECT_FLOAT_EQ(target.picture.alpha, target.alpha);
        EXPECT_FLOAT_EQ(target.shadow.alpha, target.alpha * 0.5f);
        switched = target.switched;
        EXPECT_EQ(switched, target.alpha < 0.0f);
        if (switched) {
            XorShift128 draw = reference;
            EXPECT_EQ(target.colour, static_cast<int>(draw.Next() & 3));
            EXPECT_EQ(target.picture.current, target.colour);
        } else {
            EXPECT_EQ(GameRandom().w, reference.w) << "no draw while fading";
        }
    }
    ASSERT_TRUE(switched);
    // Back in by 0.1 per update, anywhere on the screen.
    const float faded = target.alpha;
    target.Move();
    EXPECT_FLOAT_EQ(target.alpha, faded + 0.1f);
    for (int update = 0; update < 12; ++update) {
        target.Move();
    }
    EXPECT_GE(target.alpha, 1.0f);
    EXPECT_LT(target.alpha, 1.1f);
}

TEST_F(Target, AFadingTargetOutsideTheZoneKeepsItsOpacity) {
    CTarget& target = Launch(0, 0, 5.0f, COLOUR_RED, MOTION_VANISH, DEPTH_MIDDLE);
    target.x = 105.0f;
    target.Move();  // to 100: the zone's edge, outside it
    EXPECT_FLOAT_EQ(target.alpha, 1.0f);
    EXPECT_FALSE(target.switched);
}

TEST_F(Target, OnHardARecolouredTargetMayFadeAgainBetween410And417) {
    StartPlaying(DIFFICULTY_HARD);
    CTarget& target = Launch(0, 0, 1.0f, COLOUR_RED, MOTION_RECOLOUR, DEPTH_MIDDLE);
    target.switched = true;
    target.x = 419.0f;
    target.Move();  // 418: outside the window, no draw
    const XorShift128 before = GameRandom();
    target.Move();  // 417: still outside
    EXPECT_EQ(GameRandom().w, before.w);
    play_testing::SkipRandomUntil([](std::uint32_t value) { return (value & 3) != 0; });
    target.Move();  // 416: a draw that keeps the colour
    EXPECT_TRUE(target.switched);
    play_testing::SkipRandomUntil([](std::uint32_t value) { return (value & 3) == 0; });
    target.Move();  // 415: a draw that starts the fade again
    EXPECT_FALSE(target.switched);
}

TEST_F(Target, OnNormalARecolouredTargetNeverDrawsInTheWindow) {
    CTarget& target = Launch(0, 0, 1.0f, COLOUR_RED, MOTION_RECOLOUR, DEPTH_MIDDLE);
    target.switched = true;
    target.x = 417.0f;
    const XorShift128 before = GameRandom();
    for (int update = 0; update < 8; ++update) {
        target.Move();
    }
    EXPECT_EQ(GameRandom().w, before.w);
    EXPECT_TRUE(target.switched);
}

TEST_F(Target, AVanishingTargetFadesOutAndOnHardMayComeBackBetween410And417) {
    StartPlaying(DIFFICULTY_HARD);
    CTarget& target = Launch(0, 0, 1.0f, COLOUR_GREEN, MOTION_VANISH, DEPTH_MIDDLE);
    target.x = 500.0f;
    int updates = 0;
    while (!target.switched && updates < 21) {
        target.Move();
        ++updates;
    }
    ASSERT_TRUE(target.switched);
    EXPECT_LT(target.alpha, 0.0f);
    EXPECT_EQ(target.colour, COLOUR_GREEN);
    target.x = 418.0f;
    play_testing::SkipRandomUntil([](std::uint32_t value) { return value % 6 != 0; });
    target.Move();  // 417: outside the window
    EXPECT_TRUE(target.switched);
    target.Move();  // 416: a draw that is not a multiple of six
    EXPECT_TRUE(target.switched);
    play_testing::SkipRandomUntil([](std::uint32_t value) { return value % 6 == 0; });
    target.Move();
    EXPECT_FALSE(target.switched);
}

TEST_F(Target, CirclingTargetsTurnTwoDegreesPerUpdateAroundACentreThatSlides) {
    for (int motion : {MOTION_CIRCLE_CCW, MOTION_CIRCLE_CW}) {
        StartPlaying(DIFFICULTY_NORMAL);
        play_testing::NextDepthIs(DEPTH_MIDDLE);
        XorShift128 reference = GameRandom();
        reference.Next();
        const float radius = static_cast<float>(reference.Next() % 30 + 20);
        CTarget& target = Targets().slots[0];
        target.Launch(0, 2.0f, COLOUR_RED, motion);
        EXPECT_FLOAT_EQ(target.radius, radius);
        EXPECT_FLOAT_EQ(target.centreX, 800.0f);
        EXPECT_FLOAT_EQ(target.centreY, 230.0f);
        const float sign = motion == MOTION_CIRCLE_CCW ? -1.0f : 1.0f;
        // A quarter turn: the top of the circle (anticlockwise on screen) or its bottom.
        for (int update = 0; update < 45; ++update) {
            target.Move();
        }
        EXPECT_FLOAT_EQ(target.centreX, 710.0f);
        EXPECT_NEAR(target.x, 710.0f + radius, 0.01f);
        EXPECT_NEAR(target.y, 230.0f + sign * radius, 0.01f);
        EXPECT_FLOAT_EQ(target.shadowX, target.x);
        // Half a turn: the side of the circle the target entered on.
        for (int update = 0; update < 45; ++update) {
            target.Move();
        }
        EXPECT_NEAR(target.x, 620.0f, 0.01f);
        EXPECT_NEAR(target.y, 230.0f, 0.01f);
        EXPECT_NEAR(target.angle, sign * 3.14159265f, 1e-4f);

        // The next circling target of the slot goes on from the angle this one reached.
        target.Hide();
        const float angle = target.angle;
        target.Launch(0, 2.0f, COLOUR_RED, motion);
        EXPECT_FLOAT_EQ(target.angle, angle);
    }
}

TEST_F(Target, ASpeedChangingTargetTakesANewSpeedOnEnteringTheZoneFromWhereItStood) {
    CTarget& target = Launch(0, 0, 3.0f, COLOUR_RED, MOTION_SPEED_CHANGE, DEPTH_MIDDLE);
    target.x = 643.0f;
    target.shadowX = 643.0f;
    const XorShift128 before = GameRandom();
    target.Move();  // from 643 (outside): a plain slide
    EXPECT_FLOAT_EQ(target.x, 640.0f);
    target.Move();  // from 640, still outside
    EXPECT_FLOAT_EQ(target.x, 637.0f);
    EXPECT_EQ(GameRandom().w, before.w);
    XorShift128 reference = GameRandom();
    const float speed = static_cast<float>(reference.Next() % 5 + 1);
    target.Move();  // from 637, inside: the new speed applies to this very slide
    EXPECT_TRUE(target.switched);
    EXPECT_FLOAT_EQ(target.speed, speed);
    EXPECT_FLOAT_EQ(target.x, 637.0f - speed);
    EXPECT_FLOAT_EQ(target.shadowX, 637.0f - speed);
}

TEST_F(Target, OnHardASpeedChangeDrawsUpToTenAndFromTheLeftItStaysRightward) {
    StartPlaying(DIFFICULTY_HARD);
    CTarget& target = Launch(0, 1, 3.0f, COLOUR_RED, MOTION_SPEED_CHANGE, DEPTH_MIDDLE);
    target.x = 101.0f;
    XorShift128 reference = GameRandom();
    const float speed = static_cast<float>(reference.Next() % 10 + 1);
    target.Move();
    EXPECT_FLOAT_EQ(target.speed, -speed);
    EXPECT_FLOAT_EQ(target.x, 101.0f + speed);
}

TEST_F(Target, ASwitchedSpeedChangerMayDrawAgainBetween410And420) {
    CTarget& target = Launch(0, 0, 1.0f, COLOUR_RED, MOTION_SPEED_CHANGE, DEPTH_MIDDLE);
    target.switched = true;
    target.x = 420.0f;
    const XorShift128 before = GameRandom();
    target.Move();  // from 420: outside the window
    EXPECT_EQ(GameRandom().w, before.w);
    // On normal a value whose low two bits are zero keeps the speed.
    play_testing::SkipRandomUntil([](std::uint32_t value) { return (value & 3) == 0; });
    target.Move();
    EXPECT_TRUE(target.switched);
    play_testing::SkipRandomUntil([](std::uint32_t value) { return (value & 3) != 0; });
    target.Move();
    EXPECT_FALSE(target.switched);
    // Re-armed, it keeps its speed for that update and takes the new one at the next, still in the zone.
    EXPECT_FLOAT_EQ(target.speed, 1.0f);
    XorShift128 reference = GameRandom();
    const float again = static_cast<float>(reference.Next() % 5 + 1);
    const float from = target.x;
    target.Move();
    EXPECT_TRUE(target.switched);
    EXPECT_FLOAT_EQ(target.speed, again);
    EXPECT_FLOAT_EQ(target.x, from - again);

    StartPlaying(DIFFICULTY_HARD);
    CTarget& hard = Launch(0, 0, 1.0f, COLOUR_RED, MOTION_SPEED_CHANGE, DEPTH_MIDDLE);
    hard.switched = true;
    hard.x = 419.0f;
    play_testing::SkipRandomUntil([](std::uint32_t value) { return (value & 1) == 0; });
    hard.Move();
    EXPECT_TRUE(hard.switched);
    play_testing::SkipRandomUntil([](std::uint32_t value) { return (value & 1) != 0; });
    hard.Move();
    EXPECT_FALSE(hard.switched);
}

TEST_F(Target, ABlinkingTargetRisesPast1Point1ThenHolds23UpdatesBeforeFading) {
    StartPlaying(DIFFICULTY_HARD);
    CTarget& target = Launch(0, 0, 1.0f, COLOUR_RED, MOTION_BLINK, DEPTH_MIDDLE);
    target.blinkHold = 0;
    target.Move();  // the hold runs out
    EXPECT_EQ(target.blinkHold, -1);
    EXPECT_FLOAT_EQ(target.alpha, 1.0f);
    for (int update = 1; update <= 5; ++update) {
        target.Move();
        EXPECT_NEAR(target.alpha, 1.0f + 0.02f * static_cast<float>(update), 1e-5f);
        EXPECT_FLOAT_EQ(target.picture.alpha, target.alpha);
        EXPECT_FLOAT_EQ(target.shadow.alpha, target.alpha * 0.5f);
    }
    EXPECT_EQ(target.blinkHold, -1);
    target.Move();  // above 1.1: turn round and hold
    EXPECT_NEAR(target.alpha, 1.12f, 1e-5f);
    EXPECT_FLOAT_EQ(target.blinkStep, -0.02f);
    EXPECT_EQ(target.blinkHold, 23);
    const float held = target.alpha;
    for (int update = 0; update < 24; ++update) {
        target.Move();
    }
    EXPECT_FLOAT_EQ(target.alpha, held);
    target.Move();
    EXPECT_NEAR(target.alpha, held - 0.02f, 1e-5f);
}

TEST_F(Target, OnNormalTheBlinkHoldIs15) {
    CTarget& target = Launch(0, 0, 1.0f, COLOUR_RED, MOTION_BLINK, DEPTH_MIDDLE);
    target.blinkHold = -1;
    target.alpha = 0.01f;
    target.blinkStep = -0.02f;
    target.Move();
    EXPECT_LT(target.alpha, 0.0f);
    EXPECT_FLOAT_EQ(target.blinkStep, 0.02f);
    EXPECT_EQ(target.blinkHold, 15);
}
