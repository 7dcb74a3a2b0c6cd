#pragma once

#include <cstdint>

#include "game/TitleScene.h"

namespace Yorun {

class CGameState;

// The game: one object per scene and the five-scene machine that runs them, driven by the framework's
// four callbacks.
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
    CGameState* state = nullptr;
};

// The one game of the run.
CGame& GetGame();

}  // namespace Yorun
