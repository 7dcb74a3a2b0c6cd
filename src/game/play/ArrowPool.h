#pragma once

#include "game/play/Arrow.h"

namespace Yorun {

class CGameState;

// The five arrow slots, the arrow speed the player has chosen, and the half second between shots.
class CArrowPool {
public:
    static constexpr int kSlots = 5;

    CArrowPool() = default;

    CArrowPool(const CArrowPool&) = delete;
    CArrowPool& operator=(const CArrowPool&) = delete;

    bool Initialize();
    void ResetSlots();
    void Update();
    // Starts one arrow if a shot is allowed now; false (and nothing changed) when it is refused.
    bool Fire(float positionX, float positionY, float sizeX, float sizeY, int direction, int colour);
    // Draws each arrow whose scale lies in (lower, upper] and that has not been drawn this update.
    void DrawBand(float upper, float lower);
    void Release();

    CArrow slots[kSlots];
    int speed = 0;
    // Starts as if the last shot were half a second ago, so that no game's first shot waits.
    float shotTimer = 0.5f;
    CGameState* state = nullptr;
    float shrinkFactor = 0.875f;
};

// The scale an arrow keeps per update at each speed: normal, slow, fast.
constexpr float kShrinkFactors[3] = {0.875f, 0.9f, 0.855f};

}  // namespace Yorun
