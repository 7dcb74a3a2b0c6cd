#include "game/play/TargetPool.h"

#include <cmath>

#include "app/Graphics.h"
#include "game/GameState.h"
#include "game/Screen.h"
#include "game/play/PlayTypes.h"
#include "game/play/XorShift128.h"
#include "sprite/SpriteTypes.h"

namespace Yorun {

using namespace Corvane;

namespace {

constexpr const char* kTargetFiles[4] = {"Target00 Corer1.bmp", "Target00 Corer2.bmp", "Target00 Corer3.bmp",
                                         "Target00 Corer4.bmp"};
constexpr int kTargetSize = 96;

}  // namespace

bool CTargetPool::Initialize() {
    state = &GetGameState();
    EnterDataDirectory("mato_bmp");
    // One template, loaded once and copied into every slot.
    CTarget target;
    target.ResetDefaults(0);
    SpriteDesc descs[4];
    for (int colour = 0; colour < 4; ++colour) {
        descs[colour] = MakeSpriteDesc(kTargetFiles[colour], StillAnimTable(kTargetSize, kTargetSize));
    }
    if (!target.picture.Add(g_pDevice, descs, 4)) {
        return false;
    }
    target.picture.Select(2, false);
    target.picture.visible = false;
    target.picture.blend = BLEND_ALPHA;
    if (!target.shadow.Load(g_pDevice, "shadow01.png", 1.0f, 0.0f, 1.0f, 1.0f)) {
        return false;
    }
    target.shadow.blend = BLEND_ALPHA;
    target.shadow.alpha = 0.5f;
    target.shadow.visible = false;

    for (CTarget& slot : slots) {
        // A copy takes its own references; whatever an earlier start-up left in the slot goes first.
        slot.shadow.Release();
        if (!target.picture.CopyTo(&slot.picture) || !target.shadow.CopyTo(&slot.shadow)) {
            return false;
        }
        slot.depth = target.depth;
        slot.colour = target.colour;
        slot.difficulty = target.difficulty;
        slot.motion = target.motion;
    }
    return true;
}

void CTargetPool::ResetSlots() {
    for (CTarget& slot : slots) {
        slot.ResetDefaults(state->difficulty);
    }
}

CTarget* CTargetPool::LowestFreeSlot() {
    for (CTarget& slot : slots) {
        if (!slot.picture.visible) {
            return &slot;
        }
    }
    return nullptr;
}

void CTargetPool::Update() {
    for (CTarget& slot : slots) {
        slot.Move();
        // A target that has faded away is replaced by a plain one going the same way at the same speed.
        if (slot.picture.visible && slot.motion == MOTION_VANISH && slot.switched &&
            slot.picture.alpha <= 0.1f) {
            CTarget* free = LowestFreeSlot();
            if (free != nullptr) {
                free->Launch(slot.direction, std::fabs(slot.speed), slot.colour, MOTION_STRAIGHT);
                slot.Hide();
            }
        }
    }
}

void CTargetPool::TryLaunch() {
    if (launchCounter < static_cast<float>(launchInterval)) {
        launchCounter += static_cast<float>(NextRandom() % 6);
        return;
    }
    CTarget* slot = LowestFreeSlot();
    if (slot == nullptr) {
        return;
    }
    launchCounter = 0.0f;
    int speed = 0;
    int motion = MOTION_STRAIGHT;
    int colour = COLOUR_RED;
    int direction = 0;
    // The draws come in this order: speed, motion, colour, and on hard the entry edge.
    switch (state->difficulty) {
        case DIFFICULTY_EASY:
            speed = 2 + static_cast<int>(NextRandom() & 1);
            motion = static_cast<int>(NextRandom() & 1);
            colour = static_cast<int>(NextRandom() & 1);
            break;
        case DIFFICULTY_NORMAL:
            speed = 3 + static_cast<int>(NextRandom() & 1);
            motion = static_cast<int>(NextRandom() % 6);
            colour = static_cast<int>(NextRandom() & 3);
            break;
        default:
            speed = 3 + static_cast<int>(NextRandom() % 3);
            motion = static_cast<int>(NextRandom() % 9);
            colour = static_cast<int>(NextRandom() & 3);
            direction = static_cast<int>(NextRandom() & 1);
            break;
    }
    slot->Launch(direction, static_cast<float>(speed), colour, motion);
}

void CTargetPool::DrawDepth(int depth) {
    for (CTarget& slot : slots) {
        if (slot.picture.visible && slot.depth == depth) {
            slot.shadow.Draw();
            slot.picture.Draw();
        }
    }
}

void CTargetPool::Scare(const CRectangle& rect) {
    for (CTarget& slot : slots) {
        if (slot.picture.visible && slot.motion == MOTION_FLEE && slot.picture.GetBounds().Intersects(rect)) {
            slot.speed = -10.0f;
        }
    }
}

}  // namespace Yorun
