#pragma once

#include "sprite/Sprite.h"

namespace Yorun {

class CGameState;

// The stock of 20 arrows at the lower left: shown in bundles of ten and singles, refilled with Space over
// 101 updates with a countdown in the middle of the screen, and announced by a cue and a blinking notice
// when it runs out.
class CArrowStock {
public:
    static constexpr int kFull = 20;

    CArrowStock() = default;

    CArrowStock(const CArrowStock&) = delete;
    CArrowStock& operator=(const CArrowStock&) = delete;

    bool Initialize();
    void ResetStock();
    int GetCount() const { return count; }
    void Take(int arrows) { count -= arrows; }
    bool IsRefillRunning() const { return refillFrames > 0; }
    void Update();
    void Draw();
    void Release();

    Corvane::CSprite tens[2];
    Corvane::CSprite ones[10];
    Corvane::CSprite emptyNotice;
    int count = kFull;
    bool refilling = false;
    bool emptyNoticed = false;
    Corvane::CSprite countdownDigits;
    CGameState* state = nullptr;
    int refillFrames = 0;
};

}  // namespace Yorun
