#pragma once

#include <cstdint>

#include "sprite/Sprite.h"
#include "sprite/SpriteSet.h"

namespace Yorun {

// A burst centred on a point, with an optional "Plus" or "Minus" label and a number rising from above it.
// An active popup plays its burst once and then goes idle by itself.
class CHitPopup {
public:
    CHitPopup() = default;

    CHitPopup(const CHitPopup&) = delete;
    CHitPopup& operator=(const CHitPopup&) = delete;

    // Kind 0 is the plus popup, 1 the minus popup.
    bool Init(int popupKind);
    // Ignored while the popup is active.
    void Start(float px, float py, int popupValue, bool showLabel);
    void Update();
    void Draw();
    void Hide();
    void SetBurstScale(float scale);
    void Release();
    bool IsActive() const { return burst.visible; }

    Corvane::CSpriteSet burst;
    Corvane::CSpriteSet label;
    Corvane::CSprite number;
    std::int32_t kind = 0;
    std::int32_t value = 0;
};

}  // namespace Yorun
