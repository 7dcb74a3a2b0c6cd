#include "game/TitleScene.h"

#include <gtest/gtest.h>

#include "game/Cues.h"
#include "game/GameOptions.h"
#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "sound/StreamPlayer.h"
#include "support/ClickAt.h"
#include "support/GameDriver.h"
#include "support/PointingMouse.h"

using namespace Yorun;
using platform::DIK_DOWN;
using platform::DIK_RETURN;
using platform::DIK_UP;
using testing_support::ClickAt;
using testing_support::GameDriver;

namespace {

constexpr int kPlaying = Dix::StreamPlayer::STATE_PLAYING;

class Title : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(driver.Initialize());
        driver.Frame();
    }

    CTitleScene& Scene() { return driver.Game().titleScene; }
    // Stops every cue, so that the next one played can be seen on its own.
    void Silence() { driver.State().StopAllCues(); }

    GameDriver driver;
};

}  // namespace

TEST_F(Title, TheFirstFrameShowsTheMainMenuWithStartHighlightedAndThePointerBesideIt) {
    EXPECT_EQ(driver.State().scene, SCENE_TITLE);
    EXPECT_EQ(Scene().mainCursor, 0);
    EXPECT_EQ(Scene().difficultyCursor, -1);
    EXPECT_EQ(Scene().startButton.current, 1);
    EXPECT_EQ(Scene().quitButton.current, 0);
    EXPECT_FLOAT_EQ(Scene().startButton.x, 325.0f);
    EXPECT_FLOAT_EQ(Scene().quitButton.y, 365.0f);
    EXPECT_FLOAT_EQ(Scene().normalButton.x, 350.0f);
    EXPECT_FLOAT_EQ(Scene().hardButton.y, 430.0f);
    EXPECT_FLOAT_EQ(Scene().selectIcon.x, 325.0f - static_cast<float>(Scene().selectIcon.width));
    EXPECT_FLOAT_EQ(Scene().selectIcon.y, 300.0f + static_cast<float>(Scene().selectIcon.height) * 0.5f);
    // The picture is drawn opaque over the whole screen: its own pixels, the field grey nowhere.
    EXPECT_EQ(driver.graphics.CountNear(0, 0, 800, 600, 0xFF646464, 0), 0);
}

TEST_F(Title, UpAndDownWrapAroundBothMenusWithACursorCueEachTime) {
    Silence();
    driver.Tap(DIK_UP);
    EXPECT_EQ(Scene().mainCursor, 1);
    EXPECT_EQ(Scene().quitButton.current, 1);
    EXPECT_EQ(Scene().startButton.current, 0);
    EXPECT_EQ(driver.CueState(Cue::kMenuCursor), kPlaying);
    driver.Tap(DIK_DOWN);
    EXPECT_EQ(Scene().mainCursor, 0);

    driver.Tap(DIK_RETURN);
    ASSERT_EQ(Scene().difficultyCursor, 0);
    Silence();
    driver.Tap(DIK_UP);
    EXPECT_EQ(Scene().difficultyCursor, 2);
    EXPECT_EQ(Scene().hardButton.current, 1);
    EXPECT_EQ(driver.CueState(Cue::kMenuCursor), kPlaying);
    driver.Tap(DIK_DOWN);
    EXPECT_EQ(Scene().difficultyCursor, 0);
    EXPECT_EQ(Scene().easyButton.current, 1);
    EXPECT_EQ(Scene().hardButton.current, 0);
}

TEST_F(Title, UpWinsWhenBothAreTriggeredInOneFrame) {
    driver.keyboard.Press(DIK_UP);
    driver.keyboard.Press(DIK_DOWN);
    driver.Frame();
    EXPECT_EQ(Scene().mainCursor, 1);
}

TEST_F(Title, AHeldDownMovesAgainOnceMoreThanTheRepeatIntervalHasPassed) {
    driver.keyboard.Press(DIK_DOWN);
    driver.Frame();
    EXPECT_EQ(Scene().mainCursor, 1);
    Silence();
    driver.Frames(12);  // 197 ms
    EXPECT_EQ(Scene().mainCursor, 1);
    EXPECT_NE(driver.CueState(Cue::kMenuCursor), kPlaying);
    driver.Frame();  // 213 ms
    EXPECT_EQ(Scene().mainCursor, 0);
    EXPECT_EQ(driver.CueState(Cue::kMenuCursor), kPlaying);
}

TEST_F(Title, AHeldEnterOpensTheDifficultyMenuAndThenConfirmsEasy) {
    driver.keyboard.Press(DIK_RETURN);
    driver.Frame();
    EXPECT_EQ(Scene().difficultyCursor, 0);
    EXPECT_EQ(driver.CueState(Cue::kConfirm), kPlaying);
    // The frame the menu opens still shows the difficulty buttons as they were; easy lights up next frame.
    EXPECT_EQ(Scene().easyButton.current, 0);
    driver.Frames(12);
    EXPECT_EQ(driver.State().scene, SCENE_TITLE);
    EXPECT_EQ(Scene().easyButton.current, 1);
    driver.Frame();
    EXPECT_EQ(driver.State().scene, SCENE_COUNTDOWN);
    EXPECT_EQ(driver.State().difficulty, DIFFICULTY_EASY);
}

