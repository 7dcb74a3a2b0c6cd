#include "game/HitPopup.h"

#include <gtest/gtest.h>

#include "support/PlayField.h"

using namespace Yorun;
using play_testing::PlayField;

namespace {

class HitPopup : public PlayField {};

}  // namespace

TEST_F(HitPopup, StartPlacesTheBurstOnThePointAndTheLabelAboveIt) {
    CHitPopup& popup = Popups().minus1;
    popup.Start(300.0f, 200.0f, 40, true);
    EXPECT_TRUE(popup.IsActive());
    EXPECT_EQ(popup.value, 40);
    EXPECT_TRUE(popup.label.visible);
    EXPECT_EQ(popup.burst.current, 1);
    EXPECT_EQ(popup.label.current, 1);
    float px = 0.0f;
    float py = 0.0f;
    popup.burst.GetPivotPosition(&px, &py);
    EXPECT_FLOAT_EQ(px, 300.0f);
    EXPECT_FLOAT_EQ(py, 200.0f);
    EXPECT_FLOAT_EQ(popup.label.x, 315.0f);
    EXPECT_FLOAT_EQ(popup.label.y, 140.0f);
}

TEST_F(HitPopup, StartOnAnActivePopupChangesNeitherPositionNorValue) {
    CHitPopup& popup = Popups().plus0;
    popup.Start(300.0f, 200.0f, 20, true);
    popup.Start(100.0f, 100.0f, 99, false);
    EXPECT_EQ(popup.value, 20);
    EXPECT_FLOAT_EQ(popup.label.x, 315.0f);
    EXPECT_FLOAT_EQ(popup.label.y, 140.0f);
    EXPECT_TRUE(popup.label.visible);
}

TEST_F(HitPopup, TheLabelRisesOneAndAHalfPixelsPerUpdateUntilTheBurstHasPlayedOnce) {
    CHitPopup& popup = Popups().plus1;
    popup.Start(300.0f, 200.0f, 20, true);
    // The burst's pass of 0.4 s ends in the 25th frame drawn (25/61 s); the next update notices it.
    driver.Frames(25);
    EXPECT_TRUE(popup.IsActive());
    EXPECT_TRUE(popup.label.visible);
    EXPECT_FLOAT_EQ(popup.label.y, 140.0f - 25.0f * 1.5f);
    EXPECT_FLOAT_EQ(popup.label.x, 315.0f);
    driver.Frame();
    EXPECT_FALSE(popup.IsActive());
    EXPECT_FALSE(popup.label.visible);
    EXPECT_EQ(popup.value, 20);
    // Idle: the label no longer moves, and the popup can be started again.
    const float resting = popup.label.y;
    driver.Frame();
    EXPECT_FLOAT_EQ(popup.label.y, resting);
    popup.Start(50.0f, 60.0f, 35, true);
    EXPECT_EQ(popup.value, 35);
}

TEST_F(HitPopup, APopupStartedWithoutLabelShowsOnlyTheBurst) {
    CHitPopup& popup = Popups().plus0;
    popup.Start(300.0f, 200.0f, 0, false);
    EXPECT_TRUE(popup.IsActive());
    EXPECT_FALSE(popup.label.visible);
    driver.Frames(25);
    EXPECT_TRUE(popup.IsActive());
    driver.Frame();
    EXPECT_FALSE(popup.IsActive());
}

TEST_F(HitPopup, HideMakesThePopupIdleAtOnceWithValueZero) {
    CHitPopup& popup = Popups().minus0;
    popup.Start(300.0f, 200.0f, 30, true);
    popup.Hide();
    EXPECT_FALSE(popup.IsActive());
    EXPECT_FALSE(popup.label.visible);
    EXPECT_EQ(popup.value, 0);
}

TEST_F(HitPopup, ANewGameHidesAllFourScorePopups) {
    Popups().plus0.Start(1.0f, 1.0f, 10, true);
    Popups().plus1.Start(1.0f, 1.0f, 15, true);
    Popups().minus0.Start(1.0f, 1.0f, 10, true);
    Popups().minus1.Start(1.0f, 1.0f, 20, true);
    driver.Game().StartNewGame();
    for (const CHitPopup* popup : {&Popups().plus0, &Popups().plus1, &Popups().minus0, &Popups().minus1}) {
        EXPECT_FALSE(popup->IsActive());
        EXPECT_FALSE(popup->label.visible);
        EXPECT_EQ(popup->value, 0);
    }
}

TEST_F(HitPopup, TheBurstScaleSizesBothTheBurstAndTheLabel) {
    CHitPopup& popup = Popups().plus0;
    popup.SetBurstScale(3.7f);
    EXPECT_FLOAT_EQ(popup.burst.scaleX, 3.7f);
    EXPECT_FLOAT_EQ(popup.burst.scaleY, 3.7f);
    EXPECT_FLOAT_EQ(popup.label.scaleX, 3.7f);
    EXPECT_FLOAT_EQ(popup.label.scaleY, 3.7f);
    popup.SetBurstScale(1.0f);
}
