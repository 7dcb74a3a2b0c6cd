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
    // Which way the out-of-arrows notice blinks: one flag for every stock, kept from game to game.
    static bool IsEmptyNoticeFadingIn();
    static void SetEmptyNoticeFadingIn(bool fadingIn);

    Corvane::CSprite tens[2];          // a bundle picture per full ten arrows
    Corvane::CSprite ones[10];         // a single arrow's picture per arrow beyond the tens
    Corvane::CSprite emptyNotice;      // "OUT OF ARROWS", blinking while the stock is empty
    int count = kFull;                 // arrows left, 0-20
    bool refilling = false;            // a refill is under way
    bool emptyNoticed = false;         // the empty cue has sounded for this empty stock
    Corvane::CSprite countdownDigits;  // the large digits of the refill's countdown
    CGameState* state = nullptr;       // the game-wide record; not owned
    int refillFrames = 0;              // updates since the refill started
};

}  // namespace Yorun
