#include "game/play/ArrowStock.h"

#include <gtest/gtest.h>

#include "platform/input/KeyCodes.h"
#include "support/PlayField.h"

using namespace Yorun;
using platform::DIK_SPACE;
using platform::DIK_Z;
using play_testing::PlayField;

namespace {

class ArrowStock : public PlayField {
protected:
    void PressSpaceForOneUpdate() {
        driver.keyboard.Press(DIK_SPACE);
        driver.Frame();
        driver.keyboard.Release(DIK_SPACE);
    }
};

}  // namespace

TEST_F(ArrowStock, RefillTakes101UpdatesAndShowsNinetyNineFirst) {
    Stock().count = 19;
    PressSpaceForOneUpdate();
    EXPECT_TRUE(Stock().IsRefillRunning());
    EXPECT_EQ(Stock().refillFrames, 1);  // the countdown shows 100 - 1 = 99 in the key press update
    EXPECT_TRUE(Playing(Cue::kStockNotice));
    EXPECT_EQ(Stock().GetCount(), 19);
    driver.Frames(99);
    EXPECT_EQ(Stock().refillFrames, 100);  // 0 on the countdown
    EXPECT_TRUE(Stock().IsRefillRunning());
    EXPECT_EQ(Stock().GetCount(), 19);
    driver.Frame();
    EXPECT_FALSE(Stock().IsRefillRunning());
    EXPECT_FALSE(Stock().refilling);
    EXPECT_EQ(Stock().refillFrames, 0);
    EXPECT_EQ(Stock().GetCount(), 20);
}

TEST_F(ArrowStock, NoArrowCanBeFiredDuringARefillNorInItsLastUpdate) {
    Stock().count = 19;
    PressSpaceForOneUpdate();
    driver.keyboard.Press(DIK_Z);
    driver.Frames(100);
    EXPECT_EQ(VisibleArrows(), 0);
    EXPECT_EQ(Stock().GetCount(), 20);
    EXPECT_FALSE(Playing(Cue::kEmptyStock)) << "a refill with arrows left refuses silently";
    driver.Frame();
    EXPECT_EQ(VisibleArrows(), 1);
    EXPECT_EQ(Stock().GetCount(), 19);
}

TEST_F(ArrowStock, SpaceIsIgnoredWithAFullStockAndCannotRestartARunningRefill) {
    PressSpaceForOneUpdate();
    EXPECT_FALSE(Stock().IsRefillRunning());
    EXPECT_FALSE(Playing(Cue::kStockNotice));
    driver.Frame();

    Stock().count = 5;
    PressSpaceForOneUpdate();
    driver.Frames(49);
    ASSERT_EQ(Stock().refillFrames, 50);
    PressSpaceForOneUpdate();
    EXPECT_EQ(Stock().refillFrames, 51);
    driver.Frames(50);
    EXPECT_EQ(Stock().GetCount(), 20);
    EXPECT_FALSE(Stock().IsRefillRunning());
}

TEST_F(ArrowStock, TheEmptyCuePlaysOnceForEachTimeTheStockRunsOut) {
    Stock().count = 0;
    driver.Frame();
    EXPECT_TRUE(Stock().emptyNoticed);
    EXPECT_TRUE(Playing(Cue::kStockNotice));
    State().StopAllCues();
    driver.Frames(3);
    EXPECT_FALSE(Playing(Cue::kStockNotice));

    PressSpaceForOneUpdate();
    driver.Frames(100);
    ASSERT_EQ(Stock().GetCount(), 20);
    EXPECT_FALSE(Stock().emptyNoticed);
    Stock().count = 0;
    State().StopAllCues();
    driver.Frame();
    EXPECT_TRUE(Playing(Cue::kStockNotice));
}

TEST_F(ArrowStock, AFireKeyOnAnEmptyStockBeepsWheneverTheBeepHasEndedAlsoDuringARefill) {
    Stock().count = 0;
    driver.keyboard.Press(DIK_Z);
    driver.Frame();
    EXPECT_TRUE(Playing(Cue::kEmptyStock));
    EXPECT_EQ(VisibleArrows(), 0);
    PressSpaceForOneUpdate();
    ASSERT_TRUE(Stock().IsRefillRunning());
    State().StopAllCues();
    driver.Frame();
    EXPECT_TRUE(Playing(Cue::kEmptyStock));
    EXPECT_EQ(VisibleArrows(), 0);
}

TEST_F(ArrowStock, ANewGameStartsFullWithNoRefillRunningEvenAfterAGameEndedMidRefill) {
    Stock().count = 3;
    PressSpaceForOneUpdate();
    driver.Frames(10);
    Stock().emptyNoticed = true;
    StartPlaying(DIFFICULTY_NORMAL);
    EXPECT_EQ(Stock().GetCount(), 20);
    EXPECT_FALSE(Stock().IsRefillRunning());
    EXPECT_FALSE(Stock().refilling);
    EXPECT_FALSE(Stock().emptyNoticed);
    driver.keyboard.Press(DIK_Z);
    driver.Frame();
    EXPECT_EQ(Stock().GetCount(), 19);
}

TEST_F(ArrowStock, TheEmptyNoticeBlinksByTwoHundredthsPerFrameOnlyWhileEmptyAndNotRefilling) {
    Stock().count = 0;
    driver.Frame();
    float previous = Stock().emptyNotice.alpha;
    for (int frame = 0; frame < 120; ++frame) {
        driver.Frame();
        const float step = Stock().emptyNotice.alpha - previous;
        ASSERT_NEAR(step < 0.0f ? -step : step, 0.02f, 1e-5f) << "frame " << frame;
        ASSERT_GE(Stock().emptyNotice.alpha, -0.0201f);
        ASSERT_LE(Stock().emptyNotice.alpha, 1.0201f);
        previous = Stock().emptyNotice.alpha;
    }
    PressSpaceForOneUpdate();
    const float during = Stock().emptyNotice.alpha;
    driver.Frames(5);
    EXPECT_FLOAT_EQ(Stock().emptyNotice.alpha, during);
}
