#pragma once

#include <cstdint>

#include "game/FadeCurtain.h"
#include "game/ScoreScreen.h"
#include "game/TitleScene.h"
#include "game/play/PlayScene.h"

namespace Yorun {

class CGameState;

// The game: one object per scene and the five-scene machine that runs them, driven by the framework's
// four callbacks. The 3-2-1 countdown between the title and play lives here too.
class CGame {
public:
    CGame() = default;

    CGame(const CGame&) = delete;
    CGame& operator=(const CGame&) = delete;

    bool Initialize();
    void Release();
    void Update();
    void Render();
    void StartNewGame();

    float countdownTime = 0.0f;
    std::int32_t countdownValue = 0;
    float countdownScale = 0.0f;
    CTitleScene titleScene;
    CPlayScene playScene;
    CScoreScreen scoreScreen;
    CGameState* state = nullptr;
    CFadeCurtain curtain;

private:
    void CountdownStep();
    void DrawCountdown();
    void ScoreStep();
};

// The one game of the run.
CGame& GetGame();

}  // namespace Yorun
