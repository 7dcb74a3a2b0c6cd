// Pausing a game, and watching the records' games: a paused game stands still, resumes with one frame's
// time and replays to the score it was recorded with; a game chosen on the records screen (here one an
// earlier version kept), by keys or by taps, plays back to its score and returns to that screen; a replay
// handed to the running game plays at once.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>

#include "game/GameOptions.h"
#include "game/GameState.h"
#include "game/replay/Replay.h"
#include "platform/input/KeyCodes.h"
#include "platform/system/HandedFiles.h"
#include "support/ClickAt.h"
#include "support/GameDriver.h"
#include "support/PlayKeys.h"
#include "support/PointingMouse.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ReplayScript.h"
#include "support/TemporaryDirectory.h"

using namespace Yorun;
using testing_support::GameDriver;

namespace {

constexpr int kPausedFrames = 150;

void StartEasyGame(GameDriver& driver) {
    driver.Frame();
    driver.Tap(platform::DIK_RETURN);
    driver.Tap(platform::DIK_RETURN);
    while (driver.State().scene == SCENE_COUNTDOWN) {
        driver.Frame();
    }
}

// Plays the scripted keys of one frame of play.
void PlayFrame(GameDriver& driver, int playFrame) {
    driver.keyboard.ReleaseAll();
    for (const int key :
         testing_support::PlayKeys(playFrame, driver.Game().playScene.stock.GetCount() == 0)) {
        driver.keyboard.Press(key);
    }
    // Drawing changes nothing of the play.
    driver.Frame(GameDriver::kFrameSeconds, false);
}

}  // namespace

TEST(Pause, APausedGameStandsStillResumesWithOneFramesTimeAndReplaysToItsScore) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    StartEasyGame(driver);
    CPlayScene& play = driver.Game().playScene;
    for (int playFrame = 0; driver.State().scene == SCENE_PLAY; ++playFrame) {
        if (playFrame == 900 || playFrame == 3000) {
            driver.keyboard.ReleaseAll();
            driver.Tap(playFrame == 900 ? platform::DIK_P : platform::DIK_PAUSE);
            ASSERT_TRUE(driver.Game().pause.IsPaused());
            const float remaining = play.remainingTime;
            const int stock = play.stock.GetCount();
            const std::int32_t score = driver.State().score;
            // Keys that would fire, aim and refill do nothing while paused, and no sound moves on.
            for (int frame = 0; frame < kPausedFrames; ++frame) {
                PlayFrame(driver, frame);
            }
            EXPECT_TRUE(driver.mixer->IsHeld());
            EXPECT_EQ(play.remainingTime, remaining);
            EXPECT_EQ(play.stock.GetCount(), stock);
            EXPECT_EQ(driver.State().score, score);
            driver.keyboard.ReleaseAll();
            driver.keyboard.Press(platform::DIK_P);
            driver.Frame();
            driver.keyboard.Release(platform::DIK_P);
            EXPECT_FALSE(driver.Game().pause.IsPaused());
            EXPECT_FALSE(driver.mixer->IsHeld());
            EXPECT_NEAR(remaining - play.remainingTime, GameDriver::kFrameSeconds, 1e-4);
        }
        PlayFrame(driver, playFrame);
    }
    driver.keyboard.ReleaseAll();
    while (driver.State().scene != SCENE_SCORE) {
        driver.Frame();
    }
    ASSERT_TRUE(driver.Game().recorder.HasFinished());
    const Replay recorded = driver.Game().recorder.Finished();
    EXPECT_GT(recorded.maxScore, 0);
    EXPECT_EQ(recorded.stats.shots, driver.State().round.shots);
    driver.Tap(platform::DIK_RETURN);

    const testing_support::ReplayResult played = testing_support::PlayRecordedGame(driver, recorded, false);
    EXPECT_EQ(played.score, recorded.score);
    EXPECT_EQ(played.maxScore, recorded.maxScore);
    EXPECT_EQ(driver.State().round.shots, recorded.stats.shots);
    EXPECT_EQ(driver.State().round.hits, recorded.stats.hits);
}

TEST(Pause, WithTheSettingOnLosingTheFocusPausesAndOnlyTheKeyResumes) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    StartEasyGame(driver);
    driver.Frames(10);
    EXPECT_FALSE(driver.Game().pause.IsPaused());
    driver.application.active = false;
    driver.Frames(3);
    EXPECT_FALSE(driver.Game().pause.IsPaused()) << "off by default: the game runs on in the background";
    driver.Game().volume.SetPauseOnFocusLoss(true);
    driver.Frame();
    EXPECT_TRUE(driver.Game().pause.IsPaused());
    driver.application.active = true;
    driver.Frames(3);
    EXPECT_TRUE(driver.Game().pause.IsPaused());
    driver.Tap(platform::DIK_P);
    EXPECT_FALSE(driver.Game().pause.IsPaused());
    EXPECT_EQ(driver.State().scene, SCENE_PLAY);
}

