#include <gtest/gtest.h>

#include "support/PlayField.h"

using namespace Yorun;
using play_testing::PlayField;

namespace {

// Where the arrow's hit box sits in its 256 x 256 frame, by target depth (left and top insets).
constexpr int kInsetLeft[3] = {0, 1, 3};
constexpr int kInsetTop[3] = {5, 12, 18};

class HitJudgement : public PlayField {
protected:
    // A still target of the depth and colour whose picture's top-left corner is at (x, y).
    CTarget& PlaceTarget(int slot, int depth, int colour, float x, float y) {
        CTarget& target = Launch(slot, 0, 0.0f, colour, MOTION_STRAIGHT, depth);
        target.x = x;
        target.y = y;
        target.picture.x = x;
        target.picture.y = y;
        return target;
    }

    // An arrow of the colour at scale s whose hit box for the depth has its top-left corner at (left, top).
    CArrow& PlaceArrow(int slot, int colour, int depth, int left, int top, float s) {
        CArrow& arrow = Arrows().slots[slot];
        arrow.picture.visible = true;
        arrow.picture.Select(colour, false);
        arrow.colour = colour;
        arrow.picture.scaleX = s;
        arrow.picture.scaleY = s;
        arrow.shrinkFactor = 0.875f;
        arrow.vx = -3.0f;
        arrow.vy = -3.0f;
        arrow.trackX = static_cast<float>(left - kInsetLeft[depth]);
        arrow.trackY = static_cast<float>(top - kInsetTop[depth]);
        return arrow;
    }

    // Judges one arrow against one middle-depth target at (300, 230), whose centre box is (338, 268) to
    // (358, 288) and outer box (305, 235) to (391, 321); the middle hit box is 12 x 10.
    int ScoreForMiddleHit(int left, int top, float s) {
        State().score = 0;
        State().combo = 0;
        CTarget& target = PlaceTarget(0, DEPTH_MIDDLE, COLOUR_RED, 300.0f, 230.0f);
        CArrow& arrow = PlaceArrow(0, COLOUR_RED, DEPTH_MIDDLE, left, top, s);
        Scene().JudgeHit(target, arrow);
        const int score = State().score;
        target.Hide();
        arrow.picture.visible = false;
        Popups().HideAll();
        return score;
    }

    int ScoreForFarHit(int left, int top, float s) {
        State().score = 0;
        State().combo = 0;
        CTarget& target = PlaceTarget(0, DEPTH_FAR, COLOUR_RED, 300.0f, 130.0f);
        CArrow& arrow = PlaceArrow(0, COLOUR_RED, DEPTH_FAR, left, top, s);
        Scene().JudgeHit(target, arrow);
        const int score = State().score;
        target.Hide();
        arrow.picture.visible = false;
        Popups().HideAll();
        return score;
    }
};

}  // namespace

TEST_F(HitJudgement, ACentreHitWithTheRightColourScoresTwentyShowsItOverTheTargetAndFreesBoth) {
    CTarget& target = PlaceTarget(2, DEPTH_MIDDLE, COLOUR_YELLOW, 300.0f, 230.0f);
    CArrow& arrow = PlaceArrow(1, COLOUR_YELLOW, DEPTH_MIDDLE, 342, 272, 0.2f);
    Scene().JudgeHit(target, arrow);
    EXPECT_EQ(State().score, 20);
    EXPECT_EQ(State().combo, 1);
    EXPECT_FALSE(target.IsVisible());
    EXPECT_FALSE(target.shadow.visible);
    EXPECT_FALSE(arrow.picture.visible);
    EXPECT_TRUE(Playing(Cue::kHit, 0));
    EXPECT_EQ(State().hitCueNext, 1);
    EXPECT_FALSE(Playing(Cue::kWrongColour));
    ASSERT_TRUE(Popups().plus0.IsActive());
    EXPECT_EQ(Popups().plus0.value, 20);
    EXPECT_TRUE(Popups().plus0.label.visible);
    // Started at the target's centre (348, 278).
    EXPECT_FLOAT_EQ(Popups().plus0.label.x, 363.0f);
    EXPECT_FLOAT_EQ(Popups().plus0.label.y, 218.0f);
    EXPECT_EQ(Popups().nextPlus, 1);
    EXPECT_FALSE(Popups().minus0.IsActive());
}

TEST_F(HitJudgement, TheOuterRingScoresTenAndMissingTheTargetScoresNothing) {
    EXPECT_EQ(ScoreForMiddleHit(342, 272, 0.2f), 20);
    EXPECT_EQ(ScoreForMiddleHit(306, 236, 0.2f), 10);
    // Rectangles that only touch overlap.
    EXPECT_EQ(ScoreForMiddleHit(326, 258, 0.2f), 20);
    EXPECT_EQ(ScoreForMiddleHit(325, 258, 0.2f), 10);
    EXPECT_EQ(ScoreForMiddleHit(379, 236, 0.2f), 10);
    EXPECT_EQ(ScoreForMiddleHit(391, 311, 0.2f), 10);
    EXPECT_EQ(ScoreForMiddleHit(392, 236, 0.2f), 0);
    EXPECT_EQ(ScoreForMiddleHit(342, 322, 0.2f), 0);
}

