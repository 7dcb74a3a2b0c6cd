#pragma once

#include "sprite/Sprite.h"

namespace Yorun {

// A black curtain over the field after the round, darkening by one hundredth each update.
class CFadeCurtain {
public:
    CFadeCurtain() = default;

    CFadeCurtain(const CFadeCurtain&) = delete;
    CFadeCurtain& operator=(const CFadeCurtain&) = delete;

    bool Initialize();
    void Reset();
    // One step; true once the curtain is dark enough.
    bool Update();
    void Draw();

    Corvane::CSprite image;
    float progress = 0.0f;
    bool done = false;
};

}  // namespace Yorun
