#pragma once

#include "sprite/Rectangle.h"
#include "sprite/Sprite.h"

namespace Yorun {

// The aim reticle, moved with the cursor keys (left Shift doubles the step). Its centre can reach every
// edge of the screen but not pass it.
class CAimCursor {
public:
    CAimCursor() = default;

    CAimCursor(const CAimCursor&) = delete;
    CAimCursor& operator=(const CAimCursor&) = delete;

    bool Initialize();
    // Back to the middle of the screen, not moving. The position is worked out with the image's scale at
    // that moment, and the image is then set to half size: the first centring (at scale 1) therefore sits
    // differently from those of later games.
    void Centre();
    int Update();
    void Draw();
    void GetScaledSize(float& w, float& h) const { image.GetScaledSize(w, h); }
    Corvane::CRectangle GetRectangle() const;

    int direction = 0;
    float vx = 0.0f;
    float vy = 0.0f;
    float x = 0.0f;
    float y = 0.0f;
    Corvane::CSprite image;
};

}  // namespace Yorun