TEST_F(HitJudgement, AtExactlyTheWindowsEndsOnlyACentreHitCounts) {
    EXPECT_EQ(ScoreForMiddleHit(342, 272, 0.18f), 20);
    EXPECT_EQ(ScoreForMiddleHit(342, 272, 0.22f), 20);
    EXPECT_EQ(ScoreForMiddleHit(306, 236, 0.18f), 0);
    EXPECT_EQ(ScoreForMiddleHit(306, 236, 0.22f), 0);
    EXPECT_EQ(ScoreForMiddleHit(306, 236, 0.181f), 10);
    EXPECT_EQ(ScoreForMiddleHit(342, 272, 0.179f), 0);
    EXPECT_EQ(ScoreForMiddleHit(342, 272, 0.221f), 0);
}

TEST_F(HitJudgement, AnArrowInTheNearWindowCannotHitAFarTarget) {
    EXPECT_EQ(ScoreForFarHit(325, 155, 0.30f), 0);
    EXPECT_EQ(ScoreForFarHit(325, 155, 0.10f), 20);
    EXPECT_EQ(ScoreForFarHit(325, 155, 0.08f), 20);
    EXPECT_EQ(ScoreForFarHit(325, 155, 0.12f), 20);
}

TEST_F(HitJudgement, AFarTargetsCentreBoxIsItsCrossedOverInnerBoxPutInOrder) {
    // 57 x 57 pixels from (300, 130): drawn in by 33 the box crosses over to (333, 163, 324, 154), which the
    // test orders to 324 ... 333 across; the far hit box is 8 x 8.
    EXPECT_EQ(ScoreForFarHit(316, 155, 0.10f), 20);  // touches 324
    EXPECT_EQ(ScoreForFarHit(315, 155, 0.10f), 10);
    EXPECT_EQ(ScoreForFarHit(333, 155, 0.10f), 20);  // touches 333
    EXPECT_EQ(ScoreForFarHit(334, 155, 0.10f), 10);
    EXPECT_EQ(ScoreForFarHit(325, 146, 0.10f), 20);  // bottom 154 touches
    EXPECT_EQ(ScoreForFarHit(325, 145, 0.10f), 10);
}

TEST_F(HitJudgement, ATargetFadedBelowSixTenthsCannotBeHitAndTheArrowFliesOn) {
    CTarget& target = PlaceTarget(0, DEPTH_MIDDLE, COLOUR_RED, 300.0f, 230.0f);
    CArrow& arrow = PlaceArrow(0, COLOUR_RED, DEPTH_MIDDLE, 342, 272, 0.2f);
    target.picture.alpha = 0.59f;
    Scene().JudgeHit(target, arrow);
    EXPECT_TRUE(target.IsVisible());
    EXPECT_TRUE(arrow.picture.visible);
    EXPECT_EQ(State().score, 0);
    target.picture.alpha = 0.6f;
    Scene().JudgeHit(target, arrow);
    EXPECT_FALSE(target.IsVisible());
    EXPECT_EQ(State().score, 20);
}

TEST_F(HitJudgement, CorrectHitsGrowWithTheComboAndFarAndNearFiguresAreScaled) {
    struct Case {
        int depth;
        int combo;
        int ring;
        int points;
        int figure;
    };
    const Case cases[] = {
        {DEPTH_MIDDLE, 0, 10, 10, 10}, {DEPTH_MIDDLE, 0, 20, 20, 20}, {DEPTH_MIDDLE, 3, 10, 25, 25},
        {DEPTH_MIDDLE, 3, 20, 50, 50}, {DEPTH_FAR, 0, 20, 20, 30},    {DEPTH_NEAR, 0, 20, 20, 16},
        {DEPTH_FAR, 3, 10, 25, 37},    {DEPTH_NEAR, 1, 10, 15, 12},
    };
    for (const Case& test : cases) {
        Popups().HideAll();
        Popups().nextPlus = 0;
        State().score = 100;
        State().combo = test.combo;
        CTarget& target = PlaceTarget(0, test.depth, COLOUR_BLUE, 300.0f, 200.0f);
        CArrow& arrow = PlaceArrow(0, COLOUR_BLUE, test.depth, 0, 0, 0.2f);
        Scene().ScoreHit(target, arrow, test.ring);
        EXPECT_EQ(State().score, 100 + test.points) << test.depth << " " << test.combo << " " << test.ring;
        EXPECT_EQ(State().combo, test.combo + 1);
        EXPECT_EQ(Popups().plus0.value, test.figure) << test.depth << " " << test.combo << " " << test.ring;
    }
}

