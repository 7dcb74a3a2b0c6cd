#pragma once

#include <cstdint>

#include "game/RoundStats.h"
#include "sound/SoundBank.h"
#include "sprite/Sprite.h"

namespace Yorun {

enum Scene {
    SCENE_TITLE = 0,
    SCENE_COUNTDOWN = 1,
    SCENE_PLAY = 2,
    SCENE_RESULT = 3,
    SCENE_SCORE = 4,
};

enum Difficulty {
    DIFFICULTY_EASY = 0,
    DIFFICULTY_NORMAL = 1,
    DIFFICULTY_HARD = 2,
};

// Everything more than one scene needs: the scene machine's state, the score, the digit strip and the
// sound cues. The scenes talk to each other through this record only.
class CGameState {
public:
    static constexpr int kCueBanks = 8;

    CGameState() = default;

    CGameState(const CGameState&) = delete;
    CGameState& operator=(const CGameState&) = delete;

    // The new scene's work starts with the next update; the caller's update runs on to its end.
    void SetScene(std::int32_t newScene);
    // Ends an update: the scene change is no longer news, and the best score follows the score.
    void EndUpdate();
    // The digit strip, then (only when it loaded) the sound cues. Returns whether the strip loaded.
    bool LoadResources();
    void ReleaseResources();
    void StopAllCues();
    bool LoadCues();

    std::int32_t scene = SCENE_TITLE;           // the scene that runs, a Scene
    std::int32_t difficulty = DIFFICULTY_EASY;  // chosen on the title, a Difficulty
    std::int32_t score = 0;                     // this game's score; never below 0
    std::int32_t maxScore = 0;                  // the highest score seen at the end of an update this game
    bool sceneChanged = false;                  // a scene change happened in this update
    std::int32_t combo = 0;                     // correct hits in a row
    Corvane::CSprite figures;                   // the gold digit strip the countdown, time, combo and score
                                                // screen draw with
    Dix::SoundBank cues[kCueBanks];             // the game's sound cues (Cues.h)
    std::int32_t shotCueNext = 0;               // the bow's cue slot (0-2) that sounds next
    std::int32_t hitCueNext = 0;                // the hit's cue slot (0-1) that sounds next
    RoundStats round;                           // this game's shots, hits and longest combo
};

// The one game state of the run, made on first use.
CGameState& GetGameState();

}  // namespace Yorun
