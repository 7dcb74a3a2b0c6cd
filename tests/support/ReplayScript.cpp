#include "support/ReplayScript.h"

#include <cstring>
#include <sstream>
#include <utility>

#include "game/GameCallbacks.h"
#include "game/replay/ReplayWitness.h"
#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "support/GameDriver.h"
#include "support/PlayKeys.h"

namespace testing_support {

using namespace Yorun;

namespace {

constexpr int kFramesPerSecond = 61;

struct ArrowSnapshot {
    bool visible;
    float scale;
    float factor;
};

// One frame, drawn or not, and the arrows' fates in it.
void Step(GameDriver& driver, bool draw, ReplayResult& result) {
    CArrowPool& arrows = driver.Game().playScene.arrows;
    ArrowSnapshot before[CArrowPool::kSlots];
    for (int slot = 0; slot < CArrowPool::kSlots; ++slot) {
        const CArrow& arrow = arrows.slots[slot];
        before[slot] = ArrowSnapshot{arrow.picture.visible, arrow.picture.scaleX, arrow.shrinkFactor};
    }
    const bool playing = driver.State().scene == SCENE_PLAY;
    driver.Frame(GameDriver::kFrameSeconds, draw);
    if (!playing) {
        return;
    }
    for (int slot = 0; slot < CArrowPool::kSlots; ++slot) {
        const CArrow& arrow = arrows.slots[slot];
        // A flying arrow never has scale 1 after its flight step: scale 1 means it was (re)started.
        const bool started = arrow.picture.visible && arrow.picture.scaleX == 1.0f;
        const bool ended = before[slot].visible && (!arrow.picture.visible || started);
        if (ended) {
            if (before[slot].scale * before[slot].factor < 0.03f) {
                ++result.misses;
            } else {
                ++result.hits;
            }
        }
        if (started) {
            ++result.shots;
        }
    }
}

}  // namespace

std::string ReplayResult::ToText() const {
    std::ostringstream text;
    text << "score " << score << "\nmaxScore " << maxScore << "\nshots " << shots << "\nhits " << hits
         << "\nmisses " << misses << "\n";
    for (std::size_t second = 0; second < targetChecksums.size(); ++second) {
        text << "targets " << second << " " << std::hex << targetChecksums[second] << std::dec << "\n";
    }
    return text.str();
}

ReplayResult PlayScriptedGame(GameDriver& driver, int difficulty, bool drawEveryFrame) {
    ReplayResult result;
    ScriptedKeyboard& keys = driver.keyboard;
    int frame = 0;
    auto step = [&](bool forceDraw) {
        Step(driver, drawEveryFrame || forceDraw || frame % kFramesPerSecond == 0, result);
        ++frame;
    };
    auto tap = [&](int key) {
        keys.Press(key);
        step(false);
        keys.Release(key);
        step(false);
    };

    // The title: start, then the difficulty.
    keys.ReleaseAll();
    step(false);
    tap(platform::DIK_RETURN);
    for (int move = 0; move < difficulty; ++move) {
        tap(platform::DIK_DOWN);
    }
    tap(platform::DIK_RETURN);
    while (driver.State().scene == SCENE_COUNTDOWN) {
        step(false);
    }

    int playFrame = 0;
    while (driver.State().scene == SCENE_PLAY) {
        keys.ReleaseAll();
        for (const int key : PlayKeys(playFrame, driver.Game().playScene.stock.GetCount() == 0)) {
            keys.Press(key);
        }
        if (playFrame % kFramesPerSecond == 0) {
            result.targetChecksums.push_back(CReplayWitness::TargetChecksum(driver.Game().playScene.targets));
        }
        step(false);
        ++playFrame;
    }
    keys.ReleaseAll();
    result.score = driver.State().score;
    result.maxScore = driver.State().maxScore;

    while (driver.State().scene != SCENE_SCORE) {
        step(false);
    }
    while (!driver.Game().scoreScreen.landed) {
        step(false);
    }
    tap(platform::DIK_RETURN);
    return result;
}

ReplayResult PlayRecordedGame(GameDriver& driver, Yorun::Replay replay, bool drawEveryFrame) {
    ReplayResult result;
    driver.keyboard.ReleaseAll();
    driver.Game().StartReplay(std::move(replay));
    int frame = 0;
    int playFrame = 0;
    bool scored = false;
    while (driver.Game().player.IsPlaying()) {
        if (driver.State().scene == SCENE_PLAY) {
            if (playFrame % kFramesPerSecond == 0) {
                result.targetChecksums.push_back(
                    CReplayWitness::TargetChecksum(driver.Game().playScene.targets));
            }
            ++playFrame;
        }
        Step(driver, drawEveryFrame || frame % kFramesPerSecond == 0, result);
        ++frame;
        if (playFrame > 0 && !scored && driver.State().scene != SCENE_PLAY) {
            result.score = driver.State().score;
            result.maxScore = driver.State().maxScore;
            scored = true;
        }
    }
    return result;
}

}  // namespace testing_support
