#include "game/play/ArrowPool.h"

#include "app/Graphics.h"
#include "game/Cues.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "game/play/PlayTypes.h"
#include "input/Input.h"
#include "platform/input/KeyCodes.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

using namespace Corvane;

namespace {

constexpr const char* kArrowFiles[4] = {"arrow_red_up.bmp", "arrow_yellow_up.bmp", "arrow_blue_up.bmp",
                                        "arrow_green_up.bmp"};
constexpr int kArrowSize = 256;
// Below this scale an arrow has flown past every depth.
constexpr float kMissScale = 0.03f;
constexpr float kShotSpacing = 0.5f;

bool Triggered(int key) {
    return g_pInput != nullptr && g_pInput->IsKeyTriggered(key);
}

}  // namespace

bool CArrowPool::Initialize() {
    state = &GetGameState();
    EnterDataDirectory("mato_bmp");
    CArrow arrow;
    SpriteDesc descs[4];
    for (int colour = 0; colour < 4; ++colour) {
        descs[colour] = MakeSpriteDesc(kArrowFiles[colour], StillAnimTable(kArrowSize, kArrowSize));
    }
    if (!arrow.picture.Add(g_pDevice, descs, 4)) {
        return false;
    }
    arrow.picture.Select(0, false);
    arrow.picture.blend = BLEND_ALPHA;
    arrow.frameBox = arrow.picture.GetBounds();
    arrow.picture.visible = false;
    for (CArrow& slot : slots) {
        if (!arrow.picture.CopyTo(&slot.picture)) {
            return false;
        }
        slot.frameBox = slot.picture.GetBounds();
    }
    return true;
}

void CArrowPool::ResetSlots() {
    for (CArrow& slot : slots) {
        slot.vx = 0.0f;
        slot.vy = 0.0f;
        slot.picture.visible = false;
        slot.drawn = false;
        slot.picture.scaleX = 1.0f;
        slot.picture.scaleY = 1.0f;
        slot.shrinkFactor = 0.0f;
    }
    speed = NORMAL;
    shrinkFactor = kShrinkFactors[NORMAL];
}

void CArrowPool::Update() {
    for (CArrow& slot : slots) {
        slot.drawn = false;
        if (slot.picture.visible) {
            slot.picture.scaleX *= slot.shrinkFactor;
            slot.picture.scaleY *= slot.shrinkFactor;
            slot.picture.y += slot.vy;
            slot.picture.x += slot.vx;
            slot.trackY += slot.vy;
            slot.trackX += slot.vx;
        }
        if (slot.picture.visible && slot.picture.scaleX < kMissScale) {
            slot.picture.visible = false;
            slot.picture.scaleX = 1.0f;
            slot.picture.scaleY = 1.0f;
            state->combo = 0;
        }
    }
    shotTimer += FrameSeconds();
    // Arrows in flight keep the factor they were loosed with.
    if (Triggered(platform::DIK_A)) {
        speed = (speed + 1) % 3;
    } else if (Triggered(platform::DIK_S)) {
        speed = (speed + 2) % 3;
    }
    shrinkFactor = kShrinkFactors[speed];
}

bool CArrowPool::Fire(float positionX, float positionY, float sizeX, float sizeY, int direction, int colour) {
    if (colour > COLOUR_GREEN || shotTimer < kShotSpacing) {
        return false;
    }
    for (CArrow& slot : slots) {
        if (!slot.picture.visible) {
            slot.Start(colour, positionX, positionY, sizeX, sizeY, direction, shrinkFactor);
            PlayRoundRobin(*state, Cue::kArrowRelease, state->shotCueNext, Cue::kArrowReleaseSlots);
            shotTimer = 0.0f;
            return true;
        }
    }
    return false;
}

void CArrowPool::DrawBand(float upper, float lower) {
    for (CArrow& slot : slots) {
        const float scale = slot.picture.scaleX;
        if (slot.picture.visible && lower < scale && scale <= upper && !slot.drawn) {
            slot.drawn = true;
            slot.picture.Draw();
        }
    }
}

void CArrowPool::Release() {
    for (CArrow& slot : slots) {
        slot.picture.Clear();
    }
}

}  // namespace Yorun
