#pragma once

#include "game/play/Target.h"
#include "sprite/Rectangle.h"

namespace Yorun {

class CGameState;

// The 30 target slots and the launcher that puts a new target on the field at random intervals.
class CTargetPool {
public:
    static constexpr int kSlots = 30;

    CTargetPool() = default;

    CTargetPool(const CTargetPool&) = delete;
    CTargetPool& operator=(const CTargetPool&) = delete;

    bool Initialize();
    void ResetSlots();
    void Update();
    void TryLaunch();
    void DrawDepth(int depth);
    // Fleeing targets under the rectangle run off to the right.
    void Scare(const Corvane::CRectangle& rect);

    CTarget slots[kSlots];
    int launchInterval = 0;
    CGameState* state = nullptr;
    float launchCounter = 0.0f;

private:
    CTarget* LowestFreeSlot();
};

}  // namespace Yorun
