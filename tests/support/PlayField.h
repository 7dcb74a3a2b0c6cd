#pragma once

#include <gtest/gtest.h>

#include <cstdint>

#include "game/Cues.h"
#include "game/Game.h"
#include "game/GameState.h"
#include "game/play/PlayScene.h"
#include "game/play/PlayTypes.h"
#include "game/play/XorShift128.h"
#include "sound/StreamPlayer.h"
#include "support/GameDriver.h"

namespace play_testing {

constexpr int kPlaying = Dix::StreamPlayer::STATE_PLAYING;

// Draws from the game's generator until the value it gives next passes the test, so that a test can
// choose what the next draw will be without changing the generator itself.
template <typename Test>
void SkipRandomUntil(Test test) {
    for (int draw = 0; draw < 10000; ++draw) {
        Yorun::XorShift128 peek = Yorun::GameRandom();
        if (test(peek.Next())) {
            return;
        }
        Yorun::NextRandom();
    }
    ADD_FAILURE() << "no value of the generator passed the test";
}

// Makes the next draw of the game's generator give this depth to a launched target.
inline void NextDepthIs(int depth) {
    SkipRandomUntil([depth](std::uint32_t value) { return static_cast<int>(value % 3) == depth; });
}

// A game in play on the chosen difficulty: the whole game driven frame by frame, with the launcher held
// back so that only the targets a test puts on the field are there, and no cue sounding.
class PlayField : public ::testing::Test {
protected:
    static constexpr int kNoLaunches = 1 << 30;

    void SetUp() override {
        ASSERT_TRUE(driver.Initialize());
        StartPlaying(Yorun::DIFFICULTY_NORMAL);
    }

    void StartPlaying(int difficulty) {
        driver.State().difficulty = difficulty;
        driver.Game().StartNewGame();
        driver.State().scene = Yorun::SCENE_PLAY;
        driver.State().sceneChanged = false;
        Targets().launchInterval = kNoLaunches;
        Targets().launchCounter = 0.0f;
        Arrows().shotTimer = 1.0f;
        driver.State().StopAllCues();
    }

    Yorun::CPlayScene& Scene() { return driver.Game().playScene; }
    Yorun::CTargetPool& Targets() { return Scene().targets; }
    Yorun::CArrowPool& Arrows() { return Scene().arrows; }
    Yorun::CArrowStock& Stock() { return Scene().stock; }
    Yorun::CAimCursor& Cursor() { return Scene().cursor; }
    Yorun::CScorePopups& Popups() { return Scene().popups; }
    Yorun::CGameState& State() { return driver.State(); }
    bool Playing(Yorun::CueSlot cue, int slotOffset = 0) {
        return driver.CueState(cue, slotOffset) == kPlaying;
    }

    // Puts target slot `slot` on the field at the chosen depth.
    Yorun::CTarget& Launch(int slot, int direction, float speed, int colour, int motion, int depth) {
        NextDepthIs(depth);
        Yorun::CTarget& target = Targets().slots[slot];
        target.Launch(direction, speed, colour, motion);
        return target;
    }

    int VisibleArrows() {
        int count = 0;
        for (const Yorun::CArrow& arrow : Arrows().slots) {
            count += arrow.picture.visible ? 1 : 0;
        }
        return count;
    }

    testing_support::GameDriver driver;
};

}  // namespace play_testing
