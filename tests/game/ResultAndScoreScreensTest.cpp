#include <gtest/gtest.h>

#include "game/FadeCurtain.h"
#include "game/ScoreScreen.h"
#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "support/PlayField.h"
#include "support/PointingMouse.h"

using namespace Yorun;
using platform::DIK_RETURN;
using play_testing::PlayField;

namespace {

class ResultAndScore : public PlayField {
protected:
    CFadeCurtain& Curtain() { return driver.Game().curtain; }
    CScoreScreen& ScoreScreen() { return driver.Game().scoreScreen; }

    void EnterScoreScreen() {
        driver.Game().StartNewGame();
        State().scene = SCENE_SCORE;
        State().StopAllCues();
    }

    int ActiveBursts() {
        int active = 0;
        for (const CHitPopup& burst : ScoreScreen().bursts) {
            active += burst.IsActive() ? 1 : 0;
        }
        return active;
    }
};

}  // namespace

TEST_F(ResultAndScore, TheCurtainDarkensByAHundredthPerUpdateAndIsDoneAfter71) {
    Curtain().Reset();
    for (int update = 1; update <= 70; ++update) {
        ASSERT_FALSE(Curtain().Update()) << update;
        ASSERT_NEAR(Curtain().image.alpha, 0.01f * static_cast<float>(update), 1e-4f);
    }
    EXPECT_TRUE(Curtain().Update());
    EXPECT_TRUE(Curtain().done);
    EXPECT_FLOAT_EQ(Curtain().progress, 0.7f);
    EXPECT_NEAR(Curtain().image.alpha, 0.71f, 1e-4f);
}

TEST_F(ResultAndScore, TheResultSceneLastsSeventyOneUpdatesThenTheScoreScreenFollows) {
    Scene().elapsedTime = 91.0f;
    driver.Frame();
    ASSERT_EQ(State().scene, SCENE_RESULT);
    driver.Frames(70);
    EXPECT_EQ(State().scene, SCENE_RESULT);
    driver.Frame();
    EXPECT_EQ(State().scene, SCENE_SCORE);
    // No longer updated: it stays at the opacity it reached.
    const float alpha = Curtain().image.alpha;
    driver.Frames(3);
    EXPECT_FLOAT_EQ(Curtain().image.alpha, alpha);
    EXPECT_NEAR(alpha, 0.71f, 1e-4f);
}

TEST_F(ResultAndScore, TheBestScoreZoomsIn32UpdatesAndLandsOnThe33rdWithACueAndFiveBursts) {
    EnterScoreScreen();
    EXPECT_FLOAT_EQ(ScoreScreen().zoom, 35.0f);
    driver.Frame();
    EXPECT_FLOAT_EQ(ScoreScreen().zoom, 34.0f);
    EXPECT_TRUE(Playing(Cue::kScoreZoom));
    driver.Frames(31);
    EXPECT_FLOAT_EQ(ScoreScreen().zoom, 3.0f);
    EXPECT_FALSE(ScoreScreen().landed);
    EXPECT_EQ(ActiveBursts(), 0);
    EXPECT_FALSE(Playing(Cue::kScoreBurst));
    driver.Frame();
    EXPECT_TRUE(ScoreScreen().landed);
    EXPECT_FLOAT_EQ(ScoreScreen().zoom, 3.5f);
    EXPECT_TRUE(Playing(Cue::kScoreBurst));
    EXPECT_EQ(ActiveBursts(), 5);
    for (CHitPopup& burst : ScoreScreen().bursts) {
        float px = 0.0f;
        float py = 0.0f;
        burst.burst.GetPivotPosition(&px, &py);
        EXPECT_FLOAT_EQ(px, 400.0f);
        EXPECT_FLOAT_EQ(py, 300.0f);
        EXPECT_FALSE(burst.label.visible);
        EXPECT_EQ(burst.value, 0);
    }
    // Each burst plays once, then only the caption and number stay.
    driver.Frames(24);
    EXPECT_EQ(ActiveBursts(), 5);
    driver.Frame();
    EXPECT_EQ(ActiveBursts(), 0);
    driver.Frames(10);
    EXPECT_EQ(ActiveBursts(), 0);
    EXPECT_FLOAT_EQ(ScoreScreen().zoom, 3.5f);
    EXPECT_EQ(State().scene, SCENE_SCORE);
}

TEST_F(ResultAndScore, EnterDuringTheZoomReturnsToTheTitleWithoutBursts) {
    EnterScoreScreen();
    driver.Frames(5);
    driver.keyboard.Press(DIK_RETURN);
    driver.Frame();
    driver.keyboard.Release(DIK_RETURN);
    EXPECT_EQ(State().scene, SCENE_TITLE);
    EXPECT_TRUE(Playing(Cue::kConfirm));
    EXPECT_FALSE(ScoreScreen().landed);
    driver.Frames(40);
    EXPECT_EQ(ActiveBursts(), 0);
    EXPECT_FALSE(Playing(Cue::kScoreBurst));
    EXPECT_FLOAT_EQ(ScoreScreen().zoom, 29.0f);  // kept until the next game
}

// A tap (or a click) anywhere on the score screen goes on to the title, as Enter does.
TEST_F(ResultAndScore, AClickGoesOnToTheTitle) {
    testing_support::PointingMouse mouse;
    Corvane::g_pInput->Create();
    EnterScoreScreen();
    mouse.x = 700;
    mouse.y = 40;
    driver.Frames(5);
    EXPECT_EQ(State().scene, SCENE_SCORE);
    mouse.down = true;
    driver.Frame();
    EXPECT_EQ(State().scene, SCENE_TITLE);
    EXPECT_TRUE(Playing(Cue::kConfirm));
}

TEST(ScoreScreenBursts, TheFiveBurstSizesAreDrawnOnceAtStartUpFromTheGameGenerator) {
    XorShift128 reference = GameRandom();
    testing_support::GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    float scales[CScoreScreen::kBursts];
    for (int index = 0; index < CScoreScreen::kBursts; ++index) {
        scales[index] = static_cast<float>(reference.Next() % 15) / 10.0f + 3.0f;
        const CHitPopup& burst = driver.Game().scoreScreen.bursts[index];
        EXPECT_FLOAT_EQ(burst.burst.scaleX, scales[index]) << index;
        EXPECT_FLOAT_EQ(burst.burst.scaleY, scales[index]) << index;
        EXPECT_FLOAT_EQ(burst.label.scaleX, scales[index]) << index;
        EXPECT_GE(scales[index], 3.0f);
        EXPECT_LE(scales[index], 4.4f + 1e-6f);
    }
    EXPECT_EQ(GameRandom().w, reference.w) << "exactly five draws";
    // Every game shows the same sizes.
    driver.State().difficulty = DIFFICULTY_EASY;
    driver.Game().StartNewGame();
    for (int index = 0; index < CScoreScreen::kBursts; ++index) {
        EXPECT_FLOAT_EQ(driver.Game().scoreScreen.bursts[index].burst.scaleX, scales[index]);
    }
}