TEST_F(HitJudgement, AWrongColourCostsPointsNeverBelowZeroAndEndsTheCombo) {
    struct Case {
        int depth;
        int score;
        int combo;
        int ring;
        int left;
    };
    const Case cases[] = {
        {DEPTH_MIDDLE, 15, 0, 10, 5}, {DEPTH_MIDDLE, 15, 2, 10, 0}, {DEPTH_MIDDLE, 100, 1, 20, 60},
        {DEPTH_FAR, 100, 1, 20, 60},  {DEPTH_NEAR, 30, 0, 20, 10},  {DEPTH_MIDDLE, 20, 0, 20, 0},
    };
    for (const Case& test : cases) {
        Popups().HideAll();
        Popups().nextMinus = 0;
        State().StopAllCues();
        State().score = test.score;
        State().combo = test.combo;
        CTarget& target = PlaceTarget(0, test.depth, COLOUR_GREEN, 300.0f, 200.0f);
        CArrow& arrow = PlaceArrow(0, COLOUR_RED, test.depth, 0, 0, 0.2f);
        Scene().ScoreHit(target, arrow, test.ring);
        EXPECT_EQ(State().score, test.left) << test.score << " " << test.combo << " " << test.ring;
        EXPECT_EQ(State().combo, 0);
        EXPECT_TRUE(Playing(Cue::kWrongColour));
        EXPECT_TRUE(Playing(Cue::kHit, 0));
        ASSERT_TRUE(Popups().minus0.IsActive());
        EXPECT_FALSE(Popups().plus0.IsActive());
        // The points lost, with no depth factor.
        const int lost = test.ring == 10 ? 10 + 10 * test.combo : 20 * (test.combo + 1);
        EXPECT_EQ(Popups().minus0.value, lost);
        EXPECT_FALSE(target.IsVisible());
        EXPECT_FALSE(arrow.picture.visible);
    }
}

TEST_F(HitJudgement, AThirdFigureIsDroppedWhileBothPlusPopupsAreStillShowing) {
    Popups().nextPlus = 0;
    for (int hit = 0; hit < 3; ++hit) {
        CTarget& target = PlaceTarget(hit, DEPTH_MIDDLE, COLOUR_RED, 100.0f + 150.0f * hit, 230.0f);
        CArrow& arrow = PlaceArrow(hit, COLOUR_RED, DEPTH_MIDDLE, 0, 0, 0.2f);
        Scene().ScoreHit(target, arrow, 20);
    }
    EXPECT_EQ(State().score, 20 + 30 + 40);
    EXPECT_EQ(Popups().plus0.value, 20);
    EXPECT_EQ(Popups().plus1.value, 30);
    EXPECT_FLOAT_EQ(Popups().plus0.label.x, 148.0f + 15.0f);
    EXPECT_EQ(Popups().nextPlus, 1);
    EXPECT_FALSE(Popups().minus0.IsActive());
}

TEST_F(HitJudgement, OfTwoTargetsUnderOneArrowTheLowerSlotTakesTheHit) {
    CTarget& upper = PlaceTarget(9, DEPTH_MIDDLE, COLOUR_RED, 300.0f, 230.0f);
    CTarget& lower = PlaceTarget(4, DEPTH_MIDDLE, COLOUR_RED, 300.0f, 230.0f);
    // The arrow flies one step in the update before it is judged: scale x 0.875, 3 pixels up and left.
    CArrow& arrow = PlaceArrow(2, COLOUR_RED, DEPTH_MIDDLE, 345, 275, 0.2f / 0.875f);
    driver.Frame();
    EXPECT_FALSE(lower.IsVisible());
    EXPECT_TRUE(upper.IsVisible());
    EXPECT_FALSE(arrow.picture.visible);
    EXPECT_EQ(State().score, 20);
    EXPECT_EQ(State().combo, 1);
}

TEST_F(HitJudgement, AnArrowThroughTheNearWindowFliesOnToHitAMiddleTargetBehindIt) {
    CTarget& target = PlaceTarget(0, DEPTH_MIDDLE, COLOUR_RED, 300.0f, 230.0f);
    // Loosed at scale 1 so that after 12 updates (36 pixels up and left) its middle box is at (342, 272).
    CArrow& arrow = PlaceArrow(0, COLOUR_RED, DEPTH_MIDDLE, 342 + 36, 272 + 36, 1.0f);
    for (int update = 1; update <= 11; ++update) {
        driver.Frame();
        ASSERT_TRUE(arrow.picture.visible) << update;
    }
    EXPECT_TRUE(target.IsVisible());
    driver.Frame();
    EXPECT_FALSE(arrow.picture.visible);
    EXPECT_FALSE(target.IsVisible());
    EXPECT_EQ(State().score, 20);
}