TEST(RecordsScreen, AnOldRecordIsListedAndWatchedToItsScoreAndTheScreenComesBack) {
    testing_support::TemporaryDirectory home;
    setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
    std::filesystem::create_directories(home.File("yorun"));
    // The golden easy game, a format 1 file as the first versions kept their best games.
    std::filesystem::copy_file(std::string(YORUN_GOLDEN_DIR) + "/replay_easy.yrp",
                               home.File("yorun/best-easy.yrp"));
    GameOptions options;
    options.save = true;
    SetGameOptions(options);
    {
        GameDriver driver;
        ASSERT_TRUE(driver.Initialize());
        CGame& game = driver.Game();
        ASSERT_EQ(game.records.TopTen(DIFFICULTY_EASY).size(), 1u);
        const std::int32_t recordedBest = game.records.TopTen(DIFFICULTY_EASY).front().maxScore;
        EXPECT_EQ(game.records.Best(DIFFICULTY_EASY), recordedBest);

        driver.Frame();
        driver.Tap(platform::DIK_R);
        ASSERT_TRUE(game.recordsScreen.IsOpen());
        driver.Tap(platform::DIK_RETURN);
        ASSERT_TRUE(game.player.IsPlaying());
        EXPECT_FALSE(game.recordsScreen.IsOpen());
        while (game.player.IsPlaying()) {
            driver.Frame(GameDriver::kFrameSeconds, false);
        }
        EXPECT_EQ(driver.State().scene, SCENE_SCORE);
        EXPECT_EQ(driver.State().maxScore, recordedBest);
        // Back where the player chose it, once the score screen has had its time.
        while (driver.State().scene == SCENE_SCORE) {
            driver.Frame(GameDriver::kFrameSeconds, false);
        }
        EXPECT_EQ(driver.State().scene, SCENE_TITLE);
        EXPECT_TRUE(game.recordsScreen.IsOpen());
        driver.Tap(platform::DIK_R);
        EXPECT_FALSE(game.recordsScreen.IsOpen());
        EXPECT_FALSE(game.recorder.HasFinished()) << "watching keeps no record";
    }
    SetGameOptions(GameOptions{});
    unsetenv("XDG_DATA_HOME");
}

TEST(RecordsScreen, ByTapsItOpensFromTheTitleChangesDifficultyWatchesTheChosenGameAndGoesBack) {
    testing_support::TemporaryDirectory home;
    setenv("XDG_DATA_HOME", home.Path().c_str(), 1);
    std::filesystem::create_directories(home.File("yorun"));
    std::filesystem::copy_file(std::string(YORUN_GOLDEN_DIR) + "/replay_normal.yrp",
                               home.File("yorun/best-normal.yrp"));
    GameOptions options;
    options.save = true;
    SetGameOptions(options);
    {
        testing_support::PointingMouse mouse;
        GameDriver driver;
        ASSERT_TRUE(driver.Initialize());
        CGame& game = driver.Game();
        ASSERT_EQ(game.records.TopTen(DIFFICULTY_NORMAL).size(), 1u);
        driver.Frame();
        // The records link, in the middle of the line under the menu.
        testing_support::ClickAt(driver, mouse, 410, 572);
        ASSERT_TRUE(game.recordsScreen.IsOpen());
        EXPECT_FALSE(game.help.IsOpen());
        // Easy has no games: a tap where its first would be watches nothing.
        testing_support::ClickAt(driver, mouse, 400, 150);
        EXPECT_FALSE(game.player.IsPlaying());
        testing_support::ClickAt(driver, mouse, 400, 75);
        testing_support::ClickAt(driver, mouse, 400, 150 + 36);
        EXPECT_FALSE(game.player.IsPlaying()) << "no second game";
        testing_support::ClickAt(driver, mouse, 400, 150);
        ASSERT_TRUE(game.player.IsPlaying());
        while (game.player.IsPlaying() || driver.State().scene != SCENE_TITLE) {
            driver.Frame(GameDriver::kFrameSeconds, false);
        }
        EXPECT_EQ(driver.State().maxScore, game.records.TopTen(DIFFICULTY_NORMAL).front().maxScore);
        ASSERT_TRUE(game.recordsScreen.IsOpen());
        testing_support::ClickAt(driver, mouse, 400, 565);
        EXPECT_FALSE(game.recordsScreen.IsOpen());
        EXPECT_EQ(driver.State().scene, SCENE_TITLE);
        // The help link, at the line's left; a tap closes the card.
        testing_support::ClickAt(driver, mouse, 250, 572);
        ASSERT_TRUE(game.help.IsOpen());
        testing_support::ClickAt(driver, mouse, 400, 300);
        EXPECT_FALSE(game.help.IsOpen());
    }
    SetGameOptions(GameOptions{});
    unsetenv("XDG_DATA_HOME");
}

// A replay handed over in the middle of a paused game (dropped on the window, chosen in the page) plays at
// once and to its score; a damaged one is reported and the game goes on as it was.
TEST(HandedReplay, PlaysAtOnceFromAPausedGameAndADamagedOneIsReported) {
    testing_support::TemporaryDirectory folder;
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    testing_support::RecordingMessageBoxes boxes;
    StartEasyGame(driver);
    driver.Tap(platform::DIK_P);
    ASSERT_TRUE(driver.Game().pause.IsPaused());

    std::ofstream(folder.File("damaged.yrp")) << "YORUNRPL and nothing a game could be";
    platform::HandFile(folder.File("damaged.yrp"));
    driver.Frame();
    ASSERT_EQ(boxes.boxes.size(), 1u);
    EXPECT_NE(boxes.boxes[0].text.find("The replay cannot be played: " + folder.File("damaged.yrp")),
              std::string::npos)
        << boxes.boxes[0].text;
    EXPECT_TRUE(driver.Game().pause.IsPaused());
    EXPECT_FALSE(driver.Game().player.IsPlaying());

    platform::HandFile(std::string(YORUN_GOLDEN_DIR) + "/replay_easy.yrp");
    driver.Frame();
    ASSERT_TRUE(driver.Game().player.IsPlaying());
    EXPECT_FALSE(driver.Game().pause.IsPaused());
    while (driver.Game().player.IsPlaying()) {
        driver.Frame(GameDriver::kFrameSeconds, false);
    }
    EXPECT_EQ(driver.State().maxScore, 10);
}
