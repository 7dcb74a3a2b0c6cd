#pragma once

#include "game/HitPopup.h"
#include "sprite/Sprite.h"

namespace Yorun {

class CGameState;

// The best score of the game just played: it zooms in from a huge size under its caption, lands with a
// cue and five bursts, and stays until Enter.
class CScoreScreen {
public:
    static constexpr int kBursts = 5;

    CScoreScreen() = default;

    CScoreScreen(const CScoreScreen&) = delete;
    CScoreScreen& operator=(const CScoreScreen&) = delete;

    bool Initialize();
    void Reset();
    void Update();
    void Render();
    void Release();

    float zoom = 35.0f;
    Corvane::CSprite caption;
    bool landed = false;
    CHitPopup bursts[kBursts];
    CGameState* state = nullptr;
};

}  // namespace Yorun
