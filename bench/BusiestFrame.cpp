#include "BusiestFrame.h"

#include "game/Game.h"
#include "game/GameState.h"
#include "game/play/PlayScene.h"

namespace bench {

namespace {

constexpr int kMotionCount = 9;
constexpr int kColourCount = 4;

void FillTheField(Yorun::CTargetPool& targets) {
    for (int index = 0; index < Yorun::CTargetPool::kSlots; ++index) {
        Yorun::CTarget& target = targets.slots[index];
        target.Launch(index % 2, 3.0f + static_cast<float>(index % 3), index % kColourCount,
                      index % kMotionCount);
        // Spread over the field rather than waiting at its edges, so that every target is drawn.
        target.x = 40.0f + 24.0f * static_cast<float>(index);
        target.shadowX = target.x;
        target.centreX = target.x;
        target.centreY = target.y;
    }
}

// Started directly rather than fired, which would play the release cue five times over for every frame
// measured: the setting up is not timed, but it should not take a thousand times longer than the frame.
void LooseEveryArrow(Yorun::CArrowPool& arrows) {
    for (int index = 0; index < Yorun::CArrowPool::kSlots; ++index) {
        arrows.slots[index].Start(index % kColourCount, 120.0f + 130.0f * static_cast<float>(index),
                                  160.0f + 50.0f * static_cast<float>(index), 64.0f, 64.0f, index % 4,
                                  arrows.shrinkFactor);
    }
}

}  // namespace

void SetUpBusiestFrame() {
    Yorun::CGameState& state = Yorun::GetGameState();
    Yorun::CPlayScene& play = Yorun::GetGame().playScene;
    state.difficulty = Yorun::DIFFICULTY_HARD;
    // Set directly, not as a scene change: the frame is in the middle of a round.
    state.scene = Yorun::SCENE_PLAY;
    state.score = 12340;
    state.combo = 12;
    play.StartPlay();
    play.elapsedTime = 30.0f;
    play.remainingTime = Yorun::CPlayScene::kRoundSeconds - play.elapsedTime;
    FillTheField(play.targets);
    LooseEveryArrow(play.arrows);
    play.popups.Show(false, 200.0f, 200.0f, 20);
    play.popups.Show(false, 400.0f, 260.0f, 10);
    play.popups.Show(true, 300.0f, 320.0f, 10);
    play.popups.Show(true, 500.0f, 380.0f, 20);
    play.stock.count = 0;
    play.stock.emptyNoticed = true;
    play.stock.refilling = false;
    play.stock.refillFrames = 0;
}

}  // namespace bench
