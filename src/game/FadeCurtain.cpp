#include "game/FadeCurtain.h"

#include "app/Graphics.h"
#include "game/Screen.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

namespace {
constexpr float kStep = 0.01f;
constexpr float kFinal = 0.7f;
}  // namespace

bool CFadeCurtain::Initialize() {
    progress = 0.0f;
    image.alpha = 0.0f;
    done = false;
    EnterDataDirectory("mato_bmp");
    if (!image.Load(Corvane::g_pDevice, "Black.bmp", 1.0f, 0.0f, 1.0f, 1.0f)) {
        return false;
    }
    image.alpha = 0.0f;
    image.blend = Corvane::BLEND_ALPHA;
    return true;
}

void CFadeCurtain::Reset() {
    done = false;
    progress = 0.0f;
    image.alpha = 0.0f;
}

bool CFadeCurtain::Update() {
    progress = progress + kStep;
    image.alpha = progress;
    // The image keeps the opacity it reached; only the count stops at the final value.
    if (progress > kFinal) {
        done = true;
        progress = kFinal;
    }
    return done;
}

void CFadeCurtain::Draw() {
    image.Draw();
}

}  // namespace Yorun