TEST_F(Title, ADifficultyStartsANewGameInTheSameUpdate) {
    driver.State().score = 70;
    driver.State().maxScore = 90;
    driver.State().combo = 3;
    driver.Tap(DIK_RETURN);
    driver.Tap(DIK_DOWN);
    driver.Tap(DIK_DOWN);
    driver.keyboard.Press(DIK_RETURN);
    driver.Frame();
    EXPECT_EQ(driver.State().scene, SCENE_COUNTDOWN);
    EXPECT_EQ(driver.State().difficulty, DIFFICULTY_HARD);
    EXPECT_FALSE(driver.State().sceneChanged);
    EXPECT_EQ(driver.State().score, 0);
    EXPECT_EQ(driver.State().maxScore, 0);
    EXPECT_EQ(driver.State().combo, 0);
    EXPECT_FLOAT_EQ(driver.Game().countdownTime, 1.0f);
    EXPECT_EQ(driver.Game().countdownValue, 4);
    // A new game silences the cues still sounding from the title.
    EXPECT_NE(driver.CueState(Cue::kConfirm), kPlaying);
    EXPECT_NE(driver.CueState(Cue::kMenuCursor), kPlaying);
}

TEST_F(Title, TheConfirmCueUsesTheSecondSlotWhileTheFirstStillSounds) {
    Silence();
    driver.Tap(DIK_RETURN);
    EXPECT_EQ(driver.CueState(Cue::kConfirm, 0), kPlaying);
    EXPECT_NE(driver.CueState(Cue::kConfirm, 1), kPlaying);
    Scene().ResetMenu();
    driver.Tap(DIK_RETURN);
    EXPECT_EQ(driver.CueState(Cue::kConfirm, 1), kPlaying);
}

TEST_F(Title, QuitPlaysTheConfirmCueAndEndsTheProgram) {
    driver.Tap(DIK_DOWN);
    Silence();
    driver.Tap(DIK_RETURN);
    EXPECT_EQ(driver.CueState(Cue::kConfirm), kPlaying);
    ASSERT_FALSE(driver.queue.messages.empty());
    EXPECT_EQ(driver.queue.messages.back().id, platform::WM_QUIT);
    EXPECT_EQ(driver.State().scene, SCENE_TITLE);
}

TEST_F(Title, ResetMenuGoesBackToTheMainMenuWithStartSelected) {
    driver.Tap(DIK_RETURN);
    driver.Tap(DIK_DOWN);
    Scene().ResetMenu();
    driver.Frame();
    EXPECT_EQ(Scene().difficultyCursor, -1);
    EXPECT_EQ(Scene().mainCursor, 0);
    EXPECT_EQ(Scene().startButton.current, 1);
}

namespace {

// The middle of a button, where a player taps it.
int MiddleY(Corvane::CSpriteSet& button) {
    return static_cast<int>(button.y + button.GetHeight() / 2.0f);
}

}  // namespace

// A click on a button chooses it, and one on the chosen button takes it; one beside the buttons does
// nothing. Start, then hard, is four clicks.
TEST_F(Title, AClickChoosesAButtonAndASecondClickTakesIt) {
    testing_support::PointingMouse mouse;
    Corvane::g_pInput->Create();
    ClickAt(driver, mouse, 400, MiddleY(Scene().quitButton));
    EXPECT_EQ(Scene().mainCursor, 1);
    EXPECT_EQ(driver.CueState(Cue::kMenuCursor), kPlaying);
    ClickAt(driver, mouse, 400, MiddleY(Scene().startButton));
    EXPECT_EQ(Scene().mainCursor, 0);
    EXPECT_EQ(Scene().difficultyCursor, -1);
    ClickAt(driver, mouse, 400, MiddleY(Scene().startButton));
    ASSERT_EQ(Scene().difficultyCursor, 0);

    ClickAt(driver, mouse, 20, MiddleY(Scene().hardButton));
    EXPECT_EQ(Scene().difficultyCursor, 0);
    ClickAt(driver, mouse, 400, MiddleY(Scene().hardButton));
    EXPECT_EQ(Scene().difficultyCursor, 2);
    EXPECT_EQ(driver.State().scene, SCENE_TITLE);
    ClickAt(driver, mouse, 400, MiddleY(Scene().hardButton));
    EXPECT_EQ(driver.State().scene, SCENE_COUNTDOWN);
    EXPECT_EQ(driver.State().difficulty, DIFFICULTY_HARD);
}

// The classic game's menus answer the keys alone.
TEST(TitleClassic, AClickDoesNothing) {
    GameOptions options;
    options.classic = true;
    SetGameOptions(options);
    {
        testing_support::PointingMouse mouse;
        GameDriver driver;
        ASSERT_TRUE(driver.Initialize());
        driver.Frame();
        ClickAt(driver, mouse, 400, MiddleY(driver.Game().titleScene.quitButton));
        EXPECT_EQ(driver.Game().titleScene.mainCursor, 0);
    }
    SetGameOptions(GameOptions{});
}
