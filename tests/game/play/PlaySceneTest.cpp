#include "game/play/PlayScene.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "support/PlayField.h"

using namespace Yorun;
using play_testing::PlayField;

namespace {

class PlayScene : public PlayField {
protected:
    std::vector<std::uint32_t> AroundAnArrow(float scale, float alpha, bool loosed);
};

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

TEST_F(PlayScene, AFireKeyLabelIsBrightOnlyWhileATargetOfItsColourIsOnTheFieldFadedOrNot) {
    driver.Frame();
    for (const Corvane::CSprite& label : Scene().keyLabels) {
        EXPECT_FLOAT_EQ(label.alpha, 0.1f);
    }
    CTarget& target = Launch(0, 0, 1.0f, COLOUR_BLUE, MOTION_VANISH, DEPTH_MIDDLE);
    target.x = 500.0f;
    target.switched = true;
    target.alpha = 0.3f;
    target.picture.alpha = 0.3f;
    driver.Frame();
    EXPECT_FLOAT_EQ(Scene().keyLabels[COLOUR_RED].alpha, 0.1f);
    EXPECT_FLOAT_EQ(Scene().keyLabels[COLOUR_BLUE].alpha, 1.0f);
    target.Hide();
    driver.Frame();
    EXPECT_FLOAT_EQ(Scene().keyLabels[COLOUR_BLUE].alpha, 0.1f);
}

// An arrow of the given scale and opacity loosed again (or none at all), one frame later: the screen
// around where it flies.
std::vector<std::uint32_t> PlayScene::AroundAnArrow(float scale, float alpha, bool loosed) {
    Arrows().ResetSlots();
    EXPECT_TRUE(Arrows().Fire(300.0f, 300.0f, 50.0f, 50.0f, 0, COLOUR_RED));
    CArrow& arrow = Arrows().slots[0];
    arrow.shrinkFactor = 1.0f;
    arrow.picture.scaleX = scale;
    arrow.picture.scaleY = scale;
    arrow.picture.alpha = alpha;
    arrow.picture.visible = loosed;
    Arrows().shotTimer = 1.0f;
    driver.Frame();
    std::vector<std::uint32_t> pixels;
    // Where a 256-pixel arrow loosed there flies in its first frame, at any scale.
    for (int y = 330; y < 600; ++y) {
        for (int x = 340; x < 620; ++x) {
            pixels.push_back(driver.graphics.Pixel(x, y));
        }
    }
    return pixels;
}

// Drawn at all, the arrow changes the screen where it flies; drawn once at half its opacity, it lies half
// way between the field and itself, where twice would lie three quarters of the way.
TEST_F(PlayScene, EveryArrowInFlightIsDrawnOnceAFrameWhateverItsScale) {
    const auto channel = [](std::uint32_t pixel, int shift) {
        return static_cast<int>((pixel >> shift) & 0xFF);
    };
    for (float scale : {1.0f, 0.28f, 0.18f, 0.08f, 0.05f}) {
        const std::vector<std::uint32_t> field = AroundAnArrow(scale, 1.0f, false);
        const std::vector<std::uint32_t> whole = AroundAnArrow(scale, 1.0f, true);
        const std::vector<std::uint32_t> half = AroundAnArrow(scale, 0.5f, true);
        std::size_t clearest = 0;
        int largest = 0;
        for (std::size_t at = 0; at < field.size(); ++at) {
            for (int shift : {0, 8, 16}) {
                const int difference = std::abs(channel(whole[at], shift) - channel(field[at], shift));
                if (difference > largest) {
                    largest = difference;
                    clearest = at;
                }
            }
        }
        ASSERT_GT(largest, 40) << "no arrow drawn at scale " << scale;
        for (int shift : {0, 8, 16}) {
            const int once = (channel(whole[clearest], shift) + channel(field[clearest], shift)) / 2;
            EXPECT_NEAR(channel(half[clearest], shift), once, 3) << "scale " << scale;
        }
    }
}
