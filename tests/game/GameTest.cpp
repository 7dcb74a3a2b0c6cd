#include "game/Game.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <set>
#include <sstream>
#include <string>
#include <vector>

#include "game/CueFiles.h"
#include "game/GameCallbacks.h"
#include "game/GameState.h"
#include "platform/input/KeyCodes.h"
#include "sound/StreamPlayer.h"
#include "support/GameDriver.h"
#include "support/ImageFiles.h"
#include "support/RecordingMessageBoxes.h"
#include "support/ReplayScript.h"

using namespace Yorun;
using testing_support::GameDriver;
using testing_support::RecordingMessageBoxes;

TEST(GameState, TheBestScoreFollowsTheScoreOnlyAtTheEndOfAnUpdate) {
    CGameState state;
    state.score = 40;
    EXPECT_EQ(state.maxScore, 0);
    state.EndUpdate();
    EXPECT_EQ(state.maxScore, 40);
    // Reached and lost within one update: never recorded.
    state.score = 90;
    state.score = 10;
    state.EndUpdate();
    EXPECT_EQ(state.maxScore, 40);
}

TEST(GameState, ASceneChangeIsNewsUntilTheEndOfTheUpdate) {
    CGameState state;
    state.SetScene(SCENE_PLAY);
    EXPECT_TRUE(state.sceneChanged);
    EXPECT_EQ(state.scene, SCENE_PLAY);
    state.EndUpdate();
    EXPECT_FALSE(state.sceneChanged);
    EXPECT_EQ(state.scene, SCENE_PLAY);
}

TEST(GameFlow, InitialisingLoadsEveryCueAtTwentyDecibelsDownAndStartsAtTheTitle) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    CGameState& state = driver.State();
    EXPECT_EQ(state.scene, SCENE_TITLE);
    EXPECT_FALSE(state.sceneChanged);
    for (const CueFile& cue : kCueFiles) {
        EXPECT_TRUE(state.cues[cue.bank].IsLoaded(cue.slot)) << cue.fileName;
        EXPECT_EQ(state.cues[cue.bank].GetVolume(cue.slot), -2000) << cue.fileName;
        EXPECT_EQ(state.cues[cue.bank].GetState(cue.slot), Dix::StreamPlayer::STATE_STOPPED) << cue.fileName;
    }
    // Slots that hold no cue keep the bank's default.
    EXPECT_FALSE(state.cues[4].IsLoaded(4));
    EXPECT_EQ(state.cues[4].GetVolume(4), -500);
    EXPECT_EQ(state.figures.animCount, 10);
}

TEST(GameFlow, ASceneOutsideTheFiveDrawsNothingButTheFrameIsStillClearedAndPresented) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    driver.State().scene = 9;
    driver.State().score = 25;
    driver.Frame();
    EXPECT_EQ(driver.graphics.CountNear(0, 0, 800, 600, 0xFF646464, 0), 800 * 600);
    EXPECT_EQ(driver.State().maxScore, 25);  // the update still ended
}

TEST(GameFlow, RoundRobinCuesTakeTheirSlotsInTurn) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    CGameState& state = driver.State();
    state.StopAllCues();
    for (int shot = 0; shot < 4; ++shot) {
        PlayRoundRobin(state, Cue::kArrowRelease, state.shotCueNext, Cue::kArrowReleaseSlots);
    }
    EXPECT_EQ(state.shotCueNext, 1);
    for (int slot = 0; slot < 3; ++slot) {
        EXPECT_EQ(driver.CueState(Cue::kArrowRelease, slot), Dix::StreamPlayer::STATE_PLAYING);
    }
    PlayRoundRobin(state, Cue::kHit, state.hitCueNext, Cue::kHitSlots);
    PlayRoundRobin(state, Cue::kHit, state.hitCueNext, Cue::kHitSlots);
    PlayRoundRobin(state, Cue::kHit, state.hitCueNext, Cue::kHitSlots);
    EXPECT_EQ(state.hitCueNext, 1);
    state.StopAllCues();
    EXPECT_EQ(state.shotCueNext, 0);
    EXPECT_EQ(state.hitCueNext, 0);
    EXPECT_EQ(driver.CueState(Cue::kHit), Dix::StreamPlayer::STATE_STOPPED);
}

TEST(GameFlow, AnIfSilentCueIsNotRestartedWhileItSounds) {
    GameDriver driver;
    ASSERT_TRUE(driver.Initialize());
    CGameState& state = driver.State();
    constexpr int kFrames = 2048;
    const auto mix = [&] {
        std::vector<std::int16_t> samples(2 * kFrames);
        driver.mixer->Mix(samples.data(), kFrames);
        return samples;
    };
    // The cue's first two stretches, heard from its start.
    state.StopAllCues();
    PlayIfSilent(state, Cue::kEmptyStock);
    const std::vector<std::int16_t> first = mix();
    const std::vector<std::int16_t> second = mix();
    ASSERT_NE(first, second);

    state.StopAllCues();
    PlayIfSilent(state, Cue::kEmptyStock);
    EXPECT_EQ(mix(), first);
    // Asked again while it sounds, it goes on where it was; a restart would begin it again from nothing.
    PlayIfSilent(state, Cue::kEmptyStock);
    EXPECT_EQ(mix(), second);
}

TEST(GameFlow, WithoutTheDigitStripEveryCueStaysSilent) {
    // The game's data, with the main digit strip missing, in a tree of its own.
    testing_support::TemporaryDirectory tree;
    GameDriver driver;
    const std::filesystem::path base(driver.application.baseDirectory);
    std::filesystem::copy(base / "mato_bmp", std::filesystem::path(tree.Path()) / "mato_bmp");
    std::filesystem::copy(base / "mato_snd", std::filesystem::path(tree.Path()) / "mato_snd");
    std::filesystem::remove(std::filesystem::path(tree.Path()) / "mato_bmp" / "PlusFigure.bmp");
    std::snprintf(driver.application.baseDirectory, sizeof(driver.application.baseDirectory), "%s",
                  tree.Path().c_str());
    RecordingMessageBoxes boxes;
    // The popups load the same strip later and stop the start-up there.
    EXPECT_FALSE(driver.Initialize());
    ASSERT_GE(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "ERR: Texture can't load PlusFigure.bmp\n");
    for (const CueFile& cue : kCueFiles) {
        EXPECT_FALSE(driver.State().cues[cue.bank].IsLoaded(cue.slot));
    }
    EXPECT_FALSE(driver.State().cues[5].Play(false, 0));
}

namespace {

// A copy of the game's data in a tree of its own, without the named directory, as the driver's base.
void UseDataWithout(GameDriver& driver, testing_support::TemporaryDirectory& tree, const char* missing) {
    const std::filesystem::path base(driver.application.baseDirectory);
    for (const char* directory : {"mato_bmp", "mato_snd"}) {
        if (std::string(directory) != missing) {
            std::filesystem::copy(base / directory, std::filesystem::path(tree.Path()) / directory);
        }
    }
    std::snprintf(driver.application.baseDirectory, sizeof(driver.application.baseDirectory), "%s",
                  tree.Path().c_str());
}

}  // namespace

TEST(GameFlow, WithoutThePictureDirectoryStartUpStopsAtTheFirstPicture) {
    testing_support::TemporaryDirectory tree;
    GameDriver driver;
    UseDataWithout(driver, tree, "mato_bmp");
    RecordingMessageBoxes boxes;
    EXPECT_FALSE(driver.Initialize());
    // The digit strip is the first picture loaded; whatever is reported after it is a picture too.
    ASSERT_GE(boxes.boxes.size(), 1u);
    EXPECT_EQ(boxes.boxes[0].text, "ERR: Texture can't load PlusFigure.bmp\n");
    for (const auto& box : boxes.boxes) {
        EXPECT_EQ(box.text.rfind("ERR: Texture can't load ", 0), 0u) << box.text;
    }
    for (const CueFile& cue : kCueFiles) {
        EXPECT_FALSE(driver.State().cues[cue.bank].IsLoaded(cue.slot)) << cue.fileName;
    }
}

TEST(GameFlow, WithoutTheSoundDirectoryTheGameStartsAndPlaysSilently) {
    testing_support::TemporaryDirectory tree;
    GameDriver driver;
    UseDataWithout(driver, tree, "mato_snd");
    RecordingMessageBoxes boxes;
    ASSERT_TRUE(driver.Initialize());
    // One message per file, naming it, however many slots the file fills.
    std::set<std::string> files;
    for (const CueFile& cue : kCueFiles) {
        EXPECT_FALSE(driver.State().cues[cue.bank].IsLoaded(cue.slot)) << cue.fileName;
        files.insert(cue.fileName);
    }
    ASSERT_EQ(boxes.boxes.size(), files.size());
    for (const std::string& file : files) {
        EXPECT_EQ(std::count_if(boxes.boxes.begin(), boxes.boxes.end(),
                                [&](const auto& box) {
                                    return box.text.find("【" + file + "】") != std::string::npos;
                                }),
                  1)
            << file;
    }
    EXPECT_EQ(driver.State().scene, SCENE_TITLE);
    // A whole game plays out exactly as the recorded one with sound.
    const testing_support::ReplayResult silent =
        testing_support::PlayScriptedGame(driver, DIFFICULTY_EASY, false);
    std::ifstream golden(std::string(YORUN_GOLDEN_DIR) + "/replay_easy.txt");
    std::stringstream recorded;
    recorded << golden.rdbuf();
    EXPECT_EQ(silent.ToText(), recorded.str());
}
